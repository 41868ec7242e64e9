// The Trim tab on a real file played through the private sound server: marks typed and set,
// "Cut" reaching the edit settings and the player, segment play resuming after a pause, the
// clip list and its files, the slider's handles, and the names a screen reader finds.
// Timers drive the widget as in the program; the tests wait for states, never for times.
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "nxplayerclass.h"
#include "nxplayermanager.h"
#include "nxskin.h"
#include "qedittimeex.h"
#include "qnxbasebutton.h"
#include "qnxlineedit.h"
#include "qnxstylebutton.h"
#include "qnxtableview.h"
#include "qtrimitemdelegate.h"
#include "qtrimitemmodel.h"
#include "qtrimwidget.h"
#include "qvedualslider.h"
#include "qvesliderctrlbtn.h"
#include "qvideoeditingsettings.h"
#include "testmedia.h"

namespace {
constexpr uint64_t kSecond = 1000000;
constexpr uint64_t kDuration = 6 * kSecond;
}  // namespace

class TestTrimWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void withoutPlayerEverythingIsDisabled();
    void everyControlHasAName();
    void typedEndBeyondTheDurationClearsTheEnd();
    void typedStartAfterTheEndBecomesTheEnd();
    void typingAWholeTimeKeepsTheCursor();
    void cutNeedsAMarkAndCarriesTheMarks();
    void pausedSegmentResumesWherePaused();
    void clipRowsAndTheirFiles();
    void destroyingHandsOverTheProducedFiles();
    void sliderHandlesKeepApart();

private:
    // Types one character at a position of an editor, as a user overwriting one digit.
    static void typeAt(QEditTimeEx* edit, int position, char digit);

    QTemporaryDir m_dir;
    QString m_file;
    NxPlayerManager* m_player = nullptr;
    QVideoEditingSettings* m_settings = nullptr;
    QTrimWidget* m_trim = nullptr;
};

void TestTrimWidget::initTestCase()
{
    NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
    QVERIFY(m_dir.isValid());
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
    m_file = m_dir.filePath(QStringLiteral("six.flac"));
    QVERIFY(testmedia::makeTone(m_file, 440, 6));
}

void TestTrimWidget::init()
{
    m_player = new NxPlayerManager;
    QVERIFY(m_player->open(m_file));
    m_settings = new QVideoEditingSettings;
    m_settings->attachPlayer(m_player);
    m_trim = new QTrimWidget(nullptr);
    m_trim->setSettings(m_settings);
    connect(m_player, &NxPlayerManager::emitPlayFinish, m_trim, &QTrimWidget::OnStop);
    m_trim->resize(900, 400);
}

void TestTrimWidget::cleanup()
{
    delete m_trim;
    delete m_settings;
    delete m_player;
}

void TestTrimWidget::typeAt(QEditTimeEx* edit, int position, char digit)
{
    edit->lineEdit()->setCursorPosition(position);
    QTest::keyClick(edit->lineEdit(), digit);
}

void TestTrimWidget::withoutPlayerEverythingIsDisabled()
{
    QVERIFY(!m_trim->setPlayer(nullptr));
    for (QWidget* control :
         {static_cast<QWidget*>(m_trim->playButton()),
          static_cast<QWidget*>(m_trim->startSetButton()),
          static_cast<QWidget*>(m_trim->trimPlayButton()), static_cast<QWidget*>(m_trim->slider()),
          static_cast<QWidget*>(m_trim->endEdit()), static_cast<QWidget*>(m_trim->cutButton())})
        QVERIFY2(!control->isEnabled(), qPrintable(control->toolTip()));
    // Actions without a player do nothing.
    m_trim->startTimeChanged(2 * kSecond);
    m_trim->onStartSet();
    QVERIFY(!m_trim->marks().hasMarks());

    QVERIFY(m_trim->setPlayer(m_player->player()));
    QCOMPARE(m_trim->marks().durationUs(), kDuration);
    QCOMPARE(m_trim->durationLabel()->text(), QStringLiteral("00:00:06.000"));
    QCOMPARE(m_trim->endEdit()->lineEdit()->displayText(), QStringLiteral("00:00:06.000"));
    QVERIFY(m_trim->trimPlayButton()->isEnabled());
    QVERIFY(!m_trim->cutButton()->isEnabled());
    QVERIFY(m_trim->playButton()->isHidden());  // it started playing
    QVERIFY(!m_trim->pauseButton()->isHidden());
}

void TestTrimWidget::everyControlHasAName()
{
    const QList<QAbstractButton*> buttons = m_trim->findChildren<QAbstractButton*>();
    QVERIFY(buttons.size() >= 11);
    for (const QAbstractButton* button : buttons) {
        // The table's corner button is never shown (no row header).
        if (button->inherits("QTableCornerButton") && !button->isVisibleTo(m_trim))
            continue;
        QVERIFY2(!button->toolTip().isEmpty() || !button->accessibleName().isEmpty(),
                 button->metaObject()->className());
    }
    QCOMPARE(m_trim->trimPauseButton()->toolTip(), QStringLiteral("Pause Segment"));
    QCOMPARE(m_trim->slider()->startHandle()->toolTip(), QStringLiteral("Start"));
    QCOMPARE(m_trim->slider()->endHandle()->toolTip(), QStringLiteral("End"));
    QCOMPARE(m_trim->slider()->playHandle()->toolTip(), QStringLiteral("Position"));
    QCOMPARE(m_trim->clipDelegate()->deleteButton()->toolTip(), QStringLiteral("Delete"));
    QVERIFY(!m_trim->startEdit()->accessibleName().isEmpty());
    QVERIFY(!m_trim->clipView()->accessibleName().isEmpty());
}

