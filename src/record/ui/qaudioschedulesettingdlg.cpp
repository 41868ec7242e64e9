#include "qaudioschedulesettingdlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "qnxbasebutton.h"
#include "qnxtimeedit.h"
#include "qtimeoptions.h"
#include "schedulerepeatedit.h"
#include "scheduletime.h"
#include "timeoptions.h"

namespace {

QNxBaseButton* makeButton(const QString& image, const QString& text, QWidget* parent)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setText(text);
    return button;
}

}  // namespace

QAudioScheduleSettingDlg::QAudioScheduleSettingDlg(QWidget* parent) : QNxDialog(parent)
{
    setTitle(tr("Record time options"));
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));
    m_options = new QTimeOptions(this);
    m_btnOk = makeButton(QStringLiteral("/image/common/btn_accent.png"), tr("OK"), this);
    m_btnCancel = makeButton(QStringLiteral("/image/common/btn_common.png"), tr("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 0, 20, 14);
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_options, 1);
    column->addLayout(buttons);
    // Wider than its usual size where a language needs it, so no text is cut.
    setFixedSize(qMax(kWidth, sizeHint().width()), qMax(kHeight, sizeHint().height()));

    connect(m_btnOk, &QAbstractButton::clicked, this, &QAudioScheduleSettingDlg::OnBtnOk);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void QAudioScheduleSettingDlg::OnBtnOk()
{
    const uint64_t start = ScheduleTime::parseText(m_options->startEdit()->text());
    const uint64_t end = ScheduleTime::parseText(m_options->endEdit()->text());
    TimeOptions::confirmSchedule(m_options->scheduleTicked(), start, end,
                                 m_options->repeatEdit()->repeat());
    emit emitSetSchedule();
    accept();
}
