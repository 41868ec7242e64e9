// Stamping of captured data: by capture time and stream position, new segments only where the
// device really paused, and silence that covers idle time without ever taking audio's place.

#include "capturetimeline.h"

#include <QtTest>

namespace {

enum class Step { Confirm, Stamp, Idle };

// Confirm: value = capture time, expect = silence frames, expectFrom = silence start.
// Stamp:   value = frames,       expect = timestamp.
// Idle:    value = until,        expect = silence frames, expectFrom = silence start.
struct Event {
    Step step;
    qint64 value;
    qint64 expect;
    qint64 expectFrom;
};

Event confirm(qint64 captureUs, qint64 silenceFrames, qint64 silenceFromUs)
{
    return {Step::Confirm, captureUs, silenceFrames, silenceFromUs};
}
Event stamp(qint64 frames, qint64 timestampUs)
{
    return {Step::Stamp, frames, timestampUs, 0};
}
Event idle(qint64 untilUs, qint64 silenceFrames, qint64 silenceFromUs)
{
    return {Step::Idle, untilUs, silenceFrames, silenceFromUs};
}

}  // namespace

Q_DECLARE_METATYPE(QVector<Event>)

class TestCaptureTimeline : public QObject {
    Q_OBJECT
private slots:
    void stamps_data();
    void stamps();
    void idleSilenceAddsUpWithoutDrift();
};

void TestCaptureTimeline::stamps_data()
{
    QTest::addColumn<qint64>("startUs");
    QTest::addColumn<QVector<Event>>("events");

    QTest::newRow("first data lands at its capture time, silence before it")
        << qint64(1000000)
        << QVector<Event>{confirm(1250000, 11025, 1000000), stamp(441, 1250000),
                          stamp(441, 1260000), stamp(441, 1270000)};
    QTest::newRow("audio captured before the start lands before it")
        << qint64(1000000) << QVector<Event>{confirm(990000, 0, 1000000), stamp(441, 990000)};
    QTest::newRow("late burst that continues the stream keeps its position")
        << qint64(0)
        << QVector<Event>{confirm(10000, 441, 0),   stamp(441, 10000),   stamp(441, 20000),
                          confirm(38000, 0, 30000), stamp(30870, 30000), stamp(441, 730000)};
    QTest::newRow("a device that paused starts again at its capture time after silence")
        << qint64(0)
        << QVector<Event>{confirm(0, 0, 0), stamp(44100, 0), confirm(2000000, 44100, 1000000),
                          stamp(441, 2000000), stamp(441, 2010000)};
    QTest::newRow("a hole is part of the stream")
        << qint64(0)
        << QVector<Event>{confirm(0, 0, 0), stamp(441, 0), stamp(22050, 10000), stamp(441, 510000)};
    QTest::newRow("silence while idle, then audio after it at its time")
        << qint64(0)
        << QVector<Event>{idle(-400000, 0, 0), idle(100000, 4410, 0), idle(200000, 4410, 100000),
                          confirm(300000, 4410, 200000), stamp(441, 300000)};
    QTest::newRow("audio that would overlap silence handed out starts right after it")
        << qint64(0)
        << QVector<Event>{idle(500000, 22050, 0), confirm(400000, 0, 500000), stamp(441, 500000),
                          stamp(441, 510000)};
    QTest::newRow("after silence a stream that agrees in time still starts a segment")
        << qint64(0)
        << QVector<Event>{confirm(0, 0, 0), stamp(4410, 0), idle(600000, 22050, 100000),
                          confirm(610000, 441, 600000), stamp(441, 610000)};
}

void TestCaptureTimeline::stamps()
{
    QFETCH(qint64, startUs);
    QFETCH(QVector<Event>, events);
    CaptureTimeline timeline;
    timeline.begin(44100, startUs);
    QVERIFY(timeline.needsTime());
    for (int i = 0; i < events.size(); ++i) {
        const Event& e = events.at(i);
        qint64 got = 0;
        int64_t from = 0;
        switch (e.step) {
            case Step::Confirm:
                got = timeline.confirm(e.value, &from);
                break;
            case Step::Stamp:
                got = timeline.stamp(e.value);
                break;
            case Step::Idle:
                got = timeline.silenceUntil(e.value, &from);
                break;
        }
        const bool fromMatters = e.step != Step::Stamp && got > 0;
        QVERIFY2(got == e.expect && (!fromMatters || from == e.expectFrom),
                 qPrintable(QStringLiteral("event %1: %2 from %3 instead of %4 from %5")
                                .arg(i)
                                .arg(got)
                                .arg(from)
                                .arg(e.expect)
                                .arg(e.expectFrom)));
    }
}

// An hour of silence handed out in 10 ms pieces adds up to exactly an hour of frames.
void TestCaptureTimeline::idleSilenceAddsUpWithoutDrift()
{
    CaptureTimeline timeline;
    timeline.begin(48000, 0);
    qint64 frames = 0;
    for (qint64 us = 9999; us <= 3600000000LL; us += 9999) {
        int64_t from = 0;
        frames += timeline.silenceUntil(us, &from);
    }
    int64_t from = 0;
    frames += timeline.silenceUntil(3600000000LL, &from);
    QCOMPARE(frames, qint64(3600) * 48000);
    QCOMPARE(timeline.coveredUs(), qint64(3600000000LL));
}

QTEST_APPLESS_MAIN(TestCaptureTimeline)
#include "tst_capturetimeline.moc"
