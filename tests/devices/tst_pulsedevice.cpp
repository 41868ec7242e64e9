// libOlmet against the private sound server, checked with pactl. The fixture (default source
// quillon_mic_in, default sink quillon_out, full volume, unmuted) is restored after every test
// function, passed or failed.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <climits>
#include <memory>

#include "sounddevicelibrary.h"
#include "testmedia.h"

namespace {

const QString kFixtureSource = QStringLiteral("quillon_mic_in");
const QString kFixtureSink = QStringLiteral("quillon_out");

QString pactlOut(const QStringList& args)
{
    const testmedia::ToolResult result = testmedia::pactl(args);
    return result.ok() ? QString::fromUtf8(result.out).trimmed() : QString();
}

// Every percentage in `pactl get-(source|sink)-volume` output, one per channel.
QList<int> channelPercents(const QString& kind, const QString& name)
{
    QList<int> percents;
    const QString text = pactlOut({QStringLiteral("get-%1-volume").arg(kind), name});
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("(\\d+)%")).globalMatch(text);
    while (it.hasNext())
        percents << it.next().captured(1).toInt();
    return percents;
}

bool pactlMuted(const QString& kind, const QString& name)
{
    return pactlOut({QStringLiteral("get-%1-mute").arg(kind), name}) == QLatin1String("Mute: yes");
}

}  // namespace

class TestPulseDevice : public QObject {
    Q_OBJECT

private:
    olmet::SoundDevice* dev() const { return m_library->device(); }

    // Adds a capture source fed by the default sink's monitor; unloaded in cleanup().
    QString addSource(const QString& name, const QString& description)
    {
        const testmedia::ToolResult result = testmedia::pactl(
            {QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
             QStringLiteral("master=%1.monitor").arg(kFixtureSink),
             QStringLiteral("source_name=") + name,
             QStringLiteral("source_properties=device.description=") + description});
        if (result.ok())
            m_modules << QString::fromUtf8(result.out).trimmed();
        return result.ok() ? m_modules.last() : QString();
    }

    // The device whose name is `description`, -1 when not listed.
    int indexOf(const QString& description) const
    {
        for (int d = 0; d < dev()->GetDeviceCount(); ++d) {
            if (SoundDeviceLibrary::text(dev()->GetDeviceName(d)) == description)
                return d;
        }
        return -1;
    }

private slots:
    void initTestCase() { QVERIFY2(testmedia::pulseAvailable(), "private sound server is down"); }

    void init()
    {
        m_library = std::make_unique<SoundDeviceLibrary>(testmedia::binDir() + "/libOlmet.so");
        QVERIFY2(dev(), qPrintable(m_library->errorString()));
        QCOMPARE(dev()->WaitForDevices(10000), 1);
    }

