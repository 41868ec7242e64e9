#include "updatechecker.h"

#include "parserxml.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QVersionNumber>
#include <QXmlStreamReader>

namespace {

const QString kElement = QStringLiteral("UPDATES_ITEM");
const QString kDefaultFeed = QStringLiteral("https://quillon.example.org/appcast.xml");

// The version an <enclosure> or its item announces: sparkle:version, else the short version.
QString enclosureVersion(const QXmlStreamAttributes& attributes)
{
    for (const char* name : {"version", "shortVersionString"}) {
        for (const QXmlStreamAttribute& a : attributes) {
            if (a.name() == QLatin1String(name) && a.prefix() == QLatin1String("sparkle"))
                return a.value().toString().trimmed();
        }
    }
    return QString();
}

}  // namespace

QString UpdateCheckResult::message() const
{
    switch (status) {
        case UpToDate:
            return UpdateChecker::tr("Quillon Audio Recorder is up to date (version %1).")
                .arg(UpdateChecker::currentVersion());
        case UpdateAvailable:
            return UpdateChecker::tr("Version %1 is available.\n%2")
                .arg(latestVersion, downloadUrl.toString());
        case Failed:
            break;
    }
    return UpdateChecker::tr("Cannot check for updates: %1").arg(error);
}

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{
}

QUrl UpdateChecker::appcastUrl()
{
    return QUrl(ParserXML::getSettingValue(kElement, QStringLiteral("Appcast_Url"), kDefaultFeed));
}

bool UpdateChecker::automaticChecksEnabled()
{
    return ParserXML::isTrueText(
        ParserXML::getSettingValue(kElement, QStringLiteral("bIsAutoUpdate"), QStringLiteral("N")));
}

QString UpdateChecker::currentVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(QUILLON_VERSION) : version;
}

QVector<AppcastRelease> UpdateChecker::parseAppcast(const QByteArray& xml, QString* error)
{
    QVector<AppcastRelease> releases;
    QXmlStreamReader reader(xml);
    bool inItem = false;
    AppcastRelease item;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("item")) {
            inItem = true;
            item = AppcastRelease();
        } else if (inItem && reader.isStartElement() &&
                   reader.name() == QLatin1String("enclosure")) {
            item.url = QUrl(reader.attributes().value(QLatin1String("url")).toString());
            const QString version = enclosureVersion(reader.attributes());
            if (!version.isEmpty())
                item.version = version;
        } else if (inItem && reader.isStartElement() &&
                   reader.prefix() == QLatin1String("sparkle") &&
                   reader.name() == QLatin1String("version")) {
            item.version = reader.readElementText().trimmed();
        } else if (reader.isEndElement() && reader.name() == QLatin1String("item")) {
            inItem = false;
            if (!item.version.isEmpty())
                releases.append(item);
        }
    }
    if (error)
        *error = reader.hasError()
                     ? tr("the update feed is not valid XML: %1").arg(reader.errorString())
                     : QString();
    return releases;
}

int UpdateChecker::compareVersions(const QString& a, const QString& b)
{
    // Trailing zeros do not count: 0.1.0 is 0.1.
    return QVersionNumber::compare(QVersionNumber::fromString(a).normalized(),
                                   QVersionNumber::fromString(b).normalized());
}

UpdateCheckResult UpdateChecker::evaluate(const QByteArray& xml, const QString& current)
{
    UpdateCheckResult result;
    QString error;
    const QVector<AppcastRelease> releases = parseAppcast(xml, &error);
    if (!error.isEmpty() || releases.isEmpty()) {
        result.error = error.isEmpty() ? tr("the update feed lists no release") : error;
        return result;
    }
    AppcastRelease newest = releases.first();
    for (const AppcastRelease& r : releases) {
        if (compareVersions(r.version, newest.version) > 0)
            newest = r;
    }
    result.latestVersion = newest.version;
    result.downloadUrl = newest.url;
    result.status = compareVersions(newest.version, current) > 0
                        ? UpdateCheckResult::UpdateAvailable
                        : UpdateCheckResult::UpToDate;
    return result;
}

void UpdateChecker::check(const QUrl& feed, const QString& current)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    QNetworkRequest request(feed);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, current] { onReplyFinished(reply, current); });
}

void UpdateChecker::onReplyFinished(QNetworkReply* reply, const QString& current)
{
    reply->deleteLater();
    if (reply == m_reply)
        m_reply = nullptr;
    UpdateCheckResult result;
    if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    else
        result = evaluate(reply->readAll(), current);
    emit finished(result);
}
