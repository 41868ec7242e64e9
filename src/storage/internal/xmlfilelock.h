#pragma once
// XmlFileLock: holds the lock of one settings file for the lifetime of the object, so that a
// whole read-modify-write of that file cannot interleave with another thread's or another
// process's (the GUI and the command-line tool both write the history).
//
// Two layers: a recursive mutex per file inside the process (a function holding the lock may
// call another that takes it again), and, while the outermost holder in this process has it,
// an exclusive flock(2) on "<file>.lock" beside the file. The lock file is never removed:
// removing it would let two processes lock two different files of the same name.
// When the lock file cannot be created (a read-only folder) only the process-wide layer holds;
// nothing can be written there anyway.
//
// The first time a process locks a file, it removes the temporary files that writers killed
// mid-write left beside it: while the lock is held no writer of that file can be running.
// Internal to the storage module.

#include <QString>

namespace XmlStore {

class XmlFileLock {
public:
    explicit XmlFileLock(const QString& filePath);
    ~XmlFileLock();
    XmlFileLock(const XmlFileLock&) = delete;
    XmlFileLock& operator=(const XmlFileLock&) = delete;

    // The path of the lock file of filePath.
    static QString lockFilePath(const QString& filePath);

    // The per-file state shared by every holder in the process (defined in the .cpp).
    struct Entry;

private:
    Entry* m_entry;
};

}  // namespace XmlStore
