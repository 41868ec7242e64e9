// Fuzz target: Plist::readBuffer on arbitrary bytes (XML and "bplist00" alike). A
// std::runtime_error is the reader's documented way to reject input; anything else (crash, leak,
// hang, another exception) is a defect.

#include "plist.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    boost::any out;
    try {
        Plist::readBuffer(reinterpret_cast<const char*>(data), static_cast<int64_t>(size), out);
    } catch (const std::runtime_error&) {
    }
    return 0;
}
