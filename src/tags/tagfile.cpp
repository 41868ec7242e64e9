#include "tagfile.h"

#include "apeformat.h"
#include "asfformat.h"
#include "bytes.h"
#include "containerformat.h"
#include "filestream.h"
#include "flacformat.h"
#include "mp4format.h"
#include "mpegformat.h"
#include "oggformat.h"
#include "riffformat.h"

namespace tags {

namespace {

std::unique_ptr<ContainerFormat> makeFormat(int code)
{
    switch (code) {
        case 0:
            return std::make_unique<RiffFormat>();
        case 1:
            return std::make_unique<AsfFormat>();
        case 2:
            return std::make_unique<MpegFormat>(false);
        case 3:
            return std::make_unique<MpegFormat>(true);
        case 4:
            return std::make_unique<Mp4Format>();
        case 5:
            return std::make_unique<OggFormat>();
        case 6:
            return std::make_unique<ApeFormat>();
        case 7:
            return std::make_unique<FlacFormat>();
        default:
            return nullptr;
    }
}

// Order in which the other parsers are tried when the extension's own parser declines.
const int kProbeOrder[] = {0, 1, 4, 5, 6, 7, 2, 3};

// The format of a file: the extension's parser first, then the others in probe order.
std::unique_ptr<ContainerFormat> detectFormat(const FileStream& file, int extensionCode)
{
    std::vector<int> order;
    if (extensionCode >= 0)
        order.push_back(extensionCode);
    for (int code : kProbeOrder) {
        if (code != extensionCode)
            order.push_back(code);
    }
    for (int code : order) {
        std::unique_ptr<ContainerFormat> format = makeFormat(code);
        if (format && format->parse(file))
            return format;
    }
    return nullptr;
}

// What a reader sees of a file's tags: each field from the first block that has it, and the
// first cover.
std::string fieldOf(ContainerFormat& format, Field field)
{
    for (TagBlock* b : format.blocks()) {
        std::string v = b->text(field);
        if (!v.empty())
            return v;
    }
    return {};
}

Picture coverOf(ContainerFormat& format)
{
    for (TagBlock* b : format.blocks()) {
        Picture p = b->picture();
        if (!p.empty())
            return p;
    }
    return {};
}

struct TagSnapshot {
    std::vector<std::string> fields;
    std::string coverData;
    std::string coverMime;

    explicit TagSnapshot(ContainerFormat& format)
    {
        for (int slot = 0; slot < kFieldCount; ++slot)
            fields.push_back(fieldOf(format, Field(slot)));
        Picture cover = coverOf(format);
        coverData = std::move(cover.data);
        coverMime = std::move(cover.mime);
    }
    bool operator==(const TagSnapshot& o) const
    {
        return fields == o.fields && coverData == o.coverData && coverMime == o.coverMime;
    }
};

}  // namespace

bool ContainerFormat::readRange(const FileStream& file, int64_t offset, int64_t length,
                                const AudioSink& sink)
{
    constexpr int64_t kChunk = 1 << 20;
    std::string buffer;
    for (int64_t done = 0; done < length; done += kChunk) {
        if (!file.readExact(offset + done, std::min(kChunk, length - done), buffer))
            return false;
        sink(buffer);
    }
    return true;
}

int formatCodeForExtension(const std::u16string& path)
{
    const size_t dot = path.rfind(u'.');
    const size_t slash = path.find_last_of(u"/\\");
    if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash))
        return -1;
    const std::string ext = upper(utf16ToUtf8(path.substr(dot + 1)));
    static const char* const kExtensions[] = {"WAV", "WMA", "MP3", "AAC",
                                              "M4A", "OGG", "APE", "FLAC"};
    for (int i = 0; i < 8; ++i) {
        if (ext == kExtensions[i])
            return i;
    }
    return -1;
}

TagFile::TagFile() = default;
TagFile::~TagFile() = default;

int TagFile::open(const char16_t* path)
{
    return open(path ? std::u16string(path) : std::u16string());
}

int TagFile::open(const std::u16string& path)
{
    close();
    if (path.empty())
        return -1;
    auto file = std::make_unique<FileStream>();
    if (!file->open(utf16ToUtf8(path)))
        return -1;
    m_extensionCode = formatCodeForExtension(path);
    m_format = detectFormat(*file, m_extensionCode);
    if (!m_format)
        return -1;
    m_file = std::move(file);
    return 0;
}

int TagFile::parse()
{
    if (!m_format)
        return -1;
    std::unique_ptr<ContainerFormat> fresh = makeFormat(m_format->code());
    if (!fresh || !fresh->parse(*m_file))
        return -1;
    m_format = std::move(fresh);
    return 0;
}

