#pragma once
// The display scale, fixed once per process before the application object exists: the ratio of
// the desktop's real resolution to the one the program would otherwise draw at, handed to Qt
// through QT_SCALE_FACTOR.

// Stores physical / logical and sets QT_SCALE_FACTOR to it ("1.5" for 2880 / 1920), once per
// process. Nothing happens when either width is 0 or the scale was already set. True when set.
bool setDisplayScale(int logicalWidth, int physicalWidth);
// The stored scale; 0 when none was set.
float displayScale();
// Measures the desktop's scale (the X server's Xft.dpi against the 96 dpi Qt draws at) and
// applies it with setDisplayScale(). Leaves QT_SCALE_FACTOR alone when it cannot measure.
void applyDisplayScale();
