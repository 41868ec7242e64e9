#include "recordingjournal.h"

#include <QFile>
#include <QSaveFile>

#include "parserxml.h"

RecordingJournal::RecordingJournal(QString filePath) : m_filePath(std::move(filePath)) {}

QString RecordingJournal::defaultPath()
{
    return ParserXML::appDataFolder() + QStringLiteral("/RecordingJournal.txt");
}

void RecordingJournal::add(const QString& recordingPath)
{
    QStringList current = paths();
    if (current.contains(recordingPath))
        return;
    current.append(recordingPath);
    write(current);
}

void RecordingJournal::remove(const QString& recordingPath)
{
    QStringList current = paths();
    if (current.removeAll(recordingPath) > 0)
        write(current);
}

void RecordingJournal::clear()
{
    QFile::remove(m_filePath);
}

QStringList RecordingJournal::paths() const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList result;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (!line.isEmpty())
            result.append(QString::fromUtf8(line));
    }
    return result;
}

bool RecordingJournal::write(const QStringList& paths) const
{
    if (paths.isEmpty())
        return QFile::remove(m_filePath) || !QFile::exists(m_filePath);
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("recording journal %s not written: %s", qPrintable(m_filePath),
                 qPrintable(file.errorString()));
        return false;
    }
    for (const QString& path : paths)
        file.write(path.toUtf8() + '\n');
    return file.commit();
}
