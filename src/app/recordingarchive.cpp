#include "recordingarchive.h"

#include "outputfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RecordingArchive {

namespace {

bool isUnsafe(QChar c)
{
    return c.category() == QChar::Other_Control || c == QLatin1Char('/') || c == QLatin1Char('\\');
}

// Cuts to at most `bytes` of UTF-8 without splitting a character (or a surrogate pair).
QString cutToBytes(const QString& text, int bytes)
{
    QString out = text;
    while (out.toUtf8().size() > bytes) {
        out.chop(1);
        if (!out.isEmpty() && out.at(out.size() - 1).isHighSurrogate())
            out.chop(1);
    }
    return out;
}

}  // namespace

QString safeFolderName(const QString& name, const QString& fallback)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name)
        out.append(isUnsafe(c) ? QLatin1Char(' ') : c);
    out = out.simplified();
    // A leading dot would hide the folder (or name "." or "..").
    while (out.startsWith(QLatin1Char('.')))
        out = out.mid(1).trimmed();
    out = cutToBytes(out, kMaxNameBytes).trimmed();
    return out.isEmpty() ? fallback : out;
}

QString folderFor(const QString& base, PreferenceValues::ArchiveBy by, const QString& artist,
                  const QString& album)
{
    if (by == PreferenceValues::ArchiveBy::None)
        return QString();
    QString folder = QDir(base).filePath(
        safeFolderName(artist, QCoreApplication::translate("RecordingArchive", "Unknown Artist")));
    if (by == PreferenceValues::ArchiveBy::ArtistAlbum)
        folder = QDir(folder).filePath(safeFolderName(
            album, QCoreApplication::translate("RecordingArchive", "Unknown Album")));
    return folder;
}

bool moveInto(const QString& file, const QString& folder, QString* movedTo, QString* error)
{
    const QFileInfo info(file);
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    const QString target = OutputFolder::freePath(folder, info.completeBaseName(), info.suffix());
    QFile source(file);
    // Within one file system a rename; across file systems Qt copies and removes the original
    // only after a complete copy (a failed copy is removed again).
    if (!source.rename(target)) {
        *error = QStringLiteral("cannot move %1 to %2: %3").arg(file, target, source.errorString());
        return false;
    }
    *movedTo = target;
    return true;
}

}  // namespace RecordingArchive
