#include "displayscale.h"

#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <cstring>

#ifdef QUILLON_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

bool g_scaleSet = false;
float g_scale = 0.0f;

// Xft.dpi from the X server's resource database, 0 when there is no X display or no value.
int xftDpi()
{
#ifdef QUILLON_HAVE_X11
    if (!std::getenv("DISPLAY"))
        return 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    int dpi = 0;
    if (const char* resources = XResourceManagerString(display)) {
        for (const char* line = resources; line && *line;) {
            if (std::strncmp(line, "Xft.dpi:", 8) == 0) {
                dpi = int(std::strtod(line + 8, nullptr) + 0.5);
                break;
            }
            line = std::strchr(line, '\n');
            if (line)
                ++line;
        }
    }
    XCloseDisplay(display);
    return dpi;
#else
    return 0;
#endif
}

}  // namespace

bool setDisplayScale(int logicalWidth, int physicalWidth)
{
    if (g_scaleSet || logicalWidth == 0 || physicalWidth == 0)
        return false;
    g_scaleSet = true;
    g_scale = float(physicalWidth) / float(logicalWidth);
    qputenv("QT_SCALE_FACTOR", QString::number(g_scale, 'g', 6).toLatin1());
    return true;
}

float displayScale() { return g_scale; }

void applyDisplayScale()
{
    constexpr int kQtDpi = 96;
    setDisplayScale(kQtDpi, xftDpi());
}
