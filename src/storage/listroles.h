#pragma once
// The item roles shared by the list models (QBaseDetailsModel and its subclasses) and the
// sort models and delegates that read them, without needing the models' library.

#include <QMetaType>
#include <Qt>

#include "ibasechunk.h"

Q_DECLARE_METATYPE(IBaseChunk*)

namespace ListRoles {

constexpr int kItem = Qt::UserRole + 3;    // QVariant of IBaseChunk*: the row's item
constexpr int kMarked = Qt::UserRole + 4;  // bool: IBaseChunk::marked

}  // namespace ListRoles
