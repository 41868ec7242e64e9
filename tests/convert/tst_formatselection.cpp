// The saved output-format choice: loading profiles at their stored quality preset, custom
// values, confirming, resetting, and encode settings for a profile id. Settings files live in
// a private data folder.

#include "formatselection.h"
#include "parserxml.h"
#include "plistdocument.h"
#include "qualitypreset.h"
#include "tablerows.h"
#include "testmedia.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString formatSet(const char* key, const QString& fallback = QString())
{
    return ParserXML::getSettingValue(QStringLiteral("FormatSet"), QLatin1String(key), fallback);
}

}  // namespace

using tablerows::addRow;

class TestFormatSelection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        QVERIFY(ParserXML::appDataFolder().startsWith(m_data.path()));
        // The first PlistDocument read decides the catalogue for the whole process, so the shipped
        // catalogue is found although tests do not run beside the resource folder.
        PlistDocument::instance((testmedia::sourceDir() +
                                 QStringLiteral("/resources/static/profile/profiles_win.plist"))
                                    .toStdString());
        m_catalogue = &FormatCatalogue::instance();
        QVERIFY(m_catalogue->findProfile(QStringLiteral("5000")).isValid());
    }

    void init()
    {
        QFile::remove(ParserXML::settingsFilePath());
        QFile::remove(ParserXML::formatFilePath());
    }

    void freshProfileOpensHighQuality()
    {
        QCOMPARE(FormatSelection::storedQualityLevel(QStringLiteral("5000")),
                 QualityPreset::kHighQuality);
        QVERIFY(FormatSelection::loadSavedFormats(*m_catalogue));
        const FormatDescriptor* audio = FormatDescriptor::audio();
        QCOMPARE(audio->formatKey, QStringLiteral("MP3"));
        QCOMPARE(audio->audioBitRateKbps, 320);
        QCOMPARE(FormatSelection::currentFormat(false).id, QStringLiteral("5000"));
        QCOMPARE(FormatSelection::currentFormat(false).category, QStringLiteral("General Audio"));
        QVERIFY(!FormatSelection::currentFormat(false).title.isEmpty());
        QCOMPARE(FormatSelection::currentFormat(true).id, QStringLiteral("4000"));
        QVERIFY(!FormatDescriptor::video()->audioOnly);
        QCOMPARE(FormatDescriptor::current(), FormatDescriptor::audio());

        // Customized without stored values is the high-quality preset.
        QVERIFY(confirmAudio("5000", QualityPreset::kCustomizedIndex));
        QCOMPARE(FormatSelection::storedQualityLevel(QStringLiteral("5000")),
                 QualityPreset::kCustomized);
        QCOMPARE(FormatDescriptor::audio()->audioBitRateKbps, 320);
    }

    // Confirming stores the choice and loads the descriptor at the chosen preset.
    void smallSizeRoundTrip()
    {
        QVERIFY(confirmAudio("5004", QualityPreset::kSmallSizeIndex));
        QCOMPARE(formatSet("Audio_Id"), QStringLiteral("5004"));
        QCOMPARE(formatSet("Audio_Categories"), QStringLiteral("General Audio"));
        // The video choice is untouched by an audio confirmation.
        QCOMPARE(formatSet("Video_Id", QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(FormatSelection::currentFormat(false).id, QStringLiteral("5004"));
        QCOMPARE(
            ParserXML::getFormatAttribute(QStringLiteral("5004"), QStringLiteral("QUALITY_VALUE")),
            QStringLiteral("1"));
        QCOMPARE(FormatSelection::storedQualityLevel(QStringLiteral("5004")),
                 QualityPreset::kSmallSize);
        const FormatDescriptor* audio = FormatDescriptor::audio();
        QCOMPARE(audio->formatKey, QStringLiteral("OGG"));
        QCOMPARE(audio->extension, QStringLiteral("ogg"));
        QCOMPARE(audio->sampleRateHz, 22050);
        QCOMPARE(audio->audioBitRateKbps, 64);

        QVERIFY(confirmAudio("5004", QualityPreset::kHighQualityIndex));
        QCOMPARE(audio->sampleRateHz, 44100);
        QCOMPARE(audio->audioBitRateKbps, 256);
    }

    void customizedUsesStoredValues()
    {
        CustomFormatSettings custom;
        custom.audioEncoder = QStringLiteral("AAC");
        custom.audioBitRate = QStringLiteral("64");
        custom.audioSampleRate = QStringLiteral("22050");
        custom.audioChannels = QStringLiteral("1");
        QVERIFY(confirmAudio("5001", QualityPreset::kCustomizedIndex, &custom));
        const FormatDescriptor* audio = FormatDescriptor::audio();
        QCOMPARE(audio->formatKey, QStringLiteral("M4A"));
        QCOMPARE(audio->audioCodec, 0x15002);
        QCOMPARE(audio->audioBitRateKbps, 64);
        QCOMPARE(audio->sampleRateHz, 22050);
        QCOMPARE(audio->channels, 1);

        CustomFormatSettings fields;
        FormatDescriptor d;
        QVERIFY(FormatSelection::loadProfile(*m_catalogue, QStringLiteral("General Audio"),
                                             QStringLiteral("5001"), &d, &fields));
        QCOMPARE(fields.audioChannels, QStringLiteral("1"));
        QCOMPARE(d, *audio);
    }

    void resetLandsOnSmallSize()
    {
        QVERIFY(confirmAudio("5006", QualityPreset::kHighQualityIndex));
        QVERIFY(FormatSelection::resetToDefaults(*m_catalogue));
        QCOMPARE(formatSet("Audio_Id"), QStringLiteral("5000"));
        QCOMPARE(formatSet("Video_Id"), QStringLiteral("4000"));
        for (const char* id : {"5000", "4000"})
            QCOMPARE(FormatSelection::storedQualityLevel(QLatin1String(id)),
                     QualityPreset::kSmallSize);
        QCOMPARE(
            ParserXML::getFormatAttribute(QStringLiteral("4000"), QStringLiteral("Video_Quality")),
            QStringLiteral("0"));
        QCOMPARE(FormatDescriptor::audio()->formatKey, QStringLiteral("MP3"));
        QCOMPARE(FormatDescriptor::audio()->audioBitRateKbps, 128);
        QCOMPARE(FormatDescriptor::video()->width, 1280);
    }

    void missingProfileLeavesDescriptorAlone()
    {
        FormatDescriptor d;
        d.formatKey = QStringLiteral("keep");
        QVERIFY(!FormatSelection::loadProfile(*m_catalogue, QStringLiteral("General Audio"),
                                              QStringLiteral("4000"), &d));
        QCOMPARE(d.formatKey, QStringLiteral("keep"));
        formatSet("Audio_Id");
        ParserXML::setSettingValue(QStringLiteral("FormatSet"), QStringLiteral("Audio_Id"),
                                   QStringLiteral("9999"));
        QVERIFY(!FormatSelection::loadSavedFormats(*m_catalogue));
    }

    void encodeSettingsForProfile_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("formatKey");
        QTest::addColumn<int>("rateHz");
        QTest::addColumn<int>("kbps");
        QTest::newRow("mp3 high") << "5000" << QualityPreset::kHighQuality << "MP3" << 44100 << 320;
        QTest::newRow("ogg small") << "5004" << QualityPreset::kSmallSize << "OGG" << 22050 << 64;
        addRow("opus high", "5005", QualityPreset::kHighQuality, "OPUS", 48000, 192);
        QTest::newRow("wav small") << "5002" << QualityPreset::kSmallSize << "WAV" << 22050 << 0;
        addRow("video profile audio part", "4000", QualityPreset::kHighQuality, "MP4", 48000, 192);
    }

    void encodeSettingsForProfile()
    {
        QFETCH(QString, id);
        QFETCH(int, level);
        QFETCH(QString, formatKey);
        QFETCH(int, rateHz);
        QFETCH(int, kbps);
        EncodeSettings s;
        QString error;
        QVERIFY2(FormatSelection::encodeSettingsForProfile(id, level, &s, &error),
                 qPrintable(error));
        QCOMPARE(s.formatKey, formatKey);
        QCOMPARE(s.sampleRateHz, rateHz);
        QCOMPARE(s.audioBitRateKbps, kbps);
        QVERIFY(s.audioCodec != 0);
        QVERIFY(
            !FormatSelection::encodeSettingsForProfile(QStringLiteral("77"), level, &s, &error));
        QVERIFY(error.contains(QStringLiteral("77")));
    }

    void encodeSettingsForExtension_data()
    {
        // The command line's containers; codec ids come from the catalogue's "Codecs" table.
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("formatKey");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("rateHz");  // 0: the engine's default
        const auto row = [](const char* extension, const char* formatKey, const char* codec,
                            int rateHz) {
            addRow(extension, QString(extension), QString(formatKey), QString(codec), rateHz);
        };
        row("mp3", "MP3", "MP3", 0);
        row("m4a", "M4A", "AAC", 0);  // the AAC profile comes first
        row("ogg", "OGG", "VORBIS", 0);
        row("opus", "OPUS", "OPUS", 48000);  // no 44100 Hz
        row("flac", "FLAC", "FLAC", 0);
        row("wav", "WAV", "PCM_S16LE", 0);
        row("wma", "WMA", "WMAV2", 0);
        row("ac3", "AC3", "AC3", 0);
        row("aiff", "AIFF", "PCM_S16BE", 0);
    }

    void encodeSettingsForExtension()
    {
        QFETCH(QString, extension);
        QFETCH(QString, formatKey);
        QFETCH(QString, codec);
        QFETCH(int, rateHz);
        EncodeSettings s;
        QString error;
        QVERIFY2(FormatSelection::encodeSettingsForExtension(extension, &s, &error),
                 qPrintable(error));
        QCOMPARE(s.formatKey, formatKey);
        QCOMPARE(s.audioCodec, m_catalogue->codec(codec).id);
        QVERIFY(s.audioCodec != 0);
        QCOMPARE(s.sampleRateHz, rateHz);
        QCOMPARE(s.audioBitRateKbps, 0);
        QCOMPARE(s.channels, 0);

        QVERIFY(!FormatSelection::encodeSettingsForExtension(QStringLiteral("xyz"), &s, &error));
        QVERIFY(error.startsWith(QStringLiteral("unknown extension '.xyz'")));
        QVERIFY(error.contains(QLatin1Char('.') + extension));
    }

    void overridesThenCap_data()
    {
        // Start (a profile or an extension), then --rate / --bitrate; the Ogg cap applies last.
        QTest::addColumn<QString>("start");  // a profile id, or ".ext"
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("rateHz");
        QTest::addColumn<int>("kbps");
        QTest::addColumn<int>("expectedKbps");
        const int high = QualityPreset::kHighQuality;
        const int small = QualityPreset::kSmallSize;
        QTest::newRow("ogg profile, rate lowered") << "5004" << high << 22050 << 0 << 160;
        addRow("ogg profile at 22050 Hz, rate raised", "5004", small, 44100, 320, 320);
        addRow("ogg profile at 22050 Hz, bit rate raised", "5004", small, 0, 192, 160);
        QTest::newRow("ogg extension, bit rate only") << ".ogg" << high << 0 << 192 << 192;
        QTest::newRow("ogg extension, low rate") << ".ogg" << high << 16000 << 256 << 160;
        QTest::newRow("mp3 is not capped") << ".mp3" << high << 22050 << 192 << 192;
    }

    void overridesThenCap()
    {
        QFETCH(QString, start);
        QFETCH(int, level);
        QFETCH(int, rateHz);
        QFETCH(int, kbps);
        QFETCH(int, expectedKbps);
        EncodeSettings s;
        QString error;
        const bool found =
            start.startsWith(QLatin1Char('.'))
                ? FormatSelection::encodeSettingsForExtension(start.mid(1), &s, &error)
                : FormatSelection::encodeSettingsForProfile(start, level, &s, &error);
        QVERIFY2(found, qPrintable(error));
        overrideAudioSettings(&s, rateHz, 0, kbps);
        QCOMPARE(s.audioBitRateKbps, expectedKbps);
        if (rateHz > 0)
            QCOMPARE(s.sampleRateHz, rateHz);
    }

private:
    bool confirmAudio(const char* id, int index, const CustomFormatSettings* custom = nullptr)
    {
        return FormatSelection::confirm(*m_catalogue, false, QStringLiteral("General Audio"),
                                        QLatin1String(id), index, custom);
    }

    const FormatCatalogue* m_catalogue = nullptr;
    QTemporaryDir m_data;
};

QTEST_GUILESS_MAIN(TestFormatSelection)
#include "tst_formatselection.moc"
