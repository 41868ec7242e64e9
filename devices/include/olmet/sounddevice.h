#pragma once
// The sound-device plugin libOlmet: the machine's capture devices with their recording inputs,
// the system's default recording input and playback output, and their volumes and mute states.
//
// The plugin is loaded at run time (dlopen / QLibrary) and reached through two plain functions:
//   CreateDevice()     returns a new device object, or null when the object cannot be made.
//                      Without a reachable sound server it still returns an object, which
//                      reports no devices and negative results.
//   DestroyDevice(p)   stops and frees an object made by CreateDevice; null is accepted.
//
// Indices. Capture devices are numbered from 0 in the order of the last RefreshDeviceList (or of
// CreateDevice); each device has exactly one recorder, number 0. Playback outputs are numbered
// separately, from 0, in the same snapshot; each has one player, number 0. Any pair outside the
// snapshot (for example (-1, 65535), which callers use for "not a microphone") is accepted and
// ignored: getters return a negative value or an empty name, setters do nothing.
//
// Callers. The recorder's inputs panel creates one object for its lifetime, fills its microphone
// list from the counts and names, polls IsDeviceListChanged, GetDefaultRecorder and the volume
// getters every 200 ms, and calls the setters when the user picks an input or moves a slider.
// `quillon devices` makes one object, waits for the devices (WaitForDevices), reads everything
// once and destroys it.
//
// Threads. Every operation may be called from any one thread at a time (the GUI thread in the
// recorder), never from two threads at once and never concurrently with DestroyDevice. No
// operation but WaitForDevices waits for the sound server: the object keeps the server's state
// from the server's events on its own thread (connecting, and reconnecting after the server
// went away, by itself), getters read that state, and setters send their request without
// waiting for the answer (what they change reads back at once). Right after CreateDevice the
// state may not be known yet; IsDeviceListChanged becomes non-zero when it is.
//
// Units. Volumes are integers 0..100, percent of the server's normal (unamplified) volume; a
// louder setting made elsewhere reads as 100. Mute values are 1 = muted, 0 = not muted.
//
// Texts. Names are NUL-terminated UTF-16 strings owned by the object. They stay valid until the
// next RefreshDeviceList or DestroyDevice; callers copy them at once.
//
// The order of the virtual operations below is the layout of the object's table of operations,
// which callers built against another copy of this header rely on: never reorder, insert before
// or remove an operation; new ones go at the end.

#define OLMET_EXPORT __attribute__((visibility("default")))

namespace olmet {

class SoundDevice {
public:
    // Number of capture devices in the snapshot (sources of the sound server that are not the
    // monitor of an output).
    virtual int GetDeviceCount() = 0;
    // Number of recorders of a device: 1 for a device of the snapshot, 0 otherwise.
    virtual int GetRecorderCount(int device) = 0;
    // The device's name (the source's description); empty for an unknown device.
    virtual const char16_t* GetDeviceName(int device) = 0;
    // The recorder's name (the active port's description, else the source's description);
    // empty for an unknown pair.
    virtual const char16_t* GetRecorderName(int device, int recorder) = 0;
    // Asks the server for its default playback output. Returns 0 and fills both out-values when
    // it is one of the snapshot's outputs; returns -1 and leaves them alone otherwise.
    virtual int GetDefaultPlayback(int* device, int* player) = 0;
    // Asks the server for its default recording input. Returns 0 and fills both out-values when
    // it is one of the snapshot's devices; returns -1 and leaves them alone otherwise (no
    // server, no default, a monitor as default, or a source added since the last refresh).
    virtual int GetDefaultRecorder(int* device, int* recorder) = 0;
    // Makes the pair the server's default recording input; GetDefaultRecorder reports the pair
    // right away. Unknown pairs are ignored.
    virtual void SetDefaultRecorder(int device, int recorder) = 0;
    // Current volume 0..100 of a playback output; negative when unknown or unreachable.
    virtual int GetPlaybackVolume(int device, int player) = 0;
    // Current volume 0..100 of a recording input; negative when unknown or unreachable.
    virtual int GetRecorderVolume(int device, int recorder) = 0;
    // 1 when the playback output is muted, 0 when not, negative when unknown.
    virtual int GetPlaybackMute(int device, int player) = 0;
    // 1 when the recording input is muted, 0 when not, negative when unknown.
    virtual int GetRecorderMute(int device, int recorder) = 0;
    // Sets the volume (clamped to 0..100) keeping the balance between channels.
    virtual void SetPlaybackVolume(int device, int player, int volume) = 0;
    virtual void SetRecorderVolume(int device, int recorder, int volume) = 0;
    // Mutes (non-zero) or unmutes (0).
    virtual void SetPlaybackMute(int device, int player, int mute) = 0;
    virtual void SetRecorderMute(int device, int recorder, int mute) = 0;
    // Non-zero when a capture device or playback output was added or removed, the server
    // connection was lost, or the server's devices became known (first connection, reconnection)
    // since the last RefreshDeviceList. Cheap, meant for polling.
    virtual int IsDeviceListChanged() = 0;
    // Takes a new snapshot of devices and outputs from the kept state and clears the change
    // flag. Invalidates every name pointer handed out before.
    virtual void RefreshDeviceList() = 0;

    // Added after the operations above.

    // Waits up to timeoutMs until the server's devices are known, or the first attempt to reach
    // the server has failed; 1 when they are known, then takes a snapshot (RefreshDeviceList).
    // For callers without an event loop (the command line).
    virtual int WaitForDevices(int timeoutMs) = 0;
    // Why GetDefaultRecorder reports no default recorder, as a short NUL-terminated UTF-16 text
    // ("the default input is the monitor of Built-in Audio"); empty when there is one. Valid
    // until the next call of this operation or DestroyDevice.
    virtual const char16_t* GetNoDefaultRecorderReason() = 0;

    // Applications playing now: the programs with a playback stream on the server (the calling
    // process's own streams left out), from a snapshot taken by RefreshApplicationList, indexed
    // from 0 in the order of their names. An application is known by its key: its streams'
    // "application.name", or "application.process.binary" when they have no name.

    // Non-zero when an application started or stopped playing, or the server was lost, since
    // the last RefreshApplicationList. Cheap, meant for polling.
    virtual int IsApplicationListChanged() = 0;
    // Takes a new snapshot of the applications and clears the change flag. Invalidates every
    // application text handed out before.
    virtual void RefreshApplicationList() = 0;
    virtual int GetApplicationCount() = 0;
    // The key (what a recording of one application follows), the name shown to the user and a
    // freedesktop icon name (may be empty); empty for an index outside the snapshot.
    virtual const char16_t* GetApplicationKey(int application) = 0;
    virtual const char16_t* GetApplicationName(int application) = 0;
    virtual const char16_t* GetApplicationIconName(int application) = 0;

protected:
    // Objects are freed only through DestroyDevice, which owns the matching allocator.
    ~SoundDevice() = default;
};

}  // namespace olmet

extern "C" {
OLMET_EXPORT olmet::SoundDevice* CreateDevice();
// Returns 0, or -1 for a null pointer.
OLMET_EXPORT int DestroyDevice(olmet::SoundDevice* device);
}

// Signatures for resolving the two functions by name.
using OlmetCreateDeviceFn = olmet::SoundDevice* (*)();
using OlmetDestroyDeviceFn = int (*)(olmet::SoundDevice*);
