// quillon formats [CATEGORY]: the format catalogue, one line per profile and quality preset.

#include "commandregistry.h"

#include "formatcatalogue.h"
#include "formatlabels.h"
#include "qualitypreset.h"

#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

QString rateText(const QString& rate)
{
    return rate == QLatin1String("Auto") ? rate : rate + QStringLiteral(" Hz");
}

int run(const QStringList& args)
{
    if (args.size() > 1 || (args.size() == 1 && args.first().startsWith(QLatin1Char('-'))))
        return cli::fail(QStringLiteral("usage: quillon formats [CATEGORY]"));
    const FormatCatalogue* catalogue = nullptr;
    try {
        catalogue = &FormatCatalogue::instance();
    } catch (const std::runtime_error& e) {
        return cli::fail(QStringLiteral("format catalogue %1: %2")
                             .arg(FormatCatalogue::defaultPath(), QString::fromUtf8(e.what())));
    }
    QStringList categories = catalogue->categories();
    if (!args.isEmpty()) {
        if (!categories.contains(args.first()))
            return cli::fail(QStringLiteral("no format category \"%1\"").arg(args.first()));
        categories = args;
    }

    QTextStream out(stdout);
    const QString row = QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9");
    out << row.arg(QStringLiteral("CATEGORY"), -13)
               .arg(QStringLiteral("ID"), -4)
               .arg(QStringLiteral("TITLE"), -36)
               .arg(QStringLiteral("EXT"), -4)
               .arg(QStringLiteral("PRESET"), -12)
               .arg(QStringLiteral("CODEC"), -9)
               .arg(QStringLiteral("RATE"), -8)
               .arg(QStringLiteral("CHANNELS"), -8)
               .arg(QStringLiteral("BIT RATE"))
        << '\n';
    for (const QString& category : qAsConst(categories)) {
        for (const FormatProfile& profile : catalogue->profiles(category)) {
            for (int level : {QualityPreset::kHighQuality, QualityPreset::kSmallSize}) {
                const CustomFormatSettings f = profile.fields(level);
                out << row.arg(category, -13)
                           .arg(profile.id(), -4)
                           .arg(profile.title(), -36)
                           .arg(profile.extension(), -4)
                           .arg(QualityPreset::levelName(level), -12)
                           .arg(f.audioEncoder, -9)
                           .arg(rateText(f.audioSampleRate), -8)
                           .arg(FormatLabels::channelLabel(f.audioChannels), -8)
                           .arg(FormatLabels::bitRateLabel(f.audioBitRate))
                    << '\n';
            }
        }
    }
    return 0;
}

cli::CommandRegistration reg{{"formats", "[CATEGORY]", &run}};

}  // namespace
