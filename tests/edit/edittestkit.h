#pragma once
// Helpers shared by the edit dialog's tests.

#include <QLineEdit>
#include <QTest>

namespace edittest {

// Replaces the text of a field as typing would: ASCII as key presses (through the field's
// validator), other scripts as input, like from an input method (key events carry ASCII only).
inline void typeInto(QLineEdit* line, const QString& text)
{
    line->clear();
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(line, text);
    else
        line->insert(text);
}

}  // namespace edittest
