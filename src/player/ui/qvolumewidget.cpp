#include "qvolumewidget.h"

#include <QEvent>
#include <QPainter>

#include "nxskin.h"
#include "qnxbaseslider.h"

namespace {
constexpr int kBottomMargin = 3;
constexpr int kMaxVolume = 100;
}  // namespace

QVolumeWidget::QVolumeWidget(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(kWidth, kHeight);
    m_slider = new QNxBaseSlider(Qt::Vertical, this);
    m_slider->setImages(QStringLiteral("/image/slider_bottom.png"),
                        QStringLiteral("/image/slider_top.png"),
                        QStringLiteral("/image/slider_btn.png"));
    m_slider->setRange(0, kMaxVolume);
    m_slider->setPageStep(10);
    m_slider->setGeometry(0, 0, kWidth, kHeight - kBottomMargin);
    connect(m_slider, &QNxBaseSlider::sendProgressValue, this, &QVolumeWidget::emitVolumeChange);
    installEventFilter(this);
    retranslateUi();
}

void QVolumeWidget::retranslateUi()
{
    setAccessibleName(tr("Volume"));
    m_slider->setToolTip(tr("Volume"));
}

void QVolumeWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

double QVolumeWidget::ratio() const
{
    return m_slider->maximum() > 0 ? double(m_slider->value()) / m_slider->maximum() : 0.0;
}

QString QVolumeWidget::buttonIcon(double ratio)
{
    if (ratio <= 0.001)
        return QStringLiteral("/image/BottomWidget/btn_volume_null.png");
    if (ratio <= 0.5)
        return QStringLiteral("/image/BottomWidget/btn_volume_little.png");
    if (ratio < 1.0)
        return QStringLiteral("/image/BottomWidget/btn_volume_big.png");
    return QStringLiteral("/image/BottomWidget/btn_volume_full.png");
}

void QVolumeWidget::OnSetVolume(int value)
{
    m_slider->setValue(qBound(0, value, kMaxVolume));
}

bool QVolumeWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        hide();
    return QWidget::eventFilter(watched, event);
}

void QVolumeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), NxSkin::panel());
    painter.setPen(NxSkin::popupEdge());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
