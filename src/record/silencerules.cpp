#include "silencerules.h"

#include "parserxml.h"

#include <QStringList>

namespace SilenceRules {
namespace {

const QString kSplitElement = QStringLiteral("Split_Recording");
const QString kDeleteElement = QStringLiteral("Delete_Recorded_File");

}  // namespace

SplitSettings readSplitSettings()
{
    SplitSettings s;
    s.splitAtSilence = ParserXML::isTrueText(ParserXML::getSettingValue(
        kSplitElement, QStringLiteral("Split_According_To_Silence"), QStringLiteral("N")));
    s.thresholdMs = ParserXML::getSettingValue(kSplitElement, QStringLiteral("Silence_More_Than"),
                                               QStringLiteral("0"))
                        .toLongLong();
    return s;
}

DeleteSettings readDeleteSettings()
{
    DeleteSettings s;
    s.deleteShort = ParserXML::isTrueText(ParserXML::getSettingValue(
        kDeleteElement, QStringLiteral("Delete_According_To_Duration"), QStringLiteral("N")));
    s.limitSeconds = ParserXML::getSettingValue(
                         kDeleteElement, QStringLiteral("Duration_Less_Than"), QStringLiteral("0"))
                         .toLongLong();
    s.deleteSilent = ParserXML::isTrueText(ParserXML::getSettingValue(
        kDeleteElement, QStringLiteral("Delete_According_To_Silence"), QString()));
    return s;
}

bool silenceSplits(const SplitSettings& settings, qint64 elapsedMs)
{
    return settings.splitAtSilence && settings.thresholdMs > 0 && settings.thresholdMs < elapsedMs;
}

qint64 durationTextSeconds(const QString& durationText)
{
    const QStringList parts = durationText.split(QLatin1Char(':'));
    const qint64 h = parts.value(0).toLongLong();
    const qint64 m = parts.value(1).toLongLong();
    const qint64 s = parts.value(2).toLongLong();
    return h * 3600 + m * 60 + s;
}

bool isTooShort(const DeleteSettings& settings, const QString& durationText)
{
    return settings.deleteShort && settings.limitSeconds > 0 &&
           durationTextSeconds(durationText) <= settings.limitSeconds;
}

bool discardsPiece(const DeleteSettings& settings, const QString& durationText,
                   bool silentThroughout)
{
    return isTooShort(settings, durationText) || (settings.deleteSilent && silentThroughout);
}

}  // namespace SilenceRules
