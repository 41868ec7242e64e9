// The silence watch on a clock the test moves, and the split and delete rules as the settings
// file states them.

#include <QFile>
#include <QtTest>

#include "manualclock.h"
#include "parserxml.h"
#include "silencerules.h"
#include "silencewatch.h"
#include "tablerows.h"

namespace {

const QDateTime kNoon(QDate(2024, 3, 14), QTime(12, 0, 0));

void setSetting(const QString& element, const QString& attribute, const QString& value)
{
    ParserXML::getSettingValue(element, attribute, QString());
    ParserXML::setSettingValue(element, attribute, value);
}

void splitAt(const QString& on, const QString& thresholdMs)
{
    setSetting(QStringLiteral("Split_Recording"), QStringLiteral("Split_According_To_Silence"), on);
    setSetting(QStringLiteral("Split_Recording"), QStringLiteral("Silence_More_Than"), thresholdMs);
}

// Runs the 200 ms checks over `ms` of clock time; the clock times at which a split came, in ms
// from the first check.
QVector<qint64> splitTimes(SilenceWatch& watch, ManualClock& clock, qint64 ms)
{
    QVector<qint64> times;
    for (qint64 t = 0; t <= ms; t += 200) {
        if (watch.check())
            times.append(t);
        clock.advanceMs(200);
    }
    return times;
}

}  // namespace

using tablerows::addRow;

