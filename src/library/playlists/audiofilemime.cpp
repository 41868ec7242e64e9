#include "audiofilemime.h"

namespace AudioFileMime {

QByteArray encode(const QStringList& filePaths)
{
    return filePaths.join(QLatin1Char('\n')).toUtf8();
}

QStringList decode(const QByteArray& data)
{
    return QString::fromUtf8(data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace AudioFileMime
