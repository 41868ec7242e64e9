#pragma once
// Reads the answers of the identification services: an AcoustID lookup (with
// meta=recordings+releasegroups), a MusicBrainz recording with its releases. Pure functions
// on the bytes received; no network.

#include <QByteArray>
#include <QString>

#include "trackidentifier.h"

struct AcoustIdMatch {
    TrackIdentification found;  // matched, score, title, artist, album; or a reason
    QString recordingId;
    QString releaseGroupId;
    bool isServiceAnswer = false;  // the body was the service's JSON ("ok" or "error")
};

// The best-scoring result that names a recording. A reply with status "error" gives no match
// with the service's message; one that is not the service's JSON gives a reason saying so.
AcoustIdMatch parseAcoustIdLookup(const QByteArray& body);

// The release of releaseGroupId on the recording (else its first release), and the date and
// genre MusicBrainz knows for it. Empty fields when the body says nothing usable.
struct MusicBrainzRelease {
    QString releaseId;
    QString date;
    QString genre;
};
MusicBrainzRelease parseMusicBrainzRecording(const QByteArray& body, const QString& releaseGroupId);
