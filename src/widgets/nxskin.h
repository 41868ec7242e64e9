#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

// Where the skinned widgets find their images and fonts, and the colours of the dark theme.
// The resource folder is InstallLayout::resourceFolder() (beside the executable in the build
// tree, under share/ once installed); tests and tools may point it elsewhere. GUI thread only
// (pixmaps).
namespace NxSkin {

// The resource folder without a trailing slash.
QString resourceDir();
// Overrides the resource folder (an empty string restores the default).
void setResourceDir(const QString& dir);
// `relative` starts with '/', e.g. "/image/btn_close.png".
QString resourcePath(const QString& relative);
// An existing file as given, else the same path inside the resource folder, else empty.
QString resolveImage(const QString& path);
// The image at `path` (resolved as above), cached; a null pixmap when it does not exist.
QPixmap pixmap(const QString& path);
// Registers every font in the resource folder's "/Font" once per process; returns the number
// of fonts that Qt accepted.
int registerFonts();
// "Tahoma" at the given pixel size.
QFont font(int pixelSize, bool bold = false);
// The seven-segment face of time displays ("LcdD", from the resource folder's LCDFont.ttf).
QFont lcdFont(int pixelSize);

// Theme colours.
inline QColor panel()
{
    return QColor(19, 20, 25);
}
inline QColor surface()
{
    return QColor(32, 33, 41);
}
inline QColor surfaceHover()
{
    return QColor(43, 46, 57);
}
inline QColor border()
{
    return QColor(54, 57, 70);
}
inline QColor accent()
{
    return QColor(61, 170, 228);
}
inline QColor accentHover()
{
    return QColor(92, 189, 240);
}
inline QColor accentPressed()
{
    return QColor(43, 143, 199);
}
inline QColor text()
{
    return QColor(214, 216, 224);
}
inline QColor textBright()
{
    return QColor(255, 255, 255);
}
inline QColor textDim()
{
    return QColor(138, 142, 156);
}
inline QColor textDisabled()
{
    return QColor(92, 96, 108);
}
inline QColor selection()
{
    return QColor(30, 58, 78);
}
inline QColor rowHover()
{
    return QColor(30, 32, 40);
}
// Texts that report a failure.
inline QColor warning()
{
    return QColor(238, 112, 96);
}
// The outline of pop-ups that float over other widgets (the volume pop-up).
inline QColor popupEdge()
{
    return QColor(13, 13, 13);
}
// Peak markers of the level displays.
inline QColor levelPeak()
{
    return QColor(14, 14, 14);
}
// The earlier lines a wave display keeps behind the newest one, dimmest first.
inline QColor waveTrail(int index)
{
    return QColor(64 + index, 71, 85);
}

}  // namespace NxSkin
