// Shows the format dialog for checking it by eye (not a test, not shipped):
//   quillon_formatdlg_demo [--category NAME] [--search TEXT] [--video] [--customize]
//                          [--popup] [--fail-save] [--quit-after MS]
// --fail-save puts a folder where the format file goes and presses OK, to show the error.
// Settings are read from and written to a private folder unless --keep-settings is given.
#include "formatcatalogue.h"
#include "formatselection.h"
#include "nxskin.h"
#include "parserxml.h"
#include "qformatdlg.h"
#include "qformatsettingdlg.h"
#include "qnxbasebutton.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"
#include "qnxlistview.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QTemporaryDir data;
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (!args.contains(QStringLiteral("--keep-settings")))
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));
    FormatSelection::loadSavedFormats(FormatCatalogue::instance());

    auto value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    QFormatDlg dialog;
    dialog.show();
    dialog.move(200, 70);
    if (!value("--category").isEmpty())
        emit dialog.emitTypeChange(value("--category"));
    if (!value("--search").isEmpty())
        dialog.findChild<QNxLineEdit*>(QStringLiteral("m_editSearch"))->setText(value("--search"));
    if (args.contains(QStringLiteral("--video")))
        dialog.settingDlg()->OnClickVideo();
    if (args.contains(QStringLiteral("--customize"))) {
        auto* bitRate =
            dialog.settingDlg()->findChild<QNxComboBox*>(QStringLiteral("m_cmbAudioBitRate"));
        bitRate->setCurrentIndex(1);
    }
    if (args.contains(QStringLiteral("--popup"))) {
        QTimer::singleShot(300, &dialog, [&dialog] {
            dialog.findChild<QNxComboBox*>(QStringLiteral("m_cmbQuality"))->showPopup();
        });
    }
    if (args.contains(QStringLiteral("--fail-save"))) {
        QDir().mkpath(ParserXML::formatFilePath());
        QTimer::singleShot(300, &dialog, [&dialog] {
            dialog.findChild<QNxBaseButton*>(QStringLiteral("m_btnOk"))->click();
        });
    }
    QObject::connect(&dialog, &QDialog::finished, &app, &QApplication::quit);
    const int quitAfter = value("--quit-after").toInt();
    if (quitAfter > 0)
        QTimer::singleShot(quitAfter, &app, &QApplication::quit);
    return app.exec();
}
