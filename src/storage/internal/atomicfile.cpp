#include "atomicfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace XmlStore {

namespace {

const QString kTemporaryInfix = QStringLiteral(".saving-");

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Creates "<filePath>.saving-XXXXXX" exclusively, with the mode of the file it will replace
// (new files get 0666 less the umask, as any new file). -1 when the folder is not writable.
int createTemporary(const QString& filePath, QByteArray* temporaryPath)
{
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(filePath).constData(), &st) == 0;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = QFile::encodeName(filePath + kTemporaryInfix);
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::global()->bounded(int(sizeof(kLetters) - 1))];
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0 && exists)
            (void)::fchmod(fd, st.st_mode & 07777);
        *temporaryPath = name;
        return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool replaceFileAtomically(const QString& filePath, const QByteArray& bytes, QString* error)
{
    QByteArray temporary;
    const int fd = createTemporary(filePath, &temporary);
    if (fd < 0) {
        if (error)
            *error =
                QStringLiteral("create a temporary file beside %1: %2").arg(filePath, errnoText());
        return false;
    }
    bool ok = writeAll(fd, bytes.constData(), bytes.size()) && ::fdatasync(fd) == 0;
    QString reason = ok ? QString() : errnoText();
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = errnoText();
    }
    if (ok && ::rename(temporary.constData(), QFile::encodeName(filePath).constData()) != 0) {
        ok = false;
        reason = errnoText();
    }
    if (!ok) {
        ::unlink(temporary.constData());
        if (error)
            *error = QStringLiteral("write %1: %2").arg(filePath, reason);
        return false;
    }
    syncFolder(QFileInfo(filePath).absolutePath());
    return true;
}

void removeStaleTemporaries(const QString& filePath)
{
    const QFileInfo info(filePath);
    QDir folder = info.absoluteDir();
    const QStringList stale =
        folder.entryList({info.fileName() + kTemporaryInfix + QStringLiteral("??????")},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : stale)
        folder.remove(name);
}

namespace {

// Renames without ever replacing an existing name. Some file systems know no RENAME_NOREPLACE;
// there a hard link plus unlink does the same.
bool renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

}  // namespace

QString setAsideDamagedFile(const QString& filePath)
{
    const QString stem = filePath + QStringLiteral(".corrupt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QByteArray from = QFile::encodeName(filePath);
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n);
        if (renameNoReplace(from, QFile::encodeName(candidate)))
            return candidate;
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

}  // namespace XmlStore
