#include "historywriter.h"

#include <QDateTime>
#include <QFileInfo>

#include "parserxml.h"

QString recordingSizeText(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = kKiB * 1024;
    constexpr qint64 kGiB = kMiB * 1024;
    if (bytes > kGiB)
        return QString::asprintf("%.2f GB", static_cast<double>(bytes) / kGiB);
    if (bytes > kMiB)
        return QString::asprintf("%.2f MB", static_cast<double>(bytes) / kMiB);
    if (bytes > kKiB)
        return QString::asprintf("%.2f KB", static_cast<double>(bytes) / kKiB);
    return QString::asprintf("%d B", static_cast<int>(bytes));
}

QString recordingDurationText(uint64_t durationUs)
{
    const uint64_t totalSeconds = durationUs / 1000000;
    const uint64_t hours = totalSeconds / 3600;
    const uint64_t minutes = (totalSeconds % 3600) / 60;
    const uint64_t seconds = totalSeconds % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

HistoryRecord finishedRecordingRecord(const QString& path, uint64_t durationUs,
                                      const QString& formatName, const QString& extension,
                                      int width, int height)
{
    const QFileInfo info(path);
    HistoryRecord record;
    record.filePath = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString fileName = record.filePath.mid(record.filePath.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    record.title = dot < 0 ? fileName : fileName.left(dot);
    record.preferencePath = record.filePath.left(record.filePath.lastIndexOf(QLatin1Char('/')));
    record.resolution = QStringLiteral("%1*%2").arg(width).arg(height);
    record.size = recordingSizeText(info.exists() ? info.size() : 0);
    if (info.exists()) {
        // Not every file system reports a birth time; the last change is the next best thing
        // for a file that was just written.
        QDateTime created = info.birthTime();
        if (!created.isValid())
            created = info.lastModified();
        record.createTime = created.toString(QStringLiteral("dd-MM-yyyy hh:mm"));
    }
    record.format = formatName;
    record.extension = extension;
    record.duration = recordingDurationText(durationUs);
    record.isVideo = false;
    record.isNew = true;
    return record;
}

bool appendRecordingToHistory(const QString& path, uint64_t durationUs, const QString& formatName,
                              const QString& extension, int width, int height)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    ParserXML::addOrUpdateHistory(
        finishedRecordingRecord(path, durationUs, formatName, extension, width, height));
    return true;
}
