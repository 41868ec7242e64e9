#pragma once
// The power control of machines without a login manager on a system bus: every request fails
// and says why, so the caller can tell the user that the machine stays on.

#include "powercontrol.h"

#include <utility>

class NullPowerControl : public PowerControl {
public:
    explicit NullPowerControl(QString reason) : m_reason(std::move(reason)) {}

    bool suspend() override { return false; }
    bool powerOff() override { return false; }
    QString errorString() const override { return m_reason; }

private:
    QString m_reason;
};
