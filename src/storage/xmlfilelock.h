#pragma once
// XmlFileLock: holds the process-wide lock of one settings file for the lifetime of the object,
// so that a whole read-modify-write of that file cannot interleave with another thread's.
// Recursive: a function holding the lock may call another that takes it again.
// Internal to the storage module.

#include <QString>

#include <mutex>

class XmlFileLock {
public:
    explicit XmlFileLock(const QString& filePath);
    ~XmlFileLock();
    XmlFileLock(const XmlFileLock&) = delete;
    XmlFileLock& operator=(const XmlFileLock&) = delete;

private:
    std::recursive_mutex* m_mutex;
};
