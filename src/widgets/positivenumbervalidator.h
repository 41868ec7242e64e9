#pragma once
// Accepts a positive whole number, as the preferences' number fields and the tag form's year,
// track and disc fields need: text matching "^[0-9]*[1-9][0-9]*$". Anything else that is typed
// (a minus sign, letters, "0" or only zeros) is refused at once; an empty field is
// intermediate, so a number can be typed anew.

#include <QValidator>

class PositiveNumberValidator : public QValidator {
    Q_OBJECT
public:
    // Longer numbers would not survive the settings' base-10 conversion.
    static constexpr int kMaxDigits = 9;

    explicit PositiveNumberValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
