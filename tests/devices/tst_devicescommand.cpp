// `quillon devices` against the private sound server and without one.

#include <QProcessEnvironment>
#include <QtTest>

#include "testmedia.h"

class TestDevicesCommand : public QObject {
    Q_OBJECT

private slots:
    void listsFixture()
    {
        const testmedia::ToolResult result =
            testmedia::run(testmedia::binDir() + "/quillon", {QStringLiteral("devices")});
        QVERIFY2(result.ok(), result.err.constData());
        const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
        // The remapped microphone is the fixture's only capture source and the default.
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("device 0: Remapped Monitor of Null Output"));
        QCOMPARE(lines[1], QStringLiteral("  recorder 0.0: Remapped Monitor of Null Output "
                                          "[volume 100] [muted no] [default]"));
        QCOMPARE(lines[2], QStringLiteral("default recorder: 0.0 Remapped Monitor of Null Output "
                                          "(Remapped Monitor of Null Output)"));
        QCOMPARE(lines[3], QStringLiteral("default playback: 0.0 [volume 100] [muted no]"));
    }

    // The applications playing now, by the key `record --app` takes.
    void listsApplications()
    {
        QProcess player;
        player.start(QStringLiteral("pacat"),
                     {QStringLiteral("--playback"), QStringLiteral("--raw"),
                      QStringLiteral("--property=application.name=Quillon Test Player"),
                      QStringLiteral("--property=application.icon_name=audio-card"),
                      QStringLiteral("/dev/zero")});
        QVERIFY(player.waitForStarted(5000));
        const QString expected =
            QStringLiteral("app Quillon Test Player: Quillon Test Player [icon audio-card]\n");
        QString out;
        // The stream reaches the server a moment after the player starts.
        QTRY_VERIFY_WITH_TIMEOUT(
            (out = QString::fromUtf8(
                 testmedia::run(testmedia::binDir() + "/quillon",
                                {QStringLiteral("devices"), QStringLiteral("--apps")})
                     .out)) == expected,
            10000);
        player.kill();
        player.waitForFinished();
        QTRY_COMPARE_WITH_TIMEOUT(
            QString::fromUtf8(testmedia::run(testmedia::binDir() + "/quillon",
                                             {QStringLiteral("devices"), QStringLiteral("--apps")})
                                  .out),
            QStringLiteral("no applications playing\n"), 10000);
    }

    void reportsNoServer()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/native"));
        process.setProcessEnvironment(env);
        process.start(testmedia::binDir() + "/quillon", {QStringLiteral("devices")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 QStringLiteral("no capture devices\ndefault recorder: none\n"
                                "default playback: none\n"));
    }

    void rejectsArguments()
    {
        const testmedia::ToolResult result = testmedia::run(
            testmedia::binDir() + "/quillon", {QStringLiteral("devices"), QStringLiteral("x")});
        QCOMPARE(result.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestDevicesCommand)
#include "tst_devicescommand.moc"
