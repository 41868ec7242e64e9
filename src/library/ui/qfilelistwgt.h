#pragma once
// QFileListWgt: the recordings list of the main window: a search field, the summary line
// (count, total size, total duration of the rows shown) and the table of the entry the
// playlist panel chose. It takes the recorder's files as the window's IRecordingSink (the row
// being recorded, the delete rules at the end), renames, removes and deletes recordings,
// opens their folder, and hands playing to the play bar by signals. It owns the edit flow:
// the edit dialog works on one of its items, its cuts run here as conversion jobs (with their
// progress window) whose files become new recordings, and its tag edits reach the history.
// The recordings and the rules live in RecordingLibrary; this class shows them and asks the
// user. GUI thread only.

#include <QModelIndex>
#include <QPointer>
#include <QStringList>

#include <functional>

#include "irecordingsink.h"
#include "listentry.h"
#include "qnxwidget.h"
#include "recordinglibrary.h"
#include "veeditconfig.h"

class EndOfJobsAction;
class IBaseChunk;
class NxConverterObject;
class QAction;
class QAudioFileDelegate;
class QAudioFileModel;
class QAudioFileSortModel;
class QAudioFileTableView;
class QConvertProgressDlg;
class QJobsFinishedDlg;
class QLabel;
class QLibraryChunk;
class QNxLineEdit;
class QNxMenu;
class QVideoEditingDlg;

class QFileListWgt : public QNxWidget, public IRecordingSink {
    Q_OBJECT
public:
    // Answers to the delete question; tests replace the dialog with a fixed answer.
    enum class DeleteAnswer { Delete, Remove, Cancel };
    using DeleteQuestion = std::function<DeleteAnswer(const QString& text)>;
    // Tells the user something (a failed cut); tests replace the message box.
    using MessageShower = std::function<void(const QString& text)>;

    explicit QFileListWgt(QWidget* parent = nullptr, RecordingJournal journal = RecordingJournal());
    ~QFileListWgt() override;

    // Lists the history (see RecordingLibrary::load) and shows "All Recordings".
    RecordingLibrary::LoadResult loadLibrary();

    RecordingLibrary& library() { return m_library; }
    QAudioFileTableView* view() const { return m_view; }
    QAudioFileSortModel* sortModel() const { return m_sortModel; }
    QAudioFileModel* model() const { return m_model; }
    QAudioFileDelegate* delegate() const { return m_delegate; }
    QNxLineEdit* searchField() const { return m_leSearch; }
    QNxMenu* tableMenu() const { return m_menu; }
    QString summaryText() const;
    const ListEntry& shownEntry() const { return m_entry; }
    void setDeleteQuestion(DeleteQuestion question) { m_ask = std::move(question); }
    // The text of the delete question for a selection or for "Delete All".
    static QString deleteQuestionText(bool all);
    // The open edit dialog; null while it is closed.
    QVideoEditingDlg* editDialog() const { return m_editDlg; }

    // ---- The edit flow ----
    void setMessageShower(MessageShower tell) { m_tell = std::move(tell); }
    // The folder cuts are written to, asked at each cut (the main window's output folder);
    // unset: the edited file's own folder.
    void setOutputFolder(std::function<QString()> folder) { m_outputFolder = std::move(folder); }
    // The item the edit dialog works on; its row is selected. Null when the dialog closes.
    void setEditedItem(QAudioFileChunk* item);
    QAudioFileChunk* editedItem() const;
    // Replaces what happens after the last job (tests give one with a power control on a
    // private bus); the list takes it over.
    void setEndOfJobsAction(EndOfJobsAction* action);
    EndOfJobsAction* endOfJobsAction();
    // Made on the first cut.
    NxConverterObject* converter() const { return m_converter; }
    QConvertProgressDlg* progressDialog() const;
    QJobsFinishedDlg* jobsFinishedDialog() const;
    const QStringList& convertFileList() const { return m_convertFiles; }

