#include "endofjobsaction.h"

#include <algorithm>

#include "desktopservices.h"
#include "powercontrol.h"
#include "preferencevalues.h"

EndOfJobsAction::EndOfJobsAction(std::unique_ptr<PowerControl> power, QObject* parent)
    : QObject(parent), m_power(std::move(power))
{
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &EndOfJobsAction::tick);
}

EndOfJobsAction::~EndOfJobsAction() = default;

EndOfJobsAction::Action EndOfJobsAction::configured()
{
    switch (PreferenceValues::loadJobsFinished()) {
        case PreferenceValues::JobsFinished::Sleep:
            return Action::Sleep;
        case PreferenceValues::JobsFinished::ShutDown:
            return Action::ShutDown;
        case PreferenceValues::JobsFinished::DoNothing:
            break;
    }
    return Action::None;
}

bool EndOfJobsAction::begin(Action action, int seconds)
{
    if (action == Action::None)
        return false;
    m_pending = action;
    m_remaining = std::max(0, seconds);
    m_error.clear();
    emit countdownStarted(action, m_remaining);
    if (m_tickMs > 0)
        m_timer.start(m_tickMs);
    return true;
}

void EndOfJobsAction::setTickInterval(int ms)
{
    m_tickMs = ms;
    if (ms <= 0)
        m_timer.stop();
    else if (isCounting())
        m_timer.start(ms);
}

void EndOfJobsAction::tick()
{
    if (!isCounting())
        return;
    if (m_remaining > 0)
        --m_remaining;
    emit countdownChanged(m_remaining);
    if (m_remaining > 0)
        return;
    const Action action = m_pending;
    m_pending = Action::None;
    m_timer.stop();
    emit countdownEnded();
    perform(action);
}

void EndOfJobsAction::cancel()
{
    if (!isCounting())
        return;
    m_pending = Action::None;
    m_timer.stop();
    emit countdownEnded();
}

void EndOfJobsAction::perform(Action action)
{
    if (!m_power)
        m_power = DesktopServices::createPowerControl();
    const bool ok = action == Action::Sleep ? m_power->suspend() : m_power->powerOff();
    m_error = ok ? QString() : m_power->errorString();
    if (!ok)
        qWarning("the machine stays on: %s", qPrintable(m_error));
    emit performed(action, ok);
}
