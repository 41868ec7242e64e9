// The recordings list's context menu and the actions behind it and the row buttons: play,
// rename, add to a playlist, open the file's folder, remove and delete.

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "filemanagerlocation.h"
#include "parserxml.h"
#include "qaudiofilechunk.h"
#include "qaudiofilemodel.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qnxbasebutton.h"
#include "qnxmenu.h"
#include "qnxmessagebox.h"

namespace {

const QString kProductName = QStringLiteral("Quillon Audio Recorder");

QFileListWgt::DeleteAnswer askWithDialog(QWidget* parent, const QString& text)
{
    QNxMessageBox box(kProductName, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                      parent);
    box.button(QMessageBox::Yes)->setText(QFileListWgt::tr("Delete"));
    box.button(QMessageBox::No)->setText(QFileListWgt::tr("Remove"));
    box.exec();
    switch (box.clickedButton()) {
        case QMessageBox::Yes:
            return QFileListWgt::DeleteAnswer::Delete;
        case QMessageBox::No:
            return QFileListWgt::DeleteAnswer::Remove;
        default:
            return QFileListWgt::DeleteAnswer::Cancel;
    }
}

}  // namespace

void QFileListWgt::buildMenu()
{
    m_menu = new QNxMenu(this);
    m_actPlay = m_menu->addAction(tr("Play"), this, &QFileListWgt::OnActPlayPause);
    m_actRename = m_menu->addAction(tr("Rename"), this, &QFileListWgt::OnActRename);
    m_menu->addSeparator();
    m_addToListMenu = new QNxMenu(tr("Add to list"), m_menu);
    m_menu->addMenu(m_addToListMenu);
    connect(m_addToListMenu, &QMenu::triggered, this, &QFileListWgt::OnActAddToList);
    m_actOpenDir = m_menu->addAction(tr("Open File Location"), this, &QFileListWgt::OnActOpenDir);
    m_menu->addSeparator();
    m_actDelete = m_menu->addAction(tr("Delete"), this, &QFileListWgt::OnActDeleteFile);
    m_actDeleteAll = m_menu->addAction(tr("Delete All"), this, &QFileListWgt::OnActDeleteAllFiles);
    m_menu->setAccessibleName(tr("Recordings menu"));
    m_addToListMenu->setAccessibleName(tr("Add to list"));
}

void QFileListWgt::refreshAddToListMenu()
{
    QStringList names = ParserXML::readPlayListNames();
    if (m_entry.kind == ListEntry::Kind::PlayList)
        names.removeAll(m_entry.playList);
    if (!m_menuDirty && names == m_menuPlayLists)
        return;
    m_menuPlayLists = names;
    m_menuDirty = false;
    m_addToListMenu->clear();
    for (const QString& name : names) {
        QAction* action = m_addToListMenu->addAction(name);
        action->setData(name);
    }
}

void QFileListWgt::OnShowTableMenu(const QPoint& point)
{
    refreshAddToListMenu();
    m_menuIndex = m_view->indexAt(point);
    const QAudioFileChunk* item = itemAt(m_menuIndex);
    const bool onRow = item != nullptr;
    const bool playing = onRow && item->rowState() == QAudioFileChunk::Playing &&
                         QString::fromStdString(item->filePath()) == m_playingPath;
    m_actPlay->setText(playing ? tr("Pause") : tr("Play"));
    m_actPlay->setEnabled(onRow && !m_library.recordingItem());
    const bool usable = onRow && item->rowState() != QAudioFileChunk::Recording;
    m_actRename->setEnabled(usable);
    m_actOpenDir->setEnabled(onRow);
    m_actDelete->setEnabled(usable);
    m_addToListMenu->setEnabled(usable && !m_menuPlayLists.isEmpty());
    m_actDeleteAll->setEnabled(true);
    if (onRow && !m_view->selectionModel()->isRowSelected(m_menuIndex.row(), QModelIndex()))
        m_view->selectRow(m_menuIndex.row());
    m_menu->popup(m_view->viewport()->mapToGlobal(point));
}

