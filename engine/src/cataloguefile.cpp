#include "cataloguefile.h"

#include <cctype>

#include "fingerprinter.h"
#include "mediainfo.h"

namespace brisca {

const char* const kCatalogueTextKeys[16] = {
    "title", "artist",   "album",    "album_artist", "comment",  "composer", "copyright", "date",
    "disc",  "dvd_clip", "dvd_size", "genre",        "grouping", "lyrics",   "track",     "year"};

namespace {

std::string entryText(const MediaInfo& info, const char* key)
{
    const BriscaEntry* e = info.entry(key);
    return e ? std::string(e->bytes.c_str()) : std::string();
}

// Most containers carry the year only inside the date ("2019-05-01", "2019").
std::string yearOf(const std::string& date)
{
    if (date.size() >= 4 && std::isdigit(static_cast<unsigned char>(date[0])) &&
        std::isdigit(static_cast<unsigned char>(date[3])))
        return date.substr(0, 4);
    return {};
}

}  // namespace

bool readCatalogueTrack(const std::string& path, CatalogueTrack* track, std::string* error)
{
    MediaInfo info;
    if (!info.open(path, error))
        return false;
    if (info.audioTrackCount() == 0) {
        *error = "'" + path + "' has no sound";
        return false;
    }
    track->path = path;
    track->tags.clear();
    for (const char* key : kCatalogueTextKeys) {
        const std::string value = entryText(info, key);
        if (!value.empty())
            track->tags[key] = value;
    }
    if (!track->tags.count("year") && track->tags.count("date"))
        track->tags["year"] = yearOf(track->tags["date"]);
    const BriscaEntry* cover = info.entry("cover_image");
    track->cover = cover ? cover->bytes : std::string();
    return fingerprintFile(path, 0, &track->items, &track->durationUs, error);
}

}  // namespace brisca
