// The folder recordings go to and the names they get: the XDG documents folder as default, the
// stored folder, names that never overwrite a file, and folders that cannot be used.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "outputfolder.h"
#include "parserxml.h"

namespace {

const QDateTime kMoment(QDate(2024, 3, 14), QTime(9, 5, 7, 42));

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class TestOutputFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void defaultIsTheDocumentsFolder();
    void storedFolderWins();
    void rootStaysTheRoot();
    void namesNeverOverwrite();
    void unusableFolders_data();
    void unusableFolders();

private:
    QTemporaryDir m_home;
};

void TestOutputFolder::initTestCase()
{
    QVERIFY(m_home.isValid());
    // The documents folder is $HOME/Documents unless user-dirs.dirs says otherwise.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QDir().mkpath(m_home.filePath(QStringLiteral(".config")));
    QFile dirs(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    dirs.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
}

void TestOutputFolder::init()
{
    QFile::remove(ParserXML::settingsFilePath());
}

void TestOutputFolder::defaultIsTheDocumentsFolder()
{
    OutputFolder::initFromSettings();
    const QString expected =
        m_home.path() + QStringLiteral("/Papers/Quillon Fennick/Quillon Audio Recorder/Converted/");
    QCOMPARE(OutputFolder::current(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(ParserXML::getSettingValue(QStringLiteral("OutPut_path"), QStringLiteral("path_value"),
                                        QString()),
             expected);
}

void TestOutputFolder::storedFolderWins()
{
    const QString mine = m_home.filePath(QStringLiteral("My Recordings/new"));
    QVERIFY(OutputFolder::set(mine));
    OutputFolder::set(m_home.filePath(QStringLiteral("elsewhere")));
    ParserXML::setSettingValue(QStringLiteral("OutPut_path"), QStringLiteral("path_value"), mine);
    OutputFolder::initFromSettings();
    QCOMPARE(OutputFolder::current(), mine);
    QVERIFY(QFileInfo(mine).isDir());
}

void TestOutputFolder::rootStaysTheRoot()
{
    OutputFolder::set(QStringLiteral("/"));
    QCOMPARE(OutputFolder::current(), QStringLiteral("/"));
    QCOMPARE(OutputFolder::newRecordingPath(QStringLiteral("/"), QStringLiteral("mp3"), kMoment),
             QStringLiteral("/REC_20240314090507042.mp3"));
}

void TestOutputFolder::namesNeverOverwrite()
{
    const QString dir = m_home.filePath(QStringLiteral("names/"));
    const QString first = OutputFolder::newRecordingPath(dir, QStringLiteral("wav"), kMoment);
    QCOMPARE(first, m_home.path() + QStringLiteral("/names/REC_20240314090507042.wav"));
    touch(first);
    const QString second = OutputFolder::newRecordingPath(dir, QStringLiteral("wav"), kMoment);
    QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("REC_20240314090507042(1).wav"));
    touch(second);
    QCOMPARE(
        QFileInfo(OutputFolder::newRecordingPath(dir, QStringLiteral("wav"), kMoment)).fileName(),
        QStringLiteral("REC_20240314090507042(2).wav"));
    // Another extension is another name.
    QCOMPARE(
        QFileInfo(OutputFolder::newRecordingPath(dir, QStringLiteral("mp3"), kMoment)).fileName(),
        QStringLiteral("REC_20240314090507042.mp3"));
}

void TestOutputFolder::unusableFolders_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file") << "plain.txt"
                            << "is not a folder";
    QTest::newRow("below a file") << "plain.txt/sub"
                                  << "cannot be created";
}

void TestOutputFolder::unusableFolders()
{
    QFETCH(QString, relative);
    QFETCH(QString, reason);
    touch(m_home.filePath(QStringLiteral("plain.txt")));
    const QString path = m_home.filePath(relative);
    QString error;
    // The path is taken anyway; the next recording reports the reason.
    QVERIFY(!OutputFolder::set(path, &error));
    QVERIFY2(error.contains(reason) && error.contains(path), qPrintable(error));
    QCOMPARE(OutputFolder::current(), path);
    QCOMPARE(OutputFolder::unwritableReason(path), error);
}

QTEST_GUILESS_MAIN(TestOutputFolder)
#include "tst_outputfolder.moc"
