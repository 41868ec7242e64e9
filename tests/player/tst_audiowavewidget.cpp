// The wave display's picture: the newest block's columns over the fading trace of the kept
// ones, each layer showing only where it reaches beyond the newer ones, over the background.

#include <QtTest>

#include "levelblock.h"
#include "nxskin.h"
#include "qaudiowavewidget.h"

namespace {

void show(QAudioWaveWidget& wave, uint16_t level, QImage* picture)
{
    const QByteArray block = levelBlock(std::vector<uint16_t>(64, level));
    wave.setAudioData(reinterpret_cast<unsigned char*>(const_cast<char*>(block.constData())), 64);
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
