// Recording from the main window against the private sound server: start and stop write a file
// of the recorded length into the output folder and the history; cut and split make new files;
// the split rules discard or keep pieces; a schedule starts and stops by itself, and a user who
// is not at the window hears of it through a desktop notification; failures leave the window
// idle with a message and lose nothing.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "../desktop/fakenotificationserver.h"
#include "../desktop/privatebus.h"
#include "desktopservices.h"
#include "freedesktopnotifier.h"
#include "logindsleepinhibitor.h"
#include "mainwindowtestkit.h"
#include "pulsefixture.h"
#include "qfilelistwgt.h"
#include "qnxmenu.h"
#include "qrecordareainfo.h"
#include "qrecordingwidget.h"
#include "qrecordobject.h"
#include "recordercontroller.h"
#include "recordertray.h"
#include "schedulecountdown.h"
#include "schedulerepeat.h"
#include "scheduletime.h"
#include "silencewatch.h"
#include "smallfilesystem.h"
#include "testmedia.h"
#include "timeoptions.h"

using namespace windowtest;

namespace {

constexpr uint64_t kS = ScheduleTime::kUsPerSecond;
const QDateTime kNoon(QDate(2024, 3, 14), QTime(12, 0, 0));

bool idle(MainWindow* w)
{
    return !w->isRecording() && button(w, QStringLiteral("Start Recording"))->isVisible() &&
           !button(w, QStringLiteral("Stop Recording"))->isVisible() &&
           !button(w, QStringLiteral("Cut Recording"))->isEnabled() &&
           button(w, QStringLiteral("Format"))->isEnabled() && w->playerArea()->isVisible() &&
           !w->recordingDisplay()->isVisible();
}

void click(MainWindow* w, const QString& name)
{
    QAbstractButton* b = button(w, name);
    QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

void deleteRules(const QString& byDuration, const QString& limit, const QString& bySilence)
{
    const QString element = QStringLiteral("Delete_Recorded_File");
    setSetting(element, QStringLiteral("Delete_According_To_Duration"), byDuration);
    setSetting(element, QStringLiteral("Duration_Less_Than"), limit);
    setSetting(element, QStringLiteral("Delete_According_To_Silence"), bySilence);
}

// A private session bus with a notification server on it, and the window's notifier.
struct NotificationBus {
    PrivateBus bus;
    FakeNotificationServer server;
    FreedesktopNotifier* sender = nullptr;

    ~NotificationBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("window"));
        QDBusConnection::disconnectFromBus(QStringLiteral("srv"));
    }
    // The notifier for the window; null when the bus or the server does not come up.
    std::unique_ptr<DesktopNotifier> start()
    {
        if (!bus.start())
            return nullptr;
        QDBusConnection service =
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("srv"));
        if (!service.registerService(QString::fromLatin1(FreedesktopNotifier::kService)) ||
            !service.registerObject(QString::fromLatin1(FreedesktopNotifier::kPath), &server,
                                    QDBusConnection::ExportAllSlots))
            return nullptr;
        auto notifier = std::make_unique<FreedesktopNotifier>(
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("window")),
            QString::fromLatin1(DesktopServices::kApplicationName),
            QString::fromLatin1(DesktopServices::kDesktopEntry));
        sender = notifier.get();
        return notifier;
    }
    // Calls of one connection arrive in order: once this marker is there, so is anything the
    // window sent before it.
    bool sendMarker()
    {
        return sender->notify(QStringLiteral("marker"), QString()) &&
               QTest::qWaitFor(
                   [this] { return server.summaries().contains(QStringLiteral("marker")); }, 10000);
    }
};

// The window hidden in the tray (the user is away) or active.
bool awayOrFocused(MainWindow* w, bool away)
{
    if (!away)
        return QTest::qWaitForWindowActive(w);
    w->HideRecorerDlg();
    return !w->isVisible();
}

}  // namespace

class TestMainWindowRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startAndStop();
    void cutMakesTwoFiles();
    void failedStart_data();
    void failedStart();
    void splitsAtSilence();
    void splitRules_data();
    void splitRules();
    void scheduleStartsAndStops();
    void repeatingScheduleComesBack();
    void scheduleEndNotifiesWhenAway_data();
    void scheduleEndNotifiesWhenAway();
    void finishedCutNotifiesWhenAway_data();
    void finishedCutNotifiesWhenAway();
    void stopAfterLengthEndsTheRecording();
    void exitWhileRecordingFinishesTheFile();
    void sleepLockFailureStillRecords();
    void diskFull();

