#include "xmlfilelock.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <memory>

namespace {

// One mutex per absolute file path. Entries are never removed: the program touches a handful of
// files, and a mutex must outlive every holder.
std::recursive_mutex& mutexFor(const QString& filePath)
{
    static std::mutex registryMutex;
    static QHash<QString, std::shared_ptr<std::recursive_mutex>> registry;
    const QString key = QDir::cleanPath(QFileInfo(filePath).absoluteFilePath());
    std::lock_guard<std::mutex> guard(registryMutex);
    auto& slot = registry[key];
    if (!slot)
        slot = std::make_shared<std::recursive_mutex>();
    return *slot;
}

}  // namespace

XmlFileLock::XmlFileLock(const QString& filePath) : m_mutex(&mutexFor(filePath))
{
    m_mutex->lock();
}

XmlFileLock::~XmlFileLock()
{
    m_mutex->unlock();
}