    // IRecordingSink
    void recordingStarted(const QString& path) override;
    void recordingIsSilent(bool silent) override;
    void recordingFinished(const FinishedRecording& recording) override;
    void recordingIdentified(const QString& path, const QString& title, const QString& artist,
                             const QString& album, const QString& genre) override;
    void recordingRewritten(const QString& path) override;
    void recordingMoved(const QString& oldPath, const QString& newPath) override;
    void recordingDiscarded(const QString& path) override;
    void recordingFailed(const QString& path, const QString& reason) override;

signals:
    void emitPlayFilePathList(const QStringList& paths);
    void emitPlayingFilePath(const QString& path);
    void emitPlayOrPause(bool play);
    void emitRenameAudioFile(const QString& oldPath, const QString& newPath);
    void emitRemovePlayFiles(const QStringList& paths);
    void emitRemoveAllPlayFiles();
    // The play bar lets go of the file while it is edited and opens it again afterwards,
    // playing when it played before.
    void emitCloseFileIfIsPlaying(const QString& path);
    void emitContinuePlayAfterEdit(bool play);
    // A cut produced this file (the open dialog's Trim tab lists it).
    void emitConvertFilePath(const QString& path);
    // Previous/next moved the edit to this recording: the open dialog loads it.
    void emitEditFileChanged(const QString& path);
    // A conversion job ended by itself (a cancelled one does not count): ok, and the produced
    // file or, on failure, the reason.
    void emitConvertJobDone(bool ok, const QString& pathOrReason);

public slots:
    void OnChangeList(QLibraryChunk* item);
    void OnRemoveCurPlayList();
    void OnRemoveAllPlayLists();
    void OnPlayListsModified();
    void OnDeleteFilesOfCurList();
    // Deletes the files of every user playlist (recordings in no playlist stay).
    void OnDeleteAllFiles();
    void OnAddToList(const QString& name, const QList<IBaseChunk*>& items);
    void OnChangeLibraryListName(const QString& oldName, const QString& newName);
    void OnSetPlayOrPauseState(bool playing);
    void OnChangPlayingFile(const QString& path);
    void OnFinishPlayList();
    // Music identified in the recording that runs now (title, artist, album, genre): kept
    // with its row and stored with it.
    void OnSetRecordingTagInfo(const QString& title, const QString& artist, const QString& album,
                               const QString& genre);
    void OnSetRecordingIsSilent(bool silent);
    // The produced files the edit dialog reports when it ends.
    void OnSaveConvertFileList(const QStringList& paths);
    void OnSearchTextChange(const QString& text);
    void OnRenameFile(const QModelIndex& index, const QString& title);
    void OnClickItem(const QModelIndex& index);
    void OnPlayItem(const QModelIndex& index);
    void OnPauseItem(const QModelIndex& index);
    void OnDeleteItem(const QModelIndex& index);
    // Opens the edit dialog on the row's recording and runs it modally.
    void OnEditItem(const QModelIndex& index);
    void OnHoverItem(const QModelIndex& index);
    // The edit dialog's previous / next file: the row above / below becomes the edited one.
    void OnPreviousItem();
    void OnNextItem();
    void OnShowTableMenu(const QPoint& point);
    void OnActPlayPause();
    void OnActRename();
    void OnActAddToList(QAction* action);
    void OnActDeleteFile();
    void OnActDeleteAllFiles();
    void OnActOpenDir();
    // A cut of the edited item as `config` says, as a conversion job; lossless allows copying
    // the compressed frames.
    void OnConvertFile(const VEEditConfig& config, bool lossless);
    void OnConvertedFinish(bool ok);
    void OnConvertedStart();
    void OnConvertProgress(uint progress);
    void OnCancelConvert();
    // Tags edited in the dialog: the edited recording's history record and row.
    void OnAudioTagChange(const VEAudioTagInfo& tags, const QString& imagePath);

    // Shows the entry (the same items the playlist panel's row stands for).
    void showEntry(const ListEntry& entry);

private:
    void buildWidgets();
    void buildMenu();
    void refreshAddToListMenu();
    void refreshRows();
    void updateSummary();
    void scheduleSummary();
    void finishRemoval(RecordingLibrary::Removed& removed);
    void takeOutWithQuestion(const std::vector<QAudioFileChunk*>& items, bool all);
    std::vector<QAudioFileChunk*> selectedItems() const;
    QAudioFileChunk* itemAt(const QModelIndex& proxyIndex) const;
    QAudioFileChunk* playingItem() const;
    QStringList shownPaths() const;
    // False, with the row marked as missing its file, when the item's file is gone.
    bool fileExists(QAudioFileChunk* item);
    // The edit dialog's requests go to the list's edit flow, and its answers come back.
    void connectEditDialog(QVideoEditingDlg* dialog);
    void moveEditedRow(int step);
    void ensureConvertJob();
    QConvertProgressDlg* progressWindow();
    QString cutFolder(const QAudioFileChunk& item) const;
    void failCut(const QString& reason);
    void beginEndOfJobs();
    void tell(const QString& text);

    RecordingLibrary m_library;
    ListEntry m_entry;
    QAudioFileModel* m_model = nullptr;
    QAudioFileSortModel* m_sortModel = nullptr;
    QAudioFileDelegate* m_delegate = nullptr;
    QAudioFileTableView* m_view = nullptr;
    QNxLineEdit* m_leSearch = nullptr;
    QLabel* m_lblListInfo = nullptr;
    QNxMenu* m_menu = nullptr;
    QNxMenu* m_addToListMenu = nullptr;
    QAction* m_actPlay = nullptr;
    QAction* m_actRename = nullptr;
    QAction* m_actOpenDir = nullptr;
    QAction* m_actDelete = nullptr;
    QAction* m_actDeleteAll = nullptr;
    QStringList m_menuPlayLists;
    bool m_menuDirty = true;
    QModelIndex m_menuIndex;
    DeleteQuestion m_ask;
    QString m_playingPath;
    bool m_recordingIsSilent = true;
    bool m_summaryScheduled = false;
    QVideoEditingDlg* m_editDlg = nullptr;

    MessageShower m_tell;
    std::function<QString()> m_outputFolder;
    QString m_editedPath;
    NxConverterObject* m_converter = nullptr;
    // Parented to the window on top while it shows (the edit dialog), which may take it along.
    QPointer<QConvertProgressDlg> m_progressDlg;
    EndOfJobsAction* m_endOfJobs = nullptr;
    QPointer<QJobsFinishedDlg> m_jobsFinishedDlg;  // while a countdown shows
    QString m_cutFormat;                           // the format name of the file being cut
    QStringList m_convertFiles;
};