private:
    QString outputFolder() const { return m_root.filePath(QStringLiteral("out")); }

    QTemporaryDir m_root;
    Fixture m_fixture;
};

void TestMainWindowRecord::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_root.isValid());
    setUpProcess(m_root.path());
}

void TestMainWindowRecord::init()
{
    resetStorage(outputFolder());
}

void TestMainWindowRecord::cleanup()
{
    m_fixture.window.reset();
    m_fixture.sink = SinkSpy();
    m_fixture.clock.set(kNoon);
}

void TestMainWindowRecord::startAndStop()
{
    MainWindow* w = m_fixture.open();
    QVERIFY(idle(w));
    QElapsedTimer wall;
    click(w, QStringLiteral("Start Recording"));
    wall.start();
    QVERIFY(w->isRecording());
    QVERIFY(!button(w, QStringLiteral("Format"))->isEnabled());
    QVERIFY(!button(w, QStringLiteral("Schedule"))->isEnabled());
    QVERIFY(w->recordingDisplay()->isVisible());
    QVERIFY(w->tray()->isRecording());
    QVERIFY(m_fixture.inhibitor->isHeld());
    QCOMPARE(m_fixture.sink.started.size(), 1);
    const QString path = m_fixture.sink.started.first();
    QCOMPARE(QFileInfo(path).absolutePath(), outputFolder());
    QVERIFY(QFileInfo(path).fileName().startsWith(QLatin1String("REC_")));

    // The display shows the recorded time as it grows.
    QTRY_VERIFY_WITH_TIMEOUT(w->recordingDisplay()->recordTimeText() != QLatin1String("00:00:00"),
                             10000);
    QTest::qWait(300);
    click(w, QStringLiteral("Stop Recording"));
    const double seconds = wall.elapsed() / 1000.0;
    QVERIFY(idle(w));
    QVERIFY(!w->tray()->isRecording());
    QVERIFY(!m_fixture.inhibitor->isHeld());

    // The file holds the time the window showed as recorded, and nothing after the stop.
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    const double recorded = m_fixture.sink.finished.first().durationUs / 1e6;
    const double duration = testmedia::durationSeconds(path);
    QVERIFY2(std::abs(duration - recorded) <= 0.2 && duration <= seconds + 0.2,
             qPrintable(QStringLiteral("%1 s of file, %2 s recorded, %3 s between the clicks")
                            .arg(duration)
                            .arg(recorded)
                            .arg(seconds)));
    QVERIFY(ParserXML::findHistory(path).has_value());
    const FinishedRecording& done = m_fixture.sink.finished.first();
    QCOMPARE(done.record.filePath, path);
    QCOMPARE(done.record.duration, QRecordingWidget::timeText(done.durationUs));
    QVERIFY(done.failure.isEmpty());
    QVERIFY(done.silentThroughout);
}

void TestMainWindowRecord::cutMakesTwoFiles()
{
    MainWindow* w = m_fixture.open();
    w->OnCutRecord();  // idle, no session: nothing
    QVERIFY(idle(w));
    click(w, QStringLiteral("Start Recording"));
    QTest::qWait(700);
    m_fixture.clock.advanceMs(1000);
    click(w, QStringLiteral("Cut Recording"));
    QVERIFY(w->isRecording());
    QTest::qWait(700);
    // A cut within the same millisecond finds the name taken.
    click(w, QStringLiteral("Cut Recording"));
    QTest::qWait(300);
    click(w, QStringLiteral("Stop Recording"));
    w->OnCutRecord();  // idle with a session: still nothing
    QVERIFY(idle(w));

    QCOMPARE(m_fixture.sink.started.size(), 3);
    QCOMPARE(m_fixture.sink.finished.size(), 3);
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        const QString path = m_fixture.sink.finished.at(i).record.filePath;
        QCOMPARE(path, m_fixture.sink.started.at(i));
        QVERIFY(ParserXML::findHistory(path).has_value());
        QVERIFY2(testmedia::durationSeconds(path) > 0, qPrintable(path));
        names.append(QFileInfo(path).fileName());
    }
    QCOMPARE(names, (QStringList{QStringLiteral("REC_20240314120000000.wav"),
                                 QStringLiteral("REC_20240314120001000.wav"),
                                 QStringLiteral("REC_20240314120001000(1).wav")}));
}

void TestMainWindowRecord::failedStart_data()
{
    QTest::addColumn<bool>("deadServer");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder below a file") << false << "plain.txt/out"
                                         << "cannot be created";
    QTest::newRow("no sound server") << true << ""
                                     << "no sound server";
}

