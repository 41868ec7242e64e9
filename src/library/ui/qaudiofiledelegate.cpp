#include "qaudiofiledelegate.h"

#include "qaudiofilemodel.h"
#include "qnxlineedit.h"
#include "qnxstylebutton.h"

namespace {
constexpr int kButtonGap = 4;
}  // namespace

QAudioFileDelegate::QAudioFileDelegate(QObject* parent) : QNxControlStyleDelegate(parent)
{
    m_play = addButton(QAudioFileModel::PlayButtonsColumn,
                       new QNxStyleButton(QStringLiteral("/image/FileList/btn_play.png")));
    m_pause = addButton(QAudioFileModel::PlayButtonsColumn,
                        new QNxStyleButton(QStringLiteral("/image/FileList/btn_pause.png")));
    m_edit = addButton(QAudioFileModel::PlayButtonsColumn,
                       new QNxStyleButton(QStringLiteral("/image/FileList/btn_edit.png")));
    m_delete = addButton(QAudioFileModel::DeleteButtonColumn,
                         new QNxStyleButton(QStringLiteral("/image/FileList/btn_delete.png")));
    m_play->setToolTip(tr("Play"));
    m_pause->setToolTip(tr("Pause"));
    m_edit->setToolTip(tr("Edit"));
    m_delete->setToolTip(tr("Delete"));
    m_edit->setPlacement(Qt::AlignRight, kButtonGap);
    m_pause->setPlacement(Qt::AlignRight, kButtonGap * 2 + m_edit->size().width());
    m_play->setPlacement(Qt::AlignRight,
                         kButtonGap * 3 + m_edit->size().width() + m_pause->size().width());
    m_delete->setPlacement(Qt::AlignHCenter, 0);
    connect(m_play, &QNxStyleButton::emitClickIndex, this, &QAudioFileDelegate::emitPlayItem);
    connect(m_pause, &QNxStyleButton::emitClickIndex, this, &QAudioFileDelegate::emitPauseItem);
    connect(m_edit, &QNxStyleButton::emitClickIndex, this, &QAudioFileDelegate::emitEditItem);
    connect(m_delete, &QNxStyleButton::emitClickIndex, this, &QAudioFileDelegate::emitDeleteItem);
}

QWidget* QAudioFileDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const
{
    if (index.column() != QAudioFileModel::NameColumn)
        return nullptr;
    auto* editor = new QNxLineEdit(parent);
    editor->setAccessibleName(tr("File Name"));
    return editor;
}

void QAudioFileDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QNxLineEdit*>(editor)) {
        line->setText(index.data(Qt::DisplayRole).toString());
        line->selectAll();
    }
}

void QAudioFileDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                      const QModelIndex& index) const
{
    auto* line = qobject_cast<QNxLineEdit*>(editor);
    if (!line || line->text() == index.data(Qt::DisplayRole).toString())
        return;
    // The list renames the file; the model shows the name the file really got.
    emit const_cast<QAudioFileDelegate*>(this)->emitChangeName(index, line->text());
}
