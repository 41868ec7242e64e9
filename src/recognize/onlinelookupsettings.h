#pragma once
// Where and how the online identification services are asked: AcoustID (fingerprint to
// recording), MusicBrainz (release details) and the Cover Art Archive (front cover). Off by
// default; it needs the user's AcoustID API key. The addresses can be changed in the settings
// file (tests point them at a local server). Plain value.

#include <QString>
#include <QUrl>

struct OnlineLookupSettings {
    bool enabled = false;
    QString apiKey;
    QUrl acoustIdUrl = QUrl(QStringLiteral("https://api.acoustid.org/v2/lookup"));
    QUrl musicBrainzUrl = QUrl(QStringLiteral("https://musicbrainz.org/ws/2"));
    QUrl coverArtUrl = QUrl(QStringLiteral("https://coverartarchive.org"));
    int timeoutMs = 10000;  // per request

    // From the settings file (the preferences' switch and key, the addresses when set there).
    static OnlineLookupSettings load();
    // "Quillon Audio Recorder/<version> ( <home page> )", as MusicBrainz asks clients to say.
    static QByteArray userAgent();
};
