#pragma once
// Synthetic music for the recognition tests: each seed gives a track of its own (a melody, a
// bass line and a beat whose notes follow a hash of the seed and the beat number, so no two
// seeds and no two stretches of one track sound alike), made with ffmpeg at run time.

#include <QMap>
#include <QString>
#include <QStringList>

namespace testmusic {

struct Track {
    int seed = 1;
    double seconds = 40;
    QMap<QString, QString> tags;  // ffmpeg metadata keys: title, artist, album, genre, date...
    bool cover = false;           // attach a small PNG picture (MP3, FLAC and M4A only)
};

// The lavfi source of the track's sound, for ffmpeg -f lavfi -i.
QString source(int seed, double seconds, int rateHz = 44100);
// Writes the track to path (format from the extension); false when ffmpeg fails.
bool make(const QString& path, const Track& track);
// Cuts [startS, startS + seconds) out of a file into a new one.
bool excerpt(const QString& from, const QString& to, double startS, double seconds);

// Joins whole files one after another with gapS of digital silence between them (44.1 kHz
// stereo, format from the extension of `to`), as a player would play an album.
bool backToBack(const QStringList& tracks, double gapS, const QString& to);

}  // namespace testmusic
