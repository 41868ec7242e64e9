// The online identification client against a local server replaying the services' documented
// answers: a match with its release and cover, no match, error answers (invalid key, rate
// limit, unavailable), a body that is not JSON, a server that never answers or is not there,
// a missing cover; what leaves the machine; the shared limit of 3 requests per second; and the
// local catalogue asked first, the online service only for music it does not know.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <algorithm>
#include <memory>

#include <brisca/brisca.h>

#include "cataloguetrackidentifier.h"
#include "layeredtrackidentifier.h"
#include "onlinetrackidentifier.h"
#include "replayedanswers.h"
#include "replayserver.h"
#include "testmusic.h"

Q_DECLARE_METATYPE(ReplayServer::Reply)

using namespace replayed;

class TestOnlineTrackIdentifier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void refusedBeforeAnyRequest_data();
    void refusedBeforeAnyRequest();
    void onlyFingerprintAndDurationLeave();
    void threeRequestsPerSecond();
    void catalogueFirst_data();
    void catalogueFirst();

private:
    OnlineLookupSettings settings(const ReplayServer& server) const;
    TrackIdentification identify(OnlineTrackIdentifier& client, const TrackQuery& query);

    QTemporaryDir m_dir;
    QString m_song;
    QString m_owned;
    TrackQuery m_query{QString(), QStringLiteral("AQAAEwkjrUmSJQpUHflR9mjSJMdZpcO_Imgn"), 25};
};

void TestOnlineTrackIdentifier::initTestCase()
{
    QVERIFY(m_dir.isValid());
    testmusic::Track track;
    track.seed = 51;
    track.seconds = 25;
    track.tags = {{QStringLiteral("title"), QStringLiteral("Private Title")}};
    m_song = m_dir.filePath(QStringLiteral("private name.flac"));
    QVERIFY(testmusic::make(m_song, track));
    track.seed = 52;
    track.tags = {{QStringLiteral("title"), QStringLiteral("Owned Song")}};
    m_owned = m_dir.filePath(QStringLiteral("owned.flac"));
    QVERIFY(testmusic::make(m_owned, track));
    SetCataloguePath(m_dir.filePath(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
    QVERIFY(AddCatalogueFile(m_owned.toUtf8().constData()));
}

OnlineLookupSettings TestOnlineTrackIdentifier::settings(const ReplayServer& server) const
{
    OnlineLookupSettings s;
    s.enabled = true;
    s.apiKey = QStringLiteral("test-key");
    s.acoustIdUrl = server.url(QStringLiteral("/v2/lookup"));
    s.musicBrainzUrl = server.url(QStringLiteral("/ws/2"));
    s.coverArtUrl = server.url(QString());
    s.timeoutMs = 60000;  // answers come at once; only a silent server waits for this
    return s;
}

TrackIdentification TestOnlineTrackIdentifier::identify(OnlineTrackIdentifier& client,
                                                        const TrackQuery& query)
{
    QSignalSpy spy(&client, &TrackIdentifier::identified);
    client.identify(query);
    if (!spy.wait(30000) || spy.count() != 1)
        return TrackIdentification::noMatch(QStringLiteral("no answer, or more than one"));
    return spy.first().first().value<TrackIdentification>();
}

void TestOnlineTrackIdentifier::answers_data()
{
    using R = ReplayServer::Reply;
    QTest::addColumn<R>("lookup");
    QTest::addColumn<R>("cover");
    QTest::addColumn<QString>("title");   // empty: no match
    QTest::addColumn<QString>("reason");  // part of the reason for no match
    const R cover{200, pngBytes()};
    QTest::newRow("match") << R{200, kMatch} << cover << "Night Drive"
                           << "";
    QTest::newRow("match without cover") << R{200, kMatch} << R{404, "none"} << "Night Drive"
                                         << "";
    QTest::newRow("no results") << R{200, kNoResults} << cover << ""
                                << "";
    QTest::newRow("invalid key") << R{400, kInvalidKey} << cover << ""
                                 << "invalid API key";
    QTest::newRow("rate limited") << R{429, "slow down"} << cover << ""
                                  << "HTTP 429";
    QTest::newRow("unavailable") << R{503, "<html>busy</html>"} << cover << ""
                                 << "HTTP 503";
    QTest::newRow("garbage") << R{200, "<html>{not json"} << cover << ""
                             << "not a lookup result";
    QTest::newRow("never answers") << R{200, {}, true} << cover << ""
                                   << "did not answer";
}

void TestOnlineTrackIdentifier::answers()
{
    QFETCH(ReplayServer::Reply, lookup);
    QFETCH(ReplayServer::Reply, cover);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    ReplayServer server;
    server.route("/v2/lookup", lookup);
    server.route("/ws/2/recording/cd2e7c47-16f5-46c6-a37c-a1eb7bf599ff", {200, kRecording});
    server.route("/release/rel-roads/front-250", cover);
    OnlineLookupSettings s = settings(server);
    if (lookup.silent)
        s.timeoutMs = 400;
    OnlineTrackIdentifier client(s);

    const TrackIdentification found = identify(client, m_query);
    QCOMPARE(found.title, title);
    QCOMPARE(found.matched, !title.isEmpty());
    QVERIFY2(found.reason.contains(reason), qPrintable(found.reason));
    if (!found.matched)
        return;
    QCOMPARE(found.artist, QStringLiteral("Test Band feat. Guest"));
    QCOMPARE(found.album, QStringLiteral("Roads"));
    QCOMPARE(found.score, 0.93);
    QCOMPARE(found.date, QStringLiteral("2019-03-01"));
    QCOMPARE(found.genre, QStringLiteral("synthwave"));
    QCOMPARE(found.cover, cover.status == 200 ? cover.body : QByteArray());
}

void TestOnlineTrackIdentifier::refusedBeforeAnyRequest_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reason");
    QTest::newRow("switched off") << false << "test-key"
                                  << "switched off";
    QTest::newRow("no key") << true << ""
                            << "no AcoustID API key";
}

void TestOnlineTrackIdentifier::refusedBeforeAnyRequest()
{
    QFETCH(bool, enabled);
    QFETCH(QString, key);
    QFETCH(QString, reason);
    ReplayServer server;
    server.route("/v2/lookup", {200, kMatch});
    OnlineLookupSettings s = settings(server);
    s.enabled = enabled;
    s.apiKey = key;
    OnlineTrackIdentifier client(s);
    const TrackIdentification found = identify(client, m_query);
    QVERIFY(!found.matched);
    QVERIFY2(found.reason.contains(reason), qPrintable(found.reason));
    QVERIFY(server.requests.isEmpty());
}

void TestOnlineTrackIdentifier::onlyFingerprintAndDurationLeave()
{
    ReplayServer server;
    server.route("/v2/lookup", {200, kNoResults});
    OnlineTrackIdentifier client(settings(server));
    TrackQuery query;
    query.filePath = m_song;  // fingerprinted by the client itself
    const TrackIdentification found = identify(client, query);
    QVERIFY2(!found.matched && found.reason.isEmpty(), qPrintable(found.reason));

    QCOMPARE(server.requests.size(), 1);
    const ReplayServer::Request sent = server.requests.first();
    QCOMPARE(sent.method, QByteArray("POST"));
    QVERIFY(sent.headers.contains("User-Agent: Quillon Audio Recorder/"));
    const QUrlQuery form(QString::fromLatin1(sent.body));
    QStringList keys;
    for (const auto& item : form.queryItems())
        keys << item.first;
    keys.sort();
    QCOMPARE(keys, QStringList({"client", "duration", "fingerprint", "meta"}));
    QCOMPARE(form.queryItemValue(QStringLiteral("duration")), QStringLiteral("25"));
    QCOMPARE(form.queryItemValue(QStringLiteral("client")), QStringLiteral("test-key"));
    QVERIFY(form.queryItemValue(QStringLiteral("fingerprint")).size() > 100);
    const QByteArray everything = sent.headers + sent.body;
    QVERIFY(!everything.contains("Private"));
    QVERIFY(!everything.contains("private"));
}

void TestOnlineTrackIdentifier::threeRequestsPerSecond()
{
    ReplayServer server;
    server.route("/v2/lookup", {200, kNoResults});
    std::vector<std::unique_ptr<OnlineTrackIdentifier>> clients;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = 0; i < 7; ++i) {
        clients.push_back(std::make_unique<OnlineTrackIdentifier>(settings(server)));
        spies.push_back(
            std::make_unique<QSignalSpy>(clients.back().get(), &TrackIdentifier::identified));
    }
    for (auto& client : clients)
        client->identify(m_query);
    for (auto& spy : spies)
        QTRY_COMPARE_WITH_TIMEOUT(spy->count(), 1, 30000);

    QCOMPARE(server.requests.size(), 7);
    std::vector<qint64> arrived;
    for (const auto& request : server.requests)
        arrived.push_back(request.arrivedMs);
    std::sort(arrived.begin(), arrived.end());
    // Any fourth request arrives at least a second after the first of the three before it.
    for (size_t i = 0; i + 3 < arrived.size(); ++i)
        QVERIFY2(arrived[i + 3] - arrived[i] >= 1000,
                 qPrintable(QStringLiteral("requests %1 and %2: %3 ms apart")
                                .arg(i)
                                .arg(i + 3)
                                .arg(arrived[i + 3] - arrived[i])));
}