void TestMainWindowRecord::failedStart()
{
    QFETCH(bool, deadServer);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    if (!folder.isEmpty()) {
        QFile file(m_root.filePath(QStringLiteral("plain.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        setSetting(QStringLiteral("OutPut_path"), QStringLiteral("path_value"),
                   m_root.filePath(folder));
    }
    MainWindow* w = m_fixture.open();
    std::unique_ptr<DeadSoundServer> dead(deadServer ? new DeadSoundServer : nullptr);
    click(w, QStringLiteral("Start Recording"));
    // A session finds out that the server is gone after it has started: the window goes back
    // to idle when it does.
    QTRY_VERIFY_WITH_TIMEOUT(idle(w), 10000);
    QVERIFY(!m_fixture.inhibitor->isHeld());
    QVERIFY(m_fixture.sink.finished.isEmpty());
    // A row that was started is taken back, and no file is left.
    QCOMPARE(m_fixture.sink.failed, m_fixture.sink.started);
    for (const QString& path : qAsConst(m_fixture.sink.started))
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    const QStringList shown = messages(w);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QLatin1String("Recording failed!")) &&
                 shown.first().contains(reason),
             qPrintable(shown.first()));
}

void TestMainWindowRecord::splitsAtSilence()
{
    setSetting(QStringLiteral("Split_Recording"), QStringLiteral("Split_According_To_Silence"),
               QStringLiteral("Y"));
    setSetting(QStringLiteral("Split_Recording"), QStringLiteral("Silence_More_Than"),
               QStringLiteral("3000"));
    MainWindow* w = m_fixture.open();
    QRecordingWidget* display = w->recordingDisplay();
    click(w, QStringLiteral("Start Recording"));
    // Nothing plays: the level blocks of the recording are silent.
    QTRY_VERIFY_WITH_TIMEOUT(display->silenceWatch().lastBlockSilent(), 10000);
    // The display's own 200 ms check runs too, but the clock only moves here: the split comes
    // at the first check more than 3000 ms of clock after the silence was first seen.
    display->OnCheckSilence();
    m_fixture.clock.advanceMs(3000);
    display->OnCheckSilence();
    QCOMPARE(m_fixture.sink.finished.size(), 0);
    m_fixture.clock.advanceMs(200);
    display->OnCheckSilence();
    QVERIFY(w->isRecording());
    QCOMPARE(m_fixture.sink.started.size(), 2);
    // The piece that ended is listed once the sound captured up to the split is in it.
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.sink.finished.size(), 1, 10000);
    QVERIFY(m_fixture.sink.started.at(1) != m_fixture.sink.started.at(0));
    QCOMPARE(m_fixture.sink.finished.at(0).record.filePath, m_fixture.sink.started.at(0));
    click(w, QStringLiteral("Stop Recording"));
    QCOMPARE(m_fixture.sink.finished.size(), 2);
}

void TestMainWindowRecord::splitRules_data()
{
    QTest::addColumn<QString>("byDuration");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("bySilence");
    QTest::addColumn<bool>("loud");
    QTest::addColumn<bool>("discarded");
    QTest::newRow("silent throughout") << "N"
                                       << "0"
                                       << "Y" << false << true;
    QTest::newRow("one loud block") << "N"
                                    << "0"
                                    << "Y" << true << false;
    QTest::newRow("not longer than the limit") << "Y"
                                               << "30"
                                               << "N" << false << true;
    QTest::newRow("no rule") << "N"
                             << "0"
                             << "N" << false << false;
}

