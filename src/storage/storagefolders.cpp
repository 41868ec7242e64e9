// The folders of ParserXML: where settings, documents and temporary files go, and where the
// read-only resources are.

#include "parserxml.h"

#include "installlayout.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString kBrandFolder =
    QStringLiteral("Quillon") + QLatin1Char(' ') + QStringLiteral("Fennick");
const QString kProductFolder = QStringLiteral("Quillon Audio Recorder");

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// <base>/<brand>/<product>, created when missing; the brand folder when that fails.
QString productFolderUnder(const QString& base)
{
    const QString brand = base + QLatin1Char('/') + kBrandFolder;
    const QString product = QStringLiteral("%1/%2").arg(brand, kProductFolder);
    if (QDir().mkpath(product))
        return product;
    return brand;
}

QString folderOf(QStandardPaths::StandardLocation location)
{
    return productFolderUnder(withSlashes(QStandardPaths::writableLocation(location)));
}

}  // namespace

namespace ParserXML {

QString appDataFolder()
{
    // The app-data location ends in the organisation/application names; the brand and product
    // folders take their place.
    QString location =
        withSlashes(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const int cut = location.lastIndexOf(QLatin1Char('/'));
    if (cut >= 0)
        location.truncate(cut);
    return productFolderUnder(location);
}

QString documentsFolder()
{
    return folderOf(QStandardPaths::DocumentsLocation);
}

QString tempFolder()
{
    return folderOf(QStandardPaths::TempLocation);
}

QString resourceFolder()
{
    static const QString folder = withSlashes(InstallLayout::resourceFolder());
    return folder;
}

QString settingsFilePath()
{
    return appDataFolder() + QStringLiteral("/AudioDefaultSetting.xml");
}

QString formatFilePath()
{
    return appDataFolder() + QStringLiteral("/AudioDefaultFormatSetting.xml");
}

QString screenshotFilePath()
{
    return appDataFolder() + QStringLiteral("/VedioEditDefaultSetting.xml");
}

QString historyFilePath()
{
    return appDataFolder() + QStringLiteral("/History.xml");
}

QString playListFilePath()
{
    return appDataFolder() + QStringLiteral("/CustomedLists.xml");
}

}  // namespace ParserXML
