#include "qutilthread.h"

QUtilThread::QUtilThread() = default;

QUtilThread::~QUtilThread() { stopAndWait(); }

void QUtilThread::start()
{
    signalStop();
    join();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopSignalled = false;
    }
    m_thread = std::thread([this] { run(); });
}

void QUtilThread::stopAndWait()
{
    signalStop();
    join();
}

bool QUtilThread::isRunning() const { return m_thread.joinable(); }

void QUtilThread::signalStop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopSignalled = true;
    }
    m_stopChanged.notify_all();
}

bool QUtilThread::waitForStop(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_stopChanged.wait_for(lock, timeout, [this] { return m_stopSignalled; });
}

void QUtilThread::join()
{
    if (m_thread.joinable())
        m_thread.join();
}
