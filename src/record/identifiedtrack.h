#pragma once
// A track that an identification service (the catalogue, AcoustID) found, as the tags of a
// recognition result: the one mapping for the session's results and the edit dialog's form.
// Header only: its users link both the recording and the identification libraries.

#include "nxrecognizeraudiotaginfo.h"
#include "trackidentifier.h"

inline NxRecognizerAudioTagInfo tagsOfIdentifiedTrack(const TrackIdentification& found)
{
    NxRecognizerAudioTagInfo info;
    info.title = found.title.toStdString();
    info.artist = found.artist.toStdString();
    info.album = found.album.toStdString();
    info.genre = found.genre.toStdString();
    info.date = found.date.toStdString();
    // MusicBrainz dates are "YYYY", "YYYY-MM" or "YYYY-MM-DD".
    info.year = found.date.left(4).toStdString();
    info.cover = found.cover.toStdString();
    info.coverSize = int32_t(found.cover.size());
    return info;
}
