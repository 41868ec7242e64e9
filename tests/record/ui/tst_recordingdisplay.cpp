// The recording display and the schedule dialog on their widgets (offscreen): the time text,
// the volume icon, the silence watch's signals on a clock the test moves, and the schedule
// form storing what the user types.

#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "inputspaneltestenv.h"
#include "manualclock.h"
#include "parserxml.h"
#include "qaudioschedulesettingdlg.h"
#include "qaudiowavewidget.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qnxcheckbox.h"
#include "qnxlineedit.h"
#include "qnxtimeedit.h"
#include "qrecordareainfo.h"
#include "qrecordingwidget.h"
#include "qtimeoptions.h"
#include "qvolumewidget.h"
#include "schedulerepeatedit.h"

namespace {

// A level block of `count` levels swinging between 0 and `peak` (silence when it is 0).
QByteArray block(int count, quint16 peak)
{
    QByteArray data(40, '\0');
    const quint32 bytes = qToLittleEndian(quint32(count * 2));
    data.append(reinterpret_cast<const char*>(&bytes), sizeof bytes);
    for (int i = 0; i < count; ++i) {
        const quint16 le = qToLittleEndian(quint16(i % 2 ? peak : 0));
        data.append(reinterpret_cast<const char*>(&le), sizeof le);
    }
    return data;
}

void feed(QRecordingWidget& display, const QByteArray& data)
{
    display.OnSetAudioData(reinterpret_cast<unsigned char*>(const_cast<char*>(data.constData())),
                           (data.size() - 44) / 2);
}

QString stored(const QString& element, const QString& attribute)
{
    return ParserXML::getSettingValue(element, attribute, QStringLiteral("<none>"));
}

}  // namespace

class TestRecordingDisplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        inputstest::redirectUserFolders(m_root.path());
        inputstest::useBuiltResources();
    }

    void init() { QFile::remove(ParserXML::settingsFilePath()); }

    void timeText_data()
    {
        QTest::addColumn<quint64>("us");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "00:00:00";
        QTest::newRow("just under an hour") << quint64(3599999999) << "00:59:59";
        QTest::newRow("an hour") << quint64(3600000000) << "01:00:00";
        QTest::newRow("past 99 hours") << quint64(360000) * 1000000 << "100:00:00";
    }

    void timeText()
    {
        QFETCH(quint64, us);
        QFETCH(QString, text);
        QCOMPARE(QRecordingWidget::timeText(us), text);
        QRecordingWidget display;
        display.OnSetRecordTime(us);
        QCOMPARE(display.recordTimeText(), text);
    }

    void volumeIcon_data()
    {
        QTest::addColumn<double>("volume");
        QTest::addColumn<QString>("icon");
        QTest::newRow("0") << 0.0 << "null";
        QTest::newRow("0.001") << 0.001 << "null";
        QTest::newRow("0.0011") << 0.0011 << "little";
        QTest::newRow("0.5") << 0.5 << "little";
        QTest::newRow("0.75") << 0.75 << "big";
        QTest::newRow("1.0") << 1.0 << "full";
    }

    void volumeIcon()
    {
        QFETCH(double, volume);
        QFETCH(QString, icon);
        QCOMPARE(QRecordingWidget::volumeIcon(volume),
                 QStringLiteral("/image/BottomWidget/btn_volume_%1.png").arg(icon));
    }

    void volumeFromTheInputsAndThePopup()
    {
        QRecordingWidget display;
        QCOMPARE(display.volumeIconPath(), QRecordingWidget::volumeIcon(0.5));
        display.OnSetVolume(75);
        QCOMPARE(display.volumeIconPath(), QRecordingWidget::volumeIcon(0.75));
        QCOMPARE(display.volumePopup()->slider()->value(), 75);
        display.OnSetVolume(0);
        QCOMPARE(display.volumeIconPath(), QRecordingWidget::volumeIcon(0.0));

        // The user's slider moves reach the main window as ratios and change the icon.
        QSignalSpy changes(&display, &QRecordingWidget::emitVolumeChange);
        display.show();
        display.OnBtnVolume();
        QVERIFY(display.volumePopup()->isVisible());
        display.volumePopup()->slider()->setFocus();
        QTest::keyClick(display.volumePopup()->slider(), Qt::Key_End);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toDouble(), 1.0);
        QCOMPARE(display.volumeIconPath(), QRecordingWidget::volumeIcon(1.0));
    }

    void recordingStateShowsTimeAndWave()
    {
        QRecordingWidget display;
        display.show();
        display.OnSetRecordTime(5000000);
        display.beginRecording();
        QVERIFY(display.isRecording());
        QCOMPARE(display.recordTimeText(), QStringLiteral("00:00:00"));
        QVERIFY(display.waveWidget()->isVisible());
        display.endRecording();
        QVERIFY(!display.isRecording());
        QVERIFY(!display.waveWidget()->isVisible());
    }

    void silenceSplitsAndLoudnessIsReported()
    {
        ParserXML::getSettingValue(QStringLiteral("Split_Recording"),
                                   QStringLiteral("Split_According_To_Silence"), QString());
        ParserXML::setSettingValue(QStringLiteral("Split_Recording"),
                                   QStringLiteral("Split_According_To_Silence"),
                                   QStringLiteral("Y"));
        ParserXML::setSettingValue(QStringLiteral("Split_Recording"),
                                   QStringLiteral("Silence_More_Than"), QStringLiteral("1000"));
        ManualClock clock(QDateTime(QDate(2024, 3, 14), QTime(12, 0, 0)));
        QRecordingWidget display(nullptr, clock);
        display.resize(600, 64);
        display.show();
        QSignalSpy splits(&display, &QRecordingWidget::emitSplitSilence);
        QSignalSpy loud(&display, &QRecordingWidget::emitIsRecordingAlwaysSilence);
        display.beginRecording();

        feed(display, block(2205, 0));
        display.OnCheckSilence();  // the silence is timed from here
        clock.advanceMs(1000);
        display.OnCheckSilence();
        QCOMPARE(splits.count(), 0);
        clock.advanceMs(200);
        display.OnCheckSilence();
        QCOMPARE(splits.count(), 1);
        QCOMPARE(loud.count(), 0);

        feed(display, block(2205, 20000));
        feed(display, block(2205, 30000));
        QCOMPARE(loud.count(), 1);
        QCOMPARE(loud.at(0).at(0).toBool(), false);
        clock.advanceMs(5000);
        display.OnCheckSilence();
        QCOMPARE(splits.count(), 1);
    }

    void stopAfterFieldsAreClampedAndStored()
    {
        QTimeOptions form;
        form.show();
        QTest::mouseClick(form.stopAfterBox(), Qt::LeftButton);
        QVERIFY(form.minutesEdit()->isEnabled());
        form.hoursEdit()->clear();
        QTest::keyClicks(form.hoursEdit(), QStringLiteral("1"));
        form.minutesEdit()->clear();
        QTest::keyClicks(form.minutesEdit(), QStringLiteral("75"));
        QCOMPARE(form.minutesEdit()->text(), QStringLiteral("59"));
        QCOMPARE(stored(QStringLiteral("RECORD_TIME_INFO"), QStringLiteral("Stop_time_lenght")),
                 QString::number(quint64(3600 + 59 * 60) * 1000000));
        QCOMPARE(stored(QStringLiteral("RECORD_TIME_INFO"), QStringLiteral("Bool_Stop_After_Time")),
                 QStringLiteral("Y"));
        QVERIFY(QRecordAreaInfo::instance().stopAfter());
    }

    void scheduleFormAndOk()
    {
        QAudioScheduleSettingDlg dialog;
        // At least 330 x 220, grown where the repeat line's days need room.
        QVERIFY(dialog.width() >= 330 && dialog.height() >= 220);
        QCOMPARE(dialog.size(), dialog.sizeHint().expandedTo(QSize(330, 220)));
        QCOMPARE(dialog.title(), QStringLiteral("Record time options"));
        QTimeOptions* form = dialog.timeOptions();
        QVERIFY(!form->startEdit()->isEnabled());
        dialog.show();
        QTest::mouseClick(form->scheduleBox(), Qt::LeftButton);
        QVERIFY(form->startEdit()->isEnabled());
        QVERIFY(!form->stopAfterTicked());
        form->startEdit()->setTime(QTime(23, 0, 0));
        form->endEdit()->setTime(QTime(1, 0, 0));
        // Repeat on Tuesdays and Saturdays: the day boxes show only for chosen days.
        ScheduleRepeatEdit* repeat = form->repeatEdit();
        QVERIFY(repeat->isEnabled());
        QVERIFY(!repeat->dayBox(2)->isVisible());
        repeat->modeBox()->setCurrentIndex(
            repeat->modeBox()->findText(QStringLiteral("Chosen days")));
        QVERIFY(repeat->dayBox(2)->isVisible());
        QTest::mouseClick(repeat->dayBox(2), Qt::LeftButton);
        QTest::mouseClick(repeat->dayBox(6), Qt::LeftButton);
        QSignalSpy confirmed(&dialog, &QAudioScheduleSettingDlg::emitSetSchedule);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QRecordAreaInfo& area = QRecordAreaInfo::instance();
        QVERIFY(area.scheduled());
        QCOMPARE(area.scheduleStartUs(), quint64(23 * 3600) * 1000000);
        QCOMPARE(area.scheduleEndUs(), quint64(3600) * 1000000);
        QCOMPARE(
            stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Start_Time")),
            QString::number(quint64(23 * 3600) * 1000000));
        QCOMPARE(stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Bool_Schedule")),
                 QStringLiteral("Y"));
        QCOMPARE(stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Repeat")),
                 QStringLiteral("days"));
        QCOMPARE(stored(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Days")),
                 QStringLiteral("2,6"));
        QVERIFY(area.scheduleRepeat().fallsOn(6) && !area.scheduleRepeat().fallsOn(7));

        // Reopened, the dialog shows what is stored.
        QAudioScheduleSettingDlg again;
        QVERIFY(again.timeOptions()->scheduleTicked());
        QCOMPARE(again.timeOptions()->startEdit()->time(), QTime(23, 0, 0));
        QCOMPARE(again.timeOptions()->endEdit()->time(), QTime(1, 0, 0));
        QVERIFY(again.timeOptions()->repeatEdit()->repeat() == area.scheduleRepeat());
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestRecordingDisplay)
#include "tst_recordingdisplay.moc"
