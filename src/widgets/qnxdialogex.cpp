#include "qnxdialogex.h"

#include <QPainter>
#include <QPropertyAnimation>

#include "nxskin.h"

namespace {
constexpr int kLogoSize = 20;
constexpr int kLogoLeft = 12;
}  // namespace

QNxDialogEx::QNxDialogEx(QWidget* parent) : QNxDialog(parent)
{
    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setDuration(kFadeMs);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        const int result = m_closingResult;
        m_closingResult = -1;
        done(result);
    });
}

void QNxDialogEx::setLogoVisible(bool visible)
{
    m_logoVisible = visible;
    update();
}

void QNxDialogEx::closeAnimated(int result)
{
    const bool running = m_closingResult >= 0;
    m_closingResult = qMax(0, result);
    if (!running)
        m_fade->start();
}

void QNxDialogEx::OnBtnClose()
{
    closeAnimated(QDialog::Rejected);
}

int QNxDialogEx::titleTextLeft() const
{
    return m_logoVisible ? kLogoLeft + kLogoSize + 8 : QNxDialog::titleTextLeft();
}

void QNxDialogEx::paintEvent(QPaintEvent* event)
{
    QNxDialog::paintEvent(event);
    if (!m_logoVisible || titleBarHeight() < kLogoSize)
        return;
    const QPixmap logo = NxSkin::pixmap(QStringLiteral("/image/common/no_title_logo.png"));
    if (logo.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(kLogoLeft, (titleBarHeight() - kLogoSize) / 2, kLogoSize, kLogoSize),
                       logo);
}

void QNxDialogEx::showEvent(QShowEvent* event)
{
    // A dialog shown again after a fade-out must be opaque.
    m_fade->stop();
    m_closingResult = -1;
    setWindowOpacity(1.0);
    QNxDialog::showEvent(event);
}
