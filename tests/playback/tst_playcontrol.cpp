// The play bar playing real files through the private sound server: a list plays through and
// ends with emitFinishPlay; next and previous wrap; removing the playing file loads the first
// one left without playing it; a file closed for editing opens again where it was; dragging the
// progress slider is silent; files that do not open stop nothing else.

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "../widgets/widgettestutil.h"
#include "nxqplayobject.h"
#include "parserxml.h"
#include "playbartestkit.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qplaycontrolwgt.h"

namespace {

constexpr int kPlayTimeoutMs = 60000;

QStringList pathsOf(const QSignalSpy& spy)
{
    QStringList paths;
    for (const QList<QVariant>& call : spy)
        paths << call[0].toString();
    return paths;
}

}  // namespace

class TestPlayControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playsListToTheEnd();
    void nextAndPrevious_data();
    void nextAndPrevious();
    void removingThePlayingFile();
    void closeForEditAndContinue();
    void draggingIsSilent();
    void volumeIcons_data();
    void volumeIcons();
    void filesThatDoNotOpen();

private:
    PlayBarMedia m_media;
    QStringList m_short;  // three files of 0.4 s
    QString m_long;       // a file of 4 s
};

void TestPlayControl::initTestCase()
{
    QVERIFY(testmedia::pulseAvailable());
    QVERIFY(m_media.create(4, 0.4));
    m_short = m_media.files().mid(0, 3);
    m_long = m_media.dir() + "/long.wav";
    QVERIFY(testmedia::makeTone(m_long, 440.0, 4.0));
}

void TestPlayControl::playsListToTheEnd()
{
    QPlayControlWgt bar;
    QSignalSpy playing(&bar, &QPlayControlWgt::emitPlayingFilePath);
    QSignalSpy state(&bar, &QPlayControlWgt::emitPlayOrPauseState);
    QSignalSpy finished(&bar, &QPlayControlWgt::emitFinishPlay);
    QStringList windowsStyle = m_short;
    windowsStyle[1].replace('/', '\\');
    bar.OnSetPlayList(windowsStyle);
    QCOMPARE(bar.playList(), m_short);

    bar.OnBtnPlay();
    QVERIFY(bar.isPlaying());
    QVERIFY(bar.pauseButton()->isVisibleTo(&bar));
    QVERIFY(!bar.playButton()->isVisibleTo(&bar));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPlayTimeoutMs);
    QCOMPARE(pathsOf(playing), m_short);
    QVERIFY(bar.currentPath().isEmpty());
    QVERIFY(!bar.isPlaying());
    QVERIFY(bar.playButton()->isVisibleTo(&bar));
    QCOMPARE(state.last()[0].toBool(), false);
    // It stays at the end: nothing starts again by itself.
    QTest::qWait(300);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(playing.count(), 3);
}

void TestPlayControl::nextAndPrevious_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("expected");
    QTest::newRow("next") << 0 << true << 1;
    QTest::newRow("next on the last wraps") << 2 << true << 0;
    QTest::newRow("previous") << 2 << false << 1;
    QTest::newRow("previous on the first wraps") << 0 << false << 2;
}

void TestPlayControl::nextAndPrevious()
{
    QFETCH(int, start);
    QFETCH(bool, next);
    QFETCH(int, expected);
    QPlayControlWgt bar;
    bar.OnSetPlayList(m_short);
    QVERIFY(bar.OnSetPlayFile(m_short[start]));
    QSignalSpy playing(&bar, &QPlayControlWgt::emitPlayingFilePath);
    QSignalSpy finished(&bar, &QPlayControlWgt::emitFinishPlay);
    (next ? bar.nextButton() : bar.previousButton())->click();
    QCOMPARE(bar.currentPath(), m_short[expected]);
    QCOMPARE(pathsOf(playing), QStringList{m_short[expected]});
    QVERIFY(bar.isPlaying());
    QCOMPARE(bar.fileNameLabel()->toolTip(), QFileInfo(m_short[expected]).fileName());
    QCOMPARE(finished.count(), 0);
    bar.OnBtnPause();
}

void TestPlayControl::removingThePlayingFile()
{
    QPlayControlWgt bar;
    bar.OnSetPlayList(m_short);
    bar.OnPlayOrPause(true);
    bar.OnNext();
    QCOMPARE(bar.currentPath(), m_short[1]);
    QSignalSpy playing(&bar, &QPlayControlWgt::emitPlayingFilePath);
    QSignalSpy state(&bar, &QPlayControlWgt::emitPlayOrPauseState);

    bar.OnRemoveFiles({m_short[1], "/not/listed.wav"});
    QCOMPARE(bar.playList(), (QStringList{m_short[0], m_short[2]}));
    QCOMPARE(bar.currentPath(), m_short[0]);
    QVERIFY(!bar.isPlaying());
    QCOMPARE(pathsOf(playing), QStringList{m_short[0]});
    QCOMPARE(state.count(), 1);
    QCOMPARE(state[0][0].toBool(), false);
    QCOMPARE(bar.player()->state(), int(NxQPlayObject::Stopped));

    bar.OnRemoveAllFiles();
    QVERIFY(bar.playList().isEmpty());
    QVERIFY(bar.currentPath().isEmpty());
    QCOMPARE(bar.durationLabel()->text(), QStringLiteral("00:00:00"));
    bar.OnBtnPlay();  // an empty list plays nothing
    QVERIFY(!bar.isPlaying());
}

