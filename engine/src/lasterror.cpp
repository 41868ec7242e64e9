#include <cstdint>

#include "lasterror.h"

namespace brisca {

static thread_local std::string t_lastError;

void setLastError(std::string message) { t_lastError = std::move(message); }

const char* lastError() { return t_lastError.c_str(); }

int32_t fail(std::string message)
{
    setLastError(std::move(message));
    return 0;
}

}  // namespace brisca
