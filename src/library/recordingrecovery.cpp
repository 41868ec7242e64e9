#include "recordingrecovery.h"

#include <QFile>
#include <QFileInfo>

#include "historywriter.h"
#include "listtexts.h"
#include "parserxml.h"
#include "recordingjournal.h"
#include "recordingprobe.h"
#include "recordingrepair.h"

namespace RecordingRecovery {

namespace {

// Enters one cut-off file; false when there is nothing to keep.
bool recoverOne(const QString& path, Result* result)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.size() == 0) {
        // Killed before the first byte: there is nothing to play or keep.
        QFile::remove(path);
        return false;
    }
    if (ParserXML::findHistory(path))
        return true;
    QString error;
    if (RecordingRepair::needsRepair(info.suffix()) && !RecordingRepair::repair(path, &error)) {
        qWarning("recovered recording %s not repaired: %s", qPrintable(path), qPrintable(error));
        result->problems.append(QStringLiteral("%1: %2").arg(path, error));
    }
    const RecordingProbe::Facts facts = RecordingProbe::probe(path);
    HistoryRecord record = finishedRecordingRecord(path, facts.durationUs, info.suffix().toUpper(),
                                                   info.suffix(), 0, 0);
    record.size = ListTexts::sizeText(QFileInfo(path).size());
    if (!facts.opened)
        record.duration.clear();
    return ParserXML::addOrUpdateHistory(record);
}

}  // namespace

Result recover(RecordingJournal& journal)
{
    Result result;
    const QStringList paths = journal.paths();
    for (const QString& path : paths) {
        if (recoverOne(path, &result))
            result.recovered.append(path);
    }
    journal.clear();
    return result;
}

}  // namespace RecordingRecovery
