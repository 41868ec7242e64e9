#pragma once
// The PulseAudio sound output lives in a module of its own, libbrisca_pulse.so, installed beside
// libbrisca: libpulse and the dozen libraries it pulls in cost every process that loads them
// start-up time, and most users of the engine (fingerprinting, converting, the command-line
// tool) never play. The module is loaded the first time a player opens its output.

#include <memory>
#include <string>

#include "playbacksink.h"

namespace brisca {

constexpr const char* kPulseModuleName = "libbrisca_pulse.so";
constexpr const char* kPulseModuleEntry = "BriscaCreatePulsePlaybackSink";

// A new PulseAudio output, or null with *error set ("cannot load the audio output module
// '<path>': <reason>") when the module is missing or broken. Loads the module from the folder
// of the library (or executable) this code is part of, once per process; thread-safe.
std::unique_ptr<PlaybackSink> createPulsePlaybackSink(std::string* error);

}  // namespace brisca

// The module's one exported function (kPulseModuleEntry): a new PulsePlaybackSink, owned by
// the caller.
extern "C" brisca::PlaybackSink* BriscaCreatePulsePlaybackSink();
