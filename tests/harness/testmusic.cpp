#include "testmusic.h"

#include <QTemporaryDir>

#include "testmedia.h"

namespace testmusic {

QString source(int seed, double seconds, int rateHz)
{
    // hash(n) in 0..1: the fractional part of a large sine, a cheap non-repeating sequence.
    // The voices add up to at most 0.9, so nothing clips.
    const QString hash = QStringLiteral("abs(sin(%1*12.9898+%2*78.233)*43758.5453)");
    auto noteOf = [&](const QString& beat, int salt, int range) {
        const QString h = hash.arg(beat).arg(seed * 7 + salt);
        return QStringLiteral("floor(mod(%1,1)*%2)").arg(h).arg(range);
    };
    const QString melody =
        QStringLiteral("220*pow(2,%1/12)").arg(noteOf(QStringLiteral("floor(t*4)"), 1, 24));
    const QString bass =
        QStringLiteral("82.4*pow(2,%1/12)").arg(noteOf(QStringLiteral("floor(t)"), 2, 12));
    const QString expr = QStringLiteral(
                             "0.3*sin(2*PI*%1*t)+0.15*sin(3*PI*%1*t)+0.25*sin(2*PI*%2*t)"
                             "+0.2*(random(0)*2-1)*exp(-mod(t,0.5)*18)")
                             .arg(melody, bass);
    return QStringLiteral("aevalsrc='%1':s=%2:d=%3").arg(expr).arg(rateHz).arg(seconds);
}

bool make(const QString& path, const Track& track)
{
    QStringList args{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     source(track.seed, track.seconds)};
    QTemporaryDir dir;
    if (track.cover) {
        const QString png = dir.filePath(QStringLiteral("cover.png"));
        if (!testmedia::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("color=c=0x3366aa:s=32x32:d=1"),
                                QStringLiteral("-frames:v"), QStringLiteral("1"), png}))
            return false;
        args << QStringLiteral("-i") << png << QStringLiteral("-map") << QStringLiteral("0:a")
             << QStringLiteral("-map") << QStringLiteral("1:v") << QStringLiteral("-c:v")
             << QStringLiteral("png") << QStringLiteral("-disposition:v")
             << QStringLiteral("attached_pic");
        if (path.endsWith(QLatin1String(".mp3")))
            args << QStringLiteral("-id3v2_version") << QStringLiteral("3");
    }
    for (auto it = track.tags.cbegin(); it != track.tags.cend(); ++it)
        args << QStringLiteral("-metadata") << it.key() + QLatin1Char('=') + it.value();
    return testmedia::ffmpeg(args << path);
}

bool excerpt(const QString& from, const QString& to, double startS, double seconds)
{
    return testmedia::ffmpeg({QStringLiteral("-ss"), QString::number(startS), QStringLiteral("-t"),
                              QString::number(seconds), QStringLiteral("-i"), from,
                              QStringLiteral("-map_metadata"), QStringLiteral("-1"), to});
}

bool backToBack(const QStringList& tracks, double gapS, const QString& to)
{
    // Each track is resampled to one format and followed by the gap (all but the last), then
    // all are joined.
    QStringList args;
    QString chain, joined;
    for (int i = 0; i < tracks.size(); ++i) {
        args << QStringLiteral("-i") << tracks[i];
        const QString pad =
            i + 1 < tracks.size() ? QStringLiteral(",apad=pad_dur=%1").arg(gapS) : QString();
        chain += QStringLiteral(
                     "[%1:a]aresample=44100,aformat=sample_fmts=s16:channel_layouts="
                     "stereo%2[t%1];")
                     .arg(i)
                     .arg(pad);
        joined += QStringLiteral("[t%1]").arg(i);
    }
    chain += joined + QStringLiteral("concat=n=%1:v=0:a=1").arg(tracks.size());
    return testmedia::ffmpeg(args << QStringLiteral("-filter_complex") << chain
                                  << QStringLiteral("-map_metadata") << QStringLiteral("-1") << to);
}

}  // namespace testmusic
