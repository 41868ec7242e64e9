// Long recordings against the private sound server (ctest label "soak", run by `make soak`):
// ten minutes of noise kept sample for sample, an hour of silence from a suspended sink that
// follows the wall clock, and ten minutes of both sources whose copies of the same clicks stay
// aligned. QUILLON_SOAK_SCALE (default 1) scales every length, for a quick trial.

#include "playedaudio.h"
#include "pulsefixture.h"
#include "qrecordobject.h"
#include "sessiontestutil.h"
#include "testmedia.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace sessiontest;
using namespace playedaudio;

namespace {

double scaled(double seconds)
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QUILLON_SOAK_SCALE").toDouble(&ok);
    return seconds * (ok && scale > 0 ? scale : 1.0);
}

// Plays `file` into the sink while `session` records it to `path`, starting past the idle
// sink's render-ahead and stopping a little after the end.
bool recordPlayback(QRecordObject& session, const QString& path, const QString& file,
                    double seconds, Span* span)
{
    if (!startRecording(session, path, span))
        return false;
    QTest::qWait(2500);
    auto player = testmedia::playInto(QStringLiteral("quillon_out"), file);
    const bool played = player->waitForFinished(int(seconds * 1000) + 120000);
    QTest::qWait(500);
    stopRecording(session, span);
    return played;
}

QString lengthReport(qint64 frames, const Span& span)
{
    return QStringLiteral("%1 s of file, %2 to %3 s recorded")
        .arg(frames / 44100.0, 0, 'f', 4)
        .arg((span.beforeStop - span.afterStart) / 1e6, 0, 'f', 4)
        .arg((span.afterStop - span.beforeStart) / 1e6, 0, 'f', 4);
}

}  // namespace

class TestSoakRecording : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tenMinutesOfNoiseSampleForSample();
    void silentHourFollowsTheClock();
    void bothSourcesStayAligned();

private:
    QTemporaryDir m_dir;
};

void TestSoakRecording::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
}

// Every played sample is in the file, in order, without a gap (apart from the server's own
// loss at the start of the played stream), and the file lasts as long as the recording.
void TestSoakRecording::tenMinutesOfNoiseSampleForSample()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const double seconds = scaled(600);
    const QString played = m_dir.filePath(QStringLiteral("noise.wav"));
    QVERIFY(makeNoise(played, seconds, 11));
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("FLAC"), 0x1500C));
    const QString path = m_dir.filePath(QStringLiteral("noise.flac"));
    Span span;
    QVERIFY(recordPlayback(session, path, played, seconds, &span));

    QString why;
    {
        const QByteArray recorded = testmedia::decodeS16(path);
        const qsizetype frames = recorded.size() / 4;
        qInfo().noquote() << lengthReport(frames, span);
        QVERIFY2(frames >= span.minFrames(44100, 20000) && frames <= span.maxFrames(44100, 20000),
                 qPrintable(lengthReport(frames, span)));
        QVERIFY2(locateWhole(testmedia::decodeS16(played), recorded, &why) >= 0, qPrintable(why));
    }
    QFile::remove(played);
}

// An hour with the sink suspended: the monitor delivers nothing at all, and silence must keep
// the file on the wall clock, within 10 ms a minute.
void TestSoakRecording::silentHourFollowsTheClock()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const double seconds = scaled(3600);
    SinkSuspension suspension(QStringLiteral("quillon_out"));
    QVERIFY(suspension.suspended());
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("FLAC"), 0x1500C));
    const QString path = m_dir.filePath(QStringLiteral("hour.flac"));
    Span span;
    QVERIFY(startRecording(session, path, &span));
    QTest::qWait(int(seconds * 1000));
    stopRecording(session, &span);
    suspension.resume();

    const qint64 frames = qRound64(testmedia::durationSeconds(path) * 44100);
    const int64_t slackUs = int64_t(10000 * seconds / 60);
    qInfo().noquote() << lengthReport(frames, span);
    QVERIFY2(frames >= span.minFrames(44100, slackUs) && frames <= span.maxFrames(44100, slackUs),
             qPrintable(lengthReport(frames, span)));
}

// The microphone is a remap of the monitor and clicks are played, one a second: every click
// reaches the file twice, and the distance between its two copies stays the same (within 1 ms)
// for the whole recording.
void TestSoakRecording::bothSourcesStayAligned()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    const double seconds = scaled(600);
    const DefaultSourceChange loop =
        DefaultSourceChange::remapOfMonitor(QStringLiteral("quillon_out"));
    QVERIFY(loop.changed());
    const QString clicks = m_dir.filePath(QStringLiteral("clicks.wav"));
    QVERIFY(makeClicks(clicks, seconds, 44100));
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("both.wav"));
    Span span;
    QVERIFY(recordPlayback(session, path, clicks, seconds, &span));

    const QVector<qsizetype> offsets = clickOffsets(testmedia::decodeS16(path));
    QVERIFY2(offsets.size() >= int(seconds) - 3, qPrintable(QString::number(offsets.size())));
    const auto [least, most] = std::minmax_element(offsets.cbegin(), offsets.cend());
    qInfo("%d clicks, copies %lld to %lld frames apart", int(offsets.size()),
          static_cast<long long>(*least), static_cast<long long>(*most));
    QVERIFY2(*most - *least <= 44,
             qPrintable(QStringLiteral("copies %1 to %2 frames apart").arg(*least).arg(*most)));
}

QTEST_GUILESS_MAIN(TestSoakRecording)
#include "tst_soakrecording.moc"
