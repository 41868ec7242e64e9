#include "coverscale.h"

#include <algorithm>

CoverScaleSteps coverScaleSteps(const QSize& source, int maxSide)
{
    CoverScaleSteps steps;
    const int shorter = std::min(source.width(), source.height());
    if (source.isEmpty() || maxSide <= 0 || shorter <= maxSide) {
        steps.target = source;
        return steps;
    }
    steps.unchanged = false;
    if (source.height() <= source.width())
        steps.target = QSize(int(double(source.width()) / source.height() * maxSide), maxSide);
    else
        steps.target = QSize(maxSide, int(double(source.height()) / source.width() * maxSide));
    if (shorter > 4 * maxSide)
        steps.intermediate = steps.target * 4;
    return steps;
}
