#pragma once
// Cover pictures as QImages: decoding and thumbnail scaling (rules in coverscale.h).
// Needs QtGui (QImage) but no widgets; any thread.

#include <QImage>
#include <QString>

class NxInfoManager;

namespace NxCoverImage {

// Scales to a thumbnail whose shorter side is maxSide.
QImage scaled(const QImage& image, int maxSide);
// The manager's file's cover: the embedded picture, else (with a picture stream) a grabbed
// frame; scaled to maxSide. Null when there is neither or it does not decode.
QImage fromInfo(const NxInfoManager& info, int maxSide);
// The full-size cover of a file (embedded picture or grabbed frame); null when none.
QImage ofFile(const QString& path);

}  // namespace NxCoverImage
