#include "qualitypreset.h"

namespace QualityPreset {

int levelFromStoredValue(const QString& qualityValue)
{
    if (qualityValue.isEmpty() || qualityValue == QLatin1String("0"))
        return kHighQuality;
    if (qualityValue == QLatin1String("1"))
        return kSmallSize;
    return kCustomized;
}

int levelFromComboIndex(int index)
{
    switch (index) {
        case kHighQualityIndex:
            return kHighQuality;
        case kSmallSizeIndex:
            return kSmallSize;
        default:
            return kCustomized;
    }
}

int comboIndexFromLevel(int level)
{
    switch (level) {
        case kHighQuality:
            return kHighQualityIndex;
        case kSmallSize:
            return kSmallSizeIndex;
        default:
            return kCustomizedIndex;
    }
}

QString levelName(int level)
{
    return comboTexts().value(comboIndexFromLevel(level));
}

QStringList comboTexts()
{
    return {QStringLiteral("High Quality"), QStringLiteral("Small Size"),
            QStringLiteral("Customized")};
}

}  // namespace QualityPreset
