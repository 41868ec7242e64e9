#pragma once
// QAudioFileDelegate: draws the recordings list's rows, the row buttons of the hovered row
// (play, pause and edit in column 7, delete in column 8) and the File Name cell's rename editor.
// A committed rename is not written into the model: it goes out as emitChangeName, and the
// list decides whether the file takes the name. GUI thread only.

#include "qnxcontrolstyledelegate.h"

class QNxStyleButton;

class QAudioFileDelegate : public QNxControlStyleDelegate {
    Q_OBJECT
public:
    explicit QAudioFileDelegate(QObject* parent = nullptr);

    QNxStyleButton* playButton() const { return m_play; }
    QNxStyleButton* pauseButton() const { return m_pause; }
    QNxStyleButton* editButton() const { return m_edit; }
    QNxStyleButton* deleteButton() const { return m_delete; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    void emitChangeName(const QModelIndex& index, const QString& name);
    void emitPlayItem(const QModelIndex& index);
    void emitPauseItem(const QModelIndex& index);
    void emitEditItem(const QModelIndex& index);
    void emitDeleteItem(const QModelIndex& index);

private:
    QNxStyleButton* m_play = nullptr;
    QNxStyleButton* m_pause = nullptr;
    QNxStyleButton* m_edit = nullptr;
    QNxStyleButton* m_delete = nullptr;
};
