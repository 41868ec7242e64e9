// The entry point of libbrisca_pulse, the engine's PulseAudio sound output as a module of its
// own. libbrisca loads it (playbacksinkmodule.h) when a player first opens its output, so that
// the processes that never play (fingerprinting, converting, recording) do not load libpulse
// and its dependencies.

#include "playbacksinkmodule.h"
#include "pulseplaybacksink.h"

extern "C" __attribute__((visibility("default"))) brisca::PlaybackSink*
BriscaCreatePulsePlaybackSink()
{
    return new brisca::PulsePlaybackSink();
}
