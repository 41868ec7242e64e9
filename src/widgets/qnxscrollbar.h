#pragma once

#include <QScrollBar>

class QNxScrollBarStyle;

// The skinned scroll bar (thin, no arrows, rounded handle; see QNxScrollBarStyle). Views of
// the toolkit install it for both directions. GUI thread only.
class QNxScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit QNxScrollBar(QWidget* parent = nullptr);
    explicit QNxScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~QNxScrollBar() override;

    QSize sizeHint() const override;

private:
    QNxScrollBarStyle* m_style = nullptr;
};
