#pragma once
// Adds a file whose tags the program has just written to the local track catalogue, so that
// music the user tagged is identified from then on. The fingerprinting and the catalogue write
// run on one worker thread of their own (one at a time: two writers of the same catalogue in
// one process would only lock each other out), so a tag save never waits for them and never
// fails because of them: a catalogue that is damaged or locked by another program is logged.
//
// The window's tag saves call it (the edit dialog's OK through NxInfoManager, the tags of a
// finished conversion job); the command-line tool does not, its files are the user's to add.
// Thread-safe.

#include <QString>

#include "veaudiotaginfo.h"

class QThreadPool;

namespace tagsavecatalogue {

// Queues path for the catalogue when the written tags name the music (title, artist or album).
void add(const QString& path, const VEAudioTagInfo& written);
// The worker; tests wait on it (waitForDone) before they look the file up.
QThreadPool* worker();

}  // namespace tagsavecatalogue
