#pragma once
// QAudioFileSortModel: sorting and search of the recordings list. The "Created Time" column
// sorts by time (the row being recorded by its fixed-row flag alone, so it stays at one end);
// the other columns, and rows without a time, by the generic text rule of QNxBaseSortModel.
// The source model's rows must all be QAudioFileChunk items (the list's model).
// GUI thread only.

#include <QRegularExpression>

#include "qnxbasesortmodel.h"

class QAudioFileSortModel : public QNxBaseSortModel {
    Q_OBJECT
public:
    explicit QAudioFileSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    // Matches the search against the texts of the columns, read from the row's item.
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    mutable QString m_matcherPattern;
    mutable QRegularExpression m_matcher;
};
