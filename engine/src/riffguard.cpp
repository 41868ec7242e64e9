#include "riffguard.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace brisca {
namespace {

// A claim this much past the end of the file is damage, not a file cut short while written.
constexpr uint64_t kSlackBytes = 1 << 20;
constexpr int kMaxChunks = 4096;

uint32_t le32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

bool readAt(std::ifstream& in, uint64_t offset, char* out, std::streamsize n)
{
    in.clear();
    in.seekg(std::streamoff(offset));
    return bool(in.read(out, n));
}

}  // namespace

bool riffInfoFits(const std::string& path, std::string* why)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return true;
    const uint64_t fileSize = uint64_t(in.tellg());
    char header[12];
    if (!readAt(in, 0, header, 12) || std::memcmp(header, "RIFF", 4) != 0)
        return true;
    uint64_t offset = 12;
    for (int chunks = 0; chunks < kMaxChunks && offset + 12 <= fileSize; ++chunks) {
        char chunk[12];
        if (!readAt(in, offset, chunk, 12))
            return true;
        const uint64_t size = le32(chunk + 4);
        if (std::memcmp(chunk, "LIST", 4) == 0 && std::memcmp(chunk + 8, "INFO", 4) == 0) {
            // The entries are read up to the end of the file, whatever the list claims.
            uint64_t entry = offset + 12;
            for (; chunks < kMaxChunks && entry + 8 <= fileSize; ++chunks) {
                char head[8];
                if (!readAt(in, entry, head, 8))
                    return true;
                const uint64_t claimed = le32(head + 4);
                const uint64_t left = fileSize - entry - 8;
                if (claimed > left + kSlackBytes) {
                    *why = "damaged WAV header: an INFO entry claims " + std::to_string(claimed) +
                           " bytes where the file has " + std::to_string(left) + " left";
                    return false;
                }
                entry += 8 + claimed + (claimed & 1);
                if (entry >= offset + 8 + size)
                    break;
            }
        }
        offset += 8 + size + (size & 1);
    }
    return true;
}

}  // namespace brisca
