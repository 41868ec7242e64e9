#include "recognizer.h"

#include "cataloguefile.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "fingerprinter.h"
#include "fingerprintinput.h"
#include "fingerprintmatch.h"

namespace brisca {

namespace {

// The first lookup waits for 10 s of sound; each looks at the latest 30 s.
constexpr size_t kFirstTryItems = size_t(Fingerprinter::usToItems(10000000));
constexpr size_t kWindowItems = size_t(Fingerprinter::usToItems(30000000));
// A live stream is looked up again after every 3 s of new sound, a file (decoded faster than
// it plays) after every 10 s.
constexpr size_t kStreamRetryItems = size_t(Fingerprinter::usToItems(3000000));
constexpr size_t kFileRetryItems = size_t(Fingerprinter::usToItems(10000000));
constexpr auto kStreamPoll = std::chrono::milliseconds(40);
// A continuous stream is looked up on its latest 10 s every 2 s: a short window soon holds more
// of a new track than of the one before it, so a track change shows within a few seconds.
constexpr size_t kContinuousWindowItems = size_t(Fingerprinter::usToItems(10000000));
constexpr size_t kContinuousRetryItems = size_t(Fingerprinter::usToItems(2000000));
// Two matches of one track whose starts differ by more than this are two plays of it.
constexpr int64_t kReplayUs = 5000000;
// Chromaprint's items depend on where its item grid falls in the sound: a query whose grid lies
// half an item off the catalogued one shares few identical items with it, and the catalogue
// finds candidates by identical items. A stream is therefore fingerprinted on kGrids grids, each
// a fraction of an item later than the one before, which keeps one of them within an eighth of
// an item of any track's, wherever the track begins in the stream.
constexpr int gridShiftSamples(int grid)
{
    return grid * Fingerprinter::kItemSamples / Recognizer::kGrids;
}
constexpr int64_t gridShiftUs(int grid)
{
    return int64_t(gridShiftSamples(grid)) * 1000000 / Fingerprinter::kRateHz;
}

}  // namespace

Recognizer::~Recognizer()
{
    close();
}

bool Recognizer::openStream(std::shared_ptr<StreamObject> stream, bool continuous,
                            std::string* error)
{
    std::lock_guard<std::recursive_mutex> control(m_control);
    close();
    {
        std::lock_guard<std::mutex> lock(stream->mutex);
        if (stream->codecTag != "AFRM") {
            *error = "the stream is not a raw-frame stream (codec tag \"AFRM\")";
            return false;
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stream = std::move(stream);
    m_continuous = continuous;
    m_state = BRISCA_RECOGNIZER_OPENED;
    return true;
}

bool Recognizer::openFile(const std::string& path, std::string* error)
{
    std::lock_guard<std::recursive_mutex> control(m_control);
    close();
    MediaInfo probe;
    if (!probe.open(path, error))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_path = path;
    m_state = BRISCA_RECOGNIZER_OPENED;
    return true;
}

bool Recognizer::start(std::string* error)
{
    std::lock_guard<std::recursive_mutex> control(m_control);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state != BRISCA_RECOGNIZER_OPENED) {
        *error = "the recognizer is not open, or already started";
        return false;
    }
    m_state = BRISCA_RECOGNIZER_LISTENING;
    m_stopping = false;
    // An end of stream told before the start stays: the worker ends once it has taken the queue.
    m_worker = std::thread(&Recognizer::run, this);
    return true;
}

void Recognizer::stop()
{
    std::lock_guard<std::recursive_mutex> control(m_control);
    m_stopping = true;
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state == BRISCA_RECOGNIZER_LISTENING)
        m_state = m_hasResult || !m_pending.empty() ? BRISCA_RECOGNIZER_MATCHED
                                                    : BRISCA_RECOGNIZER_NO_MATCH;
}

void Recognizer::endStream()
{
    {
        // Under the lock the worker waits with, so that it cannot miss the wake-up.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_streamEnded = true;
    }
    m_wake.notify_all();
}

void Recognizer::close()
{
    std::lock_guard<std::recursive_mutex> control(m_control);
    stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = BRISCA_RECOGNIZER_IDLE;
    m_streamEnded = false;
    m_stream.reset();
    m_path.clear();
    m_reason.clear();
    m_continuous = false;
    m_hasResult = false;
    m_result = Result();
    m_pending.clear();
}

int Recognizer::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

const BriscaEntry* Recognizer::tag(const std::string& key) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_result.tags.find(key);
    return m_hasResult && it != m_result.tags.end() ? it->second.get() : nullptr;
}

std::string Recognizer::reason() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reason;
}

double Recognizer::confidence() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hasResult ? m_result.confidence : 0;
}

int64_t Recognizer::offsetUs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hasResult ? m_result.offsetUs : 0;
}

bool Recognizer::takeNext(int64_t* startUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pending.empty())
        return false;
    m_result = std::move(m_pending.front());
    m_pending.pop_front();
    m_hasResult = true;
    if (startUs)
        *startUs = m_result.startUs;
    return true;
}

