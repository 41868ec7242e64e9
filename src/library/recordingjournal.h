#pragma once
// The journal of recordings in progress: a small file in the data folder that names every file
// being recorded now. A recording enters it when it starts and leaves it when it is finished
// (listed or thrown away); a file still named at the next start was cut off by a crash, a
// kill or a power cut, and is recovered (RecordingRecovery). Each change rewrites the file
// atomically. GUI thread (one process writes it: the single instance).

#include <QString>
#include <QStringList>

class RecordingJournal {
public:
    // The journal in the settings folder; tests pass their own file.
    explicit RecordingJournal(QString filePath = defaultPath());

    static QString defaultPath();

    void add(const QString& recordingPath);
    void remove(const QString& recordingPath);
    void clear();
    // The paths named now, in the order they were added; empty when the file is missing or
    // unreadable.
    QStringList paths() const;
    QString filePath() const { return m_filePath; }

private:
    bool write(const QStringList& paths) const;

    QString m_filePath;
};
