#pragma once
// Display texts of stored encoder values, shared by the format dialog and the command line.

#include <QString>

namespace FormatLabels {

// "Auto" or "0" -> "Auto", "1" -> "Mono", "2" -> "Stereo", "6" -> "5.1 Surround"; any other
// value shows itself.
QString channelLabel(const QString& channels);
// Video fields: "Original" or "Auto" -> "Smart Fit"; any other value shows itself.
QString videoLabel(const QString& value);
// "128" -> "128 kbps"; "Auto" stays "Auto".
QString bitRateLabel(const QString& kbps);
// "30" -> "30 fps"; "Auto" stays "Auto".
QString frameRateLabel(const QString& fps);

}  // namespace FormatLabels
