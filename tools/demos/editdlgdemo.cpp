// Shows the edit dialog on a file for checking it by eye (not a test, not shipped):
//   quillon_editdlg_demo FILE [--tab trim|effect|tag] [--cover IMAGE] [--title TEXT]
//                        [--marks START,END] [--preset ROW] [--cut] [--quit-after MS]
// --cover makes IMAGE the cover on the Tag tab, --title types a title (both unsaved),
// --marks sets the Trim tab's marks (seconds), --preset chooses a row of the Effect tab.
// --cut lists FILE in a recordings list, opens the dialog from its row (marks and preset as
// given) and presses "Cut", to see the progress window; cuts go to a private folder.
#include "historyrecord.h"
#include "nxaccessiblenames.h"
#include "nxskin.h"
#include "parserxml.h"
#include "qaudiofiletableview.h"
#include "qaudiotagform.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qfilelistwgt.h"
#include "qnxbasebutton.h"
#include "qtrimwidget.h"
#include "qvideoeditingdlg.h"
#include "qvideoedittag.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

using Option = std::function<QString(const char*)>;

// Puts the dialog in the state the options ask for.
void arrange(QVideoEditingDlg& dialog, const Option& value)
{
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
}

// The recordings list with FILE as its one recording; its row opens the dialog, which cuts.
int cutFromList(const QString& file, const Option& value, const QString& cuts)
{
    HistoryRecord record;
    record.filePath = file;
    record.title = QFileInfo(file).completeBaseName();
    record.extension = QFileInfo(file).suffix();
    record.format = record.extension.toUpper();
    ParserXML::addOrUpdateHistory(record);
    QFileListWgt list;
    list.setOutputFolder([cuts] { return cuts; });
    list.resize(1000, 420);
    list.move(60, 40);
    list.show();
    list.loadLibrary();
    QTimer::singleShot(200, [&] {
        QTimer::singleShot(500, [&] {
            if (QVideoEditingDlg* dialog = list.editDialog()) {
                dialog->move(120, 60);
                arrange(*dialog, value);
                dialog->trimWidget()->cutButton()->click();
            }
        });
        list.OnEditItem(list.view()->model()->index(0, 0));
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));
    NxAccessibleNames::install();
    const QStringList args = QApplication::arguments();
    const Option value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    if (args.size() < 2) {
        qWarning(
            "usage: quillon_editdlg_demo FILE [--tab trim|effect|tag] [--cover IMAGE] "
            "[--marks START,END] [--preset ROW] [--cut]");
        return 2;
    }
    if (!value("--quit-after").isEmpty())
        QTimer::singleShot(value("--quit-after").toInt(), &app, &QApplication::quit);
    if (args.contains(QLatin1String("--cut")))
        return cutFromList(args.at(1), value, data.filePath(QStringLiteral("cuts")));

    QVideoEditingDlg dialog;
    dialog.loadFile(args.at(1));
    dialog.show();
    dialog.move(120, 60);
    arrange(dialog, value);
    return QApplication::exec();
}
