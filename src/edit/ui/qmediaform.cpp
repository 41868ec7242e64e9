#include "qmediaform.h"

#include <QPainter>

#include "nxskin.h"

QMediaForm::QMediaForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QMediaForm"));
    setFixedWidth(kSide);
    setMinimumHeight(kSide);
}

void QMediaForm::setFileName(const QString& name)
{
    m_fileName = name;
    setAccessibleName(name);
    update();
}

void QMediaForm::OnSetCoverImage(const QImage& image)
{
    m_cover = image;
    update();
}

void QMediaForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect square(0, 0, kSide, kSide);
    painter.fillRect(square, NxSkin::surface());
    painter.setPen(NxSkin::border());
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    if (!m_cover.isNull()) {
        const QImage shown = m_cover.scaled(square.size() - QSize(8, 8), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation);
        QRect target(QPoint(), shown.size());
        target.moveCenter(square.center());
        painter.drawImage(target, shown);
        return;
    }
    painter.setPen(NxSkin::textDim());
    painter.setFont(NxSkin::font(12));
    painter.drawText(square.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWrapAnywhere,
                     m_fileName);
}
