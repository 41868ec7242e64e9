// A recording cut off by SIGKILL is never lost: the real window records in a child process
// (against the private sound server) and is killed mid-recording, for every container; the
// next start repairs the file where its container needs it and lists it with all the audio
// the file held at the kill (decoded by ffmpeg while the child was stopped just before it).
// How far the file trailed the recorder's last report is printed, not asserted: that depends
// on how busy the machine is (a lagging input holds the recorder back for up to 3 s).

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "historywriter.h"
#include "librarytestkit.h"
#include "qfilelistwgt.h"
#include "recordingjournal.h"
#include "recordingprobe.h"

using namespace librarytest;

namespace {

constexpr uint64_t kKillAfterUs = 5000000;
// What the listed length may differ from the audio decoded at the kill: the repair copies
// whole packets, and the probe and ffmpeg round the last one differently.
constexpr double kToleranceS = 0.1;

struct ChildRun {
    QString path;
    uint64_t lastReportUs = 0;
    double decodedAtKillS = -1;  // the audio ffmpeg decodes from the file at the kill
};

double decodedSeconds(const QString& path)
{
    constexpr int kRate = 48000;
    return testmedia::decodeS16(path, kRate, 1).size() / (2.0 * kRate);
}

// Runs the child until it has reported kKillAfterUs of recording, then kills it.
ChildRun recordAndKill(const QString& extension, QString* failure)
{
    ChildRun run;
    QProcess child;
    child.setProgram(testmedia::binDir() + QStringLiteral("/../tests/recordkillchild"));
    child.setArguments({extension});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && run.lastReportUs < kKillAfterUs) {
        if (!child.canReadLine() && !child.waitForReadyRead(1000)) {
            if (child.state() == QProcess::NotRunning) {
                *failure = QStringLiteral("the child ended (exit code %1)").arg(child.exitCode());
                return run;
            }
            continue;
        }
        const QString line = QString::fromUtf8(child.readLine()).trimmed();
        if (line.startsWith(QLatin1String("recording ")))
            run.path = line.mid(10);
        else if (line.startsWith(QLatin1String("time ")) && !run.path.isEmpty())
            run.lastReportUs = line.mid(5).toULongLong();
    }
    // Stopped, the child writes nothing more: what ffmpeg decodes now is what the kill leaves.
    ::kill(static_cast<pid_t>(child.processId()), SIGSTOP);
    if (!run.path.isEmpty())
        run.decodedAtKillS = decodedSeconds(run.path);
    child.kill();  // SIGKILL
    child.waitForFinished(10000);
    if (run.lastReportUs < kKillAfterUs)
        *failure = QStringLiteral("no recording of %1 us within a minute").arg(kKillAfterUs);
    return run;
}

}  // namespace

class TestRecordingKill : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        redirectUserFolders(m_root.path());
        if (!testmedia::pulseAvailable())
            QSKIP("the private sound server is not running");
        ParserXML::getSettingValue(QStringLiteral("OutPut_path"), QStringLiteral("path_value"),
                                   QString());
        ParserXML::setSettingValue(QStringLiteral("OutPut_path"), QStringLiteral("path_value"),
                                   m_root.filePath(QStringLiteral("out")));
    }

    void killedRecordingIsListed_data()
    {
        QTest::addColumn<QString>("extension");
        for (const char* extension :
             {"mp3", "m4a", "ogg", "opus", "flac", "wav", "wma", "ac3", "aiff"})
            QTest::newRow(extension) << QString::fromLatin1(extension);
    }
    void killedRecordingIsListed()
    {
        QFETCH(QString, extension);
        QString failure;
        const ChildRun run = recordAndKill(extension, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(QFileInfo(run.path).size() > 0);
        QVERIFY(RecordingJournal().paths().contains(run.path));

        QFileListWgt list;
        const RecordingLibrary::LoadResult loaded = list.loadLibrary();
        QVERIFY(loaded.recovered.contains(run.path));
        QVERIFY2(loaded.problems.isEmpty(), qPrintable(loaded.problems.join(QLatin1Char('\n'))));
        QVERIFY(RecordingJournal().paths().isEmpty());
        const QAudioFileChunk* item = list.library().find(run.path);
        QVERIFY(item);
        const RecordingProbe::Facts facts = RecordingProbe::probe(run.path);
        QVERIFY2(facts.opened, qPrintable(facts.error));
        const double fileS = facts.durationUs / 1e6;
        qInfo("%s: reported %.3f s before the kill, the file held %.3f s, lists %.3f s",
              qPrintable(extension), run.lastReportUs / 1e6, run.decodedAtKillS, fileS);
        QVERIFY(run.decodedAtKillS > 0);
        QVERIFY2(qAbs(fileS - run.decodedAtKillS) <= kToleranceS,
                 qPrintable(QStringLiteral("%1 s listed, %2 s in the file at the kill")
                                .arg(fileS)
                                .arg(run.decodedAtKillS)));
        QCOMPARE(QString::fromStdString(item->duration()), recordingDurationText(facts.durationUs));
        // An independent reader agrees on the repaired file's length.
        QVERIFY(qAbs(testmedia::durationSeconds(run.path) - fileS) < 0.1);
    }
};

QTEST_MAIN(TestRecordingKill)
#include "tst_recordingkill.moc"
