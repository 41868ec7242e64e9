// Helper of tst_storagerobustness, a second process that uses the settings files.
//   historyappendchild append PREFIX N   waits for a line on stdin, then stores N history
//                                        records "/two/PREFIX-<i>.mp3" one call each
//   historyappendchild touch             reads the history and the settings file once

#include <QCoreApplication>

#include <cstdio>

#include <sys/prctl.h>
#include <csignal>

#include "parserxml.h"

int main(int argc, char** argv)
{
    // Never outlive the test.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("touch")) {
        ParserXML::loadAllHistory();
        ParserXML::getSettingValue(QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg"),
                                   QStringLiteral("Y"));
        return 0;
    }
    if (args.size() != 3 || args.at(0) != QLatin1String("append"))
        return 2;
    // Both processes start writing at the same moment: the test releases them together.
    char line[8];
    if (!std::fgets(line, sizeof line, stdin))
        return 3;
    const int count = args.at(2).toInt();
    for (int i = 0; i < count; ++i) {
        HistoryRecord record;
        record.filePath = QStringLiteral("/two/%1-%2.mp3").arg(args.at(1)).arg(i);
        record.title = QStringLiteral("%1 %2").arg(args.at(1)).arg(i);
        if (!ParserXML::addOrUpdateHistory(record))
            return 1;
    }
    return 0;
}
