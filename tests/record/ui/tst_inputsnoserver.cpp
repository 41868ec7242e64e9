// The inputs panel on a machine without recording inputs: no sound server (PULSE_SERVER points
// at a socket nobody serves, set by ctest before the plugin loads) or no plugin at all. The
// panel shows "No Mic Device" instead of the list, the microphone never becomes valid, and
// nothing it does reaches a device.

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "inputspaneltestenv.h"
#include "qnxmenu.h"
#include "qrecordareainfo.h"
#include "selectrecordinputwgt.h"

class TestInputsNoServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        inputstest::redirectUserFolders(m_home.path());
        inputstest::useBuiltResources();
        QVERIFY(qgetenv("PULSE_SERVER").startsWith("unix:/nonexistent"));
    }

    void noInputs_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::newRow("no sound server") << inputstest::pluginPath();
        QTest::newRow("no plugin") << QStringLiteral("/nonexistent/libOlmet.so");
    }

    void noInputs()
    {
        QFETCH(QString, plugin);
        QRecordAreaInfo& info = QRecordAreaInfo::instance();
        info.setValidSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);

        SelectRecordInputWgt panel(nullptr, plugin);
        panel.show();
        QSignalSpy changes(&panel, &SelectRecordInputWgt::emitMicDeviceChange);
        QSignalSpy volumes(&panel, &SelectRecordInputWgt::emitSetVolumeValue);

        auto* noMic = panel.findChild<QLabel*>(QStringLiteral("m_labNoMicDevice"));
        QVERIFY(noMic);
        QVERIFY(noMic->isVisible());
        QCOMPARE(noMic->text(), QStringLiteral("No Mic Device"));
        QCOMPARE(panel.m_cmbMicDevice->count(), 0);
        QVERIFY(panel.m_cmbMicDevice->isHidden());
        QVERIFY(!(info.validSources() & QRecordAreaInfo::Microphone));

        // Switching the microphone on selects it, but the session must not use it.
        panel.m_btnMicDevice->click();
        QVERIFY(info.selectedSources() & QRecordAreaInfo::Microphone);
        QVERIFY(!info.uses(QRecordAreaInfo::Microphone));
        QVERIFY(info.uses(QRecordAreaInfo::SystemAudio));

        // No volume can be read: both sliders rest disabled, and re-enabling the controls
        // does not enable them.
        panel.OnSetCtrlEnabled(false);
        panel.OnSetCtrlEnabled(true);
        QVERIFY(!panel.m_sliderVolume->isEnabled());
        QVERIFY(!panel.m_sliderSysVolume->isEnabled());
        QVERIFY(panel.m_cmbMicDevice->isEnabled());
        QVERIFY(panel.m_btnDevice->isEnabled());

        // The device menu offers system audio only; choosing it deselects the microphone.
        panel.OnShowDeviceMenu();
        const QList<QAction*> actions = panel.deviceMenu()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first()->text(), QStringLiteral("System Audio"));
        actions.first()->trigger();
        panel.deviceMenu()->hide();
        QCOMPARE(info.selectedSources(), int32_t(QRecordAreaInfo::SystemAudio));

        // Slider moves and refresh ticks reach no device and change nothing.
        emit panel.m_sliderSysVolume->sendProgressValue(0.5);
        panel.OnRecorderVolumeChange(0.5);
        QTest::qWait(500);
        QVERIFY(noMic->isVisible());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(volumes.count(), 0);
        QCOMPARE(panel.m_SystemVolumePro->value(), 0);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestInputsNoServer)
#include "tst_inputsnoserver.moc"
