#pragma once
// QEffectModel: the rows of the Effect tab's preset list, one QEffectChunk per preset of a
// QAudioEffectManager in its order: the name (display role) and the thumbnail (decoration
// role). The row of the preset named "Customed" is the custom slot; without one, row 0 is.
// The model owns its chunks. GUI thread only.

#include <QPixmap>
#include <QVector>

#include <memory>
#include <vector>

#include "qbasedetailsmodel.h"
#include "qeffectchunk.h"

class QAudioEffectManager;

class QEffectModel : public QBaseDetailsModel {
    Q_OBJECT
public:
    explicit QEffectModel(QObject* parent = nullptr);
    ~QEffectModel() override;

    // Replaces the rows with the manager's presets (none for a null manager).
    void fill(const QAudioEffectManager* manager);
    // The custom slot's row, -1 when the list is empty.
    int customRow() const { return m_customRow; }
    // Null when row is out of range.
    QEffectChunk* chunkAt(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    QVariant displayText(const IBaseChunk* item, int column) const override;

private:
    std::vector<std::unique_ptr<QEffectChunk>> m_chunks;
    QVector<QPixmap> m_thumbnails;
    int m_customRow = -1;
};
