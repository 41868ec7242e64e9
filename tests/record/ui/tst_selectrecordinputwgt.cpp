// The inputs panel against the private sound server (default sink quillon_out, default source
// quillon_mic_in), checked with pactl: the stored choice of sources, inputs appearing and
// disappearing while the panel runs, the default input, the exclusive device menu and the
// volumes. Every test puts the server back as the fixture set it up.

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "inputspaneltestenv.h"
#include "qnxmenu.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "selectrecordinputwgt.h"

#include <csignal>

namespace {

const QString kFixtureSource = QStringLiteral("quillon_mic_in");
const QString kFixtureSink = QStringLiteral("quillon_out");
const QString kAddedSource = QStringLiteral("quillon_panel_test_in");
const QString kAddedDescription = QStringLiteral("QuillonPanelTestInput");
// Device changes reach the panel through server events and its 200 ms poll.
constexpr int kListTimeoutMs = 10000;

constexpr int32_t kSystem = QRecordAreaInfo::SystemAudio;
constexpr int32_t kMic = QRecordAreaInfo::Microphone;

QString pactlOut(const QStringList& args)
{
    const testmedia::ToolResult result = testmedia::pactl(args);
    return result.ok() ? QString::fromUtf8(result.out).trimmed() : QString();
}

QString defaultSource()
{
    return pactlOut({QStringLiteral("get-default-source")});
}

// The first channel's percentage of `pactl get-(sink|source)-volume`, -1 when unreadable.
int volumePercent(const QString& kind, const QString& name)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(\\d+)%"))
            .match(pactlOut({QStringLiteral("get-%1-volume").arg(kind), name}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool muted(const QString& kind, const QString& name)
{
    return pactlOut({QStringLiteral("get-%1-mute").arg(kind), name}) == QLatin1String("Mute: yes");
}

void restoreFixture()
{
    testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSource});
    testmedia::pactl({QStringLiteral("set-default-sink"), kFixtureSink});
    for (const QString& kind : {QStringLiteral("sink"), QStringLiteral("source")}) {
        const QString name = kind == QLatin1String("sink") ? kFixtureSink : kFixtureSource;
        testmedia::pactl({QStringLiteral("set-%1-volume").arg(kind), name, "100%"});
        testmedia::pactl({QStringLiteral("set-%1-mute").arg(kind), name, "0"});
    }
}

// Loads a capture source fed by the default sink's monitor; unloads it when destroyed.
class AddedSource {
public:
    AddedSource()
    {
        const testmedia::ToolResult result = testmedia::pactl(
            {QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
             QStringLiteral("master=%1.monitor").arg(kFixtureSink),
             QStringLiteral("source_name=") + kAddedSource,
             QStringLiteral("source_properties=device.description=") + kAddedDescription});
        if (result.ok())
            m_module = QString::fromUtf8(result.out).trimmed();
    }
    ~AddedSource() { unload(); }
    bool loaded() const { return !m_module.isEmpty(); }
    void unload()
    {
        if (loaded())
            testmedia::pactl({QStringLiteral("unload-module"), m_module});
        m_module.clear();
    }

private:
    QString m_module;
};

QString serverDir()
{
    return qEnvironmentVariable("QUILLON_PULSE_DIR");
}

bool runServerScript(const QString& command)
{
    return testmedia::run(testmedia::sourceDir() + QStringLiteral("/tests/harness/pulse-server.sh"),
                          {command, serverDir()})
        .ok();
}

pid_t serverPid()
{
    QFile file(serverDir() + QStringLiteral("/runtime/pid"));
    return file.open(QIODevice::ReadOnly) ? pid_t(file.readAll().trimmed().toInt()) : 0;
}

bool microphoneValid()
{
    return QRecordAreaInfo::instance().validSources() & QRecordAreaInfo::Microphone;
}

// The shortest time a call that waits for a sound server that does not answer holds its thread:
// the sound-device plugin's connect time-out.
constexpr qint64 kServerWaitMs = 2000;

// The longest time between two ticks of a 10 ms timer while `work` runs the event loop.
template <class Work>
qint64 longestTickGapMs(Work work)
{
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longest = qMax(longest, sinceTick.restart()); });
    sinceTick.start();
    ticker.start(10);
    work();
    return qMax(longest, sinceTick.elapsed());
}

}  // namespace

