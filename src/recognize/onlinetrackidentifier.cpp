#include "onlinetrackidentifier.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThreadPool>
#include <QTimer>
#include <QUrlQuery>

#include <brisca/brisca.h>

#include "acoustidreply.h"
#include "requestpacer.h"

namespace {

// AcoustID matches on the first two minutes, as fpcalc fingerprints them.
constexpr int64_t kFingerprintUs = 120 * 1000000LL;

}  // namespace

OnlineTrackIdentifier::OnlineTrackIdentifier(const OnlineLookupSettings& settings, QObject* parent)
    : TrackIdentifier(parent), m_settings(settings), m_network(new QNetworkAccessManager(this))
{
    qRegisterMetaType<TrackIdentification>();
}

void OnlineTrackIdentifier::identify(const TrackQuery& query)
{
    const quint64 id = ++m_query;
    m_result = {};
    QString refused;
    if (!m_settings.enabled)
        refused = tr("online identification is switched off");
    else if (m_settings.apiKey.isEmpty())
        refused = tr("no AcoustID API key is set in the preferences");
    else if (query.fingerprint.isEmpty() && query.filePath.isEmpty())
        refused = tr("there is no sound to identify");
    if (!refused.isEmpty()) {
        // identified() never comes from inside identify().
        QTimer::singleShot(0, this, [this, id, refused] {
            if (id == m_query)
                finish(TrackIdentification::noMatch(refused));
        });
    } else if (query.fingerprint.isEmpty()) {
        fingerprint(query.filePath);
    } else {
        lookUp(query.fingerprint, query.durationS);
    }
}

void OnlineTrackIdentifier::fingerprint(const QString& path)
{
    const quint64 id = m_query;
    QPointer<OnlineTrackIdentifier> self(this);  // only dereferenced on the main thread
    QThreadPool::globalInstance()->start([self, id, path] {
        int64_t durationUs = 0;
        char* raw = FingerprintFile(path.toUtf8().constData(), kFingerprintUs, 0, &durationUs);
        const QString print = raw ? QString::fromLatin1(raw) : QString();
        const QString error = raw ? QString() : QString::fromUtf8(BriscaLastError());
        ReleaseFingerprint(raw);
        QMetaObject::invokeMethod(
            qApp,
            [self, id, print, error, durationUs] {
                if (!self || id != self->m_query)
                    return;
                if (print.isEmpty())
                    self->finish(TrackIdentification::noMatch(
                        tr("the sound could not be fingerprinted: %1").arg(error)));
                else
                    self->lookUp(print, int((durationUs + 500000) / 1000000));
            },
            Qt::QueuedConnection);
    });
}

void OnlineTrackIdentifier::lookUp(const QString& fingerprint, int durationS)
{
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("client"), m_settings.apiKey);
    form.addQueryItem(QStringLiteral("duration"), QString::number(durationS));
    form.addQueryItem(QStringLiteral("fingerprint"), fingerprint);
    form.addQueryItem(QStringLiteral("meta"), QStringLiteral("recordings releasegroups compress"));
    const QByteArray body = form.toString(QUrl::FullyEncoded).toUtf8();
    request(
        [this, body] {
            QNetworkRequest post = makeRequest(m_settings.acoustIdUrl);
            post.setHeader(QNetworkRequest::ContentTypeHeader,
                           QStringLiteral("application/x-www-form-urlencoded"));
            return m_network->post(post, body);
        },
        [this](QNetworkReply* reply) { onLookup(reply); });
}

void OnlineTrackIdentifier::onLookup(QNetworkReply* reply)
{
    // A reply cut off by the time-out is closed: nothing to read.
    const AcoustIdMatch match =
        parseAcoustIdLookup(reply->isReadable() ? reply->readAll() : QByteArray());
    const QString failed = problem(reply);
    if (!match.isServiceAnswer && !failed.isEmpty())
        finish(TrackIdentification::noMatch(failed));
    else if (!match.found.matched || match.recordingId.isEmpty())
        finish(match.found);
    else
        fetchRelease(match);
}

void OnlineTrackIdentifier::fetchRelease(const AcoustIdMatch& match)
{
    m_result = match.found;
    QUrl url(m_settings.musicBrainzUrl.toString() + QStringLiteral("/recording/") +
             match.recordingId);
    url.setQuery(QStringLiteral("inc=releases+release-groups+genres&fmt=json"));
    const QString group = match.releaseGroupId;
    request([this, url] { return m_network->get(makeRequest(url)); },
            [this, group](QNetworkReply* reply) {
                if (!problem(reply).isEmpty()) {
                    finish(m_result);
                    return;
                }
                const MusicBrainzRelease release =
                    parseMusicBrainzRecording(reply->readAll(), group);
                m_result.date = release.date;
                m_result.genre = release.genre;
                if (release.releaseId.isEmpty())
                    finish(m_result);
                else
                    fetchCover(release.releaseId);
            });
}

void OnlineTrackIdentifier::fetchCover(const QString& releaseId)
{
    const QUrl url(m_settings.coverArtUrl.toString() + QStringLiteral("/release/") + releaseId +
                   QStringLiteral("/front-250"));
    request([this, url] { return m_network->get(makeRequest(url)); },
            [this](QNetworkReply* reply) {
                if (problem(reply).isEmpty())
                    m_result.cover = reply->readAll();
                finish(m_result);
            });
}

void OnlineTrackIdentifier::finish(const TrackIdentification& result)
{
    ++m_query;  // nothing of this query may answer again
    emit identified(result);
}

void OnlineTrackIdentifier::request(Send send, Receive receive)
{
    const quint64 id = m_query;
    RequestPacer::Ticket ticket = 0;
    const qint64 waitMs = RequestPacer::shared().tryTake(&ticket);
    if (waitMs > 0) {
        QTimer::singleShot(int(waitMs), this, [this, id, send, receive] {
            if (id == m_query)
                request(send, receive);
        });
        return;
    }
    QNetworkReply* reply = send();
    // A reply deleted unfinished (this identifier goes away) must not hold its place for ever.
    connect(reply, &QObject::destroyed, [ticket] { RequestPacer::shared().finished(ticket); });
    connect(reply, &QNetworkReply::finished, this, [this, id, reply, receive, ticket] {
        RequestPacer::shared().finished(ticket);
        reply->deleteLater();
        if (id == m_query)
            receive(reply);
    });
}

QNetworkRequest OnlineTrackIdentifier::makeRequest(const QUrl& url) const
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", OnlineLookupSettings::userAgent());
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(m_settings.timeoutMs);
    // The Cover Art Archive answers with a redirect to the picture's archive.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    return request;
}

QString OnlineTrackIdentifier::problem(QNetworkReply* reply) const
{
    const QString host = reply->url().host();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return tr("%1 did not answer within %2 s").arg(host).arg(m_settings.timeoutMs / 1000.0);
    if (status == 429)
        return tr("%1 asks to wait: too many requests (HTTP 429)").arg(host);
    if (status == 503)
        return tr("%1 is unavailable for now (HTTP 503)").arg(host);
    if (status >= 400)
        return tr("%1 answered HTTP %2").arg(host).arg(status);
    if (reply->error() != QNetworkReply::NoError)
        return tr("no connection to %1: %2").arg(host, reply->errorString());
    return QString();
}
