// QTrimWidget: cutting the marked segment and the list of clips it produced.
#include <QFile>
#include <QFileInfo>

#include "nxplayerclass.h"

#include "qnxmessagebox.h"
#include "qnxtableview.h"
#include "qtrimitemmodel.h"
#include "qtrimitemsortmodel.h"
#include "qtrimwidget.h"
#include "qvideoeditingsettings.h"
#include "trimtime.h"

void QTrimWidget::OnBtnAdd()
{
    if (!m_marks.hasMarks() || !m_settings)
        return;
    VEEditConfig config = m_settings->config();
    config.trimStartUs = m_marks.startUs();
    config.trimEndUs = m_marks.endUs();
    m_cutMarks = m_marks;
    // Also applies the range to the dialog's player.
    m_settings->setConfig(config);
    emit emitConvertFile();
}

void QTrimWidget::OnSetSaveFile(QString filePath)
{
    filePath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (filePath.isEmpty())
        return;
    // The clip is the segment of the last cut, even when the marks moved while it was made.
    const TrimMarks& cut = m_cutMarks.hasMarks() ? m_cutMarks : m_marks;
    m_savedFiles.append(filePath);
    m_model->addClip(filePath, trimTimeText(cut.startUs()), trimTimeText(cut.shownEndUs()),
                     trimTimeText(cut.segmentUs()));
}

void QTrimWidget::OnShowItemTrimTime(QModelIndex index)
{
    const QTrimItemChunk* clip = m_sortModel->clipAt(index);
    if (!clip || !m_player)
        return;
    uint64_t start = 0, end = 0;
    if (!parseTrimTime(QString::fromStdString(clip->startTimeText()), &start) ||
        !parseTrimTime(QString::fromStdString(clip->endTimeText()), &end))
        return;
    m_segmentPlaying = false;
    m_marks.setRange(start, end);
    showMarks();
    seekAndShow(m_marks.startUs());
}

void QTrimWidget::OnPlayTrimItem(QModelIndex index)
{
    if (!m_sortModel->clipAt(index) || !m_player)
        return;
    OnShowItemTrimTime(index);
    onTrimPlay();
}

void QTrimWidget::OnDeleteItem(QModelIndex index)
{
    const QTrimItemChunk* clip = m_sortModel->clipAt(index);
    if (!clip)
        return;
    const QString path = QString::fromStdString(clip->filePath());
    QFile file(path);
    if (file.exists() && !file.remove()) {
        // The row stays, so the user still sees the clip that could not go.
        QNxMessageBox::warning(window(), tr("Delete"),
                               tr("The clip \"%1\" could not be deleted: %2")
                                   .arg(QFileInfo(path).fileName(), file.errorString()));
        return;
    }
    m_savedFiles.removeAll(path);
    m_model->removeClip(m_sortModel->mapToSource(index).row());
}
