#include "onlinelookupsettings.h"

#include <QCoreApplication>

#include "parserxml.h"
#include "preferencevalues.h"

namespace {

const QLatin1String kElement("ONLINE_RECOGNITION");
const char kHomePage[] = "https://quillon.example.org/";

QUrl readUrl(const char* attribute, const QUrl& defaultUrl)
{
    const QUrl url(
        ParserXML::getSettingValue(kElement, QLatin1String(attribute), defaultUrl.toString()));
    return url.isValid() && !url.isRelative() ? url : defaultUrl;
}

}  // namespace

OnlineLookupSettings OnlineLookupSettings::load()
{
    const PreferenceValues preferences = PreferenceValues::load();
    OnlineLookupSettings s;
    s.enabled = preferences.onlineLookup;
    s.apiKey = preferences.acoustIdKey.trimmed();
    s.acoustIdUrl = readUrl("AcoustID_Url", s.acoustIdUrl);
    s.musicBrainzUrl = readUrl("MusicBrainz_Url", s.musicBrainzUrl);
    s.coverArtUrl = readUrl("CoverArt_Url", s.coverArtUrl);
    return s;
}

QByteArray OnlineLookupSettings::userAgent()
{
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral(QUILLON_VERSION);
    return QStringLiteral("Quillon Audio Recorder/%1 ( %2 )")
        .arg(version, QLatin1String(kHomePage))
        .toUtf8();
}
