#pragma once
// The drag data of recordings dragged from the recordings list onto a playlist: MIME type
// "image/audio_file", the files' paths in UTF-8, one per line.

#include <QByteArray>
#include <QStringList>

namespace AudioFileMime {

inline constexpr const char* kType = "image/audio_file";

inline QByteArray encode(const QStringList& paths)
{
    return paths.join(QLatin1Char('\n')).toUtf8();
}

inline QStringList decode(const QByteArray& data)
{
    return QString::fromUtf8(data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace AudioFileMime
