// The Effect tab: presets chosen from the paged list, equalizer sliders and the custom slot,
// "Reset", what reaches the edit settings, and the accessible names of its controls.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "equalizerbands.h"
#include "nxskin.h"
#include "qaudioeffectmanager.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qnxlistview.h"
#include "qvideoeditingsettings.h"
#include "testfiles.h"
#include "testmedia.h"

namespace {

constexpr int kRock = 3;  // rows of the generated set
constexpr int kPop = 2;
constexpr int kCustom = 0;

QVector<double> curveGains(const QAudioEffectManager& manager, int index)
{
    return manager.preset(index)->curve.values().toVector();
}

QVector<double> sliderGains(const QEffectForm& form)
{
    QVector<double> gains;
    for (int band = 0; band < EqualizerBands::kCount; ++band)
        gains.append(form.equalizerSlider(band)->value() - EqualizerBands::kSliderCentre);
    return gains;
}

// Moves a slider the way a user does with the mouse: press at a height, release there.
void dragSlider(QNxBaseSlider* slider, double ratioFromBottom)
{
    const QPoint at(slider->width() / 2, int(slider->height() * (1.0 - ratioFromBottom)));
    QTest::mousePress(slider, Qt::LeftButton, {}, at);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
}

}  // namespace

class TestEffectForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        m_manager.load(NxSkin::resourceDir() + QStringLiteral("/AudioEffects"));
        QCOMPARE(m_manager.count(), 14);
    }

    void init()
    {
        m_settings = std::make_unique<QVideoEditingSettings>();
        m_form = std::make_unique<QEffectForm>(&m_manager, nullptr);
        m_form->setSettings(m_settings.get());
        m_form->refresh();
    }

    void sliderValueIsGain_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("gain");
        QTest::newRow("bottom") << int(Qt::Key_Home) << -10.0;
        QTest::newRow("top") << int(Qt::Key_End) << 10.0;
        QTest::newRow("one step up") << int(Qt::Key_Up) << 1.0;
        QTest::newRow("one page down") << int(Qt::Key_PageDown) << -2.0;
    }

    void sliderValueIsGain()
    {
        QFETCH(int, key);
        QFETCH(double, gain);
        QCOMPARE(m_form->equalizerSlider(4)->value(), 10);  // centre: 0 dB
        QTest::keyClick(m_form->equalizerSlider(4), Qt::Key(key));
        const VEEditConfig& config = m_settings->config();
        QCOMPARE(config.eqGains.size(), EqualizerBands::kCount);
        QCOMPARE(config.eqGains[4], gain);
        QCOMPARE(config.eqFrequencies[4], 1000.0);
        QCOMPARE(config.eqGains[3], 0.0);
    }

    void pagesOfFive()
    {
        QCOMPARE(m_form->pageCount(), 3);
        QVERIFY(!m_form->previousPageButton()->isEnabled());
        m_form->listView()->setCurrentIndex(m_form->model()->index(6, 0));
        QCOMPARE(m_form->currentIndex(), 6);
        QCOMPARE(m_form->currentPage(), 1);
        QVERIFY(m_form->isRowVisible(5) && m_form->isRowVisible(9));
        QVERIFY(!m_form->isRowVisible(4) && !m_form->isRowVisible(10));
        m_form->nextPageButton()->click();
        QCOMPARE(m_form->currentPage(), 2);  // the last page holds the remaining four
        QVERIFY(m_form->isRowVisible(13) && !m_form->isRowVisible(9));
        QVERIFY(!m_form->nextPageButton()->isEnabled());
        m_form->previousPageButton()->click();
        m_form->previousPageButton()->click();
        QCOMPARE(m_form->currentPage(), 0);
        QCOMPARE(m_form->currentIndex(), 6);  // paging does not change the preset
    }

    void movingASliderSwitchesToTheCustomSlot()
    {
        m_form->listView()->setCurrentIndex(m_form->model()->index(kRock, 0));
        const QVector<double> rock = curveGains(m_manager, kRock);
        QCOMPARE(sliderGains(*m_form), rock);
        QVERIFY(!m_form->resetButton()->isEnabled());

        dragSlider(m_form->equalizerSlider(2), 1.0);
        QCOMPARE(m_form->currentIndex(), kCustom);
        QCOMPARE(m_form->listView()->currentIndex().row(), kCustom);
        QVector<double> expected = rock;
        expected[2] = 10;  // the moved band; the other nine keep Rock's gains
        QCOMPARE(m_settings->config().eqGains, expected);
        QCOMPARE(m_settings->config().effectIndex, kCustom);
        QVERIFY(m_form->resetButton()->isEnabled());

        dragSlider(m_form->equalizerSlider(7), 0.0);  // a second move keeps "Reset" on Rock
        expected[7] = -10;
        QCOMPARE(m_settings->config().eqGains, expected);

        m_form->resetButton()->click();
        QCOMPARE(m_form->currentIndex(), kRock);
        QCOMPARE(sliderGains(*m_form), rock);
        QCOMPARE(m_settings->config().eqGains, rock);
        QCOMPARE(m_settings->config().effectIndex, kRock);
        QVERIFY(!m_form->resetButton()->isEnabled());
    }

    void customSlotKeepsItsGains()
    {
        dragSlider(m_form->equalizerSlider(0), 1.0);
        QTest::keyClick(m_form->equalizerSlider(9), Qt::Key_Home);
        const QVector<double> custom = sliderGains(*m_form);
        QCOMPARE(custom.first(), 10.0);
        QCOMPARE(custom.last(), -10.0);

        m_form->listView()->setCurrentIndex(m_form->model()->index(kPop, 0));
        QCOMPARE(m_settings->config().eqGains, curveGains(m_manager, kPop));
        m_form->listView()->setCurrentIndex(m_form->model()->index(kCustom, 0));
        QCOMPARE(sliderGains(*m_form), custom);
        QCOMPARE(m_settings->config().eqGains, custom);

        // A new form on the same settings (the dialog stepping to the next file) takes them.
        QEffectForm again(&m_manager, nullptr);
        again.setSettings(m_settings.get());
        QCOMPARE(again.currentIndex(), kCustom);
        QCOMPARE(sliderGains(again), custom);
    }

    void shortCurveSetsOnlyItsBands()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/a")));
        QVERIFY(testfiles::writeFile(
            dir.path() + QStringLiteral("/a/config.xml"),
            QByteArray("<AudioEffect Name=\"Three\"><EQ><Rate Value=\"5\"/>"
                       "<P hz=\"60\" db=\"6\"/><P hz=\"170\" db=\"-4\"/><P hz=\"310\" db=\"12\"/>"
                       "</EQ></AudioEffect>")));
        QAudioEffectManager manager(dir.path());
        QEffectForm form(&manager, nullptr);
        form.setSettings(m_settings.get());
        form.refresh();
        // Gains beyond the sliders' range are held at their end.
        QCOMPARE(sliderGains(form), (QVector<double>{6, -4, 10, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(m_settings->config().eqGains, (QVector<double>{6, -4, 10}));
        QCOMPARE(m_settings->config().eqFrequencies, (QVector<double>{60, 170, 310}));
        QCOMPARE(m_settings->config().effectRate, 5);
    }

    void effectSetOnlyForACurveWithPoints_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("effect");
        QTest::newRow("Flat") << 1 << false;
        QTest::newRow("Pop") << kPop << true;
        QTest::newRow("Speech") << 13 << true;
    }

    void effectSetOnlyForACurveWithPoints()
    {
        QFETCH(int, row);
        QFETCH(bool, effect);
        QSignalSpy spy(m_form.get(), &QEffectForm::emitSetAudioEffect);
        m_form->listView()->setCurrentIndex(m_form->model()->index(row, 0));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toBool(), effect);
        QCOMPARE(m_settings->config().eqGains.isEmpty(), !effect);
        // Moving a slider always sets an effect.
        QTest::keyClick(m_form->equalizerSlider(1), Qt::Key_Up);
        QCOMPARE(spy.last().at(0).toBool(), true);
    }

    void customSlotStartsFlat()
    {
        QSignalSpy spy(m_form.get(), &QEffectForm::emitSetAudioEffect);
        m_form->refresh();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toBool(), false);
        QVERIFY(m_settings->config().eqGains.isEmpty());
        QCOMPARE(sliderGains(*m_form), QVector<double>(EqualizerBands::kCount, 0.0));
    }

    void withoutSettingsNothingIsApplied()
    {
        QEffectForm form(&m_manager, nullptr);
        QSignalSpy spy(&form, &QEffectForm::emitSetAudioEffect);
        form.refresh();
        form.listView()->setCurrentIndex(form.model()->index(kRock, 0));
        QTest::keyClick(form.equalizerSlider(0), Qt::Key_End);
        form.resetButton()->click();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(form.currentIndex(), -1);
    }

    void playControlsFollowBothTabs()
    {
        QSignalSpy play(m_form.get(), &QEffectForm::emitPlay);
        QSignalSpy pause(m_form.get(), &QEffectForm::emitPause);
        QSignalSpy state(m_form.get(), &QEffectForm::emitPlayState);
        m_form->playButton()->click();
        QCOMPARE(play.count(), 1);
        QCOMPARE(state.count(), 1);
        QVERIFY(m_form->pauseButton()->isVisibleTo(m_form.get()));
        QVERIFY(!m_form->playButton()->isVisibleTo(m_form.get()));
        // The Trim tab's state is followed without being sent back (no echo between tabs).
        m_form->OnSetPlayState(false);
        QCOMPARE(pause.count(), 1);
        QCOMPARE(state.count(), 1);
        QVERIFY(m_form->playButton()->isVisibleTo(m_form.get()));

        QSignalSpy seek(m_form.get(), &QEffectForm::emitSeekPlayProgress);
        m_form->OnSetPlayPro(0.5);
        QCOMPARE(m_form->positionSlider()->ratio(), 0.5);
        QCOMPARE(seek.count(), 0);
        QTest::keyClick(m_form->positionSlider(), Qt::Key_End);
        QCOMPARE(seek.count(), 1);
        QCOMPARE(seek.last().at(0).toDouble(), 1.0);
    }

    void everyControlHasAName()
    {
        const QStringList bands = {"60 Hz", "170 Hz", "310 Hz", "600 Hz", "1 kHz",
                                   "3 kHz", "6 kHz",  "12 kHz", "14 kHz", "16 kHz"};
        for (int band = 0; band < EqualizerBands::kCount; ++band)
            QCOMPARE(m_form->equalizerSlider(band)->accessibleName(), bands[band]);
        for (QWidget* widget : m_form->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) ||
                                 qobject_cast<QSlider*>(widget) ||
                                 qobject_cast<QAbstractItemView*>(widget);
            if (control)
                QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
    }

private:
    QAudioEffectManager m_manager;
    std::unique_ptr<QVideoEditingSettings> m_settings;
    std::unique_ptr<QEffectForm> m_form;
};

QTEST_MAIN(TestEffectForm)
#include "tst_effectform.moc"
