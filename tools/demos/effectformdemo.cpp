// Shows the edit dialog's Effect tab for checking it by eye (not a test, not shipped):
//   quillon_effectform_demo [--preset NAME] [--slider BAND:GAIN] [--playing] [--lang LOCALE]
//                           [--quit-after MS]
// --preset selects a preset by name; --slider then moves one equalizer band (0-9) to a gain
// in dB the way a key press does, which switches to the custom slot.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QTranslator>

#include "nxskin.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qnxbaseslider.h"
#include "qnxlistview.h"
#include "qvideoeditingsettings.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    NxSkin::registerFonts();
    QApplication::setFont(NxSkin::font(12));
    const QStringList args = QApplication::arguments();
    auto value = [&](const char* name) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };

    QTranslator translator;
    if (!value("--lang").isEmpty() &&
        translator.load(NxSkin::resourcePath(
            QStringLiteral("/Language/audiorecorder_%1.qm").arg(value("--lang")))))
        QApplication::installTranslator(&translator);

    QVideoEditingSettings settings;
    QEffectForm form(nullptr);
    form.setSettings(&settings);
    form.refresh();
    form.move(200, 100);
    form.show();
    const QString preset = value("--preset");
    if (!preset.isEmpty()) {
        const QModelIndexList found = form.model()->match(
            form.model()->index(0, 0), Qt::DisplayRole, preset, 1, Qt::MatchExactly);
        if (!found.isEmpty())
            form.listView()->setCurrentIndex(found.first());
    }
    const QStringList slider = value("--slider").split(QLatin1Char(':'));
    if (slider.size() == 2) {
        QNxBaseSlider* band = form.equalizerSlider(slider[0].toInt());
        if (band) {
            // One step at a time, as the arrow keys move it.
            const int target = 10 + slider[1].toInt();
            while (band->value() != target) {
                QKeyEvent key(QEvent::KeyPress, band->value() < target ? Qt::Key_Up : Qt::Key_Down,
                              Qt::NoModifier);
                QApplication::sendEvent(band, &key);
                if (band->value() == band->minimum() || band->value() == band->maximum())
                    break;
            }
        }
    }
    if (args.contains(QStringLiteral("--playing")))
        form.OnSetPlayState(true);
    form.OnSetPlayPro(0.35);
    form.OnSetPlayTime(QStringLiteral("00:01:24.250 / 00:04:00.000"));
    const int quitAfter = value("--quit-after").toInt();
    if (quitAfter > 0)
        QTimer::singleShot(quitAfter, &app, &QApplication::quit);
    return app.exec();
}
