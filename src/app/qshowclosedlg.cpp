#include "qshowclosedlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "parserxml.h"
#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "qnxradiobutton.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 190;

QNxBaseButton* makeButton(const QString& image, const QString& text, QWidget* parent)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setText(text);
    return button;
}

}  // namespace

QShowCloseDlg::QShowCloseDlg(QWidget* parent) : QNxDialog(parent)
{
    setTitle(QStringLiteral("Quillon Audio Recorder"));
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));
    setFixedSize(kWidth, kHeight);

    m_radMinimize = new QNxRadioButton(tr("Minimize to Tray"), this);
    m_radExit = new QNxRadioButton(tr("Exit"), this);
    m_chkNote = new QNxCheckBox(tr("Don't show this message again"), this);
    const bool exit = ParserXML::isTrueText(ParserXML::getSettingValue(
        QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg"), QStringLiteral("Y")));
    (exit ? m_radExit : m_radMinimize)->setChecked(true);
    m_btnOk = makeButton(QStringLiteral("/image/common/btn_accent.png"), tr("OK"), this);
    m_btnCancel = makeButton(QStringLiteral("/image/common/btn_common.png"), tr("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 16, 20, 14);
    column->setSpacing(10);
    column->addWidget(m_radMinimize);
    column->addWidget(m_radExit);
    column->addSpacing(4);
    column->addWidget(m_chkNote);
    column->addStretch(1);
    column->addLayout(buttons);

    connect(m_btnOk, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

bool QShowCloseDlg::exitChosen() const
{
    return m_radExit->isChecked();
}

bool QShowCloseDlg::dontShowAgain() const
{
    return m_chkNote->isChecked();
}
