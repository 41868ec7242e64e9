// Screenshot helper for checking the conversion jobs' windows by eye (not a test, not shipped):
// shows the main window, cuts a generated two-minute recording through the recordings list and
// saves, under the folder given, progress.png (the progress window during the cut) and
// countdown.png (the warning before sleep once the cut is done). Run under Xvfb with private
// per-user folders (XDG_* pointing at a scratch folder).
#include <QApplication>
#include <QTimer>

#include "endofjobsaction.h"
#include "mainwindow.h"
#include "nxconverterobject.h"
#include "parserxml.h"
#include "qfilelistwgt.h"
#include "screenshots.h"
#include "testmedia.h"

using screenshots::shoot;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = QApplication::arguments().value(1);
    screenshots::useProgramLook();
    const QString source = dir + QStringLiteral("/REC_20261206103000.mp3");
    if (!testmedia::makeTone(source, 440, 120))
        return 1;
    HistoryRecord record;
    record.filePath = source;
    record.title = QStringLiteral("REC_20261206103000");
    record.extension = QStringLiteral("mp3");
    record.format = QStringLiteral("MP3");
    record.duration = QStringLiteral("00:02:00");
    record.size = QStringLiteral("1.83 MB");
    record.createTime = QStringLiteral("06-12-2026 10:30");
    ParserXML::addOrUpdateHistory(record);
    MainWindow window;
    // A key is only written into an element that exists: read it first.
    ParserXML::getSettingValue(QStringLiteral("SHOWDOWN_ITEM"), QStringLiteral("Finished_All_Job"),
                               QStringLiteral("0"));
    ParserXML::setSettingValue(QStringLiteral("SHOWDOWN_ITEM"), QStringLiteral("Finished_All_Job"),
                               QStringLiteral("1"));
    window.move(0, 0);
    window.resize(1200, 860);
    window.show();
    QFileListWgt* list = window.fileList();
    auto* countdown = new EndOfJobsAction;
    countdown->setTickInterval(0);  // the picture shows a count, nothing is ever asked
    list->setEndOfJobsAction(countdown);
    list->setEditedItem(list->library().find(source));
    VEEditConfig config;
    config.trimStartUs = 10000000;
    config.trimEndUs = 110000000;
    config.eqFrequencies = {60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};
    config.eqGains = QVector<double>(10, 3.0);
    bool shotProgress = false;
    QTimer::singleShot(1000, &window, [&] {
        list->OnConvertFile(config, false);
        QObject::connect(list->converter(), &NxConverterObject::emitConvertProgress, &window,
                         [&](uint32_t progress) {
                             if (progress >= 30 && !shotProgress) {
                                 shotProgress = true;
                                 shoot(dir + QStringLiteral("/progress.png"));
                             }
                         });
        QObject::connect(list, &QFileListWgt::emitConvertFilePath, &window, [&] {
            QTimer::singleShot(700, &window, [&] {
                for (int i = 0; i < 7; ++i)
                    countdown->tick();
                shoot(dir + QStringLiteral("/countdown.png"));
                countdown->cancel();
                app.quit();
            });
        });
    });
    return app.exec();
}
