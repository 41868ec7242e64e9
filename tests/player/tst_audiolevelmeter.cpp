// The level display's arithmetic against blocks built here: how many bars and cells fit, the
// averaging into lit cells, the silence test of both styles, and the falling peak markers.

#include <QtTest>

#include <vector>

#include "audiolevelmeter.h"
#include "levelblock.h"
#include "tablerows.h"

namespace {

bool take(AudioLevelMeter& meter, const std::vector<uint16_t>& levels, int sps = -1)
{
    const QByteArray block = levelBlock(levels);
    return meter.takeBlock(reinterpret_cast<const unsigned char*>(block.constData()),
                           sps < 0 ? int(levels.size()) : sps);
}

AudioDisplayStyle barStyle(int barWidth, int cellHeight, int barGap, int cellGap)
{
    AudioDisplayStyle s;
    s.kind = AudioDisplayStyle::Bars;
    s.barWidth = barWidth;
    s.cellHeight = cellHeight;
    s.barGap = barGap;
    s.cellGap = cellGap;
    return s;
}

AudioDisplayStyle lineStyle()
{
    AudioDisplayStyle s = barStyle(2, 1, 6, 1);
    s.kind = AudioDisplayStyle::Line;
    return s;
}

AudioDisplayStyle withPeaks(AudioDisplayStyle s, bool gravity)
{
    s.peaks = true;
    s.peakGravity = gravity;
    return s;
}

}  // namespace

Q_DECLARE_METATYPE(AudioDisplayStyle)
Q_DECLARE_METATYPE(std::vector<uint16_t>)
Q_DECLARE_METATYPE(std::vector<int>)

using tablerows::addRow;

