#pragma once
// Catalogue: the local catalogue of music the user owns, in one SQLite file: each track's
// tags, cover and fingerprint, and an index of fingerprint items that finds candidate tracks
// for a query without reading every fingerprint. Identification then lines the query up with
// each candidate and keeps the one with the fewest differing bits.
//
// Every Catalogue object holds its own connection; open one per thread. No call ever waits
// for another program's lock: a locked or damaged file fails at once with a reason that says
// which (identification reports it as its "no match" reason).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct sqlite3;

namespace brisca {

using TagMap = std::map<std::string, std::string>;  // lower-case keys, UTF-8 values

struct CatalogueTrack {
    std::string path;  // where it was read from; adding the same path again replaces it
    int64_t durationUs = 0;
    TagMap tags;
    std::string cover;  // picture bytes, empty when none
    std::vector<uint32_t> items;
};

struct CatalogueMatch {
    int64_t trackId = 0;
    double confidence = 0;  // 0..1
    int64_t offsetUs = 0;   // where the query's start lies in the catalogued track
    TagMap tags;
    std::string cover;
};

class Catalogue {
public:
    // The file every catalogue call uses: the override when one is set, else catalogue.sqlite
    // in the engine's data folder ($XDG_DATA_HOME/quillon without one).
    static std::string path();
    static void setPathOverride(const std::string& path);  // "" returns to the default
    static void setDataFolder(const std::string& folder);

    explicit Catalogue(std::string path = Catalogue::path());
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // forWriting creates the file and its tables when missing.
    bool open(bool forWriting, std::string* error);
    // The last open() for reading failed because nothing was ever added (no file yet).
    bool isMissing() const { return m_missing; }
    // Adds tracks in one transaction; ids (optional) receives their ids.
    bool add(const std::vector<CatalogueTrack>& tracks, std::vector<int64_t>* ids,
             std::string* error);
    // False with *error empty: no match; with *error set: the reason identification failed.
    bool identify(const std::vector<uint32_t>& query, CatalogueMatch* match, std::string* error);
    int64_t trackCount(std::string* error);
    // Bytes of the file (what the catalogue costs on disk).
    int64_t fileBytes() const;

private:
    bool exec(const char* sql, std::string* error);
    bool addOne(const CatalogueTrack& track, int64_t* id, std::string* error);
    bool removePath(const std::string& path, std::string* error);
    bool storeCover(const std::string& cover, int64_t* coverId, std::string* error);
    bool indexItems(int64_t id, const std::vector<uint32_t>& items, std::string* error);
    // Sets *error from the connection's last failure and returns false.
    bool failed(std::string* error);
    bool loadFingerprint(int64_t id, std::vector<uint32_t>* items, std::string* error);
    bool loadTags(int64_t id, CatalogueMatch* match, std::string* error);
    std::string describe(int code) const;

    std::string m_path;
    sqlite3* m_db = nullptr;
    bool m_missing = false;
};

}  // namespace brisca
