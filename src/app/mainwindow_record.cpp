// Recording from the main window: start, stop, cut and the split at silence, what the window
// shows when a recording fails, and the desktop notification when one ends by itself.

#include "mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>

#include "qrecordareainfo.h"
#include "qrecordingwidget.h"
#include "recordercontroller.h"
#include "recordertray.h"
#include "schedulecountdown.h"
#include "scheduletime.h"
#include "selectrecordinputwgt.h"

namespace {

QString failedText(const QString& reason)
{
    const QString lead = MainWindow::tr("Recording failed!");
    return reason.isEmpty() ? lead : lead + u'\n' + reason;
}

}  // namespace

void MainWindow::OnBtnStart()
{
    if (m_bRecording)
        return;
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (area.scheduled() && area.scheduleStartUs() != area.scheduleEndUs() &&
        !m_countdown->repeats())
        resetScheduleIndicator();
    setRecordControlsIdle(false);
    m_inputs->OnSetCtrlEnabled(false);
    setPlaybackRecordingState(true);
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
    setPlaybackRecordingState(false);
    OnChangeBottomWgt(true);
}

void MainWindow::OnStartRecord()
{
    m_bRecording = true;
    m_tray->setRecording(true);
    if (!m_recorder->startFile()) {
        const QString reason = m_recorder->lastError();
        OnBtnStop(false);
        notifyUnlessFocused(tr("Recording failed!"), reason);
        showMessage(failedText(reason));
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
    if (m_recorder->cutFile()) {
        m_recordingWidget->beginRecording();  // a new file: its time and silence from 0
        return;
    }
    const QString reason = m_recorder->lastError();
    OnBtnStop(false);
    notifyUnlessFocused(tr("Recording failed!"), reason);
    showMessage(failedText(reason));
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
            notifyUnlessFocused(tr("Recording split at a silence"),
                                tr("Recording goes on in a new file: %1")
                                    .arg(QFileInfo(m_recorder->currentPath()).fileName()));
            return;
        case RecorderController::SplitOutcome::Failed: {
            const QString reason = m_recorder->lastError();
            OnBtnStop(false);
            showMessage(failedText(reason));
            notifyUnlessFocused(tr("Recording failed!"), reason);
            return;
        }
    }
}

// A new track began: the recording went on in a new file, which the list shows with the
// track's tags.
void MainWindow::onSplitAtNewTrack(const QString& newPath)
{
    m_recordingWidget->beginPiece();
    notifyUnlessFocused(
        tr("Recording split at a new track"),
        tr("Recording goes on in a new file: %1").arg(QFileInfo(newPath).fileName()));
}

// The session ended the file by itself; it is kept and listed. The window returns to idle.
void MainWindow::onRecordingEndedByFailure(const QString& reason)
{
    if (m_bRecording)
        OnBtnStop(false);
    const QString text = tr("Recording stopped: %1\nWhat was recorded until then is kept.");
    notifyUnlessFocused(tr("Recording stopped"), text.arg(reason));
    showMessage(text.arg(reason));
}

// The session gave up before it wrote anything: the start failed after all.
void MainWindow::onRecordingFailedToStart(const QString& reason)
{
    if (m_bRecording)
        OnBtnStop(false);
    notifyUnlessFocused(tr("Recording failed!"), reason);
    showMessage(failedText(reason));
}

void MainWindow::OnRecordTimeOperate(uint64_t time)
{
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (!m_bRecording)
        return;
    // A repeating schedule ends its recording at its end time on the clock (OnTimer).
    const bool spanEnded =
        area.scheduled() && !m_countdown->repeats() &&
        ScheduleTime::spanExceeded(area.scheduleStartUs(), area.scheduleEndUs(), time);
    // The stop-after length of the time options ends a recording too: a user who ticks it
    // expects the recording to stop there.
    const bool lengthReached =
        area.stopAfter() && area.stopAfterUs() > 0 && time > area.stopAfterUs();
    if (!spanEnded && !lengthReached)
        return;
    stopByRule(spanEnded ? tr("Scheduled recording finished")
                         : tr("Recording reached its set length"));
}

void MainWindow::stopByRule(const QString& summary)
{
    const QString file = QFileInfo(m_recorder->currentPath()).fileName();
    OnBtnStop(true);
    notifyUnlessFocused(summary, tr("Saved as %1").arg(file));
}

void MainWindow::notifyUnlessFocused(const QString& summary, const QString& body)
{
    // A user who looks at the program sees what happened there already. A window hidden in
    // the tray may still count as active for Qt, but nobody sees it.
    const QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return;
    if (!m_services.notifier->notify(summary, body))
        qInfo().noquote() << "no desktop notification:" << m_services.notifier->errorString();
}
