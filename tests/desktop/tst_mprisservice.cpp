// The player on a private session bus as an MPRIS media player, driven by playerctl as the
// desktop's media keys and sound menu would drive it: play, pause and play-pause toggle, next
// and previous move through the recordings, the title and the other metadata are shown, the
// position is set and moved, the volume is set. The player is a test double of
// MediaPlayerControl that the play bar will implement for real.

#include "mediaplayercontrol.h"
#include "mprisservice.h"
#include "privatebus.h"
#include "tablerows.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Three recordings in a row; commands change the state at once and report like a player.
class FakePlayer : public MediaPlayerControl {
    Q_OBJECT
public:
    QStringList commands;
    int index = 0;
    State current = State::Stopped;
    quint64 position = 0;
    double level = 1.0;

    const QVector<Track> tracks = {
        {"/music/a.mp3", "/music/a.mp3", "First Light", "Ana Ray", "Dawn", 200000000},
        {"/music/b.flac", "/music/b.flac", "Second Wind", "Bo Lin", "", 90000000},
        {"/music/c d.ogg", "/music/c d.ogg", QStringLiteral("Drittes Stück"), "", "", 0},
    };

    State state() const override { return current; }
    Track currentTrack() const override { return tracks.value(index); }
    quint64 positionUs() const override { return position; }
    double volume() const override { return level; }
    bool canPlay() const override { return true; }
    bool canPause() const override { return true; }
    bool canGoNext() const override { return index + 1 < tracks.size(); }
    bool canGoPrevious() const override { return index > 0; }
    bool canSeek() const override { return tracks.value(index).lengthUs > 0; }

    void play() override { setState("play", State::Playing); }
    void pause() override { setState("pause", State::Paused); }
    void playPause() override
    {
        setState("playPause", current == State::Playing ? State::Paused : State::Playing);
    }
    void stop() override { setState("stop", State::Stopped); }
    void next() override { go("next", index + 1); }
    void previous() override { go("previous", index - 1); }
    void seekTo(quint64 us) override
    {
        commands << QStringLiteral("seekTo %1").arg(us);
        position = us;
        emit emitSeeked(us);
    }
    void setVolume(double v) override
    {
        commands << QStringLiteral("setVolume %1").arg(v);
        level = v;
        emit emitVolumeChanged();
    }

private:
    void setState(const char* command, State state)
    {
        commands << QLatin1String(command);
        current = state;
        emit emitStateChanged();
    }
    void go(const char* command, int to)
    {
        commands << QLatin1String(command);
        index = to;
        position = 0;
        emit emitTrackChanged();
        emit emitCapabilitiesChanged();
        emit emitSeeked(0);
    }
};

using tablerows::addRow;

// Listens to PropertiesChanged of the player on the bus.
class ChangeListener : public QObject {
    Q_OBJECT
public:
    QVariantMap lastChanged;

signals:
    void changed();

public slots:
    void onChanged(const QString& interface, const QVariantMap& values, const QStringList&)
    {
        if (interface == QLatin1String("org.mpris.MediaPlayer2.Player")) {
            lastChanged = values;
            emit changed();
        }
    }
};

}  // namespace

