#pragma once
// The last failure text of the calling thread, reported by BriscaLastError().

#include <cstdint>
#include <string>

namespace brisca {

void setLastError(std::string message);
const char* lastError();
// Sets the error and returns 0, for `return fail("...")` in the C functions.
int32_t fail(std::string message);

}  // namespace brisca
