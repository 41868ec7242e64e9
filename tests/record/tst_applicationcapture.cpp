// Recording one application against the private sound server: only its streams reach the file,
// streams it opens later land at their time, and the time it plays nothing is silence that keeps
// the file as long as the recording.

#include "playedaudio.h"
#include "pulseapplicationendpoint.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "sessiontestutil.h"
#include "testmedia.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using namespace sessiontest;
using namespace playedaudio;

const QString kSink = QStringLiteral("quillon_out");
// How far an idle null sink of the fixture renders ahead, with a margin.
constexpr int kIdleRenderAheadMs = 2200;

// Plays `file` into the fixture's sink as the application `name` (its streams carry that
// application.name, the binary stays paplay's).
std::unique_ptr<QProcess> playAs(const QString& name, const QString& file)
{
    auto player = std::make_unique<QProcess>();
    player->start(QStringLiteral("paplay"),
                  {QStringLiteral("--device=") + kSink, QStringLiteral("--client-name=") + name,
                   QStringLiteral("--property=application.name=") + name, file});
    player->waitForStarted(5000);
    return player;
}

// How far below the reference a tone lies, in dB (positive = quieter).
double dbBelow(double reference, double level)
{
    return 20.0 * std::log10(reference / std::max(level, 1e-12));
}

}  // namespace

class TestApplicationCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void belongsToByNameOrBinary_data();
    void belongsToByNameOrBinary();
    void recordsOnlyTheChosenApplication();
    void followsStreamsThatComeAndGo();
    void mixesTheApplicationsStreams();

private:
    QString tone(const QString& name, double hz, double seconds);
    QTemporaryDir m_dir;
};

void TestApplicationCapture::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
}

void TestApplicationCapture::cleanup()
{
    QRecordAreaInfo::instance().setApplication(QString());
}

QString TestApplicationCapture::tone(const QString& name, double hz, double seconds)
{
    const QString path = m_dir.filePath(name + QStringLiteral(".wav"));
    return testmedia::makeTone(path, hz, seconds, 44100, 2, 0.3) ? path : QString();
}

void TestApplicationCapture::belongsToByNameOrBinary_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<bool>("belongs");
    QTest::newRow("by name") << "Firefox"
                             << "Firefox"
                             << "firefox-bin" << true;
    QTest::newRow("by binary") << "paplay"
                               << "tone a"
                               << "paplay" << true;
    QTest::newRow("another name, same binary") << "tone a"
                                               << "tone b"
                                               << "paplay" << false;
    QTest::newRow("case matters") << "firefox"
                                  << "Firefox"
                                  << "" << false;
    QTest::newRow("nothing wanted") << ""
                                    << ""
                                    << "" << false;
}

void TestApplicationCapture::belongsToByNameOrBinary()
{
    QFETCH(QString, wanted);
    QFETCH(QString, name);
    QFETCH(QString, binary);
    QFETCH(bool, belongs);
    QCOMPARE(PulseApplicationEndpoint::belongsTo(wanted, name, binary), belongs);
}

// Two applications play at once into the same sink, one from before the recording, one from
// after its start; the recording of the first holds its 440 Hz tone, and the second's 1500 Hz at
// least 60 dB below it. (A stream that plays already may lose what its sink rendered ahead
// before the recording tied itself to it: the tone is looked for where it begins.)
void TestApplicationCapture::recordsOnlyTheChosenApplication()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString low = tone(QStringLiteral("low"), 440.0, 5.0);
    const QString high = tone(QStringLiteral("high"), 1500.0, 4.5);
    QVERIFY(!low.isEmpty() && !high.isEmpty());
    auto first = playAs(QStringLiteral("quillon_tone_a"), low);
    QTest::qWait(300);

    QRecordAreaInfo::instance().setApplication(QStringLiteral("quillon_tone_a"));
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("only-a.wav"));
    Span span;
    QVERIFY2(startRecording(session, path, &span), qPrintable(session.lastError()));
    auto second = playAs(QStringLiteral("quillon_tone_b"), high);
    QTest::qWait(3500);
    stopRecording(session, &span);
    first->waitForFinished(10000);
    second->waitForFinished(10000);

    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype onset = firstLoud(pcm, 1000);
    // Half a second from a little after the first loud frame: whole cycles of both tones.
    const qsizetype from = onset + 441;
    QVERIFY2(onset >= 0 && (from + 22050) * 4 <= pcm.size(),
             qPrintable(QStringLiteral("tone at frame %1 of %2").arg(onset).arg(pcm.size() / 4)));
    const QByteArray half = pcm.mid(from * 4, 22050 * 4);
    const double wanted = testmedia::toneLevel(half, 2, 0, 44100, 440.0);
    const double other = testmedia::toneLevel(half, 2, 0, 44100, 1500.0);
    QVERIFY2(wanted > 0.2, qPrintable(QStringLiteral("440 Hz at %1").arg(wanted)));
    QVERIFY2(dbBelow(wanted, other) >= 60.0,
             qPrintable(QStringLiteral("1500 Hz only %1 dB below").arg(dbBelow(wanted, other))));
}

