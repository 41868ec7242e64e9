#pragma once
// How a level display draws: a plain value given to the display when it is built and copied.

#include <QColor>

#include <cstdint>

struct AudioDisplayStyle {
    enum Kind : int32_t {
        Bars = 0,  // segmented bars, like an LED meter
        Line = 1,  // one line through the bar tops
    };

    int32_t barWidth = 2;       // pixels; in line style the pen width
    int32_t cellHeight = 1;     // pixels per lit cell
    int32_t barGap = 0;         // pixels between bars; 0 in line style
    int32_t cellGap = 0;        // pixels between cells; 0 in line style
    bool peaks = false;         // falling peak markers
    bool peakGravity = false;   // peaks fall faster and faster, else one pixel per block
    double cornerRadius = 0.0;  // of the cells' rectangles
    QColor barColor;
    QColor peakColor;
    int32_t kind = Bars;

    // The style as the display uses it: gaps are forced to 0 in line style, and sizes below
    // one pixel are raised to one.
    AudioDisplayStyle normalized() const
    {
        AudioDisplayStyle s = *this;
        if (s.kind == Line)
            s.barGap = s.cellGap = 0;
        s.barWidth = s.barWidth < 1 ? 1 : s.barWidth;
        s.cellHeight = s.cellHeight < 1 ? 1 : s.cellHeight;
        s.barGap = s.barGap < 0 ? 0 : s.barGap;
        s.cellGap = s.cellGap < 0 ? 0 : s.cellGap;
        return s;
    }
};
