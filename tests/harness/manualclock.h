#pragma once
// A WallClock that tests move by hand, so what the code decides depends on the readings the
// test chose and not on how late a timer fired.

#include "wallclock.h"

class ManualClock : public WallClock {
public:
    explicit ManualClock(const QDateTime& start) : m_now(start) {}

    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};
