#pragma once
// Shared by the recordings-list tests: private per-user folders, a History.xml written in one
// go (thousands of records without thousands of rewrites), recordings made with ffmpeg, and
// the desktop trash of the private home.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "historyrecord.h"
#include "parserxml.h"
#include "recordingjournal.h"
#include "testfiles.h"
#include "testmedia.h"

namespace librarytest {

using testfiles::redirectUserFolders;

// A journal of recordings in progress inside the test's folder.
inline RecordingJournal testJournal(const QTemporaryDir& root)
{
    return RecordingJournal(root.filePath(QStringLiteral("journal.txt")));
}

inline QString trashFiles()
{
    return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Trash/files");
}

// A record as the recorder stores it for `path`.
inline HistoryRecord record(const QString& path, const QString& duration = QString(),
                            const QString& createTime = QString())
{
    HistoryRecord r;
    r.filePath = path;
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    r.title = name.left(name.lastIndexOf(QLatin1Char('.')));
    r.extension = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    r.format = r.extension.toUpper();
    r.preferencePath = path.left(path.lastIndexOf(QLatin1Char('/')));
    r.duration = duration;
    r.size = QStringLiteral("1 KB");
    r.createTime = createTime;
    return r;
}

inline QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Replaces History.xml with these records.
inline bool writeHistory(const QVector<HistoryRecord>& records)
{
    QFile file(ParserXML::historyFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "<ROOTITEM>\n";
    for (const HistoryRecord& r : records) {
        out << "    <Path_item Converted_path_=\"" << escaped(r.filePath) << "\">\n"
            << "        <CONVERTED_INFO_ Title_=\"" << escaped(r.title) << "\" Time_=\""
            << r.duration << "\" Size_=\"" << r.size << "\" Create_time_=\"" << r.createTime
            << "\" Format_=\"" << escaped(r.format) << "\" Extend_=\"" << r.extension
            << "\" Artist_=\"" << escaped(r.artist) << "\" preferencePath_=\""
            << escaped(r.preferencePath) << "\" Video_file=\"N\" New_file=\""
            << (r.isNew ? "Y" : "N") << "\"/>\n";
        for (const QString& name : r.listNames)
            out << "        <List_name ListName=\"" << escaped(name) << "\"/>\n";
        out << "    </Path_item>\n";
    }
    out << "</ROOTITEM>\n";
    return true;
}

inline QStringList historyPaths()
{
    QStringList paths;
    for (const HistoryRecord& r : ParserXML::loadAllHistory())
        paths.append(r.filePath);
    return paths;
}

inline bool touch(const QString& path, const QByteArray& content = QByteArray("x"))
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    return testfiles::writeFile(path, content);
}

}  // namespace librarytest
