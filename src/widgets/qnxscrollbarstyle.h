#pragma once

#include <QProxyStyle>

// Style of the skinned scroll bars: a thin track without arrow buttons and a rounded handle
// that lightens on hover and turns to the accent colour while dragged. Set on QNxScrollBar
// (and usable on any scroll bar). GUI thread only.
class QNxScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kExtent = 10;
    static constexpr int kMinimumHandle = 30;

    QNxScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
