#pragma once
// The three quality presets of a format profile and the two numberings they go by.
//
// The format dialog's combo lists them as index 0 "High Quality", 1 "Small Size",
// 2 "Customized", and that index is what "QUALITY_VALUE" stores. Everything that loads a
// profile works with the quality level instead: 1 High Quality, 0 Small Size, 2 Customized.

#include <QString>
#include <QStringList>

namespace QualityPreset {

// Quality levels.
constexpr int kSmallSize = 0;
constexpr int kHighQuality = 1;
constexpr int kCustomized = 2;

// Combo indexes.
constexpr int kHighQualityIndex = 0;
constexpr int kSmallSizeIndex = 1;
constexpr int kCustomizedIndex = 2;

// Level of a stored "QUALITY_VALUE": empty or "0" High Quality, "1" Small Size, anything else
// Customized.
int levelFromStoredValue(const QString& qualityValue);
int levelFromComboIndex(int index);
int comboIndexFromLevel(int level);
// "High Quality", "Small Size" or "Customized".
QString levelName(int level);
// The combo texts in combo order.
QStringList comboTexts();

}  // namespace QualityPreset
