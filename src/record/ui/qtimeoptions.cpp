#include "qtimeoptions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qnxcheckbox.h"
#include "qnxlineedit.h"
#include "qnxtimeedit.h"
#include "schedulerepeatedit.h"
#include "scheduletime.h"
#include "timeoptions.h"

namespace {

constexpr int kFieldWidth = 34;

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(NxSkin::font(12));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, NxSkin::textDim());
    label->setPalette(pal);
    return label;
}

QNxLineEdit* makeField(const QString& name, QWidget* parent)
{
    auto* edit = new QNxLineEdit(parent);
    edit->setNumberRange(0, TimeOptions::kMaxHours, 2);
    edit->setFixedWidth(kFieldWidth);
    edit->setAlignment(Qt::AlignCenter);
    edit->setToolTip(name);
    return edit;
}

QString twoDigits(uint64_t value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QTimeOptions::QTimeOptions(QWidget* parent) : QNxWidget(parent)
{
    buildForm();
    loadState();
    connect(m_chkManually, &QAbstractButton::clicked, this, &QTimeOptions::OnChkManually);
    connect(m_chkSchedule, &QAbstractButton::clicked, this, &QTimeOptions::OnChkSchedule);
    for (QNxLineEdit* edit : {m_editHours, m_editMinutes, m_editSeconds})
        connect(edit, &QLineEdit::textEdited, this, &QTimeOptions::ManuallyTimeChange);
    connect(m_startTime, &QNxTimeEdit::emitTimeEdited, this, &QTimeOptions::timeEditChange);
    connect(m_endTime, &QNxTimeEdit::emitTimeEdited, this, &QTimeOptions::timeEditChange);
}

void QTimeOptions::buildForm()
{
    m_chkManually = new QNxCheckBox(tr("Stop recording after"), this);
    m_chkSchedule = new QNxCheckBox(tr("Schedule recording"), this);
    m_editHours = makeField(tr("Hours"), this);
    m_editMinutes = makeField(tr("Minutes"), this);
    m_editSeconds = makeField(tr("Seconds"), this);
    m_startTime = new QNxTimeEdit(this);
    m_endTime = new QNxTimeEdit(this);
    m_repeat = new ScheduleRepeatEdit(this);
    m_repeat->setContentsMargins(24, 0, 0, 0);
    // The field inside each editor is what a screen reader reaches.
    m_startTime->setToolTip(tr("Start time"));
    m_startTime->lineEdit()->setToolTip(tr("Start time"));
    m_endTime->setToolTip(tr("End time"));
    m_endTime->lineEdit()->setToolTip(tr("End time"));

    // One line per option: "Stop recording after [hh] h [mm] m [ss] s", then the schedule box
    // with its start and end below it.
    auto* stopAfter = new QHBoxLayout;
    stopAfter->setSpacing(4);
    stopAfter->addWidget(m_chkManually);
    stopAfter->addSpacing(6);
    const QString units[] = {tr("h", "unit of hours"), tr("m", "unit of minutes"),
                             tr("s", "unit of seconds")};
    QNxLineEdit* fields[] = {m_editHours, m_editMinutes, m_editSeconds};
    for (int i = 0; i < 3; ++i) {
        stopAfter->addWidget(fields[i]);
        stopAfter->addWidget(makeLabel(units[i], this));
    }
    stopAfter->addStretch(1);

    auto* span = new QHBoxLayout;
    span->setContentsMargins(24, 0, 0, 0);
    span->setSpacing(8);
    span->addWidget(makeLabel(tr("Start"), this));
    span->addWidget(m_startTime);
    span->addSpacing(10);
    span->addWidget(makeLabel(tr("End"), this));
    span->addWidget(m_endTime);
    span->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 14, 20, 6);
    column->setSpacing(10);
    column->addLayout(stopAfter);
    column->addWidget(m_chkSchedule);
    column->addLayout(span);
    column->addWidget(m_repeat);
    column->addStretch(1);
    for (QNxTimeEdit* edit : {m_startTime, m_endTime})
        edit->setFixedSize(edit->sizeHint());
}

void QTimeOptions::loadState()
{
    const TimeOptions::State state = TimeOptions::load();
    m_chkManually->setChecked(state.stopAfter);
    m_chkSchedule->setChecked(state.schedule);
    const uint64_t seconds = state.stopAfterUs / ScheduleTime::kUsPerSecond;
    m_editHours->setText(twoDigits(qMin<uint64_t>(seconds / 3600, TimeOptions::kMaxHours)));
    m_editMinutes->setText(twoDigits((seconds / 60) % 60));
    m_editSeconds->setText(twoDigits(seconds % 60));
    m_startTime->setTime(ScheduleTime::timeOfDay(state.startUs));
    m_endTime->setTime(ScheduleTime::timeOfDay(state.endUs));
    m_repeat->setRepeat(state.repeat);
    enableStopAfterEdits(state.stopAfter);
    enableScheduleEdits(state.schedule);
}

bool QTimeOptions::scheduleTicked() const
{
    return m_chkSchedule->isChecked();
}

bool QTimeOptions::stopAfterTicked() const
{
    return m_chkManually->isChecked();
}

void QTimeOptions::enableStopAfterEdits(bool on)
{
    for (QNxLineEdit* edit : {m_editHours, m_editMinutes, m_editSeconds})
        edit->setEnabled(on);
}

void QTimeOptions::enableScheduleEdits(bool on)
{
    m_startTime->setEnabled(on);
    m_endTime->setEnabled(on);
    m_repeat->setEnabled(on);
}

void QTimeOptions::OnChkManually()
{
    const bool on = m_chkManually->isChecked();
    TimeOptions::setStopAfter(on);
    enableStopAfterEdits(on);
    if (on) {
        const QSignalBlocker block(m_chkSchedule);
        m_chkSchedule->setChecked(false);
        enableScheduleEdits(false);
    }
}

void QTimeOptions::OnChkSchedule()
{
    const bool on = m_chkSchedule->isChecked();
    TimeOptions::setSchedule(on);
    enableScheduleEdits(on);
    if (on) {
        const QSignalBlocker block(m_chkManually);
        m_chkManually->setChecked(false);
        enableStopAfterEdits(false);
    }
}

void QTimeOptions::ManuallyTimeChange(const QString&)
{
    const int limits[] = {TimeOptions::kMaxHours, TimeOptions::kMaxMinutes,
                          TimeOptions::kMaxSeconds};
    QNxLineEdit* edits[] = {m_editHours, m_editMinutes, m_editSeconds};
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        values[i] = TimeOptions::clampField(edits[i]->text(), limits[i]);
        // A value above the limit is replaced in the field; an empty field stays empty while
        // the user types.
        if (!edits[i]->text().isEmpty() && edits[i]->text().toInt() != values[i])
            edits[i]->setText(QString::number(values[i]));
    }
    TimeOptions::setStopAfterLength(values[0], values[1], values[2]);
}

void QTimeOptions::timeEditChange(const QString& text)
{
    const uint64_t us = ScheduleTime::parseText(text);
    if (sender() == m_startTime)
        TimeOptions::setScheduleStart(us);
    else if (sender() == m_endTime)
        TimeOptions::setScheduleEnd(us);
}
