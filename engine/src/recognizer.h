#pragma once
// Recognizer: identifies the music in a raw-audio stream or a file against the local
// catalogue, on a worker thread of its own.
//
// A stream source is fed by another thread through PushStreamFrame; the worker takes the
// queued blocks every few tens of milliseconds (holding the stream's lock only to swap the
// queue), fingerprints them and, every few seconds of new sound, looks the latest half minute
// up in the catalogue. The feeder never waits for the worker. A file source is decoded by the
// worker itself. The first match ends the work (BRISCA_RECOGNIZER_MATCHED); a file that ends,
// or a stream that is stopped, without one ends in BRISCA_RECOGNIZER_NO_MATCH, with a reason
// when something failed (a locked or damaged catalogue, an unreadable file).
//
// A stream is fingerprinted on four item grids a quarter item apart, and each lookup tries them
// in turn, so a track is found wherever it begins relative to the stream's first sample. The
// lookups fall at fixed points of the stream's sound, however its blocks arrive.
//
// A continuous stream (a recording that may hold several tracks) keeps listening after a
// match: it looks the latest 10 s up every 2 s and queues each track it identifies, with the
// stream position where that track begins, for takeNext(). It stays LISTENING until stopped.
// Its blocks are placed by their timestamps, as a recorder places them in a file, so the
// positions are the recording's.
//
// Calls come from any thread; m_control serialises opening, starting and stopping (stop()
// and close() join the worker), m_mutex guards the state and the result.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audioformat.h"
#include "catalogue.h"
#include "fingerprinter.h"
#include "handletable.h"
#include "mediainfo.h"

namespace brisca {

class Recognizer : public HandleObject {
public:
    // A stream is fingerprinted on this many item grids, each a fraction of an item apart.
    static constexpr int kGrids = 4;

    ~Recognizer() override;

    bool openStream(std::shared_ptr<StreamObject> stream, bool continuous, std::string* error);
    bool openFile(const std::string& path, std::string* error);
    bool start(std::string* error);
    // Ends the worker; without a match so far the state becomes no match.
    void stop();
    // A stream source has ended: the worker takes what is queued, looks it up a last time and
    // ends. Returns at once. Told before start(), it holds for the worker that start() begins;
    // opening a source again forgets it.
    void endStream();
    // Stops and forgets the source and the result.
    void close();

    int state() const;
    // A value of the result ("title", ..., "cover_image"), null when absent or not matched.
    const BriscaEntry* tag(const std::string& key) const;
    std::string reason() const;
    double confidence() const;
    int64_t offsetUs() const;
    // Continuous streams: makes the next identified track the result; false when none waits.
    // *startUs: where the track begins, microseconds from the stream's first sample.
    bool takeNext(int64_t* startUs);

private:
    struct Result {
        std::map<std::string, std::unique_ptr<BriscaEntry>> tags;
        double confidence = 0;
        int64_t offsetUs = 0;
        int64_t startUs = 0;  // continuous streams: where the track begins in the stream
        int64_t trackId = 0;
    };

    void run();
    void listenToStream(const std::shared_ptr<StreamObject>& stream);
    void listenToFile(const std::string& path);
    // The items of each grid; a file has only the first.
    using GridItems = std::array<std::vector<uint32_t>, kGrids>;

    // Takes new items of the first grid (the later grids' are already in m_items) and looks the
    // latest window up when due; true once the work is over.
    bool consider(const std::vector<uint32_t>& newItems, bool final);
    int lookUpWindow(Catalogue& catalogue, size_t first, bool final, CatalogueMatch* match,
                     std::string* error);
    size_t placeBlock(int64_t timestampUs, size_t samples,
                      std::array<Fingerprinter, kGrids>& grids);
    bool considerInSteps(const GridItems& items, bool ended);
    // New items until the next lookup (at least 1).
    size_t itemsUntilDue() const;
    // Continuous streams: queues the match when it is a track (or a replay) not queued last.
    void queueIfNew(const CatalogueMatch& match, int64_t windowStartUs);
    void finish(int state, const std::string& reason);
    void setResult(const CatalogueMatch& match, int64_t offsetUs);
    static Result makeResult(const CatalogueMatch& match);

    std::recursive_mutex m_control;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_worker;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_streamEnded{false};
    int m_state = 0;
    std::shared_ptr<StreamObject> m_stream;
    std::string m_path;
    std::string m_reason;
    std::string m_loggedReason;
    bool m_continuous = false;
    bool m_hasResult = false;
    Result m_result;
    std::deque<Result> m_pending;  // continuous streams: identified, not yet taken

    // Worker only.
    GridItems m_items;            // the newest items (continuous streams keep one window)
    int64_t m_droppedItems = 0;   // items dropped before m_items[0]
    int64_t m_placedSamples = 0;  // continuous streams: sound fingerprinted, placed
    size_t m_itemsAtLastTry = 0;
    size_t m_retryItems = 0;
    int64_t m_lastTrackId = 0;
    int64_t m_lastStartUs = 0;
};

}  // namespace brisca
