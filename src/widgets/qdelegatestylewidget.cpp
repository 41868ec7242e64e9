#include "qdelegatestylewidget.h"

#include <QStyle>

#include "nxskin.h"

QDelegateStyleWidget::QDelegateStyleWidget(QWidget* parent)
    : QWidget(parent),
      m_backgroundColor(NxSkin::panel()),
      m_alternateColor(QColor(23, 24, 30)),
      m_hoverColor(NxSkin::rowHover()),
      m_selectedColor(NxSkin::selection()),
      m_textColor(NxSkin::text()),
      m_selectedTextColor(NxSkin::textBright()),
      m_disabledTextColor(NxSkin::textDisabled()),
      m_separatorColor(QColor(30, 32, 40))
{
    setVisible(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QDelegateStyleWidget::applyStyleSheet(const QString& sheet)
{
    setStyleSheet(sheet);
    style()->unpolish(this);
    style()->polish(this);
}
