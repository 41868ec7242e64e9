// `quillon record` run inside the test process: however the command ends, it leaves the
// process as it found it (the signal handlers of before, no descriptors left open).

#include "commandregistry.h"
#include "formatcatalogue.h"
#include "plistdocument.h"
#include "testmedia.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

int runCommand(const QStringList& args)
{
    for (const cli::Command& c : cli::commands()) {
        if (QLatin1String(c.name) == QLatin1String("record"))
            return c.run(args);
    }
    return -1;
}

int openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
}

void (*handlerOf(int signalNumber))(int)
{
    struct sigaction current = {};
    sigaction(signalNumber, nullptr, &current);
    return current.sa_handler;
}

}  // namespace

class TestCmdRecordCleanup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endLeavesNothingBehind_data();
    void endLeavesNothingBehind();

private:
    QTemporaryDir m_dir;
};

// The command takes its codec from the format catalogue, which is looked up beside the
// executable; the test is not there, so it reads the shipped one first (the first read decides
// for the whole process). Without it every row would fail before the start it is about.
void TestCmdRecordCleanup::initTestCase()
{
    PlistDocument::instance(
        (testmedia::sourceDir() + QStringLiteral("/resources/static/profile/profiles_win.plist"))
            .toStdString());
    QVERIFY(FormatCatalogue::instance().findProfile(QStringLiteral("5000")).isValid());
}

void TestCmdRecordCleanup::endLeavesNothingBehind_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("path");
    const QString wma = m_dir.filePath(QStringLiteral("x.wma"));
    const QString wav = m_dir.filePath(QStringLiteral("x.wav"));
    QTest::newRow("the encoder refuses the parameters")
        << QStringList{wma, QStringLiteral("--channels"), QStringLiteral("7")} << wma;
    QTest::newRow("no sound server")
        << QStringList{wav, QStringLiteral("--seconds"), QStringLiteral("5")} << wav;
}

void TestCmdRecordCleanup::endLeavesNothingBehind()
{
    QFETCH(QStringList, args);
    QFETCH(QString, path);
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillon-no-server");
    signal(SIGINT, SIG_IGN);
    signal(SIGTERM, SIG_IGN);
    const int descriptors = openDescriptors();
    QCOMPARE(runCommand(args), 1);
    QVERIFY(handlerOf(SIGINT) == SIG_IGN);
    QVERIFY(handlerOf(SIGTERM) == SIG_IGN);
    QCOMPARE(openDescriptors(), descriptors);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestCmdRecordCleanup)
#include "tst_cmdrecordcleanup.moc"
