#include "qnxmessagebox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qnxbasebutton.h"

namespace {

struct ButtonText {
    QMessageBox::StandardButton button;
    const char* text;
};

// Left-to-right order of the buttons in the row; affirmative answers first.
const ButtonText kButtons[] = {
    {QMessageBox::Yes, QT_TRANSLATE_NOOP("QNxMessageBox", "Yes")},
    {QMessageBox::YesToAll, QT_TRANSLATE_NOOP("QNxMessageBox", "Yes to All")},
    {QMessageBox::Ok, QT_TRANSLATE_NOOP("QNxMessageBox", "OK")},
    {QMessageBox::Save, QT_TRANSLATE_NOOP("QNxMessageBox", "Save")},
    {QMessageBox::SaveAll, QT_TRANSLATE_NOOP("QNxMessageBox", "Save All")},
    {QMessageBox::Open, QT_TRANSLATE_NOOP("QNxMessageBox", "Open")},
    {QMessageBox::Apply, QT_TRANSLATE_NOOP("QNxMessageBox", "Apply")},
    {QMessageBox::Retry, QT_TRANSLATE_NOOP("QNxMessageBox", "Retry")},
    {QMessageBox::Ignore, QT_TRANSLATE_NOOP("QNxMessageBox", "Ignore")},
    {QMessageBox::Reset, QT_TRANSLATE_NOOP("QNxMessageBox", "Reset")},
    {QMessageBox::RestoreDefaults, QT_TRANSLATE_NOOP("QNxMessageBox", "Restore Defaults")},
    {QMessageBox::Help, QT_TRANSLATE_NOOP("QNxMessageBox", "Help")},
    {QMessageBox::No, QT_TRANSLATE_NOOP("QNxMessageBox", "No")},
    {QMessageBox::NoToAll, QT_TRANSLATE_NOOP("QNxMessageBox", "No to All")},
    {QMessageBox::Discard, QT_TRANSLATE_NOOP("QNxMessageBox", "Discard")},
    {QMessageBox::Abort, QT_TRANSLATE_NOOP("QNxMessageBox", "Abort")},
    {QMessageBox::Close, QT_TRANSLATE_NOOP("QNxMessageBox", "Close")},
    {QMessageBox::Cancel, QT_TRANSLATE_NOOP("QNxMessageBox", "Cancel")},
};

}  // namespace

QNxMessageBox::QNxMessageBox(const QString& title, const QString& text,
                             QMessageBox::StandardButtons buttons, QWidget* parent,
                             QMessageBox::StandardButton defaultButton)
    : QNxDialog(parent)
{
    setTitle(title);
    setModal(true);
    setMinimumWidth(360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(20);
    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setFont(NxSkin::font(13));
    m_text->setStyleSheet(QStringLiteral("color: rgb(214, 216, 224);"));
    m_text->setMinimumWidth(340);
    m_text->setMaximumWidth(520);
    layout->addWidget(m_text, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch(1);
    for (const ButtonText& entry : kButtons) {
        if (!(buttons & entry.button))
            continue;
        auto* button = new QNxBaseButton(QStringLiteral("/image/common/btn_common.png"), this);
        button->setText(tr(entry.text));
        m_buttons.insert(int(entry.button), button);
        row->addWidget(button);
        const QMessageBox::StandardButton which = entry.button;
        connect(button, &QAbstractButton::clicked, this, [this, which] { finishWith(which); });
    }
    layout->addLayout(row);

    if (m_buttons.contains(QMessageBox::Cancel))
        m_escape = QMessageBox::Cancel;
    else if (m_buttons.contains(QMessageBox::No))
        m_escape = QMessageBox::No;
    else if (m_buttons.size() == 1)
        m_escape = QMessageBox::StandardButton(m_buttons.firstKey());

    // Without a named default, the left-most button of the row is the default.
    m_default = defaultButton;
    if (!m_buttons.contains(defaultButton)) {
        m_default = QMessageBox::NoButton;
        for (const ButtonText& entry : kButtons) {
            if (buttons & entry.button) {
                m_default = entry.button;
                break;
            }
        }
    }
    if (QNxBaseButton* primary = button(m_default)) {
        primary->setImage(QStringLiteral("/image/common/btn_accent.png"));
        primary->setTextColor(QNxBaseButtonDraw::Normal, NxSkin::textBright());
        primary->setFocus();
    }
    adjustSize();
}

QNxBaseButton* QNxMessageBox::button(QMessageBox::StandardButton which) const
{
    return m_buttons.value(int(which), nullptr);
}

QString QNxMessageBox::text() const
{
    return m_text->text();
}

void QNxMessageBox::finishWith(QMessageBox::StandardButton which)
{
    m_clicked = which;
    done(int(which));
}

void QNxMessageBox::reject()
{
    finishWith(m_escape);
}

void QNxMessageBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_default != QMessageBox::NoButton) {
        finishWith(m_default);
        return;
    }
    QNxDialog::keyPressEvent(event);
}

int QNxMessageBox::information(QWidget* parent, const QString& title, const QString& text,
                               QMessageBox::StandardButtons buttons,
                               QMessageBox::StandardButton defaultButton)
{
    QNxMessageBox box(title, text, buttons, parent, defaultButton);
    return box.exec();
}

int QNxMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                            QMessageBox::StandardButtons buttons,
                            QMessageBox::StandardButton defaultButton)
{
    QNxMessageBox box(title, text, buttons, parent, defaultButton);
    return box.exec();
}

int QNxMessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons,
                           QMessageBox::StandardButton defaultButton)
{
    QNxMessageBox box(title, text, buttons, parent, defaultButton);
    return box.exec();
}
