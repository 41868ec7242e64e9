#include "recordingfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "desktoptrash.h"

namespace RecordingFiles {

namespace {

QString normalisedFolder(QString folder)
{
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.contains(QLatin1String("//")))
        folder.replace(QLatin1String("//"), QLatin1String("/"));
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

}  // namespace

bool isRefusedName(const QString& name)
{
    static const QRegularExpression kRefused(QStringLiteral("[/:*\"<>|?\\\\]"));
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
           name.contains(kRefused);
}

QString freeRenamePath(const QString& folder, const QString& name, const QString& extension)
{
    const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
    QString candidate = folder + QLatin1Char('/') + name + suffix;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = folder + QLatin1Char('/') + name + QStringLiteral("(%1)").arg(n) + suffix;
    return candidate;
}

bool renameRecording(const QString& path, const QString& name, QString* newPath)
{
    if (isRefusedName(name))
        return false;
    const QFileInfo info(path);
    const QString target = freeRenamePath(info.path(), name, info.suffix());
    if (!QFile::rename(path, target))
        return false;
    *newPath = target;
    return true;
}

bool deleteRecording(const QString& path, const QString& keepFolder, QString* error)
{
    if (!DesktopTrash::moveToTrash(path, error))
        return false;
    tidyFolders(QFileInfo(path).path(), keepFolder);
    return true;
}

void tidyFolders(const QString& folder, const QString& keepFolder)
{
    const QString keep = normalisedFolder(keepFolder);
    if (keep.isEmpty())
        return;
    QString current = normalisedFolder(folder);
    while (current.startsWith(keep + QLatin1Char('/'), Qt::CaseInsensitive) &&
           current.compare(keep, Qt::CaseInsensitive) != 0) {
        QDir dir(current);
        if (!dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) ||
            !dir.rmdir(current))
            return;
        current = QFileInfo(current).path();
    }
}

}  // namespace RecordingFiles
