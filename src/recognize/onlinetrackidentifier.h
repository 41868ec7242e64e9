#pragma once
// OnlineTrackIdentifier: identifies music through AcoustID with the user's API key, then asks
// MusicBrainz for the release (its date and genre) and the Cover Art Archive for its front
// cover. Only the fingerprint and the duration leave the machine: a query with a file path only
// is fingerprinted here first, on a pool thread.
//
// Every request waits its turn at RequestPacer::shared() (by timer, never by sleeping), counts
// there until its reply is back, and gives up after settings.timeoutMs. Whatever fails (off, no
// key, no network, an error answer, HTTP 429/503, a body that is not the service's JSON, a server
// that does not answer) ends in "no match" with a reason; a failure after AcoustID matched
// (release, cover) only leaves those details out.
//
// Lives on the application's main thread.

#include <QPointer>

#include <functional>

#include "onlinelookupsettings.h"
#include "trackidentifier.h"

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
struct AcoustIdMatch;

class OnlineTrackIdentifier : public TrackIdentifier {
    Q_OBJECT
public:
    explicit OnlineTrackIdentifier(const OnlineLookupSettings& settings, QObject* parent = nullptr);
    void identify(const TrackQuery& query) override;

private:
    using Send = std::function<QNetworkReply*()>;
    using Receive = std::function<void(QNetworkReply*)>;

    void fingerprint(const QString& path);
    void lookUp(const QString& fingerprint, int durationS);
    void onLookup(QNetworkReply* reply);
    void fetchRelease(const AcoustIdMatch& match);
    void fetchCover(const QString& releaseId);
    void finish(const TrackIdentification& result);
    // Starts a request when the pacer allows; receive gets its reply unless a newer query came.
    void request(Send send, Receive receive);
    QNetworkRequest makeRequest(const QUrl& url) const;
    // Why a reply failed, empty when it did not.
    QString problem(QNetworkReply* reply) const;

    OnlineLookupSettings m_settings;
    QNetworkAccessManager* m_network;
    quint64 m_query = 0;  // counts identify() calls; answers to an older one are dropped
    TrackIdentification m_result;
};
