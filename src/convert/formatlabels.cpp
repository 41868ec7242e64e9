#include "formatlabels.h"

namespace {

bool isAuto(const QString& value)
{
    return value == QLatin1String("Auto");
}

}  // namespace

namespace FormatLabels {

QString channelLabel(const QString& channels)
{
    if (isAuto(channels) || channels == QLatin1String("0"))
        return QStringLiteral("Auto");
    if (channels == QLatin1String("1"))
        return QStringLiteral("Mono");
    if (channels == QLatin1String("2"))
        return QStringLiteral("Stereo");
    if (channels == QLatin1String("6"))
        return QStringLiteral("5.1 Surround");
    return channels;
}

QString videoLabel(const QString& value)
{
    if (value == QLatin1String("Original") || isAuto(value))
        return QStringLiteral("Smart Fit");
    return value;
}

QString bitRateLabel(const QString& kbps)
{
    return isAuto(kbps) || kbps.isEmpty() ? kbps : kbps + QStringLiteral(" kbps");
}

QString frameRateLabel(const QString& fps)
{
    return isAuto(fps) || fps.isEmpty() ? fps : fps + QStringLiteral(" fps");
}

}  // namespace FormatLabels