void TestTrimWidget::typedEndBeyondTheDurationClearsTheEnd()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    m_trim->endTimeChanged(3 * kSecond);
    QCOMPARE(m_trim->marks().endUs(), 3 * kSecond);
    // "00:00:03.000" -> "10:00:03.000": far beyond the 6 s file.
    typeAt(m_trim->endEdit(), 0, '1');
    QCOMPARE(m_trim->marks().endUs(), uint64_t(0));
    QCOMPARE(m_trim->endEdit()->lineEdit()->displayText(), QStringLiteral("00:00:06.000"));
    QCOMPARE(m_trim->endEdit()->value(), kDuration);
    QCOMPARE(m_trim->slider()->endValue(), 1.0);
}

void TestTrimWidget::typedStartAfterTheEndBecomesTheEnd()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    m_trim->endTimeChanged(3 * kSecond);
    // The seconds' last digit: "00:00:00.000" -> "00:00:05.000", after the 3 s end.
    typeAt(m_trim->startEdit(), 7, '5');
    QCOMPARE(m_trim->marks().startUs(), 3 * kSecond);
    QCOMPARE(m_trim->startEdit()->lineEdit()->displayText(), QStringLiteral("00:00:03.000"));
    QCOMPARE(m_player->player()->position(), 3 * kSecond);  // seeked to the start
    QVERIFY(m_trim->slider()->startPixel() < m_trim->slider()->endPixel());
}

void TestTrimWidget::typingAWholeTimeKeepsTheCursor()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    m_trim->show();
    m_trim->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_trim));
    QNxLineEdit* line = m_trim->endEdit()->lineEdit();
    line->setFocus();
    line->setCursorPosition(0);
    // Every digit is a complete edit that the widget answers by showing the end again; the
    // next digit must still land after the previous one.
    QTest::keyClicks(line, QStringLiteral("000004250"));
    QCOMPARE(line->displayText(), QStringLiteral("00:00:04.250"));
    QCOMPARE(m_trim->marks().endUs(), uint64_t(4250000));
}

void TestTrimWidget::cutNeedsAMarkAndCarriesTheMarks()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    QSignalSpy convert(m_trim, &QTrimWidget::emitConvertFile);
    QVERIFY(!m_trim->cutButton()->isEnabled());
    m_trim->OnBtnAdd();  // no marks: nothing happens
    QCOMPARE(convert.count(), 0);

    m_player->player()->seek(1500000);
    m_trim->onStartSet();
    QCOMPARE(m_trim->marks().startUs(), uint64_t(1500000));
    QVERIFY(m_trim->cutButton()->isEnabled());
    m_trim->endTimeChanged(4 * kSecond);
    m_trim->cutButton()->click();
    QCOMPARE(convert.count(), 1);
    QCOMPARE(m_settings->config().trimStartUs, uint64_t(1500000));
    QCOMPARE(m_settings->config().trimEndUs, 4 * kSecond);
    // The settings hand the range to the dialog's player.
    QVERIFY(m_player->isRangeActive());
    QCOMPARE(m_player->rangeStart(), uint64_t(1500000));
    QCOMPARE(m_player->rangeEnd(), 4 * kSecond);
}

void TestTrimWidget::pausedSegmentResumesWherePaused()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    m_trim->startTimeChanged(1 * kSecond);
    m_trim->endTimeChanged(5 * kSecond);
    QSignalSpy states(m_trim, &QTrimWidget::emitPlayState);
    m_trim->onTrimPlay();
    QCOMPARE(states.last().at(0).toBool(), true);
    QVERIFY(m_trim->isSegmentPlaying());
    QVERIFY(m_trim->trimPlayButton()->isHidden());
    QVERIFY(m_trim->trimStopButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(m_player->player()->position() >= 2 * kSecond, 30000);
    m_trim->onTrimPause();
    QCOMPARE(states.last().at(0).toBool(), false);
    const uint64_t paused = m_player->player()->position();
    QVERIFY(!m_trim->trimPlayButton()->isHidden());  // offers to resume

    m_trim->trimPlayButton()->click();
    const uint64_t resumed = m_player->player()->position();
    m_trim->onTrimPause();
    // Resumed at the pause, not rewound to the 1 s start.
    QVERIFY2(resumed >= paused - 100000, qPrintable(QString::number(resumed)));

    m_trim->onTrimStop();
    QVERIFY(!m_trim->isSegmentPlaying());
    QVERIFY(!m_trim->trimStopButton()->isEnabled());
    QCOMPARE(m_player->player()->position(), 1 * kSecond);
}

