#pragma once
// QAudioFileSortModel: sorting and search of the recordings list. The "Created Time" column
// sorts by time (the row being recorded by its fixed-row flag alone, so it stays at one end);
// the other columns, and rows without a time, by the generic text rule of QNxBaseSortModel.
// GUI thread only.

#include "qnxbasesortmodel.h"

class QAudioFileSortModel : public QNxBaseSortModel {
    Q_OBJECT
public:
    static constexpr int kCreatedTimeColumn = 6;

    explicit QAudioFileSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
