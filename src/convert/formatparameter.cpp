#include "formatparameter.h"

#include "qualitypreset.h"

QString FormatParameter::valueForLevel(int level) const
{
    QString value;
    switch (level) {
        case QualityPreset::kHighQuality:
            value = high;
            break;
        case QualityPreset::kSmallSize:
            value = low;
            break;
        default:
            value = defaultValue;
            break;
    }
    return value.isEmpty() ? QStringLiteral("Auto") : value;
}