    void cleanup()
    {
        m_library.reset();
        for (const QString& module : std::as_const(m_modules))
            testmedia::pactl({QStringLiteral("unload-module"), module});
        m_modules.clear();
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSource});
        testmedia::pactl({QStringLiteral("set-default-sink"), kFixtureSink});
        testmedia::pactl({QStringLiteral("set-source-volume"), kFixtureSource, "100%"});
        testmedia::pactl({QStringLiteral("set-sink-volume"), kFixtureSink, "100%"});
        testmedia::pactl({QStringLiteral("set-source-mute"), kFixtureSource, "0"});
        testmedia::pactl({QStringLiteral("set-sink-mute"), kFixtureSink, "0"});
    }

    void listsCaptureSourcesWithDefaults()
    {
        const QJsonArray sources =
            QJsonDocument::fromJson(testmedia::pactl({"-f", "json", "list", "sources"}).out)
                .array();
        QStringList capture;
        QString fixtureDescription;
        for (const QJsonValue& value : sources) {
            const QJsonObject source = value.toObject();
            const QString cls =
                source.value("properties").toObject().value("device.class").toString();
            if (cls != QLatin1String("monitor"))
                capture << source.value("description").toString();
            if (source.value("name").toString() == kFixtureSource)
                fixtureDescription = source.value("description").toString();
        }
        QVERIFY(!capture.isEmpty());

        QStringList listed;
        for (int d = 0; d < dev()->GetDeviceCount(); ++d) {
            QCOMPARE(dev()->GetRecorderCount(d), 1);
            QCOMPARE(SoundDeviceLibrary::text(dev()->GetRecorderName(d, 0)),
                     SoundDeviceLibrary::text(dev()->GetDeviceName(d)));
            listed << SoundDeviceLibrary::text(dev()->GetDeviceName(d));
        }
        QCOMPARE(listed, capture);

        int device = -1;
        int recorder = -1;
        QCOMPARE(dev()->GetDefaultRecorder(&device, &recorder), 0);
        QCOMPARE(device, indexOf(fixtureDescription));
        QCOMPARE(recorder, 0);
        QVERIFY(dev()->GetDefaultPlayback(&device, &recorder) >= 0);
        QCOMPARE(recorder, 0);
        QCOMPARE(dev()->GetPlaybackVolume(device, recorder), 100);
    }

    void followsSourcesAddedAndRemoved()
    {
        const int before = dev()->GetDeviceCount();
        QCOMPARE(dev()->IsDeviceListChanged(), 0);
        const QString module =
            addSource(QStringLiteral("quillon_hotplug"), QStringLiteral("Hotplug"));
        QVERIFY(!module.isEmpty());
        QTRY_VERIFY(dev()->IsDeviceListChanged() != 0);
        // Indices stay those of the last snapshot until the caller refreshes.
        QCOMPARE(dev()->GetDeviceCount(), before);
        dev()->RefreshDeviceList();
        QCOMPARE(dev()->IsDeviceListChanged(), 0);
        QCOMPARE(dev()->GetDeviceCount(), before + 1);
        QVERIFY(indexOf(QStringLiteral("Hotplug")) >= 0);

        testmedia::pactl({QStringLiteral("unload-module"), module});
        m_modules.removeAll(module);
        QTRY_VERIFY(dev()->IsDeviceListChanged() != 0);
        dev()->RefreshDeviceList();
        QCOMPARE(dev()->IsDeviceListChanged(), 0);
        QCOMPARE(dev()->GetDeviceCount(), before);
        QCOMPARE(indexOf(QStringLiteral("Hotplug")), -1);
    }

    void setsDefaultRecorder()
    {
        QVERIFY(!addSource(QStringLiteral("quillon_second"), QStringLiteral("Second")).isEmpty());
        QTRY_VERIFY(dev()->IsDeviceListChanged() != 0);
        dev()->RefreshDeviceList();
        const int second = indexOf(QStringLiteral("Second"));
        QVERIFY(second >= 0);

        // Reported at once, done by the server soon after.
        dev()->SetDefaultRecorder(second, 0);
        int device = -1;
        int recorder = -1;
        QCOMPARE(dev()->GetDefaultRecorder(&device, &recorder), 0);
        QCOMPARE(device, second);
        QCOMPARE(recorder, 0);
        QCOMPARE(SoundDeviceLibrary::text(dev()->GetNoDefaultRecorderReason()), QString());
        QTRY_COMPARE(pactlOut({QStringLiteral("get-default-source")}),
                     QStringLiteral("quillon_second"));

        // A change made elsewhere comes with the server's event, without a refresh.
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSource});
        QTRY_VERIFY(dev()->GetDefaultRecorder(&device, &recorder) == 0 && device != second);
        // A monitor as the default is no recorder of the list, and the reason says so.
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSink + ".monitor"});
        QTRY_VERIFY(dev()->GetDefaultRecorder(&device, &recorder) != 0);
        QVERIFY2(SoundDeviceLibrary::text(dev()->GetNoDefaultRecorderReason())
                     .contains(QLatin1String("monitor")),
                 qPrintable(SoundDeviceLibrary::text(dev()->GetNoDefaultRecorderReason())));
    }

    void setsVolumeAndMute_data()
    {
        QTest::addColumn<bool>("playback");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("mute");
        for (const bool playback : {false, true}) {
            const char* side = playback ? "playback" : "recorder";
            QTest::addRow("%s 50", side) << playback << 50 << 50 << 0;
            QTest::addRow("%s 33 muted", side) << playback << 33 << 33 << 1;
            QTest::addRow("%s 0", side) << playback << 0 << 0 << 0;
            QTest::addRow("%s 100", side) << playback << 100 << 100 << 1;
            QTest::addRow("%s 150 clamped", side) << playback << 150 << 100 << 0;
            QTest::addRow("%s -5 clamped", side) << playback << -5 << 0 << 0;
        }
    }

    void setsVolumeAndMute()
    {
        QFETCH(bool, playback);
        QFETCH(int, volume);
        QFETCH(int, expected);
        QFETCH(int, mute);
        const QString kind = playback ? QStringLiteral("sink") : QStringLiteral("source");
        const QString name = playback ? kFixtureSink : kFixtureSource;
        int device = -1;
        int sub = -1;
        QVERIFY((playback ? dev()->GetDefaultPlayback(&device, &sub)
                          : dev()->GetDefaultRecorder(&device, &sub)) >= 0);
        testmedia::pactl({QStringLiteral("set-%1-mute").arg(kind), name, mute ? "0" : "1"});
        QTRY_COMPARE(
            playback ? dev()->GetPlaybackMute(device, sub) : dev()->GetRecorderMute(device, sub),
            mute ? 0 : 1);
        if (playback) {
            dev()->SetPlaybackVolume(device, sub, volume);
            dev()->SetPlaybackMute(device, sub, mute);
        } else {
            dev()->SetRecorderVolume(device, sub, volume);
            dev()->SetRecorderMute(device, sub, mute);
        }
        // Read back at once; done by the server soon after.
        QCOMPARE(playback ? dev()->GetPlaybackVolume(device, sub)
                          : dev()->GetRecorderVolume(device, sub),
                 expected);
        QCOMPARE(
            playback ? dev()->GetPlaybackMute(device, sub) : dev()->GetRecorderMute(device, sub),
            mute);
        QTRY_COMPARE(channelPercents(kind, name), QList<int>({expected, expected}));
        QTRY_COMPARE(pactlMuted(kind, name), mute == 1);
    }

    void volumeKeepsBalance()
    {
        int device = -1;
        int recorder = -1;
        QCOMPARE(dev()->GetDefaultRecorder(&device, &recorder), 0);
        testmedia::pactl({QStringLiteral("set-source-volume"), kFixtureSource, "80%", "40%"});
        QTRY_COMPARE(dev()->GetRecorderVolume(device, recorder), 80);
        dev()->SetRecorderVolume(device, recorder, 40);
        QTRY_COMPARE(channelPercents(QStringLiteral("source"), kFixtureSource),
                     QList<int>({40, 20}));
    }

    void ignoresPairsOutsideList_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("sub");
        QTest::newRow("system audio entry (-1, 65535)") << -1 << 65535;
        QTest::newRow("device past the end") << 1000 << 0;
        QTest::newRow("second recorder") << 0 << 1;
        QTest::newRow("negative recorder") << 0 << -1;
        QTest::newRow("most negative") << INT_MIN << INT_MIN;
    }

    void ignoresPairsOutsideList()
    {
        QFETCH(int, device);
        QFETCH(int, sub);
        dev()->SetDefaultRecorder(device, sub);
        dev()->SetRecorderVolume(device, sub, 10);
        dev()->SetRecorderMute(device, sub, 1);
        dev()->SetPlaybackVolume(device, sub, 10);
        dev()->SetPlaybackMute(device, sub, 1);
        QCOMPARE(pactlOut({QStringLiteral("get-default-source")}), kFixtureSource);
        QCOMPARE(channelPercents(QStringLiteral("source"), kFixtureSource), QList<int>({100, 100}));
        QCOMPARE(channelPercents(QStringLiteral("sink"), kFixtureSink), QList<int>({100, 100}));
        QVERIFY(!pactlMuted(QStringLiteral("source"), kFixtureSource));
        QVERIFY(!pactlMuted(QStringLiteral("sink"), kFixtureSink));
        QVERIFY(dev()->GetRecorderVolume(device, sub) < 0);
        QVERIFY(dev()->GetPlaybackVolume(device, sub) < 0);
        QVERIFY(dev()->GetRecorderMute(device, sub) < 0);
        QVERIFY(SoundDeviceLibrary::text(dev()->GetRecorderName(device, sub)).isEmpty());
    }

    // An application is listed once however many streams it plays, with the icon its streams
    // name; it leaves the list when its last stream ends, and the list says it changed.
    void followsApplicationsThatComeAndGo()
    {
        auto first = playSilence(QStringLiteral("quillon_app_a"), QStringLiteral("audio-card"));
        auto second = playSilence(QStringLiteral("quillon_app_a"), QString());
        auto other = playSilence(QStringLiteral("quillon_app_b"), QString());
        const QStringList both{QStringLiteral("quillon_app_a quillon_app_a audio-card"),
                               QStringLiteral("quillon_app_b quillon_app_b ")};
        QTRY_COMPARE(applications(), both);
        // With the stream that named the icon gone, the application is still there.
        first->kill();
        first->waitForFinished();
        QTRY_COMPARE(applications(), (QStringList{QStringLiteral("quillon_app_a quillon_app_a "),
                                                  QStringLiteral("quillon_app_b quillon_app_b ")}));
        second->kill();
        second->waitForFinished();
        QTRY_COMPARE(applications(), QStringList{QStringLiteral("quillon_app_b quillon_app_b ")});
        other->kill();
        other->waitForFinished();
        QTRY_COMPARE(applications(), QStringList());
        QVERIFY(SoundDeviceLibrary::text(dev()->GetApplicationKey(0)).isEmpty());
    }

