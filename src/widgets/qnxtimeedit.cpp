#include "qnxtimeedit.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include "qnxbasebutton.h"
#include "qnxlineedit.h"

namespace {
constexpr int kArrowWidth = 18;
}  // namespace

QNxTimeEdit::QNxTimeEdit(QWidget* parent) : QNxWidget(parent)
{
    setBackgroundColor(QColor());
    m_edit = new QNxLineEdit(this);
    m_edit->setTextPadding(6, kArrowWidth + 2);
    m_up = new QNxBaseButton(QStringLiteral("/image/common/time_edit_arrow_up.png"), this);
    m_down = new QNxBaseButton(QStringLiteral("/image/common/time_edit_arrow_down.png"), this);
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    m_up->setToolTip(tr("Step up"));
    m_down->setToolTip(tr("Step down"));
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    connect(m_up, &QAbstractButton::clicked, this, [this] { stepBy(1, currentSection()); });
    connect(m_down, &QAbstractButton::clicked, this, [this] { stepBy(-1, currentSection()); });
    connect(m_edit, &QLineEdit::textEdited, this, &QNxTimeEdit::onTextEdited);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    setDisplayFormat(QStringLiteral("hh:mm:ss"));
}

void QNxTimeEdit::setDisplayFormat(const QString& format)
{
    m_format = format.contains(QLatin1String(".zzz")) ? QStringLiteral("hh:mm:ss.zzz")
                                                      : QStringLiteral("hh:mm:ss");
    m_edit->setInputMask(m_format.size() > 8 ? QStringLiteral("99:99:99.999")
                                             : QStringLiteral("99:99:99"));
    showTime(m_time);
    updateGeometry();
}

void QNxTimeEdit::setTime(const QTime& time)
{
    if (!time.isValid())
        return;
    m_time = qBound(m_minimum, time, m_maximum);
    showTime(m_time);
}

QString QNxTimeEdit::text() const
{
    // text() of a masked line edit drops the blanks; the shown text keeps every position.
    return m_edit->displayText();
}

void QNxTimeEdit::setTimeRange(const QTime& minimum, const QTime& maximum)
{
    if (!minimum.isValid() || !maximum.isValid() || maximum < minimum)
        return;
    m_minimum = minimum;
    m_maximum = maximum;
    setTime(m_time);
}

QNxTimeEdit::Section QNxTimeEdit::currentSection() const
{
    const int pos = m_edit->cursorPosition();
    if (pos <= 2)
        return HourSection;
    if (pos <= 5)
        return MinuteSection;
    if (pos <= 8 || m_format.size() <= 8)
        return SecondSection;
    return MsecSection;
}

void QNxTimeEdit::setCurrentSection(Section section)
{
    static const int kStarts[] = {0, 3, 6, 9};
    m_edit->setCursorPosition(kStarts[section]);
}

void QNxTimeEdit::stepBy(int steps, Section section)
{
    static const qint64 kUnitMs[] = {3600000, 60000, 1000, 1};
    const qint64 now = m_time.msecsSinceStartOfDay();
    const qint64 target =
        qBound<qint64>(m_minimum.msecsSinceStartOfDay(), now + steps * kUnitMs[section],
                       m_maximum.msecsSinceStartOfDay());
    const int cursor = m_edit->cursorPosition();
    userChange(QTime::fromMSecsSinceStartOfDay(int(target)));
    m_edit->setCursorPosition(cursor);
}

QSize QNxTimeEdit::sizeHint() const
{
    const QFontMetrics fm(m_edit->font());
    const int textWidth = fm.horizontalAdvance(m_format.size() > 8 ? QStringLiteral("00:00:00.000")
                                                                   : QStringLiteral("00:00:00"));
    return QSize(textWidth + kArrowWidth + 22, 28);
}

QTime QNxTimeEdit::parse(const QString& text) const
{
    return QTime::fromString(text, m_format);
}

void QNxTimeEdit::showTime(const QTime& time)
{
    m_edit->setText(time.toString(m_format));
}

void QNxTimeEdit::userChange(const QTime& time)
{
    if (!time.isValid())
        return;
    const bool changed = time != m_time;
    m_time = time;
    showTime(time);
    emit emitTimeEdited(text());
    if (changed)
        emit emitTimeChanged(time);
}

void QNxTimeEdit::onTextEdited()
{
    // The mask shows blanks as spaces while a section is half typed: wait for all digits.
    const QString text = m_edit->displayText();
    if (text.contains(QLatin1Char(' ')))
        return;
    const QTime typed = parse(text);
    if (!typed.isValid() || typed < m_minimum || typed > m_maximum) {
        // Undo the keystroke and put the cursor back on the refused digit.
        const int cursor = m_edit->cursorPosition();
        showTime(m_time);
        m_edit->setCursorPosition(qMax(0, cursor - 1));
        return;
    }
    const bool changed = typed != m_time;
    m_time = typed;
    emit emitTimeEdited(text);
    if (changed)
        emit emitTimeChanged(typed);
}

bool QNxTimeEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && isEnabled()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                stepBy(key == Qt::Key_Up ? 1 : -1, currentSection());
                return true;
            }
        } else if (event->type() == QEvent::Wheel) {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0)
                stepBy(delta > 0 ? 1 : -1, currentSection());
            return true;
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving a half-typed field shows the last valid time again.
            showTime(m_time);
        }
    }
    return QNxWidget::eventFilter(watched, event);
}

void QNxTimeEdit::resizeEvent(QResizeEvent* event)
{
    QNxWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
    const QSize arrow = m_up->size();
    const int x = width() - arrow.width() - 4;
    const int middle = height() / 2;
    m_up->move(x, middle - arrow.height());
    m_down->move(x, middle);
    m_up->raise();
    m_down->raise();
}

void QNxTimeEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_up->setEnabled(isEnabled());
        m_down->setEnabled(isEnabled());
    }
    QNxWidget::changeEvent(event);
}
