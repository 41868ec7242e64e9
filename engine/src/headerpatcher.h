#pragma once
// Keeps the size fields of a WAV or AIFF header in step with the data on disk while a recording
// runs, so a file whose process is killed before the trailer still opens with the right length.
// A WAV file that grows past 4 GiB becomes RF64 (its reserved JUNK chunk turns into ds64).
// It writes through its own descriptor, only into header bytes the muxer has already flushed.

#include <cstdint>
#include <memory>
#include <string>

namespace brisca {

class HeaderPatcher {
public:
    // muxer is "wav" or "aiff"; blockAlign is bytes per sample frame. Null when the header
    // cannot be read back.
    static std::unique_ptr<HeaderPatcher> create(const std::string& path,
                                                 const std::string& muxer, int blockAlign);
    ~HeaderPatcher();

    // Rewrites the size fields for the current file size.
    void patch();

private:
    HeaderPatcher() = default;
    bool parseWav(const uint8_t* header, size_t size);
    bool parseAiff(const uint8_t* header, size_t size);
    void patchWav(uint64_t fileSize);
    void patchAiff(uint64_t fileSize);
    void put(uint64_t offset, const void* bytes, size_t size);

    int m_fd = -1;
    bool m_aiff = false;
    int m_blockAlign = 1;
    uint64_t m_dataStart = 0;       // first byte of the samples
    uint64_t m_dataSizeOffset = 0;  // size field of "data" / "SSND"
    uint64_t m_junkOffset = 0;      // WAV: the reserved chunk that can become ds64 (0 = none)
    uint64_t m_framesOffset = 0;    // AIFF: numSampleFrames in COMM
};

}  // namespace brisca
