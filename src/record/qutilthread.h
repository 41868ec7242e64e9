#pragma once
// A minimal worker-thread base: one operating-system thread that runs run() once, and a
// manual-reset stop event the body waits on between polls.
//
// start() and stopAndWait() are called from the owning (GUI) thread only. run() executes on the
// worker thread. A derived class must call stopAndWait() in its own destructor: by the time this
// base's destructor runs, the derived part (and its run()) is gone.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QUtilThread {
public:
    QUtilThread();
    virtual ~QUtilThread();
    QUtilThread(const QUtilThread&) = delete;
    QUtilThread& operator=(const QUtilThread&) = delete;

    // Signals the stop event, waits for the previous thread (if any), resets the event and
    // starts a new thread that calls run() once.
    void start();
    // Signals the stop event and waits without time-out for the thread to end.
    void stopAndWait();
    bool isRunning() const;

protected:
    virtual void run() = 0;

    void signalStop();
    // Waits up to `timeout` for the stop event; true when it is signalled. The worker's sleep.
    bool waitForStop(std::chrono::milliseconds timeout);

private:
    void join();

    mutable std::mutex m_mutex;
    std::condition_variable m_stopChanged;
    bool m_stopSignalled = false;
    std::thread m_thread;
};
