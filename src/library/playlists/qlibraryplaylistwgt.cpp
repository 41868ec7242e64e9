#include "qlibraryplaylistwgt.h"

#include <QAction>
#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "listroles.h"
#include "nxskin.h"
#include "parserxml.h"
#include "playlistnaming.h"
#include "qaudiofilechunk.h"
#include "qlibrarychunk.h"
#include "qlibrarydelegate.h"
#include "qlibrarymodel.h"
#include "qlibrarysortmodel.h"
#include "qlibrarytableview.h"
#include "qnxbasebutton.h"
#include "qnxmenu.h"

namespace {

const QString kListIcon = QStringLiteral("/image/Library/icon_list.png");
const QString kPlayingIcon = QStringLiteral("/image/Library/icon_playing.png");
const QString kHeaderIcon = QStringLiteral("/image/Library/icon_list_big.png");
constexpr int kHeaderRowHeight = 34;
constexpr int kSpacerRowHeight = 12;

}  // namespace

QLibraryPlayListWgt::QLibraryPlayListWgt(QWidget* parent)
    : QNxWidget(parent), m_askDelete(askDeleteOrRemove), m_askDeleteAll(confirmDeleteAll)
{
    qRegisterMetaType<IBaseChunk*>();
    qRegisterMetaType<QList<IBaseChunk*>>();
    setBackgroundColor(NxSkin::panel());
    m_model = new QLibraryModel(this);
    m_sortModel = new QLibrarySortModel(this);
    m_sortModel->setSourceModel(m_model);
    m_view = new QLibraryTableView(this);
    m_view->setModel(m_sortModel);
    m_delegate = new QLibraryDelegate(m_view);
    m_delegate->setStyleWidget(m_view->delegateStyle());
    m_view->setItemDelegate(m_delegate);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->addWidget(m_view);

    m_menu = new QNxMenu(this);
    m_actPlay = new QAction(this);
    m_actRename = new QAction(this);
    m_actAddNew = new QAction(this);
    m_actDelete = new QAction(this);
    m_actDeleteAll = new QAction(this);
    connect(m_actPlay, &QAction::triggered, this, &QLibraryPlayListWgt::OnActPlayThisList);
    connect(m_actRename, &QAction::triggered, this, &QLibraryPlayListWgt::OnActRenameList);
    connect(m_actAddNew, &QAction::triggered, this, [this] { OnAddNewList(); });
    connect(m_actDelete, &QAction::triggered, this, &QLibraryPlayListWgt::OnActDeleteList);
    connect(m_actDeleteAll, &QAction::triggered, this, &QLibraryPlayListWgt::OnActDeleteAllLists);
    connect(m_view, &QNxTableView::emitCurrentChanged, this,
            &QLibraryPlayListWgt::OnCurrentChanged);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            &QLibraryPlayListWgt::OnShowTableMenu);
    connect(m_view, &QLibraryTableView::emitDropAudioFiles, this,
            &QLibraryPlayListWgt::onDropAudioFiles);
    connect(m_delegate, &QLibraryDelegate::emitChangeName, this, &QLibraryPlayListWgt::OnRename);

    buildFixedRows();
    loadPlayLists();
    retranslateUi();
    placeAddButton();
    // The recordings list starts with every recording; the panel shows that choice.
    selectChunk(fixedChunk(AllRecordings));
}

QStringList QLibraryPlayListWgt::recordingsOf(const QLibraryChunk* entry) const
{
    if (!entry)
        return {};
    if (m_entryRecordings)
        return m_entryRecordings(entry);
    QStringList paths;
    for (const IBaseChunk* item : entry->children()) {
        if (const auto* recording = dynamic_cast<const QHistoryChunk*>(item))
            paths << QString::fromStdString(recording->filePath());
    }
    return paths;
}

QLibraryPlayListWgt::~QLibraryPlayListWgt()
{
    // The model must not outlive the rows it points to in a repaint; clear it first.
    m_model->clear();
}

