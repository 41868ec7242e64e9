#pragma once
// VEAudioTagInfo: one file's tag set as the media information reads it, the tag form edits it
// and the converter writes it. Texts are UTF-8 byte strings, empty when absent; the cover is
// the raw bytes of a picture file (JPEG, PNG, ...). A plain value, registered as a meta type
// so it can travel through queued signals.

#include <QMetaType>

#include <cstdint>
#include <string>

struct VEAudioTagInfo {
    std::string title;
    std::string artist;
    std::string albumArtist;
    std::string composer;
    std::string album;
    std::string genre;
    std::string track;  // as read: "3" or "3/12"
    std::string year;
    std::string date;
    std::string grouping;
    std::string comment;
    std::string disc;  // as read, like track
    std::string copyright;
    std::string coverBytes;
    int32_t coverSize = 0;  // bytes in coverBytes
    bool flag = false;

    bool operator==(const VEAudioTagInfo& o) const;
    bool operator!=(const VEAudioTagInfo& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(VEAudioTagInfo)
