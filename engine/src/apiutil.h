#pragma once
// Helpers of the C functions: look a handle up with a clear error when it is dead or of
// another kind, and release it.

#include <memory>
#include <string>

#include "effectchain.h"
#include "handletable.h"
#include "lasterror.h"

namespace brisca {

template <class T>
std::shared_ptr<T> lookupHandle(int32_t handle, const char* what)
{
    std::shared_ptr<T> object = HandleTable::instance().get<T>(handle);
    if (!object)
        setLastError(std::string("invalid ") + what + " handle " + std::to_string(handle));
    return object;
}

template <class T>
int32_t releaseHandle(int32_t handle, const char* what)
{
    if (!lookupHandle<T>(handle, what))
        return 0;
    HandleTable::instance().take(handle);
    return 1;
}

// Checks and copies equalizer bands of a C call; false (with the last error set) when invalid.
bool readBands(const double* frequenciesHz, const double* gainsDb, int32_t count,
               std::vector<EqualizerBand>* bands);

}  // namespace brisca
