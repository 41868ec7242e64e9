// A recording cut off by SIGKILL is never lost: the real window records in a child process
// (against the private sound server) and is killed mid-recording, for every container; the
// next start repairs the file where its container needs it and lists it, with a length
// within a second of the last length the recorder reported before the kill.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "historywriter.h"
#include "librarytestkit.h"
#include "qfilelistwgt.h"
#include "recordingjournal.h"
#include "recordingprobe.h"

using namespace librarytest;

namespace {

constexpr uint64_t kKillAfterUs = 5000000;
constexpr double kToleranceS = 1.0;

struct ChildRun {
    QString path;
    uint64_t lastReportUs = 0;
};

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
        const double reportedS = run.lastReportUs / 1e6;
        qInfo("%s: reported %.3f s before the kill, the file holds %.3f s", qPrintable(extension),
              reportedS, fileS);
        QVERIFY2(
            qAbs(fileS - reportedS) <= kToleranceS,
            qPrintable(QStringLiteral("%1 s listed, %2 s recorded").arg(fileS).arg(reportedS)));
        QCOMPARE(QString::fromStdString(item->duration()), recordingDurationText(facts.durationUs));
        // An independent reader agrees on the repaired file's length.
        QVERIFY(qAbs(testmedia::durationSeconds(run.path) - fileS) < 0.1);
    }
};

QTEST_MAIN(TestRecordingKill)
#include "tst_recordingkill.moc"