void Recognizer::run()
{
    std::shared_ptr<StreamObject> stream;
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        stream = m_stream;
        path = m_path;
    }
    for (std::vector<uint32_t>& grid : m_items)
        grid.clear();
    m_placedSamples = 0;
    m_droppedItems = 0;
    m_itemsAtLastTry = 0;
    m_lastTrackId = 0;
    if (stream)
        listenToStream(stream);
    else
        listenToFile(path);
}

void Recognizer::listenToStream(const std::shared_ptr<StreamObject>& stream)
{
    m_retryItems = m_continuous ? kContinuousRetryItems : kStreamRetryItems;
    std::array<Fingerprinter, kGrids> grids;
    FingerprintInput input;
    std::string error;
    for (int g = 0; g < kGrids; ++g) {
        if (!grids[g].start(&error))
            return finish(BRISCA_RECOGNIZER_NO_MATCH, error);
        // A later grid sees the sound later by its shift: its item k begins that much earlier.
        const std::vector<int16_t> shift(size_t(gridShiftSamples(g)), 0);
        grids[g].feed(shift.data(), int(shift.size()));
    }
    while (!m_stopping) {
        // Read before taking the queue: what was pushed before the end was marked is taken.
        const bool ended = m_streamEnded;
        for (const AudioBlock& block : stream->takeAll()) {
            const std::vector<int16_t>& mono = input.convert(block, &error);
            const size_t skip =
                m_continuous ? placeBlock(block.timestampUs, mono.size(), grids) : 0;
            for (Fingerprinter& grid : grids)
                grid.feed(mono.data() + skip, int(mono.size() - skip));
        }
        GridItems items;
        for (int g = 0; g < kGrids; ++g)
            items[g] = ended ? grids[g].finish() : grids[g].takeItems();
        if (considerInSteps(items, ended))
            return;
        if (ended) {
            std::lock_guard<std::mutex> lock(m_mutex);
            const bool found = m_hasResult || !m_pending.empty();
            m_state = found ? BRISCA_RECOGNIZER_MATCHED : BRISCA_RECOGNIZER_NO_MATCH;
            return;
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait_for(lock, kStreamPoll,
                        [this] { return m_stopping.load() || m_streamEnded.load(); });
    }
}

// A recorder places each block at its timestamp: a gap becomes silence, and a block that
// overlaps what was written loses the overlap. A continuous stream follows it, so that the
// positions it reports are positions in the recording. Returns how many of the block's samples
// to skip.
size_t Recognizer::placeBlock(int64_t timestampUs, size_t samples,
                              std::array<Fingerprinter, kGrids>& grids)
{
    // Timestamps round to a sample either way; a few samples off is no gap.
    constexpr int64_t kSlackSamples = 4;
    const int64_t at = timestampUs * Fingerprinter::kRateHz / 1000000;
    const int64_t gap = at - m_placedSamples;
    size_t skip = 0;
    if (gap > kSlackSamples) {
        const std::vector<int16_t> silence(size_t(gap), 0);
        for (Fingerprinter& grid : grids)
            grid.feed(silence.data(), int(silence.size()));
        m_placedSamples += gap;
    } else if (gap < -kSlackSamples) {
        skip = std::min(samples, size_t(-gap));
    }
    m_placedSamples += int64_t(samples - skip);
    return skip;
}

// A stream is looked up every few seconds of its sound, at the same points of it however its
// blocks arrive (a long stretch at once, or a little at a time): the new items are cut where
// each lookup is due. The later grids' items are kept whole: item k of every grid belongs to the
// same stretch of sound, and a lookup reads each grid up to the first grid's newest item.
bool Recognizer::considerInSteps(const GridItems& items, bool ended)
{
    for (int g = 1; g < kGrids; ++g)
        m_items[g].insert(m_items[g].end(), items[g].begin(), items[g].end());
    const std::vector<uint32_t>& newItems = items[0];
    size_t at = 0;
    do {
        const size_t end = std::min(newItems.size(), at + itemsUntilDue());
        if (consider({newItems.begin() + int64_t(at), newItems.begin() + int64_t(end)},
                     ended && end == newItems.size()))
            return true;
        at = end;
    } while (at < newItems.size());
    return false;
}

size_t Recognizer::itemsUntilDue() const
{
    const size_t due = std::max(kFirstTryItems, m_itemsAtLastTry + m_retryItems);
    return due > m_items[0].size() ? due - m_items[0].size() : 1;
}

void Recognizer::listenToFile(const std::string& path)
{
    m_retryItems = kFileRetryItems;
    FingerprintFileInput input;
    Fingerprinter fingerprinter;
    std::string error;
    if (!input.open(path, &error) || !fingerprinter.start(&error))
        return finish(BRISCA_RECOGNIZER_NO_MATCH, error);
    const std::vector<int16_t>* samples = nullptr;
    int rc = 0;
    while (!m_stopping && (rc = input.next(&samples, &error)) == 1) {
        fingerprinter.feed(samples->data(), int(samples->size()));
        if (consider(fingerprinter.takeItems(), false))
            return;
    }
    if (m_stopping)
        return;
    if (rc < 0)
        return finish(BRISCA_RECOGNIZER_NO_MATCH, error);
    if (!consider(fingerprinter.finish(), true))
        finish(BRISCA_RECOGNIZER_NO_MATCH, reason());
}

bool Recognizer::consider(const std::vector<uint32_t>& newItems, bool final)
{
    m_items[0].insert(m_items[0].end(), newItems.begin(), newItems.end());
    const size_t count = m_items[0].size();
    const size_t windowItems = m_continuous ? kContinuousWindowItems : kWindowItems;
    const bool due = count >= kFirstTryItems && count >= m_itemsAtLastTry + m_retryItems;
    const bool last = final && count > m_itemsAtLastTry && count >= size_t(kMinOverlapItems);
    if (!due && !last)
        return false;
    if (m_continuous && count > windowItems) {
        // Only the latest window is ever looked up again: older items go.
        const size_t drop = count - windowItems;
        for (std::vector<uint32_t>& grid : m_items)
            grid.erase(grid.begin(), grid.begin() + int64_t(std::min(drop, grid.size())));
        m_droppedItems += int64_t(drop);
    }
    m_itemsAtLastTry = m_items[0].size();
    const size_t first = m_itemsAtLastTry > windowItems ? m_itemsAtLastTry - windowItems : 0;
    CatalogueMatch match;
    std::string error;
    int grid = -1;
    Catalogue catalogue;
    if (catalogue.open(false, &error))
        grid = lookUpWindow(catalogue, first, final, &match, &error);
    if (grid >= 0) {
        const int64_t windowStartUs =
            Fingerprinter::itemsToUs(m_droppedItems + int64_t(first)) - gridShiftUs(grid);
        if (m_continuous) {
            queueIfNew(match, windowStartUs);
            return false;
        }
        // The match places the window; the result places the start of the source.
        setResult(match, match.offsetUs - windowStartUs);
        return true;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reason = error;
    // No catalogue yet is the normal state before music was added: not worth a log line.
    if (!error.empty() && !catalogue.isMissing() && error != m_loggedReason) {
        std::fprintf(stderr, "brisca: recognition: no match: %s\n", error.c_str());
        m_loggedReason = error;
    }
    return false;
}

// Looks the window from item `first` to the first grid's newest item up, grid by grid until one
// matches (at the end of the sound, each grid to its own last item); returns that grid, -1 when
// none did (or the catalogue failed: *error says why).
int Recognizer::lookUpWindow(Catalogue& catalogue, size_t first, bool final, CatalogueMatch* match,
                             std::string* error)
{
    for (int g = 0; g < kGrids && error->empty(); ++g) {
        const std::vector<uint32_t>& items = m_items[g];
        const size_t end = final ? items.size() : std::min(items.size(), m_items[0].size());
        if (end < first + size_t(kMinOverlapItems))
            continue;
        if (catalogue.identify(
                std::vector<uint32_t>(items.begin() + int64_t(first), items.begin() + int64_t(end)),
                match, error))
            return g;
    }
    return -1;
}

void Recognizer::queueIfNew(const CatalogueMatch& match, int64_t windowStartUs)
{
    // The window's first item lies match.offsetUs into the track.
    const int64_t startUs = windowStartUs - match.offsetUs;
    if (match.trackId == m_lastTrackId && std::abs(startUs - m_lastStartUs) <= kReplayUs)
        return;
    m_lastTrackId = match.trackId;
    m_lastStartUs = startUs;
    Result result = makeResult(match);
    result.offsetUs = -startUs;
    result.startUs = startUs;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.push_back(std::move(result));
    m_reason.clear();
}

void Recognizer::finish(int state, const std::string& reason)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
    m_reason = reason;
}

Recognizer::Result Recognizer::makeResult(const CatalogueMatch& match)
{
    Result result;
    for (const char* key : kCatalogueTextKeys) {
        auto it = match.tags.find(key);
        if (it != match.tags.end() && !it->second.empty())
            result.tags[key] = std::make_unique<BriscaEntry>(BriscaEntry{it->second});
    }
    if (!match.cover.empty())
        result.tags["cover_image"] = std::make_unique<BriscaEntry>(BriscaEntry{match.cover});
    result.confidence = match.confidence;
    result.trackId = match.trackId;
    return result;
}

void Recognizer::setResult(const CatalogueMatch& match, int64_t offsetUs)
{
    Result result = makeResult(match);
    result.offsetUs = offsetUs;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_result = std::move(result);
    m_hasResult = true;
    m_reason.clear();
    m_state = BRISCA_RECOGNIZER_MATCHED;
}

}  // namespace brisca
