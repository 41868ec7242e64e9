#pragma once
// TrackBoundaryMover: moves the boundary between two consecutive recordings of a run to where a
// new track began (the engine's MoveTrackBoundary), on a worker thread of its own, one move
// after another in the order they were asked for: a file that is the second of one move and
// the first of the next is rewritten by both in turn. Each result comes back as moved().
//
// Threading: created, fed and destroyed on one thread (the GUI thread); moved() is emitted on
// the worker thread and reaches receivers on the GUI thread queued. The destructor waits for
// the moves already asked for: the engine replaces a file only once its new version is
// complete, so stopping half-way could leave nothing worse, but the sound would stay where the
// recording was cut.

#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

class TrackBoundaryMover : public QObject {
    Q_OBJECT
public:
    // How far before the point the recognizer found the gap between two tracks is looked for.
    static constexpr int64_t kSilenceSearchUs = 3000000;

    explicit TrackBoundaryMover(QObject* parent = nullptr);
    ~TrackBoundaryMover() override;

    // Moves the sound of `first` that lies after the new track's beginning, found tailUs before
    // its end, to the front of `second`.
    void enqueue(const QString& first, const QString& second, int64_t tailUs);
    // Blocks until every move asked for is done (their signals still come through the event
    // loop).
    void waitForAll();

signals:
    // movedUs: how much moved (0: nothing); error: why nothing moved, else empty.
    void moved(const QString& first, const QString& second, qint64 movedUs, const QString& error);

private:
    struct Move {
        QString first, second;
        int64_t tailUs = 0;
    };
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;  // work came, or the end
    std::condition_variable m_idle;  // the queue ran dry
    std::deque<Move> m_queue;
    bool m_busy = false;
    bool m_ending = false;
    std::thread m_worker;
};
