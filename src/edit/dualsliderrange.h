#pragma once
// The pixel rules of the three-handle range slider of the Trim tab, without a widget. Handle
// positions are pixels along the usable width W = widget width - 2 x margin + 1 (a handle at
// pixel p has its centre at margin + p). Values given to the slider are percentages 0..100,
// values read from it fractions 0..1 (pixel / W). The start handle stays at least kMinGap
// pixels left of the end handle and the end handle at least kMinGap right of the start; all
// handles stay within 0..W.

namespace DualSliderRange {

constexpr int kMinGap = 2;

// W for a widget width and margin; never negative.
int usableWidth(int widgetWidth, int margin);
// The pixel of a percentage (clamped to 0..100), rounded to the nearest pixel.
int pixelOfPercent(double percent, int usable);
// The fraction of a pixel; 0 when there is no usable width.
double fractionOfPixel(int pixel, int usable);
// A start handle wanted at x, with the end handle at endPixel.
int clampStart(int x, int endPixel, int usable);
// An end handle wanted at x, with the start handle at startPixel.
int clampEnd(int x, int startPixel, int usable);
// The play-position handle: anywhere on the track.
int clampPosition(int x, int usable);

}  // namespace DualSliderRange