class TestSilenceRules : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(ParserXML::settingsFilePath()); }

    void splitsAfterTheThreshold_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("thresholdMs");
        QTest::addColumn<qint64>("silenceMs");
        QTest::addColumn<QVector<qint64>>("splits");
        // The silence is timed from the first check that sees it; a split needs more than the
        // threshold, so 3000 ms splits at the check 3200 ms later, and again every 3200 ms.
        const auto row = [](const char* name, const char* on, const char* thresholdMs,
                            qint64 silenceMs, const QVector<qint64>& splits) {
            QTest::newRow(name) << QString(on) << QString(thresholdMs) << silenceMs << splits;
        };
        row("3000 ms, 3.1 s of silence", "Y", "3000", 3400, {3200});
        row("goes on splitting", "Y", "3000", 6600, {3200, 6400});
        row("not yet at 3.0 s", "Y", "3000", 3000, {});
        row("threshold 0", "Y", "0", 10000, {});
        row("rule off", "N", "3000", 10000, {});
        row("lower-case y", "y", "3000", 10000, {});
        row("threshold not a number", "Y", "abc", 10000, {});
    }

    void splitsAfterTheThreshold()
    {
        QFETCH(QString, on);
        QFETCH(QString, thresholdMs);
        QFETCH(qint64, silenceMs);
        QFETCH(QVector<qint64>, splits);
        splitAt(on, thresholdMs);
        ManualClock clock(kNoon);
        SilenceWatch watch(clock);
        watch.begin();
        watch.takeBlock(true);
        QCOMPARE(splitTimes(watch, clock, silenceMs), splits);
    }

    void loudBlockRestartsTheSilence()
    {
        splitAt(QStringLiteral("Y"), QStringLiteral("1000"));
        ManualClock clock(kNoon);
        SilenceWatch watch(clock);
        watch.begin();
        watch.takeBlock(true);
        QVERIFY(splitTimes(watch, clock, 800).isEmpty());
        watch.takeBlock(false);
        QVERIFY(!watch.check());
        QVERIFY(!watch.silenceStart().isValid());
        watch.takeBlock(true);
        // Timed again from the next check: 1200 ms of checks later it splits.
        QCOMPARE(splitTimes(watch, clock, 1400), (QVector<qint64>{1200}));
    }

    void firstLoudBlockIsReportedOnce()
    {
        ManualClock clock(kNoon);
        SilenceWatch watch(clock);
        watch.begin();
        QVERIFY(watch.silentThroughout());
        QVERIFY(!watch.takeBlock(true));
        QVERIFY(watch.takeBlock(false));
        QVERIFY(!watch.takeBlock(false));
        QVERIFY(!watch.takeBlock(true));
        QVERIFY(!watch.silentThroughout());
        // A new recording is silent throughout again, and reports its first loud block again.
        watch.begin();
        QVERIFY(watch.silentThroughout());
        QVERIFY(!watch.lastBlockSilent());
        QVERIFY(watch.takeBlock(false));
    }

    void nextPieceKeepsTheSilenceTimed()
    {
        splitAt(QStringLiteral("Y"), QStringLiteral("1000"));
        ManualClock clock(kNoon);
        SilenceWatch watch(clock);
        watch.begin();
        watch.takeBlock(false);
        watch.takeBlock(true);
        QCOMPARE(splitTimes(watch, clock, 1200), (QVector<qint64>{1200}));
        watch.beginPiece();
        QVERIFY(watch.silentThroughout());
        QVERIFY(watch.silenceStart().isValid());
    }

    void discardsPiece_data()
    {
        QTest::addColumn<QString>("byDuration");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("bySilence");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("discarded");
        const auto row = [](const char* name, const char* byDuration, const char* limit,
                            const char* bySilence, const char* duration, bool silent,
                            bool discarded) {
            addRow(name, QString(byDuration), QString(limit), QString(bySilence), QString(duration),
                   silent, discarded);
        };
        row("10 s with limit 10", "Y", "10", "", "00:00:10", false, true);
        row("11 s with limit 10", "Y", "10", "", "00:00:11", false, false);
        row("an hour is long", "Y", "3599", "", "01:00:00", false, false);
        row("limit over an hour", "Y", "3600", "", "01:00:00", false, true);
        row("duration rule off", "N", "10", "", "00:00:05", false, false);
        row("limit 0", "Y", "0", "", "00:00:00", false, false);
        row("limit not a number", "Y", "abc", "", "00:00:00", false, false);
        row("silent throughout", "N", "0", "Y", "00:05:00", true, true);
        row("one loud block", "N", "0", "Y", "00:05:00", false, false);
        row("silence rule unset", "N", "0", "", "00:05:00", true, false);
        row("silence rule N", "N", "0", "N", "00:05:00", true, false);
    }

    void discardsPiece()
    {
        QFETCH(QString, byDuration);
        QFETCH(QString, limit);
        QFETCH(QString, bySilence);
        QFETCH(QString, duration);
        QFETCH(bool, silent);
        QFETCH(bool, discarded);
        const QString element = QStringLiteral("Delete_Recorded_File");
        setSetting(element, QStringLiteral("Delete_According_To_Duration"), byDuration);
        setSetting(element, QStringLiteral("Duration_Less_Than"), limit);
        setSetting(element, QStringLiteral("Delete_According_To_Silence"), bySilence);
        QCOMPARE(SilenceRules::discardsPiece(SilenceRules::readDeleteSettings(), duration, silent),
                 discarded);
    }

    void settingsAsStored_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("split");
        QTest::addColumn<qint64>("threshold");
        QTest::addColumn<bool>("deleteShort");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("deleteSilent");
        addRow("no file", QByteArray(), false, qint64(0), false, qint64(0), false);
        addRow("all set",
               QByteArray("<ROOTITEM><Split_Recording Split_According_To_Silence=\"Y\" "
                          "Silence_More_Than=\"2500\"/><Delete_Recorded_File "
                          "Delete_According_To_Duration=\"Y\" Duration_Less_Than=\"7\" "
                          "Delete_According_To_Silence=\"Y\"/></ROOTITEM>"),
               true, qint64(2500), true, qint64(7), true);
        addRow("not well-formed", QByteArray("<ROOTITEM><Split_Recording"), false, qint64(0), false,
               qint64(0), false);
    }

    void settingsAsStored()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty()) {
            QFile out(ParserXML::settingsFilePath());
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        const SilenceRules::SplitSettings split = SilenceRules::readSplitSettings();
        const SilenceRules::DeleteSettings del = SilenceRules::readDeleteSettings();
        QTEST(split.splitAtSilence, "split");
        QTEST(split.thresholdMs, "threshold");
        QTEST(del.deleteShort, "deleteShort");
        QTEST(del.limitSeconds, "limit");
        QTEST(del.deleteSilent, "deleteSilent");
    }
};

QTEST_GUILESS_MAIN(TestSilenceRules)
#include "tst_silencerules.moc"
