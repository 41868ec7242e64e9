#pragma once
// The converter settings of a cut made from the edit dialog: the source's own format (its
// extension's container and codec, its sample rate, channels and, for lossy codecs, its bit
// rate), the range and effects of the edit configuration, its tags, and a lossless copy of the
// compressed frames when the dialog allows one and nothing has to be re-encoded.
// GUI thread (it opens the source with the media engine).

#include <QString>

struct OutputSettings;
struct VEEditConfig;

namespace CutSettings {

// Fills `settings` for cutting `sourcePath` as `config` says. lossless asks for a copy of the
// compressed frames where the engine can make one (it encodes otherwise). False, with the
// reason in `error`, when the source cannot be opened or its type cannot be written.
bool fill(const QString& sourcePath, const VEEditConfig& config, bool lossless,
          OutputSettings* settings, QString* error);

}  // namespace CutSettings
