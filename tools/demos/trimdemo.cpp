// Shows the edit dialog's Trim tab with a file loaded, for checking it by eye (not a test,
// not shipped):
//   quillon_trim_demo FILE [--start SECONDS] [--end SECONDS] [--clip PATH] [--segment]
//                     [--quit-after MS]
// The file plays through the default sound server; the marks and an optional clip row are
// set as if the user had set them; --segment plays the marked segment.
#include <QApplication>
#include <QTimer>

#include "nxplayermanager.h"
#include "nxskin.h"
#include "qtrimwidget.h"
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
    if (args.size() < 2) {
        fprintf(stderr, "usage: quillon_trim_demo FILE [--start S] [--end S] [--clip PATH]\n");
        return 2;
    }

    NxPlayerManager player;
    if (!player.open(args.at(1))) {
        fprintf(stderr, "cannot open %s: %s\n", qPrintable(args.at(1)),
                qPrintable(player.lastError()));
        return 1;
    }
    QVideoEditingSettings settings;
    settings.attachPlayer(&player);
    QTrimWidget trim(nullptr);
    trim.setSettings(&settings);
    QObject::connect(&player, &NxPlayerManager::emitPlayFinish, &trim, &QTrimWidget::OnStop);
    trim.resize(900, 420);
    trim.show();
    trim.move(100, 80);
    trim.setPlayer(player.player());
    const uint64_t second = 1000000;
    if (!value("--start").isEmpty())
        trim.startTimeChanged(uint64_t(value("--start").toDouble() * second), false);
    if (!value("--end").isEmpty())
        trim.endTimeChanged(uint64_t(value("--end").toDouble() * second), false);
    if (!value("--clip").isEmpty()) {
        trim.OnBtnAdd();
        trim.OnSetSaveFile(value("--clip"));
        trim.onPlay();  // the cut stopped the player
    }
    if (args.contains(QLatin1String("--segment")))
        trim.onTrimPlay();
    if (!value("--quit-after").isEmpty())
        QTimer::singleShot(value("--quit-after").toInt(), &app, &QApplication::quit);
    return QApplication::exec();
}