void TestMainWindowRecord::splitRules()
{
    QFETCH(QString, byDuration);
    QFETCH(QString, limit);
    QFETCH(QString, bySilence);
    QFETCH(bool, loud);
    QFETCH(bool, discarded);
    deleteRules(byDuration, limit, bySilence);
    MainWindow* w = m_fixture.open();
    click(w, QStringLiteral("Start Recording"));
    if (loud) {
        const QString tone = m_root.filePath(QStringLiteral("tone.wav"));
        QVERIFY(testmedia::makeTone(tone, 440.0, 0.5));
        // The capture stream opens after the start returns; what plays before is not recorded.
        QTRY_VERIFY_WITH_TIMEOUT(w->recorder()->session()->capturingSources() > 0, 10000);
        auto player = testmedia::playInto(QStringLiteral("quillon_out"), tone);
        QTRY_VERIFY_WITH_TIMEOUT(!m_fixture.sink.silentCalls.isEmpty(), 10000);
        // The wait above turns the event loop, which may already have seen the player end.
        QVERIFY(player->state() == QProcess::NotRunning || player->waitForFinished(10000));
        QCOMPARE(player->exitCode(), 0);
    } else {
        QTest::qWait(1200);
    }
    const QString path = m_fixture.sink.started.first();
    w->OnSplitSilence();
    QVERIFY(w->isRecording());
    QElapsedTimer afterSplit;
    afterSplit.start();
    QVERIFY(m_fixture.sink.silentCalls.size() == (loud ? 1 : 0));
    if (discarded) {
        QCOMPARE(m_fixture.sink.discarded, QStringList{path});
        QCOMPARE(m_fixture.sink.finished.size(), 0);
        QCOMPARE(w->recorder()->currentPath(), path);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture.sink.finished.size(), 1, 10000);
        QCOMPARE(m_fixture.sink.finished.first().record.filePath, path);
        QCOMPARE(m_fixture.sink.finished.first().silentThroughout, !loud);
        QVERIFY(w->recorder()->currentPath() != path);
    }
    QTest::qWait(500);
    click(w, QStringLiteral("Stop Recording"));
    const double sinceSplit = afterSplit.elapsed() / 1000.0;
    if (discarded) {
        // The piece after the split replaced the discarded one (at least 1.2 s long) in the same
        // file, and its history record.
        QCOMPARE(m_fixture.sink.finished.size(), 1);
        const FinishedRecording& done = m_fixture.sink.finished.first();
        QCOMPARE(done.record.filePath, path);
        const double duration = testmedia::durationSeconds(path);
        QVERIFY2(duration <= sinceSplit + 0.2,
                 qPrintable(QStringLiteral("%1 s for %2 s").arg(duration).arg(sinceSplit)));
        QCOMPARE(ParserXML::findHistory(path)->duration, done.record.duration);
    } else {
        QCOMPARE(m_fixture.sink.finished.size(), 2);
    }
}

void TestMainWindowRecord::scheduleStartsAndStops()
{
    MainWindow* w = m_fixture.open();
    // Two seconds ahead of the clock, for one second.
    TimeOptions::confirmSchedule(true, 12 * 3600 * kS + 2 * kS, 12 * 3600 * kS + 3 * kS);
    w->OnSetSchedule();
    QVERIFY(w->isScheduleActive());
    QVERIFY(button(w, QStringLiteral("Cancel Schedule"))->isVisible());
    w->OnTimer();
    QVERIFY(!w->isRecording());
    m_fixture.clock.advanceMs(2000);
    w->OnTimer();
    QVERIFY(w->isRecording());
    QVERIFY(!w->isScheduleActive());
    QCOMPARE(m_fixture.sink.started.size(), 1);
    // The span is measured on the recorded audio, so the recording ends on its own.
    QTRY_VERIFY_WITH_TIMEOUT(!w->isRecording(), 15000);
    QVERIFY(idle(w));
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    const double duration = testmedia::durationSeconds(m_fixture.sink.started.first());
    QVERIFY2(duration >= 1.0 && duration < 3.0, qPrintable(QString::number(duration)));
    // A schedule is used once.
    QVERIFY(!QRecordAreaInfo::instance().scheduled());
    QCOMPARE(ParserXML::getSettingValue(QStringLiteral("RECORD_SCHEDULE_INFO"),
                                        QStringLiteral("Bool_Schedule"), QString()),
             QStringLiteral("N"));
}

