// The settings store: folders, the settings file primitives, the custom format file and the
// screenshot file, including recovery from damaged files and concurrent callers.

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>
#include <vector>

#include "parserxml.h"
#include "tablerows.h"
#include "testfiles.h"

using testfiles::readFile;
using testfiles::writeFile;

using tablerows::addRow;

class TestParserXml : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
        m_product = ParserXML::appDataFolder();
    }

    void init()
    {
        // Every case starts from a first start: no files in the settings folder.
        QDir(m_product).removeRecursively();
    }

    void folders()
    {
        const QString home = m_root.path() + QStringLiteral("/home");
        const QString suffix = QStringLiteral("/Quillon Fennick/Quillon Audio Recorder");
        // The app-data location's last component (the application's own folder) is replaced.
        QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        appData.truncate(appData.lastIndexOf(QLatin1Char('/')));
        QCOMPARE(ParserXML::appDataFolder(), appData + suffix);
        QVERIFY(QFileInfo(ParserXML::appDataFolder()).isDir());

        QCOMPARE(ParserXML::documentsFolder(), home + QStringLiteral("/Documents") + suffix);
        QCOMPARE(ParserXML::tempFolder(), m_root.path() + QStringLiteral("/tmp") + suffix);
    }

    void settingsFolderFallsBackToBrandFolder()
    {
        // A plain file where the product folder should be makes its creation fail.
        const QString brand = QFileInfo(m_product).path();
        QVERIFY(writeFile(m_product, "in the way"));
        QCOMPARE(ParserXML::appDataFolder(), brand);
        QFile::remove(m_product);
        QCOMPARE(ParserXML::appDataFolder(), m_product);
    }

    void firstReadCreatesFileWithElement()
    {
        QDir(QFileInfo(m_product).path()).removeRecursively();
        const QString value =
            ParserXML::getSettingValue("OutPut_path", "path_value", "/x/Converted/");
        QCOMPARE(value, QStringLiteral("/x/Converted/"));
        // The key's element exists, without the attribute: the default is never stored.
        QCOMPARE(readFile(ParserXML::settingsFilePath()),
                 QByteArray("<ROOTITEM>\n    <OutPut_path/>\n</ROOTITEM>\n"));

        ParserXML::getSettingValue("Split_Recording", "Silence_More_Than", "0");
        ParserXML::setSettingValue("Split_Recording", "Split_According_To_Track", "1");
        ParserXML::setSettingValue("Split_Recording", "Silence_More_Than", "300");
        ParserXML::setSettingValue("Split_Recording", "Split_According_To_Silence", "Y");
        // Attributes of a known element come out in their documented order, whatever the order of
        // the writes, and the file has no XML declaration.
        QCOMPARE(readFile(ParserXML::settingsFilePath()),
                 QByteArray("<ROOTITEM>\n    <OutPut_path/>\n"
                            "    <Split_Recording Split_According_To_Silence=\"Y\" "
                            "Silence_More_Than=\"300\" Split_According_To_Track=\"1\"/>\n"
                            "</ROOTITEM>\n"));
    }

    void readValue_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        addRow("stored", QByteArray("<ROOTITEM><CLOSE_ITEM bIsCloseDlg=\"N\"/></ROOTITEM>"), "N");
        addRow("empty attribute = default",
               QByteArray("<ROOTITEM><CLOSE_ITEM bIsCloseDlg=\"\"/></ROOTITEM>"), "DEF");
        addRow("missing attribute = default",
               QByteArray("<ROOTITEM><CLOSE_ITEM other=\"N\"/></ROOTITEM>"), "DEF");
        addRow("root with another name",
               QByteArray("<OTHER><CLOSE_ITEM bIsCloseDlg=\"N\"/></OTHER>"), "N");
        QTest::newRow("escaped value")
            << QByteArray(
                   "<ROOTITEM><CLOSE_ITEM bIsCloseDlg=\"a&amp;b &lt;c&gt; &quot;\"/></ROOTITEM>")
            << "a&b <c> \"";
    }

    void readValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        const QString path = ParserXML::settingsFilePath();
        QVERIFY(writeFile(path, file));
        QCOMPARE(ParserXML::getSettingValue("CLOSE_ITEM", "bIsCloseDlg", "DEF"), expected);
        // The read rewrote the file: the element is there once, any empty attribute stays empty.
        QDomDocument doc;
        QVERIFY(doc.setContent(readFile(path)));
        QCOMPARE(doc.documentElement().elementsByTagName("CLOSE_ITEM").count(), 1);
        if (file.contains("bIsCloseDlg=\"\"")) {
            QVERIFY(
                doc.documentElement().firstChildElement("CLOSE_ITEM").hasAttribute("bIsCloseDlg"));
            QCOMPARE(doc.documentElement().firstChildElement("CLOSE_ITEM").attribute("bIsCloseDlg"),
                     QString());
        }
        // Reading again after the rewrite gives the same answer (escaping survives).
        QCOMPARE(ParserXML::getSettingValue("CLOSE_ITEM", "bIsCloseDlg", "DEF"), expected);
    }

    void writeOnlyLandsInExistingElement()
    {
        ParserXML::getSettingValue("REMIND_ITEM", "isShowRemind", "Y");
        const QByteArray before = readFile(ParserXML::settingsFilePath());
        ParserXML::setSettingValue("UPDATES_ITEM", "bIsAutoUpdate", "Y");
        QCOMPARE(readFile(ParserXML::settingsFilePath()), before);
        QCOMPARE(ParserXML::getSettingValue("UPDATES_ITEM", "bIsAutoUpdate", "N"),
                 QStringLiteral("N"));

        ParserXML::setSettingValue("UPDATES_ITEM", "bIsAutoUpdate", "Y");
        QCOMPARE(ParserXML::getSettingValue("UPDATES_ITEM", "bIsAutoUpdate", "N"),
                 QStringLiteral("Y"));
    }

    void duplicateElementsUseFirst()
    {
        const QString path = ParserXML::settingsFilePath();
        QVERIFY(writeFile(path,
                          "<ROOTITEM><FormatSet Audio_Id=\"1\"/><FormatSet Audio_Id=\"2\"/>"
                          "</ROOTITEM>"));
        QCOMPARE(ParserXML::getSettingValue("FormatSet", "Audio_Id", "5000"), QStringLiteral("1"));
        ParserXML::setSettingValue("FormatSet", "Audio_Id", "7");
        QCOMPARE(readFile(path), QByteArray("<ROOTITEM>\n    <FormatSet Audio_Id=\"7\"/>\n"
                                            "    <FormatSet Audio_Id=\"2\"/>\n</ROOTITEM>\n"));
    }

    void corruptFileIsKeptAndReset_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("kept");
        addRow("truncated", QByteArray("<ROOTITEM><CLOSE_ITEM bIsCloseDlg=\"N\"/><ROO"), true);
        QTest::newRow("not xml") << QByteArray("\x01\x02garbage") << true;
        QTest::newRow("empty file") << QByteArray() << false;
    }

    void corruptFileIsKeptAndReset()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, kept);
        const QString path = ParserXML::settingsFilePath();
        QVERIFY(writeFile(path, content));

        // Earlier values are back at their defaults; the tree holds only what is read from now on.
        QCOMPARE(ParserXML::getSettingValue("CLOSE_ITEM", "bIsCloseDlg", "Y"), QStringLiteral("Y"));
        QCOMPARE(readFile(path), QByteArray("<ROOTITEM>\n    <CLOSE_ITEM/>\n</ROOTITEM>\n"));
        // The broken content is kept beside the file; an empty file has nothing worth keeping.
        const QStringList copies =
            QDir(m_product).entryList({QFileInfo(path).fileName() + ".corrupt-*"}, QDir::Files);
        QCOMPARE(copies.size(), kept ? 1 : 0);
        if (kept)
            QCOMPARE(readFile(m_product + "/" + copies.first()), content);
    }

    void numbersAndBooleans_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<bool>("truth");
        QTest::newRow("Y") << "Y" << qint64(0) << true;
        QTest::newRow("y") << "y" << qint64(0) << false;
        QTest::newRow("1") << "1" << qint64(1) << false;
        QTest::newRow("abc") << "abc" << qint64(0) << false;
        QTest::newRow("hex") << "0x10" << qint64(0) << false;
        QTest::newRow("negative") << "-5" << qint64(-5) << false;
    }

    void numbersAndBooleans()
    {
        QFETCH(QString, stored);
        QFETCH(qint64, number);
        QFETCH(bool, truth);
        ParserXML::getSettingValue("Delete_Recorded_File", "Duration_Less_Than", "0");
        ParserXML::setSettingValue("Delete_Recorded_File", "Duration_Less_Than", stored);
        ParserXML::setSettingValue("Delete_Recorded_File", "Delete_According_To_Duration", stored);
        QCOMPARE(ParserXML::getSettingInt("Delete_Recorded_File", "Duration_Less_Than", 9), number);
        QCOMPARE(
            ParserXML::getSettingBool("Delete_Recorded_File", "Delete_According_To_Duration", true),
            truth);
    }

    void concurrentWritersLoseNothing()
    {
        // Each thread owns one element and toggles its value; with the per-file lock no thread's
        // last write can be lost to another thread's read-modify-write.
        constexpr int kThreads = 4;
        constexpr int kRounds = 40;
        for (int t = 0; t < kThreads; ++t)
            ParserXML::getSettingValue(QStringLiteral("T%1").arg(t), "v", "");
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t] {
                for (int i = 0; i < kRounds; ++i)
                    ParserXML::setSettingValue(QStringLiteral("T%1").arg(t), "v",
                                               QString::number(i));
            });
        }
        for (auto& thread : threads)
            thread.join();
        for (int t = 0; t < kThreads; ++t)
            QCOMPARE(ParserXML::getSettingValue(QStringLiteral("T%1").arg(t), "v", "none"),
                     QString::number(kRounds - 1));
    }

    void customFormatRoundTrip()
    {
        QVERIFY(ParserXML::loadCustomFormat("5001").isEmpty());
        CustomFormatSettings a;
        a.onlyAudio = true;
        a.audioEncoder = "libmp3lame";
        a.audioChannels = "2";
        a.audioSampleRate = "44100";
        a.audioBitRate = "192";
        CustomFormatSettings b = a;
        b.onlyAudio = false;
        b.videoEncoder = "h264";
        b.videoResolution = "1280*720";
        ParserXML::saveCustomFormat("5001", a);
        ParserXML::saveCustomFormat("4002", b);
        QCOMPARE(ParserXML::loadCustomFormat("5001"), a);
        QVERIFY(ParserXML::loadCustomFormat("5002").isEmpty());

        a.audioBitRate = "320";
        ParserXML::saveCustomFormat("5001", a);
        // The update replaced the element in place.
        const QByteArray file = readFile(ParserXML::formatFilePath());
        QCOMPARE(file.count("<FORMAT_ "), 2);
        QCOMPARE(ParserXML::loadCustomFormat("4002"), b);
        QVERIFY(file.startsWith(
            "<ROOTITEM>\n    <FORMAT_ Format_ID=\"5001\">\n"
            "        <Format_Custom OnlyAudio=\"Y\" V_Encoder=\"\" V_Resolution=\"\" "
            "V_FrameRate=\"\" "
            "V_BitRate=\"\" V_Quality=\"\" A_Encoder=\"libmp3lame\" A_Channel=\"2\" "
            "A_SampleRate=\"44100\" A_BitRate=\"320\"/>\n    </FORMAT_>\n"));
    }

    void formatAttributes()
    {
        // Without a file or a FORMAT_ element for the id nothing is created.
        ParserXML::setFormatAttribute("5000", "QUALITY_VALUE", "2");
        QVERIFY(!QFileInfo::exists(ParserXML::formatFilePath()));
        QCOMPARE(ParserXML::getFormatAttribute("5000", "QUALITY_VALUE", "1"), QStringLiteral("1"));

        ParserXML::saveCustomFormat("5000", CustomFormatSettings());
        ParserXML::setFormatAttribute("5000", "QUALITY_VALUE", "2");
        ParserXML::setFormatAttribute("5009", "QUALITY_VALUE", "2");
        QCOMPARE(ParserXML::getFormatAttribute("5000", "QUALITY_VALUE", "1"), QStringLiteral("2"));
        QCOMPARE(ParserXML::getFormatAttribute("5009", "QUALITY_VALUE", "1"), QStringLiteral("1"));
        QVERIFY(
            readFile(ParserXML::formatFilePath())
                .startsWith("<ROOTITEM>\n    <FORMAT_ Format_ID=\"5000\" QUALITY_VALUE=\"2\">"));
        QVERIFY(!readFile(ParserXML::formatFilePath()).contains("5009"));
    }

    void screenshotKeys()
    {
        const QString path = ParserXML::screenshotFilePath();
        QCOMPARE(ParserXML::getScreenshotSuffix(), QStringLiteral("JPG"));
        // Unlike the settings file, a new file stores the default.
        QCOMPARE(readFile(path),
                 QByteArray("<ROOTITEM>\n    <Screenshots IMG_SUFFIX=\"JPG\"/>\n</ROOTITEM>\n"));
        const QString folder = ParserXML::documentsFolder() + "/Converted/Screenshots/";
        QCOMPARE(ParserXML::getScreenshotFolder(), folder);
        QVERIFY(readFile(path).contains("IMG_Folder=\"" + folder.toUtf8() + "\""));

        ParserXML::setScreenshotSuffix("PNG");
        ParserXML::setScreenshotFolder("/pics");
        QCOMPARE(ParserXML::getScreenshotSuffix(), QStringLiteral("PNG"));
        QCOMPARE(ParserXML::getScreenshotFolder(), QStringLiteral("/pics"));

        ParserXML::setScreenshotSuffix("");
        QCOMPARE(ParserXML::getScreenshotSuffix(), QStringLiteral("JPG"));
        QVERIFY(readFile(path).contains("IMG_SUFFIX=\"JPG\""));
    }

private:
    QTemporaryDir m_root;
    QString m_product;
};

QTEST_GUILESS_MAIN(TestParserXml)
#include "tst_parserxml.moc"
