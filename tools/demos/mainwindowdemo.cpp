// Shows the main window in one of its states for checking it by eye (not a test, not shipped):
//   quillon_mainwindow_demo [--record] [--schedule-dialog] [--countdown SECONDS]
//                           [--close-dialog] [--tray-menu] [--volume] [--quit-after MS]
//                           [--repeat] [--repeat-days] [--sources-menu]
//                           [--playlists N] [--playlist-menu] [--play FILE[,FILE...]]
//                           [--library FILE[,FILE...]] [--play-playlist] [--stop-after S]
// --record starts a recording (play something into the default sink to see the wave),
// --countdown arms a schedule that starts SECONDS from now, --tray-menu pops up the tray's
// menu (the recording one with --record) where a tray icon would. Settings live in a private
// folder; recordings go to its documents folder. --repeat makes the --countdown schedule a daily
// one; --repeat-days picks "Chosen days" in the schedule dialog; --sources-menu opens the list of
// what system audio records (play something to see applications in it).
// --playlists makes N user playlists before the window opens, --playlist-menu opens the menu of
// the first one, --play plays the files in the play bar, --library lists the files as recordings
// (every other one in the first playlist), --play-playlist chooses and plays the first playlist.
// --stop-after records for S seconds with the window minimised, so the end is notified.
#include "listtexts.h"
#include "mainwindow.h"
#include "nxskin.h"
#include "parserxml.h"
#include "qaudioschedulesettingdlg.h"
#include "qlibraryplaylistwgt.h"
#include "qlibrarytableview.h"
#include "qnxcheckbox.h"
#include "qnxmenu.h"
#include "qplaycontrolwgt.h"
#include "qrecordareainfo.h"
#include "qrecordingwidget.h"
#include "qtimeoptions.h"
#include "recordertray.h"
#include "recordingprobe.h"
#include "schedulerepeatedit.h"
#include "scheduletime.h"
#include "selectrecordinputwgt.h"
#include "timeoptions.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Enters each file into the history as a finished recording, every other one in `playList`.
void listRecordings(const QStringList& files, const QString& playList)
{
    for (int i = 0; i < files.size(); ++i) {
        const RecordingProbe::Facts facts = RecordingProbe::probe(files[i]);
        const qint64 seconds = qint64(facts.durationUs / 1000000);
        HistoryRecord record;
        record.filePath = files[i];
        record.duration = QStringLiteral("%1:%2:%3")
                              .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                              .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                              .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        record.size = ListTexts::sizeText(QFileInfo(files[i]).size());
        record.createTime = ListTexts::fileCreateTime(files[i]);
        record.extension = QFileInfo(files[i]).suffix();
        record.format = facts.codec;
        if (i % 2 == 0 && !playList.isEmpty())
            record.listNames = QStringList{playList};
        ParserXML::addOrUpdateHistory(record);
    }
}

void armSchedule(MainWindow& window, int secondsAhead, bool daily)
{
    const uint64_t start = ScheduleTime::microseconds(QTime::currentTime().addSecs(secondsAhead));
    ScheduleRepeat repeat;
    repeat.mode = daily ? ScheduleRepeat::Mode::Daily : ScheduleRepeat::Mode::Once;
    TimeOptions::confirmSchedule(true, start, start + 3600 * ScheduleTime::kUsPerSecond, repeat);
    window.OnSetSchedule();
}

// Picks "Chosen days" and two days in the open schedule dialog.
void chooseDays()
{
    auto* dialog = qobject_cast<QAudioScheduleSettingDlg*>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    ScheduleRepeatEdit* edit = dialog->timeOptions()->repeatEdit();
    dialog->timeOptions()->scheduleBox()->click();
    ScheduleRepeat repeat;
    repeat.mode = ScheduleRepeat::Mode::Days;
    repeat.days = 0x15;  // Monday, Wednesday, Friday
    edit->setRepeat(repeat);
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    qputenv("HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    auto value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));

    for (int i = 0; i < value("--playlists").toInt(); ++i)
        ParserXML::addPlayList(
            i == 1 ? QStringLiteral("Interviews, spring session with a long name")
                   : QStringLiteral("New PlayList_%1").arg(i, 2, 10, QLatin1Char('0')));
    if (!value("--library").isEmpty())
        listRecordings(value("--library").split(','), ParserXML::readPlayListNames().value(0));

    MainWindow window;
    window.move(40, 30);
    window.show();
    if (!value("--stop-after").isEmpty()) {
        // The recording ends by itself while the window is minimised: the desktop notification.
        TimeOptions::setStopAfter(true);
        TimeOptions::setStopAfterLength(0, 0, value("--stop-after").toInt());
        QTimer::singleShot(300, &window, [&window] {
            window.OnBtnStart();
            window.showMinimized();
        });
    }
    if (args.contains(QStringLiteral("--record")))
        QTimer::singleShot(300, &window, &MainWindow::OnBtnStart);
    if (!value("--countdown").isEmpty())
        armSchedule(window, value("--countdown").toInt(),
                    args.contains(QStringLiteral("--repeat")));
    if (args.contains(QStringLiteral("--repeat-days")))
        QTimer::singleShot(900, &window, &chooseDays);
    if (args.contains(QStringLiteral("--sources-menu")))
        QTimer::singleShot(1500, window.inputsPanel(),
                           [&window] { window.inputsPanel()->m_cmbSystemSource->showPopup(); });
    if (args.contains(QStringLiteral("--schedule-dialog")))
        QTimer::singleShot(300, &window, &MainWindow::OnShowScheduleDlg);
    if (args.contains(QStringLiteral("--close-dialog")))
        QTimer::singleShot(300, &window, &MainWindow::OnClose);
    if (args.contains(QStringLiteral("--volume")))
        QTimer::singleShot(1500, window.recordingDisplay(), &QRecordingWidget::OnBtnVolume);
    if (args.contains(QStringLiteral("--tray-menu"))) {
        QTimer::singleShot(1200, &window, [&window] {
            RecorderTray* tray = window.tray();
            QMenu* menu = tray->isRecording() ? tray->recordingMenu() : tray->normalMenu();
            const QRect screen = window.screen()->availableGeometry();
            menu->popup(screen.bottomRight() - QPoint(220, 120));
        });
    }
    if (!value("--play").isEmpty()) {
        QTimer::singleShot(300, &window, [&window, files = value("--play").split(',')] {
            window.playBar()->OnSetPlayList(files);
            window.playBar()->OnBtnPlay();
        });
    }
    if (args.contains(QStringLiteral("--play-playlist"))) {
        QTimer::singleShot(300, &window, [&window] {
            QLibraryPlayListWgt* panel = window.playListPanel();
            panel->selectChunk(panel->chunkAt(QLibraryPlayListWgt::PlayListHeader + 1));
            panel->OnActPlayThisList();
        });
    }
    if (args.contains(QStringLiteral("--playlist-menu"))) {
        QTimer::singleShot(1200, &window, [&window] {
            QLibraryTableView* view = window.playListPanel()->view();
            const QPoint at =
                view->visualRect(view->model()->index(QLibraryPlayListWgt::PlayListHeader + 1, 0))
                    .center();
            if (QMenu* menu = window.playListPanel()->tableMenuAt(at))
                menu->popup(view->viewport()->mapToGlobal(at));
        });
    }
    if (!value("--quit-after").isEmpty())
        QTimer::singleShot(value("--quit-after").toInt(), &app, &QApplication::quit);
    return QApplication::exec();
}
