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
// Calls come from any thread; m_control serialises opening, starting and stopping (stop()
// and close() join the worker), m_mutex guards the state and the result.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audioformat.h"
#include "catalogue.h"
#include "handletable.h"
#include "mediainfo.h"

namespace brisca {

class Recognizer : public HandleObject {
public:
    ~Recognizer() override;

    bool openStream(std::shared_ptr<StreamObject> stream, std::string* error);
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

private:
    void run();
    void listenToStream(const std::shared_ptr<StreamObject>& stream);
    void listenToFile(const std::string& path);
    // Feeds new items and looks the latest window up when due; true once matched.
    bool consider(const std::vector<uint32_t>& newItems, bool final);
    void finish(int state, const std::string& reason);
    void setResult(const CatalogueMatch& match, int64_t offsetUs);

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
    double m_confidence = 0;
    int64_t m_offsetUs = 0;
    std::map<std::string, std::unique_ptr<BriscaEntry>> m_tags;

    // Worker only.
    std::vector<uint32_t> m_items;
    size_t m_itemsAtLastTry = 0;
    size_t m_retryItems = 0;
};

}  // namespace brisca
