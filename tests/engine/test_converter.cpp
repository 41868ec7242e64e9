// The converter through its C interface: cuts land on the requested sample after encoding
// and on the frame grid when frames are copied (with decodable first frames); progress;
// cancel and failures leave no target; effects, the equalizer and its limiter; loudness.
// Decoded with the ffmpeg CLI, measured against the source.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include <thread>

#include "mediatestutil.h"
#include "tablerows.h"
#include "testfiles.h"

using namespace mediatest;

namespace {

constexpr int kRate = 44100;

struct Job {
    QString source, target;
    const char* key = "WAV";
    int codec = 0x10000;
    int64_t startUs = 0, lengthUs = 0;
    int copy = BRISCA_COPY_NEVER;
    std::function<void(int32_t params)> extra;
};

struct Outcome {
    bool opened = false;
    int state = -1;
    QByteArray error;
    bool copied = false;
    QVector<int64_t> times;  // GetConverterTime as polled
    int64_t duration = 0;
    double measuredLufs = 0, finalLufs = 0;
};

int32_t paramsFor(const Job& job)
{
    const int32_t p = CreateEncodeParams();
    SetAudioCodec(p, job.codec);
    SetAudioSampleRate(p, kRate);
    SetAudioChannels(p, 2);
    SetEncodeStreamCopy(p, job.copy);
    if (job.extra)
        job.extra(p);
    return p;
}

// Runs a conversion to its end, polling progress as a caller's watch loop does.
Outcome convert(const Job& job, const std::function<void(int32_t)>& beforeStart = {})
{
    Outcome out;
    const int32_t params = paramsFor(job);
    const int32_t c = CreateAudioConverter(-1);
    out.opened = OpenConverter(c, job.source.toUtf8().constData(), job.target.toUtf8().constData(),
                               job.key, params) == 1;
    ReleaseEncodeParams(params);
    if (!out.opened || !SetConvertRange(c, job.startUs, job.lengthUs)) {
        out.error = BriscaLastError();
        DestroyConverter(c);
        return out;
    }
    if (beforeStart)
        beforeStart(c);
    StartConverter(c);
    while (!GetConverterResult(c)) {
        out.times.append(GetConverterTime(c));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    out.times.append(GetConverterTime(c));
    out.duration = GetConverterDuration(c);
    out.state = GetConverterState(c);
    out.error = GetConverterError(c);
    out.copied = GetConverterCopied(c) != 0;
    GetConverterLoudness(c, &out.measuredLufs, &out.finalLufs);
    CloseConverter(c);
    DestroyConverter(c);
    return out;
}

// Samples per packet of a file's audio (its frame grid): the step between packet times.
int frameSamples(const QString& path)
{
    const testmedia::ToolResult r =
        testmedia::run(QStringLiteral("ffprobe"),
                       {"-v", "error", "-select_streams", "a:0", "-show_entries", "packet=pts",
                        "-read_intervals", "%+#3", "-of", "csv=p=0", path});
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    return lines.size() >= 2 ? lines.at(1).toInt() - lines.at(0).toInt() : 0;
}

// Integrated loudness (LUFS) as the ffmpeg CLI's ebur128 filter measures it.
double ffmpegLoudness(const QString& path)
{
    const testmedia::ToolResult r = testmedia::run(
        QStringLiteral("ffmpeg"), {"-nostats", "-i", path, "-af", "ebur128", "-f", "null", "-"});
    // The summary at the end: the last "I:" of the log.
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("I:\\s+(-?[0-9.]+) LUFS"))
            .globalMatch(QString::fromUtf8(r.err));
    double last = 0;
    while (it.hasNext())
        last = it.next().capturedRef(1).toDouble();
    return last;
}

}  // namespace

using tablerows::addRow;

