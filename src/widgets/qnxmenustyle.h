#pragma once

#include <QProxyStyle>

// Style of the skinned menus: a dark panel with a one-pixel border, 30-pixel rows with a
// 16-pixel icon column, the hovered row in the selection colour with bright text, a tick
// ("/image/common/menu_check.png") before checked entries, thin separators. GUI thread only.
class QNxMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;
    static constexpr int kSeparatorHeight = 9;

    QNxMenuStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
