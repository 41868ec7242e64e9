#include "qnxradiobutton.h"

QNxRadioButton::QNxRadioButton(QWidget* parent) : QNxRadioButton(QString(), parent) {}

QNxRadioButton::QNxRadioButton(const QString& text, QWidget* parent)
    : QNxIndicatorButton<QRadioButton>(text, QStringLiteral("/image/common/radio.png"), parent)
{
}
