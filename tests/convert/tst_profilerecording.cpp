// Every audio profile of the shipped catalogue, at each of its presets, really encodes: one
// second of generated stereo tone goes through the media engine's recorder with the encode
// settings of that preset, and ffprobe checks codec, rate, channels and bit rate of the file.

#include "encodesettings.h"
#include "enginetestutil.h"
#include "formatcatalogue.h"
#include "plist.h"
#include "qualitypreset.h"
#include "testmedia.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Customized with "Auto" for rate, channels and bit rate: all left to the encoder.
constexpr int kAllAuto = -1;

FormatCatalogue shippedCatalogue()
{
    boost::any root;
    Plist::readFile(
        (testmedia::sourceDir() + QStringLiteral("/resources/static/profile/profiles_win.plist"))
            .toStdString(),
        root);
    return FormatCatalogue(boost::any_cast<PlistDict>(root));
}

// Records one second of a 440 Hz stereo tone at 44.1 kHz in 10 ms blocks, as capture does;
// an empty text or the failure.
QString recordSecond(const EncodeSettings& s, const QString& path)
{
    const QByteArray key = s.formatKey.toUtf8();
    enginetest::Params p;
    p.key = key.constData();
    p.codec = s.audioCodec;
    p.rateHz = s.sampleRateHz;
    p.channels = s.channels;
    p.bitRate = s.audioBitRateKbps * 1000;
    p.encoderName = s.audioCodec == 0x15002 ? "aac" : nullptr;
    const int32_t recorder = enginetest::openRecorder(path, p);
    if (!recorder)
        return QStringLiteral("open: ") + QString::fromUtf8(BriscaLastError());
    const bool written =
        StartRecorder(recorder) == 1 && enginetest::writeTone(recorder, 440.0, 0.37, 1.0);
    const QString failure = written ? QString() : QString::fromUtf8(BriscaLastError());
    if (!enginetest::finishRecorder(recorder) && failure.isEmpty())
        return QStringLiteral("stop: ") + QString::fromUtf8(BriscaLastError());
    return failure;
}

}  // namespace

class TestProfileRecording : public QObject {
    Q_OBJECT

private slots:
    void everyAudioPreset_data();
    void everyAudioPreset();
    void oggBitRateCappedBelow32000Hz_data();
    void oggBitRateCappedBelow32000Hz();
};

void TestProfileRecording::everyAudioPreset_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("level");
    const FormatCatalogue catalogue = shippedCatalogue();
    for (const FormatProfile& p : catalogue.profiles(QStringLiteral("General Audio"))) {
        for (int level : {QualityPreset::kHighQuality, QualityPreset::kSmallSize,
                          QualityPreset::kCustomized, kAllAuto}) {
            QTest::addRow("%s %s %s", qPrintable(p.id()), qPrintable(p.formatKey()),
                          level == kAllAuto ? "Auto" : qPrintable(QualityPreset::levelName(level)))
                << p.id() << level;
        }
    }
}

