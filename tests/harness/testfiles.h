#pragma once
// Whole-file reads and writes for tests, and private per-user folders so that tests never touch
// the real user's settings, history or documents.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace testfiles {

// A file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file's content; false when not all of it was written.
inline bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// Points every per-user location (data, documents, config, cache, temporary) into `root`. Call
// before the first folder lookup; QStandardPaths reads the environment on every call.
inline void redirectUserFolders(const QString& root)
{
    const QString home = root + QStringLiteral("/home");
    const QString tmp = root + QStringLiteral("/tmp");
    QDir().mkpath(home);
    QDir().mkpath(tmp);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("TMPDIR", QFile::encodeName(tmp));
}

}  // namespace testfiles
