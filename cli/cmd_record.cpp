// quillon record: records system audio, the microphone or both into one file through the same
// recording session the GUI uses, until N seconds have passed or SIGINT/SIGTERM arrives. The
// file is finished either way. With --app, system audio is only what that application plays
// (its name or binary, as `quillon devices --apps` lists it).

#include "commandregistry.h"

#include "encodesettings.h"
#include "formatselection.h"
#include "pulsecaptureendpoint.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "qualitypreset.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace {

struct Options {
    QString output;
    int sources = QRecordAreaInfo::SystemAudio;
    int seconds = 0;  // 0 = until a signal
    int bitRateKbps = 0;
    int rateHz = 0;
    int channels = 0;
    QString application;  // empty = all system audio
    QString profileId;    // a catalogue profile instead of the extension's defaults
    int qualityLevel = QualityPreset::kHighQuality;
};

// Parses the arguments after "record"; an empty result is success, otherwise the error line.
QString parseArguments(const QStringList& args, Options* options)
{
    auto number = [](const QString& text, int* value) {
        bool ok = false;
        *value = text.toInt(&ok);
        return ok && *value > 0;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!options->output.isEmpty())
                return QStringLiteral("more than one output file given");
            options->output = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = args.at(++i);
        bool ok = true;
        if (arg == QLatin1String("--source")) {
            if (value == QLatin1String("system"))
                options->sources = QRecordAreaInfo::SystemAudio;
            else if (value == QLatin1String("mic"))
                options->sources = QRecordAreaInfo::Microphone;
            else if (value == QLatin1String("both"))
                options->sources = QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone;
            else
                return QStringLiteral("--source takes system, mic or both, not '%1'").arg(value);
        } else if (arg == QLatin1String("--app")) {
            if (value.isEmpty())
                return QStringLiteral("--app needs the name of an application");
            options->application = value;
        } else if (arg == QLatin1String("--seconds")) {
            ok = number(value, &options->seconds);
        } else if (arg == QLatin1String("--bitrate")) {
            ok = number(value, &options->bitRateKbps);
        } else if (arg == QLatin1String("--rate")) {
            ok = number(value, &options->rateHz);
        } else if (arg == QLatin1String("--channels")) {
            ok = number(value, &options->channels);
        } else if (arg == QLatin1String("--profile")) {
            options->profileId = value;
        } else if (arg == QLatin1String("--quality")) {
            if (value == QLatin1String("high"))
                options->qualityLevel = QualityPreset::kHighQuality;
            else if (value == QLatin1String("small"))
                options->qualityLevel = QualityPreset::kSmallSize;
            else
                return QStringLiteral("--quality takes high or small, not '%1'").arg(value);
        } else {
            return QStringLiteral("unknown option %1").arg(arg);
        }
        if (!ok)
            return QStringLiteral("%1 needs a positive number, not '%2'").arg(arg, value);
    }
    if (options->output.isEmpty())
        return QStringLiteral("no output file given");
    if (!options->application.isEmpty() && !(options->sources & QRecordAreaInfo::SystemAudio))
        return QStringLiteral(
            "--app records what an application plays: it needs --source "
            "system or both");
    return {};
}

// The catalogue decides container and codec: the --profile given, or the first audio profile
// with the output's extension. --bitrate, --rate and --channels override its values, and the
// bit-rate cap of low-rate Ogg applies to the result.
QString encodeSettingsFor(const Options& options, EncodeSettings* settings)
{
    QString error;
    const bool found = options.profileId.isEmpty()
                           ? FormatSelection::encodeSettingsForExtension(
                                 QFileInfo(options.output).suffix().toLower(), settings, &error)
                           : FormatSelection::encodeSettingsForProfile(
                                 options.profileId, options.qualityLevel, settings, &error);
    if (!found)
        return error;
    overrideAudioSettings(settings, options.rateHz, options.channels, options.bitRateKbps);
    return {};
}

// Decides which sources are recorded. The microphone is valid only when the sound server has a
// real input device; asked for alone it must be there, asked for with system audio it is
// dropped with a warning. (System audio needs no probe: when it cannot be opened the session's
// start fails with the reason.)
QString chooseSources(const Options& options)
{
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    QString reason;
    int valid = QRecordAreaInfo::SystemAudio;
    if (options.sources & QRecordAreaInfo::Microphone) {
        if (PulseCaptureEndpoint::sourceAvailable(CaptureEndpoint::Microphone, &reason)) {
            valid |= QRecordAreaInfo::Microphone;
        } else if (options.sources == QRecordAreaInfo::Microphone) {
            return reason;
        } else {
            std::fprintf(stderr, "quillon: %s; recording system audio only\n",
                         reason.toLocal8Bit().constData());
        }
    }
    area.setSelectedSources(options.sources);
    area.setValidSources(valid);
    area.setApplication(options.application);
    return {};
}

