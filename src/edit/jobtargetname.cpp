#include "jobtargetname.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace JobTargetName {

QString baseOf(const QString& requestedName, const QString& marker, QString* extension)
{
    const int dot = requestedName.lastIndexOf(QLatin1Char('.'));
    QString base = dot > 0 ? requestedName.left(dot) : requestedName;
    *extension = dot > 0 ? requestedName.mid(dot + 1) : QString();
    // "<base><marker>_<digits>" or "<base><marker>" at the end: the same base again.
    const QRegularExpression numbered(
        QStringLiteral("%1(_\\d+)?$").arg(QRegularExpression::escape(marker)));
    const QRegularExpressionMatch match = numbered.match(base);
    if (match.hasMatch() && match.capturedStart() > 0)
        base.truncate(match.capturedStart());
    return base;
}

JobTarget freeTarget(const QString& folder, const QString& requestedName, const QString& marker)
{
    if (requestedName.isEmpty())
        return {};
    QString extension;
    const QString base = baseOf(requestedName, marker, &extension);
    QString dir = folder;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    for (int n = 1; n <= kMaxNumber; ++n) {
        QString name = QStringLiteral("%1%2_%3").arg(base, marker).arg(n, 3, 10, QLatin1Char('0'));
        if (!extension.isEmpty())
            name += QLatin1Char('.') + extension;
        // exists() follows links; a dangling link still takes the name.
        const QString path = dir + name;
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return {name, path};
    }
    return {};
}

}  // namespace JobTargetName
