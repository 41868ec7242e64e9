// The engine's sound output is a module (libbrisca_pulse.so) that libbrisca loads from its own
// folder when a player first opens its output. `quillon play` runs on libbrisca in a folder of
// the test's (links, through LD_LIBRARY_PATH) with the module beside it, missing or damaged:
// with it the file plays on the private server; without it the command fails with the engine's
// error, naming the module it looked for, and does not crash.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "testmedia.h"

class TestAudioOutputModule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void play_data();
    void play();

private:
    QTemporaryDir m_dir;
    QString m_tone;
};

void TestAudioOutputModule::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tone = m_dir.filePath(QStringLiteral("tone.wav"));
    QVERIFY(testmedia::makeTone(m_tone, 440, 0.3));
}

void TestAudioOutputModule::play_data()
{
    QTest::addColumn<QString>("module");  // "link", "missing" or "garbage"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("beside libbrisca") << "link" << 0 << QString();
    QTest::newRow("missing") << "missing" << 1
                             << "cannot load the audio output module '%1/libbrisca_pulse.so'";
    QTest::newRow("not a library")
        << "garbage" << 1 << "cannot load the audio output module '%1/libbrisca_pulse.so'";
}

void TestAudioOutputModule::play()
{
    QFETCH(QString, module);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
    QTemporaryDir libs;
    const QString bin = testmedia::binDir();
    // The launcher loads the command-line library from libbrisca's folder too.
    for (const char* name : {"libbrisca.so", "libquillon_cli.so"})
        QVERIFY(QFile::link(bin + QLatin1Char('/') + QLatin1String(name), libs.filePath(name)));
    const QString target = libs.filePath(QStringLiteral("libbrisca_pulse.so"));
    if (module == QLatin1String("link")) {
        QVERIFY(QFile::link(bin + QStringLiteral("/libbrisca_pulse.so"), target));
    } else if (module == QLatin1String("garbage")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a shared library\n");
    }

    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_LIBRARY_PATH"), libs.path());
    tool.setProcessEnvironment(env);
    tool.start(bin + QStringLiteral("/quillon"), {QStringLiteral("play"), m_tone});
    QVERIFY(tool.waitForFinished(60000));
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY2(tool.exitCode() == exitCode, qPrintable(err));
    if (!error.isEmpty())
        QVERIFY2(err.startsWith(QStringLiteral("quillon: play: ") + error.arg(libs.path())),
                 qPrintable(err));
}

QTEST_GUILESS_MAIN(TestAudioOutputModule)
#include "tst_audiooutputmodule.moc"
