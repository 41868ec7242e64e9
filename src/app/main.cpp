// The recorder's entry: display scale, single instance, application font, the interface
// language, main window.

#include "applog.h"
#include "desktopservices.h"
#include "displayscale.h"
#include "firstexposelog.h"
#include "keyapplication.h"
#include "languageswitcher.h"
#include "mainwindow.h"
#include "nxskin.h"

#include <QFont>
#include <QIcon>

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

    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    // The desktop matches the window to the menu entry and its icon by this name (Wayland's
    // app id, X11's window class).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopServices::kDesktopEntry));
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
    // The icon theme has it once installed; where it has not (the build tree), the skin's logo,
    // which the tray shows too.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromLatin1(DesktopServices::kDesktopEntry),
                         QIcon(NxSkin::pixmap(QStringLiteral("/image/common/no_title_logo.png")))));
    // Before the window is built, so that it is built in the chosen language.
    LanguageSwitcher::instance().applyStored();

    auto window = std::make_unique<MainWindow>();
    QObject::connect(window.get(), &MainWindow::emitQuit, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    FirstExposeLog::watch(window.get());
    app.setActivationWindow(window.get(), true);
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
