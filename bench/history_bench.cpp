// Times the history functions on a large "History.xml": builds a file of N recordings in a
// private folder, then times loadAllHistory, one findHistory and one addOrUpdateHistory.
// Usage: history_bench <scratch folder> [records]
// Output: one "name: value" line per measure; the last line is loadAllHistory per record.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include "parserxml.h"

namespace {

HistoryRecord benchRecord(int i)
{
    HistoryRecord r;
    r.filePath = QStringLiteral(
                     "/home/user/Documents/Quillon Fennick/Quillon Audio Recorder/"
                     "Converted/REC_2026-12-05_%1.mp3")
                     .arg(i, 6, 10, QLatin1Char('0'));
    r.title = QStringLiteral("REC_2026-12-05_%1").arg(i, 6, 10, QLatin1Char('0'));
    r.resolution = QStringLiteral("0*0");
    r.duration = QStringLiteral("00:%1:%2")
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'));
    r.size = QStringLiteral("%1.25 MB").arg(i % 90 + 1);
    r.createTime = QStringLiteral("05-12-2026 %1:%2")
                       .arg(i / 60 % 24, 2, 10, QLatin1Char('0'))
                       .arg(i % 60, 2, 10, QLatin1Char('0'));
    r.format = QStringLiteral("MP3");
    r.extension = QStringLiteral("mp3");
    r.artist = QStringLiteral("Artist %1").arg(i % 300);
    r.album = QStringLiteral("Album %1").arg(i % 700);
    r.genre = QStringLiteral("Pop");
    r.preferencePath =
        QStringLiteral("/home/user/Documents/Quillon Fennick/Quillon Audio Recorder/Converted/");
    r.isNew = i % 100 == 0;  // a few recordings made since the last start
    if (i % 10 == 0)
        r.listNames << QStringLiteral("Favourites") << QStringLiteral("Car");
    return r;
}

// Streams the whole file in one go (adding 10,000 records one by one would take minutes, as
// each call rewrites the file; building a DOM would inflate the peak memory measured below).
bool buildHistory(int records)
{
    QFile file(ParserXML::historyFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartElement(QStringLiteral("ROOTITEM"));
    for (int i = 0; i < records; ++i) {
        const HistoryRecord r = benchRecord(i);
        xml.writeStartElement(QStringLiteral("Path_item"));
        xml.writeAttribute(QStringLiteral("Converted_path_"), r.filePath);
        xml.writeStartElement(QStringLiteral("CONVERTED_INFO_"));
        xml.writeAttribute(QStringLiteral("Img_path_"), r.imagePath);
        xml.writeAttribute(QStringLiteral("Title_"), r.title);
        xml.writeAttribute(QStringLiteral("Resolutin_"), r.resolution);
        xml.writeAttribute(QStringLiteral("Time_"), r.duration);
        xml.writeAttribute(QStringLiteral("Size_"), r.size);
        xml.writeAttribute(QStringLiteral("Create_time_"), r.createTime);
        xml.writeAttribute(QStringLiteral("Format_"), r.format);
        xml.writeAttribute(QStringLiteral("Extend_"), r.extension);
        xml.writeAttribute(QStringLiteral("Artist_"), r.artist);
        xml.writeAttribute(QStringLiteral("Album_"), r.album);
        xml.writeAttribute(QStringLiteral("Genre_"), r.genre);
        xml.writeAttribute(QStringLiteral("preferencePath_"), r.preferencePath);
        xml.writeAttribute(QStringLiteral("Video_file"), ParserXML::boolText(r.isVideo));
        xml.writeAttribute(QStringLiteral("New_file"), ParserXML::boolText(r.isNew));
        xml.writeEndElement();
        for (const QString& name : qAsConst(r.listNames)) {
            xml.writeStartElement(QStringLiteral("List_name"));
            xml.writeAttribute(QStringLiteral("ListName"), name);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    return !xml.hasError() && file.flush();
}

// CPU time of the process: on a busy machine it shows the work apart from the waiting.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: history_bench <scratch folder> [records]\n");
        return 2;
    }
    // Keep the benchmark's files out of the user's folders.
    const QByteArray scratch = argv[1];
    qputenv("HOME", scratch);
    qputenv("XDG_DATA_HOME", scratch + "/share");
    qputenv("XDG_CONFIG_HOME", scratch + "/config");
    QCoreApplication app(argc, argv);
    const int records = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;

    if (!buildHistory(records)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ParserXML::historyFilePath()));
        return 1;
    }
    const double baseMb = peakMemoryMb();
    std::printf("history file: %d records, %.1f MB\n", records,
                QFileInfo(ParserXML::historyFilePath()).size() / 1048576.0);

    QElapsedTimer timer;
    timer.start();
    double cpu = cpuMs();
    const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
    const double loadMs = timer.nsecsElapsed() / 1e6;
    const double loadCpuMs = cpuMs() - cpu;
    if (all.size() != records) {
        std::fprintf(stderr, "loadAllHistory returned %d records\n", all.size());
        return 1;
    }
    std::printf("loadAllHistory: %.1f ms (cpu %.1f ms; new marks cleared, file rewritten)\n",
                loadMs, loadCpuMs);
    const double loadMemMb = peakMemoryMb();

    timer.restart();
    cpu = cpuMs();
    ParserXML::loadAllHistory();
    std::printf("loadAllHistory, nothing new: %.1f ms (cpu %.1f ms)\n", timer.nsecsElapsed() / 1e6,
                cpuMs() - cpu);

    timer.restart();
    cpu = cpuMs();
    const std::optional<HistoryRecord> last =
        ParserXML::findHistory(benchRecord(records - 1).filePath);
    std::printf("findHistory (last record): %.1f ms (cpu %.1f ms)\n", timer.nsecsElapsed() / 1e6,
                cpuMs() - cpu);
    if (!last) {
        std::fprintf(stderr, "findHistory missed the last record\n");
        return 1;
    }

    timer.restart();
    cpu = cpuMs();
    ParserXML::addOrUpdateHistory(benchRecord(records));
    std::printf("addOrUpdateHistory (append): %.1f ms (cpu %.1f ms)\n", timer.nsecsElapsed() / 1e6,
                cpuMs() - cpu);

    std::printf("peak memory: %.1f MB (%.1f MB after building the file, %.1f MB after the load)\n",
                peakMemoryMb(), baseMb, loadMemMb);
    std::printf("loadAllHistory per record: %.2f us (cpu %.2f us)\n", loadMs * 1e3 / records,
                loadCpuMs * 1e3 / records);
    return 0;
}
