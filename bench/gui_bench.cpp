// Helper of bench/gui.sh (not shipped):
//   gui_bench --plain              shows a bare Qt window, logs the moment of its first expose
//                                  ("window exposed at N ms since the epoch") and ends: the
//                                  baseline of the start-up measurement.
//   gui_bench --record SECONDS     builds the recorder's main window, presses Start Recording,
//                                  presses Stop after SECONDS and prints the CPU time the process
//                                  spent between the two and the seconds of audio recorded:
//                                  "cpu_s X audio_s Y". Records MP3 at 192 kbit/s, like the
//                                  command line in the same run.
#include "firstexposelog.h"
#include "formatdescriptor.h"
#include "mainwindow.h"
#include "nxskin.h"
#include "qrecordobject.h"
#include "recordercontroller.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int plainWindow()
{
    QWidget window;
    window.resize(1000, 680);
    FirstExposeLog::watch(&window, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    window.show();
    return QApplication::exec();
}

int recordFromWindow(int seconds)
{
    NxSkin::registerFonts();
    MainWindow window;
    FormatDescriptor* mp3 = FormatDescriptor::audio();
    mp3->formatKey = QStringLiteral("MP3");
    mp3->extension = QStringLiteral("mp3");
    mp3->audioCodec = 0x15001;
    mp3->sampleRateHz = 44100;
    mp3->channels = 2;
    mp3->audioBitRateKbps = 192;
    window.show();
    double cpuAtStart = 0;
    QTimer::singleShot(500, &window, [&] {
        cpuAtStart = cpuSeconds();
        window.OnBtnStart();
        if (!window.isRecording())
            QApplication::exit(1);
    });
    QTimer::singleShot(500 + seconds * 1000, &window, [&] {
        QRecordObject* session = window.recorder()->session();
        const double audio = session ? session->lastRecordedDurationUs() / 1e6 : 0;
        window.OnBtnStop();
        const double finalAudio = session ? session->lastRecordedDurationUs() / 1e6 : audio;
        std::printf("cpu_s %.3f audio_s %.3f\n", cpuSeconds() - cpuAtStart, finalAudio);
        QApplication::quit();
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.value(1) == QLatin1String("--plain"))
        return plainWindow();
    if (args.value(1) == QLatin1String("--record") && args.value(2).toInt() > 0)
        return recordFromWindow(args.value(2).toInt());
    std::fprintf(stderr, "usage: gui_bench --plain | --record SECONDS\n");
    return 2;
}
