#pragma once
// The write sequence shared by tst_historycrash and its child process.

#include <QString>

#include "historyrecord.h"

namespace historycrash {

constexpr int kSlots = 40;

inline QString slotPath(int slot)
{
    return QStringLiteral("/crash/slot%1.mp3").arg(slot);
}

inline HistoryRecord recordOfGeneration(qint64 g)
{
    HistoryRecord r;
    r.filePath = slotPath(static_cast<int>(g % kSlots));
    r.title = QStringLiteral("gen %1").arg(g);
    // Some bulk so that a write takes long enough to be interrupted half-way.
    r.genre = QString(200, QLatin1Char('g'));
    r.duration = QStringLiteral("00:00:%1").arg(g % 60, 2, 10, QLatin1Char('0'));
    r.isNew = g % 2 == 0;
    for (int i = 0; i < g % 4; ++i)
        r.listNames << QStringLiteral("L%1-%2").arg(g).arg(i);
    return r;
}

}  // namespace historycrash
