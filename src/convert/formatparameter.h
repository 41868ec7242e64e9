#pragma once
// One encoder parameter of a format profile ("audiobitrate", "samplerate", ...): the value of
// each preset and the values offered for custom choice. Plain value type.

#include <QString>
#include <QStringList>

struct FormatParameter {
    QString low;           // "Small Size"
    QString defaultValue;  // the base of "Customized"
    QString high;          // "High Quality"
    QStringList values;    // offered choices

    bool isPresent() const
    {
        return !low.isEmpty() || !defaultValue.isEmpty() || !high.isEmpty() || !values.isEmpty();
    }
    // The value of a quality level (QualityPreset); a missing entry is "Auto".
    QString valueForLevel(int level) const;
};
