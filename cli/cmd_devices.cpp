// quillon devices: the capture devices of the sound-device plugin, their recorders, the default
// recorder and playback output, and their volumes. One line per fact, stable for scripts:
//
//   device 0: <device name>
//     recorder 0.0: <recorder name> [volume 100] [muted no] [default]
//   default recorder: 0.0 <recorder name> (<device name>)
//   default playback: 0.0 [volume 100] [muted no]
//
// "none" stands for a missing default, "?" for a volume or mute state the server did not give.
//
// quillon devices --apps: the applications playing now, one a line, the key that
// `quillon record --app` takes first:
//
//   app <key>: <name> [icon firefox]

#include <QString>
#include <QTextStream>

#include "commandregistry.h"
#include "sounddevicelibrary.h"

namespace {

constexpr int kServerWaitMs = 3000;

QString levelText(int volume, int mute)
{
    const QString volumeText = volume >= 0 ? QString::number(volume) : QStringLiteral("?");
    const QString muteText =
        mute < 0 ? QStringLiteral("?") : (mute == 1 ? QStringLiteral("yes") : QStringLiteral("no"));
    return QStringLiteral("[volume %1] [muted %2]").arg(volumeText, muteText);
}

QString pairText(int device, int sub)
{
    return QStringLiteral("%1.%2").arg(device).arg(sub);
}

int listApplications(olmet::SoundDevice* dev)
{
    QTextStream out(stdout);
    dev->RefreshApplicationList();
    const int count = dev->GetApplicationCount();
    if (count == 0)
        out << "no applications playing\n";
    for (int i = 0; i < count; ++i) {
        out << "app " << SoundDeviceLibrary::text(dev->GetApplicationKey(i)) << ": "
            << SoundDeviceLibrary::text(dev->GetApplicationName(i));
        const QString icon = SoundDeviceLibrary::text(dev->GetApplicationIconName(i));
        if (!icon.isEmpty())
            out << " [icon " << icon << ']';
        out << '\n';
    }
    return 0;
}

int run(const QStringList& args)
{
    const bool apps = args == QStringList{QStringLiteral("--apps")};
    if (!args.isEmpty() && !apps)
        return cli::fail(QStringLiteral("devices takes no arguments but --apps"));
    SoundDeviceLibrary library;
    olmet::SoundDevice* dev = library.device();
    if (!dev)
        return cli::fail(QStringLiteral("no sound-device plugin: %1").arg(library.errorString()));

    // The plugin learns the server's devices in the background; a command has time to wait.
    dev->WaitForDevices(kServerWaitMs);
    if (apps)
        return listApplications(dev);
    QTextStream out(stdout);
    int defaultDevice = -1;
    int defaultRecorder = -1;
    const bool hasDefault = dev->GetDefaultRecorder(&defaultDevice, &defaultRecorder) == 0;
    const int count = dev->GetDeviceCount();
    if (count == 0)
        out << "no capture devices\n";
    for (int d = 0; d < count; ++d) {
        out << "device " << d << ": " << SoundDeviceLibrary::text(dev->GetDeviceName(d)) << '\n';
        for (int r = 0; r < dev->GetRecorderCount(d); ++r) {
            out << "  recorder " << pairText(d, r) << ": "
                << SoundDeviceLibrary::text(dev->GetRecorderName(d, r)) << ' '
                << levelText(dev->GetRecorderVolume(d, r), dev->GetRecorderMute(d, r));
            if (hasDefault && d == defaultDevice && r == defaultRecorder)
                out << " [default]";
            out << '\n';
        }
    }

    out << "default recorder: ";
    if (hasDefault) {
        out << pairText(defaultDevice, defaultRecorder) << ' '
            << SoundDeviceLibrary::text(dev->GetRecorderName(defaultDevice, defaultRecorder))
            << " (" << SoundDeviceLibrary::text(dev->GetDeviceName(defaultDevice)) << ")\n";
    } else {
        out << "none\n";
    }

    int playDevice = -1;
    int player = -1;
    out << "default playback: ";
    if (dev->GetDefaultPlayback(&playDevice, &player) >= 0) {
        out << pairText(playDevice, player) << ' '
            << levelText(dev->GetPlaybackVolume(playDevice, player),
                         dev->GetPlaybackMute(playDevice, player))
            << '\n';
    } else {
        out << "none\n";
    }
    return 0;
}

const cli::CommandRegistration reg{{"devices", "[--apps]", &run}};

}  // namespace
