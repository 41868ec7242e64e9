#include "qeffectmodel.h"

#include "qaudioeffectmanager.h"

namespace {

// The names of the shipped presets (resources/effects/presets.txt), so that the list shows
// them in the interface language. Presets added later keep their own names.
const char* const kShippedNames[] = {QT_TRANSLATE_NOOP("QEffectModel", "Customed"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Flat"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Pop"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Rock"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Jazz"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Classical"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Dance"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Bass Boost"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Treble Boost"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Vocal"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Acoustic"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Electronic"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Hip Hop"),
                                     QT_TRANSLATE_NOOP("QEffectModel", "Speech")};

}  // namespace

QEffectModel::QEffectModel(QObject* parent) : QBaseDetailsModel(1, parent) {}

QEffectModel::~QEffectModel()
{
    clear();  // the base keeps pointers to the chunks, which go with this object
}

void QEffectModel::fill(const QAudioEffectManager* manager)
{
    clear();
    m_chunks.clear();
    m_thumbnails.clear();
    m_customRow = -1;
    const int count = manager ? manager->count() : 0;
    std::vector<IBaseChunk*> rows;
    for (int i = 0; i < count; ++i) {
        const AudioEffectPreset* preset = manager->preset(i);
        auto chunk = std::make_unique<QEffectChunk>();
        chunk->setName(preset->name.toStdString());
        chunk->setImagePath(preset->thumbnail.toStdString());
        chunk->setIndexValue(i);
        rows.push_back(chunk.get());
        m_chunks.push_back(std::move(chunk));
        // A missing or broken thumbnail leaves a null pixmap: the tile then shows only the name.
        m_thumbnails.append(QPixmap(preset->thumbnail));
    }
    if (count > 0) {
        const int named = manager->customIndex();
        m_customRow = named >= 0 ? named : 0;
        m_chunks[m_customRow]->setCustomSlot(true);
    }
    setItems(rows);
}

QEffectChunk* QEffectModel::chunkAt(int row) const
{
    return row >= 0 && row < int(m_chunks.size()) ? m_chunks[row].get() : nullptr;
}

QVariant QEffectModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DecorationRole && index.isValid() && index.row() < m_thumbnails.size())
        return m_thumbnails[index.row()];
    return QBaseDetailsModel::data(index, role);
}

QVariant QEffectModel::displayText(const IBaseChunk* item, int column) const
{
    if (column != 0)
        return {};
    const std::string name = item->name();
    for (const char* shipped : kShippedNames) {
        if (name == shipped)
            return tr(shipped);
    }
    return QString::fromStdString(name);
}
