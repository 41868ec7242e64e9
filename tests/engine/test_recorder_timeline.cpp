// The recorder places frames by timestamp, converts any input format, mixes the second input
// and reports duration and levels while frames arrive from several threads.

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>

#include "enginetestutil.h"
#include "testmedia.h"

using namespace enginetest;

class TestRecorderTimeline : public QObject {
    Q_OBJECT
private slots:
    void samplesPassUnchanged();
    void timestamps_data();
    void timestamps();
    void inputFormats_data();
    void inputFormats();
    void mixesSecondInput();
    void stalledSecondInputIsDroppedNotShifted();
    void levelBlockLayout();
    void concurrentWritersAndReaders();

private:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

// What goes in as s16 comes out of a WAV bit for bit, even in uneven blocks with jitter.
void TestRecorderTimeline::samplesPassUnchanged()
{
    const QString file = path("exact.wav");
    const int32_t rec = openRecorder(file, Params{});
    QVERIFY(rec);
    QCOMPARE(StartRecorder(rec), 1);
    std::vector<int16_t> all;
    int64_t done = 0;
    const int sizes[] = {441, 100, 1024, 7, 3000};
    for (int i = 0; i < 60; ++i) {
        const int n = sizes[i % 5];
        std::vector<int16_t> block = sine(523.25, 0.7, 44100, 2, n, done);
        for (size_t k = 0; k < block.size(); k += 2)
            block[k + 1] = int16_t(-block[k] / 3);  // make the channels differ
        // Capture-style stamps: the poll time, up to 30 ms late.
        const int64_t ts = done * 1000000 / 44100 + (i % 3) * 15000;
        QVERIFY(writeS16(rec, block, 44100, 2, ts));
        all.insert(all.end(), block.begin(), block.end());
        done += n;
    }
    QVERIFY(finishRecorder(rec));
    const QByteArray pcm = testmedia::decodeS16(file, 44100, 2);
    QCOMPARE(pcm.size(), int(all.size() * 2));
    QVERIFY(std::memcmp(pcm.constData(), all.data(), size_t(pcm.size())) == 0);
}

void TestRecorderTimeline::timestamps_data()
{
    QTest::addColumn<QVector<qint64>>("startsUs");  // one 0.5 s block per start
    QTest::addColumn<double>("seconds");            // expected file length
    QTest::addColumn<double>("silentFromS");        // a stretch expected silent (or -1)
    QTest::addColumn<double>("silentToS");
    QTest::addColumn<double>("droppedS");  // reported as dropped

    QTest::newRow("contiguous") << QVector<qint64>{0, 500000, 1000000} << 1.5 << -1.0 << -1.0
                                << 0.0;
    QTest::newRow("jitter below tolerance is ignored")
        << QVector<qint64>{0, 700000, 1100000} << 1.5 << -1.0 << -1.0 << 0.0;
    QTest::newRow("gap is filled with silence")
        << QVector<qint64>{0, 2000000} << 2.5 << 0.6 << 1.9 << 0.0;
    QTest::newRow("late first block starts after silence")
        << QVector<qint64>{1000000} << 1.5 << 0.05 << 0.95 << 0.0;
    QTest::newRow("first block lands at its timestamp")
        << QVector<qint64>{100000, 600000} << 1.1 << 0.0 << 0.099 << 0.0;
    QTest::newRow("overlap is trimmed") << QVector<qint64>{0, 100000} << 0.6 << -1.0 << -1.0 << 0.4;
}

void TestRecorderTimeline::timestamps()
{
    QFETCH(QVector<qint64>, startsUs);
    QFETCH(double, seconds);
    QFETCH(double, silentFromS);
    QFETCH(double, silentToS);
    QFETCH(double, droppedS);
    const QString file = path("timeline.wav");
    const int32_t rec = openRecorder(file, Params{});
    QCOMPARE(StartRecorder(rec), 1);
    for (qint64 start : startsUs)
        QVERIFY(writeTone(rec, 440.0, 0.5, 0.5, 44100, 2, 22050, start));
    QCOMPARE(StopRecorder(rec), 1);
    QCOMPARE(GetRecorderDroppedDuration(rec, 0), qint64(droppedS * 1000000));
    QVERIFY(finishRecorder(rec));
    const QByteArray pcm = testmedia::decodeS16(file, 44100, 2);
    const double length = pcm.size() / 4.0 / 44100.0;
    QVERIFY2(qAbs(length - seconds) < 0.01, qPrintable(QString::number(length)));
    if (silentFromS >= 0) {
        const auto from = qsizetype(silentFromS * 44100),
                   count = qsizetype((silentToS - silentFromS) * 44100);
        QCOMPARE(testmedia::rms(pcm, 2, 0, from, count), 0.0);
        QVERIFY(testmedia::rms(pcm, 2, 0, qsizetype(length * 44100) - 4410, 4410) > 0.3);
    }
}

// The once-a-second silent 64-frame blocks of an idle source keep the file as long as the clock.
void TestRecorderTimeline::inputFormats_data()
{
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("u8 mono 8000") << 0 << 8000 << 1;
    QTest::newRow("s16 stereo 48000") << 1 << 48000 << 2;
    QTest::newRow("s32 stereo 96000") << 2 << 96000 << 2;
    QTest::newRow("float 5.1 44100") << 3 << 44100 << 6;
    QTest::newRow("double mono 22050") << 4 << 22050 << 1;
}

template <class T>
static std::vector<T> toneAs(int sampleFormat, int rate, int channels, int frames, int64_t first)
{
    std::vector<T> out(size_t(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 1000.0 * double(first + i) / rate);
        for (int c = 0; c < channels; ++c) {
            T& s = out[size_t(i) * channels + c];
            switch (sampleFormat) {
                case 0:
                    s = T(128 + std::lround(v * 127));
                    break;
                case 1:
                    s = T(std::lround(v * 32767));
                    break;
                case 2:
                    s = T(std::llround(v * 2147483647.0));
                    break;
                default:
                    s = T(v);
                    break;
            }
        }
    }
    return out;
}

void TestRecorderTimeline::inputFormats()
{
    QFETCH(int, sampleFormat);
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QString file = path("formats.wav");
    const int32_t rec = openRecorder(file, Params{});
    QCOMPARE(StartRecorder(rec), 1);
    const int32_t frame = CreateFrame();
    SetFrameSampleFormat(frame, sampleFormat);
    SetFrameSampleRate(frame, rate);
    SetFrameChannels(frame, channels);
    const int block = rate / 100;
    for (int i = 0; i < 100; ++i) {
        std::vector<uint8_t> bytes;
        auto put = [&](auto samples) {
            bytes.resize(samples.size() * sizeof(samples[0]));
            std::memcpy(bytes.data(), samples.data(), bytes.size());
        };
        switch (sampleFormat) {
            case 0:
                put(toneAs<uint8_t>(0, rate, channels, block, int64_t(i) * block));
                break;
            case 1:
                put(toneAs<int16_t>(1, rate, channels, block, int64_t(i) * block));
                break;
            case 2:
                put(toneAs<int32_t>(2, rate, channels, block, int64_t(i) * block));
                break;
            case 3:
                put(toneAs<float>(3, rate, channels, block, int64_t(i) * block));
                break;
            default:
                put(toneAs<double>(4, rate, channels, block, int64_t(i) * block));
                break;
        }
        SetFrameSamples(frame, bytes.data(), block);
        SetFrameTimestamp(frame, int64_t(i) * 10000);
        QVERIFY(WriteAudioFrame(rec, frame));
    }
    ReleaseFrame(frame);
    QVERIFY(finishRecorder(rec));
    const QByteArray pcm = testmedia::decodeS16(file, 44100, 2);
    QVERIFY(qAbs(pcm.size() / 4.0 / 44100.0 - 1.0) < 0.01);
    // Down-mixing 5.1 adds the centre and surround channels; every other layout keeps the
    // tone at its level (mono goes to both channels at full level).
    const double level = testmedia::toneLevel(pcm, 2, 0, 44100, 1000.0);
    QVERIFY2(channels == 6 ? level > 0.45 : qAbs(level - 0.5) < 0.05,
             qPrintable(QString::number(level)));
}

void TestRecorderTimeline::mixesSecondInput()
{
    const QString file = path("mix.wav");
    const int32_t stream = CreateStreamDesc(2);
    SetStreamCodecTag(stream, "AFRM");
    Params p;
    p.stream = stream;
    const int32_t rec = openRecorder(file, p);
    QVERIFY(rec);
    QCOMPARE(StartRecorder(rec), 1);
    // System audio at 44.1 kHz stereo, the microphone at 48 kHz mono, interleaved in time.
    for (int i = 0; i < 200; ++i) {
        QVERIFY(writeS16(rec, sine(440.0, 0.4, 44100, 2, 441, i * 441), 44100, 2, i * 10000));
        QVERIFY(
            writeS16(stream, sine(1000.0, 0.2, 48000, 1, 480, i * 480), 48000, 1, i * 10000, true));
    }
    QVERIFY(finishRecorder(rec));
    ReleaseStreamDesc(stream);
    const QByteArray pcm = testmedia::decodeS16(file, 44100, 2);
    QVERIFY(qAbs(pcm.size() / 4.0 / 44100.0 - 2.0) < 0.01);
    const double a = testmedia::toneLevel(pcm, 2, 0, 44100, 440.0);
    const double b = testmedia::toneLevel(pcm, 2, 1, 44100, 1000.0);
    QVERIFY2(qAbs(a - 0.4) < 0.03 && qAbs(b - 0.2) < 0.03,
             qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
}

// An input that stalls holds the file back only for a while. Its samples that come after the
// file has moved past their place are dropped and reported; the rest land at their timestamps.
void TestRecorderTimeline::stalledSecondInputIsDroppedNotShifted()
{
    const QString file = path("stalled.wav");
    const int32_t stream = CreateStreamDesc(2);
    Params p;
    p.stream = stream;
    const int32_t rec = openRecorder(file, p);
    QCOMPARE(StartRecorder(rec), 1);
    QVERIFY(writeTone(rec, 440.0, 0.4, 4.0));
    // Nothing came from the microphone: the file is written all the same after a while.
    QTRY_COMPARE_WITH_TIMEOUT(GetRecordedDuration(rec), qint64(4000000), 20000);
    QVERIFY(writeTone(stream, 1000.0, 0.4, 6.0, 44100, 1, 441, 0, true));
    QCOMPARE(StopRecorder(rec), 1);
    QCOMPARE(GetRecorderDroppedDuration(rec, 1), qint64(4000000));
    QCOMPARE(GetRecorderDroppedDuration(rec, 0), qint64(0));
    QVERIFY(finishRecorder(rec));
    ReleaseStreamDesc(stream);

    std::vector<int16_t> expected = sine(440.0, 0.4, 44100, 2, 4 * 44100);
    const std::vector<int16_t> late = sine(1000.0, 0.4, 44100, 2, 2 * 44100, 4 * 44100);
    expected.insert(expected.end(), late.begin(), late.end());
    const QByteArray pcm = testmedia::decodeS16(file, 44100, 2);
    QCOMPARE(pcm.size(), int(expected.size() * 2));
    QVERIFY(std::memcmp(pcm.constData(), expected.data(), size_t(pcm.size())) == 0);
}

void TestRecorderTimeline::levelBlockLayout()
{
    const int32_t rec = openRecorder(path("levels.wav"), Params{});
    QCOMPARE(StartRecorder(rec), 1);
    QVERIFY(GetRecorderLevelBlock(rec) == nullptr);  // nothing encoded yet
    QVERIFY(writeTone(rec, 100.0, 0.5, 0.5));
    const uint8_t* block = nullptr;
    for (int i = 0; i < 500 && !block; ++i) {
        QThread::msleep(10);
        block = GetRecorderLevelBlock(rec);
    }
    QVERIFY(block);
    const quint32 seventh = qFromLittleEndian<quint32>(block + 24);
    const quint32 bytes = qFromLittleEndian<quint32>(block + 40);
    QCOMPARE(seventh, bytes);
    // At least the newest 50 ms, and everything since the start condensed to a block at most.
    QVERIFY2(bytes >= 44100 / 20 * 2 && bytes <= 16000 * 2, qPrintable(QString::number(bytes)));
    quint16 peak = 0;
    for (quint32 i = 0; i < bytes / 2; ++i)
        peak = qMax(peak, qFromLittleEndian<quint16>(block + BRISCA_LEVEL_HEADER_BYTES + 2 * i));
    QVERIFY2(qAbs(int(peak) - 32767) < 700, qPrintable(QString::number(peak)));
    ReleaseRecorderLevelBlock(rec, block);
    QVERIFY(finishRecorder(rec));
}

// Two capture threads write while the GUI thread reads; meant to run under ThreadSanitizer.
// Whichever thread runs first, the samples land at their timestamps: the file is exactly the
// sum of both inputs and nothing is dropped.
void TestRecorderTimeline::concurrentWritersAndReaders()
{
    const int32_t stream = CreateStreamDesc(2);
    Params p;
    p.key = "FLAC";
    p.codec = 0x1500C;
    p.stream = stream;
    const int32_t rec = openRecorder(path("threads.flac"), p);
    QCOMPARE(StartRecorder(rec), 1);
    std::thread system([&] { writeTone(rec, 440.0, 0.3, 3.0); });
    std::thread mic([&] { writeTone(stream, 880.0, 0.3, 3.0, 44100, 1, 441, 0, true); });
    int blocks = 0;
    for (bool done = false; !done;) {
        GetRecordedDuration(rec);
        if (const uint8_t* b = GetRecorderLevelBlock(rec)) {
            ++blocks;
            ReleaseRecorderLevelBlock(rec, b);
        }
        done = GetRecordedDuration(rec) >= 2900000;
        QThread::msleep(5);
    }
    system.join();
    mic.join();
    QCOMPARE(StopRecorder(rec), 1);
    QCOMPARE(GetRecorderDroppedDuration(rec, 0), qint64(0));
    QCOMPARE(GetRecorderDroppedDuration(rec, 1), qint64(0));
    QVERIFY(finishRecorder(rec));
    ReleaseStreamDesc(stream);
    QVERIFY(blocks > 0);

    std::vector<int16_t> expected = sine(440.0, 0.3, 44100, 2, 3 * 44100);
    const std::vector<int16_t> second = sine(880.0, 0.3, 44100, 2, 3 * 44100);
    for (size_t i = 0; i < expected.size(); ++i)
        expected[i] = int16_t(expected[i] + second[i]);
    const QByteArray pcm = testmedia::decodeS16(path("threads.flac"), 44100, 2);
    QCOMPARE(pcm.size(), int(expected.size() * 2));
    QVERIFY(std::memcmp(pcm.constData(), expected.data(), size_t(pcm.size())) == 0);
}

QTEST_GUILESS_MAIN(TestRecorderTimeline)
#include "test_recorder_timeline.moc"
