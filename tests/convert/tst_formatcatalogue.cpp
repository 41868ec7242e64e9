// The shipped format catalogue and the steps from a profile to encode settings: lookup,
// preset and custom field values, descriptor numbers, the encode-settings rules and labels.

#include "encodesettings.h"
#include "formatcatalogue.h"
#include "formatlabels.h"
#include "plist.h"
#include "qualitypreset.h"
#include "tablerows.h"
#include "testmedia.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString catalogueSource()
{
    return testmedia::sourceDir() + QStringLiteral("/resources/static/profile/profiles_win.plist");
}

PlistDict readDict(const QString& path)
{
    boost::any root;
    Plist::readFile(path.toStdString(), root);
    return boost::any_cast<PlistDict>(root);
}

FormatDescriptor describe(const FormatCatalogue& catalogue, const FormatProfile& profile,
                          const CustomFormatSettings& fields)
{
    FormatDescriptor d;
    QString error;
    if (!catalogue.describe(profile, fields, &d, &error))
        qWarning() << error;
    return d;
}

}  // namespace

using tablerows::addRow;

class TestFormatCatalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_catalogue = FormatCatalogue(readDict(catalogueSource()));
        QCOMPARE(m_catalogue.categories(),
                 QStringList({QStringLiteral("General Audio"), QStringLiteral("General Video")}));
    }

    void audioProfiles_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("formatKey");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("codecId");
        const auto row = [](const char* name, const char* id, const char* key, const char* ext,
                            int codec) {
            QTest::newRow(name) << QString(id) << QString(key) << QString(ext) << codec;
        };
        // Codec ids are FFmpeg's AVCodecID numbers.
        row("MP3", "5000", "MP3", "mp3", 0x15001);
        row("AAC", "5001", "M4A", "m4a", 0x15002);
        row("WAV", "5002", "WAV", "wav", 0x10000);
        row("FLAC", "5003", "FLAC", "flac", 0x1500C);
        row("Vorbis", "5004", "OGG", "ogg", 0x15005);
        row("Opus", "5005", "OPUS", "opus", 0x1503C);
        row("WMA", "5006", "WMA", "wma", 0x15008);
        row("AC3", "5007", "AC3", "ac3", 0x15003);
        row("AIFF", "5008", "AIFF", "aiff", 0x10001);
        row("ALAC", "5009", "M4A", "m4a", 0x15010);
    }

    void audioProfiles()
    {
        QFETCH(QString, id);
        QFETCH(QString, formatKey);
        QFETCH(QString, ext);
        QFETCH(int, codecId);
        const FormatProfile p = m_catalogue.profile(QStringLiteral("General Audio"), id);
        QVERIFY(p.isValid());
        QCOMPARE(p.formatKey(), formatKey);
        QCOMPARE(p.extension(), ext);
        QVERIFY(!p.title().isEmpty());
        QVERIFY(!p.icon().isEmpty());
        QVERIFY(!p.hasVideo());
        for (int level :
             {QualityPreset::kSmallSize, QualityPreset::kHighQuality, QualityPreset::kCustomized}) {
            const FormatDescriptor d = describe(m_catalogue, p, p.fields(level));
            QCOMPARE(d.audioCodec, codecId);
            QVERIFY(d.audioOnly);
            QCOMPARE(d.formatKey, formatKey);
            QCOMPARE(d.extension, ext);
            QVERIFY(d.sampleRateHz > 0);
            QVERIFY(d.channels == 1 || d.channels == 2);
        }
    }

    void videoProfile()
    {
        const FormatProfile p =
            m_catalogue.profile(QStringLiteral("General Video"), QStringLiteral("4000"));
        QVERIFY(p.hasVideo());
        QCOMPARE(p.formatKey(), QStringLiteral("MP4"));
        const FormatDescriptor high =
            describe(m_catalogue, p, p.fields(QualityPreset::kHighQuality));
        QVERIFY(!high.audioOnly);
        QCOMPARE(high.videoCodec, 0x1B);  // H.264
        QCOMPARE(high.audioCodec, 0x15002);
        QCOMPARE(high.width, 0);  // "Original": the size of the source
        QCOMPARE(high.profileTextB, QStringLiteral("avc1"));
        const FormatDescriptor small =
            describe(m_catalogue, p, p.fields(QualityPreset::kSmallSize));
        QCOMPARE(small.width, 1280);
        QCOMPARE(small.height, 720);
        QCOMPARE(small.frameRateNum, 25);
        QVERIFY(small.videoBitRateKbps < high.videoBitRateKbps);
    }

    void idsUniqueAndPresetValuesOfferedAndAllowed()
    {
        const QStringList audioParams = {QStringLiteral("audiobitrate"),
                                         QStringLiteral("samplerate"), QStringLiteral("channels")};
        QSet<QString> ids;
        for (const QString& category : m_catalogue.categories()) {
            for (const FormatProfile& p : m_catalogue.profiles(category)) {
                // Ids are unique: audio from 5000, video from 4000 to 4999.
                QVERIFY2(!ids.contains(p.id()), qPrintable(p.id()));
                ids.insert(p.id());
                const int id = p.id().toInt();
                QVERIFY(p.hasVideo() ? id >= 4000 && id < 5000 : id >= 5000);
                QVERIFY2(!p.audioCodecs().isEmpty(), qPrintable(p.id()));
                for (const QString& codec : p.audioCodecs())
                    QVERIFY2(m_catalogue.codec(codec).isValid(), qPrintable(codec));
                for (const QString& codec : p.videoCodecs())
                    QVERIFY2(m_catalogue.codec(codec).type == QLatin1String("video"),
                             qPrintable(codec));
                const QString codec = p.audioCodecs().first();
                for (const QString& name : audioParams) {
                    const FormatParameter param = p.audioParameter(name);
                    QVERIFY2(param.isPresent(), qPrintable(p.id() + name));
                    QVERIFY2(param.values.contains(QStringLiteral("Auto")),
                             qPrintable(p.id() + name));
                    const QStringList offered = p.offeredAudioValues(codec, name);
                    for (int level : {0, 1, 2})
                        QVERIFY2(offered.contains(param.valueForLevel(level)),
                                 qPrintable(p.id() + QLatin1Char(' ') + name));
                }
            }
        }
    }

    void binaryFormReadsToTheSameTree()
    {
        // The catalogue may ship in either form; plistlib converts it.
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("profiles.bin"));
        const testmedia::ToolResult r = testmedia::run(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral(
                 "import plistlib,sys; d=plistlib.load(open(sys.argv[1],'rb')); "
                 "open(sys.argv[2],'wb').write(plistlib.dumps(d,fmt=plistlib.FMT_BINARY))"),
             catalogueSource(), bin});
        QVERIFY2(r.ok(), r.err.constData());
        QVERIFY(Plist::equal(readDict(catalogueSource()), readDict(bin)));
    }

    void lookupTakesFirstMatchAndMissingIsEmpty()
    {
        boost::any root;
        const QByteArray xml =
            "<plist><dict><key>Cat</key><array>"
            "<dict><key>baseinfo</key><dict><key>id</key><string>1</string>"
            "<key>title</key><string>first</string></dict></dict>"
            "<dict><key>baseinfo</key><dict><key>id</key><string>1</string>"
            "<key>title</key><string>second</string></dict></dict>"
            "<dict><key>baseinfo</key><dict><key>id</key><integer>2</integer></dict></dict>"
            "</array></dict></plist>";
        Plist::readBuffer(xml.constData(), xml.size(), root);
        const FormatCatalogue c(boost::any_cast<PlistDict>(root));
        QCOMPARE(c.profileText(QStringLiteral("Cat"), QStringLiteral("1"), QStringLiteral("title")),
                 QStringLiteral("first"));
        QCOMPARE(c.profileText(QStringLiteral("Cat"), QStringLiteral("3"), QStringLiteral("title")),
                 QString());
        QCOMPARE(
            c.profileText(QStringLiteral("Other"), QStringLiteral("1"), QStringLiteral("title")),
            QString());
        QVERIFY(!c.profile(QStringLiteral("Cat"), QStringLiteral("1")).hasVideo());
    }

    void customValuesOverrideWithinFilters_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("customRate");
        QTest::addColumn<QString>("customBitRate");
        QTest::addColumn<QString>("customCodec");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("bitRate");
        QTest::addColumn<QString>("codec");
        const auto row = [](const char* name, const char* id, const char* customRate,
                            const char* customBitRate, const char* customCodec, const char* rate,
                            const char* bitRate, const char* codec) {
            addRow(name, QString(id), QString(customRate), QString(customBitRate),
                   QString(customCodec), QString(rate), QString(bitRate), QString(codec));
        };
        // Empty custom values keep the profile's defaults.
        row("defaults", "5000", "", "", "", "44100", "192", "MP3");
        row("mp3 custom", "5000", "48000", "256", "", "48000", "256", "MP3");
        row("opus rate allowed", "5005", "24000", "", "", "24000", "128", "OPUS");
        row("opus rate filtered", "5005", "44100", "", "", "48000", "128", "OPUS");
        row("ac3 rate filtered", "5007", "22050", "", "", "48000", "192", "AC3");
        row("auto", "5001", "Auto", "Auto", "", "Auto", "Auto", "AAC");
        row("unsupported codec", "5001", "", "", "MP3", "44100", "160", "AAC");
    }

    void customValuesOverrideWithinFilters()
    {
        QFETCH(QString, id);
        QFETCH(QString, customRate);
        QFETCH(QString, customBitRate);
        QFETCH(QString, customCodec);
        QFETCH(QString, rate);
        QFETCH(QString, bitRate);
        QFETCH(QString, codec);
        const FormatProfile p = m_catalogue.findProfile(id);
        CustomFormatSettings custom;
        custom.audioSampleRate = customRate;
        custom.audioBitRate = customBitRate;
        custom.audioEncoder = customCodec;
        const CustomFormatSettings f = p.fields(QualityPreset::kCustomized, &custom);
        QCOMPARE(f.audioSampleRate, rate);
        QCOMPARE(f.audioBitRate, bitRate);
        QCOMPARE(f.audioEncoder, codec);
        // Custom values count only for Customized.
        QCOMPARE(p.fields(QualityPreset::kHighQuality, &custom),
                 p.fields(QualityPreset::kHighQuality));
    }

    void descriptorNumbersFromFieldTexts()
    {
        const FormatProfile video = m_catalogue.findProfile(QStringLiteral("4000"));
        CustomFormatSettings f = video.fields(QualityPreset::kCustomized);
        f.audioBitRate = QStringLiteral("Auto");
        f.audioSampleRate = QStringLiteral("48000");
        f.audioChannels = QStringLiteral("1");
        f.videoResolution = QStringLiteral("854x480");
        f.videoFrameRate = QStringLiteral("29.97");
        f.videoBitRate = QStringLiteral("1500 kbps");
        f.videoQuality = QStringLiteral("3");
        FormatDescriptor d = describe(m_catalogue, video, f);
        QCOMPARE(d.audioBitRateKbps, 0);
        QCOMPARE(d.sampleRateHz, 48000);
        QCOMPARE(d.channels, 1);
        QCOMPARE(d.width, 854);
        QCOMPARE(d.height, 480);
        QCOMPARE(d.frameRateNum, 30000);
        QCOMPARE(d.frameRateDen, 1001);
        QCOMPARE(d.videoBitRateKbps, 1500);
        QCOMPARE(d.quality, 3);

        f.videoResolution = QStringLiteral("Original");
        f.videoFrameRate = QStringLiteral("Auto");
        d = describe(m_catalogue, video, f);
        QCOMPARE(d.width, 0);
        QCOMPARE(d.height, 0);
        QCOMPARE(d.frameRateNum, 0);

        f.audioEncoder = QStringLiteral("NOPE");
        FormatDescriptor untouched;
        QString error;
        QVERIFY(!m_catalogue.describe(video, f, &untouched, &error));
        QVERIFY(error.contains(QStringLiteral("NOPE")));
        QCOMPARE(untouched, FormatDescriptor());
    }

    void encodeSettingsRules_data()
    {
        QTest::addColumn<QString>("formatKey");
        QTest::addColumn<bool>("audioOnly");
        QTest::addColumn<int>("rateHz");
        QTest::addColumn<int>("kbps");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expectKbps");
        QTest::addColumn<int>("expectWidth");
        QTest::addColumn<int>("expectVideoCodec");
        QTest::addColumn<bool>("expectRaw");
        const auto row = [](const char* name, const char* key, bool audioOnly, int rate, int kbps,
                            int width, int expectKbps, int expectWidth, int expectCodec, bool raw) {
            addRow(name, QString(key), audioOnly, rate, kbps, width, expectKbps, expectWidth,
                   expectCodec, raw);
        };
        row("ogg 22050 capped", "OGG", true, 22050, 192, 0, 160, 0, -1, false);
        row("ogg 44100 kept", "OGG", true, 44100, 192, 0, 192, 0, -1, false);
        row("ogg 22050 at 160", "OGG", true, 22050, 160, 0, 160, 0, -1, false);
        row("mp3 22050 not capped", "MP3", true, 22050, 192, 0, 192, 0, -1, false);
        row("video area size", "MP4", false, 44100, 128, 0, 128, 1920, 0x1B, false);
        row("video own size", "MP4", false, 44100, 128, 640, 128, 640, 0x1B, false);
        row("avi raw", "AVI", false, 44100, 128, 640, 128, 640, 0x1B, true);
        row("mpegts raw", "mpegts", false, 44100, 128, 640, 128, 640, 0x1B, true);
        row("mpeg1 raw, audio only", "MPEG1VIDEO", true, 44100, 128, 640, 128, 0, -1, true);
    }

    void encodeSettingsRules()
    {
        QFETCH(QString, formatKey);
        QFETCH(bool, audioOnly);
        QFETCH(int, rateHz);
        QFETCH(int, kbps);
        QFETCH(int, width);
        QFETCH(int, expectKbps);
        QFETCH(int, expectWidth);
        QFETCH(int, expectVideoCodec);
        QFETCH(bool, expectRaw);
        FormatDescriptor d;
        d.formatKey = formatKey;
        d.audioOnly = audioOnly;
        d.sampleRateHz = rateHz;
        d.audioBitRateKbps = kbps;
        d.width = width;
        d.height = width ? 480 : 0;
        d.videoCodec = 0x1B;
        d.audioCodec = 0x15002;
        d.channels = 2;
        d.frameRateNum = 25;
        d.quality = 4;
        const EncodeSettings s = encodeSettingsFromDescriptor(d, 1920, 1080);
        QCOMPARE(s.formatKey, formatKey);
        QCOMPARE(s.audioBitRateKbps, expectKbps);
        QCOMPARE(s.width, expectWidth);
        QCOMPARE(s.height, audioOnly ? 0 : (width ? 480 : 1080));
        QCOMPARE(s.videoCodec, expectVideoCodec);
        QCOMPARE(s.rawStream, expectRaw);
        QCOMPARE(s.audioCodec, 0x15002);
        QCOMPARE(s.sampleRateHz, rateHz);
        QCOMPARE(s.channels, 2);
        QCOMPARE(s.frameRateNum, 25);
        QCOMPARE(s.frameRateHundredths, 0);
        QCOMPARE(s.quality, 4);
    }

    void qualityLevels_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "" << QualityPreset::kHighQuality << "High Quality";
        QTest::newRow("0") << "0" << QualityPreset::kHighQuality << "High Quality";
        QTest::newRow("1") << "1" << QualityPreset::kSmallSize << "Small Size";
        QTest::newRow("2") << "2" << QualityPreset::kCustomized << "Customized";
        QTest::newRow("other") << "x" << QualityPreset::kCustomized << "Customized";
    }

    void qualityLevels()
    {
        QFETCH(QString, stored);
        QFETCH(int, level);
        QFETCH(QString, name);
        QCOMPARE(QualityPreset::levelFromStoredValue(stored), level);
        QCOMPARE(QualityPreset::levelName(level), name);
        // The combo index stored on confirming reads back as the same level.
        const int index = QualityPreset::comboIndexFromLevel(level);
        QCOMPARE(QualityPreset::comboTexts().at(index), name);
        QCOMPARE(QualityPreset::levelFromStoredValue(QString::number(index)), level);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("label");
        const auto row = [](const char* kind, const char* value, const char* label) {
            QTest::addRow("%s %s", kind, value)
                << QString(kind) << QString(value) << QString(label);
        };
        row("channel", "Auto", "Auto");
        row("channel", "0", "Auto");
        row("channel", "1", "Mono");
        row("channel", "2", "Stereo");
        row("channel", "6", "5.1 Surround");
        row("channel", "4", "4");
        row("video", "Original", "Smart Fit");
        row("video", "Auto", "Smart Fit");
        row("video", "1280x720", "1280x720");
        row("bitrate", "128", "128 kbps");
        row("bitrate", "Auto", "Auto");
        row("framerate", "30", "30 fps");
    }

    void labels()
    {
        QFETCH(QString, kind);
        QFETCH(QString, value);
        QFETCH(QString, label);
        QString shown;
        if (kind == QLatin1String("channel"))
            shown = FormatLabels::channelLabel(value);
        else if (kind == QLatin1String("video"))
            shown = FormatLabels::videoLabel(value);
        else if (kind == QLatin1String("bitrate"))
            shown = FormatLabels::bitRateLabel(value);
        else
            shown = FormatLabels::frameRateLabel(value);
        QCOMPARE(shown, label);
    }

private:
    FormatCatalogue m_catalogue;
};

QTEST_GUILESS_MAIN(TestFormatCatalogue)
#include "tst_formatcatalogue.moc"
