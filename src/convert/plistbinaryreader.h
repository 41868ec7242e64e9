#pragma once
// Reader of the binary property-list form ("bplist00"). Internal to the property-list reader.
//
// Layout, all numbers big-endian: objects, then the offset table, then a 32-byte trailer
// (byte 6 offset size, byte 7 reference size, bytes 12-15 object count, bytes 24-31 offset
// table position). The root is always object 0; the trailer's top-object field is not read.
//
// Every position is checked against the buffer ("Out of bounds getRange"), and two limits keep
// hostile input from exhausting the stack or memory: object references may nest only
// kMaxDepth deep (which also ends reference cycles), and the objects produced may not exceed
// a budget proportional to the input size (shared references would otherwise copy one large
// string or array many times over).

#include "plist.h"

#include <cstdint>

class PlistBinaryReader {
public:
    PlistBinaryReader(const uint8_t* data, uint64_t size);

    // Reads object 0. Throws std::runtime_error.
    boost::any readRoot();

    static constexpr int kMaxDepth = 512;

private:
    boost::any readObject(uint64_t ref, int depth);
    boost::any readContainer(uint8_t marker, uint64_t offset, int depth);
    // Length of a data, string, array or dict object and where its content starts.
    void readLength(uint8_t marker, uint64_t offset, uint64_t* length, uint64_t* start);
    uint64_t objectOffset(uint64_t ref) const;
    uint64_t readReference(uint64_t pos) const;
    // Pointer to count bytes of the object table at pos.
    const uint8_t* objectBytes(uint64_t pos, uint64_t count) const;
    void spend(uint64_t cost);

    const uint8_t* m_data;
    uint64_t m_size;
    unsigned m_offsetSize = 0;
    unsigned m_refSize = 0;
    uint64_t m_objectCount = 0;
    uint64_t m_tablePos = 0;
    uint64_t m_tableEnd = 0;
    uint64_t m_budget = 0;
};
