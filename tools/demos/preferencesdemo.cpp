// Shows the preferences dialog for checking it by eye (not a test, not shipped):
//   quillon_preferences_demo [--language NAME] [--page convert|end] [--quit-after MS]
// Settings are read from and written to a private folder.
#include "languageswitcher.h"
#include "nxskin.h"
#include "qnxbasebutton.h"
#include "qpreferencesdlg.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));
    const QStringList args = QApplication::arguments();
    auto value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    if (!value("--language").isEmpty())
        LanguageSwitcher::instance().switchTo(value("--language"));

    QPreferencesDlg dialog;
    dialog.show();
    dialog.move(200, 70);
    if (value("--page") == QLatin1String("convert"))
        dialog.findChild<QNxBaseButton*>(QStringLiteral("m_btnConvert"))->click();
    if (value("--page") == QLatin1String("end")) {
        QScrollBar* bar = dialog.findChild<QScrollArea*>()->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
    if (!value("--quit-after").isEmpty())
        QTimer::singleShot(value("--quit-after").toInt(), &app, &QApplication::quit);
    return QApplication::exec();
}
