// The recordings list opens the edit dialog on a row: the play bar lets go of the file while
// the dialog is open and picks it up again afterwards.
#include "qfilelistwgt.h"

#include <QPointer>

#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qvideoeditingdlg.h"

void QFileListWgt::OnEditItem(const QModelIndex& index)
{
    QAudioFileChunk* item = itemAt(index);
    if (!item || item->rowState() == QAudioFileChunk::Recording || m_editDlg)
        return;
    if (!fileExists(item))
        return;
    const QString path = QString::fromStdString(item->filePath());
    // The playing row pauses; when it is the edited file the bar also closes it, so that a tag
    // write may replace the file.
    QAudioFileChunk* playing = playingItem();
    const bool wasPlaying = playing && playing->rowState() == QAudioFileChunk::Playing;
    const bool editsPlayingFile = playing && playing == item;
    if (playing) {
        emit emitPlayOrPause(false);
        playing->setRowState(QAudioFileChunk::Paused);
        m_view->viewport()->update();
    }
    if (editsPlayingFile)
        emit emitCloseFileIfIsPlaying(path);

    setEditedItem(item);
    // On the heap: the window that parents it may go away while it runs (the program quits).
    QPointer<QVideoEditingDlg> dialog = new QVideoEditingDlg(window());
    m_editDlg = dialog;
    dialog->loadFile(path);
    connectEditDialog(dialog);
    dialog->exec();
    m_editDlg = nullptr;
    delete dialog;  // hands over the produced files (emitSaveConvertFileList) as it goes
    setEditedItem(nullptr);

    if (editsPlayingFile)
        emit emitContinuePlayAfterEdit(wasPlaying);
    else if (wasPlaying)
        emit emitPlayOrPause(true);
    if (QAudioFileChunk* stillPlaying = playingItem(); stillPlaying && wasPlaying) {
        stillPlaying->setRowState(QAudioFileChunk::Playing);
        m_view->viewport()->update();
    }
}

void QFileListWgt::connectEditDialog(QVideoEditingDlg* dialog)
{
    connect(dialog, &QVideoEditingDlg::emitAudioTagChange, this, &QFileListWgt::OnAudioTagChange);
    connect(dialog, &QVideoEditingDlg::emitConvertFile, this, &QFileListWgt::OnConvertFile);
    connect(dialog, &QVideoEditingDlg::emitPreviousFile, this, &QFileListWgt::OnPreviousItem);
    connect(dialog, &QVideoEditingDlg::emitNextFile, this, &QFileListWgt::OnNextItem);
    connect(this, &QFileListWgt::emitConvertFilePath, dialog,
            &QVideoEditingDlg::emitConvertFilePath);
    connect(dialog, &QVideoEditingDlg::emitSaveConvertFileList, this,
            &QFileListWgt::OnSaveConvertFileList);
    // Previous / next moved the edit to another row: the open dialog loads its file.
    connect(this, &QFileListWgt::emitEditFileChanged, dialog, &QVideoEditingDlg::loadFile);
}
