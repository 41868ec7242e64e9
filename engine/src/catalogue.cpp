#include "catalogue.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "fingerprinter.h"
#include "fingerprintmatch.h"
#include "sqlitelibrary.h"

namespace brisca {

namespace {

std::mutex g_pathMutex;
std::string g_pathOverride;
std::string g_dataFolder;

// Every kIndexStride-th item of a track is indexed: a query looks up all of its items, so
// about one in kIndexStride of them lands on an indexed position at any alignment. Four keeps
// a three-minute track's index near 6 KB and still finds a 10 s query by a dozen hits.
constexpr int kIndexStride = 4;
// Positions are packed below the track id; items past this (2.25 hours) are not indexed.
constexpr int kPositionBits = 16;
// An item that hundreds of places share (silence, a steady hum) says nothing about which
// track plays; its lookup is cut short.
constexpr int kMaxHitsPerItem = 64;
constexpr int kCandidates = 8;
constexpr int kMinVotes = 2;

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS tracks(id INTEGER PRIMARY KEY, path TEXT UNIQUE NOT NULL,"
    " duration_us INTEGER, tags BLOB, cover_id INTEGER, fingerprint BLOB NOT NULL);"
    "CREATE TABLE IF NOT EXISTS covers(id INTEGER PRIMARY KEY, hash INTEGER UNIQUE, data BLOB);"
    "CREATE TABLE IF NOT EXISTS items(item INTEGER NOT NULL, slot INTEGER NOT NULL,"
    " PRIMARY KEY(item, slot)) WITHOUT ROWID;";

// Loaded by the first Catalogue::open; nothing else here runs before an open succeeded.
const SqliteLibrary& sql()
{
    return *sqliteLibrary(nullptr);
}

struct StatementFinalize {
    void operator()(sqlite3_stmt* s) const { sql().finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalize>;

std::string encodeTags(const TagMap& tags)
{
    std::string out;
    for (const auto& [key, value] : tags) {
        out += key;
        out += '\0';
        out += value;
        out += '\0';
    }
    return out;
}

TagMap decodeTags(const char* data, int size)
{
    TagMap tags;
    std::string key, value;
    bool inValue = false;
    for (int i = 0; i < size; ++i) {
        if (data[i] != '\0') {
            (inValue ? value : key) += data[i];
        } else if (inValue) {
            tags[key] = value;
            key.clear();
            value.clear();
            inValue = false;
        } else {
            inValue = true;
        }
    }
    return tags;
}

int64_t fnv1a(const std::string& bytes)
{
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return int64_t(h >> 1);
}

std::string blobText(sqlite3_stmt* s, int column)
{
    const void* data = sql().columnBlob(s, column);
    return data ? std::string(static_cast<const char*>(data), size_t(sql().columnBytes(s, column)))
                : std::string();
}

struct Candidate {
    int64_t trackId;
    int64_t offsetItems;
    int votes;
};

// Track and offset pairs that many query items point at, most votes first.
std::vector<Candidate> rankCandidates(const std::unordered_map<int64_t, int>& votes)
{
    constexpr int64_t kOffsetBias = int64_t(1) << 20;
    std::vector<Candidate> ranked;
    for (const auto& [key, count] : votes) {
        if (count < kMinVotes)
            continue;
        ranked.push_back({key >> 21, (key & ((kOffsetBias << 1) - 1)) - kOffsetBias, count});
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const Candidate& a, const Candidate& b) { return a.votes > b.votes; });
    if (ranked.size() > size_t(kCandidates))
        ranked.resize(kCandidates);
    return ranked;
}

Statement prepare(sqlite3* db, const char* text)
{
    sqlite3_stmt* s = nullptr;
    sql().prepareV2(db, text, -1, &s, nullptr);
    return Statement(s);
}

int64_t voteKey(int64_t trackId, int64_t offsetItems)
{
    return (trackId << 21) | (offsetItems + (int64_t(1) << 20));
}

}  // namespace

std::string Catalogue::path()
{
    std::lock_guard<std::mutex> lock(g_pathMutex);
    if (!g_pathOverride.empty())
        return g_pathOverride;
    std::string folder = g_dataFolder;
    if (folder.empty()) {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        const char* home = std::getenv("HOME");
        folder = xdg && *xdg ? std::string(xdg) : std::string(home ? home : ".") + "/.local/share";
        ::mkdir(folder.c_str(), 0700);
        folder += "/quillon";
        ::mkdir(folder.c_str(), 0700);
    }
    return folder + "/catalogue.sqlite";
}

void Catalogue::setPathOverride(const std::string& path)
{
    std::lock_guard<std::mutex> lock(g_pathMutex);
    g_pathOverride = path;
}

void Catalogue::setDataFolder(const std::string& folder)
{
    std::lock_guard<std::mutex> lock(g_pathMutex);
    g_dataFolder = folder;
}

Catalogue::Catalogue(std::string path) : m_path(std::move(path)) {}

Catalogue::~Catalogue()
{
    if (m_db)
        sql().closeV2(m_db);
}

std::string Catalogue::describe(int code) const
{
    const std::string where = "the catalogue '" + m_path + "'";
    const std::string detail = m_db ? sql().errmsg(m_db) : sql().errstr(code);
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return where + " is locked by another program";
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return where + " is damaged: " + detail;
        default:
            return where + ": " + detail;
    }
}

bool Catalogue::open(bool forWriting, std::string* error)
{
    struct stat st {};
    m_missing = !forWriting && ::stat(m_path.c_str(), &st) != 0;
    if (m_missing) {
        *error = "the catalogue '" + m_path + "' does not exist yet (add music to it first)";
        return false;
    }
    if (!sqliteLibrary(error))
        return false;
    const int flags =
        forWriting ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    const int rc = sql().openV2(m_path.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        *error = describe(rc);
        return false;
    }
    // A lock held by another program fails the call at once instead of waiting for it.
    sql().busyTimeout(m_db, 0);
    if (forWriting)
        return exec("PRAGMA synchronous=NORMAL", error) && exec(kSchema, error);
    // Reading the schema here tells a damaged or locked file apart before any query.
    return exec("SELECT count(*) FROM sqlite_schema", error);
}

bool Catalogue::exec(const char* statements, std::string* error)
{
    const int rc = sql().exec(m_db, statements, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        *error = describe(rc);
        return false;
    }
    return true;
}

bool Catalogue::add(const std::vector<CatalogueTrack>& tracks, std::vector<int64_t>* ids,
                    std::string* error)
{
    if (!exec("BEGIN IMMEDIATE", error))
        return false;
    for (const CatalogueTrack& track : tracks) {
        int64_t id = 0;
        if (!addOne(track, &id, error)) {
            std::string ignored;
            exec("ROLLBACK", &ignored);
            return false;
        }
        if (ids)
            ids->push_back(id);
    }
    return exec("COMMIT", error);
}

bool Catalogue::failed(std::string* error)
{
    *error = describe(sql().errcode(m_db));
    return false;
}

bool Catalogue::addOne(const CatalogueTrack& track, int64_t* id, std::string* error)
{
    int64_t coverId = 0;
    if (!removePath(track.path, error) || !storeCover(track.cover, &coverId, error))
        return false;
    Statement insert = prepare(m_db,
                               "INSERT INTO tracks(path, duration_us, tags, cover_id,"
                               " fingerprint) VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!insert)
        return failed(error);
    const std::string tags = encodeTags(track.tags);
    const std::string fingerprint = compressFingerprint(track.items);
    sql().bindText(insert.get(), 1, track.path.c_str(), -1, SQLITE_STATIC);
    sql().bindInt64(insert.get(), 2, track.durationUs);
    sql().bindBlob(insert.get(), 3, tags.data(), int(tags.size()), SQLITE_STATIC);
    if (coverId)
        sql().bindInt64(insert.get(), 4, coverId);
    sql().bindBlob(insert.get(), 5, fingerprint.data(), int(fingerprint.size()), SQLITE_STATIC);
    if (sql().step(insert.get()) != SQLITE_DONE)
        return failed(error);
    *id = sql().lastInsertRowid(m_db);
    return indexItems(*id, track.items, error);
}

bool Catalogue::removePath(const std::string& path, std::string* error)
{
    Statement old = prepare(m_db, "SELECT id FROM tracks WHERE path = ?1");
    if (!old)
        return failed(error);
    sql().bindText(old.get(), 1, path.c_str(), -1, SQLITE_STATIC);
    if (sql().step(old.get()) != SQLITE_ROW)
        return true;
    const int64_t oldId = sql().columnInt64(old.get(), 0);
    Statement dropItems = prepare(m_db, "DELETE FROM items WHERE slot BETWEEN ?1 AND ?2");
    Statement dropTrack = prepare(m_db, "DELETE FROM tracks WHERE id = ?1");
    if (!dropItems || !dropTrack)
        return failed(error);
    sql().bindInt64(dropItems.get(), 1, oldId << kPositionBits);
    sql().bindInt64(dropItems.get(), 2, ((oldId + 1) << kPositionBits) - 1);
    sql().bindInt64(dropTrack.get(), 1, oldId);
    if (sql().step(dropItems.get()) != SQLITE_DONE || sql().step(dropTrack.get()) != SQLITE_DONE)
        return failed(error);
    return true;
}

bool Catalogue::storeCover(const std::string& cover, int64_t* coverId, std::string* error)
{
    *coverId = 0;
    if (cover.empty())
        return true;
    // Tracks of one album share their picture: it is kept once.
    Statement s = prepare(m_db,
                          "INSERT INTO covers(hash, data) VALUES(?1, ?2)"
                          " ON CONFLICT(hash) DO UPDATE SET hash = hash RETURNING id");
    if (!s)
        return failed(error);
    sql().bindInt64(s.get(), 1, fnv1a(cover));
    sql().bindBlob(s.get(), 2, cover.data(), int(cover.size()), SQLITE_STATIC);
    if (sql().step(s.get()) != SQLITE_ROW)
        return failed(error);
    *coverId = sql().columnInt64(s.get(), 0);
    return true;
}

bool Catalogue::indexItems(int64_t id, const std::vector<uint32_t>& items, std::string* error)
{
    Statement s = prepare(m_db, "INSERT OR IGNORE INTO items(item, slot) VALUES(?1, ?2)");
    if (!s)
        return failed(error);
    const size_t indexed = std::min(items.size(), size_t(1) << kPositionBits);
    for (size_t pos = 0; pos < indexed; pos += kIndexStride) {
        sql().bindInt64(s.get(), 1, items[pos]);
        sql().bindInt64(s.get(), 2, (id << kPositionBits) | int64_t(pos));
        if (sql().step(s.get()) != SQLITE_DONE)
            return failed(error);
        sql().reset(s.get());
    }
    return true;
}

bool Catalogue::identify(const std::vector<uint32_t>& query, CatalogueMatch* match,
                         std::string* error)
{
    error->clear();
    Statement lookup = prepare(m_db, "SELECT slot FROM items WHERE item = ?1 LIMIT ?2");
    if (!lookup) {
        *error = describe(sql().errcode(m_db));
        return false;
    }
    std::unordered_map<int64_t, int> votes;
    for (size_t i = 0; i < query.size(); ++i) {
        sql().bindInt64(lookup.get(), 1, query[i]);
        sql().bindInt(lookup.get(), 2, kMaxHitsPerItem);
        int rc;
        while ((rc = sql().step(lookup.get())) == SQLITE_ROW) {
            const int64_t slot = sql().columnInt64(lookup.get(), 0);
            const int64_t pos = slot & ((int64_t(1) << kPositionBits) - 1);
            ++votes[voteKey(slot >> kPositionBits, pos - int64_t(i))];
        }
        sql().reset(lookup.get());
        if (rc != SQLITE_DONE) {
            *error = describe(rc);
            return false;
        }
    }
    Alignment best;
    int64_t bestTrack = 0;
    std::vector<uint32_t> reference;
    for (const Candidate& c : rankCandidates(votes)) {
        if (!loadFingerprint(c.trackId, &reference, error))
            return false;
        const Alignment a = bestAlignmentNear(reference, query, c.offsetItems, 2);
        if (a.matches() && a.bitErrorRate < best.bitErrorRate) {
            best = a;
            bestTrack = c.trackId;
        }
    }
    if (!bestTrack)
        return false;
    match->trackId = bestTrack;
    match->confidence = best.confidence();
    match->offsetUs = Fingerprinter::itemsToUs(best.offsetItems);
    return loadTags(bestTrack, match, error);
}

bool Catalogue::loadFingerprint(int64_t id, std::vector<uint32_t>* items, std::string* error)
{
    Statement s = prepare(m_db, "SELECT fingerprint FROM tracks WHERE id = ?1");
    items->clear();
    if (s) {
        sql().bindInt64(s.get(), 1, id);
        const int rc = sql().step(s.get());
        if (rc == SQLITE_ROW) {
            if (!decompressFingerprint(blobText(s.get(), 0), items))
                items->clear();  // a damaged fingerprint matches nothing
            return true;
        }
        if (rc == SQLITE_DONE)
            return true;  // an index entry left from a track since replaced
    }
    *error = describe(sql().errcode(m_db));
    return false;
}

bool Catalogue::loadTags(int64_t id, CatalogueMatch* match, std::string* error)
{
    Statement s = prepare(m_db,
                          "SELECT t.tags, c.data FROM tracks t"
                          " LEFT JOIN covers c ON c.id = t.cover_id WHERE t.id = ?1");
    if (s) {
        sql().bindInt64(s.get(), 1, id);
        if (sql().step(s.get()) == SQLITE_ROW) {
            const std::string tags = blobText(s.get(), 0);
            match->tags = decodeTags(tags.data(), int(tags.size()));
            match->cover = blobText(s.get(), 1);
            return true;
        }
    }
    *error = describe(sql().errcode(m_db));
    return false;
}

int64_t Catalogue::trackCount(std::string* error)
{
    Statement s = prepare(m_db, "SELECT count(*) FROM tracks");
    if (s && sql().step(s.get()) == SQLITE_ROW)
        return sql().columnInt64(s.get(), 0);
    *error = describe(sql().errcode(m_db));
    return -1;
}

int64_t Catalogue::fileBytes() const
{
    struct stat st {};
    return ::stat(m_path.c_str(), &st) == 0 ? int64_t(st.st_size) : 0;
}

}  // namespace brisca
