#pragma once
// Points every per-user location the storage module uses (data, documents, config, temporary)
// into a private folder, so the tests never touch the real user's files. Call before the first
// folder lookup; QStandardPaths reads the environment on every call.

#include <QDir>
#include <QString>

namespace storagetest {

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

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

}  // namespace storagetest
