#pragma once
// What music identification found: the recognized track's tags (UTF-8, empty unless found)
// and its cover picture. A plain value, sent across threads by queued signals.

#include <QMetaType>

#include <cstdint>
#include <string>

#include "veaudiotaginfo.h"

struct NxRecognizerAudioTagInfo {
    std::string title;
    std::string artist;
    std::string albumArtist;
    std::string composer;
    std::string album;
    std::string genre;
    std::string track;
    std::string year;
    std::string date;
    std::string grouping;
    std::string comment;
    std::string disc;
    std::string dvdSize;
    std::string dvdClip;
    std::string lyrics;
    std::string copyright;
    std::string cover;  // picture bytes
    int32_t coverSize = 0;

    bool isEmpty() const { return title.empty() && artist.empty() && album.empty(); }
    // The same tags in the form the tag writer and the edit dialog take.
    VEAudioTagInfo toAudioTags() const;
};

Q_DECLARE_METATYPE(NxRecognizerAudioTagInfo)
