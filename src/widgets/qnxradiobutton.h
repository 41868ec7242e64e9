#pragma once

#include <QRadioButton>

#include "qnxindicatorbutton.h"

// The skinned radio button: the indicator from the four-frame strip "/image/common/radio.png";
// a checked button shows the pressed frame. GUI thread only.
class QNxRadioButton : public QNxIndicatorButton<QRadioButton> {
    Q_OBJECT
public:
    explicit QNxRadioButton(QWidget* parent = nullptr);
    explicit QNxRadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    bool isMarked() const override { return isChecked(); }
};
