#pragma once
// The order in which the play bar walks its play list: which entry comes next or before the
// current file. Paths compare exactly, with '/' separators (normalised() turns '\' into '/').

#include <QString>
#include <QStringList>

namespace PlayListOrder {

// The index to play after `current`: entry 0 when current is not listed, else the next entry;
// after the last entry entry 0 again, unless the last file finished by itself: then -1, the
// list has run out. -1 for an empty list.
int nextIndex(const QStringList& list, const QString& current, bool finishedByItself);

// The index to play before `current`: the entry before it; the last entry when current is the
// first or not listed. -1 for an empty list.
int previousIndex(const QStringList& list, const QString& current);

QString normalised(QString path);
QStringList normalised(QStringList paths);

}  // namespace PlayListOrder
