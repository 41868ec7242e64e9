// The recorder's level blocks: what a reader polling now and then sees of the encoded audio,
// also when the file is written in bursts.
#include <QtTest>

#include <cmath>
#include <vector>

#include "brisca/brisca.h"
#include "levelmeter.h"

using brisca::LevelMeter;

namespace {

struct Block {
    quint32 rate = 0;
    qint64 firstUs = 0;
    std::vector<quint16> levels;
};

// Takes a block and copies it out; an empty `levels` when the meter had nothing new.
Block take(LevelMeter& meter)
{
    Block b;
    const uint8_t* raw = meter.takeBlock();
    if (!raw)
        return b;
    const quint32 bytes = qFromLittleEndian<quint32>(raw + 40);
    b.rate = qFromLittleEndian<quint32>(raw + 4);
    b.firstUs = qFromLittleEndian<qint64>(raw + 16);
    for (quint32 i = 0; i < bytes / 2; ++i)
        b.levels.push_back(qFromLittleEndian<quint16>(raw + BRISCA_LEVEL_HEADER_BYTES + 2 * i));
    LevelMeter::releaseBlock(raw);
    return b;
}

// Stereo silence with a tone of amplitude 0.5 from `toneFrom` for `toneFrames` frames.
std::vector<float> silenceWithTone(int frames, int toneFrom, int toneFrames)
{
    std::vector<float> samples(size_t(frames) * 2, 0.0f);
    for (int i = toneFrom; i < toneFrom + toneFrames && i < frames; ++i)
        samples[size_t(i) * 2] = samples[size_t(i) * 2 + 1] =
            0.5f * float(std::sin(2 * M_PI * 440.0 * i / 44100.0));
    return samples;
}

quint16 loudest(const std::vector<quint16>& levels, size_t from = 0, size_t to = SIZE_MAX)
{
    quint16 peak = 0;
    for (size_t i = from; i < std::min(to, levels.size()); ++i)
        peak = std::max(peak, levels[i]);
    return peak;
}

}  // namespace

class TestLevelMeter : public QObject {
    Q_OBJECT

private slots:
    // A reader that polls every 50 ms sees the newest 50 ms, and nothing twice when nothing came.
    void steadyTakes()
    {
        LevelMeter meter;
        meter.reset(44100, 2);
        QVERIFY(take(meter).levels.empty());
        const std::vector<float> tone = silenceWithTone(1764, 0, 1764);  // 40 ms
        meter.feed(tone.data(), 1764, 0);
        Block first = take(meter);
        QCOMPARE(first.levels.size(), size_t(1764));  // all there is
        QCOMPARE(first.rate, quint32(44100));
        QVERIFY(take(meter).levels.empty());
        meter.feed(tone.data(), 1764, 1764);
        Block second = take(meter);
        QCOMPARE(second.levels.size(), size_t(2205));  // 50 ms, of which 40 are new
        QCOMPARE(second.firstUs, qint64(3528 - 2205) * 1000000 / 44100);
    }

    // A burst of seconds with a short tone inside: the block shows the tone, condensed to at
    // most 16000 levels with the rate saying so. A 50 ms view of the burst's end would not.
    void burstKeepsWhatCameBetweenTakes_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("toneFrom");
        QTest::newRow("tone at the start of 3 s") << 3 * 44100 << 0;
        QTest::newRow("tone in the middle of 3 s") << 3 * 44100 << 44100;
        QTest::newRow("tone in 0.3 s, no condensing") << 13230 << 2000;
    }
    void burstKeepsWhatCameBetweenTakes()
    {
        QFETCH(int, frames);
        QFETCH(int, toneFrom);
        LevelMeter meter;
        meter.reset(44100, 2);
        const std::vector<float> burst = silenceWithTone(frames, toneFrom, 4410);
        // The recorder feeds its bursts in chunks.
        for (int at = 0; at < frames; at += 4096)
            meter.feed(burst.data() + size_t(at) * 2, std::min(4096, frames - at), at);
        Block b = take(meter);
        QVERIFY(!b.levels.empty() && b.levels.size() <= LevelMeter::kMaxBlockLevels);
        const size_t step =
            (size_t(frames) + LevelMeter::kMaxBlockLevels - 1) / LevelMeter::kMaxBlockLevels;
        QCOMPARE(b.rate, quint32(44100 / step));
        QCOMPARE(b.firstUs, qint64(0));
        // The tone's peak (0.5 of full scale) is where it was played, and only there.
        const size_t toneAt = size_t(toneFrom) / step, toneEnd = size_t(toneFrom + 4410) / step;
        QVERIFY2(loudest(b.levels, toneAt, toneEnd + 1) > 32000,
                 qPrintable(QString::number(loudest(b.levels, toneAt, toneEnd + 1))));
        QCOMPARE(loudest(b.levels, 0, toneAt), quint16(0));
        QCOMPARE(loudest(b.levels, toneEnd + 1), quint16(0));
    }

    // Nobody reads (the command line): what is held stays bounded, and a late reader gets the
    // newest seconds.
    void unreadLevelsStayBounded()
    {
        LevelMeter meter;
        meter.reset(44100, 2);
        const std::vector<float> second = silenceWithTone(44100, 0, 0);
        for (int s = 0; s < 20; ++s)
            meter.feed(second.data(), 44100, qint64(s) * 44100);
        Block b = take(meter);
        QVERIFY(!b.levels.empty() && b.levels.size() <= LevelMeter::kMaxBlockLevels);
        QVERIFY2(b.firstUs >= 12 * 1000000LL, qPrintable(QString::number(b.firstUs)));
    }
};

QTEST_GUILESS_MAIN(TestLevelMeter)
#include "test_level_meter.moc"
