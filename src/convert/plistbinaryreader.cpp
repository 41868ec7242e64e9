#include "plistbinaryreader.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr uint64_t kTrailerSize = 32;

[[noreturn]] void outOfBounds()
{
    throw std::runtime_error("Out of bounds getRange");
}

// Big-endian unsigned value of any width; of a value wider than 8 bytes the low 64 bits stay.
uint64_t bigEndian(const uint8_t* bytes, uint64_t count)
{
    uint64_t value = 0;
    for (uint64_t i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

PlistBinaryReader::PlistBinaryReader(const uint8_t* data, uint64_t size)
    : m_data(data), m_size(size)
{
    if (m_size < kTrailerSize)
        outOfBounds();
    const uint8_t* trailer = m_data + m_size - kTrailerSize;
    m_offsetSize = trailer[6];
    m_refSize = trailer[7];
    m_objectCount = bigEndian(trailer + 12, 4);
    m_tablePos = bigEndian(trailer + 24, 8);
    m_tableEnd = m_size - kTrailerSize;
    if (m_tablePos > m_tableEnd)
        outOfBounds();
    // Each object costs one unit plus its bytes or references. Writers share equal objects, so
    // a real list may produce more than its size, but not by this much; a crafted one that
    // references one large string millions of times stops here instead of exhausting memory.
    m_budget = 64 * m_size + (uint64_t(32) << 20);
}

boost::any PlistBinaryReader::readRoot()
{
    return readObject(0, 0);
}

void PlistBinaryReader::spend(uint64_t cost)
{
    if (cost >= m_budget)
        throw std::runtime_error("Plist: object graph too large");
    m_budget -= cost;
}

uint64_t PlistBinaryReader::objectOffset(uint64_t ref) const
{
    if (ref >= m_objectCount || m_offsetSize == 0)
        outOfBounds();
    const uint64_t span = m_tableEnd - m_tablePos;
    if (ref > span / m_offsetSize || m_offsetSize > span - ref * m_offsetSize)
        outOfBounds();
    // Offsets are 32-bit positions; a wider entry keeps its low 32 bits.
    return bigEndian(m_data + m_tablePos + ref * m_offsetSize, m_offsetSize) & 0xFFFFFFFFu;
}

uint64_t PlistBinaryReader::readReference(uint64_t pos) const
{
    return bigEndian(objectBytes(pos, m_refSize), m_refSize);
}

const uint8_t* PlistBinaryReader::objectBytes(uint64_t pos, uint64_t count) const
{
    if (pos > m_tablePos || count > m_tablePos - pos)
        outOfBounds();
    return m_data + pos;
}

void PlistBinaryReader::readLength(uint8_t marker, uint64_t offset, uint64_t* length,
                                   uint64_t* start)
{
    const unsigned nibble = marker & 0x0F;
    if (nibble != 0x0F) {
        *length = nibble;
        *start = offset + 1;
        return;
    }
    // The length is an integer object right after the marker.
    const uint8_t intMarker = *objectBytes(offset + 1, 1);
    const uint64_t width = uint64_t(1) << (intMarker & 0x0F);
    *length = bigEndian(objectBytes(offset + 2, width), width);
    *start = offset + 2 + width;
}

boost::any PlistBinaryReader::readObject(uint64_t ref, int depth)
{
    if (depth > kMaxDepth)
        throw std::runtime_error("Plist: objects nested too deeply");
    spend(1);
    const uint64_t offset = objectOffset(ref);
    const uint8_t marker = *objectBytes(offset, 1);
    const unsigned nibble = marker & 0x0F;

    switch (marker >> 4) {
        case 0x0:
            if (marker == 0x09)
                return true;
            if (marker == 0x08)
                return false;
            if (marker == 0x00)
                throw std::runtime_error("Plist: null byte encountered, unsure how to parse");
            if (marker == 0x0F)
                throw std::runtime_error("Plist: fill byte encountered, unsure how to parse");
            throw std::runtime_error(std::string("Plist: unknown header ") +
                                     static_cast<char>(marker));
        case 0x1: {
            const uint64_t width = uint64_t(1) << nibble;
            const uint64_t value = bigEndian(objectBytes(offset + 1, width), width);
            // An 8-byte integer is signed; narrower ones are unsigned and fit in int64 anyway.
            return static_cast<int64_t>(value);
        }
        case 0x2: {
            const uint64_t width = uint64_t(1) << nibble;
            const uint8_t* bytes = objectBytes(offset + 1, width);
            if (width == 4) {
                const uint32_t bits = static_cast<uint32_t>(bigEndian(bytes, 4));
                float single;
                std::memcpy(&single, &bits, sizeof single);
                return static_cast<double>(single);
            }
            const uint64_t bits = bigEndian(bytes, width);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case 0x3: {
            const uint64_t bits = bigEndian(objectBytes(offset + 1, 8), 8);
            double seconds;
            std::memcpy(&seconds, &bits, sizeof seconds);
            PlistDate date;
            date.setFromReferenceSeconds(seconds);
            return date;
        }
        case 0x4:
        case 0x5: {
            uint64_t length = 0;
            uint64_t start = 0;
            readLength(marker, offset, &length, &start);
            const char* bytes = reinterpret_cast<const char*>(objectBytes(start, length));
            spend(length);
            if (marker >> 4 == 0x5)
                return std::string(bytes, length);
            return std::vector<char>(bytes, bytes + length);
        }
        case 0xA:
        case 0xD:
            return readContainer(marker, offset, depth);
        default:
            throw std::runtime_error("This type is not supported");
    }
}

boost::any PlistBinaryReader::readContainer(uint8_t marker, uint64_t offset, int depth)
{
    uint64_t count = 0;
    uint64_t start = 0;
    readLength(marker, offset, &count, &start);
    const bool isDict = (marker >> 4) == 0xD;
    const uint64_t refs = isDict ? 2 * count : count;
    if ((isDict && count > UINT64_MAX / 2) || (m_refSize != 0 && refs > UINT64_MAX / m_refSize))
        outOfBounds();
    objectBytes(start, refs * m_refSize);  // all references must lie in the object table
    spend(refs);

    if (!isDict) {
        PlistArray array;
        array.reserve(static_cast<size_t>(count));
        for (uint64_t i = 0; i < count; ++i)
            array.push_back(readObject(readReference(start + i * m_refSize), depth + 1));
        return array;
    }

    PlistDict dict;
    for (uint64_t i = 0; i < count; ++i) {
        const boost::any key = readObject(readReference(start + i * m_refSize), depth + 1);
        const std::string* keyText = boost::any_cast<std::string>(&key);
        if (!keyText)
            throw std::runtime_error("Error parsing dictionary.  Key can't be parsed as a string");
        dict[*keyText] = readObject(readReference(start + (count + i) * m_refSize), depth + 1);
    }
    return dict;
}
