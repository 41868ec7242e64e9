// `quillon record` run inside the test process: however the command ends, it leaves the
// process as it found it (the signal handlers of before, no descriptors left open).

#include "commandregistry.h"

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
    void endLeavesNothingBehind_data();
    void endLeavesNothingBehind();

private:
    QTemporaryDir m_dir;
};

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
