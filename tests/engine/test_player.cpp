// The player. Against the engine's null output (clock-paced, with injected faults): ends,
// positions, pause, seeks, steps, failures. Against the private sound server: what plays is
// recorded back from the default sink's monitor and checked for the tones at known times.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include <thread>

#include "mediatestutil.h"
#include "nullplaybacksink.h"
#include "player.h"
#include "testfiles.h"

using namespace mediatest;
using testmedia::waitUntil;

namespace {

constexpr int kRate = 44100;
// Tones at known times: 440 Hz in 0-1 s, 880 Hz in 1.5-2.5 s, 1320 Hz in 3-4 s, silence
// between them.
const char* kTonesAt =
    "aevalsrc=0.5*(lt(t\\,1)*sin(2*PI*440*t)+between(t\\,1.5\\,2.5)*sin(2*PI*880*t)"
    "+between(t\\,3\\,4)*sin(2*PI*1320*t)):s=44100:d=4.5";

std::shared_ptr<brisca::Player> nullPlayer(brisca::NullSinkFaults faults = {})
{
    return std::make_shared<brisca::Player>(
        [faults](std::string*) { return std::make_unique<brisca::NullPlaybackSink>(faults); });
}

// parec on the default sink's monitor into a file, mono s16 at 44.1 kHz, while it lives.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString& path) : m_file(path)
    {
        m_parec.setStandardOutputFile(path);
        m_parec.start(QStringLiteral("parec"),
                      {"-d", "@DEFAULT_MONITOR@", "--format=s16le", "--rate=44100", "--channels=1",
                       "--latency-msec=20"});
        m_parec.waitForStarted(5000);
    }
    // True once the monitor delivers (it records silence while nothing plays).
    bool waitUntilRecording()
    {
        return waitUntil([&] { return QFileInfo(m_file).size() >= 4410; }, 10000);
    }
    // Stops once the monitor has delivered `tailMs` more audio, and returns all of it.
    QByteArray stop(int tailMs = 400)
    {
        const qint64 want = QFileInfo(m_file).size() + qint64(tailMs) * 88;
        waitUntil([&] { return QFileInfo(m_file).size() >= want; }, 10000);
        m_parec.terminate();
        m_parec.waitForFinished(5000);
        return testfiles::readFile(m_file);
    }

private:
    QString m_file;
    QProcess m_parec;
};

}  // namespace

class TestPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playsToTheEnd();
    void pauseHoldsThePosition();
    void seeksLandExactly();
    void outputFailureIsReported();
    void latencyIsTakenOff();
    void fileShortenedWhilePlaying();
    void levelBlocksFollowTheSound();
    void badFiles_data();
    void badFiles();
    void rangeIsHeard_data();
    void rangeIsHeard();

private:
    QTemporaryDir m_dir;
    QString m_tones;
};

void TestPlayer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tones = m_dir.filePath(QStringLiteral("tones.flac"));
    QVERIFY(make(m_tones, QString::fromLatin1(kTonesAt), {"-ac", "2"}));
}

void TestPlayer::playsToTheEnd()
{
    auto p = nullPlayer();
    std::string error;
    QVERIFY2(p->open(m_tones.toStdString(), -1, &error), error.c_str());
    QCOMPARE(p->state(), int(BRISCA_PLAYER_STOPPED));
    QCOMPARE(p->durationUs(), int64_t(4500000));
    QVERIFY(p->seek(3800000, &error));
    QVERIFY(p->play(&error));
    int64_t last = 0;
    QVERIFY(waitUntil([&] {
        const int64_t now = p->positionUs();
        if (now < last)
            return true;  // would fail below
        last = now;
        return p->state() == BRISCA_PLAYER_FINISHED;
    }));
    QCOMPARE(p->state(), int(BRISCA_PLAYER_FINISHED));
    QCOMPARE(p->positionUs(), int64_t(4500000));
    // Play at the end starts again from the beginning.
    QVERIFY(p->play(&error));
    QVERIFY(p->positionUs() < 1000000);
    QVERIFY(p->stop(&error));
    QCOMPARE(p->positionUs(), int64_t(0));
}

void TestPlayer::pauseHoldsThePosition()
{
    auto p = nullPlayer();
    std::string error;
    QVERIFY(p->open(m_tones.toStdString(), -1, &error));
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] { return p->positionUs() > 100000; }));
    QVERIFY(p->pause(&error));
    const int64_t held = p->positionUs();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCOMPARE(p->positionUs(), held);
    QCOMPARE(p->state(), int(BRISCA_PLAYER_PAUSED));
    // A step moves by 40 ms and marks the player as paused for stepping.
    QVERIFY(p->step(1, &error));
    QCOMPARE(p->positionUs(), held + brisca::Player::kStepUs);
    QVERIFY(p->stepPaused());
    QVERIFY(p->step(-1, &error));
    QCOMPARE(p->framePosition(), held);
    QVERIFY(p->play(&error));
    QVERIFY(!p->stepPaused());
}

