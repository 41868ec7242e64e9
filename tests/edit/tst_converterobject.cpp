// The conversion job: free target names (marker and number, names with dots, brackets and no
// extension), a start the converter refuses, a real cut with its progress, and a stop followed
// at once by a new job, whose end must not be mistaken for the stopped one's. A cancel that
// leaves nothing behind is checked end to end from the list (tst_filelistedit).

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "encodesettings.h"
#include "extensionformat.h"
#include "jobtargetname.h"
#include "nxconverterobject.h"
#include "tablerows.h"
#include "testfiles.h"
#include "testmedia.h"

namespace {

// Settings that encode to MP3 at the source's rate.
OutputSettings mp3Settings(int64_t startUs = 0, int64_t lengthUs = 0)
{
    EncodeSettings e;
    encodeSettingsForExtension(QStringLiteral("mp3"), &e);
    OutputSettings s;
    s.setEncodeSettings(e);
    s.cutStartUs = startUs;
    s.cutLengthUs = lengthUs;
    s.editConfig.trimStartUs = uint64_t(startUs);
    s.editConfig.trimEndUs = uint64_t(startUs + lengthUs);
    return s;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

using tablerows::addRow;

class TestConverterObject : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_media;
    QString m_short;  // 6 s of tone
    QString m_long;   // 10 minutes: long enough to be stopped mid-way

    QString freshFolder(const QString& name)
    {
        const QString folder = m_media.filePath(name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        m_short = m_media.filePath(QStringLiteral("short.wav"));
        m_long = m_media.filePath(QStringLiteral("long.wav"));
        QVERIFY(testmedia::makeTone(m_short, 440, 6));
        QVERIFY(testmedia::makeTone(m_long, 440, 600, 22050, 1));
    }

    void targetNames_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        const QString trim = JobTargetName::kTrimMarker;
        const QString edit = JobTargetName::kEditMarker;
        QTest::newRow("first") << "song.mp3" << trim << QStringList{} << "song_Trim_001.mp3";
        addRow("next free", "song.mp3", trim, QStringList{"song_Trim_001.mp3"},
               "song_Trim_002.mp3");
        addRow("gap is taken", "song.mp3", trim,
               QStringList{"song_Trim_001.mp3", "song_Trim_003.mp3"}, "song_Trim_002.mp3");
        addRow("cut of a cut", "song_Trim_001.mp3", trim, QStringList{"song_Trim_001.mp3"},
               "song_Trim_002.mp3");
        addRow("marker without number", "song_Trim.mp3", trim, QStringList{}, "song_Trim_001.mp3");
        addRow("marker inside the name stays", "Live_Trim_Session.mp3", trim, QStringList{},
               "Live_Trim_Session_Trim_001.mp3");
        addRow("other marker stays", "song_Trim_001.mp3", edit, QStringList{},
               "song_Trim_001_Edit_001.mp3");
        addRow("edit marker", "song_Edit_004.m4a", edit, QStringList{}, "song_Edit_001.m4a");
        QTest::newRow("no extension") << "name" << trim << QStringList{} << "name_Trim_001";
        addRow("no extension, taken", "name", trim, QStringList{"name_Trim_001"}, "name_Trim_002");
        addRow("dots", "a.b.c.mp3", trim, QStringList{"a.b.c_Trim_001.mp3"}, "a.b.c_Trim_002.mp3");
        addRow("brackets and regex characters", "song (live) [2020] +1.mp3", trim,
               QStringList{"song (live) [2020] +1_Trim_001.mp3"},
               "song (live) [2020] +1_Trim_002.mp3");
        addRow("leading dot is no extension", ".hidden", trim, QStringList{}, ".hidden_Trim_001");
        addRow("other extension is free", "song.mp3", trim, QStringList{"song_Trim_001.wav"},
               "song_Trim_001.mp3");
        addRow("non-Latin", "歌 — Ünïcode.flac", trim, QStringList{}, "歌 — Ünïcode_Trim_001.flac");
    }
    void targetNames()
    {
        QFETCH(QString, requested);
        QFETCH(QString, marker);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        const QString folder = freshFolder(QStringLiteral("names"));
        for (const QString& name : existing)
            QVERIFY(testfiles::writeFile(folder + QLatin1Char('/') + name, QByteArray()));
        const JobTarget target = JobTargetName::freeTarget(folder, requested, marker);
        QCOMPARE(target.fileName, expected);
        QCOMPARE(target.path, folder + QLatin1Char('/') + expected);
        // The folder with its trailing '/' names the same file.
        QCOMPARE(JobTargetName::freeTarget(folder + QLatin1Char('/'), requested, marker).path,
                 target.path);
    }

    void danglingLinkTakesItsName()
    {
        const QString folder = freshFolder(QStringLiteral("link"));
        QVERIFY(QFile::link(folder + QStringLiteral("/gone.mp3"),
                            folder + QStringLiteral("/song_Trim_001.mp3")));
        QCOMPARE(JobTargetName::freeTarget(folder, QStringLiteral("song.mp3"),
                                           JobTargetName::kTrimMarker)
                     .fileName,
                 QStringLiteral("song_Trim_002.mp3"));
        QVERIFY(JobTargetName::freeTarget(folder, QString(), JobTargetName::kTrimMarker).isEmpty());
    }

    void markerFollowsTheCut_data()
    {
        QTest::addColumn<quint64>("startUs");
        QTest::addColumn<quint64>("endUs");
        QTest::addColumn<bool>("audioOnly");
        QTest::addColumn<QString>("marker");
        QTest::newRow("cut") << quint64(1000) << quint64(5000) << true << "_Trim";
        QTest::newRow("whole file, sound only") << quint64(0) << quint64(0) << true << "_Trim";
        QTest::newRow("whole file with pictures") << quint64(0) << quint64(0) << false << "_Edit";
        QTest::newRow("cut with pictures") << quint64(0) << quint64(5000) << false << "_Trim";
    }
    void markerFollowsTheCut()
    {
        QFETCH(quint64, startUs);
        QFETCH(quint64, endUs);
        QFETCH(bool, audioOnly);
        QFETCH(QString, marker);
        OutputSettings s;
        s.editConfig.trimStartUs = startUs;
        s.editConfig.trimEndUs = endUs;
        s.audioOnly = audioOnly;
        QCOMPARE(NxConverterObject::markerFor(s), marker);
    }

    void refusedStartEndsWithoutProgress_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("not media") << QStringLiteral("notmedia.mp3");
        QTest::newRow("missing") << QStringLiteral("missing.mp3");
    }
    void refusedStartEndsWithoutProgress()
    {
        QFETCH(QString, source);
        const QString folder = freshFolder(QStringLiteral("refused"));
        const QString path = m_media.filePath(source);
        if (source.startsWith(QLatin1String("notmedia")))
            QVERIFY(testfiles::writeFile(path, "this is not sound"));
        NxConverterObject job;
        QSignalSpy started(&job, &NxConverterObject::emitConvertedStart);
        QSignalSpy finished(&job, &NxConverterObject::emitConvertedFinish);
        QSignalSpy progress(&job, &NxConverterObject::emitConvertProgress);
        job.setJob(mp3Settings(), path, source, folder);
        QVERIFY(!job.start());
        QCOMPARE(started.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(!job.lastError().isEmpty());
        QVERIFY(!job.isRunning());
        QCoreApplication::processEvents();
        QCOMPARE(progress.count(), 0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(filesIn(folder), QStringList{});
    }

    void cutFinishesWithRisingProgress()
    {
        const QString folder = freshFolder(QStringLiteral("cut"));
        NxConverterObject job;
        QSignalSpy finished(&job, &NxConverterObject::emitConvertedFinish);
        QSignalSpy progress(&job, &NxConverterObject::emitConvertProgress);
        job.setJob(mp3Settings(1000000, 3000000), m_short, QStringLiteral("short.mp3"), folder);
        QVERIFY2(job.start(), qPrintable(job.lastError()));
        QVERIFY(job.isRunning());
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.count(), 1);
        QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(job.lastError()));
        QVERIFY(!job.isRunning());
        QCOMPARE(job.producedName(), QStringLiteral("short_Trim_001.mp3"));
        QCOMPARE(filesIn(folder), QStringList{QStringLiteral("short_Trim_001.mp3")});
        uint32_t last = 0;
        for (const QList<QVariant>& args : progress) {
            QVERIFY(args.at(0).toUInt() >= last);
            last = args.at(0).toUInt();
        }
        QCOMPARE(last, 100u);
        // One MP3 frame either way.
        const double seconds = testmedia::decodedSeconds(job.producedPath());
        QVERIFY2(qAbs(seconds - 3.0) <= 1152.0 / 44100, qPrintable(QString::number(seconds)));
    }

    void stopThenStartReportsOnlyTheNewJob()
    {
        const QString folder = freshFolder(QStringLiteral("restart"));
        NxConverterObject job;
        QSignalSpy finished(&job, &NxConverterObject::emitConvertedFinish);
        QSignalSpy progress(&job, &NxConverterObject::emitConvertProgress);
        job.setJob(mp3Settings(), m_long, QStringLiteral("long.mp3"), folder);
        QVERIFY(job.start());
        QVERIFY(progress.wait(60000));
        job.stop();  // its stopped state is still on its way
        job.setJob(mp3Settings(0, 2000000), m_short, QStringLiteral("short.mp3"), folder);
        QVERIFY(job.start());
        QVERIFY(finished.wait(60000));
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 1);
        QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(job.lastError()));
        QCOMPARE(filesIn(folder), QStringList{QStringLiteral("short_Trim_001.mp3")});
    }
};

QTEST_GUILESS_MAIN(TestConverterObject)
#include "tst_converterobject.moc"