void TestOnlineTrackIdentifier::catalogueFirst_data()
{
    QTest::addColumn<bool>("owned");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("requests");
    QTest::newRow("catalogued") << true << true << "Owned Song" << 0;
    QTest::newRow("unknown, online") << false << true << "Night Drive" << 3;
    QTest::newRow("unknown, offline") << false << false << "" << 0;
}

void TestOnlineTrackIdentifier::catalogueFirst()
{
    QFETCH(bool, owned);
    QFETCH(bool, online);
    QFETCH(QString, title);
    QFETCH(int, requests);
    ReplayServer server;
    server.route("/v2/lookup", {200, kMatch});
    server.route("/ws/2/recording/", {200, kRecording});
    server.route("/release/", {200, pngBytes()});
    QList<TrackIdentifier*> layers{new CatalogueTrackIdentifier};
    if (online)
        layers << new OnlineTrackIdentifier(settings(server));
    LayeredTrackIdentifier identifier(layers);
    QSignalSpy spy(&identifier, &TrackIdentifier::identified);
    TrackQuery query;
    query.filePath = owned ? m_owned : m_song;
    identifier.identify(query);
    QVERIFY(spy.wait(60000));
    const auto found = spy.first().first().value<TrackIdentification>();
    QCOMPARE(found.title, title);
    QCOMPARE(server.requests.size(), requests);
    QCOMPARE(spy.count(), 1);
}

QTEST_GUILESS_MAIN(TestOnlineTrackIdentifier)
#include "tst_onlinetrackidentifier.moc"