class TestSelectRecordInputWgt : public QObject {
    Q_OBJECT

private:
    // A shown panel that has learnt the server's devices (the plugin learns them in the
    // background, the panel on its next refresh).
    std::unique_ptr<SelectRecordInputWgt> makePanel()
    {
        auto panel = std::make_unique<SelectRecordInputWgt>(nullptr, inputstest::pluginPath());
        panel->show();
        if (!QTest::qWaitFor([&] { return panel->m_cmbMicDevice->currentIndex() >= 0; },
                             kListTimeoutMs))
            qWarning("the panel did not learn the server's devices");
        return panel;
    }

    // Forgets the stored choice, so the next panel starts as on a first start.
    static void removeSettings() { QFile::remove(ParserXML::settingsFilePath()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        inputstest::redirectUserFolders(m_home.path());
        inputstest::useBuiltResources();
        QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
        restoreFixture();
        QVERIFY(!QFile::exists(ParserXML::settingsFilePath()));
    }

    void cleanup() { restoreFixture(); }

    void firstStartSelectsSystemAudioOnly()
    {
        // initTestCase checked that no settings file exists yet.
        QRecordAreaInfo::instance().setSelectedSources(kMic);
        {
            auto panel = makePanel();
            QRecordAreaInfo& info = QRecordAreaInfo::instance();
            QCOMPARE(info.selectedSources(), kSystem);
            QCOMPARE(panel->m_btnSystemAudio->toolTip(), QStringLiteral("System Audio On"));
            QCOMPARE(panel->m_btnMicDevice->toolTip(), QStringLiteral("Microphone Audio Off"));
            QCOMPARE(panel->m_labSystemAudio->text(), QStringLiteral("System Audio"));
            QCOMPARE(panel->m_labMicDevice->text(), QStringLiteral("Input Device"));

            // The fixture has an input and it is the default: listed, current and valid.
            QVERIFY(panel->m_cmbMicDevice->isVisible());
            QVERIFY(panel->m_cmbMicDevice->currentIndex() >= 0);
            QVERIFY(info.validSources() & kMic);
            QVERIFY(!panel->m_labNoMicDevice->isVisible());
        }
        const QByteArray stored = inputstest::settingsText();
        QVERIFY2(stored.contains("BOOL_SYSTEM_AUDIO_=\"Y\""), stored.constData());
        QVERIFY2(stored.contains("BOOL_MIC_AUDIO_=\"N\""), stored.constData());
    }

    void choiceSurvivesRebuild_data()
    {
        QTest::addColumn<bool>("clickSystem");
        QTest::addColumn<bool>("clickMic");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("systemTip");
        QTest::addColumn<QString>("micTip");
        QTest::newRow("microphone only") << true << true << int(kMic) << "System Audio Off"
                                         << "Microphone Audio On";
        QTest::newRow("both") << false << true << int(kSystem | kMic) << "System Audio On"
                              << "Microphone Audio On";
        QTest::newRow("neither") << true << false << 0 << "System Audio Off"
                                 << "Microphone Audio Off";
        QTest::newRow("unchanged") << false << false << int(kSystem) << "System Audio On"
                                   << "Microphone Audio Off";
    }

    void choiceSurvivesRebuild()
    {
        QFETCH(bool, clickSystem);
        QFETCH(bool, clickMic);
        QFETCH(int, expected);
        QFETCH(QString, systemTip);
        QFETCH(QString, micTip);
        removeSettings();
        {
            auto panel = makePanel();
            if (clickSystem)
                QTest::mouseClick(panel->m_btnSystemAudio, Qt::LeftButton);
            if (clickMic)
                QTest::mouseClick(panel->m_btnMicDevice, Qt::LeftButton);
            QCOMPARE(QRecordAreaInfo::instance().selectedSources(), expected);
            QCOMPARE(panel->m_btnSystemAudio->toolTip(), systemTip);
            QCOMPARE(panel->m_btnMicDevice->toolTip(), micTip);
        }
        QRecordAreaInfo::instance().setSelectedSources(~expected & (kSystem | kMic));
        auto rebuilt = makePanel();
        QCOMPARE(QRecordAreaInfo::instance().selectedSources(), expected);
        QCOMPARE(rebuilt->m_btnSystemAudio->toolTip(), systemTip);
        QCOMPARE(rebuilt->m_btnMicDevice->toolTip(), micTip);
        QCOMPARE(rebuilt->m_btnMicDevice->imagePath(),
                 expected & kMic ? QStringLiteral("/image/btn_mic_on.png")
                                 : QStringLiteral("/image/btn_mic_off.png"));
    }

    // The system-audio list follows the applications that play; the one picked is what system
    // audio records, stays picked while it is silent, is named in the tile's tip and is stored.
    void systemAudioOfOneApplication()
    {
        removeSettings();
        QRecordAreaInfo::instance().setSelectedSources(kMic);
        auto panel = makePanel();
        QComboBox* list = panel->m_cmbSystemSource;
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QStringLiteral("All system audio"));
        QProcess player;
        player.start(QStringLiteral("pacat"),
                     {QStringLiteral("--playback"), QStringLiteral("--raw"),
                      QStringLiteral("--property=application.name=Quillon Panel Player"),
                      QStringLiteral("/dev/zero")});
        QVERIFY(player.waitForStarted(5000));
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, kListTimeoutMs);
        QCOMPARE(list->itemText(1), QStringLiteral("Quillon Panel Player"));