class TestConverter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QMap<QString, QStringList> sources{
            {"mp3", {"-c:a", "libmp3lame", "-b:a", "128k"}},
            {"m4a", {"-c:a", "aac", "-b:a", "128k"}},
            {"flac", {"-c:a", "flac"}},
            {"wav", {"-c:a", "pcm_s16le"}},
        };
        for (auto it = sources.begin(); it != sources.end(); ++it) {
            const QString path = file(QStringLiteral("source.") + it.key());
            QVERIFY(make(path, chirp(12), QStringList{"-ac", "2"} + it.value()));
            m_decoded.insert(it.key(), testmedia::decodeS16(path, kRate, 1));
        }
        m_tones = file(QStringLiteral("tones.wav"));
        QVERIFY(
            make(m_tones,
                 QStringLiteral("aevalsrc=0.25*sin(2*PI*100*t)+0.25*sin(2*PI*1000*t)+"
                                "0.25*sin(2*PI*8000*t)|0.25*sin(2*PI*100*t)+0.25*sin(2*PI*1000*t)"
                                "-0.25*sin(2*PI*8000*t):s=44100:d=4"),
                 {"-c:a", "pcm_s16le"}));
    }

    void cuts_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("codec");
        QTest::addColumn<int>("copy");
        // How far the start may land from the requested sample: 0 = exact; -1 = on the nearest
        // boundary of the source's frame grid.
        QTest::addColumn<int>("startSlack");
        // How far the length may be off, in samples (a frame of encoder padding).
        QTest::addColumn<int>("lengthSlack");
        QTest::addColumn<qint64>("startUs");
        const auto row = [](const char* name, const char* source, const char* key, int codec,
                            int copy, int startSlack, int lengthSlack, qint64 startUs = 5123456) {
            // The default start is on no frame grid.
            addRow(name, QString(source), QString(key), codec, copy, startSlack, lengthSlack,
                   startUs);
        };
        row("mp3 encoded", "mp3", "MP3", 0x15001, 0, 0, 0);
        row("m4a encoded", "m4a", "M4A", 0x15002, 0, 0, 1024);
        row("flac encoded", "flac", "FLAC", 0x1500C, 0, 0, 0);
        row("wav to ogg", "wav", "OGG", 0x15005, 0, 0, 0);
        row("mp3 copied", "mp3", "MP3", 0x15001, 1, 0, 0);
        row("m4a copied", "m4a", "M4A", 0x15002, 1, 0, 1024);
        row("flac copied", "flac", "FLAC", 0x1500C, 1, -1, -1);
        // A copy must not seek before the file's first packet.
        row("mp3 copied from the start", "mp3", "MP3", 0x15001, 1, 0, 0, 0);
        row("m4a copied from the start", "m4a", "M4A", 0x15002, 1, 0, 1024, 0);
    }

    void cuts()
    {
        QFETCH(QString, source);
        QFETCH(QString, key);
        QFETCH(int, codec);
        QFETCH(int, copy);
        QFETCH(int, startSlack);
        QFETCH(int, lengthSlack);
        QFETCH(qint64, startUs);
        const QByteArray keyBytes = key.toLatin1();
        Job job;
        job.source = file(QStringLiteral("source.") + source);
        job.target = file(QStringLiteral("cut %1.%2").arg(QTest::currentDataTag(), key.toLower()));
        job.key = keyBytes.constData();
        job.codec = codec;
        job.copy = copy ? BRISCA_COPY_REQUIRED : BRISCA_COPY_NEVER;
        job.startUs = startUs;
        job.lengthUs = 3000000;
        const Outcome out = convert(job);
        QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
        QCOMPARE(out.copied, copy != 0);

        const QByteArray& src = m_decoded[source];
        const QByteArray cut = testmedia::decodeS16(job.target, kRate, 1);
        const qsizetype start = job.startUs * kRate / 1000000,
                        length = job.lengthUs * kRate / 1000000;
        const int lag = bestLag(src, start, cut, 0, 3000);
        const qsizetype tail = samples(cut) - 8192;
        const int lagAtEnd = bestLag(src, start + tail, cut, tail, 3000);
        QCOMPARE(lagAtEnd, lag);  // no samples lost or doubled inside
        if (startSlack >= 0) {
            QVERIFY2(qAbs(lag) <= startSlack, qPrintable(QString::number(lag)));
            QVERIFY2(qAbs(samples(cut) - length) <= lengthSlack,
                     qPrintable(QString::number(samples(cut) - length)));
        } else {
            // On the grid: the nearest frame boundary, and whole frames.
            const int grid = frameSamples(job.source);
            QVERIFY(grid > 0);
            QCOMPARE((start + lag) % grid, qsizetype(0));
            QVERIFY2(qAbs(lag) <= grid / 2, qPrintable(QString::number(lag)));
            QVERIFY2(qAbs(samples(cut) - length) <= grid,
                     qPrintable(QString::number(samples(cut))));
        }
        if (copy) {
            // The first frames decode: the opening matches the source closely, not silence or
            // damage from a missing bit reservoir.
            double worst = 0;
            for (qsizetype i = 0; i < 4096; ++i)
                worst = qMax(worst, qAbs(sampleAt(cut, i) - sampleAt(src, start + lag + i)));
            QVERIFY2(worst < 0.02, qPrintable(QString::number(worst)));
        }
    }

    void progressRisesToTheEnd()
    {
        Job job;
        job.source = file(QStringLiteral("source.mp3"));
        job.target = file(QStringLiteral("progress.mp3"));
        job.key = "MP3";
        job.codec = 0x15001;
        job.startUs = 2000000;
        const Outcome out = convert(job);
        QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
        for (int i = 1; i < out.times.size(); ++i)
            QVERIFY(out.times[i] >= out.times[i - 1]);
        QCOMPARE(out.times.last(), out.duration);
        QVERIFY(qAbs(out.duration - 10000000) < 60000);  // 12 s file from 2 s to the end
    }

    void cancelLeavesNoTarget()
    {
        // Three minutes to encode: far more work than the calls below take.
        const QString longSource = file(QStringLiteral("long.wav"));
        QVERIFY(make(longSource, chirp(180), {"-ac", "2"}));
        const QString target = file(QStringLiteral("cancelled.mp3"));
        const int32_t params = CreateEncodeParams();
        SetAudioCodec(params, 0x15001);
        const int32_t c = CreateAudioConverter(-1);
        QCOMPARE(OpenConverter(c, longSource.toUtf8().constData(), target.toUtf8().constData(),
                               "MP3", params),
                 1);
        QCOMPARE(StartConverter(c), 1);
        QCOMPARE(CancelConverter(c), 1);
        QCOMPARE(GetConverterState(c), int(BRISCA_CONVERTER_CANCELLED));
        QCOMPARE(GetConverterResult(c), 1);
        QCOMPARE(CancelConverter(c), 0);  // nothing left to cancel
        expectNoTarget(target);
        DestroyConverter(c);
        ReleaseEncodeParams(params);
    }

    void sourceShortenedWhileConverting()
    {
        const QString source = file(QStringLiteral("shrinking.wav"));
        QVERIFY(QFile::copy(file(QStringLiteral("source.wav")), source));
        Job job;
        job.source = source;
        job.target = file(QStringLiteral("from-shrinking.flac"));
        job.key = "FLAC";
        job.codec = 0x1500C;
        // Opened whole, then cut to a quarter before the work starts.
        const Outcome out = convert(job, [&](int32_t) {
            QFile f(source);
            QVERIFY(f.resize(f.size() / 4));
        });
        QCOMPARE(out.state, int(BRISCA_CONVERTER_FAILED));
        QVERIFY2(out.error.contains("changed while it was read"), out.error.constData());
        expectNoTarget(job.target);
    }

    void equalizerBands_data()
    {
        QTest::addColumn<double>("gainDb");
        QTest::newRow("boost") << 10.0;
        QTest::newRow("cut") << -10.0;
    }

    void equalizerBands()
    {
        QFETCH(double, gainDb);
        Job job;
        job.source = m_tones;
        job.target = file(QStringLiteral("eq %1.wav").arg(QTest::currentDataTag()));
        const double freqs[10] = {60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};
        double gains[10] = {};
        gains[4] = gainDb;  // the 1 kHz band
        job.extra = [&](int32_t p) { SetEncodeEqualizer(p, freqs, gains, 10); };
        const Outcome out = convert(job);
        QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
        const QByteArray in = testmedia::decodeS16(m_tones, kRate, 2);
        const QByteArray eq = testmedia::decodeS16(job.target, kRate, 2);
        auto change = [&](double hz) {
            return db(testmedia::toneLevel(eq, 2, 0, kRate, hz) /
                      testmedia::toneLevel(in, 2, 0, kRate, hz));
        };
        // The band moves by its gain relative to the others (the limiter may lower everything).
        const double band = change(1000), low = change(100), high = change(8000);
        QVERIFY2(qAbs((band - low) - gainDb) < 1.5,
                 qPrintable(QStringLiteral("%1 %2").arg(band).arg(low)));
        QVERIFY2(qAbs(low - high) < 1.0, qPrintable(QStringLiteral("%1 %2").arg(low).arg(high)));
    }

    void boostNeverClips()
    {
        // A plain chain with the same +10 dB band clips (the ffmpeg CLI, for comparison)...
        const QString plain = file(QStringLiteral("plain-eq.wav"));
        QVERIFY(testmedia::ffmpeg({"-i", m_tones, "-af", "equalizer=f=1000:t=o:w=1:g=10", plain}));
        QVERIFY(peak(testmedia::decodeS16(plain, kRate, 2)) > 0.999);
        // ...ours keeps the peaks below 0 dBFS, in a lossless and in a lossy target.
        for (const char* key : {"WAV", "MP3"}) {
            Job job;
            job.source = m_tones;
            job.target = file(QStringLiteral("boost.%1").arg(QString::fromLatin1(key).toLower()));
            job.key = key;
            job.codec = strcmp(key, "WAV") == 0 ? 0x10000 : 0x15001;
            const double freqs[1] = {1000}, gains[1] = {10};
            job.extra = [&](int32_t p) {
                SetEncodeEqualizer(p, freqs, gains, 1);
                SetAudioEffectLevelA(p, 150);
            };
            const Outcome out = convert(job);
            QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
            const double p = peak(testmedia::decodeS16(job.target, kRate, 2));
            QVERIFY2(p < 0.97, qPrintable(QStringLiteral("%1: %2").arg(key).arg(p)));
        }
    }

    void effectLevels()
    {
        struct Case {
            const char* name;
            int level;  // 0 A, 1 B, 2 C
            int percent;
        };
        const QByteArray in = testmedia::decodeS16(m_tones, kRate, 2);
        for (const Case& c :
             {Case{"half volume", 0, 50}, Case{"mono", 1, 0}, Case{"treble", 2, 200}}) {
            Job job;
            job.source = m_tones;
            job.target = file(QStringLiteral("%1.wav").arg(QLatin1String(c.name)));
            job.extra = [&](int32_t p) {
                (c.level == 0   ? SetAudioEffectLevelA
                 : c.level == 1 ? SetAudioEffectLevelB
                                : SetAudioEffectLevelC)(p, c.percent);
            };
            const Outcome out = convert(job);
            QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
            const QByteArray pcm = testmedia::decodeS16(job.target, kRate, 2);
            auto change = [&](int channel, double hz) {
                return db(testmedia::toneLevel(pcm, 2, channel, kRate, hz) /
                          testmedia::toneLevel(in, 2, channel, kRate, hz));
            };
            if (c.level == 0) {
                QVERIFY2(qAbs(change(0, 1000) + 6.02) < 0.3, c.name);
            } else if (c.level == 1) {
                // The 8 kHz tone is in opposite phase on the two channels: it cancels in mono.
                QVERIFY2(testmedia::toneLevel(pcm, 2, 0, kRate, 8000) < 0.01, c.name);
                QVERIFY2(qAbs(change(1, 1000)) < 0.5, c.name);
            } else {
                QVERIFY2(change(0, 8000) - change(0, 100) > 6, c.name);
            }
        }
    }

    void loudness()
    {
        Job job;
        job.source = file(QStringLiteral("source.flac"));
        job.target = file(QStringLiteral("normalised.m4a"));
        job.key = "M4A";
        job.codec = 0x15002;
        job.extra = [](int32_t p) { SetEncodeLoudness(p, -20.0); };
        const Outcome out = convert(job);
        QVERIFY2(out.state == BRISCA_CONVERTER_DONE, out.error.constData());
        QCOMPARE(out.duration, 2 * int64_t(12000000));  // two passes
        QVERIFY2(qAbs(out.measuredLufs - ffmpegLoudness(job.source)) < 0.5,
                 qPrintable(QString::number(out.measuredLufs)));
        QVERIFY2(qAbs(out.finalLufs + 20) < 0.5, qPrintable(QString::number(out.finalLufs)));
        QVERIFY2(qAbs(ffmpegLoudness(job.target) + 20) < 1.0,
                 qPrintable(QString::number(ffmpegLoudness(job.target))));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("copy");
        QTest::addColumn<qint64>("startUs");
        QTest::addColumn<bool>("withEffect");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const char* source, const char* target,
                            const char* key, int copy, qint64 startUs, bool withEffect,
                            const char* reason) {
            addRow(name, QString(source), QString(target), QString(key), copy, startUs, withEffect,
                   QString(reason));
        };
        row("not media", "tones.txt", "x.wav", "WAV", 0, 0, false, "tones.txt");
        row("onto itself", "source.wav", "source.wav", "WAV", 0, 0, false, "is the source");
        row("unknown container", "source.wav", "x.nope", "NOPE", 0, 0, false, "NOPE");
        row("no folder", "source.wav", "missing/x.wav", "WAV", 0, 0, false, "missing");
        row("starts after the end", "source.wav", "x.wav", "WAV", 0, 20000000, false, "outside");
        row("copy with an effect", "source.mp3", "x.mp3", "MP3", 1, 0, true, "effects");
        row("copy across codecs", "source.mp3", "x.flac", "FLAC", 1, 0, false, "not the source");
    }

    void refusals()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, key);
        QFETCH(int, copy);
        QFETCH(qint64, startUs);
        QFETCH(bool, withEffect);
        QFETCH(QString, reason);
        QVERIFY(
            testfiles::writeFile(file(QStringLiteral("tones.txt")), "100 Hz, 1 kHz and 8 kHz\n"));
        const QByteArray keyBytes = key.toLatin1();
        Job job;
        job.source = file(source);
        job.target = file(target);
        job.key = keyBytes.constData();
        job.codec = key == QLatin1String("MP3")    ? 0x15001
                    : key == QLatin1String("FLAC") ? 0x1500C
                                                   : 0x10000;
        job.copy = copy ? BRISCA_COPY_REQUIRED : BRISCA_COPY_NEVER;
        job.startUs = startUs;
        if (withEffect)
            job.extra = [](int32_t p) { SetAudioEffectLevelA(p, 120); };
        const QByteArray sourceBefore = testmedia::decodeS16(job.source, kRate, 1);
        const Outcome out = convert(job);
        QCOMPARE(out.state, -1);  // refused before anything ran
        QVERIFY2(out.error.contains(reason.toUtf8()), out.error.constData());
        if (source != target)
            expectNoTarget(job.target);
        QCOMPARE(testmedia::decodeS16(job.source, kRate, 1), sourceBefore);  // nothing lost
    }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void expectNoTarget(const QString& target);
    QTemporaryDir m_dir;
    QMap<QString, QByteArray> m_decoded;  // source extension -> mono s16 at 44.1 kHz
    QString m_tones;                      // 100 Hz + 1 kHz + 8 kHz, 0.25 each, stereo WAV
};

void TestConverter::expectNoTarget(const QString& target)
{
    QVERIFY2(!QFile::exists(target), qPrintable(target));
    // Nor a temporary file beside it.
    const QStringList parts =
        QDir(QFileInfo(target).path())
            .entryList({QStringLiteral(".*part*")}, QDir::Hidden | QDir::Files);
    QVERIFY2(parts.isEmpty(), qPrintable(parts.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestConverter)
#include "test_converter.moc"
