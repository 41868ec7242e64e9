#include "xmlfilelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <mutex>

#include "atomicfile.h"

namespace XmlStore {

struct XmlFileLock::Entry {
    std::recursive_mutex mutex;
    QString filePath;
    int depth = 0;  // holders in this process, guarded by mutex
    int fd = -1;    // the lock file while depth > 0
    bool cleaned = false;
};

namespace {

// One entry per absolute file path. Entries are never removed: the program touches a handful
// of files, and an entry must outlive every holder.
XmlFileLock::Entry* entryFor(const QString& filePath)
{
    static std::mutex registryMutex;
    static QHash<QString, std::shared_ptr<XmlFileLock::Entry>> registry;
    const QString key = QDir::cleanPath(QFileInfo(filePath).absoluteFilePath());
    std::lock_guard<std::mutex> guard(registryMutex);
    auto& slot = registry[key];
    if (!slot) {
        slot = std::make_shared<XmlFileLock::Entry>();
        slot->filePath = key;
    }
    return slot.get();
}

int lockAcrossProcesses(const QString& filePath)
{
    const QByteArray path = QFile::encodeName(XmlFileLock::lockFilePath(filePath));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return -1;
        }
    }
    return fd;
}

}  // namespace

QString XmlFileLock::lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

XmlFileLock::XmlFileLock(const QString& filePath) : m_entry(entryFor(filePath))
{
    m_entry->mutex.lock();
    if (m_entry->depth++ > 0)
        return;
    m_entry->fd = lockAcrossProcesses(m_entry->filePath);
    if (m_entry->fd >= 0 && !m_entry->cleaned) {
        m_entry->cleaned = true;
        removeStaleTemporaries(m_entry->filePath);
    }
}

XmlFileLock::~XmlFileLock()
{
    if (--m_entry->depth == 0 && m_entry->fd >= 0) {
        // Closing the descriptor releases the flock.
        ::close(m_entry->fd);
        m_entry->fd = -1;
    }
    m_entry->mutex.unlock();
}

}  // namespace XmlStore
