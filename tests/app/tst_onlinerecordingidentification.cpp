// Finished recordings asked about online, against a local server replaying the service's
// answers: files queued together are each looked up in turn; a file deleted, moved or rewritten
// before the answer gets nothing; with the switch off or without a key nothing is queued and
// nothing is asked.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "onlinerecordingidentification.h"
#include "parserxml.h"
#include "replayedanswers.h"
#include "replayserver.h"
#include "testmusic.h"

namespace {

void setOnline(const QString& attribute, const QString& value)
{
    const QString group = QStringLiteral("ONLINE_RECOGNITION");
    ParserXML::getSettingValue(group, attribute, QString());
    ParserXML::setSettingValue(group, attribute, value);
}

}  // namespace

class TestOnlineRecordingIdentification : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void eachQueuedFileAnswered();
    void changedMeanwhile_data();
    void changedMeanwhile();
    void notQueued_data();
    void notQueued();

private:
    // A fresh copy of the test recording.
    QString recording(const QString& name);
    int lookups() const;

    QTemporaryDir m_dir;
    QString m_music;
    std::unique_ptr<ReplayServer> m_server;
};

void TestOnlineRecordingIdentification::initTestCase()
{
    QVERIFY(m_dir.isValid());
    testmusic::Track track;
    track.seed = 60;
    track.seconds = 8;
    m_music = m_dir.filePath(QStringLiteral("music.flac"));
    QVERIFY(testmusic::make(m_music, track));
}

void TestOnlineRecordingIdentification::init()
{
    m_server = std::make_unique<ReplayServer>();
    m_server->route("/v2/lookup", {200, replayed::kMatch});
    m_server->route("/ws/2/recording/", {200, replayed::kRecording});
    m_server->route("/release/", {200, replayed::pngBytes()});
    setOnline(QStringLiteral("Enabled"), ParserXML::boolText(true));
    setOnline(QStringLiteral("AcoustID_Key"), QStringLiteral("test-key"));
    setOnline(QStringLiteral("AcoustID_Url"),
              m_server->url(QStringLiteral("/v2/lookup")).toString());
    setOnline(QStringLiteral("MusicBrainz_Url"), m_server->url(QStringLiteral("/ws/2")).toString());
    setOnline(QStringLiteral("CoverArt_Url"), m_server->url(QString()).toString());
}

QString TestOnlineRecordingIdentification::recording(const QString& name)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    return QFile::copy(m_music, path) ? path : QString();
}

int TestOnlineRecordingIdentification::lookups() const
{
    return int(std::count_if(m_server->requests.begin(), m_server->requests.end(),
                             [](const auto& r) { return r.path.startsWith("/v2/lookup"); }));
}

void TestOnlineRecordingIdentification::eachQueuedFileAnswered()
{
    OnlineRecordingIdentification online;
    QSignalSpy spy(&online, &OnlineRecordingIdentification::identified);
    const QString first = recording(QStringLiteral("first.flac"));
    const QString second = recording(QStringLiteral("second.flac"));
    QVERIFY(online.enqueue(first, 1));
    QVERIFY(online.enqueue(second, 2));
    QCOMPARE(online.pending(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(online.pending(), 0, 60000);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(lookups(), 2);
    for (int i = 0; i < 2; ++i) {
        const auto info = spy.at(i).at(0).value<NxRecognizerAudioTagInfo>();
        QCOMPARE(QString::fromStdString(info.title), QStringLiteral("Night Drive"));
        QCOMPARE(QString::fromStdString(info.year), QStringLiteral("2019"));
        QCOMPARE(int(info.cover.size()), replayed::pngBytes().size());
        QCOMPARE(spy.at(i).at(1).toString(), i == 0 ? first : second);
        QCOMPARE(spy.at(i).at(2).toULongLong(), quint64(i + 1));
    }
}

void TestOnlineRecordingIdentification::changedMeanwhile_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("deleted") << "delete";
    QTest::newRow("moved") << "move";
    QTest::newRow("cut") << "cut";
}

// The file changes once it was fingerprinted, while the service is asked: no tags.
void TestOnlineRecordingIdentification::changedMeanwhile()
{
    QFETCH(QString, change);
    OnlineRecordingIdentification online;
    QSignalSpy spy(&online, &OnlineRecordingIdentification::identified);
    const QString path = recording(QStringLiteral("changed.flac"));
    bool changed = false;
    m_server->onRequest = [&](const ReplayServer::Request& request) {
        if (changed || !request.path.startsWith("/v2/lookup"))
            return;
        changed = true;
        if (change == QLatin1String("delete")) {
            QFile::remove(path);
        } else if (change == QLatin1String("move")) {
            QFile::rename(path, path + QStringLiteral(".moved.flac"));
        } else {
            QFile file(path);
            file.resize(file.size() / 2);
        }
    };
    QVERIFY(online.enqueue(path, 1));
    QTRY_COMPARE_WITH_TIMEOUT(online.pending(), 0, 60000);
    QVERIFY(changed);
    QCOMPARE(spy.count(), 0);
}

void TestOnlineRecordingIdentification::notQueued_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("exists");
    QTest::newRow("switched off") << false << "test-key" << true;
    QTest::newRow("no key") << true << "  " << true;
    QTest::newRow("no file") << true << "test-key" << false;
}

void TestOnlineRecordingIdentification::notQueued()
{
    QFETCH(bool, enabled);
    QFETCH(QString, key);
    QFETCH(bool, exists);
    setOnline(QStringLiteral("Enabled"), ParserXML::boolText(enabled));
    setOnline(QStringLiteral("AcoustID_Key"), key);
    OnlineRecordingIdentification online;
    const QString path = recording(QStringLiteral("off.flac"));
    if (!exists)
        QVERIFY(QFile::remove(path));
    QVERIFY(!online.enqueue(path, 1));
    QCOMPARE(online.pending(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(m_server->requests.size(), 0);
}

QTEST_GUILESS_MAIN(TestOnlineRecordingIdentification)
#include "tst_onlinerecordingidentification.moc"
