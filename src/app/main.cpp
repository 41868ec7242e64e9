// The recorder's entry: display scale, single instance, application font, main window.

#include "displayscale.h"
#include "formatcatalogue.h"
#include "formatdescriptor.h"
#include "formatselection.h"
#include "keyapplication.h"
#include "qformatdlg.h"
#include "qnxbasebutton.h"
#include "qnxwidget.h"
#include "selectrecordinputwgt.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
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

// The saved output formats become the process-wide descriptors; recordings take the audio one.
void loadOutputFormats()
{
    try {
        if (!FormatSelection::loadSavedFormats(FormatCatalogue::instance()))
            qWarning("the saved output format could not be loaded from the catalogue");
    } catch (const std::exception& e) {
        qWarning("cannot read the format catalogue: %s", e.what());
    }
    FormatDescriptor::setCurrent(FormatDescriptor::audio());
}

// Opens the format dialog; a catalogue that cannot be read leaves the button without effect.
void showFormatDialog(QWidget* parent)
{
    try {
        QFormatDlg dialog(parent);
        dialog.exec();
    } catch (const std::exception& e) {
        qWarning("cannot open the format dialog: %s", e.what());
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
    loadOutputFormats();
    auto* central = new QNxWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(16, 16, 16, 16);
    auto* toolbar = new QHBoxLayout;
    auto* formatButton = new QNxBaseButton(QStringLiteral("/image/btn_format.png"));
    formatButton->setText(QStringLiteral("Format"));
    formatButton->setTextMargins(QMargins(QNxBaseButton::kIconTextMargin, 0, 8, 0));
    formatButton->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QObject::connect(formatButton, &QNxBaseButton::clicked, window.get(),
                     [w = window.get()] { showFormatDialog(w); });
    toolbar->addStretch(1);
    toolbar->addWidget(formatButton);
    column->addLayout(toolbar);
    column->addWidget(new SelectRecordInputWgt, 0, Qt::AlignLeft);
    column->addStretch(1);
    window->setCentralWidget(central);
    app.setActivationWindow(window.get(), true);
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
