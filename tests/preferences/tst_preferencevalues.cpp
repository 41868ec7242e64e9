// The preferences as the settings file keeps them: the values a first start shows and stores,
// stored nonsense read as the default, and the rules an output folder must meet (missing,
// read-only, not a folder, relative, the probe file). Every key's round trip is the dialog's
// test.

#include "outputfolderrule.h"
#include "parserxml.h"
#include "preferencevalues.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString stored(const char* element, const char* attribute)
{
    return ParserXML::getSettingValue(QLatin1String(element), QLatin1String(attribute),
                                      QStringLiteral("<absent>"));
}

// A folder in which not even root can create anything: the kernel's view of this process.
const QString kReadOnlyFolder = QStringLiteral("/proc/self");

}  // namespace

class TestPreferenceValues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
    }

    void init() { QFile::remove(ParserXML::settingsFilePath()); }

    // What a first start shows is what "OK" stores, although the recording side reads the
    // absent delete keys as off.
    void firstStartStoresWhatIsShown_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* element, const char* attribute, const QString& value) {
            QTest::addRow("%s", attribute) << QString(element) << QString(attribute) << value;
        };
        row("UPDATES_ITEM", "bIsAutoUpdate", "N");
        row("CLOSE_ITEM", "bIsCloseDlg", "Y");
        row("OutPut_path", "path_value", ParserXML::documentsFolder() + "/Converted/");
        row("Delete_Recorded_File", "Delete_According_To_Duration", "Y");
        row("Delete_Recorded_File", "Duration_Less_Than", "1");
        row("Delete_Recorded_File", "Delete_According_To_Silence", "N");
        row("Split_Recording", "Split_According_To_Silence", "N");
        row("Split_Recording", "Silence_More_Than", "0");
        row("Split_Recording", "Split_According_To_Track", "0");
        row("Split_Recording", "Split_At_New_Track", "N");
        row("ARCHIVE_ITEM", "Archive_Tracks_By", "2");
        row("SHOWDOWN_ITEM", "Finished_All_Job", "0");
        row("Screenshot_path", "Screenshot_path_value", "<absent>");  // shown, never written
    }

    void firstStartStoresWhatIsShown()
    {
        QFETCH(QString, element);
        QFETCH(QString, attribute);
        QFETCH(QString, value);
        const PreferenceValues shown = PreferenceValues::load();
        QCOMPARE(shown.screenshotFolder, ParserXML::documentsFolder() + "/Screenshots/");
        shown.store();
        QCOMPARE(stored(qPrintable(element), qPrintable(attribute)), value);
    }

    void storedNonsenseReadsAsDefault_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("too large") << "3";
        QTest::newRow("negative") << "-1";
        QTest::newRow("not a number") << "sleep";
    }

    void storedNonsenseReadsAsDefault()
    {
        QFETCH(QString, text);
        PreferenceValues::load();
        ParserXML::setSettingValue("SHOWDOWN_ITEM", "Finished_All_Job", text);
        ParserXML::setSettingValue("ARCHIVE_ITEM", "Archive_Tracks_By", text);
        const PreferenceValues read = PreferenceValues::load();
        QVERIFY(read.jobsFinished == PreferenceValues::JobsFinished::DoNothing);
        QVERIFY(read.archiveBy == PreferenceValues::ArchiveBy::None);
    }

    void normalized_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* typed, const QString& expected) {
            QTest::addRow("%s", typed) << QString(typed) << expected;
        };
        for (const char* typed :
             {"/music/rec", "/music/rec/", "/music//rec///", "/music/./x/../rec", "  /music/rec  "})
            row(typed, "/music/rec/");
        row("~/Music", QDir::homePath() + "/Music/");
        row("/", "/");
    }

    void normalized()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(OutputFolderRule::normalized(typed), expected);
    }

    void folderProblems_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("problemPart");  // empty: accepted
        const QString base = m_root.path();
        QTest::newRow("existing") << base << QString();
        QTest::newRow("missing, created") << base + "/new/deeper" << QString();
        QTest::newRow("read-only") << kReadOnlyFolder << QString("No file can be written");
        QTest::newRow("missing under read-only")
            << kReadOnlyFolder + "/sub" << QString("cannot be created");
        QTest::newRow("a file") << base + "/plain.txt" << QString("is a file, not a folder");
        QTest::newRow("relative") << QString("music/rec") << QString("is not a full path");
        QTest::newRow("empty") << QString("  ") << QString("Choose a folder");
    }

    void folderProblems()
    {
        QFETCH(QString, folder);
        QFETCH(QString, problemPart);
        QVERIFY(testfiles::writeFile(m_root.path() + "/plain.txt", "x"));
        const QString problem = OutputFolderRule::problem(folder);
        if (problemPart.isEmpty()) {
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QVERIFY(QFileInfo(folder).isDir());
            QCOMPARE(QDir(folder).entryList(QDir::Files).filter("Quillon Audio Recorder"),
                     QStringList());
        } else {
            QVERIFY2(problem.contains(problemPart), qPrintable(problem));
        }
    }

    // A file that has the probe's name is left as it is; the probe takes the next free name.
    void probeNeverTouchesExistingFiles()
    {
        QTemporaryDir dir;
        const QString taken = dir.filePath("Quillon Audio Recorder.txt");
        const QString taken1 = dir.filePath("Quillon Audio Recorder1.txt");
        QVERIFY(testfiles::writeFile(taken, "mine"));
        QVERIFY(testfiles::writeFile(taken1, "mine too"));
        QVERIFY(OutputFolderRule::canCreateFileIn(dir.path()));
        QCOMPARE(testfiles::readFile(taken), QByteArray("mine"));
        QCOMPARE(testfiles::readFile(taken1), QByteArray("mine too"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestPreferenceValues)
#include "tst_preferencevalues.moc"
