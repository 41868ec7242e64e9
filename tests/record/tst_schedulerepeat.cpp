// Schedules that repeat, on a clock the test moves: the 300 ms countdown is simulated over days,
// and the recordings it starts and stops are read off. Also the starts missed while the program
// was not running, and the stored choice.

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

using Mode = ScheduleRepeat::Mode;

constexpr uint64_t kS = ScheduleTime::kUsPerSecond;
constexpr qint64 kTickMs = 300;
// Monday.
const QDate kMonday(2024, 3, 11);

uint64_t at(int h, int m)
{
    return uint64_t(h * 3600 + m * 60) * kS;
}

// In UTC: local time would cost a time-zone lookup at each of the many simulated ticks.
QDateTime when(int day, int h, int m)
{
    return QDateTime(kMonday.addDays(day), QTime(h, m), Qt::UTC);
}

ScheduleRepeat repeat(Mode mode, std::initializer_list<int> days = {})
{
    ScheduleRepeat r;
    r.mode = mode;
    for (int day : days)
        r.days |= uint8_t(1u << (day - 1));
    return r;
}

using Spans = QVector<QPair<QDateTime, QDateTime>>;

// A recording the user runs by hand, from..to.
struct HandRecording {
    QDateTime from;
    QDateTime to;
};

// What the window does with the countdown, tick by tick from `from` to `to`: starts a
// recording when told to (unless one runs), stops it at stopNow, and tells the countdown when a
// recording ends. The scheduled recordings' spans, and how often a start had to wait.
struct Simulation {
    Spans recorded;
    int waits = 0;
    int skips = 0;
};

Simulation simulate(ScheduleCountdown& countdown, ManualClock& clock, const QDateTime& to,
                    const QVector<HandRecording>& byHand = {})
{
    Simulation result;
    bool scheduledRuns = false;
    QDateTime startedAt;
    bool handRuns = false;
    for (; clock.now() <= to; clock.advanceMs(kTickMs)) {
        const QDateTime now = clock.now();
        bool hand = false;
        for (const HandRecording& h : byHand)
            hand = hand || (now >= h.from && now < h.to);
        if (handRuns && !hand)
            countdown.recordingEnded();
        handRuns = hand;
        const ScheduleCountdown::Tick tick = countdown.tick(scheduledRuns || handRuns);
        result.waits += tick.waitStarted ? 1 : 0;
        result.skips += tick.skipped ? 1 : 0;
        if (tick.stopNow && scheduledRuns) {
            scheduledRuns = false;
            result.recorded.append({startedAt, now});
            countdown.recordingEnded();
        }
        if (tick.startNow && !handRuns) {
            scheduledRuns = true;
            startedAt = now;
        }
    }
    return result;
}

}  // namespace

Q_DECLARE_METATYPE(ScheduleRepeat)

using tablerows::addRow;

