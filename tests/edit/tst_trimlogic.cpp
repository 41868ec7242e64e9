// The Trim tab's rules without a window: time texts and their parsing, the marks' clamping,
// and the range slider's pixel rules.
#include <QtTest>

#include "dualsliderrange.h"
#include "tablerows.h"
#include "trimmarks.h"
#include "trimtime.h"

using tablerows::addRow;

class TestTrimLogic : public QObject {
    Q_OBJECT
private slots:
    void timeTexts_data()
    {
        QTest::addColumn<qulonglong>("us");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qulonglong>("parsed");  // the text read back: whole milliseconds
        QTest::newRow("zero") << 0ULL << "00:00:00.000" << 0ULL;
        QTest::newRow("below a millisecond") << 999ULL << "00:00:00.000" << 0ULL;
        QTest::newRow("truncated, not rounded") << 1999999ULL << "00:00:01.999" << 1999000ULL;
        QTest::newRow("every part") << 3723004000ULL << "01:02:03.004" << 3723004000ULL;
        addRow("hours are not wrapped", 100ULL * 3600000000ULL, "100:00:00.000",
               100ULL * 3600000000ULL);
    }

    void timeTexts()
    {
        QFETCH(qulonglong, us);
        QFETCH(QString, text);
        QFETCH(qulonglong, parsed);
        QCOMPARE(trimTimeText(us), text);
        uint64_t back = 1;
        QVERIFY(parseTrimTime(text, &back));
        QCOMPARE(back, uint64_t(parsed));
        QCOMPARE(trimTimeText(back), text);
    }

    void badTimeTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("no milliseconds") << "00:00:05";
        QTest::newRow("half typed") << "00:0 :05.000";
        QTest::newRow("letters") << "00:ab:05.000";
        QTest::newRow("sign") << "-1:00:05.000";
        QTest::newRow("empty part") << "00::05.000";
        QTest::newRow("too many digits") << "1234567890:00:00.000";
    }

    void badTimeTexts()
    {
        QFETCH(QString, text);
        uint64_t us = 42;
        QVERIFY(!parseTrimTime(text, &us));
        QCOMPARE(us, uint64_t(42));  // untouched
    }

    void marks_data()
    {
        // Marks on a 60 s file: an operation, then the marks it leaves.
        QTest::addColumn<QString>("op");  // "start", "end" or "range"
        QTest::addColumn<qulonglong>("startBefore");
        QTest::addColumn<qulonglong>("endBefore");
        QTest::addColumn<qulonglong>("a");
        QTest::addColumn<qulonglong>("b");
        QTest::addColumn<qulonglong>("start");
        QTest::addColumn<qulonglong>("end");
        QTest::addColumn<qulonglong>("shownEnd");
        QTest::addColumn<bool>("canCut");
        const qulonglong s = 1000000, d = 60 * s;
        addRow("nothing marked", "start", 0ULL, 0ULL, 0ULL, 0ULL, 0ULL, 0ULL, d, false);
        addRow("start without end", "start", 0ULL, 0ULL, 10 * s, 0ULL, 10 * s, 0ULL, d, true);
        addRow("start after the end becomes the end", "start", 0ULL, 20 * s, 30 * s, 0ULL, 20 * s,
               20 * s, 20 * s, true);
        addRow("start beyond the file stops at its end", "start", 0ULL, 0ULL, 90 * s, 0ULL, d, 0ULL,
               d, true);
        addRow("end before the start becomes the start", "end", 10 * s, 0ULL, 5 * s, 0ULL, 10 * s,
               10 * s, 10 * s, true);
        addRow("end at the duration is no end", "end", 10 * s, 30 * s, d, 0ULL, 10 * s, 0ULL, d,
               true);
        addRow("end beyond the duration is no end", "end", 0ULL, 30 * s, 2 * d, 0ULL, 0ULL, 0ULL, d,
               false);
        addRow("end just before the duration stays", "end", 0ULL, 0ULL, d - 1, 0ULL, 0ULL, d - 1,
               d - 1, true);
        addRow("range of a clip row", "range", 50 * s, 55 * s, 10 * s, 20 * s, 10 * s, 20 * s,
               20 * s, true);
        addRow("range whose end is the file's end", "range", 0ULL, 0ULL, 10 * s, d, 10 * s, 0ULL, d,
               true);
    }

    void marks()
    {
        QFETCH(QString, op);
        QFETCH(qulonglong, startBefore);
        QFETCH(qulonglong, endBefore);
        QFETCH(qulonglong, a);
        QFETCH(qulonglong, b);
        QFETCH(qulonglong, start);
        QFETCH(qulonglong, end);
        QFETCH(qulonglong, shownEnd);
        QFETCH(bool, canCut);
        TrimMarks marks;
        marks.reset(60000000);
        marks.setRange(startBefore, endBefore ? endBefore : 60000000);
        if (op == QLatin1String("start"))
            marks.setStart(a);
        else if (op == QLatin1String("end"))
            marks.setEnd(a);
        else
            marks.setRange(a, b);
        QCOMPARE(marks.startUs(), uint64_t(start));
        QCOMPARE(marks.endUs(), uint64_t(end));
        QCOMPARE(marks.shownEndUs(), uint64_t(shownEnd));
        QCOMPARE(marks.hasMarks(), canCut);
        QCOMPARE(marks.segmentUs(), uint64_t(shownEnd - start));
    }

    void sliderPixels_data()
    {
        // A 222-pixel slider with an 11-pixel margin: W = 201.
        QTest::addColumn<QString>("handle");
        QTest::addColumn<int>("other");  // the other mark's pixel
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("placed");
        QTest::newRow("start inside") << "start" << 150 << 40 << 40;
        QTest::newRow("start left of the track") << "start" << 150 << -30 << 0;
        QTest::newRow("start onto the end") << "start" << 150 << 150 << 148;
        QTest::newRow("start past the end") << "start" << 150 << 500 << 148;
        QTest::newRow("start with the end at 1") << "start" << 1 << 1 << 0;
        QTest::newRow("end inside") << "end" << 40 << 120 << 120;
        QTest::newRow("end right of the track") << "end" << 40 << 900 << 201;
        QTest::newRow("end onto the start") << "end" << 40 << 40 << 42;
        QTest::newRow("end past the start") << "end" << 40 << -5 << 42;
        QTest::newRow("end with the start at the far end") << "end" << 201 << 0 << 201;
        QTest::newRow("position anywhere") << "position" << 0 << 250 << 201;
    }

    void sliderPixels()
    {
        QFETCH(QString, handle);
        QFETCH(int, other);
        QFETCH(int, x);
        QFETCH(int, placed);
        using namespace DualSliderRange;
        const int w = usableWidth(222, 11);
        QCOMPARE(w, 201);
        int got = clampPosition(x, w);
        if (handle == QLatin1String("start"))
            got = clampStart(x, other, w);
        else if (handle == QLatin1String("end"))
            got = clampEnd(x, other, w);
        QCOMPARE(got, placed);
        // Percentages in, fractions out: the pixel's fraction gives back the same pixel.
        QCOMPARE(pixelOfPercent(fractionOfPixel(got, w) * 100.0, w), got);
    }
};

QTEST_GUILESS_MAIN(TestTrimLogic)
#include "tst_trimlogic.moc"
