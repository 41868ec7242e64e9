#pragma once
// One recording as stored in "History.xml": the plain value exchanged between the history
// functions of ParserXML and the items of the recordings list. The attribute each field is
// stored in is named beside it.

#include <QString>
#include <QStringList>

struct HistoryRecord {
    QString imagePath;       // Img_path_ (cover image)
    QString filePath;        // Converted_path_ of the Path_item ('/' separators)
    QString preferencePath;  // preferencePath_ (output folder the file was written to)
    QString resolution;      // Resolutin_ ("%1*%2")
    QString duration;        // Time_ ("hh:mm:ss")
    QString size;            // Size_ (size text)
    QString createTime;      // Create_time_ ("dd-MM-yyyy hh:mm")
    QString format;          // Format_
    QString extension;       // Extend_
    QString title;           // Title_
    QString artist;          // Artist_
    QString album;           // Album_
    QString genre;           // Genre_
    QString extra;           // spare text carried in memory only; never stored
    QStringList listNames;   // ListName of the List_name children: playlists holding the file
    bool isVideo = false;    // Video_file
    bool isNew = false;      // New_file: set until the next loadAllHistory

    bool operator==(const HistoryRecord& o) const
    {
        return imagePath == o.imagePath && filePath == o.filePath &&
               preferencePath == o.preferencePath && resolution == o.resolution &&
               duration == o.duration && size == o.size && createTime == o.createTime &&
               format == o.format && extension == o.extension && title == o.title &&
               artist == o.artist && album == o.album && genre == o.genre && extra == o.extra &&
               listNames == o.listNames && isVideo == o.isVideo && isNew == o.isNew;
    }
    bool operator!=(const HistoryRecord& o) const { return !(*this == o); }
};
