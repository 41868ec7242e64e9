#include "outputfolder.h"

#include "parserxml.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace OutputFolder {
namespace {

const QString kElement = QStringLiteral("OutPut_path");
const QString kAttribute = QStringLiteral("path_value");

QString& folder()
{
    static QString path;
    return path;
}

QString withoutDoubleSlashes(QString path)
{
    while (path.contains(QLatin1String("//")))
        path.replace(QLatin1String("//"), QLatin1String("/"));
    return path;
}

}  // namespace

QString defaultFolder()
{
    QString path = ParserXML::documentsFolder() + QStringLiteral("/Converted/");
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(path);
    return path;
}

void initFromSettings()
{
    set(ParserXML::getSettingValue(kElement, kAttribute, defaultFolder()));
}

QString current()
{
    return folder();
}

bool set(const QString& path, QString* error)
{
    QString chosen = QDir::fromNativeSeparators(path);
    // A root has no folder name of its own; it stays the root.
    if (QDir(chosen).dirName().isEmpty())
        chosen = QDir::rootPath();
    folder() = chosen;
    ParserXML::getSettingValue(kElement, kAttribute, QString());
    ParserXML::setSettingValue(kElement, kAttribute, chosen);
    const QString reason = unwritableReason(chosen);
    if (error)
        *error = reason;
    return reason.isEmpty();
}

QString unwritableReason(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("OutputFolder", "\"%1\" is not a folder.").arg(path);
    if (!info.exists() && !QDir().mkpath(path))
        return QCoreApplication::translate("OutputFolder", "The folder \"%1\" cannot be created.")
            .arg(path);
    if (!QFileInfo(path).isWritable())
        return QCoreApplication::translate("OutputFolder", "The folder \"%1\" is not writable.")
            .arg(path);
    return QString();
}

QString newRecordingPath(const QString& dir, const QString& extension, const QDateTime& now)
{
    QDir().mkpath(dir);
    const QString name = QStringLiteral("REC_") + now.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
    return freePath(dir, name, extension);
}

QString freePath(const QString& dir, const QString& name, const QString& extension)
{
    QString path =
        withoutDoubleSlashes(dir + QLatin1Char('/') + name + QLatin1Char('.') + extension);
    for (int n = 1; QFileInfo::exists(path); ++n) {
        path = withoutDoubleSlashes(dir + QLatin1Char('/') +
                                    QStringLiteral("%1(%2).%3").arg(name).arg(n).arg(extension));
    }
    return path;
}

}  // namespace OutputFolder