void TestPlayer::seeksLandExactly()
{
    auto p = nullPlayer();
    std::string error;
    QVERIFY(p->open(m_tones.toStdString(), -1, &error));
    QVERIFY(p->seek(1234567, &error));
    QCOMPARE(p->positionUs(), int64_t(1234567));
    // Scrubbing: many targets, the last one counts once scrubbing ends.
    QVERIFY(p->beginAsyncSeek(2000000));
    for (int64_t t = 0; t < 3000000; t += 250000)
        QVERIFY(p->seek(t, &error));
    QVERIFY(p->seek(2222222, &error));
    QVERIFY(p->endAsyncSeek(&error));
    QCOMPARE(p->positionUs(), int64_t(2222222));
    // Past the end clamps to it; an end position stops the sound exactly there.
    QVERIFY(p->seek(99000000, &error));
    QCOMPARE(p->positionUs(), int64_t(4500000));
    QVERIFY(p->seek(1000000, &error));
    p->setEndPosition(1300000);
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] { return p->state() == BRISCA_PLAYER_FINISHED; }));
    QCOMPARE(p->positionUs(), int64_t(1300000));
}

void TestPlayer::outputFailureIsReported()
{
    brisca::NullSinkFaults faults;
    faults.failAfterFrames = kRate / 4;
    auto p = nullPlayer(faults);
    std::string error;
    QVERIFY(p->open(m_tones.toStdString(), -1, &error));
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] { return p->state() == BRISCA_PLAYER_FAILED; }));
    QVERIFY2(p->errorText().find("went away") != std::string::npos, p->errorText().c_str());
    QVERIFY(!p->play(&error));
    QCOMPARE(error, p->errorText());
}

void TestPlayer::latencyIsTakenOff()
{
    // An output that holds 300 ms more than its buffer: positions lag what was written by it.
    brisca::NullSinkFaults faults;
    faults.extraLatencyFrames = kRate * 3 / 10;
    auto p = nullPlayer(faults);
    std::string error;
    QVERIFY(p->open(m_tones.toStdString(), -1, &error));
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] { return p->positionUs() > 0; }));
    QVERIFY(p->pause(&error));
    // Written so far is at most the position plus buffer plus the extra latency.
    QVERIFY(p->positionUs() >= 0);
    QVERIFY(p->positionUs() < 4500000 - 300000);
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] { return p->state() == BRISCA_PLAYER_FINISHED; }));
    QCOMPARE(p->positionUs(), int64_t(4500000));
}

void TestPlayer::fileShortenedWhilePlaying()
{
    const QString copy = m_dir.filePath(QStringLiteral("shrinking.flac"));
    QFile::remove(copy);
    QVERIFY(QFile::copy(m_tones, copy));
    auto p = nullPlayer();
    std::string error;
    QVERIFY(p->open(copy.toStdString(), -1, &error));
    // Opened whole, then cut to a quarter: the sound ends early, and the player says why.
    QFile f(copy);
    QVERIFY(f.resize(f.size() / 4));
    QVERIFY(p->seek(500000, &error));
    QVERIFY(p->play(&error));
    QVERIFY(waitUntil([&] {
        return p->state() == BRISCA_PLAYER_FAILED || p->state() == BRISCA_PLAYER_FINISHED;
    }));
    QCOMPARE(p->state(), int(BRISCA_PLAYER_FAILED));
    QVERIFY2(p->errorText().find("changed while it was read") != std::string::npos,
             p->errorText().c_str());
}

void TestPlayer::levelBlocksFollowTheSound()
{
    auto p = nullPlayer();
    std::string error;
    QVERIFY(p->open(m_tones.toStdString(), -1, &error));
    QVERIFY(p->takeLevels() == nullptr);  // level data is off by default
    p->setLevelData(true);
    QVERIFY(p->seek(200000, &error));
    QVERIFY(p->play(&error));
    uint8_t* block = nullptr;
    QVERIFY(waitUntil([&] {
        block = p->positionUs() > 250000 ? p->takeLevels() : nullptr;
        return block != nullptr;
    }));
    uint32_t bytes = 0;
    memcpy(&bytes, block + 24, 4);
    QVERIFY(bytes > 0 && bytes <= 2 * kRate / 20 + 2);
    const auto* levels = reinterpret_cast<const uint16_t*>(block + BRISCA_LEVEL_HEADER_BYTES);
    double sum = 0;
    for (uint32_t i = 0; i < bytes / 2; ++i)
        sum += levels[i];
    // |0.5 sin| averages 0.32 of full scale.
    QVERIFY2(sum / (bytes / 2) > 0.2 * 65535, qPrintable(QString::number(sum / (bytes / 2))));
    std::free(block);
}

