// quillon catalogue add DIR...: fingerprints the audio files under the folders and adds them,
// with their tags and embedded cover, to the local catalogue that identification matches
// against. Files that are not audio are reported and skipped.

#include "commandregistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <brisca/brisca.h>

#include <cstdio>

#include "cataloguechoice.h"

namespace {

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// A failure of the catalogue itself (locked, damaged, not writable) ends the whole run; a
// failure of one file only skips that file.
bool catalogueFailed(const QString& reason)
{
    return reason.startsWith(QLatin1String("the catalogue '"));
}

int add(const QStringList& folders)
{
    int added = 0, skipped = 0;
    for (const QString& folder : folders) {
        if (!QFileInfo(folder).isDir())
            return cli::fail(QStringLiteral("catalogue: %1: no such folder").arg(folder));
        for (const QString& path : filesUnder(folder)) {
            if (AddCatalogueFile(path.toUtf8().constData())) {
                std::printf("added %s\n", path.toUtf8().constData());
                ++added;
                continue;
            }
            const QString reason = QString::fromUtf8(BriscaLastError());
            if (catalogueFailed(reason))
                return cli::fail(QStringLiteral("catalogue: %1").arg(reason));
            std::fprintf(stderr, "skipped %s: %s\n", path.toUtf8().constData(),
                         reason.toUtf8().constData());
            ++skipped;
        }
    }
    std::printf("%d added, %d skipped; %lld tracks in %s\n", added, skipped,
                static_cast<long long>(GetCatalogueTrackCount()), GetCataloguePath());
    return 0;
}

int run(const QStringList& arguments)
{
    QStringList args = arguments;
    if (!cli::applyCatalogueOption(&args))
        return 2;
    if (args.isEmpty() || args.first() != QLatin1String("add") || args.size() < 2)
        return cli::fail(QStringLiteral("usage: quillon catalogue add DIR... [--catalogue FILE]"));
    return add(args.mid(1));
}

cli::CommandRegistration reg{{"catalogue", "add DIR... [--catalogue FILE]", &run}};

}  // namespace
