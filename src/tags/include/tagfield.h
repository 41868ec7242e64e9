#pragma once
// The fields a tag block can carry. The numeric values of the first fourteen are the slot
// numbers callers pass to TagFile (media information writes them by number); Lyrics has no
// slot of its own and is reached only through the field API.

namespace tags {

enum class Field : int {
    Title = 0,
    Artist = 1,
    Album = 2,
    Genre = 3,
    Year = 4,
    Track = 5,
    Comment = 6,
    Copyright = 7,
    Date = 8,
    Cover = 9,
    AlbumArtist = 10,
    Composer = 11,
    Grouping = 12,
    Disc = 13,
    Lyrics = 14,
};

constexpr int kFieldCount = 15;

}  // namespace tags
