#include "qnxcheckbox.h"

QNxCheckBox::QNxCheckBox(QWidget* parent) : QNxCheckBox(QString(), parent) {}

QNxCheckBox::QNxCheckBox(const QString& text, QWidget* parent)
    : QNxIndicatorButton<QCheckBox>(text, QStringLiteral("/image/common/checkbox.png"), parent)
{
}
