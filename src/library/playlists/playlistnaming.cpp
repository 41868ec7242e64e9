#include "playlistnaming.h"

#include <QRegularExpression>

namespace PlayListNaming {

QString newPlayListName(const QStringList& taken)
{
    for (int n = 0;; ++n) {
        const QString candidate = QStringLiteral("New PlayList_%1").arg(n, 2, 10, QLatin1Char('0'));
        if (!taken.contains(candidate))
            return candidate;
    }
}

bool isAcceptableName(const QString& name)
{
    static const QRegularExpression refused(QStringLiteral("[/:*\"<>|?\\\\]"));
    return !name.isEmpty() && !name.contains(refused);
}

QString uniqueName(const QString& wanted, const QStringList& taken)
{
    QString name = wanted;
    for (int n = 1; taken.contains(name); ++n)
        name = wanted + QStringLiteral("(%1)").arg(n);
    return name;
}

}  // namespace PlayListNaming
