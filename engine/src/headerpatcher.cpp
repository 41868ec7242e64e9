#include "headerpatcher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace brisca {

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

void putLe(uint8_t* p, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

void putBe(uint8_t* p, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = uint8_t(v >> (8 * (bytes - 1 - i)));
}

}  // namespace

std::unique_ptr<HeaderPatcher> HeaderPatcher::create(const std::string& path,
                                                     const std::string& muxer, int blockAlign)
{
    std::unique_ptr<HeaderPatcher> patcher(new HeaderPatcher);
    patcher->m_fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (patcher->m_fd < 0)
        return nullptr;
    uint8_t header[4096];
    const ssize_t n = ::pread(patcher->m_fd, header, sizeof header, 0);
    if (n < 12)
        return nullptr;
    patcher->m_blockAlign = blockAlign > 0 ? blockAlign : 1;
    patcher->m_aiff = muxer == "aiff";
    const bool ok = patcher->m_aiff ? patcher->parseAiff(header, size_t(n))
                                    : patcher->parseWav(header, size_t(n));
    return ok ? std::move(patcher) : nullptr;
}

HeaderPatcher::~HeaderPatcher()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool HeaderPatcher::parseWav(const uint8_t* h, size_t size)
{
    if (std::memcmp(h, "RIFF", 4) != 0 || std::memcmp(h + 8, "WAVE", 4) != 0)
        return false;
    for (size_t pos = 12; pos + 8 <= size;) {
        const uint32_t chunk = le32(h + pos + 4);
        if (std::memcmp(h + pos, "data", 4) == 0) {
            m_dataSizeOffset = pos + 4;
            m_dataStart = pos + 8;
            return true;
        }
        if (std::memcmp(h + pos, "JUNK", 4) == 0 && chunk == 28)
            m_junkOffset = pos;
        pos += 8 + chunk + (chunk & 1);
    }
    return false;
}

bool HeaderPatcher::parseAiff(const uint8_t* h, size_t size)
{
    if (std::memcmp(h, "FORM", 4) != 0 ||
        (std::memcmp(h + 8, "AIFF", 4) != 0 && std::memcmp(h + 8, "AIFC", 4) != 0))
        return false;
    for (size_t pos = 12; pos + 8 <= size;) {
        const uint32_t chunk = be32(h + pos + 4);
        if (std::memcmp(h + pos, "COMM", 4) == 0)
            m_framesOffset = pos + 10;  // after numChannels
        if (std::memcmp(h + pos, "SSND", 4) == 0) {
            m_dataSizeOffset = pos + 4;
            m_dataStart = pos + 16;  // after offset and blockSize
            return m_framesOffset != 0;
        }
        pos += 8 + chunk + (chunk & 1);
    }
    return false;
}

void HeaderPatcher::patch()
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || uint64_t(st.st_size) < m_dataStart)
        return;
    if (m_aiff)
        patchAiff(uint64_t(st.st_size));
    else
        patchWav(uint64_t(st.st_size));
}

void HeaderPatcher::patchWav(uint64_t fileSize)
{
    // Whole sample frames only: a write cut short by a full disk may end mid-frame.
    const uint64_t data = (fileSize - m_dataStart) / m_blockAlign * m_blockAlign;
    const uint64_t riff = m_dataStart + data - 8;
    uint8_t b[8];
    if (riff <= 0xFFFFFFFFull) {
        putLe(b, riff, 4);
        put(4, b, 4);
        putLe(b, data, 4);
        put(m_dataSizeOffset, b, 4);
        return;
    }
    if (!m_junkOffset)
        return;  // no room for ds64: leave the 4 GiB sizes as they are
    uint8_t ds64[36] = {'d', 's', '6', '4'};
    putLe(ds64 + 4, 28, 4);
    putLe(ds64 + 8, riff, 8);
    putLe(ds64 + 16, data, 8);
    putLe(ds64 + 24, data / m_blockAlign, 8);
    put(m_junkOffset, ds64, sizeof ds64);
    put(0, "RF64", 4);
    putLe(b, 0xFFFFFFFFu, 4);
    put(4, b, 4);
    put(m_dataSizeOffset, b, 4);
}

void HeaderPatcher::patchAiff(uint64_t fileSize)
{
    uint64_t data = (fileSize - m_dataStart) / m_blockAlign * m_blockAlign;
    if (m_dataStart + data - 8 > 0xFFFFFFFFull)
        data = (0xFFFFFFFFull - m_dataStart + 8) / m_blockAlign * m_blockAlign;
    uint8_t b[4];
    putBe(b, m_dataStart + data - 8, 4);
    put(4, b, 4);
    putBe(b, data / m_blockAlign, 4);
    put(m_framesOffset, b, 4);
    putBe(b, data + 8, 4);
    put(m_dataSizeOffset, b, 4);
}

void HeaderPatcher::put(uint64_t offset, const void* bytes, size_t size)
{
    // A failed header write leaves the previous sizes, which still describe a valid prefix.
    [[maybe_unused]] ssize_t written = ::pwrite(m_fd, bytes, size, off_t(offset));
}

}  // namespace brisca
