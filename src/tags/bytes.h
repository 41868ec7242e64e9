#pragma once
// Integer packing and text conversions shared by every tag block. All readers are bounds
// checked by their callers: they take a pointer that has at least the named number of bytes.

#include <cstdint>
#include <string>

namespace tags {

inline uint32_t be16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[0]) << 8 | u[1];
}
inline uint32_t be24(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[0]) << 16 | uint32_t(u[1]) << 8 | u[2];
}
inline uint32_t be32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[0]) << 24 | uint32_t(u[1]) << 16 | uint32_t(u[2]) << 8 | u[3];
}
inline uint64_t be64(const char* p)
{
    return uint64_t(be32(p)) << 32 | be32(p + 4);
}
inline uint32_t le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[1]) << 8 | u[0];
}
inline uint32_t le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[3]) << 24 | uint32_t(u[2]) << 16 | uint32_t(u[1]) << 8 | u[0];
}
inline uint64_t le64(const char* p)
{
    return uint64_t(le32(p + 4)) << 32 | le32(p);
}

std::string putBe16(uint32_t v);
std::string putBe24(uint32_t v);
std::string putBe32(uint32_t v);
std::string putBe64(uint64_t v);
std::string putLe16(uint32_t v);
std::string putLe32(uint32_t v);
std::string putLe64(uint64_t v);
void setBe32(std::string& s, size_t at, uint32_t v);
void setLe32(std::string& s, size_t at, uint32_t v);
void setLe64(std::string& s, size_t at, uint64_t v);

// UTF-8 <-> UTF-16 (host order code units). Invalid input is replaced, never rejected.
std::u16string utf8ToUtf16(const std::string& s);
std::string utf16ToUtf8(const std::u16string& s);
// UTF-16 in little or big endian bytes (an optional BOM overrides the given order).
std::string utf16BytesToUtf8(const char* p, size_t n, bool bigEndian);
std::string utf8ToUtf16Le(const std::string& s);  // no BOM, no terminator
std::string latin1ToUtf8(const char* p, size_t n);
// s with every malformed sequence replaced by U+FFFD.
std::string validUtf8(const std::string& s);
// Latin-1 bytes for s, or false when s has a character beyond U+00FF.
bool utf8ToLatin1(const std::string& s, std::string& out);

// Leading whitespace and trailing whitespace/NULs removed.
std::string trimmed(const std::string& s);
// ASCII upper case.
std::string upper(std::string s);

}  // namespace tags
