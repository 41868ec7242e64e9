#pragma once
// TagFile: reads and writes the tags of one audio file in place. It detects the file's
// format (by extension first, then by trying every parser), holds the tag blocks of that
// format, and writes the changed ones back on save() without touching the audio payload.
//
// Format codes: 0 WAV (and AIFF), 1 WMA/ASF, 2 MP3, 3 AAC (ADTS), 4 M4A, 5 Ogg (Vorbis and
// Opus), 6 Monkey's Audio, 7 FLAC; -1 when nothing is open.
//
// Fields are addressed by slot number (see Field): 0 title, 1 artist, 2 album, 3 genre,
// 4 year, 5 track, 6 comment, 7 copyright, 8 date, 9 cover, 10 album artist, 11 composer,
// 12 grouping, 13 disc, 14 lyrics. Texts cross this interface as UTF-16. Every operation on
// an object that is not open returns -1 (or an empty result) and writes nothing.
//
// A save either writes what was set or leaves the file as it was: after writing, the file is
// read back the way open() reads it, and unless it yields the same format with every field
// and the cover as set, the save fails and the file is restored byte for byte. Growing saves
// write a complete new file beside the original and replace it only once that file has been
// flushed to disk and read back (see FileStream).
//
// Objects come from createTagFile() and go back through releaseTagFile() (or delete).
// Not thread-safe: one object per thread.

#include "picture.h"
#include "tagfield.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tags {

class ContainerFormat;
class FileStream;

class TagFile {
public:
    TagFile();
    ~TagFile();
    TagFile(const TagFile&) = delete;
    TagFile& operator=(const TagFile&) = delete;

    // Opens an existing, writable file and detects its format. 0 on success; -1 when the
    // file does not exist, cannot be opened for writing, or no parser accepts it.
    int open(const std::u16string& path);
    int open(const char16_t* path);
    // Reads the tag blocks of the open file again, dropping unsaved changes. 0 or -1.
    int parse();
    void close();
    int formatCode() const;
    // Writes every changed block. 0 on success (also when nothing changed); -1 when nothing
    // is open or the write failed or did not read back (the file is then unchanged, and the
    // object holds the file's tags as they are).
    int save();
    // Bytes the tag blocks take in the file (padding included); -1 when nothing is open.
    int64_t totalTagSize() const;

    // The text of a slot (empty when absent); the cover slot gives no text. -1 when nothing
    // is open or the slot is unknown, else 0.
    int getField(int slot, std::u16string& text) const;
    // Sets a text slot. `text` holds up to byteLength / 2 UTF-16 units and ends early at a
    // NUL (a negative byteLength means "up to the NUL"). An empty text removes the field.
    // The change is written by save(). 0, or -1 for an unknown slot, a field the format cannot
    // carry, or when nothing is open.
    int setTextField(int slot, const char16_t* text, int byteLength);
    // Sets the cover from the raw bytes of an image file (JPEG, PNG, GIF or BMP).
    // pictureType 1 means the front cover; other values are ID3/FLAC picture types.
    // A null or empty picture removes the cover. 0, or -1 when nothing is open or the format
    // carries no picture.
    int setCover(const void* data, int size, int pictureType);

    // Further field operations.
    std::string fieldUtf8(Field field) const;
    int setFieldUtf8(Field field, const std::string& utf8);
    Picture cover() const;
    int setCover(const Picture& picture);
    int removeCover() { return setCover(Picture{}); }
    // True when the format can carry the field in its primary block.
    bool supports(Field field) const;
    // Kinds of the blocks found (primary first), e.g. "ID3v2.4, APE".
    std::string blockKinds() const;
    // A 64-bit hash of the audio payload: the bytes no tag write may change. False when
    // nothing is open or the file cannot be read.
    bool audioChecksum(uint64_t& checksum) const;

private:
    std::unique_ptr<FileStream> m_file;
    std::unique_ptr<ContainerFormat> m_format;
    int m_extensionCode = -1;
};

// Factory and release pair for callers that hold TagFile by pointer.
TagFile* createTagFile();
void releaseTagFile(TagFile* file);

// Format code of a file name's extension (case-insensitive), -1 when unknown.
int formatCodeForExtension(const std::u16string& path);

}  // namespace tags
