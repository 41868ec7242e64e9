#include "qfilelistwgt.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "listtexts.h"
#include "nxskin.h"
#include "qaudiofiledelegate.h"
#include "qaudiofilemodel.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qlibrarychunk.h"
#include "qnxlineedit.h"

namespace {

// The File Name column takes the room that is left; the others keep widths that fit their
// texts in the list's 12-pixel Tahoma.
const int kColumnWidths[QAudioFileModel::ColumnCount] = {30, 180, 64, 110, 110, 76, 130, 86, 30};

}  // namespace

QFileListWgt::QFileListWgt(QWidget* parent, RecordingJournal journal)
    : QNxWidget(parent), m_library(std::move(journal))
{
    buildWidgets();
    buildMenu();
    updateSummary();
}

QFileListWgt::~QFileListWgt()
{
    // The model holds the library's items: it lets go of them first.
    m_model->clear();
}

void QFileListWgt::buildWidgets()
{
    setBackgroundColor(NxSkin::panel());
    m_model = new QAudioFileModel(this);
    m_sortModel = new QAudioFileSortModel(this);
    m_sortModel->setSourceModel(m_model);
    m_delegate = new QAudioFileDelegate(this);
    m_view = new QAudioFileTableView(this);
    m_view->setModel(m_sortModel);
    m_view->setItemDelegate(m_delegate);
    m_delegate->setStyleWidget(m_view->delegateStyle());
    m_view->setEmptyImage(QStringLiteral("/image/common/bg_empty.png"));
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(AudioFileColumns::Created, Qt::DescendingOrder);
    QHeaderView* header = m_view->horizontalHeader();
    header->setMinimumSectionSize(30);
    header->setStretchLastSection(false);
    for (int column = 0; column < QAudioFileModel::ColumnCount; ++column)
        header->resizeSection(column, kColumnWidths[column]);
    header->setSectionResizeMode(QAudioFileModel::NameColumn, QHeaderView::Stretch);

    m_leSearch = new QNxLineEdit(this);
    m_leSearch->setPlaceholderText(tr("Search"));
    m_leSearch->setAccessibleName(tr("Search"));
    m_leSearch->setToolTip(tr("Search"));
    m_leSearch->setFixedWidth(220);
    m_lblListInfo = new QLabel(this);
    m_lblListInfo->setFont(NxSkin::font(12));
    m_lblListInfo->setStyleSheet(QStringLiteral("color: %1;").arg(NxSkin::textDim().name()));
    m_lblListInfo->setAccessibleName(tr("Summary"));

    auto* top = new QHBoxLayout;
    top->setContentsMargins(10, 8, 10, 4);
    top->addWidget(m_lblListInfo, 0, Qt::AlignVCenter);
    top->addStretch(1);
    top->addWidget(m_leSearch);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(top);
    column->addWidget(m_view, 1);

    connect(m_leSearch, &QLineEdit::textChanged, this, &QFileListWgt::OnSearchTextChange);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &QFileListWgt::OnPlayItem);
    connect(m_view, &QAbstractItemView::clicked, this, &QFileListWgt::OnClickItem);
    connect(m_view, &QAbstractItemView::entered, this, &QFileListWgt::OnHoverItem);
    connect(m_view, &QWidget::customContextMenuRequested, this, &QFileListWgt::OnShowTableMenu);
    connect(m_delegate, &QAudioFileDelegate::emitChangeName, this, &QFileListWgt::OnRenameFile);
    connect(m_delegate, &QAudioFileDelegate::emitPlayItem, this, &QFileListWgt::OnPlayItem);
    connect(m_delegate, &QAudioFileDelegate::emitPauseItem, this, &QFileListWgt::OnPauseItem);
    connect(m_delegate, &QAudioFileDelegate::emitEditItem, this, &QFileListWgt::OnEditItem);
    connect(m_delegate, &QAudioFileDelegate::emitDeleteItem, this, &QFileListWgt::OnDeleteItem);
    // The summary follows every change of the rows shown. A filter change removes and inserts
    // rows range by range; one rebuild after the lot is enough.
    connect(m_sortModel, &QAbstractItemModel::rowsInserted, this, &QFileListWgt::scheduleSummary);
    connect(m_sortModel, &QAbstractItemModel::rowsRemoved, this, &QFileListWgt::scheduleSummary);
    connect(m_sortModel, &QAbstractItemModel::modelReset, this, &QFileListWgt::scheduleSummary);
}

RecordingLibrary::LoadResult QFileListWgt::loadLibrary()
{
    m_model->clear();
    RecordingLibrary::LoadResult result = m_library.load();
    showEntry(ListEntry::all());
    return result;
}

void QFileListWgt::showEntry(const ListEntry& entry)
{
    m_entry = entry;
    refreshRows();
}

