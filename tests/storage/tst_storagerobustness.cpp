// The settings store against hostile input and other processes: texts XML cannot carry,
// files declared in other encodings, two processes writing the history at once, temporary
// files of killed writers and repeatedly damaged files.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QXmlStreamReader>
#include <QtTest>

#include <set>

#include "parserxml.h"
#include "tablerows.h"
#include "testfiles.h"

using testfiles::readFile;
using testfiles::writeFile;

namespace {

// Empty when the bytes are well-formed XML to a strict reader, else its complaint.
QString xmlError(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

QString child()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/historyappendchild");
}

}  // namespace

using tablerows::addRow;

class TestStorageRobustness : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
        m_folder = ParserXML::appDataFolder();
        QVERIFY2(QFileInfo(child()).isExecutable(), qPrintable(child()));
    }

    void init()
    {
        QDir(m_folder).removeRecursively();
        QDir().mkpath(m_folder);
    }

    void hostileTextInEveryFile_data()
    {
        // The text as given, and as it reads back: characters XML 1.0 cannot carry become U+FFFD.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        const QString r(QChar(0xFFFD));
        auto with = [](std::initializer_list<char16_t> units) {
            QString s = QStringLiteral("a");
            for (char16_t u : units)
                s += QChar(u);
            return s + QStringLiteral("b");
        };
        QTest::newRow("NUL (ID3v2.4 separator)") << with({0x0}) << "a" + r + "b";
        QTest::newRow("U+0001") << with({0x1}) << "a" + r + "b";
        addRow("backspace, VT, FF, U+001F", with({0x8, 0xB, 0xC, 0x1F}), "a" + r + r + r + r + "b");
        QTest::newRow("U+FFFE U+FFFF") << with({0xFFFE, 0xFFFF}) << "a" + r + r + "b";
        QTest::newRow("lone high surrogate") << with({0xD800}) << "a" + r + "b";
        QTest::newRow("lone low surrogate") << with({0xDC00}) << "a" + r + "b";
        QTest::newRow("pair in wrong order") << with({0xDC00, 0xD800}) << "a" + r + r + "b";
        addRow("tab, LF, CR, pair, U+FFFD kept", with({0x9, 0xA, 0xD, 0xD83D, 0xDE00, 0xFFFD}),
               with({0x9, 0xA, 0xD, 0xD83D, 0xDE00, 0xFFFD}));
    }

    void hostileTextInEveryFile()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const QString path = "/music/" + text + ".mp3";

        ParserXML::getSettingValue("OutPut_path", "path_value", "");
        QVERIFY(ParserXML::setSettingValue("OutPut_path", "path_value", text));
        CustomFormatSettings custom;
        custom.audioEncoder = text;
        QVERIFY(ParserXML::saveCustomFormat("5000", custom));
        QVERIFY(ParserXML::setFormatAttribute("5000", "QUALITY_VALUE", text));
        ParserXML::getScreenshotFolder();
        QVERIFY(ParserXML::setScreenshotFolder(text));
        ParserXML::addPlayList(text);
        HistoryRecord record;
        record.filePath = path;
        record.title = record.artist = record.album = record.genre = record.preferencePath = text;
        record.listNames = QStringList{text, text};
        QVERIFY(ParserXML::addOrUpdateHistory(record));
        // A second store of the same path updates the one record.
        record.artist = "second";
        QVERIFY(ParserXML::addOrUpdateHistory(record));

        for (const QString& file : {ParserXML::settingsFilePath(), ParserXML::formatFilePath(),
                                    ParserXML::screenshotFilePath(), ParserXML::playListFilePath(),
                                    ParserXML::historyFilePath()}) {
            const QString error = xmlError(readFile(file));
            QVERIFY2(error.isEmpty(), qPrintable(file + ": " + error));
        }
        QCOMPARE(ParserXML::getSettingValue("OutPut_path", "path_value", ""), stored);
        QCOMPARE(ParserXML::loadCustomFormat("5000").audioEncoder, stored);
        QCOMPARE(ParserXML::getFormatAttribute("5000", "QUALITY_VALUE"), stored);
        QCOMPARE(ParserXML::getScreenshotFolder(), stored);
        QCOMPARE(ParserXML::readPlayListNames(), QStringList{stored});

        const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.first().filePath, "/music/" + stored + ".mp3");
        QCOMPARE(all.first().title, stored);
        QCOMPARE(all.first().artist, QStringLiteral("second"));
        QCOMPARE(all.first().preferencePath, stored);
        QCOMPARE(all.first().listNames, (QStringList{stored, stored}));
        // The caller's own path still finds, renames and removes the record.
        QVERIFY(ParserXML::findHistory(path).has_value());
        ParserXML::renamePlayList(text, "renamed");
        QCOMPARE(ParserXML::readPlayListNames(), QStringList{"renamed"});
        ParserXML::removeHistory(path);
        QVERIFY(ParserXML::loadAllHistory().isEmpty());
    }

    void declaredEncodingIsRead_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QByteArray>("declaration");
        addRow("ISO-8859-1", QByteArray("ISO-8859-1"),
               QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"));
        addRow("windows-1252", QByteArray("windows-1252"),
               QByteArray("<?xml version='1.0' encoding='windows-1252'?>"));
        addRow("UTF-16 with BOM", QByteArray("UTF-16LE"),
               QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"));
        addRow("UTF-8 declared", QByteArray("UTF-8"),
               QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    }

    void declaredEncodingIsRead()
    {
        QFETCH(QByteArray, codec);
        QFETCH(QByteArray, declaration);
        const QString name = QStringLiteral("J\u00fcrgen \u20ac");  // € exists in cp1252 only
        const bool hasEuro = codec != "ISO-8859-1";
        const QString value = hasEuro ? name : name.left(6);
        // (Qt's UTF-16LE codec starts its output with a byte-order mark.)
        auto encoded = [&](const QString& xml) {
            return QTextCodec::codecForName(codec)->fromUnicode(QString::fromLatin1(declaration) +
                                                                xml);
        };
        // A hand-edited settings file and history in another encoding.
        QVERIFY(
            writeFile(ParserXML::settingsFilePath(),
                      encoded("<ROOTITEM><OutPut_path path_value=\"" + value + "\"/></ROOTITEM>")));
        QVERIFY(
            writeFile(ParserXML::historyFilePath(),
                      encoded("<ROOTITEM><Path_item Converted_path_=\"/a.mp3\"><CONVERTED_INFO_ "
                              "Artist_=\"" +
                              value + "\"/></Path_item></ROOTITEM>")));

        for (int start = 0; start < 3; ++start) {
            QCOMPARE(ParserXML::getSettingValue("OutPut_path", "path_value", ""), value);
            HistoryRecord record = ParserXML::findHistory("/a.mp3").value_or(HistoryRecord());
            QCOMPARE(record.artist, value);
            record.isNew = !record.isNew;  // a change, so the history is written back too
            QVERIFY(ParserXML::addOrUpdateHistory(record));
        }
        // Both are now plain UTF-8 without a declaration that could name another encoding.
        for (const QString& file : {ParserXML::settingsFilePath(), ParserXML::historyFilePath()}) {
            const QByteArray bytes = readFile(file);
            QVERIFY2(bytes.startsWith("<ROOTITEM>"), bytes.constData());
            QVERIFY(bytes.contains(value.toUtf8()));
        }
    }

    void twoProcessesAppendHistory()
    {
        // The GUI and the command-line tool both store recordings; neither may lose the other's.
        constexpr int kEach = 200;
        QProcess first, second;
        for (QProcess* p : {&first, &second}) {
            p->setProcessChannelMode(QProcess::ForwardedChannels);
            p->setInputChannelMode(QProcess::ManagedInputChannel);
        }
        first.start(child(), {"append", "one", QString::number(kEach)});
        second.start(child(), {"append", "two", QString::number(kEach)});
        QVERIFY(first.waitForStarted(10000));
        QVERIFY(second.waitForStarted(10000));
        // QProcess buffers what is written; both children get their line before either is
        // waited for, or the first would run to its end alone.
        first.write("go\n");
        second.write("go\n");
        QVERIFY(first.waitForBytesWritten(10000));
        QVERIFY(second.waitForBytesWritten(10000));
        for (QProcess* p : {&first, &second}) {
            QVERIFY(p->waitForFinished(240000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(xmlError(readFile(ParserXML::historyFilePath())), QString());
        std::set<QString> paths;
        for (const HistoryRecord& r : ParserXML::loadAllHistory())
            paths.insert(r.filePath);
        QCOMPARE(int(paths.size()), 2 * kEach);
        QVERIFY(paths.count("/two/one-0.mp3") && paths.count("/two/two-199.mp3"));
    }

    void killedWritersTemporariesRemovedAtStart()
    {
        // What writers killed between creating and renaming their temporary files leave behind.
        const QStringList stale{"History.xml.saving-Ab12Cd",
                                "AudioDefaultSetting.xml.saving-zz99zz"};
        // Files that merely look alike belong to someone else.
        const QStringList foreign{"History.xml.backup", "History.xml.saving-toolong",
                                  "Notes.xml.saving-Ab12Cd"};
        for (const QString& name : stale + foreign)
            QVERIFY(writeFile(m_folder + "/" + name, "<ROOTITEM>"));

        // A new process is a new start.
        QProcess process;
        process.start(child(), {"touch"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        for (const QString& name : stale)
            QVERIFY2(!QFileInfo::exists(m_folder + "/" + name), qPrintable(name));
        for (const QString& name : foreign)
            QVERIFY2(QFileInfo::exists(m_folder + "/" + name), qPrintable(name));
    }

    void everyDamagedVersionIsKept()
    {
        const QString history = ParserXML::historyFilePath();
        const QList<QByteArray> damaged{"<ROOTITEM><Path_item", "<ROOTITEM></OTHER>", "\x01"};
        for (const QByteArray& content : damaged) {
            QVERIFY(writeFile(history, content));
            QVERIFY(ParserXML::loadAllHistory().isEmpty());
            QCOMPARE(readFile(history), QByteArray("<ROOTITEM/>\n"));
        }
        // The history goes on from the empty tree.
        HistoryRecord record;
        record.filePath = QStringLiteral("/z.mp3");
        QVERIFY(ParserXML::addOrUpdateHistory(record));
        QCOMPARE(ParserXML::loadAllHistory().size(), 1);
        const QStringList copies =
            QDir(m_folder).entryList({"History.xml.corrupt-*"}, QDir::Files, QDir::Name);
        QCOMPARE(copies.size(), damaged.size());
        QList<QByteArray> contents;
        for (const QString& name : copies)
            contents << readFile(m_folder + "/" + name);
        for (const QByteArray& content : damaged)
            QVERIFY(contents.contains(content));
        QCOMPARE(xmlError(readFile(history)), QString());
    }

private:
    QTemporaryDir m_root;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestStorageRobustness)
#include "tst_storagerobustness.moc"
