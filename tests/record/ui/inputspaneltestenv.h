#pragma once
// Shared set-up of the inputs-panel tests: every per-user folder inside a private folder (so
// the settings file is the test's own, and missing on the first start), the built skin images,
// and the plugin beside the built executables.

#include <QDir>
#include <QFile>
#include <QString>

#include "nxskin.h"
#include "parserxml.h"
#include "testmedia.h"

namespace inputstest {

// Call before anything asks for a per-user folder; QStandardPaths reads the environment on
// every call.
inline void redirectUserFolders(const QString& root)
{
    const QString home = root + QStringLiteral("/home");
    QDir().mkpath(home);
    QDir().mkpath(root + QStringLiteral("/tmp"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("TMPDIR", QFile::encodeName(root + QStringLiteral("/tmp")));
}

inline void useBuiltResources()
{
    NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
}

inline QString pluginPath()
{
    return testmedia::binDir() + QStringLiteral("/libOlmet.so");
}

// The settings file as stored, or empty when there is none.
inline QByteArray settingsText()
{
    QFile file(ParserXML::settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace inputstest
