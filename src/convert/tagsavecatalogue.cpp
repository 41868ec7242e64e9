#include "tagsavecatalogue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThreadPool>

#include <brisca/brisca.h>

namespace tagsavecatalogue {

QThreadPool* worker()
{
    static QThreadPool pool;
    static const bool serial = [] {
        pool.setMaxThreadCount(1);
        // The queued additions (a fingerprint each, seconds at most) finish while the
        // application and the engine are still there.
        qAddPostRoutine([] { pool.waitForDone(); });
        return true;
    }();
    Q_UNUSED(serial)
    return &pool;
}

void add(const QString& path, const VEAudioTagInfo& written)
{
    if (path.isEmpty() ||
        (written.title.empty() && written.artist.empty() && written.album.empty()))
        return;
    worker()->start([path] {
        if (!AddCatalogueFile(path.toUtf8().constData()))
            qWarning("catalogue: '%s' was not added: %s", qUtf8Printable(path), BriscaLastError());
    });
}

}  // namespace tagsavecatalogue
