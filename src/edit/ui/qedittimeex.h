#pragma once
// QEditTimeEx: the Trim tab's time editor. It shows a time as "hh:mm:ss.zzz" on the skinned
// time editor and keeps its value as microseconds (the editor itself keeps only whole
// milliseconds). A complete edit by the user (typing, arrows, keys, wheel) sends
// emitTextEdited with the new value; setValue() from code sends nothing and, while the user
// is typing in it, leaves the cursor where it was. Times up to 23:59:59.999. GUI thread only.

#include <cstdint>

#include "qnxtimeedit.h"

class QEditTimeEx : public QNxTimeEdit {
    Q_OBJECT
public:
    explicit QEditTimeEx(QWidget* parent = nullptr);

    uint64_t value() const { return m_valueUs; }
    void setValue(uint64_t us);

signals:
    void emitTextEdited(uint64_t us);

private:
    void onTimeEdited(const QString& text);

    uint64_t m_valueUs = 0;
};
