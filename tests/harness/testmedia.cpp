#include "testmedia.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <QtEndian>

#include <cmath>

namespace testmedia {

ToolResult run(const QString& program, const QStringList& args, int timeoutMs,
               const QByteArray& input)
{
    QProcess p;
    p.start(program, args);
    ToolResult r;
    if (!p.waitForStarted(10000)) {
        r.err = QStringLiteral("cannot start %1").arg(program).toUtf8();
        return r;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("%1 timed out").arg(program).toUtf8();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString binDir()
{
    const QByteArray env = qgetenv("QUILLON_BIN_DIR");
    return env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")
                         : QString::fromLocal8Bit(env);
}

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("QUILLON_SOURCE_DIR"));
}

QJsonObject probe(const QString& path)
{
    const ToolResult r =
        run(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
             QStringLiteral("json"), QStringLiteral("-show_streams"),
             QStringLiteral("-show_format"), path});
    if (!r.ok())
        return {};
    return QJsonDocument::fromJson(r.out).object();
}

QJsonObject audioStream(const QString& path)
{
    const QJsonArray streams = probe(path).value(QStringLiteral("streams")).toArray();
    for (const QJsonValue& s : streams) {
        if (s.toObject().value(QStringLiteral("codec_type")).toString() == QLatin1String("audio"))
            return s.toObject();
    }
    return {};
}

double durationSeconds(const QString& path)
{
    const QJsonObject format = probe(path).value(QStringLiteral("format")).toObject();
    bool ok = false;
    const double d = format.value(QStringLiteral("duration")).toString().toDouble(&ok);
    return ok ? d : -1.0;
}

QByteArray decodeS16(const QString& path, int rateHz, int channels)
{
    const ToolResult r =
        run(QStringLiteral("ffmpeg"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
             QStringLiteral("-map"), QStringLiteral("0:a:0"), QStringLiteral("-f"),
             QStringLiteral("s16le"), QStringLiteral("-ac"), QString::number(channels),
             QStringLiteral("-ar"), QString::number(rateHz), QStringLiteral("-")},
            120000);
    return r.ok() ? r.out : QByteArray();
}

double decodedSeconds(const QString& path)
{
    const QByteArray mono = decodeS16(path, 44100, 1);
    return mono.isEmpty() ? -1 : double(mono.size()) / 2 / 44100;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(5);
    }
    return true;
}

bool ffmpeg(const QStringList& args)
{
    const ToolResult r =
        run(QStringLiteral("ffmpeg"),
            QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + args,
            120000);
    if (!r.ok())
        qWarning("ffmpeg: %s", r.err.constData());
    return r.ok();
}

bool makeTone(const QString& path, double freqHz, double seconds, int rateHz, int channels,
              double amplitude)
{
    const QString src = QStringLiteral("aevalsrc=%1*sin(2*PI*%2*t):s=%3:d=%4")
                            .arg(amplitude)
                            .arg(freqHz)
                            .arg(rateHz)
                            .arg(seconds);
    return ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), src,
                   QStringLiteral("-ac"), QString::number(channels), path});
}

static qint16 sampleAt(const QByteArray& s16, qsizetype index)
{
    return qFromLittleEndian<qint16>(s16.constData() + index * 2);
}

double rms(const QByteArray& s16, int channels, int channel, qsizetype from, qsizetype count)
{
    const qsizetype frames = s16.size() / 2 / channels;
    if (count < 0 || from + count > frames)
        count = frames - from;
    if (count <= 0)
        return 0.0;
    double sum = 0.0;
    for (qsizetype i = from; i < from + count; ++i) {
        const double v = sampleAt(s16, i * channels + channel) / 32768.0;
        sum += v * v;
    }
    return std::sqrt(sum / double(count));
}

double toneLevel(const QByteArray& s16, int channels, int channel, int rateHz, double freqHz)
{
    const qsizetype frames = s16.size() / 2 / channels;
    if (frames == 0)
        return 0.0;
    const double w = 2.0 * M_PI * freqHz / rateHz;
    const double coeff = 2.0 * std::cos(w);
    double s1 = 0.0, s2 = 0.0;
    for (qsizetype i = 0; i < frames; ++i) {
        const double s0 = sampleAt(s16, i * channels + channel) / 32768.0 + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / double(frames);
}

bool pulseAvailable()
{
    return pactl({QStringLiteral("info")}).ok();
}

ToolResult pactl(const QStringList& args)
{
    return run(QStringLiteral("pactl"), args, 10000);
}

std::unique_ptr<QProcess> playInto(const QString& sink, const QString& file)
{
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral("paplay"), {QStringLiteral("--device=") + sink, file});
    p->waitForStarted(5000);
    return p;
}

}  // namespace testmedia
