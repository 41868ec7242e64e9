#pragma once
// QLibraryPlayListWgt: the left-hand panel of the main window that chooses what the
// recordings list shows: the fixed entries "All Recordings" and "Latest Recordings" and the
// user's playlists, whose names are kept in "CustomedLists.xml". It creates, renames and
// removes playlists, takes recordings dropped onto a playlist, and asks for a whole entry to be
// played.
//
// The panel owns its rows (QLibraryChunk). Which recordings an entry holds is asked of a
// function the recordings list provides (by default: the file paths of the row's own items).
// Signals carry the row's chunk as an IBaseChunk*, and dropped recordings as items made for the
// signal; both are valid during the signal. While busy (a recording runs) nothing can be played,
// renamed or deleted from the menu. Questions are asked through replaceable functions so that
// tests can answer them. GUI thread only.

#include <QList>
#include <QModelIndex>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

#include "listroles.h"
#include "qnxwidget.h"

class QAction;
class QLibraryChunk;
class QLibraryDelegate;
class QLibraryModel;
class QLibrarySortModel;
class QLibraryTableView;
class QNxBaseButton;
class QNxMenu;

class QLibraryPlayListWgt : public QNxWidget {
    Q_OBJECT
public:
    // Positions of the fixed rows.
    enum FixedRow { LibraryHeader = 0, AllRecordings, LatestRecordings, Spacer, PlayListHeader };
    enum class DeleteChoice { Delete, Remove, Cancel };
    using DeleteQuestion = std::function<DeleteChoice(QWidget* parent)>;
    using Confirmation = std::function<bool(QWidget* parent)>;
    // The file paths of the recordings of an entry, in the entry's order.
    using EntryRecordings = std::function<QStringList(const QLibraryChunk* entry)>;

    explicit QLibraryPlayListWgt(QWidget* parent = nullptr);
    ~QLibraryPlayListWgt() override;

    int rowCount() const;
    QLibraryChunk* chunkAt(int row) const;
    QLibraryChunk* fixedChunk(FixedRow row) const { return chunkAt(row); }
    // The user playlist of that name, or null.
    QLibraryChunk* playList(const QString& name) const;
    QStringList playListNames() const;
    // The row chosen in the view, the row being played (null for none).
    QLibraryChunk* currentChunk() const;
    QLibraryChunk* playingChunk() const { return m_playing; }
    void selectChunk(const QLibraryChunk* chunk);

    QLibraryTableView* view() const { return m_view; }
    QLibraryModel* model() const { return m_model; }
    QNxBaseButton* addListButton() const { return m_btnAddList; }

    // Set while a recording runs.
    void setBusy(bool busy) { m_busy = busy; }
    bool isBusy() const { return m_busy; }

    void setEntryRecordings(EntryRecordings recordings)
    {
        m_entryRecordings = std::move(recordings);
    }
    QStringList recordingsOf(const QLibraryChunk* entry) const;

    void setDeleteQuestion(DeleteQuestion question) { m_askDelete = std::move(question); }
    void setDeleteAllQuestion(Confirmation question) { m_askDeleteAll = std::move(question); }

    // The context menu for a point of the view's viewport, built but not opened; its actions
    // act on the row under that point. Null where no menu opens. The panel owns the menu.
    QNxMenu* tableMenuAt(const QPoint& viewportPos);

signals:
    void emitCurrentListChanged(IBaseChunk* item);
    void emitPlayListsModified();
    void emitDeleteFilesOfCurList(IBaseChunk* item);
    void emitDeleteFilesOfAllLists();
    void emitRemoveCurPlayList(IBaseChunk* item);
    void emitRemoveAllPlayLists();
    void emitAddAudioToList(QString name, QList<IBaseChunk*> items);
    void emitChangePlayListName(QString oldName, QString newName);
    void emitPlayingLibChunk(IBaseChunk* item);

public slots:
    void OnFinishPlayList();
    void OnPlayOldList();
    void OnSetPlayingList(IBaseChunk* item);
    void OnAddNewList(const QModelIndex& index = QModelIndex());
    void OnCurrentChanged(const QModelIndex& index);
    void OnShowTableMenu(const QPoint& point);
    void OnActDeleteList();
    void OnActDeleteAllLists();
    void OnActPlayThisList();
    void OnActRenameList();
    // index: of the panel's model or of its view's model.
    void OnRename(const QModelIndex& index, const QString& title);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The questions asked unless tests replace them (qlibraryplaylistwgt_menu.cpp).
    static DeleteChoice askDeleteOrRemove(QWidget* parent);
    static bool confirmDeleteAll(QWidget* parent);
    void buildFixedRows();
    void loadPlayLists();
    QLibraryChunk* appendRow(const QString& name, int listType, const QString& icon);
    void removeRow(QLibraryChunk* chunk);
    void placeAddButton();
    void onDropAudioFiles(const QModelIndex& index, const QStringList& filePaths);
    QStringList rowNames() const;
    int rowOf(const QLibraryChunk* chunk) const;
    // The row the menu was opened on, else the chosen row.
    QLibraryChunk* actionTarget() const;
    void retranslateUi();

    std::vector<std::unique_ptr<QLibraryChunk>> m_rows;
    QLibraryModel* m_model = nullptr;
    QLibrarySortModel* m_sortModel = nullptr;
    QLibraryDelegate* m_delegate = nullptr;
    QLibraryTableView* m_view = nullptr;
    QNxBaseButton* m_btnAddList = nullptr;
    QNxMenu* m_menu = nullptr;
    QAction* m_actPlay = nullptr;
    QAction* m_actRename = nullptr;
    QAction* m_actAddNew = nullptr;
    QAction* m_actDelete = nullptr;
    QAction* m_actDeleteAll = nullptr;
    QLibraryChunk* m_menuChunk = nullptr;
    QLibraryChunk* m_playing = nullptr;
    // The entry last asked to play, for OnPlayOldList.
    QLibraryChunk* m_lastPlayed = nullptr;
    bool m_busy = false;
    EntryRecordings m_entryRecordings;
    DeleteQuestion m_askDelete;
    Confirmation m_askDeleteAll;
};
