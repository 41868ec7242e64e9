#pragma once

#include <QCheckBox>

#include "qnxindicatorbutton.h"

// The skinned check box: the indicator from the four-frame strip "/image/common/checkbox.png";
// a checked or partly checked box shows the pressed frame. GUI thread only.
class QNxCheckBox : public QNxIndicatorButton<QCheckBox> {
    Q_OBJECT
public:
    explicit QNxCheckBox(QWidget* parent = nullptr);
    explicit QNxCheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    bool isMarked() const override { return checkState() != Qt::Unchecked; }
};
