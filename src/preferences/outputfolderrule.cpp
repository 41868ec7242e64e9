#include "outputfolderrule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kProbeName = QStringLiteral("Quillon Audio Recorder");

// The user's texts of this file, translated in the context "OutputFolderRule".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OutputFolderRule)
};

QString withHome(const QString& folder)
{
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        return QDir::homePath() + folder.mid(1);
    return folder;
}

}  // namespace

namespace OutputFolderRule {

QString normalized(const QString& folder)
{
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(withHome(folder.trimmed())));
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString problem(const QString& folder)
{
    const QString path = withHome(folder.trimmed());
    if (path.isEmpty())
        return Texts::tr("Choose a folder for the output files.");
    if (QDir::isRelativePath(path))
        return Texts::tr("\"%1\" is not a full path. Enter a path that starts with \"/\".")
            .arg(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return Texts::tr("\"%1\" is a file, not a folder.").arg(path);
    if (!info.exists() && !QDir().mkpath(path))
        return Texts::tr("The folder \"%1\" cannot be created.").arg(path);
    if (!canCreateFileIn(path))
        return Texts::tr("No file can be written into the folder \"%1\".").arg(path);
    return {};
}

bool canCreateFileIn(const QString& folder)
{
    const QDir dir(folder);
    QString name = kProbeName + QStringLiteral(".txt");
    for (int counter = 1; dir.exists(name); ++counter)
        name = QStringLiteral("%1%2.txt").arg(kProbeName).arg(counter);
    QFile probe(dir.filePath(name));
    // NewOnly: never touch a file that appeared since the name was chosen.
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

}  // namespace OutputFolderRule
