#include "qaudiofilechunk.h"

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void QAudioFileChunk::fillFromHistoryRecord(const HistoryRecord& record)
{
    setFilePath(utf8(record.filePath));
    setFileName(utf8(record.filePath.mid(record.filePath.lastIndexOf(QLatin1Char('/')) + 1)));
    setDuration(utf8(record.duration));
    setName(utf8(record.title));
    setArtist(utf8(record.artist));
    setAlbum(utf8(record.album));
    setGenre(utf8(record.genre));
    setImagePath(utf8(record.imagePath));
    setSize(utf8(record.size));
    setCreateTime(utf8(record.createTime));
    setResolution(utf8(record.resolution));
    setExtension(utf8(record.extension));
    setFormat(utf8(record.format));
    setIsVideo(record.isVideo);
    setIsNew(record.isNew);
    setListNames(record.listNames);
    setPreferencePath(utf8(record.preferencePath));
}

HistoryRecord QAudioFileChunk::toHistoryRecord() const
{
    HistoryRecord record;
    record.filePath = fromUtf8(filePath());
    record.duration = fromUtf8(duration());
    record.title = fromUtf8(name());
    record.artist = fromUtf8(artist());
    record.album = fromUtf8(album());
    record.genre = fromUtf8(genre());
    record.imagePath = fromUtf8(imagePath());
    record.size = fromUtf8(size());
    record.createTime = fromUtf8(createTime());
    record.resolution = fromUtf8(resolution());
    record.extension = fromUtf8(extension());
    record.format = fromUtf8(format());
    record.isVideo = isVideo();
    record.isNew = isNew();
    record.listNames = listNames();
    record.preferencePath = fromUtf8(preferencePath());
    return record;
}
