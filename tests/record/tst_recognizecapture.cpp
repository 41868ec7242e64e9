// End to end through the private sound server: a catalogued track played into the default
// sink is captured from its monitor by the capture endpoint the recording threads use, fed
// to NxAudioRecognizer frame by frame, and identified from its first 30 s of sound.
//
// The test feeds the captured frames itself, to check identification apart from the recording
// session (tst_recordrecognition checks the session's own feeding).

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include "nxaudiorecognizer.h"
#include "pulsecaptureendpoint.h"
#include "testmedia.h"
#include "testmusic.h"

class TestRecognizeCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playedTrackIsIdentified();

private:
    QTemporaryDir m_dir;
};

void TestRecognizeCapture::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
    SetCataloguePath(m_dir.filePath(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
    for (int seed : {31, 32}) {
        testmusic::Track track;
        track.seed = seed;
        track.seconds = 36;
        track.tags = {{QStringLiteral("title"), QStringLiteral("Played %1").arg(seed)},
                      {QStringLiteral("artist"), QStringLiteral("Null Sink Trio")}};
        const QString path = m_dir.filePath(QStringLiteral("%1.flac").arg(seed));
        QVERIFY(testmusic::make(path, track));
        QVERIFY2(AddCatalogueFile(path.toUtf8().constData()), BriscaLastError());
    }
    // paplay (libsndfile) plays 24-bit FLAC at the wrong speed: it gets 16-bit WAV.
    QVERIFY(testmedia::ffmpeg({QStringLiteral("-i"), m_dir.filePath(QStringLiteral("32.flac")),
                               QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"),
                               m_dir.filePath(QStringLiteral("32.wav"))}));
}

void TestRecognizeCapture::playedTrackIsIdentified()
{
    PulseCaptureEndpoint endpoint;
    CaptureFormat format;
    QVERIFY2(endpoint.open(CaptureEndpoint::SystemAudio, &format),
             qPrintable(endpoint.errorString()));
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(NxRecognizerAudioFormat{
        format.sampleFormat, format.rateHz, format.channels, int32_t(format.channelMask)});
    QVERIFY(recognizer.isOpen());
    auto player = testmedia::playInto(QStringLiteral("quillon_out"),
                                      m_dir.filePath(QStringLiteral("32.wav")));

    // Feeds the first 30 s of captured sound (counted in frames, whatever the pace), polling
    // like a capture thread; the recognizer then has all it may use.
    const int64_t limitFrames = int64_t(format.rateHz) * 30;
    int64_t fed = 0;
    QElapsedTimer guard;
    guard.start();
    while (fed < limitFrames && guard.elapsed() < 120000) {
        QTest::qSleep(10);
        for (int64_t readable = endpoint.readableBytes(); readable > 0;
             readable = endpoint.readableBytes()) {
            const void* data = nullptr;
            int64_t frames = 0;
            QVERIFY2(endpoint.peek(&data, &frames), qPrintable(endpoint.errorString()));
            frames = std::min(frames, limitFrames - fed);
            if (data && frames > 0)
                recognizer.RecognizerAudioFrane(
                    QByteArray(static_cast<const char*>(data), int(frames * format.blockAlign)));
            fed += frames;
            QVERIFY(endpoint.drop());
        }
        QVERIFY2(endpoint.readableBytes() >= 0, qPrintable(endpoint.errorString()));
    }
    player->kill();
    player->waitForFinished(5000);
    endpoint.close();
    QCOMPARE(fed, limitFrames);
    QVERIFY(testmedia::waitUntil([&] { return recognizer.isRecognized(); }, 60000));
    const NxRecognizerAudioTagInfo info = recognizer.tagInfo();
    QCOMPARE(info.title, std::string("Played 32"));
    QCOMPARE(info.artist, std::string("Null Sink Trio"));
    // The track began after the capture did, by the sound server's start-up time.
    QVERIFY2(recognizer.offsetUs() <= 0 && recognizer.offsetUs() > -5000000,
             qPrintable(QString::number(recognizer.offsetUs())));
}

QTEST_GUILESS_MAIN(TestRecognizeCapture)
#include "tst_recognizecapture.moc"
