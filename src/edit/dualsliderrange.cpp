#include "dualsliderrange.h"

#include <algorithm>
#include <cmath>

namespace DualSliderRange {

int usableWidth(int widgetWidth, int margin)
{
    return std::max(0, widgetWidth - 2 * margin + 1);
}

int pixelOfPercent(double percent, int usable)
{
    return int(std::lround(std::clamp(percent, 0.0, 100.0) * usable / 100.0));
}

double fractionOfPixel(int pixel, int usable)
{
    return usable > 0 ? double(clampPosition(pixel, usable)) / usable : 0.0;
}

int clampStart(int x, int endPixel, int usable)
{
    // On a track too short for the gap the start keeps to 0.
    const int highest = std::clamp(endPixel - kMinGap, 0, usable);
    return std::clamp(x, 0, highest);
}

int clampEnd(int x, int startPixel, int usable)
{
    const int lowest = std::clamp(startPixel + kMinGap, 0, usable);
    return std::clamp(x, lowest, usable);
}

int clampPosition(int x, int usable)
{
    return std::clamp(x, 0, std::max(usable, 0));
}

}  // namespace DualSliderRange