void TestTrimWidget::clipRowsAndTheirFiles()
{
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->onPause();
    m_trim->startTimeChanged(1250000);
    m_trim->endTimeChanged(3500000);
    m_trim->OnBtnAdd();
    m_trim->startTimeChanged(0);  // marks moved while the clip was being made
    const QString clipA = m_dir.filePath(QStringLiteral("six_Trim_001.flac"));
    const QString clipB = m_dir.filePath(QStringLiteral("six_Trim_002.flac"));
    QVERIFY(QFile::copy(m_file, clipA));
    QVERIFY(QFile::copy(m_file, clipB));
    // A path written with backslashes is stored with slashes.
    m_trim->OnSetSaveFile(QString(clipA).replace(QLatin1Char('/'), QLatin1Char('\\')));
    m_trim->OnSetSaveFile(clipB);

    QTrimItemModel* model = m_trim->clipModel();
    QCOMPARE(model->rowCount(), 2);
    const QStringList row = {
        model->index(0, 0).data().toString(), model->index(0, 1).data().toString(),
        model->index(0, 2).data().toString(), model->index(0, 3).data().toString()};
    QCOMPARE(row, QStringList({QStringLiteral("six_Trim_001.flac"), QStringLiteral("00:00:01.250"),
                               QStringLiteral("00:00:03.500"), QStringLiteral("00:00:02.250")}));
    QCOMPARE(m_trim->savedFiles(), QStringList({clipA, clipB}));

    // Picking a row makes its times the marks again.
    m_trim->OnShowItemTrimTime(m_trim->clipView()->model()->index(0, 0));
    QCOMPARE(m_trim->marks().startUs(), uint64_t(1250000));
    QCOMPARE(m_trim->marks().endUs(), uint64_t(3500000));

    // The delete button of the first row deletes its file.
    QAbstractItemModel* shown = m_trim->clipView()->model();
    emit m_trim->clipDelegate()->deleteButton()->emitClickIndex(shown->index(0, 4));
    QVERIFY(!QFile::exists(clipA));
    QVERIFY(QFile::exists(clipB));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("six_Trim_002.flac"));
    QCOMPARE(m_trim->savedFiles(), QStringList({clipB}));
}

void TestTrimWidget::destroyingHandsOverTheProducedFiles()
{
    QStringList handed;
    int emitted = 0;
    connect(m_trim, &QTrimWidget::emitSaveFile, this, [&](const QStringList& files) {
        handed = files;
        ++emitted;
    });
    QVERIFY(m_trim->setPlayer(m_player->player()));
    m_trim->startTimeChanged(kSecond);
    m_trim->OnSetSaveFile(QStringLiteral("/music/a_Trim_001.mp3"));
    m_trim->OnSetSaveFile(QStringLiteral("/music/a_Trim_002.mp3"));
    delete m_trim;
    m_trim = nullptr;
    QCOMPARE(emitted, 1);
    QCOMPARE(handed, QStringList({QStringLiteral("/music/a_Trim_001.mp3"),
                                  QStringLiteral("/music/a_Trim_002.mp3")}));
}

void TestTrimWidget::sliderHandlesKeepApart()
{
    QVEDualSlider slider;
    slider.show();  // a hidden widget gets its resize events only when shown
    slider.resize(2 * slider.margin() + 200, slider.height());  // W = 201
    QCOMPARE(slider.usableWidth(), 201);
    slider.setValue({25.0, 50.0, 10.0});
    QCOMPARE(slider.startPixel(), 50);
    QCOMPARE(slider.endPixel(), 101);  // 100.5 rounds up
    QSignalSpy starts(&slider, &QVEDualSlider::sendProgressValue);
    QSignalSpy ends(&slider, &QVEDualSlider::sendEndProgressValue);

    // Drag the start handle with the mouse far past the end handle.
    QVESliderCtrlBtn* handle = slider.startHandle();
    const QPoint grab = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grab);
    QMouseEvent move(QEvent::MouseMove, grab + QPoint(400, 0), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grab + QPoint(400, 0));
    QCOMPARE(slider.startPixel(), 99);
    QCOMPARE(starts.last().at(0).toDouble(), 99.0 / 201.0);

    // The end handle cannot go left of the start, nor beyond the track.
    slider.btnEndMouseMove(nullptr, slider.margin() - 50);
    QCOMPARE(slider.endPixel(), 101);
    slider.btnEndMouseMove(nullptr, slider.width() + 50);
    QCOMPARE(slider.endPixel(), 201);
    QCOMPARE(ends.last().at(0).toDouble(), 1.0);
    slider.btnMouseMove(nullptr, -100);
    QCOMPARE(slider.startValue(), 0.0);

    // Handles keep their percentages through a resize.
    slider.setValue({50.0, 100.0, 0.0});
    slider.resize(2 * slider.margin() + 400, slider.height());
    QCOMPARE(slider.startPixel(), 201);
    QCOMPARE(slider.endPixel(), 401);
}

QTEST_MAIN(TestTrimWidget)
#include "tst_trimwidget.moc"
