#pragma once
// NxInfoManager: answers questions about one media file without playing it: its tags (with
// the embedded cover), its duration and its chapters; and writes an edited tag set back with
// our tag writer. The edit dialog owns one. Every call asks the engine again (no cache).
// GUI thread. The cover as a picture is NxCoverImage's (player_gui library), so that this
// library needs QtCore only.

#include <QList>
#include <QObject>
#include <QString>

#include "chapterentry.h"
#include "veaudiotaginfo.h"

class NxInfoClass;

class NxInfoManager : public QObject {
    Q_OBJECT
public:
    explicit NxInfoManager(QObject* parent = nullptr);
    ~NxInfoManager() override;

    // Creates the info object and its engine handle unless one with a handle exists.
    void ensureInfoObject();
    // Opens path (kept even when the open fails). mode is the title index (0 for files);
    // alternative chooses the disc entry. False for a missing file or a failed open.
    bool open(const QString& path, int mode = 0, bool alternative = false);
    QString path() const { return m_path; }
    // The tags; year and date stand in for each other when only one is present.
    VEAudioTagInfo readTags() const;
    // The embedded cover's bytes (empty when none).
    QByteArray coverBytes() const;
    // A frame of the picture stream as a BMP file (empty without a picture stream).
    QByteArray pictureFrameBmp() const;
    // Whole-file row first, then one row per chapter; empty when the file has no chapters.
    QList<ChapterEntry> chapters() const;
    // Writes tags into the file at path(): slots as audiotagwriter.h describes. The saved file
    // then goes to the local track catalogue in the background (tagsavecatalogue.h).
    bool writeTags(const VEAudioTagInfo& tags, QString* error = nullptr);
    NxInfoClass* info() const { return m_info; }
    // Why the last open failed.
    QString lastError() const { return m_error; }

private:
    NxInfoClass* m_info = nullptr;
    QString m_path;
    QString m_error;
};
