// The schedule in the main window: the dialog, the countdown and its tip, the schedule
// button's look, and cancelling.

#include "mainwindow.h"

#include <QTimer>

#include "qaudioschedulesettingdlg.h"
#include "qnxbasebutton.h"
#include "qrecordareainfo.h"
#include "qscheduletipwidget.h"
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
    m_countdown->arm(area.scheduleStartUs());
    m_bScheduleActive = true;
    m_countdownTimer->start();
}

void MainWindow::OnTimer()
{
    const ScheduleCountdown::Tick tick = m_countdown->tick();
    if (tick.showTip) {
        m_countdownTip->setText(tick.tipText);
        m_countdownTip->placeAtScreenCorner(this);
        m_countdownTip->show();
    }
    if (tick.startNow) {
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
}

void MainWindow::switchScheduleOff()
{
    TimeOptions::switchScheduleOff();
}

void MainWindow::showScheduleHoverTip(bool show)
{
    if (!show || !m_bScheduleActive || !m_btnSchedule->isEnabled()) {
        m_hoverTip->hide();
        return;
    }
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    const QString format = QStringLiteral("hh:mm:ss");
    m_hoverTip->setText(tr("Scheduled recording: %1 to %2")
                            .arg(ScheduleTime::timeOfDay(area.scheduleStartUs()).toString(format),
                                 ScheduleTime::timeOfDay(area.scheduleEndUs()).toString(format)));
    m_hoverTip->move(m_btnSchedule->mapToGlobal(QPoint(0, m_btnSchedule->height() + kHoverTipGap)));
    m_hoverTip->show();
}
