#include "qedittimeex.h"

#include <QTime>

#include "qnxlineedit.h"
#include "trimtime.h"

namespace {
constexpr int kTextMarginLeft = 3;
constexpr int kArrowSpace = 20;
constexpr uint64_t kUsPerMs = 1000;
}  // namespace

QEditTimeEx::QEditTimeEx(QWidget* parent) : QNxTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("hh:mm:ss.zzz"));
    lineEdit()->setTextPadding(kTextMarginLeft, kArrowSpace);
    connect(this, &QNxTimeEdit::emitTimeEdited, this, &QEditTimeEx::onTimeEdited);
}

void QEditTimeEx::setValue(uint64_t us)
{
    m_valueUs = us;
    const qint64 ms = qMin<qint64>(qint64(us / kUsPerMs), maximumTime().msecsSinceStartOfDay());
    const int cursor = lineEdit()->cursorPosition();
    setTime(QTime::fromMSecsSinceStartOfDay(int(ms)));
    if (lineEdit()->hasFocus())
        lineEdit()->setCursorPosition(cursor);
}

void QEditTimeEx::onTimeEdited(const QString& text)
{
    uint64_t us = 0;
    if (!parseTrimTime(text, &us))
        return;
    m_valueUs = us;
    emit emitTextEdited(us);
}
