// The recorder's entry: display scale, single instance, application font, main window.

#include "applog.h"
#include "displayscale.h"
#include "keyapplication.h"
#include "mainwindow.h"
#include "nxskin.h"

#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QWindow>

#include <memory>

namespace {

constexpr int kWakeUpTimeoutMs = 5000;

// Logs the moment the window is first on screen (milliseconds since the epoch), so start-up
// time can be measured from outside against the moment the program was launched.
class FirstExposeLogger : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* surface = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && surface && surface->isExposed()) {
            qInfo("main window exposed at %lld ms since the epoch",
                  static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // QT_SCALE_FACTOR is read when the application object is built, so it is set before.
    applyDisplayScale();
    KeyApplication app(argc, argv);
    if (app.isRunning())
        return app.sendMessage(QString(), kWakeUpTimeoutMs) ? 0 : 1;

    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    AppLog::install();
    // The interface fonts (Tahoma, the seven-segment face) ship in the resource folder.
    if (NxSkin::registerFonts() == 0)
        qWarning("no interface font could be loaded from %s", qPrintable(NxSkin::resourceDir()));
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    // The window may hide to the tray; the program ends when the user chooses to leave it.
    QApplication::setQuitOnLastWindowClosed(false);

    auto window = std::make_unique<MainWindow>();
    QObject::connect(window.get(), &MainWindow::emitQuit, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // Expose events go to the native window, which exists once the window id is created.
    window->winId();
    window->windowHandle()->installEventFilter(new FirstExposeLogger(window.get()));
    app.setActivationWindow(window.get(), true);
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