void TestPlayControl::closeForEditAndContinue()
{
    HistoryRecord record;
    record.filePath = m_long;
    record.duration = QStringLiteral("00:00:04");
    QVERIFY(ParserXML::addOrUpdateHistory(record));
    QPlayControlWgt bar;
    QVERIFY(bar.OnSetPlayFile(m_long));
    QCOMPARE(bar.durationLabel()->text(), QStringLiteral("00:00:04"));
    bar.OnBtnPlay();
    QTRY_VERIFY_WITH_TIMEOUT(bar.player()->position() > 800000, kPlayTimeoutMs);
    bar.OnBtnPause();
    const uint64_t paused = bar.player()->position();

    bar.OnCloseFileIfIsPlaying(QString(m_long).replace('/', '\\'));
    QVERIFY(bar.hasRememberedPosition());
    QVERIFY(qAbs(qint64(bar.rememberedPosition()) - qint64(paused)) < 100000);
    QCOMPARE(bar.player()->duration(), uint64_t(0));  // closed: the file is free for editing

    QSignalSpy progress(bar.player(), &NxQPlayObject::emitPlayPro);
    bar.OnContinuePlayAfterEdit(true);
    QVERIFY(!bar.hasRememberedPosition());
    QVERIFY(bar.isPlaying());
    const double resumedAt = double(paused) / double(bar.player()->duration());
    QVERIFY(qAbs(bar.progressSlider()->ratio() - resumedAt) < 0.01);
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, kPlayTimeoutMs);
    // Every position reported after the resume lies beyond the one left: nothing restarted.
    for (const QList<QVariant>& call : progress)
        QVERIFY2(call[0].toDouble() >= resumedAt - 0.02, qPrintable(call[0].toString()));
    bar.OnBtnPause();

    // Continuing without a closed file does nothing.
    bar.OnContinuePlayAfterEdit(true);
    QVERIFY(!bar.isPlaying());
}

void TestPlayControl::draggingIsSilent()
{
    QPlayControlWgt bar;
    bar.resize(600, QPlayControlWgt::kHeight);
    bar.show();
    QVERIFY(bar.OnSetPlayFile(m_long));
    bar.OnBtnPlay();
    QCOMPARE(bar.player()->soundVolume(), QPlayControlWgt::kInitialVolume);
    QNxBaseSlider* slider = bar.progressSlider();
    const QPoint middle(slider->width() / 2, slider->height() / 2);
    const QPoint threeQuarters(slider->width() * 3 / 4, middle.y());
    WidgetTest::mouse(slider, QEvent::MouseButtonPress, middle);
    QCOMPARE(bar.player()->soundVolume(), 0);
    WidgetTest::mouse(slider, QEvent::MouseMove, threeQuarters);
    QCOMPARE(bar.player()->soundVolume(), 0);
    WidgetTest::mouse(slider, QEvent::MouseButtonRelease, threeQuarters);
    QCOMPARE(bar.player()->soundVolume(), QPlayControlWgt::kInitialVolume);
    // The player went where the handle was let go.
    QVERIFY(bar.player()->position() > bar.player()->duration() / 2);
    bar.OnBtnPause();
}

void TestPlayControl::volumeIcons_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QString>("icon");
    QTest::newRow("mute") << 0.0005 << 0 << "btn_volume_null.png";
    QTest::newRow("half") << 0.5 << 50 << "btn_volume_little.png";
    QTest::newRow("more than half") << 0.51 << 51 << "btn_volume_big.png";
    QTest::newRow("full") << 1.0 << 100 << "btn_volume_full.png";
}

void TestPlayControl::volumeIcons()
{
    QFETCH(double, ratio);
    QFETCH(int, volume);
    QFETCH(QString, icon);
    QPlayControlWgt bar;
    bar.OnVolumeChange(ratio);
    QCOMPARE(bar.volume(), volume);
    QCOMPARE(bar.player()->soundVolume(), volume);
    QVERIFY2(bar.volumeIconPath().endsWith("/" + icon), qPrintable(bar.volumeIconPath()));
}

void TestPlayControl::filesThatDoNotOpen()
{
    const QString notMedia = m_media.dir() + "/notes.wav";
    QFile file(notMedia);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a sound file");
    file.close();
    const QString gone = m_media.dir() + "/gone.wav";
    QPlayControlWgt bar;
    QSignalSpy playing(&bar, &QPlayControlWgt::emitPlayingFilePath);
    QSignalSpy finished(&bar, &QPlayControlWgt::emitFinishPlay);

    // Files that do not open are passed over; the list goes on with the next one that does.
    bar.OnSetPlayList({notMedia, m_short[0], gone});
    bar.OnBtnPlay();
    QVERIFY(bar.isPlaying());
    QCOMPARE(bar.currentPath(), m_short[0]);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPlayTimeoutMs);
    QCOMPARE(pathsOf(playing), QStringList{m_short[0]});
    QVERIFY(!bar.isPlaying());

    // Previous walks backwards past both files that do not open, round to the one that does.
    QVERIFY(bar.OnSetPlayFile(m_short[0]));
    bar.OnPrevious();
    QCOMPARE(bar.currentPath(), m_short[0]);
    bar.OnBtnPause();

    // A list with nothing that opens plays nothing and shows no pause button.
    bar.OnSetPlayList({notMedia, gone});
    bar.OnNext();
    QVERIFY(!bar.isPlaying());
    QVERIFY(bar.currentPath().isEmpty());
    QVERIFY(bar.playButton()->isVisibleTo(&bar));
}

QTEST_MAIN(TestPlayControl)
#include "tst_playcontrol.moc"