QString outputProblem(const QString& path)
{
    const QFileInfo info(path);
    const QFileInfo dir(info.absolutePath());
    if (!dir.isDir())
        return QStringLiteral("cannot write %1: the folder does not exist").arg(path);
    if (!dir.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("cannot write %1: permission denied").arg(path);
    return {};
}

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM become a byte on a socket pair, so that the event loop finishes the file
// instead of the process dying. Installed for the life of the object, whichever way the command
// ends: the previous handlers come back and the sockets are closed when it goes.
class SignalPipe {
public:
    SignalPipe()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
            return;
        struct sigaction action = {};
        action.sa_handler = &onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
        m_installed = true;
    }
    ~SignalPipe()
    {
        if (!m_installed)
            return;
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    bool installed() const { return m_installed; }
    int readEnd() const { return g_signalPipe[0]; }
    void consume()
    {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &byte, 1);
    }

private:
    struct sigaction m_oldInt = {};
    struct sigaction m_oldTerm = {};
    bool m_installed = false;
};

QString clockText(uint64_t us)
{
    const uint64_t s = us / 1000000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

// The elapsed time on stderr: rewritten in place on a terminal, one line a second otherwise.
// Messages start on a line of their own.
class ProgressLine {
public:
    void show(uint64_t us)
    {
        if (us / 1000000 == m_shownSeconds)
            return;
        m_shownSeconds = us / 1000000;
        std::fprintf(stderr, m_tty ? "\r%s" : "%s\n", clockText(us).toLatin1().constData());
        m_open = m_tty;
    }
    void message(const QString& text)
    {
        end();
        std::fprintf(stderr, "quillon: %s\n", text.toLocal8Bit().constData());
    }
    void end()
    {
        if (m_open)
            std::fputc('\n', stderr);
        m_open = false;
    }

private:
    const bool m_tty = ::isatty(STDERR_FILENO);
    uint64_t m_shownSeconds = ~uint64_t(0);
    bool m_open = false;
};

// Runs the event loop until the recording ends: after `seconds` (0 = never), on a signal, or
// when it fails. The exit code of the command.
int runRecording(QRecordObject& session, SignalPipe& signalPipe, int seconds)
{
    ProgressLine progress;
    int exitCode = 0;
    auto stopRecording = [&] {
        session.stop();
        progress.show(session.lastRecordedDurationUs());
        progress.end();
        QCoreApplication::exit(exitCode);
    };
    QSocketNotifier signalNotifier(signalPipe.readEnd(), QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &session, [&] {
        signalPipe.consume();
        stopRecording();
    });
    QObject::connect(&session, &QRecordObject::emitRecordTime, &session,
                     [&](uint64_t us) { progress.show(us); });
    QObject::connect(&session, &QRecordObject::emitAudioRecordFail, &session, [&] {
        const QString reason = session.lastError();
        if (session.isRecording() && session.capturingSources() > 0) {
            progress.message(QStringLiteral("warning: ") + reason);
            return;
        }
        session.stop();
        progress.message(reason);
        exitCode = 1;
        QCoreApplication::exit(exitCode);
    });
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &session, stopRecording);
    QCoreApplication::exec();
    session.stop();
    return exitCode;
}

int record(const QStringList& args)
{
    Options options;
    QString problem = parseArguments(args, &options);
    EncodeSettings settings;
    if (problem.isEmpty())
        problem = encodeSettingsFor(options, &settings);
    if (problem.isEmpty())
        problem = outputProblem(options.output);
    if (problem.isEmpty())
        problem = chooseSources(options);
    if (!problem.isEmpty())
        return cli::fail(problem);

    SignalPipe signalPipe;
    if (!signalPipe.installed())
        return cli::fail(QStringLiteral("cannot set up signal handling"));
    QRecordObject session;
    session.setEncodeSettings(settings);
    if (!session.start(options.output))
        return cli::fail(session.lastError());
    return runRecording(session, signalPipe, options.seconds);
}

cli::CommandRegistration reg{
    {"record",
     "OUTPUT [--source system|mic|both] [--app NAME] [--seconds N] [--bitrate KBPS] "
     "[--rate HZ] "
     "[--channels N] [--profile ID [--quality high|small]]",
     &record}};

}  // namespace
