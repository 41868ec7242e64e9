// The playlists panel's context menu and what its entries do: play a whole entry, rename,
// delete one playlist or all of them, each after its question.

#include "qlibraryplaylistwgt.h"

#include <QAction>

#include "parserxml.h"
#include "playlistmenu.h"
#include "qlibrarychunk.h"
#include "qlibrarymodel.h"
#include "qlibrarysortmodel.h"
#include "qlibrarytableview.h"
#include "qnxbasebutton.h"
#include "qnxmenu.h"
#include "qnxmessagebox.h"

QLibraryPlayListWgt::DeleteChoice QLibraryPlayListWgt::askDeleteOrRemove(QWidget* parent)
{
    QNxMessageBox box(QStringLiteral("Quillon Audio Recorder"),
                      tr("Do you want to delete all files or just remove the "
                         "\nlist?") +
                          QLatin1String("\n\n") + tr("Deleted files are moved to the trash."),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(tr("Delete"));
    box.button(QMessageBox::No)->setText(tr("Remove"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return DeleteChoice::Delete;
        case QMessageBox::No:
            return DeleteChoice::Remove;
        default:
            return DeleteChoice::Cancel;
    }
}

bool QLibraryPlayListWgt::confirmDeleteAll(QWidget* parent)
{
    return QNxMessageBox::question(parent, QStringLiteral("Quillon Audio Recorder"),
                                   tr("Would you want to remove all play lists?")) ==
           QMessageBox::Yes;
}

QNxMenu* QLibraryPlayListWgt::tableMenuAt(const QPoint& viewportPos)
{
    QLibraryChunk* chunk = chunkAt(m_sortModel->mapToSource(m_view->indexAt(viewportPos)).row());
    const auto type = chunk ? std::optional<int>(chunk->listType()) : std::nullopt;
    const QVector<PlayListMenu::Item> entries =
        PlayListMenu::entriesFor(type, int(recordingsOf(chunk).size()), m_busy);
    m_menuChunk = chunk;
    if (entries.isEmpty())
        return nullptr;
    m_menu->clear();
    for (const PlayListMenu::Item& item : entries) {
        QAction* action = nullptr;
        switch (item.entry) {
            case PlayListMenu::Entry::Play:
                action = m_actPlay;
                break;
            case PlayListMenu::Entry::Rename:
                action = m_actRename;
                break;
            case PlayListMenu::Entry::AddNew:
                action = m_actAddNew;
                break;
            case PlayListMenu::Entry::Delete:
                action = m_actDelete;
                break;
            case PlayListMenu::Entry::DeleteAll:
                m_menu->addSeparator();
                action = m_actDeleteAll;
                break;
        }
        action->setEnabled(item.enabled);
        m_menu->addAction(action);
    }
    return m_menu;
}

void QLibraryPlayListWgt::OnShowTableMenu(const QPoint& point)
{
    if (QNxMenu* menu = tableMenuAt(point))
        menu->exec(m_view->viewport()->mapToGlobal(point));
    m_menuChunk = nullptr;
}

void QLibraryPlayListWgt::OnActDeleteList()
{
    QLibraryChunk* chunk = actionTarget();
    if (m_busy || !chunk || chunk->listType() != QLibraryChunk::UserPlayList)
        return;
    const DeleteChoice choice = m_askDelete(this);
    if (choice == DeleteChoice::Cancel)
        return;
    if (choice == DeleteChoice::Delete)
        emit emitDeleteFilesOfCurList(chunk);
    else
        emit emitRemoveCurPlayList(chunk);
    emit emitPlayListsModified();
    const int row = rowOf(chunk);
    const bool wasCurrent = chunk == currentChunk();
    ParserXML::removePlayList(QString::fromStdString(chunk->name()));
    removeRow(chunk);
    if (wasCurrent || !currentChunk()) {
        // The playlist above, or "All Recordings" when it was the first.
        QLibraryChunk* neighbour = chunkAt(row - 1);
        if (!neighbour || neighbour->listType() != QLibraryChunk::UserPlayList)
            neighbour = chunkAt(row);
        if (!neighbour || neighbour->listType() != QLibraryChunk::UserPlayList)
            neighbour = fixedChunk(AllRecordings);
        selectChunk(neighbour);
    }
}

void QLibraryPlayListWgt::OnActDeleteAllLists()
{
    if (m_busy || !m_askDeleteAll(this))
        return;
    const QStringList names = playListNames();
    if (names.isEmpty())
        return;
    emit emitRemoveAllPlayLists();
    const QLibraryChunk* current = currentChunk();
    const bool currentGoes = current && current->listType() == QLibraryChunk::UserPlayList;
    for (const QString& name : names)
        removeRow(playList(name));
    emit emitPlayListsModified();
    ParserXML::removeAllPlayLists();
    if (currentGoes || !currentChunk())
        selectChunk(fixedChunk(AllRecordings));
}

void QLibraryPlayListWgt::OnActPlayThisList()
{
    QLibraryChunk* chunk = actionTarget();
    if (m_busy || !chunk || recordingsOf(chunk).isEmpty() ||
        !(chunk->listType() == QLibraryChunk::FixedList ||
          chunk->listType() == QLibraryChunk::UserPlayList))
        return;
    m_lastPlayed = chunk;
    OnSetPlayingList(chunk);
    emit emitPlayingLibChunk(chunk);
}

void QLibraryPlayListWgt::OnActRenameList()
{
    QLibraryChunk* chunk = actionTarget();
    if (m_busy || !chunk || chunk->listType() != QLibraryChunk::UserPlayList)
        return;
    const QModelIndex index = m_sortModel->mapFromSource(m_model->index(rowOf(chunk), 0));
    m_view->setCurrentIndex(index);
    m_view->edit(index);
}
