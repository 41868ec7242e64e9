#pragma once

#include <QMainWindow>

class QHBoxLayout;
class QLabel;
class QNxBaseButton;
class QNxWidget;

// The frameless skinned main window. Its menu-widget slot holds a title bar: the logo, the
// title, room for the caller's own buttons, and minimise, maximise/restore and close buttons
// ("/image/btn_min.png", "/image/btn_max.png", "/image/btn_restore.png",
// "/image/btn_close.png") wired to the virtual slots below. Pressing on the title bar and
// moving drags the window; a double click toggles maximised. GUI thread only.
class QNxMainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kTitleBarHeight = 40;

    explicit QNxMainWindow(QWidget* parent = nullptr);

    QNxWidget* titleBar() const { return m_titleBar; }
    // Adds a button to the title bar before the window buttons (e.g. a menu button).
    void addTitleBarButton(QNxBaseButton* button);
    // Adds any widget to the middle of the title bar, after the title.
    void addTitleBarWidget(QWidget* widget, int stretch = 0);
    QNxBaseButton* minButton() const { return m_btnMin; }
    QNxBaseButton* maxButton() const { return m_btnMax; }
    QNxBaseButton* restoreButton() const { return m_btnRestore; }
    QNxBaseButton* closeButton() const { return m_btnClose; }
    bool isDragging() const { return m_dragging; }

public slots:
    virtual void OnShowMin();
    virtual void OnShowMax();
    virtual void OnShowRestored();
    virtual void OnClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslateTitleBar();
    void updateMaxRestore();

    QNxWidget* m_titleBar = nullptr;
    QHBoxLayout* m_titleLayout = nullptr;
    QLabel* m_title = nullptr;
    int m_customInsert = 0;
    QNxBaseButton* m_btnMin = nullptr;
    QNxBaseButton* m_btnMax = nullptr;
    QNxBaseButton* m_btnRestore = nullptr;
    QNxBaseButton* m_btnClose = nullptr;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
