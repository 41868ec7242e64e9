#pragma once
// FFmpeg writes its diagnostics to standard error. The engine reports failures through its
// own error texts, so FFmpeg's own log is kept to fatal errors unless the environment asks
// for more: BRISCA_FFMPEG_LOG=quiet|panic|fatal|error|warning|info|verbose|debug|trace.

namespace brisca {

// Sets FFmpeg's log level once per process; cheap to call again.
void setFfmpegLogLevel();

}  // namespace brisca
