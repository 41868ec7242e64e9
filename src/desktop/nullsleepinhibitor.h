#pragma once
// The sleep inhibitor of machines without a login manager on a system bus: it holds nothing
// but keeps the acquire/release state, so callers behave the same everywhere.

#include "sleepinhibitor.h"

#include <utility>

class NullSleepInhibitor : public SleepInhibitor {
public:
    explicit NullSleepInhibitor(QString reason = QString()) : m_reason(std::move(reason)) {}

    bool acquire(const QString&) override
    {
        m_held = true;
        return true;
    }
    void release() override { m_held = false; }
    bool isHeld() const override { return m_held; }
    // Why there is no real inhibitor (for example "no system bus").
    QString errorString() const override { return m_reason; }

private:
    QString m_reason;
    bool m_held = false;
};
