#include "audiofilecolumns.h"

#include "qaudiofilechunk.h"

namespace AudioFileColumns {

QString text(const QAudioFileChunk& item, int column)
{
    switch (column) {
        case Name: {
            const QString fileName = QString::fromStdString(item.fileName());
            const int dot = fileName.lastIndexOf(QLatin1Char('.'));
            return dot < 0 ? fileName : fileName.left(dot);
        }
        case Format:
            return QString::fromStdString(item.extension()).toUpper();
        case Artist:
            return QString::fromStdString(item.artist());
        case Album:
            return QString::fromStdString(item.album());
        case Duration:
            return QString::fromStdString(item.duration());
        case Created:
            return QString::fromStdString(item.createTime());
        default:
            return QString();
    }
}

}  // namespace AudioFileColumns
