#pragma once
// The online services' answers, as documented, for the local replay server: an AcoustID match
// (two results, the better one with its release group), its MusicBrainz recording with two
// releases, no results, an invalid key; and a small cover picture.

#include <QByteArray>

namespace replayed {

inline const QByteArray kMatch = R"({"status": "ok", "results": [
  {"id": "9ff43b6a-4f16-427c-93c2-92307ca505e0", "score": 0.61, "recordings": [
    {"id": "b0a0ecc6-0000-4000-8000-000000000001", "title": "Weaker Match",
     "artists": [{"id": "a1", "name": "Someone Else"}]}]},
  {"id": "6b5ab5b2-0000-4000-8000-00000000aaaa", "score": 0.93, "recordings": [
    {"id": "cd2e7c47-16f5-46c6-a37c-a1eb7bf599ff", "title": "Night Drive", "duration": 25,
     "artists": [{"id": "a2", "name": "Test Band", "joinphrase": " feat. "},
                 {"id": "a3", "name": "Guest"}],
     "releasegroups": [{"id": "rg-roads", "type": "Album", "title": "Roads"}]}]}]})";
inline const QByteArray kRecording = R"({"id": "cd2e7c47-16f5-46c6-a37c-a1eb7bf599ff",
  "title": "Night Drive", "genres": [{"name": "synthwave", "count": 3}],
  "releases": [{"id": "rel-single", "date": "2018", "release-group": {"id": "rg-single"}},
               {"id": "rel-roads", "date": "2019-03-01", "release-group": {"id": "rg-roads"}}]})";
inline const QByteArray kNoResults = R"({"status": "ok", "results": []})";
inline const QByteArray kInvalidKey =
    R"({"status": "error", "error": {"code": 4, "message": "invalid API key"}})";

// A one-pixel PNG picture, as the Cover Art Archive would send a (much larger) one.
inline QByteArray pngBytes()
{
    static const char kPng[] =
        "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x01"
        "\x00\x00\x00\x01\x08\x02\x00\x00\x00\x90\x77\x53\xde\x00\x00\x00\x0c\x49\x44\x41"
        "\x54\x78\x9c\x63\x50\x68\x68\x00\x00\x01\xe4\x01\x21\x0b\x07\x0b\x19\x00\x00\x00"
        "\x00\x49\x45\x4e\x44\xae\x42\x60\x82";
    return QByteArray(kPng, sizeof kPng - 1);
}

}  // namespace replayed
