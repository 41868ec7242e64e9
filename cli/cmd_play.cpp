// quillon play: plays a file (or a range of it) on the default sink through the same player
// the edit dialog uses, and exits at the end. SIGINT or SIGTERM stops it cleanly.

#include "commandregistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <brisca/brisca.h>

#include <unistd.h>
#include <cstdio>

#include "mediaoptions.h"
#include "nxplayerclass.h"
#include "nxplayermanager.h"
#include "timetext.h"

namespace {

struct Options {
    QString path;
    int64_t startUs = 0;
    int64_t lengthUs = 0;
    int volume = 100;
    QVector<double> gains;
};

QString parse(const QStringList& args, Options* o)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(QLatin1String("--"))) {
            if (!o->path.isEmpty())
                return QStringLiteral("more than one file given");
            o->path = a;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(a);
        const QString v = args.at(++i);
        bool ok = true;
        if (a == QLatin1String("--start"))
            ok = cli::parseTime(v, &o->startUs);
        else if (a == QLatin1String("--length"))
            ok = cli::parseTime(v, &o->lengthUs) && o->lengthUs > 0;
        else if (a == QLatin1String("--volume"))
            ok = cli::parsePercent(v, 100, &o->volume);
        else if (a == QLatin1String("--eq"))
            ok = cli::parseEqualizer(v, &o->gains);
        else
            return QStringLiteral("unknown option %1").arg(a);
        if (!ok)
            return QStringLiteral("%1: invalid value '%2'").arg(a, v);
    }
    if (o->path.isEmpty())
        return QStringLiteral("missing FILE");
    if (!QFileInfo(o->path).isFile())
        return QStringLiteral("%1: no such file").arg(o->path);
    return {};
}

// Volume, equalizer, the file and the range: empty on success, else the reason.
QString prepare(const Options& o, NxPlayerManager& player)
{
    player.setSoundVolume(o.volume);
    if (!o.gains.isEmpty()) {
        VEEditConfig effects;
        effects.levelA = o.volume;
        effects.eqFrequencies =
            QVector<double>(std::begin(cli::kEqualizerBandsHz), std::end(cli::kEqualizerBandsHz));
        effects.eqGains = o.gains;
        player.applyEffects(effects);
    }
    if (!player.open(o.path, 0, -1, 0))
        return player.lastError();
    if (o.startUs > 0 || o.lengthUs > 0)
        player.onTrim(uint64_t(o.startUs), uint64_t(o.lengthUs > 0 ? o.startUs + o.lengthUs : 0));
    return {};
}

// Plays until the end (0), an interrupt (130) or a failure (1).
int playToTheEnd(NxPlayerManager& player, int* exitCode)
{
    const bool tty = ::isatty(STDERR_FILENO);
    QObject::connect(&player, &NxPlayerManager::emitPlayTime, &player, [&](const QString& t) {
        if (tty)
            std::fprintf(stderr, "\r%s", t.toUtf8().constData());
    });
    QObject::connect(&player, &NxPlayerManager::emitPlayFinish, &player,
                     [] { QCoreApplication::exit(0); });
    // The player reports a failure (file gone, sound server gone) only through its state.
    QTimer failureWatch;
    QObject::connect(&failureWatch, &QTimer::timeout, &player, [&] {
        if (player.player()->state() == BRISCA_PLAYER_FAILED) {
            *exitCode = 1;
            QCoreApplication::exit(1);
        }
    });
    failureWatch.start(200);
    const int code = QCoreApplication::exec();
    if (tty)
        std::fputc('\n', stderr);
    return *exitCode ? *exitCode : code;
}

int run(const QStringList& args)
{
    Options o;
    QString problem = parse(args, &o);
    if (!problem.isEmpty())
        return cli::fail(QStringLiteral("play: %1").arg(problem));
    NxPlayerManager player;
    int exitCode = 0;
    // Before the sound server sees the stream: an interrupt from then on stops cleanly.
    cli::watchInterrupts([&] {
        exitCode = 130;
        player.closePlay();
        QCoreApplication::exit(130);
    });
    problem = prepare(o, player);
    if (problem.isEmpty()) {
        player.onPlay();
        if (player.player()->state() == BRISCA_PLAYER_FAILED)
            problem = player.player()->errorText();
    }
    if (!problem.isEmpty()) {
        cli::stopWatchingInterrupts();
        return cli::fail(QStringLiteral("play: %1").arg(problem));
    }
    const int code = playToTheEnd(player, &exitCode);
    cli::stopWatchingInterrupts();
    const QString failure = player.player()->errorText();
    player.closePlay();
    if (code == 1)
        return cli::fail(QStringLiteral("play: %1").arg(failure));
    return code;
}

cli::CommandRegistration reg{
    {"play", "FILE [--start S] [--length L] [--volume P] [--eq g1,...,g10]", &run}};

}  // namespace
