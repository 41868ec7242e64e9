#pragma once
// What the catalogue keeps of an audio file: its tags (read by the engine's media
// information), its embedded cover and its fingerprint.

#include <string>

#include "catalogue.h"

namespace brisca {

// The text tags a recognition result can carry, by the keys of the media information.
extern const char* const kCatalogueTextKeys[16];

// Reads a file for the catalogue; false with a reason when it is not audio or does not decode.
bool readCatalogueTrack(const std::string& path, CatalogueTrack* track, std::string* error);

}  // namespace brisca
