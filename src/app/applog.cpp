#include "applog.h"

#include "parserxml.h"

#include <QDateTime>
#include <QFile>

#include <mutex>

namespace AppLog {
namespace {

std::mutex g_mutex;
QFile* g_file = nullptr;
QtMessageHandler g_previous = nullptr;

const char* levelName(QtMsgType type)
{
    switch (type) {
        case QtDebugMsg:
            return "debug";
        case QtInfoMsg:
            return "info";
        case QtWarningMsg:
            return "warning";
        case QtCriticalMsg:
            return "error";
        case QtFatalMsg:
            return "fatal";
    }
    return "?";
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (g_file) {
            const QByteArray line = QDateTime::currentDateTime()
                                        .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz "))
                                        .toUtf8() +
                                    levelName(type) + ": " + message.toUtf8() + '\n';
            g_file->write(line);
            g_file->flush();
        }
    }
    if (g_previous)
        g_previous(type, context, message);
}

}  // namespace

QString path()
{
    return ParserXML::appDataFolder() + QStringLiteral("/log.txt");
}

void install()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_file)
        return;
    g_file = new QFile(path());  // lives until the process ends: messages come until then
    if (!g_file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        delete g_file;
        g_file = nullptr;
        return;
    }
    g_previous = qInstallMessageHandler(handle);
}

}  // namespace AppLog