void QLibraryPlayListWgt::buildFixedRows()
{
    const struct {
        int type;
        QString icon;
    } fixed[] = {{QLibraryChunk::LibraryHeader, kHeaderIcon},
                 {QLibraryChunk::FixedList, kListIcon},
                 {QLibraryChunk::FixedList, kListIcon},
                 {QLibraryChunk::Spacer, QString()},
                 {QLibraryChunk::PlayListHeader, kHeaderIcon}};
    for (int i = 0; i < int(std::size(fixed)); ++i) {
        QLibraryChunk* chunk = appendRow(QString(), fixed[i].type, fixed[i].icon);
        chunk->setBool(IBaseChunk::kFixedItemKey, true);
        chunk->setInt(IBaseChunk::kFixedIndexKey, i);
        if (fixed[i].type != QLibraryChunk::FixedList)
            chunk->setPlayingIconPath(fixed[i].icon.toStdString());
        const int height = fixed[i].type == QLibraryChunk::Spacer     ? kSpacerRowHeight
                           : fixed[i].type & QLibraryChunk::HeaderBit ? kHeaderRowHeight
                                                                      : QNxTableView::kRowHeight;
        m_view->setRowHeight(i, height);
    }
}

// Names that are empty or already listed are skipped: two rows of one name could not be told
// apart by the recordings that list it.
void QLibraryPlayListWgt::loadPlayLists()
{
    for (const QString& name : ParserXML::readPlayListNames()) {
        if (name.isEmpty() || rowNames().contains(name)) {
            qWarning().noquote() << "Playlists: skipping the repeated or empty name" << name;
            continue;
        }
        appendRow(name, QLibraryChunk::UserPlayList, kListIcon);
    }
}

QLibraryChunk* QLibraryPlayListWgt::appendRow(const QString& name, int listType,
                                              const QString& icon)
{
    auto chunk = std::make_unique<QLibraryChunk>();
    chunk->setName(name.toStdString());
    chunk->setListType(listType);
    chunk->setIconPath(icon.toStdString());
    chunk->setPlayingIconPath(kPlayingIcon.toStdString());
    QLibraryChunk* raw = chunk.get();
    m_rows.push_back(std::move(chunk));
    m_model->appendItem(raw);
    return raw;
}

void QLibraryPlayListWgt::removeRow(QLibraryChunk* chunk)
{
    const int row = rowOf(chunk);
    if (row < 0)
        return;
    if (m_playing == chunk)
        m_playing = nullptr;
    if (m_lastPlayed == chunk)
        m_lastPlayed = nullptr;
    if (m_menuChunk == chunk)
        m_menuChunk = nullptr;
    m_model->removeItem(row);
    m_rows.erase(m_rows.begin() + row);
}

// The "Add New List" button sits at the right end of the playlists' header row.
void QLibraryPlayListWgt::placeAddButton()
{
    auto* holder = new QWidget;
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 8, 0);
    row->addStretch(1);
    m_btnAddList = new QNxBaseButton(QStringLiteral("/image/Library/btn_add.png"), holder);
    row->addWidget(m_btnAddList, 0, Qt::AlignVCenter);
    m_btnAddList->setToolTip(tr("Add New List"));
    m_view->setIndexWidget(m_sortModel->mapFromSource(m_model->index(PlayListHeader, 0)), holder);
    connect(m_btnAddList, &QAbstractButton::clicked, this,
            [this] { OnAddNewList(m_model->index(PlayListHeader, 0)); });
}

int QLibraryPlayListWgt::rowCount() const
{
    return int(m_rows.size());
}

QLibraryChunk* QLibraryPlayListWgt::chunkAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)].get() : nullptr;
}

int QLibraryPlayListWgt::rowOf(const QLibraryChunk* chunk) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (m_rows[size_t(row)].get() == chunk)
            return row;
    }
    return -1;
}

QStringList QLibraryPlayListWgt::rowNames() const
{
    QStringList names;
    for (const auto& row : m_rows)
        names << QString::fromStdString(row->name());
    return names;
}

QLibraryChunk* QLibraryPlayListWgt::playList(const QString& name) const
{
    const std::string wanted = name.toStdString();
    for (const auto& row : m_rows) {
        if (row->listType() == QLibraryChunk::UserPlayList && row->name() == wanted)
            return row.get();
    }
    return nullptr;
}

QStringList QLibraryPlayListWgt::playListNames() const
{
    QStringList names;
    for (const auto& row : m_rows) {
        if (row->listType() == QLibraryChunk::UserPlayList)
            names << QString::fromStdString(row->name());
    }
    return names;
}

QLibraryChunk* QLibraryPlayListWgt::currentChunk() const
{
    return chunkAt(m_sortModel->mapToSource(m_view->currentIndex()).row());
}

void QLibraryPlayListWgt::selectChunk(const QLibraryChunk* chunk)
{
    const int row = rowOf(chunk);
    if (row >= 0)
        m_view->setCurrentIndex(m_sortModel->mapFromSource(m_model->index(row, 0)));
}

