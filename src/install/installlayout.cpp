#include "installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The first of the two places that exists, else the one beside the executable.
QString besideOrInstalled(const QString& name, const char* installedRelative)
{
    const QString folder = InstallLayout::executableFolder();
    const QString beside = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(
        folder + QLatin1Char('/') + QLatin1String(installedRelative) + QLatin1Char('/') + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace

namespace InstallLayout {

QString executableFolder()
{
    // Without an application object (early start-up, plain C++ callers) the kernel still knows
    // where the executable is.
    static const QString folder = [] {
        if (QCoreApplication::instance())
            return QCoreApplication::applicationDirPath();
        return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    }();
    return folder;
}

QString resourceFolder()
{
    return besideOrInstalled(QStringLiteral("audiorecorder_res"), QUILLON_DATA_FROM_BIN);
}

QString devicePluginPath()
{
    return besideOrInstalled(QStringLiteral("libOlmet.so"), QUILLON_LIB_FROM_BIN);
}

}  // namespace InstallLayout
