#pragma once
// Checks of what a recording holds against what was played into the private sound server:
// finding the played samples in the file, the loss the server itself causes at the start of a
// played stream, the two copies of clicks that reach both sources, and the sink's latency.

#include "sessiontestutil.h"
#include "testmedia.h"

#include <QByteArray>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QVector>

#include <cstdlib>

namespace playedaudio {

using sessiontest::sampleAt;

inline qsizetype firstLoud(const QByteArray& s16, int threshold)
{
    const qsizetype frames = s16.size() / 4;
    for (qsizetype i = 0; i < frames; ++i) {
        if (std::abs(sampleAt(s16, i, 0)) > threshold)
            return i;
    }
    return -1;
}

inline bool sameFrame(const QByteArray& a, qsizetype i, const QByteArray& b, qsizetype j)
{
    return sampleAt(a, i, 0) == sampleAt(b, j, 0) && sampleAt(a, i, 1) == sampleAt(b, j, 1);
}

// The frame of `in` from which the 32 frames of `from` that start at `at` reappear unchanged
// (the null sink passes s16 at 44100 Hz through bit for bit); -1 when they do not.
inline qsizetype findFrames(const QByteArray& from, qsizetype at, const QByteArray& in)
{
    const qsizetype n = 32;
    for (qsizetype j = 0; j + n <= in.size() / 4; ++j) {
        qsizetype k = 0;
        while (k < n && sameFrame(from, at + k, in, j + k))
            ++k;
        if (k == n)
            return j;
    }
    return -1;
}

// Lag of `recorded` against `played` at which 32 frames of `played` from `at` on reappear
// unchanged; -1 when they do not.
inline qsizetype findLag(const QByteArray& played, const QByteArray& recorded, qsizetype at)
{
    const qsizetype j = findFrames(played, at, recorded);
    return j < 0 ? -1 : j - at;
}

// The frames of `played` around `at` that `recorded` holds unchanged at `lag`, as [first, end).
inline QPair<qsizetype, qsizetype> matchingSpan(const QByteArray& played,
                                                const QByteArray& recorded, qsizetype lag,
                                                qsizetype at)
{
    const qsizetype playedFrames = played.size() / 4;
    const qsizetype recordedFrames = recorded.size() / 4;
    qsizetype end = at;
    while (end < playedFrames && end + lag < recordedFrames &&
           sameFrame(played, end, recorded, end + lag))
        ++end;
    qsizetype first = at;
    while (first > 0 && first - 1 + lag >= 0 &&
           sameFrame(played, first - 1, recorded, first - 1 + lag))
        --first;
    return {first, end};
}

// A stream that starts on the monitored sink costs the monitor up to one block of the sink (our
// capture asks for 10 ms): the sink rewinds to play the new stream at once, and the part of its
// start that the monitor had already passed on as silence stays silence. A plain parec loses
// the same.
inline constexpr qsizetype kStartLossFrames = 441;

inline bool makeNoise(const QString& path, double seconds, int seed)
{
    return testmedia::run(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                           QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("anoisesrc=d=%1:c=white:r=44100:a=0.3:seed=%2")
                               .arg(seconds)
                               .arg(seed),
                           QStringLiteral("-ac"), QStringLiteral("2"), path})
        .ok();
}

// Writes `seconds` of stereo clicks, one single-sample click every `everyFrames` frames.
inline bool makeClicks(const QString& path, double seconds, int everyFrames)
{
    return testmedia::run(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                           QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("aevalsrc='if(lt(mod(n,%1),1),0.5,0)':s=44100:d=%2")
                               .arg(everyFrames)
                               .arg(seconds),
                           QStringLiteral("-ac"), QStringLiteral("2"), path})
        .ok();
}

// Where `recorded` holds the whole of `played`, unchanged and without a gap, apart from at most
// kStartLossFrames of silence at its start: the lag, or -1 with *why.
inline qsizetype locateWhole(const QByteArray& played, const QByteArray& recorded, QString* why)
{
    const qsizetype frames = played.size() / 4;
    const qsizetype lag = findLag(played, recorded, frames / 2);
    if (lag < 0) {
        *why = QStringLiteral("the played noise is not in the file");
        return -1;
    }
    const auto span = matchingSpan(played, recorded, lag, frames / 2);
    bool silentBefore = true;
    for (qsizetype i = 0; i < span.first; ++i)
        silentBefore = silentBefore && sampleAt(recorded, i + lag, 0) == 0;
    if (span.first > kStartLossFrames || !silentBefore || span.second != frames) {
        *why = QStringLiteral("frames %1 to %2 of %3 recorded unchanged, silent before: %4")
                   .arg(span.first)
                   .arg(span.second)
                   .arg(frames)
                   .arg(silentBefore);
        return -1;
    }
    return lag;
}

// For every click but the first, the distance between its two copies: the one the system audio
// recorded and the one the microphone did. The first click is left out: the start of the played
// stream may be lost in one of the copies (see kStartLossFrames). Clicks must lie more than
// 4410 frames apart, the copies of one within 4410 frames.
inline QVector<qsizetype> clickOffsets(const QByteArray& s16)
{
    QVector<qsizetype> loud;
    for (qsizetype i = 0; i < s16.size() / 4; ++i) {
        if (std::abs(sampleAt(s16, i, 0)) >= 8000)
            loud.append(i);
    }
    QVector<qsizetype> offsets;
    for (int k = 1; k + 1 < loud.size(); ++k) {
        if (loud[k] - loud[k - 1] > 4410 && loud[k + 1] - loud[k] <= 4410)
            offsets.append(loud[k + 1] - loud[k]);
    }
    return offsets;
}

// A recording of `span` into which a tone was played at `playedAt` (session clock): the file
// lasts as long as the recording (within 20 ms), and the tone starts not before it was played
// and at most half a second after (the player's start-up and the server's latency). The first
// loud frame, or -1 with *why.
inline qsizetype checkLengthAndOnset(const QByteArray& pcm, const sessiontest::Span& span,
                                     int64_t playedAt, QString* why)
{
    const qsizetype frames = pcm.size() / 4;
    if (frames < span.minFrames(44100, 20000) || frames > span.maxFrames(44100, 20000)) {
        *why = QStringLiteral("%1 s of file for %2 s")
                   .arg(frames / 44100.0)
                   .arg((span.beforeStop - span.afterStart) / 1e6);
        return -1;
    }
    const qsizetype onset = firstLoud(pcm, 1000);
    if (onset < span.earliestFrame(playedAt, 44100) - 882 ||
        onset > span.latestFrame(playedAt, 44100) + 44100 / 2) {
        *why = QStringLiteral("tone at %1 s, played at %2 s")
                   .arg(onset / 44100.0)
                   .arg((playedAt - span.afterStart) / 1e6);
        return -1;
    }
    return onset;
}

// The latency the sink is configured for now (`pactl list sinks`), in frames at 44.1 kHz.
inline qsizetype configuredSinkLatencyFrames(const QString& sink)
{
    const QString text =
        QString::fromUtf8(testmedia::pactl({QStringLiteral("list"), QStringLiteral("sinks")}).out);
    const qsizetype at = text.indexOf(QStringLiteral("Name: ") + sink);
    const QRegularExpression latency(QStringLiteral("configured (\\d+) usec"));
    const QRegularExpressionMatch match = latency.match(text, at);
    return at >= 0 && match.hasMatch() ? match.captured(1).toLongLong() * 44100 / 1000000 : -1;
}

}  // namespace playedaudio