void QFileListWgt::OnActPlayPause()
{
    const QAudioFileChunk* item = itemAt(m_menuIndex);
    if (item && item->rowState() == QAudioFileChunk::Playing &&
        QString::fromStdString(item->filePath()) == m_playingPath)
        OnPauseItem(m_menuIndex);
    else
        OnPlayItem(m_menuIndex);
}

void QFileListWgt::OnActRename()
{
    if (!itemAt(m_menuIndex))
        return;
    m_view->edit(m_menuIndex.sibling(m_menuIndex.row(), QAudioFileModel::NameColumn));
}

void QFileListWgt::OnRenameFile(const QModelIndex& index, const QString& title)
{
    QAudioFileChunk* item = itemAt(index);
    QString oldPath;
    if (!m_library.rename(item, title.trimmed(), &oldPath))
        return;
    const QString newPath = QString::fromStdString(item->filePath());
    if (oldPath == m_playingPath)
        m_playingPath = newPath;
    m_model->refreshRow(m_model->rowOf(item));
    emit emitRenameAudioFile(oldPath, newPath);
}

void QFileListWgt::OnActAddToList(QAction* action)
{
    const QString name = action->data().toString();
    m_library.addToPlayList(name, m_view->selectedPaths());
    refreshRows();
}

void QFileListWgt::OnActOpenDir()
{
    const QAudioFileChunk* item = itemAt(m_menuIndex);
    if (!item)
        return;
    const QString path = QString::fromStdString(item->filePath());
    FileManagerLocation::showItem(
        path, QDBusConnection::sessionBus(), this, [path](bool ok, const QString& error) {
            if (ok)
                return;
            qInfo("opening the folder instead of selecting the file: %s", qPrintable(error));
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).path()));
        });
}

QString QFileListWgt::deleteQuestionText(bool all)
{
    const QString question =
        all ? tr("Do you want to delete all files or just move the \nfiles from the list?")
            : tr("Do you want to delete the seleted files or just move \nthe files from the list?");
    return question + tr("\nDeleted files are moved to the trash.");
}

std::vector<QAudioFileChunk*> QFileListWgt::selectedItems() const
{
    std::vector<QAudioFileChunk*> items;
    for (const QString& path : m_view->selectedPaths()) {
        if (QAudioFileChunk* item = m_library.find(path))
            items.push_back(item);
    }
    return items;
}

void QFileListWgt::OnActDeleteFile()
{
    takeOutWithQuestion(selectedItems(), false);
}

void QFileListWgt::OnDeleteItem(const QModelIndex& index)
{
    if (itemAt(index)) {
        if (!m_view->selectionModel()->isRowSelected(index.row(), QModelIndex()))
            m_view->selectRow(index.row());
        takeOutWithQuestion(selectedItems(), false);
    }
}

void QFileListWgt::OnActDeleteAllFiles()
{
    const std::vector<QAudioFileChunk*> shown = m_library.entryItems(m_entry);
    takeOutWithQuestion(shown, true);
}

void QFileListWgt::takeOutWithQuestion(const std::vector<QAudioFileChunk*>& items, bool all)
{
    if (items.empty())
        return;
    const QString text = deleteQuestionText(all);
    const DeleteAnswer answer = m_ask ? m_ask(text) : askWithDialog(window(), text);
    if (answer == DeleteAnswer::Cancel)
        return;
    RecordingLibrary::Removed removed =
        m_library.takeOut(items, m_entry, answer == DeleteAnswer::Delete);
    finishRemoval(removed);
    if (!removed.deleteErrors.isEmpty())
        QNxMessageBox::warning(window(), kProductName,
                               tr("These files could not be moved to the trash and stay on "
                                  "disk:\n%1")
                                   .arg(removed.deleteErrors.join(QLatin1Char('\n'))));
}

void QFileListWgt::finishRemoval(RecordingLibrary::Removed& removed)
{
    // The rows go before the items they point at.
    refreshRows();
    QStringList gone;
    for (const auto& item : removed.items)
        gone.append(QString::fromStdString(item->filePath()));
    removed.items.clear();
    if (gone.contains(m_playingPath))
        m_playingPath.clear();
    if (gone.isEmpty())
        return;
    if (m_library.items().empty())
        emit emitRemoveAllPlayFiles();
    else
        emit emitRemovePlayFiles(gone);
}
