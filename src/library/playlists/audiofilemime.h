#pragma once
// The drag data of recordings dragged from the recordings list onto a playlist: the MIME type
// "image/audio_file" carrying the recordings' file paths, UTF-8, one per line.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace AudioFileMime {

inline const QString kMimeType = QStringLiteral("image/audio_file");

QByteArray encode(const QStringList& filePaths);
// Empty lines are dropped.
QStringList decode(const QByteArray& data);

}  // namespace AudioFileMime