        list->setCurrentIndex(1);
        emit list->activated(1);
        QCOMPARE(QRecordAreaInfo::instance().application(), QStringLiteral("Quillon Panel Player"));
        // Picking an application switches system audio on.
        QVERIFY(QRecordAreaInfo::instance().selectedSources() & kSystem);
        QCOMPARE(panel->m_btnSystemAudio->toolTip(),
                 QStringLiteral("System Audio On\nOnly Quillon Panel Player"));

        player.kill();
        player.waitForFinished();
        QTRY_COMPARE_WITH_TIMEOUT(list->currentText(),
                                  QStringLiteral("Quillon Panel Player (not playing)"),
                                  kListTimeoutMs);
        QCOMPARE(QRecordAreaInfo::instance().application(), QStringLiteral("Quillon Panel Player"));
        panel.reset();

        QRecordAreaInfo::instance().setApplication(QString());
        auto rebuilt = makePanel();
        QCOMPARE(QRecordAreaInfo::instance().application(), QStringLiteral("Quillon Panel Player"));
        rebuilt->m_cmbSystemSource->setCurrentIndex(0);
        emit rebuilt->m_cmbSystemSource->activated(0);
        QCOMPARE(QRecordAreaInfo::instance().application(), QString());
        QCOMPARE(rebuilt->m_btnSystemAudio->toolTip(), QStringLiteral("System Audio On"));
        QCOMPARE(rebuilt->m_cmbSystemSource->count(), 1);
    }

    void addedInputIsListedAndBecomesDefault()
    {
        removeSettings();
        auto panel = makePanel();
        QNxComboBox* list = panel->m_cmbMicDevice;
        QCOMPARE(list->findText(kAddedDescription, Qt::MatchContains), -1);
        QSignalSpy changes(panel.get(), &SelectRecordInputWgt::emitMicDeviceChange);

        AddedSource source;
        QVERIFY(source.loaded());
        QTRY_VERIFY_WITH_TIMEOUT(list->findText(kAddedDescription, Qt::MatchContains) >= 0,
                                 kListTimeoutMs);
        QVERIFY(changes.count() >= 1);
        // Adding an input does not change which one is current.
        QCOMPARE(defaultSource(), kFixtureSource);
        QVERIFY(list->currentIndex() >= 0);
        QVERIFY(!list->currentText().contains(kAddedDescription));

        // The menu lists it too, after "System Audio".
        panel->OnShowDeviceMenu();
        const QList<QAction*> actions = panel->deviceMenu()->actions();
        panel->deviceMenu()->hide();
        QCOMPARE(actions.size(), list->count() + 1);
        QCOMPARE(actions.first()->data().toInt(), -1);

        const int index = list->findText(kAddedDescription, Qt::MatchContains);
        changes.clear();
        emit list->activated(index);
        QTRY_COMPARE(defaultSource(), kAddedSource);
        QCOMPARE(changes.count(), 1);
        QVERIFY(list->currentText().contains(kAddedDescription));
        QVERIFY(QRecordAreaInfo::instance().validSources() & kMic);

        // A default changed by another program is followed once the microphone is the source.
        QTest::mouseClick(panel->m_btnSystemAudio, Qt::LeftButton);
        QTest::mouseClick(panel->m_btnMicDevice, Qt::LeftButton);
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSource});
        QTRY_VERIFY_WITH_TIMEOUT(
            list->currentIndex() >= 0 && !list->currentText().contains(kAddedDescription),
            kListTimeoutMs);

        source.unload();
        QTRY_COMPARE_WITH_TIMEOUT(list->findText(kAddedDescription, Qt::MatchContains), -1,
                                  kListTimeoutMs);
        QVERIFY(list->currentIndex() >= 0);
    }

    void deviceMenuMakesSourcesExclusive()
    {
        removeSettings();
        AddedSource source;
        QVERIFY(source.loaded());
        auto panel = makePanel();
        QNxComboBox* list = panel->m_cmbMicDevice;
        QTRY_VERIFY_WITH_TIMEOUT(list->findText(kAddedDescription, Qt::MatchContains) >= 0,
                                 kListTimeoutMs);
        QTest::mouseClick(panel->m_btnMicDevice, Qt::LeftButton);
        QRecordAreaInfo& info = QRecordAreaInfo::instance();
        QCOMPARE(info.selectedSources(), kSystem | kMic);

        auto chooseFromMenu = [&](const QString& text) {
            QTest::mouseClick(panel->m_btnDevice, Qt::LeftButton);
            QVERIFY(panel->deviceMenu()->isVisible());
            QAction* chosen = nullptr;
            for (QAction* action : panel->deviceMenu()->actions()) {
                if (action->text().contains(text))
                    chosen = action;
            }
            QVERIFY(chosen);
            chosen->trigger();
            panel->deviceMenu()->hide();
        };

        chooseFromMenu(QStringLiteral("System Audio"));
        QCOMPARE(info.selectedSources(), kSystem);
        QVERIFY(!(info.validSources() & kMic));
        QVERIFY(panel->m_sliderVolume->isHidden());
        QVERIFY(!panel->m_sliderSysVolume->isHidden());
        QCOMPARE(panel->m_btnDevice->imagePath(), QStringLiteral("/image/btn_device_system.png"));
        QCOMPARE(panel->m_btnMicDevice->toolTip(), QStringLiteral("Microphone Audio Off"));
        QCOMPARE(defaultSource(), kFixtureSource);

        QSignalSpy changes(panel.get(), &SelectRecordInputWgt::emitMicDeviceChange);
        chooseFromMenu(kAddedDescription);
        QCOMPARE(info.selectedSources(), kMic);
        QVERIFY(info.validSources() & kMic);
        QVERIFY(info.uses(QRecordAreaInfo::Microphone));
        QVERIFY(!info.uses(QRecordAreaInfo::SystemAudio));
        QVERIFY(panel->m_sliderSysVolume->isHidden());
        QVERIFY(!panel->m_sliderVolume->isHidden());
        QCOMPARE(panel->m_btnDevice->imagePath(), QStringLiteral("/image/btn_device_mic.png"));
        QCOMPARE(panel->m_btnSystemAudio->toolTip(), QStringLiteral("System Audio Off"));
        QTRY_COMPARE(defaultSource(), kAddedSource);
        QVERIFY(list->currentText().contains(kAddedDescription));
        QVERIFY(changes.count() >= 1);

        // The next menu marks the chosen input.
        QTest::mouseClick(panel->m_btnDevice, Qt::LeftButton);
        int checked = 0;
        for (QAction* action : panel->deviceMenu()->actions()) {
            if (action->isChecked()) {
                ++checked;
                QVERIFY(action->text().contains(kAddedDescription));
            }
        }
        panel->deviceMenu()->hide();
        QCOMPARE(checked, 1);

        // Switching system audio back on by its button brings its volume back.
        QTest::mouseClick(panel->m_btnSystemAudio, Qt::LeftButton);
        QCOMPARE(info.selectedSources(), kSystem | kMic);
        QVERIFY(!panel->m_sliderSysVolume->isHidden());
    }

    void sliderSetsVolume_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("percent");
        QTest::newRow("system half") << "sink" << 0.5 << 50;
        QTest::newRow("system rounds up") << "sink" << 0.996 << 100;
        QTest::newRow("system rounds down") << "sink" << 0.234 << 23;
        QTest::newRow("system silent") << "sink" << 0.0 << 0;
        QTest::newRow("microphone half") << "source" << 0.5 << 50;
        QTest::newRow("microphone rounds up") << "source" << 0.996 << 100;
    }

    void sliderSetsVolume()
    {
        QFETCH(QString, kind);
        QFETCH(double, ratio);
        QFETCH(int, percent);
        const bool system = kind == QLatin1String("sink");
        const QString name = system ? kFixtureSink : kFixtureSource;
        removeSettings();
        auto panel = makePanel();
        // A muted endpoint is unmuted by moving its slider.
        testmedia::pactl({QStringLiteral("set-%1-mute").arg(kind), name, "1"});
        QNxBaseSlider* slider = system ? panel->m_sliderSysVolume : panel->m_sliderVolume;
        emit slider->sendProgressValue(ratio);
        QTRY_COMPARE(volumePercent(kind, name), percent);
        QTRY_VERIFY(!muted(kind, name));
        // The other endpoint is left alone.
        const QString otherKind = system ? QStringLiteral("source") : QStringLiteral("sink");
        QCOMPARE(volumePercent(otherKind, system ? kFixtureSource : kFixtureSink), 100);
    }

    void recordingDisplayVolumeGoesToSelectedSource_data()
    {
        QTest::addColumn<bool>("clickSystem");
        QTest::addColumn<bool>("clickMic");
        QTest::addColumn<int>("sinkPercent");
        QTest::addColumn<int>("sourcePercent");
        QTest::newRow("system audio") << false << false << 40 << 100;
        QTest::newRow("microphone") << true << true << 100 << 40;
        QTest::newRow("both: microphone") << false << true << 100 << 40;
        QTest::newRow("neither") << true << false << 100 << 100;
    }

    void recordingDisplayVolumeGoesToSelectedSource()
    {
        QFETCH(bool, clickSystem);
        QFETCH(bool, clickMic);
        QFETCH(int, sinkPercent);
        QFETCH(int, sourcePercent);
        removeSettings();
        auto panel = makePanel();
        if (clickSystem)
            panel->OnBtnSystemAudio();
        if (clickMic)
            panel->OnBtnMicAudio();
        panel->OnRecorderVolumeChange(0.4);
        QTRY_COMPARE(volumePercent(QStringLiteral("sink"), kFixtureSink), sinkPercent);
        QTRY_COMPARE(volumePercent(QStringLiteral("source"), kFixtureSource), sourcePercent);
    }

    void volumesChangedElsewhereAreShown()
    {
        removeSettings();
        auto panel = makePanel();
        QSignalSpy volumes(panel.get(), &SelectRecordInputWgt::emitSetVolumeValue);
        testmedia::pactl({QStringLiteral("set-sink-volume"), kFixtureSink, "30%"});
        testmedia::pactl({QStringLiteral("set-source-volume"), kFixtureSource, "70%"});
        QTRY_COMPARE_WITH_TIMEOUT(panel->m_sliderSysVolume->value(), 30, kListTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(panel->m_sliderVolume->value(), 70, kListTimeoutMs);
        QCOMPARE(panel->m_SystemVolumePro->value(), 30);
        // System audio is the selected source, so its volume is the one reported.
        QTRY_VERIFY_WITH_TIMEOUT(!volumes.isEmpty() && volumes.last().at(0).toInt() == 30,
                                 kListTimeoutMs);

        // A muted input shows 0.
        testmedia::pactl({QStringLiteral("set-source-mute"), kFixtureSource, "1"});
        QTRY_COMPARE_WITH_TIMEOUT(panel->m_sliderVolume->value(), 0, kListTimeoutMs);
        QCOMPARE(volumePercent(QStringLiteral("source"), kFixtureSource), 70);
    }

    void disabledControlsStayDisabled()
    {
        removeSettings();
        auto panel = makePanel();
        QVERIFY(panel->m_sliderVolume->isEnabled());
        panel->OnSetCtrlEnabled(false);
        // Volume refreshes run on every tick; they must not give the user the sliders back
        // while a recording runs.
        QTest::qWait(600);
        for (QWidget* control : {static_cast<QWidget*>(panel->m_cmbMicDevice),
                                 static_cast<QWidget*>(panel->m_sliderVolume),
                                 static_cast<QWidget*>(panel->m_sliderSysVolume),
                                 static_cast<QWidget*>(panel->m_btnDevice)})
            QVERIFY(!control->isEnabled());
        panel->OnSetCtrlEnabled(true);
        QVERIFY(panel->m_sliderVolume->isEnabled());
        QVERIFY(panel->m_sliderSysVolume->isEnabled());
        QVERIFY(panel->m_btnDevice->isEnabled());
    }

    // The sound server goes away and comes back: the panel shows "No Mic Device" meanwhile, and
    // the list and the valid microphone come back by themselves.
    void serverRestartBringsTheMicrophoneBack()
    {
        removeSettings();
        auto panel = makePanel();
        QVERIFY(microphoneValid());
        const auto restart = qScopeGuard([] {
            if (!testmedia::pulseAvailable())
                runServerScript(QStringLiteral("start"));
        });
        QVERIFY(runServerScript(QStringLiteral("stop")));
        QTRY_VERIFY_WITH_TIMEOUT(panel->m_labNoMicDevice->isVisible(), kListTimeoutMs);
        QVERIFY(!microphoneValid());
        QVERIFY(runServerScript(QStringLiteral("start")));
        QTRY_VERIFY_WITH_TIMEOUT(
            panel->m_cmbMicDevice->isVisible() && panel->m_cmbMicDevice->currentIndex() >= 0,
            kListTimeoutMs);
        QVERIFY(microphoneValid());
        QVERIFY(!panel->m_labNoMicDevice->isVisible());
    }

    // A monitor made the default input is no microphone: the microphone stops being valid and
    // the list says why; it is valid again once a microphone is the default.
    void monitorAsDefaultInputIsNoMicrophone()
    {
        removeSettings();
        auto panel = makePanel();
        QVERIFY(microphoneValid());
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSink + ".monitor"});
        QTRY_VERIFY_WITH_TIMEOUT(!microphoneValid(), kListTimeoutMs);
        QCOMPARE(panel->m_cmbMicDevice->currentIndex(), -1);
        QVERIFY2(panel->m_cmbMicDevice->placeholderText().contains(QLatin1String("monitor")),
                 qPrintable(panel->m_cmbMicDevice->placeholderText()));
        QCOMPARE(panel->m_cmbMicDevice->toolTip(), panel->m_cmbMicDevice->placeholderText());
        testmedia::pactl({QStringLiteral("set-default-source"), kFixtureSource});
        QTRY_VERIFY_WITH_TIMEOUT(microphoneValid(), kListTimeoutMs);
        QVERIFY(panel->m_cmbMicDevice->currentIndex() >= 0);
    }

    // A server that stopped answering (SIGSTOP) holds nothing up: the panel's refreshes and
    // choices keep the event loop turning, and a recording started meanwhile fails with the
    // reason. Waiting on the server would stall the loop for its time-out (seconds); a busy
    // machine delays a tick by far less than the bound of one second.
    void frozenServerDoesNotStopTheWindow()
    {
        removeSettings();
        auto panel = makePanel();
        QRecordAreaInfo::instance().setSelectedSources(kSystem);
        QRecordObject session;
        EncodeSettings wav;
        wav.formatKey = QStringLiteral("WAV");
        wav.audioCodec = 0x10000;
        session.setEncodeSettings(wav);
        QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("frozen.wav"));

        const pid_t server = serverPid();
        QVERIFY(server > 0);
        QVERIFY(::kill(server, SIGSTOP) == 0);
        const auto thaw = qScopeGuard([server] { ::kill(server, SIGCONT); });
        bool started = false;
        const qint64 longest = longestTickGapMs([&] {
            QTest::qWait(500);
            panel->RefreshRecDevTimer();
            panel->OnBtnMicAudio();
            panel->OnRecorderVolumeChange(0.5);
            emit panel->m_cmbMicDevice->activated(0);
            started = session.start(path);
            failed.wait(10000);
        });
        qInfo("longest gap between ticks: %lld ms", longest);
        QVERIFY(started);
        QCOMPARE(failed.count(), 1);
        QVERIFY(!session.isRecording());
        QVERIFY2(session.lastError().contains(QLatin1String("does not answer")),
                 qPrintable(session.lastError()));
        QVERIFY(!QFile::exists(path));
        // Any of these calls that waited for the frozen server would hold the event loop for
        // at least the sound-device plugin's connect time-out (2 s); a starved but free event
        // loop stays far below it.
        QVERIFY2(longest < kServerWaitMs, qPrintable(QString::number(longest)));

        ::kill(server, SIGCONT);
        QVERIFY(testmedia::pulseAvailable());
        QTRY_VERIFY_WITH_TIMEOUT(panel->m_cmbMicDevice->currentIndex() >= 0, kListTimeoutMs);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestSelectRecordInputWgt)
#include "tst_selectrecordinputwgt.moc"