// Every day at 12:00:02 for a second: the recording starts and ends on the clock, the schedule
// stays armed for the next day (the tray says when), and a restart of the window brings it back.
void TestMainWindowRecord::repeatingScheduleComesBack()
{
    MainWindow* w = m_fixture.open();
    ScheduleRepeat daily;
    daily.mode = ScheduleRepeat::Mode::Daily;
    TimeOptions::setSchedule(true);
    TimeOptions::confirmSchedule(true, 12 * 3600 * kS + 2 * kS, 12 * 3600 * kS + 3 * kS, daily);
    w->OnSetSchedule();
    const QString nextToday = w->tray()->nextStartAction()->text();
    QVERIFY2(nextToday.contains(QLatin1String("12:00:02")), qPrintable(nextToday));
    QCOMPARE(w->tray()->normalMenu()->actions().first(), w->tray()->nextStartAction());
    m_fixture.clock.advanceMs(2000);
    w->OnTimer();
    QVERIFY(w->isRecording());
    QVERIFY(w->isScheduleActive());
    // The end comes from the clock; the recording has run meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(w->recorder()->session()->lastRecordedDurationUs() > 500000, 15000);
    m_fixture.clock.advanceMs(1000);
    w->OnTimer();
    QVERIFY(idle(w));
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    QVERIFY(w->isScheduleActive());
    QCOMPARE(w->countdown().target(), kNoon.addDays(1).addSecs(2));
    QVERIFY(w->tray()->nextStartAction()->text() != nextToday);
    QCOMPARE(ParserXML::getSettingValue(QStringLiteral("RECORD_SCHEDULE_INFO"),
                                        QStringLiteral("Bool_Schedule"), QString()),
             QStringLiteral("Y"));

    // Restarted a minute later: armed again for tomorrow, the start missed today is not made up.
    m_fixture.window.reset();
    QRecordAreaInfo::instance().setScheduled(false);
    m_fixture.clock.advanceMs(60000);
    w = m_fixture.open();
    QVERIFY(w->isScheduleActive());
    QCOMPARE(w->countdown().target(), kNoon.addDays(1).addSecs(2));
    w->OnBtnCancelSchedule();
    QVERIFY(!w->isScheduleActive());
    QVERIFY(!w->tray()->normalMenu()->actions().contains(w->tray()->nextStartAction()));
}

void TestMainWindowRecord::scheduleEndNotifiesWhenAway_data()
{
    QTest::addColumn<bool>("away");
    QTest::newRow("window hidden in the tray") << true;
    QTest::newRow("window has the focus") << false;
}

// The notification goes through the session bus (a private one) to a notification server.
void TestMainWindowRecord::scheduleEndNotifiesWhenAway()
{
    QFETCH(bool, away);
    NotificationBus notifications;
    std::unique_ptr<DesktopNotifier> notifier = notifications.start();
    QVERIFY2(notifier, qPrintable(notifications.bus.error()));
    MainWindow* w = m_fixture.open(nullptr, std::move(notifier));
    QVERIFY(awayOrFocused(w, away));

    TimeOptions::confirmSchedule(true, 12 * 3600 * kS + 1 * kS, 12 * 3600 * kS + 2 * kS);
    w->OnSetSchedule();
    m_fixture.clock.advanceMs(1000);
    w->OnTimer();
    QVERIFY(w->isRecording());
    QTRY_VERIFY_WITH_TIMEOUT(!w->isRecording(), 15000);
    QCOMPARE(m_fixture.sink.finished.size(), 1);

    QVERIFY(notifications.sendMarker());
    if (away) {
        QCOMPARE(notifications.server.summaries(),
                 (QStringList{QStringLiteral("Scheduled recording finished"),
                              QStringLiteral("marker")}));
        const QString file = QFileInfo(m_fixture.sink.finished.first().record.filePath).fileName();
        QCOMPARE(notifications.server.calls.first().value(4).toString(),
                 QStringLiteral("Saved as ") + file);
    } else {
        QCOMPARE(notifications.server.summaries(), QStringList{QStringLiteral("marker")});
    }
    m_fixture.window.reset();
}

void TestMainWindowRecord::finishedCutNotifiesWhenAway_data()
{
    scheduleEndNotifiesWhenAway_data();
}

// A cut from the recordings list goes to the output folder (not the source's), and a user who
// is away hears of it when it is done.
void TestMainWindowRecord::finishedCutNotifiesWhenAway()
{
    QFETCH(bool, away);
    const QString source = m_root.filePath(QStringLiteral("sources/tone.mp3"));
    QVERIFY(QDir().mkpath(QFileInfo(source).path()));
    QVERIFY(QFileInfo::exists(source) || testmedia::makeTone(source, 440, 3));
    HistoryRecord record;
    record.filePath = source;
    record.extension = QStringLiteral("mp3");
    record.format = QStringLiteral("MP3");
    QVERIFY(ParserXML::addOrUpdateHistory(record));
    NotificationBus notifications;
    std::unique_ptr<DesktopNotifier> notifier = notifications.start();
    QVERIFY2(notifier, qPrintable(notifications.bus.error()));
    MainWindow* w = m_fixture.open(nullptr, std::move(notifier));
    QVERIFY(awayOrFocused(w, away));

    QFileListWgt* list = w->fileList();
    list->setEditedItem(list->library().find(source));
    QSignalSpy produced(list, &QFileListWgt::emitConvertFilePath);
    VEEditConfig config;
    config.trimEndUs = 1000000;
    list->OnConvertFile(config, true);
    QVERIFY(produced.wait(60000));
    const QString path = produced.at(0).at(0).toString();
    QCOMPARE(QFileInfo(path).absolutePath(), outputFolder());

    QVERIFY(notifications.sendMarker());
    if (away) {
        QCOMPARE(notifications.server.summaries(),
                 (QStringList{QStringLiteral("Conversion finished"), QStringLiteral("marker")}));
        QCOMPARE(notifications.server.calls.first().value(4).toString(),
                 QStringLiteral("Saved as tone_Trim_001.mp3"));
    } else {
        QCOMPARE(notifications.server.summaries(), QStringList{QStringLiteral("marker")});
    }
    m_fixture.window.reset();
}

