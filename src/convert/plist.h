#pragma once
// Property-list reader: XML (parsed with pugixml) or binary ("bplist00") into a tree of
// boost::any values. Read only; stateless and safe to call from any thread.
//
// A value holds exactly one of:
//   dict     PlistDict   (std::map<std::string, boost::any>, keys sorted and unique)
//   array    PlistArray  (std::vector<boost::any>)
//   string   std::string (bytes as stored)
//   integer  int64_t
//   real     double
//   boolean  bool
//   date     PlistDate
//   data     std::vector<char>
//
// Every failure throws std::runtime_error with a fixed message; nothing partial is returned.

#include "plistdate.h"

#include <boost/any.hpp>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using PlistDict = std::map<std::string, boost::any>;
using PlistArray = std::vector<boost::any>;

namespace Plist {

// Reads the file at a UTF-8 path. An empty path leaves out untouched.
// Throws "Can't open file: <path>" or "Can't read zero length data", or any error of
// readBuffer.
void readFile(const std::string& path, boost::any& out);

// Reads a property list from memory: binary when it starts with "bplist00", XML otherwise.
// Throws "Plist: Empty plist data" for size 0.
void readBuffer(const char* data, int64_t size, boost::any& out);

// Pointer to the first element; throws for an empty vector.
template <typename T>
T* vecData(std::vector<T>& vec)
{
    if (vec.empty())
        throw std::runtime_error("Plist::vecData trying to get pointer to empty std::vector");
    return vec.data();
}

template <typename T>
const T* vecData(const std::vector<T>& vec)
{
    if (vec.empty())
        throw std::runtime_error("Plist::vecData trying to get pointer to empty std::vector");
    return vec.data();
}

// The count elements from index on; throws "Out of bounds getRange" when they do not all
// lie inside bytes.
template <typename T>
std::vector<T> getRange(const std::vector<T>& bytes, uint64_t index, uint64_t count)
{
    if (index > bytes.size() || count > bytes.size() - index)
        throw std::runtime_error("Out of bounds getRange");
    return std::vector<T>(bytes.begin() + static_cast<std::ptrdiff_t>(index),
                          bytes.begin() + static_cast<std::ptrdiff_t>(index + count));
}

// True when both trees hold the same types and values (dates by their seconds, reals
// exactly). Used to compare the XML and binary forms of one list.
bool equal(const boost::any& a, const boost::any& b);

}  // namespace Plist
