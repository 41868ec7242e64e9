// Stamping of captured packets: stream position while data is continuous, the wall clock only
// when data was really lost, and the watchdog's silent blocks.

#include "capturetimeline.h"

#include <QtTest>

struct TimelineEvent {
    bool silence;
    qint64 elapsedUs;
    qint64 frames;
    qint64 expectedUs;
};
Q_DECLARE_METATYPE(QVector<TimelineEvent>)

static TimelineEvent packet(qint64 elapsedUs, qint64 frames, qint64 expectedUs)
{
    return {false, elapsedUs, frames, expectedUs};
}

static TimelineEvent silence(qint64 elapsedUs, qint64 expectedUs)
{
    return {true, elapsedUs, 64, expectedUs};
}

class TestCaptureTimeline : public QObject {
    Q_OBJECT
private slots:
    void stamps_data();
    void stamps();
};

void TestCaptureTimeline::stamps_data()
{
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<QVector<TimelineEvent>>("events");

    QTest::newRow("steady 10 ms packets")
        << 44100
        << QVector<TimelineEvent>{packet(12000, 441, 12000), packet(22500, 441, 22000),
                                  packet(31000, 441, 32000)};
    QTest::newRow("burst after a late read keeps the stream position")
        << 48000
        << QVector<TimelineEvent>{packet(10000, 480, 10000), packet(850000, 480, 20000),
                                  packet(850100, 480, 30000), packet(850200, 38400, 40000),
                                  packet(860000, 480, 840000)};
    QTest::newRow("data lost for more than a second re-anchors")
        << 44100
        << QVector<TimelineEvent>{packet(10000, 441, 10000), packet(2500000, 441, 2500000),
                                  packet(2510000, 441, 2510000)};
    QTest::newRow("silent block early on is stamped 0")
        << 44100 << QVector<TimelineEvent>{silence(60000, 0), packet(70000, 441, 70000)};
    QTest::newRow("after a silent block the stream starts again at the wall clock")
        << 44100
        << QVector<TimelineEvent>{packet(10000, 441, 10000), silence(1200000, 1100000),
                                  silence(2200000, 2100000), packet(2900000, 441, 2900000),
                                  packet(3500000, 441, 2910000)};
}

void TestCaptureTimeline::stamps()
{
    QFETCH(int, rateHz);
    QFETCH(QVector<TimelineEvent>, events);
    CaptureTimeline timeline(rateHz);
    for (int i = 0; i < events.size(); ++i) {
        const TimelineEvent& e = events.at(i);
        const qint64 ts = e.silence ? timeline.stampSilence(e.elapsedUs)
                                    : timeline.stampPacket(e.elapsedUs, e.frames);
        QVERIFY2(ts == e.expectedUs,
                 qPrintable(QStringLiteral("event %1: %2 instead of %3")
                                .arg(i)
                                .arg(ts)
                                .arg(e.expectedUs)));
    }
}

QTEST_APPLESS_MAIN(TestCaptureTimeline)
#include "tst_capturetimeline.moc"
