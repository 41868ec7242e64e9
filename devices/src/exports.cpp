// The two plain functions through which the plugin is reached.

#include <olmet/sounddevice.h>

#include <new>

#include "pulsesounddevice.h"

extern "C" {

OLMET_EXPORT olmet::SoundDevice* CreateDevice()
{
    // No exception may cross into a caller that may not even be C++.
    try {
        return new olmet::PulseSoundDevice();
    } catch (...) {
        return nullptr;
    }
}

OLMET_EXPORT int DestroyDevice(olmet::SoundDevice* device)
{
    if (!device)
        return -1;
    // Every object CreateDevice hands out is a PulseSoundDevice.
    delete static_cast<olmet::PulseSoundDevice*>(device);
    return 0;
}

}  // extern "C"