void QFileListWgt::refreshRows()
{
    const std::vector<QAudioFileChunk*> shown = m_library.entryItems(m_entry);
    m_model->setItems(std::vector<IBaseChunk*>(shown.begin(), shown.end()));
    updateSummary();
}

QString QFileListWgt::summaryText() const
{
    return m_lblListInfo->text();
}

void QFileListWgt::scheduleSummary()
{
    if (m_summaryScheduled)
        return;
    m_summaryScheduled = true;
    QTimer::singleShot(0, this, &QFileListWgt::updateSummary);
}

void QFileListWgt::updateSummary()
{
    m_summaryScheduled = false;
    int count = 0;
    qint64 bytes = 0;
    qint64 seconds = 0;
    for (int row = 0; row < m_sortModel->rowCount(); ++row) {
        const QAudioFileChunk* item = itemAt(m_sortModel->index(row, 0));
        if (!item)
            continue;
        ++count;
        bytes +=
            std::max<qint64>(0, ListTexts::sizeTextBytes(QString::fromStdString(item->size())));
        seconds += std::max<qint64>(
            0, ListTexts::durationTextSeconds(QString::fromStdString(item->duration())));
    }
    m_lblListInfo->setText(ListTexts::summaryText(count, bytes, seconds));
}

QAudioFileChunk* QFileListWgt::itemAt(const QModelIndex& proxyIndex) const
{
    return dynamic_cast<QAudioFileChunk*>(m_sortModel->itemAt(proxyIndex));
}

QAudioFileChunk* QFileListWgt::playingItem() const
{
    return m_playingPath.isEmpty() ? nullptr : m_library.find(m_playingPath);
}

bool QFileListWgt::fileExists(QAudioFileChunk* item)
{
    if (QFileInfo::exists(QString::fromStdString(item->filePath())))
        return true;
    item->setRowState(QAudioFileChunk::FileMissing);
    m_view->viewport()->update();
    return false;
}

QStringList QFileListWgt::shownPaths() const
{
    QStringList paths;
    for (int row = 0; row < m_sortModel->rowCount(); ++row) {
        if (const QAudioFileChunk* item = itemAt(m_sortModel->index(row, 0)))
            paths.append(QString::fromStdString(item->filePath()));
    }
    return paths;
}

// ---- The recorder's files ----------------------------------------------------------------------

void QFileListWgt::recordingStarted(const QString& path)
{
    m_recordingIsSilent = true;
    m_library.beginRecording(path);
    refreshRows();
}

void QFileListWgt::recordingIsSilent(bool silent)
{
    OnSetRecordingIsSilent(silent);
}

void QFileListWgt::recordingFinished(const FinishedRecording& recording)
{
    // A recording cut short by a failure is kept whatever the rules say: it was not the
    // user's stop, and what it holds may be all there is.
    const bool applyRules = recording.failure.isEmpty();
    // The list's own flag belongs to the file being recorded; one cut off before it (the next
    // file records already) carries its own.
    const QAudioFileChunk* running = m_library.recordingItem();
    const bool isRunning =
        running && running->filePath() == recording.record.filePath.toStdString();
    const bool silent = recording.silentThroughout && (!isRunning || m_recordingIsSilent);
    RecordingLibrary::Removed removed;
    m_library.finishRecording(recording, applyRules, silent, &removed);
    refreshRows();
    for (const QString& error : removed.deleteErrors)
        qWarning("recording dropped by the delete rules stays on disk: %s", qPrintable(error));
}

void QFileListWgt::recordingDiscarded(const QString&)
{
    // The next piece goes to the same path: the row being recorded stays, without the music
    // identified in the piece that went.
    m_recordingIsSilent = true;
    if (m_library.forgetRecordingTags())
        m_model->refreshRow(m_model->rowOf(m_library.recordingItem()));
}

void QFileListWgt::recordingFailed(const QString& path, const QString&)
{
    RecordingLibrary::Removed removed = m_library.abandonRecording(path);
    refreshRows();
}

void QFileListWgt::recordingIdentified(const QString& path, const QString& title,
                                       const QString& artist, const QString& album,
                                       const QString& genre)
{
    QAudioFileChunk* running = m_library.recordingItem();
    if (running && running->filePath() == path.toStdString()) {
        OnSetRecordingTagInfo(title, artist, album, genre);
        return;
    }
    if (QAudioFileChunk* item = m_library.setFinishedTags(path, title, artist, album, genre))
        m_model->refreshRow(m_model->rowOf(item));
}

void QFileListWgt::recordingRewritten(const QString& path)
{
    if (QAudioFileChunk* item = m_library.refreshSize(path))
        m_model->refreshRow(m_model->rowOf(item));
}

void QFileListWgt::recordingMoved(const QString& oldPath, const QString& newPath)
{
    if (QAudioFileChunk* item = m_library.relocate(oldPath, newPath))
        m_model->refreshRow(m_model->rowOf(item));
}