class TestAudioLevelMeter : public QObject {
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<AudioDisplayStyle>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("cells");
        // bars = (width + gap + 1) / (bar + gap); cells = (height + gap + 1) / (cell + gap).
        QTest::newRow("led meter") << barStyle(4, 3, 2, 1) << 100 << 40 << 17 << 10;
        QTest::newRow("exact fit") << barStyle(4, 3, 2, 1) << 16 << 11 << 3 << 3;
        QTest::newRow("line ignores gaps") << lineStyle() << 300 << 48 << 150 << 49;
        QTest::newRow("narrower than a bar") << barStyle(4, 3, 2, 1) << 2 << 40 << 0 << 10;
        QTest::newRow("empty") << barStyle(4, 3, 2, 1) << 0 << 0 << 0 << 0;
    }

    void layout()
    {
        QFETCH(AudioDisplayStyle, style);
        QFETCH(int, width);
        QFETCH(int, height);
        AudioLevelMeter meter(style);
        meter.resize(width, height);
        QFETCH(int, bars);
        QFETCH(int, cells);
        QCOMPARE(meter.barCount(), bars);
        QCOMPARE(meter.cellCount(), cells);
        QCOMPARE(int(meter.values().size()), meter.barCount());
    }

    void averagesRangesIntoCells()
    {
        AudioLevelMeter meter(barStyle(4, 3, 2, 1));
        meter.resize(22, 40);  // 4 bars, 10 cells
        QCOMPARE(meter.barCount(), 4);
        // Ten levels over four bars: ranges [0,2) [2,5) [5,7) [7,10).
        take(meter, {65535, 65535, 0, 0, 0, 32768, 32768, 6554, 6554, 6554});
        // value = (average * 10) >> 16: 9 (65535), 0, 5 (32768), 1 (6554).
        QCOMPARE(meter.values(), (std::vector<int>{9, 0, 5, 1}));
        QVERIFY(meter.hasData());
        meter.clearHasData();
        QVERIFY(!meter.hasData());
    }

    void moreBarsThanLevelsRepeatLevels()
    {
        AudioLevelMeter meter(barStyle(1, 1, 0, 0));
        meter.resize(4, 15);  // 5 bars, 16 cells
        // Five bars over two levels: ranges [0,0) [0,0) [0,1) [1,1) [1,2); an empty range takes the
        // level at its start.
        take(meter, {65535, 32768});
        QCOMPARE(meter.values(), (std::vector<int>{15, 15, 15, 8, 8}));
    }

    void longBlocksUseTheirFirstLevelsOnly()
    {
        AudioLevelMeter meter(lineStyle());
        meter.resize(4, 16);  // 2 bars
        // sps 44100 with 4410 levels: only 4410 * 16000 / 44100 = 1600 are used.
        std::vector<uint16_t> levels(4410, 0);
        for (size_t i = 1600; i < levels.size(); ++i)
            levels[i] = 65535;
        QVERIFY(take(meter, levels, 44100));
        QCOMPARE(meter.values(), (std::vector<int>{0, 0}));
        levels[1599] = 65535;
        QVERIFY(!take(meter, levels, 44100));
    }

    void silence_data()
    {
        QTest::addColumn<AudioDisplayStyle>("style");
        QTest::addColumn<std::vector<uint16_t>>("levels");
        QTest::addColumn<bool>("silent");
        const std::vector<uint16_t> hum(100, 3000);
        std::vector<uint16_t> humPlus10 = hum;
        humPlus10[50] = 3010;
        std::vector<uint16_t> humPlus11 = hum;
        humPlus11[50] = 3011;
        std::vector<uint16_t> humMinus11 = hum;
        humMinus11[99] = 2989;
        // Line style: loud only when a level differs from the first by more than 10.
        QTest::newRow("line: zeros") << lineStyle() << std::vector<uint16_t>(100, 0) << true;
        QTest::newRow("line: steady hum") << lineStyle() << hum << true;
        QTest::newRow("line: +10") << lineStyle() << humPlus10 << true;
        QTest::newRow("line: +11") << lineStyle() << humPlus11 << false;
        QTest::newRow("line: -11 at the end") << lineStyle() << humMinus11 << false;
        // Bar style: loud when a bar lights at least one cell.
        QTest::newRow("bars: hum below a cell") << barStyle(4, 3, 2, 1) << hum << true;
        addRow("bars: one lit cell", barStyle(4, 3, 2, 1), std::vector<uint16_t>(100, 6554), false);
    }

    void silence()
    {
        QFETCH(AudioDisplayStyle, style);
        QFETCH(std::vector<uint16_t>, levels);
        AudioLevelMeter meter(style);
        meter.resize(22, 40);
        QFETCH(bool, silent);
        QCOMPARE(take(meter, levels), silent);
    }

    void peaksFall_data()
    {
        QTest::addColumn<bool>("gravity");
        QTest::addColumn<std::vector<int>>("heights");
        // A full block lights 9 of 10 cells: 9 * (3 + 1) - 1 = 35 pixels; then silence.
        // With gravity the counter goes 1..6 and the peak falls counter^2 / 8: 0, 0, 1, 2, 3, 4.
        QTest::newRow("gravity") << true << std::vector<int>{35, 35, 35, 34, 32, 29, 25};
        addRow("one pixel per block", false, std::vector<int>{35, 34, 33, 32, 31, 30, 29});
    }

    void peaksFall()
    {
        QFETCH(bool, gravity);
        QFETCH(std::vector<int>, heights);
        AudioLevelMeter meter(withPeaks(barStyle(4, 3, 2, 1), gravity));
        meter.resize(4, 40);  // one bar of 10 cells
        take(meter, std::vector<uint16_t>(10, 65535));
        std::vector<int> seen{meter.peaks().at(0)};
        while (seen.size() < heights.size()) {
            take(meter, std::vector<uint16_t>(10, 0));
            seen.push_back(meter.peaks().at(0));
        }
        QCOMPARE(seen, heights);
    }

    void higherBarLiftsThePeak()
    {
        AudioLevelMeter meter(withPeaks(barStyle(4, 3, 2, 1), true));
        meter.resize(4, 40);
        take(meter, std::vector<uint16_t>(10, 32768));  // 5 cells: 19 px
        for (int i = 0; i < 4; ++i)
            take(meter, std::vector<uint16_t>(10, 0));  // falls 0, 0, 1, 2
        QCOMPARE(meter.peaks().at(0), 16);
        take(meter, std::vector<uint16_t>(10, 65535));
        QCOMPARE(meter.peaks().at(0), 35);
        // The counter started again: the next fall is 0 pixels.
        take(meter, std::vector<uint16_t>(10, 0));
        QCOMPARE(meter.peaks().at(0), 35);
    }

    void nullBlockClears()
    {
        AudioLevelMeter meter(withPeaks(barStyle(4, 3, 2, 1), false));
        meter.resize(22, 40);
        take(meter, std::vector<uint16_t>(10, 65535));
        QVERIFY(meter.hasData());
        QVERIFY(meter.takeBlock(nullptr, 0));
        QVERIFY(!meter.hasData());
        QCOMPARE(meter.peaks(), std::vector<int>(4, 0));
    }

    void noBarsDrawsNothing()
    {
        AudioLevelMeter meter(withPeaks(barStyle(4, 3, 2, 1), true));
        meter.resize(1, 40);
        QCOMPARE(meter.barCount(), 0);
        QVERIFY(
            take(meter, std::vector<uint16_t>(10, 65535)));  // no bar lights: silent in bar style
        QVERIFY(meter.values().empty());
        QVERIFY(meter.peaks().empty());
    }
};

QTEST_GUILESS_MAIN(TestAudioLevelMeter)
#include "tst_audiolevelmeter.moc"
