#include "qconvertprogressdlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qnxbasebutton.h"
#include "qnxbaseprogress.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 150;

}  // namespace

QConvertProgressDlg::QConvertProgressDlg(QWidget* parent) : QNxDialogEx(parent)
{
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));
    setFixedSize(kWidth, kHeight);

    m_lblFile = new QLabel(this);
    m_lblFile->setFont(NxSkin::font(12));
    m_lblFile->setStyleSheet(QStringLiteral("color: %1;").arg(NxSkin::text().name()));
    m_lblFile->setTextFormat(Qt::PlainText);
    m_lblPercent = new QLabel(this);
    m_lblPercent->setFont(NxSkin::font(12));
    m_lblPercent->setStyleSheet(QStringLiteral("color: %1;").arg(NxSkin::textDim().name()));
    m_lblPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progress = new QNxBaseProgress(this);
    m_progress->setImages(QStringLiteral("/image/BottomWidget/slider_play_bottom.png"),
                          QStringLiteral("/image/BottomWidget/slider_play_top.png"));
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(6);
    m_btnCancel = new QNxBaseButton(QStringLiteral("/image/common/btn_common.png"), this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_lblFile, 1);
    fileRow->addWidget(m_lblPercent);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_btnCancel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 16);
    column->setSpacing(10);
    column->addLayout(fileRow);
    column->addWidget(m_progress);
    column->addStretch(1);
    column->addLayout(buttons);

    connect(m_btnCancel, &QAbstractButton::clicked, this, &QConvertProgressDlg::onClose);
    retranslate();
    setProgress(0);
}

void QConvertProgressDlg::setProgress(int percent)
{
    const int value = std::clamp(percent, 0, 100);
    m_progress->setValue(value);
    m_lblPercent->setText(QStringLiteral("%1%").arg(value));
}

int QConvertProgressDlg::progress() const
{
    return m_progress->value();
}

void QConvertProgressDlg::setFileName(const QString& name)
{
    m_lblFile->setText(fontMetrics().elidedText(name, Qt::ElideMiddle, kWidth - 110));
    m_lblFile->setToolTip(name);
}

void QConvertProgressDlg::onClose()
{
    close();
    emit emitCancel();
}

void QConvertProgressDlg::OnBtnClose()
{
    onClose();
}

void QConvertProgressDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels the job the same way; it must not only hide the window.
    if (event->key() == Qt::Key_Escape) {
        onClose();
        return;
    }
    QNxDialogEx::keyPressEvent(event);
}

void QConvertProgressDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QNxDialogEx::changeEvent(event);
}

void QConvertProgressDlg::retranslate()
{
    setTitle(tr("Converting"));
    m_btnCancel->setText(tr("Cancel"));
    m_progress->setAccessibleName(tr("Conversion progress"));
    closeButton()->setToolTip(tr("Cancel"));
}
