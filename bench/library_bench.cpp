// Helper of bench/library.sh (not shipped). Each run uses the per-user folders of the
// environment (the script points them at a scratch folder).
//   library_bench --history DIR N   writes a History.xml of N recordings whose (tiny) files
//                                   are made in DIR
//   library_bench --launch          builds the main window, shows it and ends at its first
//                                   expose; prints "rows N"
//   library_bench --use             shows the window, then times a search over every row and
//                                   scrolling the whole list page by page (each step a
//                                   synchronous repaint), printing
//                                   "search_ms X", "scroll_frames N max_ms X mean_ms Y"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTextStream>
#include <QTimer>
#include <QVector>

#include <cstdio>

#include "firstexposelog.h"
#include "mainwindow.h"
#include "nxskin.h"
#include "parserxml.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"

namespace {

int writeHistory(const QString& dir, int count)
{
    QDir().mkpath(dir);
    QFile file(ParserXML::historyFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "<ROOTITEM>\n";
    const char* formats[] = {"mp3", "m4a", "flac", "wav", "ogg"};
    for (int i = 0; i < count; ++i) {
        const QString ext = QString::fromLatin1(formats[i % 5]);
        const QString path =
            dir + QStringLiteral("/REC_%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(ext);
        QFile media(path);
        if (!media.open(QIODevice::WriteOnly))
            return 1;
        out << "    <Path_item Converted_path_=\"" << path << "\">\n"
            << "        <CONVERTED_INFO_ Title_=\"REC_" << i << "\" Time_=\"00:0" << (i % 10) << ":"
            << QString::number(10 + i % 50) << "\" Size_=\"" << (i % 900 + 1)
            << " KB\" Create_time_=\""
            << QStringLiteral("%1-%2-2024 %3:%4")
                   .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                   .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                   .arg(i % 24, 2, 10, QLatin1Char('0'))
                   .arg(i % 60, 2, 10, QLatin1Char('0'))
            << "\" Format_=\"" << ext.toUpper() << "\" Extend_=\"" << ext << "\" Artist_=\"Artist "
            << (i % 97) << "\" preferencePath_=\"" << dir
            << "\" Video_file=\"N\" New_file=\"N\"/>\n    </Path_item>\n";
    }
    out << "</ROOTITEM>\n";
    return 0;
}

void useList(MainWindow& window)
{
    QFileListWgt* list = window.fileList();
    QElapsedTimer timer;
    timer.start();
    list->OnSearchTextChange(QStringLiteral("REC_1234|Artist 5$"));
    const double searchMs = timer.nsecsElapsed() / 1e6;
    std::printf("search_ms %.2f rows %d\n", searchMs, list->sortModel()->rowCount());
    list->OnSearchTextChange(QString());

    // Each step scrolls a page and paints the table at once (repaint() is synchronous): the
    // time of the call is the frame's.
    QVector<double> frames;
    QWidget* viewport = list->view()->viewport();
    QScrollBar* bar = list->view()->verticalScrollBar();
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
        QElapsedTimer frame;
        frame.start();
        bar->setValue(value);
        viewport->repaint();
        frames.append(frame.nsecsElapsed() / 1e6);
    }
    double sum = 0, worst = 0;
    for (double ms : frames) {
        sum += ms;
        worst = std::max(worst, ms);
    }
    std::printf("scroll_frames %d max_ms %.2f mean_ms %.2f\n", int(frames.size()), worst,
                frames.isEmpty() ? 0.0 : sum / frames.size());
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.value(1) == QLatin1String("--history"))
        return writeHistory(args.value(2), args.value(3).toInt());
    NxSkin::registerFonts();
    MainWindow window;
    const bool use = args.value(1) == QLatin1String("--use");
    FirstExposeLog::watch(&window, [&] {
        std::printf("rows %d\n", window.fileList()->sortModel()->rowCount());
        // Outside the expose that called us, so that repaints paint.
        QTimer::singleShot(0, qApp, [&] {
            if (use)
                useList(window);
            QApplication::quit();
        });
    });
    window.show();
    return QApplication::exec();
}
