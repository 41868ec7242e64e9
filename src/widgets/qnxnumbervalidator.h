#pragma once

#include <QValidator>

// Accepts whole numbers from a range typed digit by digit: anything but digits, or a value
// above the maximum, is refused at once; an empty text or a value below the minimum is
// intermediate. fixup() clamps into the range and pads with zeros to the pad width, so "7"
// becomes "07" in a minutes field. Used by the skinned line edits for hours, minutes,
// seconds, volumes and similar fields.
class QNxNumberValidator : public QValidator {
    Q_OBJECT
public:
    QNxNumberValidator(int minimum, int maximum, QObject* parent = nullptr);

    void setPadWidth(int digits) { m_padWidth = digits; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    int m_minimum;
    int m_maximum;
    int m_padWidth = 0;
};
