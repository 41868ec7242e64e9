#include "nxrecognizeraudiotaginfo.h"

VEAudioTagInfo NxRecognizerAudioTagInfo::toAudioTags() const
{
    VEAudioTagInfo tags;
    tags.title = title;
    tags.artist = artist;
    tags.albumArtist = albumArtist;
    tags.composer = composer;
    tags.album = album;
    tags.genre = genre;
    tags.track = track;
    tags.year = year;
    tags.date = date;
    tags.grouping = grouping;
    tags.comment = comment;
    tags.disc = disc;
    tags.copyright = copyright;
    tags.coverBytes = cover;
    tags.coverSize = coverSize;
    return tags;
}
