// Recording from the main window: start, stop, cut and the split at silence, and what the
// window shows when a recording fails.

#include "mainwindow.h"

#include "qrecordareainfo.h"
#include "qrecordingwidget.h"
#include "recordercontroller.h"
#include "recordertray.h"
#include "scheduletime.h"
#include "selectrecordinputwgt.h"

namespace {

const QString kRecordingFailed = QStringLiteral("Recording failed!");

}  // namespace

void MainWindow::OnBtnStart()
{
    if (m_bRecording)
        return;
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (area.scheduled() && area.scheduleStartUs() != area.scheduleEndUs())
        resetScheduleIndicator();
    setRecordControlsIdle(false);
    m_inputs->OnSetCtrlEnabled(false);
    OnChangeBottomWgt(false);
    OnStartRecord();
}

void MainWindow::OnBtnStop(bool bSuccess)
{
    setRecordControlsIdle(true);
    m_inputs->OnSetCtrlEnabled(true);
    OnStopRecord(bSuccess, true);
    switchScheduleOff();
    m_recorder->endRun();
    OnChangeBottomWgt(true);
}

void MainWindow::OnStartRecord()
{
    m_bRecording = true;
    m_tray->setRecording(true);
    if (!m_recorder->startFile()) {
        const QString reason = m_recorder->lastError();
        OnBtnStop(false);
        showMessage(reason.isEmpty() ? kRecordingFailed : kRecordingFailed + u'\n' + reason);
        return;
    }
    m_recordingWidget->beginRecording();
}

void MainWindow::OnStopRecord(bool, bool)
{
    m_recorder->stopFile();
    m_bRecording = false;
    m_tray->setRecording(false);
    m_recordingWidget->endRecording();
}

void MainWindow::OnCutRecord()
{
    if (!m_recorder->session() || !m_bRecording)
        return;
    OnStopRecord();
    OnStartRecord();
}

void MainWindow::OnSplitSilence()
{
    if (!m_recorder->session() || !m_bRecording)
        return;
    switch (m_recorder->splitAtSilence()) {
        case RecorderController::SplitOutcome::NotRecording:
        case RecorderController::SplitOutcome::Discarded:
            return;
        case RecorderController::SplitOutcome::Kept:
            m_recordingWidget->beginPiece();
            return;
        case RecorderController::SplitOutcome::Failed: {
            const QString reason = m_recorder->lastError();
            OnBtnStop(false);
            showMessage(kRecordingFailed + u'\n' + reason);
            return;
        }
    }
}

// The session ended the file by itself; it is kept and listed. The window returns to idle.
void MainWindow::onRecordingEndedByFailure(const QString& reason)
{
    if (m_bRecording)
        OnBtnStop(false);
    showMessage(
        QStringLiteral("Recording stopped: %1\nWhat was recorded until then is kept.").arg(reason));
}

// The session gave up before it wrote anything: the start failed after all.
void MainWindow::onRecordingFailedToStart(const QString& reason)
{
    if (m_bRecording)
        OnBtnStop(false);
    showMessage(reason.isEmpty() ? kRecordingFailed : kRecordingFailed + u'\n' + reason);
}

void MainWindow::OnRecordTimeOperate(uint64_t time)
{
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (!m_bRecording || !area.scheduled())
        return;
    if (ScheduleTime::spanExceeded(area.scheduleStartUs(), area.scheduleEndUs(), time))
        OnBtnStop(true);
}
