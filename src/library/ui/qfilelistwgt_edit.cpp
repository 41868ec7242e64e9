// The recordings list's edit flow: the item the edit dialog works on, previous / next, cuts as
// conversion jobs with their progress window, the produced files as new recordings, tag edits,
// and what happens after the last job.

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "cutsettings.h"
#include "endofjobsaction.h"
#include "nxconverterobject.h"
#include "qaudiofilemodel.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qconvertprogressdlg.h"
#include "qfilelistwgt.h"
#include "qjobsfinisheddlg.h"
#include "qnxmessagebox.h"

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Windows the list opens while the edit dialog runs modally must sit on top of it, or they
// could not be used.
QWidget* dialogParent(QWidget* list)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : list->window();
}

}  // namespace

void QFileListWgt::setEditedItem(QAudioFileChunk* item)
{
    m_editedPath = item ? text(item->filePath()) : QString();
    if (!item)
        return;
    const QModelIndex row = m_sortModel->mapFromSource(m_model->index(m_model->rowOf(item), 0));
    if (row.isValid())
        m_view->selectRow(row.row());
}

QAudioFileChunk* QFileListWgt::editedItem() const
{
    return m_editedPath.isEmpty() ? nullptr : m_library.find(m_editedPath);
}

QConvertProgressDlg* QFileListWgt::progressDialog() const
{
    return m_progressDlg;
}

QJobsFinishedDlg* QFileListWgt::jobsFinishedDialog() const
{
    return m_jobsFinishedDlg;
}

void QFileListWgt::OnSaveConvertFileList(const QStringList& paths)
{
    m_convertFiles = paths;
}

void QFileListWgt::OnPreviousItem()
{
    moveEditedRow(-1);
}

void QFileListWgt::OnNextItem()
{
    moveEditedRow(1);
}

void QFileListWgt::moveEditedRow(int step)
{
    const int target = m_view->currentIndex().row() + step;
    if (target < 0 || target >= m_sortModel->rowCount())
        return;
    m_view->selectRow(target);
    QAudioFileChunk* item = itemAt(m_sortModel->index(target, 0));
    // The dialog stays on its file for a row it cannot open (being recorded, file gone).
    if (!item || m_editedPath.isEmpty() || item->rowState() == QAudioFileChunk::Recording ||
        !QFileInfo::exists(text(item->filePath())))
        return;
    m_editedPath = text(item->filePath());
    emit emitEditFileChanged(m_editedPath);
}

// ---- Cuts ----------------------------------------------------------------------------------

QConvertProgressDlg* QFileListWgt::progressWindow()
{
    if (!m_progressDlg) {
        m_progressDlg = new QConvertProgressDlg(window());
        m_progressDlg->setWindowModality(Qt::ApplicationModal);
        connect(m_progressDlg, &QConvertProgressDlg::emitCancel, this,
                &QFileListWgt::OnCancelConvert);
    }
    return m_progressDlg;
}

void QFileListWgt::ensureConvertJob()
{
    progressWindow();
    if (m_converter)
        return;
    m_converter = new NxConverterObject(this);
    connect(m_converter, &NxConverterObject::emitConvertedStart, this,
            &QFileListWgt::OnConvertedStart);
    connect(m_converter, &NxConverterObject::emitConvertedFinish, this,
            &QFileListWgt::OnConvertedFinish);
    connect(m_converter, &NxConverterObject::emitConvertProgress, this,
            &QFileListWgt::OnConvertProgress);
}

QString QFileListWgt::cutFolder(const QAudioFileChunk& item) const
{
    const QString folder = m_outputFolder ? m_outputFolder() : QString();
    return folder.isEmpty() ? QFileInfo(text(item.filePath())).path() : folder;
}

void QFileListWgt::OnConvertFile(const VEEditConfig& config, bool lossless)
{
    ensureConvertJob();
    if (m_converter->isRunning())
        return;  // one cut at a time; the progress window keeps the dialog from asking
    const QAudioFileChunk* item = editedItem();
    if (!item)
        return;
    const QString source = text(item->filePath());
    if (!QFileInfo::exists(source)) {
        failCut(tr("%1 no longer exists.").arg(source));
        return;
    }
    const QString folder = cutFolder(*item);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        failCut(tr("The folder %1 cannot be written to.").arg(folder));
        return;
    }
    OutputSettings settings;
    QString error;
    if (!CutSettings::fill(source, config, lossless, &settings, &error)) {
        failCut(error);
        return;
    }
    m_cutFormat = text(item->format());
    m_converter->setJob(settings, source, text(item->fileName()), folder);
    // A start that fails after emitConvertedStart reports through OnConvertedFinish.
    if (!m_converter->start() && m_converter->producedPath().isEmpty())
        failCut(m_converter->lastError());
}

