#pragma once
// Helpers of the media-information, converter and player tests: generate media with the
// ffmpeg CLI and line decoded audio up against its source.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <cmath>

#include "testmedia.h"

namespace mediatest {

// A chirp from 200 Hz rising 80 Hz per second: no two stretches look alike, so decoded audio
// can be lined up against it to the sample.
inline QString chirp(double seconds, int rateHz = 44100)
{
    return QStringLiteral("aevalsrc=0.5*sin(2*PI*(200*t+40*t*t)):s=%1:d=%2")
        .arg(rateHz)
        .arg(seconds);
}

// ffmpeg -f lavfi -i SOURCE [codec args...] PATH
inline bool make(const QString& path, const QString& lavfiSource, const QStringList& codecArgs,
                 const QStringList& inputs = {})
{
    return testmedia::ffmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"),
                                         QStringLiteral("-i"), lavfiSource} +
                             inputs + codecArgs + QStringList{path});
}

inline double sampleAt(const QByteArray& s16, qsizetype i)
{
    return qFromLittleEndian<qint16>(s16.constData() + i * 2) / 32768.0;
}

inline qsizetype samples(const QByteArray& s16)
{
    return s16.size() / 2;
}

// The lag L (within +-window) at which out[outFrom + i] best matches src[srcFrom + L + i]
// over n mono samples (normalised cross-correlation).
inline int bestLag(const QByteArray& src, qsizetype srcFrom, const QByteArray& out,
                   qsizetype outFrom, int window, int n = 8192)
{
    double best = -1e300;
    int bestAt = 0;
    for (int lag = -window; lag <= window; ++lag) {
        double acc = 0, energy = 0;
        for (int i = 0; i < n; ++i) {
            const qsizetype j = srcFrom + lag + i;
            if (j < 0 || j >= samples(src) || outFrom + i >= samples(out))
                continue;
            const double s = sampleAt(src, j);
            acc += sampleAt(out, outFrom + i) * s;
            energy += s * s;
        }
        const double score = energy > 0 ? acc / std::sqrt(energy) : 0;
        if (score > best) {
            best = score;
            bestAt = lag;
        }
    }
    return bestAt;
}

inline double peak(const QByteArray& s16)
{
    double p = 0;
    for (qsizetype i = 0; i < samples(s16); ++i)
        p = std::max(p, std::fabs(sampleAt(s16, i)));
    return p;
}

// Decibels of a level ratio.
inline double db(double ratio)
{
    return 20.0 * std::log10(std::max(ratio, 1e-9));
}

}  // namespace mediatest
