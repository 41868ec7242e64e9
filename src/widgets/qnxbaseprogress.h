#pragma once

#include <QProgressBar>

#include "qnxbaserectimagedraw.h"

// The skinned progress bar: the "bottom" image stretched over the whole bar and the "top"
// image over the part done (from the left, or from the bottom when vertical). Without images
// it draws rounded bars in the theme colours. The text, when visible, is drawn centred.
// GUI thread only.
class QNxBaseProgress : public QProgressBar {
    Q_OBJECT
public:
    explicit QNxBaseProgress(QWidget* parent = nullptr);

    bool setImages(const QString& bottom, const QString& top);
    // Done part as a ratio 0..1 of the range.
    double ratio() const;
    // The rectangle the done part covers for the current value.
    QRect doneRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QNxBaseRectImageDraw m_bottom;
    QNxBaseRectImageDraw m_top;
};
