// The one-shot schedule: times of day, the span that limits a scheduled recording, the moment
// it starts and the countdown tip on a clock the test moves, and the stored time options.

#include <QFile>
#include <QtTest>

#include "manualclock.h"
#include "parserxml.h"
#include "qrecordareainfo.h"
#include "schedulecountdown.h"
#include "scheduletime.h"
#include "tablerows.h"
#include "timeoptions.h"

namespace {

constexpr uint64_t kS = ScheduleTime::kUsPerSecond;

uint64_t at(int h, int m, int s)
{
    return uint64_t(h * 3600 + m * 60 + s) * kS;
}

QString stored(const QString& element, const QString& attribute)
{
    return ParserXML::getSettingValue(element, attribute, QStringLiteral("<none>"));
}

QString scheduleFlag()
{
    return stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Bool_Schedule"));
}

QString stopAfterFlag()
{
    return stored(QStringLiteral("RECORD_TIME_INFO"), QStringLiteral("Bool_Stop_After_Time"));
}

void writeSettings(const QByteArray& xml)
{
    QFile out(ParserXML::settingsFilePath());
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(xml);
}

}  // namespace

using tablerows::addRow;

class TestSchedule : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(ParserXML::settingsFilePath());
        QRecordAreaInfo::instance().setScheduled(false);
        QRecordAreaInfo::instance().setStopAfter(false);
    }

    void span_data()
    {
        QTest::addColumn<uint64_t>("start");
        QTest::addColumn<uint64_t>("end");
        QTest::addColumn<uint64_t>("span");
        QTest::newRow("23:00 to 01:00") << at(23, 0, 0) << at(1, 0, 0) << at(2, 0, 0);
        QTest::newRow("same day") << at(8, 30, 0) << at(9, 15, 30) << at(0, 45, 30);
        QTest::newRow("equal: no limit") << at(10, 0, 0) << at(10, 0, 0) << uint64_t(0);
        QTest::newRow("one second before") << at(10, 0, 1) << at(10, 0, 0) << at(23, 59, 59);
    }

    void span()
    {
        QFETCH(uint64_t, start);
        QFETCH(uint64_t, end);
        QFETCH(uint64_t, span);
        QCOMPARE(ScheduleTime::spanUs(start, end), span);
        if (span == 0) {
            QVERIFY(!ScheduleTime::spanExceeded(start, end, at(99, 0, 0)));
            return;
        }
        // The recording stops once it has run longer than the span, not at it.
        QVERIFY(!ScheduleTime::spanExceeded(start, end, span));
        QVERIFY(ScheduleTime::spanExceeded(start, end, span + 1));
    }

    void timeText()
    {
        QCOMPARE(ScheduleTime::parseText(QStringLiteral("23:05:09")), at(23, 5, 9));
        QCOMPARE(ScheduleTime::timeOfDay(at(23, 5, 9)), QTime(23, 5, 9));
        QCOMPARE(ScheduleTime::microseconds(QTime(7, 0, 1, 999)), at(7, 0, 1));
        QCOMPARE(ScheduleTime::countdownText(45),
                 QStringLiteral("45s later, Quillon will start recording."));
    }

    void target_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<uint64_t>("start");
        QTest::addColumn<QDateTime>("target");
        const QDate day(2024, 3, 14);
        addRow("later today", QTime(12, 0, 0), at(12, 0, 2), QDateTime(day, QTime(12, 0, 2)));
        addRow("earlier: tomorrow", QTime(12, 0, 0), at(11, 59, 59),
               QDateTime(day.addDays(1), QTime(11, 59, 59)));
        addRow("this very second", QTime(12, 0, 0), at(12, 0, 0), QDateTime(day, QTime(12, 0, 0)));
    }

    void target()
    {
        QFETCH(QTime, now);
        QFETCH(uint64_t, start);
        QFETCH(QDateTime, target);
        QCOMPARE(ScheduleTime::target(QDateTime(QDate(2024, 3, 14), now), start), target);
    }

    void countdownStartsAtTheTarget()
    {
        ManualClock clock(QDateTime(QDate(2024, 3, 14), QTime(12, 0, 0)));
        ScheduleCountdown countdown(clock);
        countdown.arm(at(12, 0, 2));
        QVERIFY(countdown.isArmed());
        QVERIFY(!countdown.tick().startNow);
        clock.advanceMs(1999);
        QVERIFY(!countdown.tick().startNow);
        clock.advanceMs(1);
        const ScheduleCountdown::Tick tick = countdown.tick();
        QVERIFY(tick.startNow);
        QVERIFY(!tick.showTip);
        QVERIFY(!countdown.isArmed());
        // Started once: later ticks do nothing.
        clock.advanceMs(300);
        QVERIFY(!countdown.tick().startNow);
    }

    void tipCountsDownAndStaysClosed()
    {
        ManualClock clock(QDateTime(QDate(2024, 3, 14), QTime(12, 0, 0)));
        ScheduleCountdown countdown(clock);
        countdown.arm(at(12, 1, 30));
        QVERIFY(!countdown.tick().showTip);  // 90 s before: no tip yet
        clock.advanceMs(45000);
        ScheduleCountdown::Tick tick = countdown.tick();
        QVERIFY(tick.showTip);
        QCOMPARE(tick.tipText, QStringLiteral("45s later, Quillon will start recording."));
        clock.advanceMs(1000);
        QCOMPARE(countdown.tick().tipText,
                 QStringLiteral("44s later, Quillon will start recording."));
        countdown.closeTip();
        clock.advanceMs(1000);
        QVERIFY(!countdown.tick().showTip);
        clock.advanceMs(43000);
        QVERIFY(countdown.tick().startNow);
    }

    void loadKeepsOneOption_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("schedule");
        QTest::addColumn<QString>("storedSchedule");
        const QByteArray times =
            "Schedule_Start_Time=\"82800000000\" Schedule_End_Time=\"3600000000\"";
        addRow("schedule stored",
               "<ROOTITEM><RECORD_SCHEDULE_INFO Bool_Schedule=\"Y\" " + times + "/></ROOTITEM>",
               true, "Y");
        addRow("stop-after wins",
               "<ROOTITEM><RECORD_TIME_INFO Bool_Stop_After_Time=\"Y\"/><RECORD_SCHEDULE_INFO "
               "Bool_Schedule=\"Y\" " +
                   times + "/></ROOTITEM>",
               false, "N");
        addRow("equal times",
               QByteArray("<ROOTITEM><RECORD_SCHEDULE_INFO Bool_Schedule=\"Y\" "
                          "Schedule_Start_Time=\"5\" Schedule_End_Time=\"5\"/></ROOTITEM>"),
               false, "N");
        QTest::newRow("no file") << QByteArray() << false << "N";
    }

    void loadKeepsOneOption()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            writeSettings(file);
        QRecordAreaInfo::instance().setScheduled(true);
        const TimeOptions::State state = TimeOptions::load();
        QTEST(state.schedule, "schedule");
        QTEST(scheduleFlag(), "storedSchedule");
        // The run-time copy has the times but is not armed until OK.
        QVERIFY(!QRecordAreaInfo::instance().scheduled());
        QCOMPARE(QRecordAreaInfo::instance().scheduleStartUs(), state.startUs);
        QCOMPARE(QRecordAreaInfo::instance().scheduleEndUs(), state.endUs);
    }

    void optionsExcludeEachOther()
    {
        QRecordAreaInfo& area = QRecordAreaInfo::instance();
        TimeOptions::setSchedule(true);
        QCOMPARE(scheduleFlag(), QStringLiteral("Y"));
        QVERIFY(area.scheduled());
        TimeOptions::setStopAfter(true);
        QCOMPARE(stopAfterFlag(), QStringLiteral("Y"));
        QCOMPARE(scheduleFlag(), QStringLiteral("N"));
        QVERIFY(area.stopAfter());
        QVERIFY(!area.scheduled());
        TimeOptions::setSchedule(true);
        QCOMPARE(stopAfterFlag(), QStringLiteral("N"));
        QVERIFY(!area.stopAfter());
        TimeOptions::setSchedule(false);
        QCOMPARE(scheduleFlag(), QStringLiteral("N"));
        QCOMPARE(stopAfterFlag(), QStringLiteral("N"));
    }

    void clampsFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("value");
        QTest::newRow("minutes 75") << "75" << 59 << 59;
        QTest::newRow("minutes 59") << "59" << 59 << 59;
        QTest::newRow("hours 99") << "99" << 99 << 99;
        QTest::newRow("empty") << "" << 59 << 0;
        QTest::newRow("leading zero") << "07" << 59 << 7;
    }

    void clampsFields()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QTEST(TimeOptions::clampField(text, limit), "value");
    }

    void confirmSetsTheFlag_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<uint64_t>("start");
        QTest::addColumn<uint64_t>("end");
        QTest::addColumn<bool>("armed");
        QTest::newRow("ticked, times differ") << true << at(23, 0, 0) << at(1, 0, 0) << true;
        QTest::newRow("ticked, equal times") << true << at(23, 0, 0) << at(23, 0, 0) << false;
        QTest::newRow("not ticked") << false << at(23, 0, 0) << at(1, 0, 0) << false;
    }

    void confirmSetsTheFlag()
    {
        QFETCH(bool, ticked);
        QFETCH(uint64_t, start);
        QFETCH(uint64_t, end);
        QFETCH(bool, armed);
        QCOMPARE(TimeOptions::confirmSchedule(ticked, start, end), armed);
        QCOMPARE(QRecordAreaInfo::instance().scheduled(), armed);
        QCOMPARE(
            stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Start_Time")),
            QString::number(start));
        QCOMPARE(
            stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_End_Time")),
            QString::number(end));
    }

    void resetAndSwitchOff()
    {
        TimeOptions::setStopAfter(true);
        TimeOptions::setStopAfterLength(1, 75, 5);  // fields are clamped before; stored as given
        TimeOptions::confirmSchedule(true, at(1, 0, 0), at(2, 0, 0));
        TimeOptions::switchScheduleOff();
        QCOMPARE(scheduleFlag(), QStringLiteral("N"));
        QVERIFY(!QRecordAreaInfo::instance().scheduled());
        TimeOptions::resetStored();
        QCOMPARE(stopAfterFlag(), QStringLiteral("N"));
        QCOMPARE(
            stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Start_Time")),
            QStringLiteral("0"));
        QCOMPARE(
            stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_End_Time")),
            QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("RECORD_TIME_INFO"), QStringLiteral("Stop_time_lenght")),
                 QString::number(uint64_t(3600 + 75 * 60 + 5) * kS));
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
