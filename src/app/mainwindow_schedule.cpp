// The schedule in the main window: the dialog, the countdown and its tip, the schedule
// button's look, and cancelling.

#include "mainwindow.h"

#include <QDebug>
#include <QLocale>
#include <QTimer>

#include "qaudioschedulesettingdlg.h"
#include "qnxbasebutton.h"
#include "qrecordareainfo.h"
#include "qscheduletipwidget.h"
#include "recordertray.h"
#include "schedulecountdown.h"
#include "scheduletime.h"
#include "timeoptions.h"

namespace {
constexpr int kHoverTipGap = 4;
}  // namespace

void MainWindow::OnShowScheduleDlg()
{
    // A schedule does not survive a restart: the first opening starts from nothing.
    if (m_bFirstScheduleOpen) {
        TimeOptions::resetStored();
        m_bFirstScheduleOpen = false;
    }
    QAudioScheduleSettingDlg dialog(this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint,
                         windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    connect(&dialog, &QAudioScheduleSettingDlg::emitSetSchedule, this, &MainWindow::OnSetSchedule);
    dialog.exec();
}

// Arms the countdown for the confirmed schedule. A confirmation without a schedule (its box
// unticked, or start equal to end) clears the indicator instead of arming a start at midnight.
void MainWindow::OnSetSchedule()
{
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (!area.scheduled()) {
        resetScheduleIndicator();
        return;
    }
    m_btnSchedule->setImage(QStringLiteral("/image/btn_schedule_on.png"));
    m_btnCancelSchedule->show();
    m_countdown->arm(area.scheduleStartUs(), area.scheduleEndUs(), area.scheduleRepeat());
    m_bScheduleActive = true;
    m_countdownTimer->start();
    showNextStart();
}

void MainWindow::OnTimer()
{
    const QDateTime start = m_countdown->target();
    const ScheduleCountdown::Tick tick = m_countdown->tick(m_bRecording);
    if (tick.showTip) {
        m_countdownTip->setText(tick.tipText);
        m_countdownTip->placeAtScreenCorner(this);
        m_countdownTip->show();
    }
    if (tick.waitStarted) {
        qInfo().noquote() << QStringLiteral(
                                 "schedule: a recording runs at the scheduled start "
                                 "%1; the scheduled recording waits until it ends")
                                 .arg(start.toString(Qt::ISODate));
    }
    if (tick.skipped) {
        qInfo().noquote() << QStringLiteral(
                                 "schedule: the start %1 passed with nothing left of "
                                 "its time to record; next start %2")
                                 .arg(start.toString(Qt::ISODate),
                                      m_countdown->target().toString(Qt::ISODate));
        showNextStart();
    }
    if (tick.stopNow)
        stopByRule(tr("Scheduled recording finished"));
    if (tick.startNow) {
        // A repeating schedule stays armed while its recording runs.
        if (!m_countdown->isArmed())
            m_countdownTimer->stop();
        OnBtnStart();
        m_countdownTip->hide();
    }
}

void MainWindow::OnCloseScheduleTip(int)
{
    m_countdown->closeTip();
    m_countdownTip->hide();
}

void MainWindow::OnBtnCancelSchedule()
{
    resetScheduleIndicator();
    switchScheduleOff();
}

void MainWindow::resetScheduleIndicator()
{
    m_btnSchedule->setImage(QStringLiteral("/image/btn_schedule_off.png"));
    m_btnCancelSchedule->hide();
    m_hoverTip->hide();
    m_countdownTimer->stop();
    m_countdownTip->hide();
    m_countdown->disarm();
    m_bScheduleActive = false;
    m_tray->setNextStart(QString());
}

// After every recording: a one-time schedule is used up, a repeating one goes on to its next
// start.
void MainWindow::switchScheduleOff()
{
    if (m_countdown->repeats()) {
        m_countdown->recordingEnded();
        showNextStart();
        return;
    }
    TimeOptions::switchScheduleOff();
}

QString MainWindow::nextStartText() const
{
    const QDateTime start = m_countdown->target();
    const QString day = QLocale().dayName(start.date().dayOfWeek(), QLocale::ShortFormat);
    return tr("Next scheduled recording: %1 %2 to %3")
        .arg(day, start.time().toString(QStringLiteral("hh:mm:ss")),
             m_countdown->end().time().toString(QStringLiteral("hh:mm:ss")));
}

void MainWindow::showNextStart()
{
    if (!m_countdown->repeats()) {
        m_tray->setNextStart(QString());
        return;
    }
    m_tray->setNextStart(nextStartText());
    qInfo().noquote() << QStringLiteral("schedule: next start %1")
                             .arg(m_countdown->target().toString(Qt::ISODate));
}

void MainWindow::showScheduleHoverTip(bool show)
{
    if (!show || !m_bScheduleActive || !m_btnSchedule->isEnabled()) {
        m_hoverTip->hide();
        return;
    }
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    const QString format = QStringLiteral("hh:mm:ss");
    if (m_countdown->repeats())
        m_hoverTip->setText(nextStartText());
    else
        m_hoverTip->setText(
            tr("Scheduled recording: %1 to %2")
                .arg(ScheduleTime::timeOfDay(area.scheduleStartUs()).toString(format),
                     ScheduleTime::timeOfDay(area.scheduleEndUs()).toString(format)));
    m_hoverTip->move(m_btnSchedule->mapToGlobal(QPoint(0, m_btnSchedule->height() + kHoverTipGap)));
    m_hoverTip->show();
}
