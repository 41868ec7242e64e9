#include "coverpicture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

bool isCarriedFormat(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF") || bytes.startsWith("\x89PNG\r\n\x1A\n") ||
           bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a") || bytes.startsWith("BM");
}

CoverPicture failure(const QString& error)
{
    CoverPicture cover;
    cover.error = error;
    return cover;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1);
}

}  // namespace

CoverPicture CoverPicture::fromFile(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.size() > kMaxBytes) {
        return failure(tr("\"%1\" is %2 MB; a cover picture can be at most %3 MB.")
                           .arg(name, megabytes(info.size()), megabytes(kMaxBytes)));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(tr("\"%1\" cannot be read: %2").arg(name, file.errorString()));
    const QByteArray bytes = file.readAll();
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes))
        return failure(tr("\"%1\" is not a picture.").arg(name));
    CoverPicture cover;
    if (isCarriedFormat(bytes)) {
        cover.bytes = bytes;
        return cover;
    }
    QBuffer png(&cover.bytes);
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG") || cover.bytes.size() > kMaxBytes)
        return failure(tr("\"%1\" cannot be stored as a cover picture.").arg(name));
    return cover;
}