void TestPlayer::badFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not media") << "list.mp3" << QByteArray("one\ntwo\n").repeated(100)
                               << "not a media file";
    QTest::newRow("missing") << "gone.mp3" << QByteArray() << "gone.mp3";
    QTest::newRow("picture only") << "picture.png" << QByteArray("<png>") << "no sound";
}

void TestPlayer::badFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    if (content == "<png>") {
        QVERIFY(make(path, QStringLiteral("color=c=blue:s=32x32:d=1"), {"-frames:v", "1"}));
    } else if (!content.isEmpty()) {
        QVERIFY(testfiles::writeFile(path, content));
    }
    const int32_t player = CreatePlayer(-3);
    QCOMPARE(OpenPlayerMedia(player, path.toUtf8().constData(), 0, 0, -1), 0);
    QVERIFY2(QString::fromUtf8(BriscaLastError()).contains(reason), BriscaLastError());
    QCOMPARE(GetPlayerState(player), int(BRISCA_PLAYER_CLOSED));
    QCOMPARE(PlayerPlay(player), 0);
    QCOMPARE(GetPlayerPosition(player), int64_t(0));
    QCOMPARE(DestroyPlayer(player), 1);
    QCOMPARE(PlayerPlay(player), 0);  // a dead handle fails cleanly
}

void TestPlayer::rangeIsHeard_data()
{
    QTest::addColumn<int>("soundVolume");
    QTest::addColumn<int>("rendererVolume");
    QTest::addColumn<bool>("heard");
    QTest::newRow("full") << 100 << 100 << true;
    QTest::newRow("sound volume 0") << 0 << 100 << false;
    QTest::newRow("renderer volume 0") << 100 << 0 << false;
}

void TestPlayer::rangeIsHeard()
{
    QFETCH(int, soundVolume);
    QFETCH(int, rendererVolume);
    QFETCH(bool, heard);
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
    const int32_t player = CreatePlayer(-1);
    QVERIFY2(OpenPlayerMedia(player, m_tones.toUtf8().constData(), 0, 0, -1), BriscaLastError());
    QVERIFY(SetPlayerVolume(player, soundVolume, 0));
    QVERIFY(SetRendererVolume(player, rendererVolume));
    // The 880 Hz tone alone: 1.5 s to 2.5 s.
    QVERIFY(PlayerSeek(player, 1500000));
    QVERIFY(SetPlayerEndPosition(player, 2500000));
    MonitorRecording recording(m_dir.filePath(QStringLiteral("monitor.raw")));
    QVERIFY(recording.waitUntilRecording());
    QVERIFY(PlayerPlay(player));
    QVERIFY(waitUntil([&] {
        return IsPlaybackFinished(player) || GetPlayerState(player) == BRISCA_PLAYER_FAILED;
    }));
    QVERIFY2(IsPlaybackFinished(player), GetPlayerError(player));
    QCOMPARE(GetPlayerPosition(player), int64_t(2500000));
    const QByteArray pcm = recording.stop();
    DestroyPlayer(player);

    const double tone = testmedia::toneLevel(pcm, 1, 0, kRate, 880);
    const double before = testmedia::toneLevel(pcm, 1, 0, kRate, 440);
    const double after = testmedia::toneLevel(pcm, 1, 0, kRate, 1320);
    // toneLevel averages over the whole recording: one second of tone in a longer recording.
    const double seconds = double(pcm.size()) / 2 / kRate;
    if (heard) {
        QVERIFY2(tone * seconds > 0.3, qPrintable(QStringLiteral("%1 over %2 s, rms %3")
                                                      .arg(tone * seconds)
                                                      .arg(seconds)
                                                      .arg(testmedia::rms(pcm, 1, 0))));
        QVERIFY2(before < tone / 20 && after < tone / 20,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(before).arg(tone).arg(after)));
    } else {
        QVERIFY2(tone * seconds < 0.01, qPrintable(QString::number(tone * seconds)));
    }
}

QTEST_GUILESS_MAIN(TestPlayer)
#include "test_player.moc"
