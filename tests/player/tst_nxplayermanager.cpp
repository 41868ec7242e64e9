// The two players against the private sound server: the edit dialog's range, segment and
// seek rules, and the main window's player's states. Timers drive them as in the program;
// the tests wait for signals, never for times.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include "nxplayerclass.h"
#include "nxplayermanager.h"
#include "nxqplayobject.h"
#include "testmedia.h"

class TestNxPlayerManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void durationOfRange_data();
    void durationOfRange();
    void sliderSeeks();
    void rangePlaysAndRewinds();
    void segmentPausesAtItsEnd();
    void levelBlocksWhilePlaying();
    void mainPlayerStates();
    void openFailure();

private:
    QTemporaryDir m_dir;
    QString m_file;  // 6 s
};

void TestNxPlayerManager::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
    m_file = m_dir.filePath("six.flac");
    QVERIFY(testmedia::makeTone(m_file, 440, 6));
}

void TestNxPlayerManager::durationOfRange_data()
{
    QTest::addColumn<bool>("range");
    QTest::addColumn<qulonglong>("start");
    QTest::addColumn<qulonglong>("end");
    QTest::addColumn<qulonglong>("duration");
    QTest::newRow("no range") << false << 0ULL << 0ULL << 6000000ULL;
    QTest::newRow("start and end") << true << 1000000ULL << 2500000ULL << 1500000ULL;
    QTest::newRow("no end runs to the file's end") << true << 2000000ULL << 0ULL << 4000000ULL;
}

void TestNxPlayerManager::durationOfRange()
{
    QFETCH(bool, range);
    QFETCH(qulonglong, start);
    QFETCH(qulonglong, end);
    QFETCH(qulonglong, duration);
    NxPlayerManager player;
    QVERIFY(player.open(m_file));
    if (range)
        player.onTrim(start, end);
    QCOMPARE(player.durationOfRange(), uint64_t(duration));
    QCOMPARE(player.player()->position(), uint64_t(start));
}

void TestNxPlayerManager::sliderSeeks()
{
    NxPlayerManager player;
    QVERIFY(player.open(m_file));
    QSignalSpy times(&player, &NxPlayerManager::emitPlayTime);
    player.progressValueChange(0.5);
    QCOMPARE(player.player()->position(), uint64_t(3000000));
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:03 / 00:00:06"));
    // Within a range the slider covers the range only.
    player.onTrim(2000000, 4000000);
    player.progressValueChange(0.25);
    QCOMPARE(player.player()->position(), uint64_t(2500000));
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:00 / 00:00:02"));
}

void TestNxPlayerManager::rangePlaysAndRewinds()
{
    NxPlayerManager player;
    QVERIFY(player.open(m_file));
    QSignalSpy times(&player, &NxPlayerManager::emitPlayTime);
    QSignalSpy ranges(&player, &NxPlayerManager::emitTrimTimeChange);
    player.onTrim(2000000, 2600000);
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:00 / 00:00:00"));
    QSignalSpy finished(&player, &NxPlayerManager::emitPlayFinish);
    QSignalSpy states(&player, &NxPlayerManager::emitPlayState);
    player.onPlay();
    QCOMPARE(states.first().at(0).toBool(), true);
    QVERIFY(finished.wait(30000));
    // Past the range end: stopped and back at the range start.
    QCOMPARE(player.player()->position(), uint64_t(2000000));
    QVERIFY(!player.player()->isFinished());
    player.onReset();
    QCOMPARE(ranges.last().at(0).toULongLong(), 0ULL);
    QCOMPARE(player.durationOfRange(), uint64_t(6000000));
}

void TestNxPlayerManager::segmentPausesAtItsEnd()
{
    NxPlayerManager player;
    QVERIFY(player.open(m_file));
    player.onTrim(1000000, 5000000);
    QSignalSpy trimStates(&player, &NxPlayerManager::emitTrimPlayState);
    QSignalSpy progress(&player, &NxPlayerManager::emitPlayProgress);
    player.onTrimPlay(0.25f, 0.375f);  // 2 s to 2.5 s of the file
    QCOMPARE(trimStates.first().at(0).toBool(), true);
    QVERIFY(trimStates.wait(30000));
    QCOMPARE(trimStates.last().at(0).toBool(), false);
    QCOMPARE(player.player()->position(), uint64_t(2500000));  // left at the segment end
    QCOMPARE(progress.last().at(0).toDouble(), 0.375);
}

void TestNxPlayerManager::levelBlocksWhilePlaying()
{
    NxPlayerManager player;
    QVERIFY(player.open(m_file));
    // The block is valid only during the signal: note what it held.
    int blocks = 0, lastCount = -1;
    bool lastNull = false;
    connect(&player, &NxPlayerManager::emitAudioData, this, [&](unsigned char* data, int n) {
        blocks += data != nullptr;
        lastNull = data == nullptr;
        lastCount = n;
    });
    player.onPlay();
    QTRY_VERIFY_WITH_TIMEOUT(blocks > 0, 30000);
    QVERIFY(lastCount > 0);
    player.onPause();
    QVERIFY(lastNull);  // the display clears
}

void TestNxPlayerManager::mainPlayerStates()
{
    NxQPlayObject player;
    QSignalSpy covers(&player, &NxQPlayObject::emitCoverImage);
    QSignalSpy kinds(&player, &NxQPlayObject::emitIsHaveVideo);
    QVERIFY(player.StartPlay(m_file, 0, 0));
    QCOMPARE(kinds.last().at(0).toBool(), false);
    QVERIFY(covers.last().at(0).value<QImage>().isNull());
    QSignalSpy times(&player, &NxQPlayObject::emitCurPlayTime);
    player.ProgressValueChange(1e-9);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:00 / 00:00:06"));
    player.ProgressValueChange(0.95);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:05 / 00:00:06"));
    QSignalSpy finished(&player, &NxQPlayObject::emitPlayFinish);
    player.OnPlayVideo();
    QCOMPARE(player.state(), int(NxQPlayObject::Playing));
    QVERIFY(finished.wait(30000));
    QCOMPARE(player.state(), int(NxQPlayObject::Finished));
    QCOMPARE(player.position(), uint64_t(0));
    // Playing again starts from the beginning.
    player.OnPlayVideo();
    QCOMPARE(player.state(), int(NxQPlayObject::Playing));
    player.OnPauseVideo();
    QCOMPARE(player.state(), int(NxQPlayObject::Paused));
    QSignalSpy closed(&player, &NxQPlayObject::emitClosePlay);
    player.closePlay();
    QCOMPARE(closed.size(), 1);
}

void TestNxPlayerManager::openFailure()
{
    NxPlayerManager player;
    QVERIFY(!player.open(m_dir.filePath("absent.mp3")));
    QVERIFY(player.lastError().contains(QStringLiteral("absent.mp3")));
    player.onPlay();  // no handle: nothing happens
    NxQPlayObject main;
    QSignalSpy finished(&main, &NxQPlayObject::emitPlayFinish);
    QVERIFY(!main.StartPlay(m_dir.filePath("absent.mp3"), 0, 0));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(main.state(), int(NxQPlayObject::Stopped));
}

QTEST_GUILESS_MAIN(TestNxPlayerManager)
#include "tst_nxplayermanager.moc"
