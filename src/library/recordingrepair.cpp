#include "recordingrepair.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <brisca/brisca.h>

#include <cstdio>

namespace RecordingRepair {

namespace {

constexpr int kPollMs = 20;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// Runs the copy to `target`; the converter makes the target appear only when complete.
bool copyFrames(const QString& source, const QString& target, const QString& formatKey,
                QString* error)
{
    const int32_t params = CreateEncodeParams();
    const int32_t converter = CreateAudioConverter(-1);
    bool ok = params && converter && SetEncodeStreamCopy(params, BRISCA_COPY_REQUIRED) &&
              OpenConverter(converter, source.toUtf8().constData(), target.toUtf8().constData(),
                            formatKey.toUtf8().constData(), params) &&
              StartConverter(converter);
    if (ok) {
        while (!GetConverterResult(converter))
            QThread::msleep(kPollMs);
        ok = GetConverterState(converter) == BRISCA_CONVERTER_DONE;
    }
    if (!ok) {
        const char* reason = converter ? GetConverterError(converter) : nullptr;
        fail(error, QString::fromUtf8(reason && *reason ? reason : BriscaLastError()));
    }
    DestroyConverter(converter);
    ReleaseEncodeParams(params);
    return ok;
}

}  // namespace

bool needsRepair(const QString& extension)
{
    static const QStringList kNeedCopy{QStringLiteral("m4a"),  QStringLiteral("mp4"),
                                       QStringLiteral("m4b"),  QStringLiteral("mov"),
                                       QStringLiteral("flac"), QStringLiteral("mp3")};
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
    if (!copyFrames(path, target, extension.toUpper(), error))
        return false;
    // rename(2) replaces the original in one step: a crash now leaves one of the two whole.
    if (std::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData())) {
        QFile::remove(target);
        return fail(error, QStringLiteral("cannot replace '%1' with its repaired copy").arg(path));
    }
    return true;
}

}  // namespace RecordingRepair
