#pragma once
// EndOfJobsAction: what happens once the last conversion job has finished, as the preference
// "Finished_All_Job" says: nothing, sleep, or power off. The machine is never put down at once:
// a countdown runs first (30 s), which the user can cancel; only when it runs out is the power
// control asked. A window shows the countdown (QJobsFinishedDlg) and cancels it.
//
// The countdown ticks once a second from a timer; tests set the interval to 0 and call tick()
// themselves, so nothing depends on how late a timer fires.
// GUI thread only.

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

#include "powercontrol.h"

class EndOfJobsAction : public QObject {
    Q_OBJECT
public:
    enum class Action { None = 0, Sleep = 1, ShutDown = 2 };
    static constexpr int kCountdownSeconds = 30;

    // The power control is taken over; null: the desktop's, made when first needed.
    explicit EndOfJobsAction(std::unique_ptr<PowerControl> power = nullptr,
                             QObject* parent = nullptr);
    ~EndOfJobsAction() override;

    // The action the preferences ask for.
    static Action configured();

    // Starts the countdown towards `action` (a running one starts again). None does nothing
    // and returns false.
    bool begin(Action action, int seconds = kCountdownSeconds);
    bool isCounting() const { return m_pending != Action::None; }
    Action pending() const { return m_pending; }
    int remainingSeconds() const { return m_remaining; }
    // Milliseconds between ticks; 0 stops the timer (tick() is then called by hand).
    void setTickInterval(int ms);
    // Why the last action failed ("" when none did).
    QString lastError() const { return m_error; }

public slots:
    // One second passed: counts down, and at 0 asks the power control.
    void tick();
    // The user said no: the countdown ends, the machine stays on.
    void cancel();

signals:
    void countdownStarted(EndOfJobsAction::Action action, int seconds);
    void countdownChanged(int remainingSeconds);
    // The countdown is over, by cancel() or because the action was asked for.
    void countdownEnded();
    // The power control was asked; ok false when it refused (see lastError()).
    void performed(EndOfJobsAction::Action action, bool ok);

private:
    void perform(Action action);

    std::unique_ptr<PowerControl> m_power;
    QTimer m_timer;
    int m_tickMs = 1000;
    Action m_pending = Action::None;
    int m_remaining = 0;
    QString m_error;
};
