// The wave display's picture: the newest block's columns over the fading trace of the kept
// ones, each layer showing only where it reaches beyond the newer ones, over the background.

#include <QBackingStore>
#include <QtTest>

#include "levelblock.h"
#include "nxskin.h"
#include "qaudiowavewidget.h"

namespace {

// No levels: the null block that clears the display.
void feed(QAudioWaveWidget& wave, const std::vector<uint16_t>& levels)
{
    QByteArray block = levelBlock(levels);
    wave.setAudioData(levels.empty() ? nullptr : reinterpret_cast<unsigned char*>(block.data()),
                      int(levels.size()));
}

void show(QAudioWaveWidget& wave, uint16_t level, QImage* picture)
{
    feed(wave, std::vector<uint16_t>(64, level));
    *picture = wave.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestAudioWaveWidget : public QObject {
    Q_OBJECT
private slots:
    void newestOverTrailOverBackground()
    {
        const QColor background(10, 20, 30);
        QAudioWaveWidget wave;
        wave.setBackgroundColor(background);
        wave.resize(40, 48);
        wave.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wave));

        // Two loud blocks: the second is kept behind what follows. Then a quiet one.
        QImage picture;
        show(wave, 0xffff, &picture);
        show(wave, 0xffff, &picture);
        QCOMPARE(wave.keptLines().size(), 1);
        show(wave, 0, &picture);

        const QRgb newest = QAudioWaveWidget::waveStyle().barColor.rgb();
        const QRgb kept = NxSkin::waveTrail(0).rgb();
        const int centre = picture.height() / 2;
        for (int x = 0; x < picture.width(); x += 7) {
            QCOMPARE(picture.pixel(x, centre), newest);
            QCOMPARE(picture.pixel(x, centre - 1), newest);
            QCOMPARE(picture.pixel(x, 2), kept);
            QCOMPARE(picture.pixel(x, picture.height() - 3), kept);
        }

        // Quiet from now on: the loud block leaves the trace, the background comes back.
        for (int i = 0; i < 2 * QAudioWaveWidget::kKeptLines * QAudioWaveWidget::kKeepEvery; ++i)
            show(wave, 0, &picture);
        QCOMPARE(picture.pixel(picture.width() / 2, 2), background.rgb());
        QCOMPARE(picture.pixel(picture.width() / 2, centre), newest);
    }
    // A block repaints only the band around the centre that it and the last picture reach. What
    // the window shows must still equal a full repaint of the same blocks: a loud block's rows
    // go back to the background when quiet ones follow, and a null block clears the wave.
    void repaintedBandsMatchFullRepaints()
    {
        const QColor background(10, 20, 30);
        QWidget window;
        window.resize(90, 70);
        QAudioWaveWidget wave(QAudioWaveWidget::waveStyle(), &window);
        wave.setGeometry(13, 9, 60, 48);
        // Never shown: it paints only when rendered, once per block, always all of it, and into
        // a pixmap, so through the painter.
        QAudioWaveWidget reference;
        reference.resize(wave.size());
        reference.grab();  // delivers its resize: the meter lays its bars out
        const qreal ratio = window.devicePixelRatioF();
        QPixmap full(reference.size() * ratio);
        full.setDevicePixelRatio(ratio);
        for (QAudioWaveWidget* w : {&wave, &reference})
            w->setBackgroundColor(background);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();

        const std::vector<uint16_t> loud(64, 0xffff), quiet(64, 0x0400), none;
        std::vector<uint16_t> ramp(64);
        for (size_t i = 0; i < ramp.size(); ++i)
            ramp[i] = uint16_t(i * 1000);
        std::vector<std::vector<uint16_t>> blocks = {loud, loud, ramp, quiet, loud, none, quiet};
        blocks.insert(blocks.end(), 2 * QAudioWaveWidget::kKeptLines * QAudioWaveWidget::kKeepEvery,
                      quiet);
        for (size_t i = 0; i < blocks.size(); ++i) {
            for (QAudioWaveWidget* w : {&wave, &reference})
                feed(*w, blocks[i]);
            QApplication::processEvents();
            reference.render(&full);
            auto* store = static_cast<QImage*>(window.backingStore()->paintDevice());
            const QRect area(wave.pos() * ratio, full.size());
            const QImage shown = store->copy(area).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == full.toImage().convertToFormat(QImage::Format_RGB32),
                     qPrintable(QStringLiteral("after block %1").arg(i)));
        }
    }
    // Painting only part of the wave (what the window asks when another widget lies over the
    // rest) leaves the other pixels of the target alone.
    void paintsOnlyTheAskedPart()
    {
        QAudioWaveWidget wave;
        wave.setBackgroundColor(QColor(10, 20, 30));
        wave.resize(60, 48);
        const QByteArray block = levelBlock(std::vector<uint16_t>(64, 0xffff));
        wave.setAudioData(reinterpret_cast<unsigned char*>(const_cast<char*>(block.constData())),
                          64);
        QImage target(60, 48, QImage::Format_RGB32);
        target.fill(QColor(200, 0, 0));
        wave.render(&target, QPoint(), QRegion(0, 0, 40, 48));
        QCOMPARE(target.pixel(50, 24), QColor(200, 0, 0).rgb());
        QCOMPARE(target.pixel(10, 24), QAudioWaveWidget::waveStyle().barColor.rgb());
    }
};

QTEST_MAIN(TestAudioWaveWidget)
#include "tst_audiowavewidget.moc"
