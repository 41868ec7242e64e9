#include "desktoptrash.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace DesktopTrash {

namespace {

constexpr int kGioTimeoutMs = 10000;

bool gioTrash(const QString& path, QString* message)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty()) {
        *message = QStringLiteral("no trash folder can be made and gio is not installed");
        return false;
    }
    QProcess process;
    process.start(gio, {QStringLiteral("trash"), QStringLiteral("--"), path});
    if (!process.waitForFinished(kGioTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (message->isEmpty())
            *message = QStringLiteral("gio trash failed");
        return false;
    }
    return !QFileInfo::exists(path);
}

}  // namespace

bool moveToTrash(const QString& path, QString* error)
{
    QString message;
    if (!QFileInfo::exists(path)) {
        message = QStringLiteral("'%1' does not exist").arg(path);
    } else {
        QFile file(path);
        if (file.moveToTrash() || gioTrash(path, &message))
            return true;
        if (message.isEmpty())
            message = file.errorString();
        message = QStringLiteral("cannot move '%1' to the trash: %2").arg(path, message);
    }
    if (error)
        *error = message;
    return false;
}

}  // namespace DesktopTrash
