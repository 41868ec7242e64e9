#pragma once

#include <QDialog>

class QNxBaseButton;

// The frameless skinned dialog: a panel-coloured window with a one-pixel border and its own
// title bar (title text at the left, the close button "/image/btn_close.png" at the right).
// Pressing in the title bar and moving drags the window; the close button rejects. Contents
// margins keep any layout set on the dialog below the title bar. GUI thread only.
class QNxDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultTitleBarHeight = 36;

    explicit QNxDialog(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return windowTitle(); }
    void setTitleBarHeight(int pixels);
    int titleBarHeight() const { return m_titleBarHeight; }
    QRect titleBarRect() const;
    QNxBaseButton* closeButton() const { return m_btnClose; }
    bool setCloseButtonImage(const QString& path);
    void setDraggable(bool draggable) { m_draggable = draggable; }
    bool isDragging() const { return m_dragging; }

public slots:
    // The close button's slot: rejects the dialog.
    virtual void OnBtnClose();

protected:
    // Left edge of the title text; subclasses that draw a logo move it.
    virtual int titleTextLeft() const;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeCloseButton();

    QNxBaseButton* m_btnClose = nullptr;
    int m_titleBarHeight = kDefaultTitleBarHeight;
    bool m_draggable = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