void TestProfileRecording::everyAudioPreset()
{
    QFETCH(QString, id);
    QFETCH(int, level);
    static const FormatCatalogue catalogue = shippedCatalogue();
    const FormatProfile profile = catalogue.findProfile(id);
    // Customized without stored values: the profile's "default" entries.
    CustomFormatSettings custom;
    custom.audioBitRate = custom.audioSampleRate = custom.audioChannels = QStringLiteral("Auto");
    const CustomFormatSettings fields = level == kAllAuto
                                            ? profile.fields(QualityPreset::kCustomized, &custom)
                                            : profile.fields(level);
    FormatDescriptor descriptor;
    QString error;
    QVERIFY2(catalogue.describe(profile, fields, &descriptor, &error), qPrintable(error));
    const EncodeSettings s = encodeSettingsFromDescriptor(descriptor, 0, 0);
    if (level == kAllAuto)
        QVERIFY(s.sampleRateHz == 0 && s.channels == 0 && s.audioBitRateKbps == 0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.") + descriptor.extension);
    const QString failure = recordSecond(s, path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const QJsonObject stream = testmedia::audioStream(path);
    QVERIFY2(!stream.isEmpty(), "ffprobe finds no audio stream");
    // The catalogue's codec names are FFmpeg's codec names in upper case.
    QCOMPARE(stream.value(QStringLiteral("codec_name")).toString(), fields.audioEncoder.toLower());
    if (level == kAllAuto) {
        QVERIFY(stream.value(QStringLiteral("sample_rate")).toString().toInt() > 0);
        QVERIFY(stream.value(QStringLiteral("channels")).toInt() > 0);
        return;
    }
    // Opus always decodes at 48000 Hz, whatever rate it was encoded at.
    const int expectedRate = s.formatKey == QLatin1String("OPUS") ? 48000 : s.sampleRateHz;
    QCOMPARE(stream.value(QStringLiteral("sample_rate")).toString().toInt(), expectedRate);
    QCOMPARE(stream.value(QStringLiteral("channels")).toInt(), s.channels);
    const double seconds = testmedia::durationSeconds(path);
    QVERIFY2(seconds > 0.9 && seconds < 1.2, qPrintable(QString::number(seconds)));

    // Constant or nominal bit rates are in the stream header; AAC's is measured over one
    // second of a tone, so only its order of magnitude is checked. Opus has none.
    const int kbps = s.audioBitRateKbps;
    const double streamKbps =
        stream.value(QStringLiteral("bit_rate")).toString().toDouble() / 1000.0;
    const QString codec = fields.audioEncoder;
    if (codec == QLatin1String("MP3") || codec == QLatin1String("AC3") ||
        codec == QLatin1String("WMAV2") || codec == QLatin1String("VORBIS")) {
        QVERIFY2(std::abs(streamKbps - kbps) <= kbps * 0.02,
                 qPrintable(QStringLiteral("%1 kbps, wanted %2").arg(streamKbps).arg(kbps)));
    } else if (codec == QLatin1String("AAC")) {
        QVERIFY2(streamKbps > kbps * 0.3 && streamKbps < kbps * 1.5,
                 qPrintable(QStringLiteral("%1 kbps, wanted %2").arg(streamKbps).arg(kbps)));
    } else if (codec.startsWith(QLatin1String("PCM"))) {
        QCOMPARE(qRound(streamKbps), qRound(s.sampleRateHz * s.channels * 16 / 1000.0));
    }
}

void TestProfileRecording::oggBitRateCappedBelow32000Hz_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("kbps");
    // Vorbis cannot reach 192 kbit/s at 22050 Hz (the encoder refuses to open).
    QTest::newRow("22050 Hz") << "22050" << 160;
    QTest::newRow("44100 Hz") << "44100" << 192;
}

void TestProfileRecording::oggBitRateCappedBelow32000Hz()
{
    QFETCH(QString, rate);
    QFETCH(int, kbps);
    static const FormatCatalogue catalogue = shippedCatalogue();
    const FormatProfile profile = catalogue.findProfile(QStringLiteral("5004"));
    CustomFormatSettings custom;
    custom.audioSampleRate = rate;
    custom.audioBitRate = QStringLiteral("192");
    FormatDescriptor descriptor;
    QVERIFY(catalogue.describe(profile, profile.fields(QualityPreset::kCustomized, &custom),
                               &descriptor));
    QCOMPARE(descriptor.audioBitRateKbps, 192);
    const EncodeSettings s = encodeSettingsFromDescriptor(descriptor, 0, 0);
    QCOMPARE(s.audioBitRateKbps, kbps);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cap.ogg"));
    const QString failure = recordSecond(s, path);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QJsonObject stream = testmedia::audioStream(path);
    QCOMPARE(stream.value(QStringLiteral("sample_rate")).toString(), rate);
    QCOMPARE(stream.value(QStringLiteral("bit_rate")).toString().toInt(), kbps * 1000);
}

QTEST_GUILESS_MAIN(TestProfileRecording)
#include "tst_profilerecording.moc"
