#pragma once
// Where the blocks of one capture source go: the file being written now, and the files that
// take over from it at points of the session clock (cuts of a running recording).
//
// A cut does not stop the source: the session opens the next file and tells every source the
// moment from which their blocks belong to it. A source's blocks come in timestamp order, so it
// sends everything before that moment to the old file, splits the block that straddles it, and
// moves on for good; the old file is complete once every source has moved on.
//
// Threading: single producer, single consumer, no lock. The owning (GUI) thread calls reset()
// while the capture thread is not running and handOverAt() while it is; handedOver() may be
// read from any thread. The capture thread alone calls current(), nextPointUs() and advance().
// A scheduled target is written before the count that publishes it, and its slot is reused
// only after the capture thread has taken it.

#include <QString>

#include <array>
#include <atomic>
#include <climits>
#include <cstdint>

class CaptureRoute {
public:
    // Cuts the capture thread has not reached yet, at most.
    static constexpr int kMaxPending = 32;

    struct Target {
        int32_t sink = 0;     // recorder handle; 0 = the blocks are pushed into `stream`
        int32_t stream = 0;   // raw-audio stream description read by a recorder
        int64_t startUs = 0;  // session clock of the file's first sample
        QString path;         // the file, for the recognition of its music
        quint64 piece = 0;    // the session's number for the file
    };

    // The capture that starts next writes to `first` until told otherwise.
    void reset(const Target& first);
    // From `atUs` on (later than any point scheduled before), the blocks go to `next`. False
    // when kMaxPending cuts are still waiting for the capture thread.
    bool handOverAt(int64_t atUs, const Target& next);
    // Hand-overs scheduled since reset(), and those the capture thread has carried out.
    uint64_t scheduled() const { return m_scheduled.load(std::memory_order_acquire); }
    uint64_t handedOver() const { return m_taken.load(std::memory_order_acquire); }

    const Target& current() const { return m_current; }
    // The point of the next hand-over; INT64_MAX when none is scheduled.
    int64_t nextPointUs() const;
    // Makes the next scheduled target the current one (only when nextPointUs() is not INT64_MAX).
    void advance();

private:
    struct HandOver {
        int64_t atUs = 0;
        Target target;
    };

    Target m_current;
    std::array<HandOver, kMaxPending> m_pending;
    std::atomic<uint64_t> m_scheduled{0};
    std::atomic<uint64_t> m_taken{0};
};