// Nothing of the application plays when the recording starts; a stream of it starts later and
// ends, while another application plays meanwhile. The tone lands at its time, the
// rest is silence, and the file lasts as long as the recording.
void TestApplicationCapture::followsStreamsThatComeAndGo()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString late = tone(QStringLiteral("late"), 440.0, 0.8);
    const QString noise = tone(QStringLiteral("other"), 1500.0, 5.0);
    QVERIFY(!late.isEmpty() && !noise.isEmpty());
    QRecordAreaInfo::instance().setApplication(QStringLiteral("quillon_late"));
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("late-recorded.wav"));
    Span span;
    QVERIFY2(startRecording(session, path, &span), qPrintable(session.lastError()));
    // The capture asks the sink for short blocks, but an idle sink has rendered up to two
    // seconds ahead already: a stream added before that has played out really plays only after
    // it, in the file as on the speakers. The streams start past it.
    QTRY_VERIFY_WITH_TIMEOUT(session.capturingSources() > 0, 5000);
    QTest::qWait(kIdleRenderAheadMs);
    auto other = playAs(QStringLiteral("quillon_other"), noise);
    QTest::qWait(1000);
    const int64_t playedAt = sessionClockUs();
    QVERIFY(playAs(QStringLiteral("quillon_late"), late)->waitForFinished(10000));
    QTest::qWait(std::max(0, 5500 - int((sessionClockUs() - span.afterStart) / 1000)));
    stopRecording(session, &span);
    other->waitForFinished(10000);

    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype frames = pcm.size() / 4;
    QString why;
    const qsizetype onset = checkLengthAndOnset(pcm, span, playedAt, &why);
    QVERIFY2(onset >= 0, qPrintable(why));
    // Before the tone and from a little after its end: nothing at all (the other application's
    // tone included).
    QCOMPARE(testmedia::rms(pcm, 2, 0, 0, std::max<qsizetype>(0, onset - 50)), 0.0);
    const qsizetype after = onset + 44100 * 9 / 10;
    QVERIFY(after < frames);
    QCOMPARE(testmedia::rms(pcm, 2, 0, after, frames - after), 0.0);
    const QByteArray toneSpan = pcm.mid(onset * 4, 44100 / 2 * 4);
    QVERIFY(testmedia::toneLevel(toneSpan, 2, 0, 44100, 440.0) > 0.2);
}

// One application plays two streams at once (a browser with two tabs): both are in the file.
void TestApplicationCapture::mixesTheApplicationsStreams()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString low = tone(QStringLiteral("pair-low"), 440.0, 1.5);
    const QString high = tone(QStringLiteral("pair-high"), 1000.0, 1.5);
    QVERIFY(!low.isEmpty() && !high.isEmpty());
    QRecordAreaInfo::instance().setApplication(QStringLiteral("quillon_pair"));
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("pair-recorded.wav"));
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(session.capturingSources() > 0, 5000);
    QTest::qWait(kIdleRenderAheadMs);
    auto first = playAs(QStringLiteral("quillon_pair"), low);
    auto second = playAs(QStringLiteral("quillon_pair"), high);
    QVERIFY(first->waitForFinished(10000) && second->waitForFinished(10000));
    QTest::qWait(300);
    session.stop();

    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype onset = firstLoud(pcm, 1000);
    // Half a second well inside both tones: whole cycles of each.
    const qsizetype from = onset + 44100 / 4;
    QVERIFY2(onset >= 0 && (from + 22050) * 4 <= pcm.size(),
             qPrintable(QStringLiteral("tone at frame %1 of %2").arg(onset).arg(pcm.size() / 4)));
    const QByteArray half = pcm.mid(from * 4, 22050 * 4);
    const double lowLevel = testmedia::toneLevel(half, 2, 0, 44100, 440.0);
    const double highLevel = testmedia::toneLevel(half, 2, 0, 44100, 1000.0);
    QVERIFY2(
        lowLevel > 0.2 && lowLevel < 0.4 && highLevel > 0.2 && highLevel < 0.4,
        qPrintable(QStringLiteral("440 Hz at %1, 1000 Hz at %2").arg(lowLevel).arg(highLevel)));
}

QTEST_GUILESS_MAIN(TestApplicationCapture)
#include "tst_applicationcapture.moc"