void QFileListWgt::OnSetRecordingTagInfo(const QString& title, const QString& artist,
                                         const QString& album, const QString& genre)
{
    if (QAudioFileChunk* item = m_library.recordingItem()) {
        m_library.setRecordingTags(title, artist, album, genre);
        m_model->refreshRow(m_model->rowOf(item));
    }
}

void QFileListWgt::OnSetRecordingIsSilent(bool silent)
{
    m_recordingIsSilent = silent;
}

// ---- The playlist panel --------------------------------------------------------------------

void QFileListWgt::OnChangeList(QLibraryChunk* item)
{
    showEntry(ListEntry::fromLibraryChunk(item));
}

void QFileListWgt::OnPlayListsModified()
{
    m_menuDirty = true;
}

void QFileListWgt::OnRemoveCurPlayList()
{
    if (m_entry.kind != ListEntry::Kind::PlayList)
        return;
    RecordingLibrary::Removed removed = m_library.removePlayList(m_entry.playList, false);
    m_menuDirty = true;
    finishRemoval(removed);
}

void QFileListWgt::OnDeleteFilesOfCurList()
{
    if (m_entry.kind != ListEntry::Kind::PlayList)
        return;
    RecordingLibrary::Removed removed = m_library.removePlayList(m_entry.playList, true);
    m_menuDirty = true;
    finishRemoval(removed);
}

void QFileListWgt::OnRemoveAllPlayLists()
{
    m_library.removeAllPlayLists();
    m_menuDirty = true;
    refreshRows();
}

void QFileListWgt::OnDeleteAllFiles()
{
    // The files of every user playlist (the panel deletes all playlists with their files);
    // recordings in no playlist stay.
    std::vector<QAudioFileChunk*> listed;
    for (const auto& item : m_library.items()) {
        if (!item->listNames().isEmpty())
            listed.push_back(item.get());
    }
    RecordingLibrary::Removed removed = m_library.takeOut(listed, ListEntry::all(), true);
    m_library.removeAllPlayLists();
    m_menuDirty = true;
    finishRemoval(removed);
}

void QFileListWgt::OnAddToList(const QString& name, const QList<IBaseChunk*>& items)
{
    QStringList paths;
    for (const IBaseChunk* chunk : items) {
        if (const auto* item = dynamic_cast<const QHistoryChunk*>(chunk))
            paths.append(QString::fromStdString(item->filePath()));
    }
    m_library.addToPlayList(name, paths);
    refreshRows();
}

void QFileListWgt::OnChangeLibraryListName(const QString& oldName, const QString& newName)
{
    m_library.renamePlayList(oldName, newName);
    if (m_entry.kind == ListEntry::Kind::PlayList && m_entry.playList == oldName)
        m_entry.playList = newName;
    m_menuDirty = true;
    refreshRows();
}

// ---- The play bar --------------------------------------------------------------------------

void QFileListWgt::OnChangPlayingFile(const QString& path)
{
    if (QAudioFileChunk* before = playingItem()) {
        if (before->rowState() != QAudioFileChunk::Recording)
            before->setRowState(QAudioFileChunk::Idle);
    }
    m_playingPath = path;
    if (QAudioFileChunk* now = playingItem())
        now->setRowState(QAudioFileChunk::Playing);
    m_view->viewport()->update();
}

void QFileListWgt::OnSetPlayOrPauseState(bool playing)
{
    if (QAudioFileChunk* item = playingItem()) {
        item->setRowState(playing ? QAudioFileChunk::Playing : QAudioFileChunk::Paused);
        m_view->viewport()->update();
    }
}

void QFileListWgt::OnFinishPlayList()
{
    OnChangPlayingFile(QString());
}

void QFileListWgt::OnSearchTextChange(const QString& text)
{
    m_sortModel->setSearchText(text);
    updateSummary();
}

void QFileListWgt::OnClickItem(const QModelIndex& index)
{
    if (index.isValid())
        m_view->selectRow(index.row());
}

void QFileListWgt::OnHoverItem(const QModelIndex& index)
{
    m_model->setHoverRow(index.isValid() ? m_sortModel->mapToSource(index).row() : -1);
}

void QFileListWgt::OnPlayItem(const QModelIndex& index)
{
    QAudioFileChunk* item = itemAt(index);
    if (!item || item->rowState() == QAudioFileChunk::Recording || m_library.recordingItem())
        return;
    if (!fileExists(item))
        return;
    const QString path = QString::fromStdString(item->filePath());
    if (path == m_playingPath) {
        emit emitPlayOrPause(true);
        return;
    }
    emit emitPlayFilePathList(shownPaths());
    emit emitPlayingFilePath(path);
}

void QFileListWgt::OnPauseItem(const QModelIndex& index)
{
    const QAudioFileChunk* item = itemAt(index);
    if (item && QString::fromStdString(item->filePath()) == m_playingPath)
        emit emitPlayOrPause(false);
}
