#include "qvideoedittag.h"

#include <QEvent>

#include "qnxbasebutton.h"

namespace {
constexpr int kButtonGap = 2;
}

QVideoEditTag::QVideoEditTag(QWidget* parent) : QWidget(parent)
{
    for (int i = 0; i < 3; ++i) {
        auto* button = new QNxBaseButton(QStringLiteral("/tab_btn_bg_image.png"), this);
        button->setCheckable(true);
        button->setFontPixelSize(13);
        connect(button, &QAbstractButton::clicked, this, [this, i] {
            m_buttons[i]->setChecked(i == m_current);  // a click toggled it; selectTab decides
            selectTab(i);
        });
        m_buttons.append(button);
        m_hidden.append(false);
    }
    retranslate();
    layoutButtons();
}

void QVideoEditTag::selectTab(int index)
{
    if (index < 0 || index >= m_buttons.size() || index == m_current || m_hidden[index])
        return;
    if (QNxBaseButton* previous = m_buttons.value(m_current))
        previous->setChecked(false);
    m_current = index;
    m_buttons[index]->setChecked(true);
    emit emitSelectedTag(index);
}

void QVideoEditTag::setTabHidden(int index, bool hidden)
{
    if (index < 0 || index >= m_buttons.size() || m_hidden[index] == hidden)
        return;
    m_hidden[index] = hidden;
    m_buttons[index]->setVisible(!hidden);
    m_buttons[index]->setEnabled(!hidden);
    layoutButtons();
    if (!hidden || index != m_current)
        return;
    m_buttons[index]->setChecked(false);
    m_current = -1;
    for (int i = index + 1; i < m_buttons.size(); ++i) {
        if (!m_hidden[i])
            return selectTab(i);
    }
    for (int i = index - 1; i >= 0; --i) {
        if (!m_hidden[i])
            return selectTab(i);
    }
}

void QVideoEditTag::setTabEnabled(int index, bool enabled)
{
    if (index >= 0 && index < m_buttons.size() && !m_hidden[index])
        m_buttons[index]->setEnabled(enabled);
}

bool QVideoEditTag::isTabHidden(int index) const
{
    return m_hidden.value(index, true);
}

void QVideoEditTag::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void QVideoEditTag::retranslate()
{
    const QString texts[] = {tr("Trim"), tr("Effect"), tr("Tag")};
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setText(texts[i]);
        m_buttons[i]->setToolTip(texts[i]);
    }
}

void QVideoEditTag::layoutButtons()
{
    int x = 0;
    int height = 0;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_hidden[i])
            continue;
        m_buttons[i]->move(x, 0);
        x += m_buttons[i]->width() + kButtonGap;
        height = qMax(height, m_buttons[i]->height());
    }
    setFixedSize(qMax(0, x - kButtonGap), height);
}