class TestScheduleRepeat : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(ParserXML::settingsFilePath());
        QRecordAreaInfo::instance().setScheduled(false);
    }

    void recordsOnTheDaysItRepeats_data()
    {
        QTest::addColumn<ScheduleRepeat>("repeat");
        QTest::addColumn<uint64_t>("start");
        QTest::addColumn<uint64_t>("end");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<Spans>("expected");
        addRow("every day 23:00 for an hour, three days", repeat(Mode::Daily), at(23, 0), at(0, 0),
               when(0, 12, 0), when(3, 12, 0),
               Spans{{when(0, 23, 0), when(1, 0, 0)},
                     {when(1, 23, 0), when(2, 0, 0)},
                     {when(2, 23, 0), when(3, 0, 0)}});
        addRow("weekdays skip Saturday and Sunday", repeat(Mode::Weekdays), at(8, 0), at(8, 30),
               when(4, 12, 0), when(7, 12, 0), Spans{{when(7, 8, 0), when(7, 8, 30)}});
        addRow("Tuesday and Thursday", repeat(Mode::Days, {2, 4}), at(6, 0), at(6, 15),
               when(0, 0, 0), when(7, 0, 0),
               Spans{{when(1, 6, 0), when(1, 6, 15)}, {when(3, 6, 0), when(3, 6, 15)}});
        addRow("once stays once", repeat(Mode::Once), at(23, 0), at(0, 0), when(0, 12, 0),
               when(2, 12, 0), Spans{{when(0, 23, 0), QDateTime()}});
    }

    void recordsOnTheDaysItRepeats()
    {
        QFETCH(ScheduleRepeat, repeat);
        QFETCH(uint64_t, start);
        QFETCH(uint64_t, end);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(Spans, expected);
        ManualClock clock(from);
        ScheduleCountdown countdown(clock);
        countdown.arm(start, end, repeat);
        const Simulation run = simulate(countdown, clock, to);
        if (!repeat.repeats()) {
            // A one-time schedule starts once and leaves the end to the recorded length.
            QVERIFY(!countdown.isArmed());
            QCOMPARE(run.recorded.size(), 0);
            return;
        }
        QCOMPARE(run.recorded, expected);
        QVERIFY(countdown.isArmed());
        QCOMPARE(run.waits, 0);
    }

    void startDuringARecordingWaits_data()
    {
        QTest::addColumn<QDateTime>("handFrom");
        QTest::addColumn<QDateTime>("handTo");
        QTest::addColumn<Spans>("expected");
        QTest::addColumn<int>("skips");
        addRow("ends within the span: the rest is recorded", when(0, 22, 50), when(0, 23, 20),
               Spans{{when(0, 23, 20), when(1, 0, 0)}}, 0);
        addRow("outlasts the span: that night is skipped", when(0, 22, 50), when(1, 0, 10), Spans{},
               1);
    }

    // Every day 23:00 to 00:00 while the user records 22:50 onwards by hand. The next night
    // records as usual.
    void startDuringARecordingWaits()
    {
        QFETCH(QDateTime, handFrom);
        QFETCH(QDateTime, handTo);
        QFETCH(Spans, expected);
        QFETCH(int, skips);
        ManualClock clock(when(0, 12, 0));
        ScheduleCountdown countdown(clock);
        countdown.arm(at(23, 0), at(0, 0), repeat(Mode::Daily));
        const Simulation run = simulate(countdown, clock, when(1, 12, 0), {{handFrom, handTo}});
        QCOMPARE(run.recorded, expected);
        QCOMPARE(run.waits, 1);
        QCOMPARE(run.skips, skips);
        QCOMPARE(countdown.target(), when(1, 23, 0));
        const Simulation next = simulate(countdown, clock, when(2, 12, 0));
        QCOMPARE(next.recorded, (Spans{{when(1, 23, 0), when(2, 0, 0)}}));
    }

    void missedStartIsSkipped_data()
    {
        QTest::addColumn<QDateTime>("startedAt");
        QTest::addColumn<QDateTime>("firstStart");
        QTest::newRow("started before the time") << when(0, 22, 0) << when(0, 23, 0);
        QTest::newRow("started within the span") << when(0, 23, 30) << when(1, 23, 0);
        QTest::newRow("started after the span") << when(1, 9, 0) << when(1, 23, 0);
    }

    // The program was not running at 23:00; stored, the schedule comes back at start-up and waits
    // for its next time instead of recording late.
    void missedStartIsSkipped()
    {
        QFETCH(QDateTime, startedAt);
        QFETCH(QDateTime, firstStart);
        TimeOptions::confirmSchedule(true, at(23, 0), at(0, 0), repeat(Mode::Daily));
        TimeOptions::setSchedule(true);
        QRecordAreaInfo::instance().setScheduled(false);

        QVERIFY(TimeOptions::restoreRepeating());
        const QRecordAreaInfo& area = QRecordAreaInfo::instance();
        QVERIFY(area.scheduled());
        ManualClock clock(startedAt);
        ScheduleCountdown countdown(clock);
        countdown.arm(area.scheduleStartUs(), area.scheduleEndUs(), area.scheduleRepeat());
        const Simulation run = simulate(countdown, clock, firstStart.addSecs(-1));
        QCOMPARE(run.recorded, Spans{});
        QCOMPARE(countdown.target(), firstStart);
        // The dialog's first opening resets a one-time schedule, not this one.
        TimeOptions::resetStored();
        QVERIFY(TimeOptions::restoreRepeating());
    }

    void storedChoiceRoundTrips_data()
    {
        QTest::addColumn<ScheduleRepeat>("repeat");
        QTest::addColumn<bool>("restored");
        QTest::newRow("once") << repeat(Mode::Once) << false;
        QTest::newRow("every day") << repeat(Mode::Daily) << true;
        QTest::newRow("weekdays") << repeat(Mode::Weekdays) << true;
        QTest::newRow("Monday, Wednesday, Sunday") << repeat(Mode::Days, {1, 3, 7}) << true;
        QTest::newRow("chosen days, none chosen") << repeat(Mode::Days) << false;
    }

    void storedChoiceRoundTrips()
    {
        QFETCH(ScheduleRepeat, repeat);
        QFETCH(bool, restored);
        TimeOptions::setSchedule(true);
        TimeOptions::confirmSchedule(true, at(7, 30), at(8, 0), repeat);
        QRecordAreaInfo::instance().setScheduleRepeat({});

        const TimeOptions::State state = TimeOptions::load();
        QVERIFY(state.repeat == repeat);
        QCOMPARE(state.startUs, at(7, 30));
        QCOMPARE(TimeOptions::restoreRepeating(), restored);
        QVERIFY(QRecordAreaInfo::instance().scheduleRepeat() == repeat);
    }
};

QTEST_GUILESS_MAIN(TestScheduleRepeat)
#include "tst_schedulerepeat.moc"