void QFileListWgt::OnConvertedStart()
{
    QConvertProgressDlg* progress = progressWindow();
    progress->setProgress(0);
    progress->setFileName(m_converter->producedName());
    progress->setParent(dialogParent(this), progress->windowFlags());
    progress->show();
    progress->raise();
}

void QFileListWgt::OnConvertProgress(uint progress)
{
    progressWindow()->setProgress(int(progress));
}

void QFileListWgt::OnCancelConvert()
{
    if (m_converter)
        m_converter->stop();
}

void QFileListWgt::OnConvertedFinish(bool ok)
{
    QConvertProgressDlg* progress = progressWindow();
    // The focus goes back to the window under it at once, not when the window system gets to
    // it: whoever asks now whether the user looks at the program (the notification of the
    // finished job) must not see a hidden window as the active one.
    QWidget* under = progress->isActiveWindow() ? progress->parentWidget() : nullptr;
    progress->hide();
    progress->setParent(window(), progress->windowFlags());
    if (under)
        QApplication::setActiveWindow(under->window());
    if (!ok) {
        // A cancelled job was the user's choice: nothing to tell.
        if (!m_converter->isCancelled())
            failCut(m_converter->lastError());
        return;
    }
    const QString path = m_converter->producedPath();
    m_library.addConvertedFile(path, m_cutFormat);
    refreshRows();
    emit emitConvertFilePath(path);
    emit emitConvertJobDone(true, path);
    beginEndOfJobs();
}

void QFileListWgt::failCut(const QString& reason)
{
    emit emitConvertJobDone(false, reason);
    tell(reason.isEmpty() ? tr("Cut out failure.")
                          : tr("Cut out failure.") + QStringLiteral("\n\n") + reason);
}

void QFileListWgt::tell(const QString& message)
{
    if (m_tell)
        m_tell(message);
    else
        QNxMessageBox::warning(dialogParent(this), QStringLiteral("Quillon Audio Recorder"),
                               message);
}

// ---- Tags ----------------------------------------------------------------------------------

void QFileListWgt::OnAudioTagChange(const VEAudioTagInfo& tags, const QString&)
{
    QAudioFileChunk* item = editedItem();
    if (!item || !m_library.setTags(item, text(tags.title), text(tags.artist), text(tags.album),
                                    text(tags.genre)))
        return;
    m_model->refreshRow(m_model->rowOf(item));
}

// ---- After the last job --------------------------------------------------------------------

void QFileListWgt::setEndOfJobsAction(EndOfJobsAction* action)
{
    delete m_endOfJobs;
    m_endOfJobs = action;
    m_endOfJobs->setParent(this);
    connect(m_endOfJobs, &EndOfJobsAction::performed, this,
            [this](EndOfJobsAction::Action what, bool ok) {
                if (ok)
                    return;
                tell((what == EndOfJobsAction::Action::Sleep
                          ? tr("The computer could not be put to sleep.")
                          : tr("The computer could not be shut down.")) +
                     QStringLiteral("\n\n") + m_endOfJobs->lastError());
            });
}

EndOfJobsAction* QFileListWgt::endOfJobsAction()
{
    if (!m_endOfJobs)
        setEndOfJobsAction(new EndOfJobsAction);
    return m_endOfJobs;
}

// Cuts run one at a time, so a finished cut is the last job: the user's choice of what then
// happens (sleep, shut down) starts its countdown.
void QFileListWgt::beginEndOfJobs()
{
    const EndOfJobsAction::Action action = EndOfJobsAction::configured();
    if (action == EndOfJobsAction::Action::None)
        return;
    EndOfJobsAction* countdown = endOfJobsAction();
    delete m_jobsFinishedDlg;
    countdown->begin(action);
    auto* dialog = new QJobsFinishedDlg(countdown, dialogParent(this));
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    m_jobsFinishedDlg = dialog;
    dialog->show();
}
