#include "acoustidreply.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// "A feat. B": each credited artist's name followed by its join phrase (" & " when none is
// given and another artist follows).
QString artistCredit(const QJsonArray& artists)
{
    QString credit;
    for (int i = 0; i < artists.size(); ++i) {
        const QJsonObject artist = artists.at(i).toObject();
        credit += artist.value(QLatin1String("name")).toString();
        const QJsonValue join = artist.value(QLatin1String("joinphrase"));
        if (join.isString())
            credit += join.toString();
        else if (i + 1 < artists.size())
            credit += QStringLiteral(" & ");
    }
    return credit;
}

AcoustIdMatch fromRecording(const QJsonObject& recording, double score)
{
    AcoustIdMatch match;
    match.recordingId = recording.value(QLatin1String("id")).toString();
    match.found.matched = true;
    match.found.score = score;
    match.found.title = recording.value(QLatin1String("title")).toString();
    match.found.artist = artistCredit(recording.value(QLatin1String("artists")).toArray());
    const QJsonArray groups = recording.value(QLatin1String("releasegroups")).toArray();
    if (!groups.isEmpty()) {
        const QJsonObject group = groups.first().toObject();
        match.found.album = group.value(QLatin1String("title")).toString();
        match.releaseGroupId = group.value(QLatin1String("id")).toString();
    }
    return match;
}

}  // namespace

AcoustIdMatch parseAcoustIdLookup(const QByteArray& body)
{
    AcoustIdMatch best;
    const QJsonObject root = QJsonDocument::fromJson(body).object();
    const QString status = root.value(QLatin1String("status")).toString();
    best.isServiceAnswer = status == QLatin1String("ok") || status == QLatin1String("error");
    if (status == QLatin1String("error")) {
        const QJsonObject error = root.value(QLatin1String("error")).toObject();
        best.found.reason =
            QCoreApplication::translate("OnlineTrackIdentifier", "AcoustID: %1 (error %2)")
                .arg(error.value(QLatin1String("message")).toString(),
                     QString::number(error.value(QLatin1String("code")).toInt()));
        return best;
    }
    if (status != QLatin1String("ok")) {
        best.found.reason = QCoreApplication::translate(
            "OnlineTrackIdentifier", "AcoustID answered something that is not a lookup result");
        return best;
    }
    double bestScore = -1;
    for (const QJsonValue& value : root.value(QLatin1String("results")).toArray()) {
        const QJsonObject result = value.toObject();
        const double score = result.value(QLatin1String("score")).toDouble();
        const QJsonArray recordings = result.value(QLatin1String("recordings")).toArray();
        if (score <= bestScore || recordings.isEmpty())
            continue;
        const AcoustIdMatch match = fromRecording(recordings.first().toObject(), score);
        if (match.found.title.isEmpty() && match.found.artist.isEmpty())
            continue;  // a recording known by its id only names nothing
        best.found = match.found;
        best.recordingId = match.recordingId;
        best.releaseGroupId = match.releaseGroupId;
        bestScore = score;
    }
    return best;
}

MusicBrainzRelease parseMusicBrainzRecording(const QByteArray& body, const QString& releaseGroupId)
{
    MusicBrainzRelease found;
    const QJsonObject recording = QJsonDocument::fromJson(body).object();
    const QJsonArray releases = recording.value(QLatin1String("releases")).toArray();
    for (const QJsonValue& value : releases) {
        const QJsonObject release = value.toObject();
        const QString group = release.value(QLatin1String("release-group"))
                                  .toObject()
                                  .value(QLatin1String("id"))
                                  .toString();
        if (found.releaseId.isEmpty() || (!releaseGroupId.isEmpty() && group == releaseGroupId)) {
            found.releaseId = release.value(QLatin1String("id")).toString();
            found.date = release.value(QLatin1String("date")).toString();
        }
        if (!releaseGroupId.isEmpty() && group == releaseGroupId)
            break;
    }
    const QJsonArray genres = recording.value(QLatin1String("genres")).toArray();
    if (!genres.isEmpty())
        found.genre = genres.first().toObject().value(QLatin1String("name")).toString();
    return found;
}
