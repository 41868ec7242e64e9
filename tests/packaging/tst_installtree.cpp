// What `cmake --install` puts under a prefix, as a distribution package would ship it: the
// executables, the private libraries and the device plugin, the resource folder, the menu
// entry and AppStream data (validated by desktop-file-validate and appstreamcli), the icons in
// every size, and the manual pages (rendered by man without warnings). The installed tools
// must find their libraries, plugin and resources from where they were installed.

#include "testmedia.h"

#include <QDir>
#include <QImageReader>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("com.quillonfennick.AudioRecorder");

}  // namespace

class TestInstallTree : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_stage.isValid());
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_stage.path());
        install.setProcessEnvironment(env);
        install.start(qEnvironmentVariable("QUILLON_CMAKE"),
                      {"--install", qEnvironmentVariable("QUILLON_BUILD_DIR"), "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(300000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        m_usr = m_stage.path() + QStringLiteral("/usr");
        m_lib = m_usr + QLatin1Char('/') + qEnvironmentVariable("QUILLON_LIBDIR") + "/quillon";
    }

    void files_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList files = {
            "bin/quillon",
            "bin/quillon-audio-recorder",
            "share/quillon/audiorecorder_res/profile/profiles_win.plist",
            "share/quillon/audiorecorder_res/Language/Language.xml",
            "share/quillon/audiorecorder_res/Language/audiorecorder_de.qm",
            "share/quillon/audiorecorder_res/Font/tahoma.ttf",
            "share/quillon/audiorecorder_res/image/btn_close.png",
            "share/quillon/audiorecorder_res/AudioEffects/00_Customed/config.xml",
            "share/quillon/audiorecorder_res/AudioEffects/13_Speech/thumbnail.png",
            "share/applications/" + kAppId + ".desktop",
            "share/metainfo/" + kAppId + ".metainfo.xml",
            "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
            "share/man/man1/quillon.1.gz",
            "share/man/man1/quillon-audio-recorder.1.gz",
        };
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << m_usr + QLatin1Char('/') + f;
        QTest::newRow("libbrisca") << m_lib + "/libbrisca.so";
        QTest::newRow("libOlmet") << m_lib + "/libOlmet.so";
        QTest::newRow("libquillon_cli") << m_lib + "/libquillon_cli.so";
        QTest::newRow("libbrisca_pulse") << m_lib + "/libbrisca_pulse.so";
    }

    void files()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }

    // Nothing but the program's own two executables in bin/.
    void binHoldsOnlyTheExecutables()
    {
        QCOMPARE(QDir(m_usr + "/bin").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"quillon", "quillon-audio-recorder"}));
    }

    void icons_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void icons()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png")
                                 .arg(m_usr)
                                 .arg(size)
                                 .arg(kAppId);
        QImageReader reader(path);
        QCOMPARE(reader.size(), QSize(size, size));
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("desktop entry")
            << "desktop-file-validate"
            << QStringList{m_usr + "/share/applications/" + kAppId + ".desktop"};
        QTest::newRow("appstream")
            << "appstreamcli"
            << QStringList{"validate", "--no-net",
                           m_usr + "/share/metainfo/" + kAppId + ".metainfo.xml"};
    }

    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        const testmedia::ToolResult result = testmedia::run(program, args);
        QVERIFY2(result.ok(), (result.out + result.err).constData());
        QVERIFY2(!result.out.contains("error") && !result.out.contains("warning"),
                 result.out.constData());
    }

    void manualPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("mentions");
        QTest::newRow("quillon") << "quillon"
                                 << QStringList{"quillon record", "quillon tags", "--version",
                                                "share/quillon/audiorecorder_res"};
        QTest::newRow("window") << "quillon-audio-recorder"
                                << QStringList{"share/quillon/audiorecorder_res"};
    }

    void manualPages()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, mentions);
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MANWIDTH", "80");
        env.insert("LC_ALL", "C.UTF-8");
        man.setProcessEnvironment(env);
        man.start("man",
                  {"--warnings", "-E", "UTF-8", "-l", m_usr + "/share/man/man1/" + page + ".1.gz"});
        QVERIFY(man.waitForFinished(60000));
        const QString text = QString::fromUtf8(man.readAllStandardOutput());
        const QByteArray warnings = man.readAllStandardError();
        QCOMPARE(man.exitCode(), 0);
        QVERIFY2(warnings.isEmpty(), warnings.constData());
        // man hyphenates and marks up; the words are there once the hyphens are joined.
        QString plain = text;
        plain.replace(QChar(0x2010), '-').replace(QChar(0x2212), '-');
        for (const QString& m : mentions)
            QVERIFY2(plain.contains(m), qPrintable(m + " not in\n" + plain));
    }

    // The installed tool finds its library, the plugin and the resource folder by itself.
    void installedToolRuns_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("version") << QStringList{"--version"} << "quillon 0.";
        QTest::newRow("resources") << QStringList{"formats", "General Audio"} << "CATEGORY ";
        QTest::newRow("plugin") << QStringList{"devices"} << "no capture devices";
    }

    void installedToolRuns()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, firstLine);
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LD_LIBRARY_PATH");
        env.insert("PULSE_SERVER", "unix:/nonexistent/native");
        tool.setProcessEnvironment(env);
        tool.start(m_usr + "/bin/quillon", args);
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
        QVERIFY(QString::fromUtf8(tool.readAllStandardOutput()).startsWith(firstLine));
    }

    // Both executables and the libraries they load at run time resolve every library without
    // the build tree.
    void noBuildTreeReferences_data()
    {
        QTest::addColumn<QString>("binary");
        QTest::newRow("quillon") << m_usr + "/bin/quillon";
        QTest::newRow("window") << m_usr + "/bin/quillon-audio-recorder";
        QTest::newRow("command-line library") << m_lib + "/libquillon_cli.so";
        QTest::newRow("sound output module") << m_lib + "/libbrisca_pulse.so";
    }

    void noBuildTreeReferences()
    {
        QFETCH(QString, binary);
        const testmedia::ToolResult ldd = testmedia::run("ldd", {binary});
        QVERIFY2(ldd.ok(), ldd.err.constData());
        QVERIFY2(!ldd.out.contains("not found"), ldd.out.constData());
        // "libbrisca.so => <path> (0x...)": where it is linked, the installed copy.
        const QRegularExpression brisca(QStringLiteral("libbrisca\\.so => (\\S+)"));
        const QRegularExpressionMatch linked = brisca.match(QString::fromUtf8(ldd.out));
        if (linked.hasMatch() || binary.endsWith("/quillon")) {
            QCOMPARE(QFileInfo(linked.captured(1)).canonicalFilePath(),
                     QFileInfo(m_lib + "/libbrisca.so").canonicalFilePath());
        }
        const QByteArray buildDir = qgetenv("QUILLON_BUILD_DIR");
        QVERIFY2(!ldd.out.contains(buildDir), ldd.out.constData());
    }

private:
    QTemporaryDir m_stage;
    QString m_usr;
    QString m_lib;
};

QTEST_GUILESS_MAIN(TestInstallTree)
#include "tst_installtree.moc"
