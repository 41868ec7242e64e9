#include "qaudiofilesortmodel.h"

#include <QRegExp>

#include "audiofilecolumns.h"
#include "listroles.h"
#include "listtexts.h"
#include "qaudiofilechunk.h"

namespace {

// The source is the recordings list's model, whose rows are recordings only.
const QAudioFileChunk* fileItem(const QModelIndex& source)
{
    return static_cast<const QAudioFileChunk*>(source.data(ListRoles::kItem).value<IBaseChunk*>());
}

}  // namespace

QAudioFileSortModel::QAudioFileSortModel(QObject* parent) : QNxBaseSortModel(parent) {}

bool QAudioFileSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() != AudioFileColumns::Created)
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

bool QAudioFileSortModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QRegExp& expression = filterRegExp();
    if (expression.pattern().isEmpty())
        return true;
    if (!expression.isValid())
        return false;
    const QAudioFileChunk* item = fileItem(sourceModel()->index(sourceRow, 0, sourceParent));
    if (!item)
        return QNxBaseSortModel::filterAcceptsRow(sourceRow, sourceParent);
    // The same pattern through PCRE's compiled matcher: a search walks every row, and QRegExp
    // costs about a microsecond a text. QRegExp stays the judge of what is valid.
    if (m_matcherPattern != expression.pattern()) {
        m_matcherPattern = expression.pattern();
        m_matcher = QRegularExpression(m_matcherPattern, QRegularExpression::CaseInsensitiveOption);
        m_matcher.optimize();
    }
    for (int column = AudioFileColumns::Name; column <= AudioFileColumns::Created; ++column) {
        const QString text = AudioFileColumns::text(*item, column);
        if (m_matcher.isValid() ? m_matcher.match(text).hasMatch() : expression.indexIn(text) >= 0)
            return true;
    }
    return false;
}
