#include "qscheduletipwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "nxskin.h"
#include "qnxbasebutton.h"

namespace {
constexpr int kScreenMargin = 12;
}  // namespace

QScheduleTipWidget::QScheduleTipWidget(bool closable, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_text = new QLabel(this);
    m_text->setFont(NxSkin::font(12));
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::WindowText, NxSkin::text());
    m_text->setPalette(pal);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, closable ? 6 : 12, 8);
    row->setSpacing(8);
    row->addWidget(m_text, 1);
    if (closable) {
        m_btnClose = new QNxBaseButton(QStringLiteral("/image/btn_close.png"), this);
        m_btnClose->setFixedSize(m_btnClose->drawer().frameSize());
        row->addWidget(m_btnClose);
        connect(m_btnClose, &QAbstractButton::clicked, this, [this] {
            hide();
            emit emitClose(0);
        });
    }
    retranslateUi();
}

void QScheduleTipWidget::retranslateUi()
{
    if (m_btnClose)
        m_btnClose->setToolTip(tr("Close"));
}

void QScheduleTipWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void QScheduleTipWidget::setText(const QString& text)
{
    m_text->setText(text);
    adjustSize();
}

QString QScheduleTipWidget::text() const
{
    return m_text->text();
}

void QScheduleTipWidget::placeAtScreenCorner(const QWidget* screenOf)
{
    const QScreen* screen = screenOf ? screenOf->screen() : nullptr;
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.right() - width() - kScreenMargin, area.bottom() - height() - kScreenMargin);
}

void QScheduleTipWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), NxSkin::surface());
    painter.setPen(NxSkin::accent());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
