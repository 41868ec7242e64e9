#include "mediaoptions.h"

#include <QSocketNotifier>
#include <QStringList>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <functional>
#include <memory>

namespace cli {

const double kEqualizerBandsHz[10] = {60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};

bool parseTime(const QString& text, int64_t* us)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 3)
        return false;
    double seconds = 0;
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const double v = parts.at(i).toDouble(&ok);
        if (!ok || v < 0 || (i > 0 && v >= 60))
            return false;
        seconds = seconds * 60 + v;
    }
    *us = int64_t(seconds * 1e6 + 0.5);
    return true;
}

bool parseEqualizer(const QString& text, QVector<double>* gains)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 10)
        return false;
    gains->clear();
    for (const QString& p : parts) {
        bool ok = false;
        const double g = p.toDouble(&ok);
        if (!ok || g < -20 || g > 20)
            return false;
        gains->append(g);
    }
    return true;
}

bool parsePercent(const QString& text, int max, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0 && *value <= max;
}

namespace {

int g_pipe[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> g_notifier;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

bool watchInterrupts(const std::function<void()>& handler)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return false;
    g_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(g_notifier.get(), &QSocketNotifier::activated, [handler] {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(g_pipe[0], &byte, 1);
        handler();
    });
    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return true;
}

void stopWatchingInterrupts()
{
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    g_notifier.reset();
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

}  // namespace cli
