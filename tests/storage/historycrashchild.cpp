// Helper of tst_historycrash: rewrites the history file for ever, one record per write, until
// it is killed. Write number g stores the record of slot g % kSlots with title "gen g" and
// g % 4 playlist names, so every complete file is the state after some write g.
// It prints "ready" once its first write is complete.
// Usage: historycrashchild <first generation>

#include <QCoreApplication>

#include <cstdio>

#include <sys/prctl.h>
#include <csignal>

#include "historycrashshared.h"
#include "parserxml.h"

int main(int argc, char** argv)
{
    // Never outlive the test, even when it dies before killing us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const qint64 first = QByteArray(argv[1]).toLongLong();
    ParserXML::addOrUpdateHistory(historycrash::recordOfGeneration(first));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (qint64 g = first + 1;; ++g)
        ParserXML::addOrUpdateHistory(historycrash::recordOfGeneration(g));
}
