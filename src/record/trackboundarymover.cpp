#include "trackboundarymover.h"

#include <brisca/brisca.h>

TrackBoundaryMover::TrackBoundaryMover(QObject* parent)
    : QObject(parent), m_worker(&TrackBoundaryMover::run, this)
{
}

TrackBoundaryMover::~TrackBoundaryMover()
{
    waitForAll();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ending = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void TrackBoundaryMover::enqueue(const QString& first, const QString& second, int64_t tailUs)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back({first, second, tailUs});
    }
    m_wake.notify_all();
}

void TrackBoundaryMover::waitForAll()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void TrackBoundaryMover::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_ending || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        const Move move = m_queue.front();
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        const int64_t movedUs =
            MoveTrackBoundary(move.first.toUtf8().constData(), move.second.toUtf8().constData(),
                              move.tailUs, kSilenceSearchUs);
        const QString error = movedUs < 0 ? QString::fromUtf8(BriscaLastError()) : QString();
        emit moved(move.first, move.second, qMax<int64_t>(0, movedUs), error);
        lock.lock();
        m_busy = false;
        if (m_queue.empty())
            m_idle.notify_all();
    }
}
