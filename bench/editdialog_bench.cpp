// Edit dialog speed helper for bench/editdialog.sh (not a test):
//   editdialog_bench --open FILE [--warm]
//                                    ms from building the dialog on FILE to the first frame
//                                    of the Trim tab's level display that shows sound; --warm
//                                    first opens and closes a dialog without a file, as a
//                                    session that has edited before has (fonts, skin images
//                                    and effect presets loaded)
//   editdialog_bench --drag FILE N   ms per frame of dragging the start handle of the range
//                                    slider N steps (event and synchronous repaint), then the
//                                    same for a plain QSlider of the same size as a peer
// Prints one number per line ("open_ms X", "drag_ms X", "peer_drag_ms X").
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>

#include <cstdio>

#include "qaudiowavewidget.h"
#include "qtrimwidget.h"
#include "qvedualslider.h"
#include "qvesliderctrlbtn.h"
#include "qvideoeditingdlg.h"

namespace {

// Ends the event loop at the first paint of the level display that has sound to show.
class FirstLevelFrame : public QObject {
public:
    explicit FirstLevelFrame(QAudioWaveWidget* wave) : m_wave(wave) {}
    qint64 elapsedMs = -1;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_wave && event->type() == QEvent::Paint && elapsedMs < 0 &&
            m_wave->meter().hasData()) {
            elapsedMs = clock.elapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QAudioWaveWidget* m_wave;
};

void warmUp()
{
    QVideoEditingDlg dialog;
    dialog.show();
    QApplication::processEvents();
}

int measureOpen(const QString& path, bool warm)
{
    if (warm)
        warmUp();
    QElapsedTimer clock;
    clock.start();
    QVideoEditingDlg dialog;
    QTrimWidget* trim = dialog.findChild<QTrimWidget*>();
    FirstLevelFrame frame(trim->levelDisplay());
    frame.clock = clock;
    trim->levelDisplay()->installEventFilter(&frame);
    dialog.loadFile(path);
    dialog.show();
    QTimer::singleShot(20000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    if (frame.elapsedMs < 0) {
        std::fprintf(stderr, "no level frame within 20 s\n");
        return 1;
    }
    std::printf("open_ms %lld\n", static_cast<long long>(frame.elapsedMs));
    return 0;
}

// Milliseconds per step of moving `target` across `width` pixels and repainting `shown`.
double dragMs(QWidget* target, QWidget* shown, int width, int steps)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        const int x = (i * 7) % width;
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), target->mapToGlobal(QPoint(x, 5)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        shown->repaint();
    }
    return double(clock.nsecsElapsed()) / 1e6 / steps;
}

int measureDrag(const QString& path, int steps)
{
    QVideoEditingDlg dialog;
    dialog.loadFile(path);
    dialog.show();
    QVEDualSlider* slider = dialog.findChild<QVEDualSlider*>();
    QApplication::processEvents();
    QVESliderCtrlBtn* handle = slider->startHandle();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), handle->mapToGlobal(QPoint(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    const int before = slider->startPixel();
    const double ms = dragMs(handle, slider, slider->width(), steps);
    if (slider->startPixel() == before) {
        std::fprintf(stderr, "the start handle did not move\n");
        return 1;
    }
    QSlider peer(Qt::Horizontal);
    peer.resize(slider->size());
    peer.setRange(0, slider->width());
    peer.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        peer.setValue((i * 7) % slider->width());
        peer.repaint();
    }
    std::printf("drag_ms %.3f\npeer_drag_ms %.3f\n", ms,
                double(clock.nsecsElapsed()) / 1e6 / steps);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--open"))
        return measureOpen(args[2], args.contains(QLatin1String("--warm")));
    if (args.size() >= 4 && args[1] == QLatin1String("--drag"))
        return measureDrag(args[2], args[3].toInt());
    std::fprintf(stderr, "usage: editdialog_bench --open FILE | --drag FILE STEPS\n");
    return 2;
}
