// The play bar as the desktop's media player: playerctl on a private session bus plays,
// pauses and toggles the bar, moves it to the next and previous recording, reads the playing
// recording's title (from the history, else the file name) and sets the volume, while the bar
// plays real files through the private sound server. Changes made at the bar reach the bus.

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

#include "../desktop/privatebus.h"
#include "mprisservice.h"
#include "parserxml.h"
#include "playbartestkit.h"
#include "playcontrolremote.h"
#include "qnxbasebutton.h"
#include "qplaycontrolwgt.h"

class TestPlayControlRemote : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mediaKeysDriveTheBar();
    void titleOfThePlayingRecording();
    void barChangesReachTheBus();

private:
    QString playerctl(const QStringList& args);

    PrivateBus m_bus;
    PlayBarMedia m_media;
    std::unique_ptr<QPlayControlWgt> m_bar;
    std::unique_ptr<PlayControlRemote> m_remote;
    std::unique_ptr<MprisService> m_service;
};

void TestPlayControlRemote::initTestCase()
{
    qRegisterMetaType<QProcess::ExitStatus>();
    QVERIFY(testmedia::pulseAvailable());
    QVERIFY(m_media.create(3, 3.0));
    QVERIFY2(m_bus.start(), qPrintable(m_bus.error()));
    HistoryRecord record;
    record.filePath = m_media.files()[1];
    record.title = QStringLiteral("Evening Rain");
    record.artist = QStringLiteral("Mira Holm");
    QVERIFY(ParserXML::addOrUpdateHistory(record));
}

void TestPlayControlRemote::init()
{
    m_bar = std::make_unique<QPlayControlWgt>();
    m_bar->OnSetPlayList(m_media.files());
    m_remote = std::make_unique<PlayControlRemote>(*m_bar);
    m_service = std::make_unique<MprisService>(
        QDBusConnection::connectToBus(m_bus.address(), "service"), *m_remote,
        MprisService::Identity{"Quillon Audio Recorder", "com.quillonfennick.AudioRecorder"},
        MprisService::Window{});
    QVERIFY2(m_service->isPublished(), qPrintable(m_service->errorString()));
}

void TestPlayControlRemote::cleanup()
{
    m_service.reset();
    QDBusConnection::disconnectFromBus("service");
    m_remote.reset();
    m_bar.reset();
}

QString TestPlayControlRemote::playerctl(const QStringList& args)
{
    return m_bus.playerctl(args);
}

void TestPlayControlRemote::mediaKeysDriveTheBar()
{
    const QStringList files = m_media.files();
    QSignalSpy playing(m_bar.get(), &QPlayControlWgt::emitPlayingFilePath);
    QCOMPARE(playerctl({"status"}), QStringLiteral("Stopped"));

    playerctl({"play-pause"});
    QVERIFY(m_bar->isPlaying());
    QCOMPARE(m_bar->currentPath(), files[0]);
    QCOMPARE(playerctl({"status"}), QStringLiteral("Playing"));

    playerctl({"play-pause"});
    QVERIFY(!m_bar->isPlaying());
    QCOMPARE(playerctl({"status"}), QStringLiteral("Paused"));

    playerctl({"next"});
    QCOMPARE(m_bar->currentPath(), files[1]);
    QVERIFY(m_bar->isPlaying());
    playerctl({"previous"});
    playerctl({"previous"});
    QCOMPARE(m_bar->currentPath(), files[2]);  // previous on the first wraps to the last
    QCOMPARE(playing.count(), 4);

    playerctl({"pause"});
    QVERIFY(!m_bar->isPlaying());
    playerctl({"play"});
    QVERIFY(m_bar->isPlaying());
    QCOMPARE(m_bar->currentPath(), files[2]);

    playerctl({"volume", "0.2"});
    QCOMPARE(m_bar->volume(), 20);
    QVERIFY(m_bar->volumeIconPath().endsWith("btn_volume_little.png"));
    playerctl({"stop"});
    QVERIFY(!m_bar->isPlaying());
}

void TestPlayControlRemote::titleOfThePlayingRecording()
{
    const QStringList files = m_media.files();
    QVERIFY(m_bar->OnSetPlayFile(files[1]));
    QCOMPARE(playerctl({"metadata", "title"}), QStringLiteral("Evening Rain"));
    QCOMPARE(playerctl({"metadata", "artist"}), QStringLiteral("Mira Holm"));
    QCOMPARE(playerctl({"metadata", "xesam:url"}), QUrl::fromLocalFile(files[1]).toString());
    // A recording without a title in the history shows its file name.
    m_bar->OnNext();
    QCOMPARE(playerctl({"metadata", "title"}), QStringLiteral("tone2"));
    const qint64 lengthUs = playerctl({"metadata", "mpris:length"}).toLongLong();
    QVERIFY2(qAbs(lengthUs - 3000000) < 100000, qPrintable(QString::number(lengthUs)));
    m_bar->OnBtnPause();
}

void TestPlayControlRemote::barChangesReachTheBus()
{
    QSignalSpy state(m_remote.get(), &MediaPlayerControl::emitStateChanged);
    QSignalSpy track(m_remote.get(), &MediaPlayerControl::emitTrackChanged);
    m_bar->playButton()->click();
    // Loading and then playing is one change for the desktop: Stopped to Playing.
    QTRY_COMPARE(state.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(state.count(), 1);
    QCOMPARE(track.count(), 1);
    QCOMPARE(m_remote->state(), MediaPlayerControl::State::Playing);
    QCOMPARE(playerctl({"status"}), QStringLiteral("Playing"));
    m_bar->OnRemoveAllFiles();
    QCOMPARE(playerctl({"status"}), QStringLiteral("Stopped"));
    QCOMPARE(playerctl({"metadata", "title"}), QString());
}

QTEST_MAIN(TestPlayControlRemote)
#include "tst_playcontrolremote.moc"
