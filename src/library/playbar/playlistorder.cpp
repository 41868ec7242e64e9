#include "playlistorder.h"

namespace PlayListOrder {

int nextIndex(const QStringList& list, const QString& current, bool finishedByItself)
{
    if (list.isEmpty())
        return -1;
    const int at = list.indexOf(current);
    if (at < 0)
        return 0;
    if (at + 1 < list.size())
        return at + 1;
    return finishedByItself ? -1 : 0;
}

int previousIndex(const QStringList& list, const QString& current)
{
    if (list.isEmpty())
        return -1;
    const int at = list.indexOf(current);
    return at > 0 ? at - 1 : list.size() - 1;
}

QString normalised(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QStringList normalised(QStringList paths)
{
    for (QString& path : paths)
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return paths;
}

}  // namespace PlayListOrder
