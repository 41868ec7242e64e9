#pragma once
// IAVConverter: converts (cuts, re-encodes, applies effects to) one media file into another
// through the media engine, reporting progress through a plain callback.
//
// The callback runs on the converter's worker thread: receivers hand its values to their own
// thread (NxConverterObject re-emits them as a queued signal). States (convertState):
//   1 stopped    the conversion ended after StopConvert (progress 0; 100 when it was stopped
//                while an asynchronous start was preparing)
//   2 finished   the target is complete and tagged (progress 100)
//   3 preparing  an asynchronous start is preparing (progress 1)
//   5 failed     opening, starting or converting failed (progress 0); lastError() says why
//   6 progress   the rounded progress rose (1..100, never repeated, never falling)
// Exactly one of 1, 2 or 5 ends every started conversion.
//
// The merge, raw-track and packet operations of the original interface are not offered: no
// flow of this program uses them.

#include <QString>

#include <cstdint>

struct OutputSettings;

enum convertState : int32_t {
    ConvertStopped = 1,
    ConvertFinished = 2,
    ConvertPreparing = 3,
    ConvertFailed = 5,
    ConvertProgress = 6,
};

using ConvertCallback = void (*)(uint32_t progress, void* user, int32_t state);

class IAVConverter {
public:
    virtual ~IAVConverter() = default;

    // Starts converting source into target (UTF-8 paths). Synchronous: the engine opens and
    // starts before this returns, and false means nothing runs (no callback will come).
    // Asynchronous: returns at once; opening happens on the worker (state 3 first), and its
    // failure comes as state 5. The settings are copied.
    virtual bool StartConvert(const char* source, const char* target,
                              const OutputSettings& settings, void* user, ConvertCallback callback,
                              bool async) = 0;
    // Stops a running conversion and returns once the worker has let go of it (after the
    // callback's state 1). The target is not created. Nothing happens when nothing runs.
    virtual void StopConvert() = 0;
    // Why the last start or conversion failed ("" when it did not).
    virtual QString lastError() const = 0;
};

// The factory pair: a new converter, and its release (which stops it first).
IAVConverter* CreateAVConverter();
void ReleaseAVConverter(IAVConverter* converter);