void TagFile::close()
{
    m_format.reset();
    m_file.reset();
}

int TagFile::formatCode() const
{
    return m_format ? m_format->code() : -1;
}

int TagFile::save()
{
    if (!m_format)
        return -1;
    if (!m_format->anyDirty())
        return 0;
    const TagSnapshot expected(*m_format);
    const int code = m_format->code();
    std::unique_ptr<ContainerFormat> reread;
    // The file (or a rewrite's new file before it replaces the old one) must read back, the
    // way open() reads it, as the same format with what was set.
    auto readsBack = [&](const FileStream& file) {
        std::unique_ptr<ContainerFormat> format = detectFormat(file, m_extensionCode);
        if (!format || format->code() != code || !(TagSnapshot(*format) == expected))
            return false;
        reread = std::move(format);
        return true;
    };
    m_file->beginSave();
    m_file->setCandidateCheck(readsBack);
    const bool ok = m_format->save(*m_file) && readsBack(*m_file);
    m_file->setCandidateCheck(nullptr);
    if (ok) {
        m_file->commitSave();
        m_format = std::move(reread);
        return 0;
    }
    m_file->rollbackSave();
    // Drop the edits that did not make it and read the file as it now is, so the object
    // stays usable.
    if (parse() != 0)
        close();
    return -1;
}

int64_t TagFile::totalTagSize() const
{
    return m_format ? m_format->tagSize() : -1;
}

std::string TagFile::fieldUtf8(Field field) const
{
    return m_format ? fieldOf(*m_format, field) : std::string();
}

int TagFile::setFieldUtf8(Field field, const std::string& utf8)
{
    if (!m_format || field == Field::Cover)
        return -1;
    int result = -1;
    for (TagBlock* b : m_format->blocks()) {
        if (b->supports(field)) {
            b->setText(field, utf8);
            result = 0;
        }
    }
    return result;
}

bool TagFile::supports(Field field) const
{
    return m_format && m_format->blocks().front()->supports(field);
}

std::string TagFile::blockKinds() const
{
    std::string kinds;
    if (!m_format)
        return kinds;
    for (TagBlock* b : m_format->blocks()) {
        if (!kinds.empty())
            kinds += ", ";
        kinds += b->kind();
    }
    return kinds;
}

Picture TagFile::cover() const
{
    return m_format ? coverOf(*m_format) : Picture();
}

bool TagFile::audioChecksum(uint64_t& checksum) const
{
    if (!m_format)
        return false;
    // FNV-1a: enough to tell changed bytes apart in tests and fuzzing.
    uint64_t hash = 1469598103934665603ull;
    const bool ok = m_format->readAudio(*m_file, [&](const std::string& bytes) {
        for (unsigned char c : bytes)
            hash = (hash ^ c) * 1099511628211ull;
    });
    checksum = hash;
    return ok;
}

int TagFile::setCover(const Picture& picture)
{
    if (!m_format)
        return -1;
    int result = -1;
    for (TagBlock* b : m_format->blocks()) {
        if (b->supports(Field::Cover)) {
            b->setPicture(picture);
            result = 0;
        }
    }
    return result;
}

static bool validSlot(int slot)
{
    return slot >= 0 && slot < kFieldCount;
}

int TagFile::getField(int slot, std::u16string& text) const
{
    text.clear();
    if (!m_format || !validSlot(slot))
        return -1;
    text = utf8ToUtf16(fieldUtf8(Field(slot)));
    return 0;
}

int TagFile::setTextField(int slot, const char16_t* text, int byteLength)
{
    if (!m_format || !validSlot(slot) || Field(slot) == Field::Cover)
        return -1;
    std::u16string value;
    if (text) {
        const size_t maxUnits = byteLength < 0 ? SIZE_MAX : size_t(byteLength) / 2;
        for (size_t i = 0; i < maxUnits && text[i] != 0; ++i)
            value += text[i];
    }
    return setFieldUtf8(Field(slot), trimmed(utf16ToUtf8(value)));
}

int TagFile::setCover(const void* data, int size, int pictureType)
{
    if (!m_format)
        return -1;
    Picture p;
    if (data && size > 0) {
        p.data.assign(static_cast<const char*>(data), size_t(size));
        p.mime = sniffImageMime(p.data);
        p.type = pictureType == 1 || pictureType <= 0 || pictureType > 20 ? 3 : pictureType;
    }
    return setCover(p);
}

TagFile* createTagFile()
{
    return new TagFile;
}

void releaseTagFile(TagFile* file)
{
    delete file;
}

}  // namespace tags
