#include "qjobsfinisheddlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qnxbasebutton.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 170;

}  // namespace

QJobsFinishedDlg::QJobsFinishedDlg(EndOfJobsAction* action, QWidget* parent)
    : QNxDialogEx(parent), m_action(action), m_shown(action->pending())
{
    setTitle(tr("Conversion Completed"));
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));
    closeButton()->setToolTip(tr("Cancel"));
    setFixedSize(kWidth, kHeight);

    m_lblText = new QLabel(this);
    m_lblText->setFont(NxSkin::font(13));
    m_lblText->setStyleSheet(QStringLiteral("color: %1;").arg(NxSkin::text().name()));
    m_lblText->setWordWrap(true);
    m_lblText->setAccessibleName(tr("Countdown"));
    m_btnCancel = new QNxBaseButton(QStringLiteral("/image/common/btn_accent.png"), this);
    m_btnCancel->setText(tr("Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_btnCancel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 16);
    column->addWidget(m_lblText, 1);
    column->addLayout(buttons);

    connect(m_btnCancel, &QAbstractButton::clicked, m_action, &EndOfJobsAction::cancel);
    connect(m_action, &EndOfJobsAction::countdownChanged, this, &QJobsFinishedDlg::showCount);
    connect(m_action, &EndOfJobsAction::countdownEnded, this, &QDialog::accept);
    showCount(action->remainingSeconds());
}

QString QJobsFinishedDlg::text() const
{
    return m_lblText->text();
}

void QJobsFinishedDlg::OnBtnClose()
{
    m_action->cancel();
}

void QJobsFinishedDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_action->cancel();
        return;
    }
    QNxDialogEx::keyPressEvent(event);
}

void QJobsFinishedDlg::showCount(int seconds)
{
    // "s" rather than "seconds": one text for every count, in every language.
    const QString text =
        m_shown == EndOfJobsAction::Action::ShutDown
            ? tr("All jobs are finished. The computer will shut down in %1 s.").arg(seconds)
            : tr("All jobs are finished. The computer will go to sleep in %1 s.").arg(seconds);
    m_lblText->setText(text);
}
