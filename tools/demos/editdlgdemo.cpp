// Shows the edit dialog on a file for checking it by eye (not a test, not shipped):
//   quillon_editdlg_demo FILE [--tab trim|effect|tag] [--cover IMAGE] [--title TEXT]
//                        [--marks START,END] [--preset ROW] [--quit-after MS]
// --cover makes IMAGE the cover on the Tag tab, --title types a title (both unsaved),
// --marks sets the Trim tab's marks (seconds), --preset chooses a row of the Effect tab.
#include "nxaccessiblenames.h"
#include "nxskin.h"
#include "qaudiotagform.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qtrimwidget.h"
#include "qvideoedittag.h"
#include "qvideoeditingdlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));
    NxAccessibleNames::install();
    const QStringList args = QApplication::arguments();
    auto value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    if (args.size() < 2) {
        qWarning("usage: quillon_editdlg_demo FILE [--tab trim|effect|tag] [--cover IMAGE]");
        return 2;
    }

    QVideoEditingDlg dialog;
    dialog.loadFile(args.at(1));
    dialog.show();
    dialog.move(120, 60);
    const QString tab = value("--tab");
    if (tab == QLatin1String("effect"))
        dialog.tabBar()->selectTab(QVideoEditTag::Effect);
    else if (tab == QLatin1String("tag"))
        dialog.tabBar()->selectTab(QVideoEditTag::Tag);
    if (!value("--cover").isEmpty())
        dialog.tagForm()->setCoverFromFile(value("--cover"));
    if (!value("--title").isEmpty())
        dialog.tagForm()->edit("m_editTitle")->setText(value("--title"));
    const QStringList marks = value("--marks").split(QLatin1Char(','));
    if (marks.size() == 2) {
        dialog.trimWidget()->startTimeChanged(uint64_t(marks[0].toDouble() * 1e6));
        dialog.trimWidget()->endTimeChanged(uint64_t(marks[1].toDouble() * 1e6));
    }
    if (!value("--preset").isEmpty()) {
        QEffectForm* effects = dialog.effectForm();
        effects->OnChangeEffect(effects->model()->index(value("--preset").toInt(), 0));
    }
    if (!value("--quit-after").isEmpty())
        QTimer::singleShot(value("--quit-after").toInt(), &app, &QApplication::quit);
    return QApplication::exec();
}
