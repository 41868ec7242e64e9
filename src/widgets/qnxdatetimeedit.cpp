#include "qnxdatetimeedit.h"

#include <QEvent>

#include "nxskin.h"
#include "qnxbasebutton.h"

QNxDateTimeEdit::QNxDateTimeEdit(QWidget* parent)
    : QNxDateTimeEdit(QDateTime::currentDateTime(), parent)
{
}

QNxDateTimeEdit::QNxDateTimeEdit(const QDateTime& dateTime, QWidget* parent)
    : QDateTimeEdit(dateTime, parent)
{
    setFont(NxSkin::font(12));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setMinimumHeight(28);
    setStyleSheet(
        QStringLiteral("QDateTimeEdit{background:rgb(32,33,41);border:1px solid rgb(54,57,70);"
                       "border-radius:4px;color:rgb(214,216,224);padding:0px 22px 0px 6px;"
                       "selection-background-color:rgb(61,170,228);selection-color:white;}"
                       "QDateTimeEdit:hover,QDateTimeEdit:focus{border-color:rgb(61,170,228);}"
                       "QDateTimeEdit:disabled{background:rgb(26,27,33);color:rgb(92,96,108);}"));
    m_up = new QNxBaseButton(QStringLiteral("/image/common/time_edit_arrow_up.png"), this);
    m_down = new QNxBaseButton(QStringLiteral("/image/common/time_edit_arrow_down.png"), this);
    for (QNxBaseButton* button : {m_up, m_down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    connect(m_up, &QAbstractButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QAbstractButton::clicked, this, [this] { stepBy(-1); });
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& value) {
        if (!m_silent)
            emit emitDateTimeEdited(value);
    });
}

void QNxDateTimeEdit::setDateTimeSilently(const QDateTime& dateTime)
{
    m_silent = true;
    setDateTime(dateTime);
    m_silent = false;
}

void QNxDateTimeEdit::resizeEvent(QResizeEvent* event)
{
    QDateTimeEdit::resizeEvent(event);
    const QSize arrow = m_up->size();
    const int x = width() - arrow.width() - 4;
    m_up->move(x, height() / 2 - arrow.height());
    m_down->move(x, height() / 2);
}

void QNxDateTimeEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_up->setEnabled(isEnabled());
        m_down->setEnabled(isEnabled());
    }
    QDateTimeEdit::changeEvent(event);
}
