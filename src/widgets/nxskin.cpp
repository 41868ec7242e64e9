#include "nxskin.h"

#include "installlayout.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPixmapCache>

namespace NxSkin {
namespace {

QString& overrideDir()
{
    static QString dir;
    return dir;
}

}  // namespace

QString resourceDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return InstallLayout::resourceFolder();
}

void setResourceDir(const QString& dir)
{
    QString clean = dir;
    while (clean.endsWith(QLatin1Char('/')) && clean.size() > 1)
        clean.chop(1);
    overrideDir() = clean;
    QPixmapCache::clear();
}

QString resourcePath(const QString& relative)
{
    if (relative.startsWith(QLatin1Char('/')))
        return resourceDir() + relative;
    return resourceDir() + QLatin1Char('/') + relative;
}

QString resolveImage(const QString& path)
{
    if (path.isEmpty())
        return QString();
    // Skin paths (starting with /image/) are meant relative to the resource folder; an
    // absolute path of an existing file is taken as it is.
    const QString inResources = resourcePath(path);
    if (QFileInfo(inResources).isFile())
        return inResources;
    if (QFileInfo(path).isFile())
        return path;
    return QString();
}

QPixmap pixmap(const QString& path)
{
    const QString file = resolveImage(path);
    if (file.isEmpty())
        return QPixmap();
    QPixmap pix;
    if (!QPixmapCache::find(file, &pix)) {
        pix.load(file);
        QPixmapCache::insert(file, pix);
    }
    return pix;
}

int registerFonts()
{
    static int registered = -1;
    if (registered >= 0)
        return registered;
    registered = 0;
    const QDir dir(resourcePath(QStringLiteral("/Font")));
    const QStringList files = dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        if (QFontDatabase::addApplicationFont(dir.filePath(name)) >= 0)
            ++registered;
    }
    return registered;
}

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont lcdFont(int pixelSize)
{
    QFont f(QStringLiteral("LcdD"));
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace NxSkin