QLibraryChunk* QLibraryPlayListWgt::actionTarget() const
{
    return m_menuChunk ? m_menuChunk : currentChunk();
}

void QLibraryPlayListWgt::OnAddNewList(const QModelIndex&)
{
    const QString name = PlayListNaming::newPlayListName(rowNames());
    QLibraryChunk* chunk = appendRow(name, QLibraryChunk::UserPlayList, kListIcon);
    selectChunk(chunk);
    ParserXML::addPlayList(name);
    emit emitPlayListsModified();
}

void QLibraryPlayListWgt::OnRename(const QModelIndex& index, const QString& title)
{
    const QModelIndex source =
        index.model() == m_sortModel ? m_sortModel->mapToSource(index) : index;
    QLibraryChunk* chunk = chunkAt(source.row());
    if (!chunk || chunk->listType() != QLibraryChunk::UserPlayList ||
        !PlayListNaming::isAcceptableName(title))
        return;
    const QString oldName = QString::fromStdString(chunk->name());
    if (title == oldName)
        return;
    QStringList others = rowNames();
    others.removeAt(source.row());
    const QString newName = PlayListNaming::uniqueName(title, others);
    chunk->setName(newName.toStdString());
    m_model->refreshRow(source.row());
    ParserXML::renamePlayList(oldName, newName);
    emit emitChangePlayListName(oldName, newName);
}

void QLibraryPlayListWgt::OnPlayOldList()
{
    if (m_busy || !m_lastPlayed || recordingsOf(m_lastPlayed).isEmpty())
        return;
    OnSetPlayingList(m_lastPlayed);
    emit emitPlayingLibChunk(m_lastPlayed);
}

void QLibraryPlayListWgt::OnSetPlayingList(IBaseChunk* item)
{
    const int row = rowOf(static_cast<QLibraryChunk*>(item));
    if (m_playing) {
        m_playing->setPlaying(false);
        m_model->refreshRow(rowOf(m_playing));
    }
    m_playing = chunkAt(row);
    if (m_playing) {
        m_playing->setPlaying(true);
        m_model->refreshRow(row);
    }
}

void QLibraryPlayListWgt::OnFinishPlayList()
{
    OnSetPlayingList(nullptr);
}

void QLibraryPlayListWgt::OnCurrentChanged(const QModelIndex& index)
{
    if (QLibraryChunk* chunk = chunkAt(m_sortModel->mapToSource(index).row()))
        emit emitCurrentListChanged(chunk);
}

// The dropped recordings go out as items carrying their paths, made for the signal; the
// recordings list adds the playlist's name to their records.
void QLibraryPlayListWgt::onDropAudioFiles(const QModelIndex& index, const QStringList& filePaths)
{
    const QLibraryChunk* target = chunkAt(m_sortModel->mapToSource(index).row());
    if (!target || target->listType() != QLibraryChunk::UserPlayList || filePaths.isEmpty())
        return;
    std::vector<std::unique_ptr<QAudioFileChunk>> dropped;
    QList<IBaseChunk*> items;
    for (const QString& path : filePaths) {
        dropped.push_back(std::make_unique<QAudioFileChunk>());
        dropped.back()->setFilePath(path.toStdString());
        items << dropped.back().get();
    }
    emit emitAddAudioToList(QString::fromStdString(target->name()), items);
}

void QLibraryPlayListWgt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxWidget::changeEvent(event);
}

void QLibraryPlayListWgt::retranslateUi()
{
    const struct {
        FixedRow row;
        QString name;
    } names[] = {{LibraryHeader, tr("LIBRARY")},
                 {AllRecordings, tr("All Recordings")},
                 {LatestRecordings, tr("Latest Recordings")},
                 {PlayListHeader, tr("PLAYLIST")}};
    for (const auto& fixed : names) {
        fixedChunk(fixed.row)->setName(fixed.name.toStdString());
        m_model->refreshRow(fixed.row);
    }
    m_actPlay->setText(tr("Play"));
    m_actRename->setText(tr("Rename"));
    m_actAddNew->setText(tr("Add New Playist"));
    m_actDelete->setText(tr("&Delete"));
    m_actDeleteAll->setText(tr("Delete All"));
    if (m_btnAddList)
        m_btnAddList->setToolTip(tr("Add New List"));
    setAccessibleName(tr("Playlists"));
    m_view->setAccessibleName(tr("Playlists"));
}