void TestMainWindowRecord::stopAfterLengthEndsTheRecording()
{
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    area.setStopAfter(true);
    area.setStopAfterUs(kS);
    const auto reset = qScopeGuard([&area] {
        area.setStopAfter(false);
        area.setStopAfterUs(0);
    });
    MainWindow* w = m_fixture.open();
    click(w, QStringLiteral("Start Recording"));
    QTRY_VERIFY_WITH_TIMEOUT(!w->isRecording(), 15000);
    QVERIFY(idle(w));
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    const double duration = testmedia::durationSeconds(m_fixture.sink.started.first());
    QVERIFY2(duration >= 1.0 && duration < 3.0, qPrintable(QString::number(duration)));
}

void TestMainWindowRecord::exitWhileRecordingFinishesTheFile()
{
    setSetting(QStringLiteral("REMIND_ITEM"), QStringLiteral("isShowRemind"), QStringLiteral("N"));
    setSetting(QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg"), QStringLiteral("Y"));
    MainWindow* w = m_fixture.open();
    QSignalSpy quit(w, &MainWindow::emitQuit);
    click(w, QStringLiteral("Start Recording"));
    QTest::qWait(500);
    button(w, QStringLiteral("Close"))->click();
    // Finished and listed before the window starts to fade.
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    const QString path = m_fixture.sink.finished.first().record.filePath;
    QVERIFY(ParserXML::findHistory(path).has_value());
    QCOMPARE(testmedia::audioStream(path).value(QStringLiteral("codec_name")).toString(),
             QStringLiteral("pcm_s16le"));
    QVERIFY(w->isClosing());
    QVERIFY(quit.wait(5000));
    QVERIFY(!w->isVisible());
}

void TestMainWindowRecord::sleepLockFailureStillRecords()
{
    auto lock = std::make_unique<LogindSleepInhibitor>(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/quillon-bus"),
                                      QStringLiteral("nowhere")),
        QStringLiteral("Quillon Audio Recorder"));
    MainWindow* w = m_fixture.open(std::move(lock));
    click(w, QStringLiteral("Start Recording"));
    QVERIFY(w->isRecording());
    QVERIFY(!m_fixture.inhibitor->isHeld());
    QTest::qWait(300);
    click(w, QStringLiteral("Stop Recording"));
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    QVERIFY(messages(w).isEmpty());
}

void TestMainWindowRecord::diskFull()
{
    SmallFileSystem disk("size=200k");
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here");
    setSetting(QStringLiteral("OutPut_path"), QStringLiteral("path_value"), disk.path());

    MainWindow* w = m_fixture.open();
    click(w, QStringLiteral("Start Recording"));
    // 176400 bytes a second fill 200 KiB in little more than a second.
    QTRY_VERIFY_WITH_TIMEOUT(!messages(w).isEmpty(), 10000);
    QVERIFY(idle(w));
    QVERIFY(!m_fixture.inhibitor->isHeld());
    const QString shown = messages(w).first();
    QVERIFY2(shown.startsWith(QLatin1String("Recording stopped:")) &&
                 shown.contains(QLatin1String("kept")),
             qPrintable(shown));
    // What was recorded is kept, playable and listed.
    QCOMPARE(m_fixture.sink.finished.size(), 1);
    const FinishedRecording& done = m_fixture.sink.finished.first();
    QVERIFY(!done.failure.isEmpty());
    QVERIFY(shown.contains(done.failure));
    QVERIFY(testmedia::decodeS16(done.record.filePath).size() > 44100 * 4 / 2);
    QVERIFY(ParserXML::findHistory(done.record.filePath).has_value());
}

QTEST_MAIN(TestMainWindowRecord)
#include "tst_mainwindowrecord.moc"
