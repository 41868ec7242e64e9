#include "recordingrepair.h"

#include <QFile>
#include <QFileInfo>

#include <brisca/brisca.h>

#include <cstdio>

namespace RecordingRepair {

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

}  // namespace

bool needsRepair(const QString& extension)
{
    static const QStringList kNeedCopy{
        QStringLiteral("m4a"),  QStringLiteral("mp4"), QStringLiteral("m4b"), QStringLiteral("mov"),
        QStringLiteral("flac"), QStringLiteral("wma"), QStringLiteral("asf")};
    return kNeedCopy.contains(extension.toLower());
}

bool repair(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return fail(error, QStringLiteral("'%1' does not exist").arg(path));
    const QString extension = info.suffix();
    const QString target = info.path() + QStringLiteral("/.") + info.completeBaseName() +
                           QStringLiteral(".repair.") + extension;
    QFile::remove(target);
    if (!RewriteContainer(path.toUtf8().constData(), target.toUtf8().constData()))
        return fail(error, QString::fromUtf8(BriscaLastError()));
    // rename(2) replaces the original in one step: a crash now leaves one of the two whole.
    if (std::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData())) {
        QFile::remove(target);
        return fail(error, QStringLiteral("cannot replace '%1' with its repaired copy").arg(path));
    }
    return true;
}

}  // namespace RecordingRepair
