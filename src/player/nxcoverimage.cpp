#include "nxcoverimage.h"

#include "coverscale.h"
#include "nxinfomanager.h"

namespace NxCoverImage {

QImage scaled(const QImage& image, int maxSide)
{
    const CoverScaleSteps steps = coverScaleSteps(image.size(), maxSide);
    if (steps.unchanged)
        return image;
    QImage out = image;
    if (steps.intermediate.isValid())
        out = out.scaled(steps.intermediate, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return out.scaled(steps.target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

static QImage fullSize(const NxInfoManager& info)
{
    QImage image;
    const QByteArray cover = info.coverBytes();
    if (!cover.isEmpty())
        image.loadFromData(cover);
    if (image.isNull()) {
        const QByteArray frame = info.pictureFrameBmp();
        if (!frame.isEmpty())
            image.loadFromData(frame, "BMP");
    }
    return image;
}

QImage fromInfo(const NxInfoManager& info, int maxSide)
{
    const QImage image = fullSize(info);
    return image.isNull() ? image : scaled(image, maxSide);
}

QImage ofFile(const QString& path)
{
    NxInfoManager info;
    info.ensureInfoObject();
    if (!info.open(path))
        return {};
    return fullSize(info);
}

}  // namespace NxCoverImage
