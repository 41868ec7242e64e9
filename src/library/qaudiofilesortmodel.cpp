#include "qaudiofilesortmodel.h"

#include "listroles.h"
#include "listtexts.h"
#include "qaudiofilechunk.h"

namespace {

const QAudioFileChunk* fileItem(const QModelIndex& source)
{
    return dynamic_cast<const QAudioFileChunk*>(source.data(ListRoles::kItem).value<IBaseChunk*>());
}

}  // namespace

QAudioFileSortModel::QAudioFileSortModel(QObject* parent) : QNxBaseSortModel(parent) {}

bool QAudioFileSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() != kCreatedTimeColumn)
        return QNxBaseSortModel::lessThan(left, right);
    const QAudioFileChunk* a = fileItem(left);
    const QAudioFileChunk* b = fileItem(right);
    if (!a || !b)
        return QNxBaseSortModel::lessThan(left, right);
    if (a->rowState() == QAudioFileChunk::Recording || b->rowState() == QAudioFileChunk::Recording)
        return a->isFixedItem() < b->isFixedItem();
    const qint64 keyA = ListTexts::createTimeKey(QString::fromStdString(a->createTime()));
    const qint64 keyB = ListTexts::createTimeKey(QString::fromStdString(b->createTime()));
    if (keyA < 0 || keyB < 0)
        return QNxBaseSortModel::lessThan(left, right);
    if (keyA != keyB)
        return keyA < keyB;
    return a->fileName() < b->fileName();
}
