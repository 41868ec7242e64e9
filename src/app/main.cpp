// The recorder's entry: display scale, single instance, application font, main window.

#include "displayscale.h"
#include "keyapplication.h"

#include <QFont>
#include <QMainWindow>

#include <memory>

namespace {

constexpr int kWakeUpTimeoutMs = 5000;

}  // namespace

int main(int argc, char** argv)
{
    // QT_SCALE_FACTOR is read when the application object is built, so it is set before.
    applyDisplayScale();
    KeyApplication app(argc, argv);
    if (app.isRunning())
        return app.sendMessage(QString(), kWakeUpTimeoutMs) ? 0 : 1;

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Quillon Audio Recorder"));
    window->resize(960, 640);
    app.setActivationWindow(window.get(), true);
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
