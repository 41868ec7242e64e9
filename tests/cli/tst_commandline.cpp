// `quillon` before any command runs: the program's help and version, `COMMAND --help` for
// every registered command, and options and commands that do not exist, which must be named in
// the error and leave the program with status 2 without running anything.

#include <QRegularExpression>
#include <QtTest>

#include "tablerows.h"
#include "testmedia.h"

namespace {

testmedia::ToolResult quillon(const QStringList& args)
{
    return testmedia::run(testmedia::binDir() + QStringLiteral("/quillon"), args, 30000);
}

// The command names of `quillon --help`: its lines "  quillon NAME ...".
QStringList registeredCommands()
{
    QStringList names;
    static const QRegularExpression line(QStringLiteral("^  quillon ([a-z][a-z0-9-]*)"),
                                         QRegularExpression::MultilineOption);
    auto it = line.globalMatch(QString::fromUtf8(quillon({QStringLiteral("--help")}).out));
    while (it.hasNext())
        names << it.next().captured(1);
    names.removeDuplicates();
    return names;
}

}  // namespace

using tablerows::addRow;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void programOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutPattern");
        QTest::addColumn<QString>("stderrPattern");
        addRow("--help", QStringList{"--help"}, 0, "^usage:\n  quillon ", "^$");
        addRow("-h", QStringList{"-h"}, 0, "^usage:\n", "^$");
        addRow("--version", QStringList{"--version"}, 0, "^quillon \\d+\\.\\d+\\.\\d+\n$", "^$");
        addRow("nothing", QStringList{}, 2, "^$", "^usage:\n");
        addRow("unknown option", QStringList{"--colour"}, 2, "^$",
               "^quillon: unknown option '--colour'\nusage:");
        addRow("unknown command", QStringList{"dance"}, 2, "^$",
               "^quillon: unknown command 'dance'\nusage:");
    }

    void programOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutPattern);
        QFETCH(QString, stderrPattern);
        const testmedia::ToolResult result = quillon(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(QRegularExpression(stdoutPattern).match(QString::fromUtf8(result.out)).hasMatch(),
                 result.out.constData());
        QVERIFY2(QRegularExpression(stderrPattern).match(QString::fromUtf8(result.err)).hasMatch(),
                 result.err.constData());
    }

    void everyCommand_data()
    {
        QTest::addColumn<QString>("command");
        const QStringList commands = registeredCommands();
        QVERIFY(commands.contains(QStringLiteral("record")));
        for (const QString& c : commands)
            QTest::newRow(qPrintable(c)) << c;
    }

    // Help wins over everything else on the line, even arguments the command would refuse.
    void everyCommand()
    {
        QFETCH(QString, command);
        const QString usage = QStringLiteral("usage: quillon ") + command;
        for (const QStringList& args : {QStringList{command, "--help"}, QStringList{command, "-h"},
                                        QStringList{command, "no-such-file", "--help"}}) {
            const testmedia::ToolResult help = quillon(args);
            QCOMPARE(help.exitCode, 0);
            QVERIFY2(QString::fromUtf8(help.out).startsWith(usage), help.out.constData());
            QVERIFY(help.err.isEmpty());
        }
        for (const QString& option : {QStringLiteral("--no-such-option"),
                                      QStringLiteral("--no-such-option=3"), QStringLiteral("-q")}) {
            const testmedia::ToolResult refused = quillon({command, option});
            QCOMPARE(refused.exitCode, 2);
            QVERIFY(refused.out.isEmpty());
            const QString err = QString::fromUtf8(refused.err);
            QVERIFY2(err.startsWith(
                         QStringLiteral("quillon %1: unknown option '%2'\n").arg(command, option)),
                     refused.err.constData());
            QVERIFY2(err.contains(usage), refused.err.constData());
        }
    }

    // An option the command does mention is passed on: the command itself answers.
    void knownOptionReachesTheCommand()
    {
        const testmedia::ToolResult result =
            quillon({QStringLiteral("record"), QStringLiteral("--seconds"), QStringLiteral("0")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("--seconds needs a positive number"), result.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