private:
    // Plays silence for as long as the process runs, as application `name`.
    static std::unique_ptr<QProcess> playSilence(const QString& name, const QString& icon)
    {
        auto player = std::make_unique<QProcess>();
        QStringList args{QStringLiteral("--playback"), QStringLiteral("--raw"),
                         QStringLiteral("--device=") + kFixtureSink,
                         QStringLiteral("--property=application.name=") + name};
        if (!icon.isEmpty())
            args << QStringLiteral("--property=application.icon_name=") + icon;
        player->start(QStringLiteral("pacat"), args << QStringLiteral("/dev/zero"));
        player->waitForStarted(5000);
        return player;
    }

    // "key name icon" of every listed application, the list refreshed when it changed.
    QStringList applications() const
    {
        if (dev()->IsApplicationListChanged())
            dev()->RefreshApplicationList();
        QStringList result;
        for (int i = 0; i < dev()->GetApplicationCount(); ++i) {
            result << QStringLiteral("%1 %2 %3")
                          .arg(SoundDeviceLibrary::text(dev()->GetApplicationKey(i)),
                               SoundDeviceLibrary::text(dev()->GetApplicationName(i)),
                               SoundDeviceLibrary::text(dev()->GetApplicationIconName(i)));
        }
        return result;
    }

    std::unique_ptr<SoundDeviceLibrary> m_library;
    QStringList m_modules;
};

QTEST_GUILESS_MAIN(TestPulseDevice)
#include "tst_pulsedevice.moc"
