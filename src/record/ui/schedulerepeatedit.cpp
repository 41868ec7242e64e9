#include "schedulerepeatedit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qnxcheckbox.h"
#include "qnxcombobox.h"

namespace {

using Mode = ScheduleRepeat::Mode;
constexpr Mode kModes[] = {Mode::Once, Mode::Daily, Mode::Weekdays, Mode::Days};

}  // namespace

ScheduleRepeatEdit::ScheduleRepeatEdit(QWidget* parent) : QNxWidget(parent)
{
    auto* label = new QLabel(tr("Repeat"), this);
    label->setObjectName(QStringLiteral("repeatLabel"));
    label->setFont(NxSkin::font(12));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, NxSkin::textDim());
    label->setPalette(pal);
    m_mode = new QNxComboBox(this);
    for (Mode mode : kModes)
        m_mode->addItem(QString(), int(mode));
    label->setBuddy(m_mode);

    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(8);
    modeRow->addWidget(label);
    modeRow->addWidget(m_mode);
    modeRow->addStretch(1);
    auto* dayRow = new QHBoxLayout;
    dayRow->setSpacing(4);
    for (int day = 1; day <= 7; ++day) {
        QNxCheckBox* box = new QNxCheckBox(this);
        // Hidden days keep their place, so the dialog is sized for them from the start.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        m_days[size_t(day - 1)] = box;
        dayRow->addWidget(box);
    }
    dayRow->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addLayout(modeRow);
    column->addLayout(dayRow);

    retranslate();
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ScheduleRepeatEdit::showDays);
    showDays();
}

QComboBox* ScheduleRepeatEdit::modeBox() const
{
    return m_mode;
}

void ScheduleRepeatEdit::retranslate()
{
    const QString texts[] = {tr("Once"), tr("Every day"), tr("Weekdays"), tr("Chosen days")};
    for (int i = 0; i < 4; ++i)
        m_mode->setItemText(i, texts[i]);
    m_mode->setToolTip(tr("Repeat"));
    m_mode->setMinimumWidth(m_mode->sizeHint().width());
    const QLocale locale;
    for (int day = 1; day <= 7; ++day) {
        QNxCheckBox* box = m_days[size_t(day - 1)];
        box->setText(locale.dayName(day, QLocale::ShortFormat));
        box->setToolTip(locale.dayName(day, QLocale::LongFormat));
    }
}

void ScheduleRepeatEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QNxWidget::changeEvent(event);
}

void ScheduleRepeatEdit::showDays()
{
    const bool chosen = m_mode->currentData().toInt() == int(Mode::Days);
    for (QNxCheckBox* box : m_days)
        box->setVisible(chosen);
}

ScheduleRepeat ScheduleRepeatEdit::repeat() const
{
    ScheduleRepeat result;
    result.mode = Mode(m_mode->currentData().toInt());
    for (int day = 1; day <= 7; ++day) {
        if (m_days[size_t(day - 1)]->isChecked())
            result.days |= uint8_t(1u << (day - 1));
    }
    return result;
}

void ScheduleRepeatEdit::setRepeat(const ScheduleRepeat& repeat)
{
    m_mode->setCurrentIndex(m_mode->findData(int(repeat.mode)));
    for (int day = 1; day <= 7; ++day)
        m_days[size_t(day - 1)]->setChecked(repeat.days & (1u << (day - 1)));
    showDays();
}
