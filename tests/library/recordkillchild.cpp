// Helper of tst_recordingkill (not shipped): builds the recorder's main window with the
// recordings list as its sink, records in the format of the extension given, and prints
//   "recording <path>"   once the file records,
//   "time <us>"          at each duration report of the recorder,
// until it is killed. Exit code 2: the recording did not start.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "encodesettings.h"
#include "extensionformat.h"
#include "formatdescriptor.h"
#include "mainwindow.h"
#include "nulldesktopnotifier.h"
#include "nullsleepinhibitor.h"
#include "nxskin.h"
#include "plistdocument.h"
#include "recordercontroller.h"
#include "testmedia.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString extension = QApplication::arguments().value(1);
    const QString resources = testmedia::binDir() + QStringLiteral("/audiorecorder_res");
    NxSkin::setResourceDir(resources);
    PlistDocument::instance(
        (resources + QStringLiteral("/profile/profiles_win.plist")).toStdString());

    MainWindowServices services;
    services.sleepInhibitor = std::make_unique<NullSleepInhibitor>();
    services.notifier = std::make_unique<NullDesktopNotifier>();
    services.devicePluginPath = testmedia::binDir() + QStringLiteral("/libOlmet.so");
    services.trayAvailable = [] { return false; };
    MainWindow window(nullptr, std::move(services));
    EncodeSettings settings;
    if (!encodeSettingsForExtension(extension, &settings))
        return 3;
    FormatDescriptor* format = FormatDescriptor::audio();
    format->formatKey = settings.formatKey;
    format->extension = extension;
    format->audioCodec = settings.audioCodec;
    format->sampleRateHz = settings.sampleRateHz ? settings.sampleRateHz : 44100;
    format->channels = 2;
    format->audioBitRateKbps = 0;
    window.show();
    QObject::connect(window.recorder(), &RecorderController::emitRecordTime, [](uint64_t us) {
        std::printf("time %llu\n", static_cast<unsigned long long>(us));
        std::fflush(stdout);
    });
    QTimer::singleShot(0, &window, [&] {
        window.OnBtnStart();
        if (!window.isRecording()) {
            std::fprintf(stderr, "not recording: %s\n", qPrintable(window.recorder()->lastError()));
            QApplication::exit(2);
            return;
        }
        std::printf("recording %s\n", qPrintable(window.recorder()->currentPath()));
        std::fflush(stdout);
    });
    return QApplication::exec();
}
