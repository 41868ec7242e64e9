#pragma once
// Helpers shared by the tests: run the independent tools (ffmpeg, ffprobe, pactl, python3)
// and generate or decode test media with them. Nothing here is used by the product.

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace testmedia {

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool ok() const { return exitCode == 0; }
};

// Runs a program to its end (or kills it after timeoutMs) and returns its output.
ToolResult run(const QString& program, const QStringList& args, int timeoutMs = 60000,
               const QByteArray& input = {});

// Folder of the built executables and the resource folder beside them.
QString binDir();
QString sourceDir();

// ffprobe -show_streams -show_format as JSON; an empty object when the file does not open.
QJsonObject probe(const QString& path);
// The first audio stream of probe(path).
QJsonObject audioStream(const QString& path);
// Duration of the container in seconds, -1 when unknown.
double durationSeconds(const QString& path);

// Decodes the first audio stream to interleaved signed 16-bit at the given rate and channels.
QByteArray decodeS16(const QString& path, int rateHz = 44100, int channels = 2);
// The length of the sound a decoder gives (encoder delay and padding left out where the file
// says how long they are), in seconds; -1 when it does not decode. The container's duration
// (durationSeconds) may count an MP3's padding.
double decodedSeconds(const QString& path);

// Runs `ffmpeg -v error -y ARGS` (the last argument is usually the output); false, with ffmpeg's
// complaint as a warning, when it fails.
bool ffmpeg(const QStringList& args);

// Writes a sine tone (lavfi) to a file of any format ffmpeg can write.
bool makeTone(const QString& path, double freqHz, double seconds, int rateHz = 44100,
              int channels = 2, double amplitude = 0.5);

// Root mean square of one channel of interleaved s16 samples, 0..1.
double rms(const QByteArray& s16, int channels, int channel, qsizetype from = 0,
           qsizetype count = -1);
// Magnitude of one frequency in one channel (Goertzel), relative to full scale.
double toneLevel(const QByteArray& s16, int channels, int channel, int rateHz, double freqHz);

// Polls `done` every few milliseconds, processing no events, until it holds (true) or
// `timeoutMs` passed (false). For waits on other threads and processes, not on timers.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 30000);

// The private sound server of the audio fixture.
bool pulseAvailable();
ToolResult pactl(const QStringList& args);
// Plays a file into a sink in the background (paplay); the process ends with the file.
std::unique_ptr<QProcess> playInto(const QString& sink, const QString& file);

}  // namespace testmedia