class TestMprisService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        QVERIFY2(m_bus.start(), qPrintable(m_bus.error()));
    }

    void init()
    {
        m_player = std::make_unique<FakePlayer>();
        m_raised = 0;
        m_service = std::make_unique<MprisService>(
            QDBusConnection::connectToBus(m_bus.address(), "service"), *m_player,
            MprisService::Identity{"Quillon Audio Recorder", "com.quillonfennick.AudioRecorder"},
            MprisService::Window{[this] { ++m_raised; }, nullptr});
        QVERIFY2(m_service->isPublished(), qPrintable(m_service->errorString()));
    }

    void cleanup()
    {
        m_service.reset();
        QDBusConnection::disconnectFromBus("service");
    }

    void listedUnderItsName()
    {
        QProcess list;
        list.setProcessEnvironment(m_bus.environment());
        QSignalSpy finished(&list, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        list.start("playerctl", {"--list-all"});
        QVERIFY(finished.wait(30000));
        QCOMPARE(QString::fromUtf8(list.readAllStandardOutput()).trimmed(),
                 QStringLiteral("quillon"));

        // The root interface: a window that can be raised but not quit from outside.
        QDBusMessage raise =
            QDBusMessage::createMethodCall(MprisService::kServiceName, MprisService::kObjectPath,
                                           "org.mpris.MediaPlayer2", "Raise");
        QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "root-client");
        QDBusPendingCallWatcher watcher(client.asyncCall(raise));
        QSignalSpy done(&watcher, &QDBusPendingCallWatcher::finished);
        QVERIFY(done.wait(10000));
        QCOMPARE(m_raised, 1);
        QDBusConnection::disconnectFromBus("root-client");
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("steps");  // playerctl calls separated by "|"
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("status");
        addRow("play-pause toggles", QStringList{"play-pause", "|", "play-pause"},
               QStringList{"playPause", "playPause"}, "Paused");
        addRow("play then pause", QStringList{"play", "|", "pause"}, QStringList{"play", "pause"},
               "Paused");
        addRow("stop", QStringList{"play", "|", "stop"}, QStringList{"play", "stop"}, "Stopped");
        addRow("next and previous", QStringList{"next", "|", "next", "|", "previous"},
               QStringList{"next", "next", "previous"}, "Stopped");
        addRow("no next after the last", QStringList{"next", "|", "next", "|", "next"},
               QStringList{"next", "next"}, "Stopped");
        addRow("no previous before the first", QStringList{"previous"}, QStringList{}, "Stopped");
        addRow("set position", QStringList{"position", "12.5"}, QStringList{"seekTo 12500000"},
               "Stopped");
        addRow("move position", QStringList{"position", "30", "|", "position", "10-"},
               QStringList{"seekTo 30000000", "seekTo 20000000"}, "Stopped");
        addRow("past the end is next", QStringList{"position", "199", "|", "position", "5+"},
               QStringList{"seekTo 199000000", "next"}, "Stopped");
        addRow("volume", QStringList{"volume", "0.25"}, QStringList{"setVolume 0.25"}, "Stopped");
    }

    void commands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, commands);
        QFETCH(QString, status);
        QStringList call;
        for (const QString& word : steps + QStringList{"|"}) {
            if (word != QLatin1String("|")) {
                call << word;
                continue;
            }
            int exitCode = -1;
            playerctl(call, &exitCode);
            QVERIFY2(exitCode == 0 || call.first() == "next" || call.first() == "previous",
                     qPrintable(call.join(' ')));
            call.clear();
        }
        QCOMPARE(m_player->commands, commands);
        QCOMPARE(playerctl({"status"}), status);
    }

    void metadata_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        addRow("title", 0, "{{title}}", "First Light");
        addRow("artist and album", 0, "{{artist}} - {{album}}", "Ana Ray - Dawn");
        addRow("length", 0, "{{mpris:length}}", "200000000");
        QTest::newRow("file") << 2 << "{{xesam:url}}"
                              << "file:///music/c%20d.ogg";
        QTest::newRow("non-ASCII title") << 2 << "{{title}}" << QStringLiteral("Drittes Stück");
        addRow("no album", 1, "[{{album}}]", "[]");
        addRow("no artist", 2, "[{{artist}}]", "[]");
    }

    void metadata()
    {
        QFETCH(int, index);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        for (int i = 0; i < index; ++i)
            playerctl({"next"});
        QCOMPARE(playerctl({"metadata", "--format", format}), shown);
    }

    void announcesChanges()
    {
        QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "listener");
        ChangeListener listener;
        QVERIFY(client.connect(MprisService::kServiceName, MprisService::kObjectPath,
                               "org.freedesktop.DBus.Properties", "PropertiesChanged", &listener,
                               SLOT(onChanged(QString, QVariantMap, QStringList))));
        QSignalSpy changed(&listener, &ChangeListener::changed);

        m_player->play();
        QVERIFY(changed.wait(10000));
        QCOMPARE(listener.lastChanged.value("PlaybackStatus").toString(),
                 QStringLiteral("Playing"));

        changed.clear();
        m_player->next();
        QVERIFY(changed.count() > 0 || changed.wait(10000));
        // The track change comes first, then the capabilities.
        QTRY_VERIFY_WITH_TIMEOUT(listener.lastChanged.contains("CanGoPrevious"), 10000);
        QCOMPARE(listener.lastChanged.value("CanGoPrevious").toBool(), true);
        QDBusConnection::disconnectFromBus("listener");
    }

    void refusesWhatItCannot()
    {
        QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "open-client");
        const auto call = [&](const char* method, const QVariantList& args = {}) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                MprisService::kServiceName, MprisService::kObjectPath,
                "org.mpris.MediaPlayer2.Player", method);
            message.setArguments(args);
            QDBusPendingCallWatcher watcher(client.asyncCall(message));
            QSignalSpy answered(&watcher, &QDBusPendingCallWatcher::finished);
            return answered.wait(10000) ? watcher.error().type() : QDBusError::Timeout;
        };
        QCOMPARE(call("OpenUri", {QStringLiteral("file:///music/other.mp3")}),
                 QDBusError::NotSupported);
        // Seeking is refused where the player cannot seek (the third recording has no length).
        playerctl({"next"});
        playerctl({"next"});
        playerctl({"position", "3"});
        // playerctl asks CanGoNext first; a desktop that calls Next and Previous itself must meet
        // the same limits at the service.
        QCOMPARE(call("Next"), QDBusError::NoError);
        QCOMPARE(m_player->commands, (QStringList{"next", "next"}));
        m_player->index = 0;
        QCOMPARE(call("Previous"), QDBusError::NoError);
        QCOMPARE(m_player->commands, (QStringList{"next", "next"}));
        QDBusConnection::disconnectFromBus("open-client");
    }

    void secondPlayerCannotTakeTheName()
    {
        FakePlayer other;
        MprisService second(QDBusConnection::connectToBus(m_bus.address(), "second"), other,
                            MprisService::Identity{"Other", "other"}, MprisService::Window{});
        QVERIFY(!second.isPublished());
        QVERIFY2(second.errorString().contains("cannot own"), qPrintable(second.errorString()));
        // The first one still answers.
        QCOMPARE(playerctl({"metadata", "--format", "{{title}}"}), QStringLiteral("First Light"));
        QDBusConnection::disconnectFromBus("second");
    }

private:
    // Runs playerctl against the private bus and waits for it while the service answers.
    QString playerctl(const QStringList& args, int* exitCode = nullptr);

    PrivateBus m_bus;
    std::unique_ptr<FakePlayer> m_player;
    std::unique_ptr<MprisService> m_service;
    int m_raised = 0;
};

QString TestMprisService::playerctl(const QStringList& args, int* exitCode)
{
    return m_bus.playerctl(args, exitCode);
}

QTEST_GUILESS_MAIN(TestMprisService)
#include "tst_mprisservice.moc"
