// The recorder's entry: display scale, single instance, application font, main window.

#include "displayscale.h"
#include "keyapplication.h"
#include "qnxwidget.h"
#include "selectrecordinputwgt.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QMainWindow>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kWakeUpTimeoutMs = 5000;

// The interface fonts (Tahoma, the seven-segment face) ship in the resource folder beside the
// executable, not in the system's font folders.
void loadBundledFonts()
{
    const QDir fonts(QCoreApplication::applicationDirPath()
                     + QStringLiteral("/audiorecorder_res/Font"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(name)) < 0)
            qWarning("cannot load the font %s", qPrintable(fonts.filePath(name)));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // QT_SCALE_FACTOR is read when the application object is built, so it is set before.
    applyDisplayScale();
    KeyApplication app(argc, argv);
    if (app.isRunning())
        return app.sendMessage(QString(), kWakeUpTimeoutMs) ? 0 : 1;

    loadBundledFonts();
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Quillon Audio Recorder"));
    window->resize(960, 640);
    auto* central = new QNxWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(16, 16, 16, 16);
    column->addWidget(new SelectRecordInputWgt, 0, Qt::AlignLeft);
    column->addStretch(1);
    window->setCentralWidget(central);
    app.setActivationWindow(window.get(), true);
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
