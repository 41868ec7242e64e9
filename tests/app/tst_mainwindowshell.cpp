// The main window's shell without recording: the close question and both close behaviours,
// the tray and a desktop without one, the schedule countdown and its tip on a clock the test
// moves, the title bar's double click, the main menu and the preferences it opens, the
// interface language changing at once, and an accessible name on every control.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include "convertwidget.h"
#include "languageswitcher.h"
#include "mainwindowtestkit.h"
#include "outputfolder.h"
#include "qaudioschedulesettingdlg.h"
#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "qnxmenu.h"
#include "qnxradiobutton.h"
#include "qnxwidget.h"
#include "qpreferencesdlg.h"
#include "qrecordareainfo.h"
#include "qscheduletipwidget.h"
#include "qshowclosedlg.h"
#include "qtimeoptions.h"
#include "recordertray.h"
#include "schedulecountdown.h"
#include "scheduletime.h"
#include "selectrecordinputwgt.h"
#include "tablerows.h"
#include "timeoptions.h"

using namespace windowtest;

namespace {

constexpr uint64_t kS = ScheduleTime::kUsPerSecond;

QString setting(const QString& element, const QString& attribute)
{
    return ParserXML::getSettingValue(element, attribute, QStringLiteral("<none>"));
}

// Answers the close question once it is shown.
void answerCloseDialog(const QString& choice, bool dontAskAgain, bool ok)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QShowCloseDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        (choice == QLatin1String("exit") ? dialog->exitButton() : dialog->minimizeButton())
            ->setChecked(true);
        dialog->noteBox()->setChecked(dontAskAgain);
        QTest::mouseClick(ok ? dialog->okButton() : dialog->cancelButton(), Qt::LeftButton);
    });
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Controls without a name, among the visible buttons, sliders, lists and fields of `root`.
QStringList unnamedControls(QWidget* root)
{
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
        if (control && w->isVisibleTo(root) && accessibleName(w).isEmpty())
            unnamed.append(QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                           w->objectName());
    }
    return unnamed;
}

// Texts of the window, its title bar, menus, tray and inputs panel that
// differ from English in every other language.
QStringList windowTexts(MainWindow* w)
{
    QStringList texts;
    for (const char* name : {"Start Recording", "Stop Recording", "Cut Recording"}) {
        QAbstractButton* b = button(w, QCoreApplication::translate("MainWindow", name));
        texts << (b ? b->text() : QStringLiteral("<no %1>").arg(QLatin1String(name)));
    }
    for (QAction* action : w->mainMenu()->actions())
        texts << action->text();
    for (QAction* action : w->tray()->normalMenu()->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    texts << w->tray()->stopAction()->text() << w->inputsPanel()->m_btnDevice->toolTip()
          << w->inputsPanel()->m_labNoMicDevice->text() << w->minButton()->toolTip()
          << w->closeButton()->toolTip();
    return texts;
}

}  // namespace

using tablerows::addRow;

class TestMainWindowShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void closeQuestion_data();
    void closeQuestion();
    void closeWithoutQuestion_data();
    void closeWithoutQuestion();
    void withoutTrayNeverHidden();
    void trayBringsTheWindowBack();
    void countdownTip();
    void scheduleWithoutTimesArmsNothing();
    void titleBarDoubleClick();
    void mainMenu();
    void everyControlHasAName();
    void languageChangesAtOnce_data();
    void languageChangesAtOnce();
    void preferencesFromTheMenu();

private:
    QTemporaryDir m_root;
    Fixture m_fixture;
};

void TestMainWindowShell::initTestCase()
{
    QVERIFY(m_root.isValid());
    setUpProcess(m_root.path());
}

void TestMainWindowShell::init()
{
    resetStorage(m_root.filePath(QStringLiteral("out")));
    m_fixture.tray = true;
}

void TestMainWindowShell::cleanup()
{
    m_fixture.window.reset();
}

void TestMainWindowShell::closeQuestion_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("dontAskAgain");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("remind");
    QTest::addColumn<QString>("closeSetting");
    QTest::addColumn<QString>("outcome");
    // "<none>": never stored; the question keeps coming.
    addRow("exit", "exit", false, true, "<none>", "Y", "quit");
    addRow("minimize to tray", "minimize", false, true, "<none>", "N", "hidden");
    addRow("cancel", "exit", true, false, "<none>", "<none>", "shown");
    addRow("exit, don't ask again", "exit", true, true, "N", "Y", "quit");
}

void TestMainWindowShell::closeQuestion()
{
    QFETCH(QString, choice);
    QFETCH(bool, dontAskAgain);
    QFETCH(bool, ok);
    QFETCH(QString, outcome);
    MainWindow* w = m_fixture.open();
    QSignalSpy quit(w, &MainWindow::emitQuit);
    answerCloseDialog(choice, dontAskAgain, ok);
    w->OnClose();
    QTEST(setting(QStringLiteral("REMIND_ITEM"), QStringLiteral("isShowRemind")), "remind");
    QTEST(setting(QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg")), "closeSetting");
    if (outcome == QLatin1String("quit")) {
        QVERIFY(w->isClosing());
        // The window fades out before it closes.
        QVERIFY(w->isVisible());
        QVERIFY(quit.wait(5000));
        QVERIFY(!w->isVisible());
    } else {
        QCOMPARE(w->isVisible(), outcome == QLatin1String("shown"));
        QVERIFY(!w->isClosing());
        QCOMPARE(quit.count(), 0);
    }
}

void TestMainWindowShell::closeWithoutQuestion_data()
{
    QTest::addColumn<QString>("closeSetting");
    QTest::addColumn<bool>("quits");
    addRow("hide to the tray", "N", false);
    addRow("exit", "Y", true);
}

void TestMainWindowShell::closeWithoutQuestion()
{
    QFETCH(QString, closeSetting);
    QFETCH(bool, quits);
    setSetting(QStringLiteral("REMIND_ITEM"), QStringLiteral("isShowRemind"), QStringLiteral("N"));
    setSetting(QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg"), closeSetting);
    MainWindow* w = m_fixture.open();
    QSignalSpy quit(w, &MainWindow::emitQuit);
    // The window manager's close asks the window the same way as its close button.
    w->close();
    QVERIFY(!QApplication::activeModalWidget());
    if (quits) {
        QVERIFY(quit.wait(5000));
    } else {
        QVERIFY(!w->isVisible());
        QCOMPARE(quit.count(), 0);
    }
}

void TestMainWindowShell::withoutTrayNeverHidden()
{
    m_fixture.tray = false;
    setSetting(QStringLiteral("REMIND_ITEM"), QStringLiteral("isShowRemind"), QStringLiteral("N"));
    setSetting(QStringLiteral("CLOSE_ITEM"), QStringLiteral("bIsCloseDlg"), QStringLiteral("N"));
    MainWindow* w = m_fixture.open();
    w->OnClose();
    QVERIFY(w->isVisible());
    w->HideRecorerDlg();
    QVERIFY(w->isVisible());
    // Nor when the close question is answered with "Minimize to Tray".
    setSetting(QStringLiteral("REMIND_ITEM"), QStringLiteral("isShowRemind"), QStringLiteral("Y"));
    answerCloseDialog(QStringLiteral("minimize"), false, true);
    w->OnClose();
    QVERIFY(w->isVisible());
}

void TestMainWindowShell::trayBringsTheWindowBack()
{
    MainWindow* w = m_fixture.open();
    RecorderTray* tray = w->tray();
    QCOMPARE(tray->icon()->contextMenu(), tray->normalMenu());
    QStringList texts;
    for (QAction* action : tray->normalMenu()->actions())
        texts.append(action->text());
    QCOMPARE(texts, (QStringList{QStringLiteral("Hidden (&H)"), QStringLiteral("Show Window (&S)"),
                                 QString(), QStringLiteral("Quit (&Q)")}));
    tray->hideAction()->trigger();
    QVERIFY(!w->isVisible());
    w->OnIconActivated(QSystemTrayIcon::Context);
    QVERIFY(!w->isVisible());
    w->OnIconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(w->isVisible());
    tray->hideAction()->trigger();
    w->OnIconActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(w->isVisible());
    QSignalSpy quit(w, &MainWindow::emitQuit);
    tray->quitAction()->trigger();
    QCOMPARE(quit.count(), 1);
}

void TestMainWindowShell::countdownTip()
{
    MainWindow* w = m_fixture.open();
    TimeOptions::confirmSchedule(true, (12 * 3600 + 45) * kS, 12 * 3600 * kS + 1800 * kS);
    w->OnSetSchedule();
    QScheduleTipWidget* tip = w->countdownTip();
    w->OnTimer();
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QStringLiteral("45s later, Quillon will start recording."));
    m_fixture.clock.advanceMs(1000);
    w->OnTimer();
    QCOMPARE(tip->text(), QStringLiteral("44s later, Quillon will start recording."));
    QTest::mouseClick(tip->closeButton(), Qt::LeftButton);
    QVERIFY(!tip->isVisible());
    m_fixture.clock.advanceMs(1000);
    w->OnTimer();
    QVERIFY(!tip->isVisible());
    QVERIFY(!w->isRecording());

    button(w, QStringLiteral("Cancel Schedule"))->click();
    QVERIFY(!w->isScheduleActive());
    QVERIFY(!w->countdown().isArmed());
    QVERIFY(!QRecordAreaInfo::instance().scheduled());
    QCOMPARE(setting(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Bool_Schedule")),
             QStringLiteral("N"));
    QVERIFY(!button(w, QStringLiteral("Cancel Schedule"))->isVisible());
}

void TestMainWindowShell::scheduleWithoutTimesArmsNothing()
{
    MainWindow* w = m_fixture.open();
    // OK with the schedule unticked, or with equal times, arms no start at midnight.
    TimeOptions::confirmSchedule(true, 5 * kS, 5 * kS);
    w->OnSetSchedule();
    QVERIFY(!w->isScheduleActive());
    QVERIFY(!w->countdown().isArmed());
    // The first opening of the dialog forgets a stored schedule.
    TimeOptions::confirmSchedule(true, 3600 * kS, 7200 * kS);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QAudioScheduleSettingDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(!dialog->timeOptions()->scheduleTicked());
        dialog->reject();
    });
    w->OnShowScheduleDlg();
    QCOMPARE(setting(QStringLiteral("RECORD_SCHEDULE_INFO"), QStringLiteral("Schedule_Start_Time")),
             QStringLiteral("0"));
}

void TestMainWindowShell::titleBarDoubleClick()
{
    MainWindow* w = m_fixture.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QWidget* bar = w->titleBar();
    const QPoint inside(w->width() / 2, 20);
    QTest::mouseDClick(bar, Qt::RightButton, Qt::NoModifier, inside);
    QVERIFY(!w->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(4, 20));
    QVERIFY(!w->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, 38));
    QVERIFY(!w->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, inside);
    QTRY_VERIFY(w->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, inside);
    QTRY_VERIFY(!w->isMaximized());
}

void TestMainWindowShell::mainMenu()
{
    MainWindow* w = m_fixture.open();
    QStringList texts;
    for (QAction* action : w->mainMenu()->actions())
        texts.append(action->text());
    QCOMPARE(texts, (QStringList{QStringLiteral("Preferences"), QStringLiteral("Help")}));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quillon Audio Recorder"));
}

void TestMainWindowShell::everyControlHasAName()
{
    MainWindow* w = m_fixture.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(unnamedControls(w), QStringList());
    for (const char* name : {"Start Recording", "Cut Recording", "Format", "Schedule", "Menu",
                             "Minimize", "Maximize", "Close"}) {
        QAbstractButton* b = button(w, QString::fromLatin1(name));
        QVERIFY2(b, name);
        QCOMPARE(accessibleName(b), QString::fromLatin1(name));
    }
    SelectRecordInputWgt* inputs = w->inputsPanel();
    QCOMPARE(accessibleName(inputs->m_btnSystemAudio), QStringLiteral("System Audio"));
    QCOMPARE(accessibleName(inputs->m_btnMicDevice), QStringLiteral("Microphone"));
    // Recording shows the stop button and the display's volume button.
    w->OnChangeBottomWgt(false);
    QCOMPARE(unnamedControls(w), QStringList());

    QShowCloseDlg closeDialog(w);
    QCOMPARE(unnamedControls(&closeDialog), QStringList());
    QAudioScheduleSettingDlg scheduleDialog(w);
    QCOMPARE(unnamedControls(&scheduleDialog), QStringList());
    QPreferencesDlg preferences(w);
    QCOMPARE(unnamedControls(&preferences), QStringList());
}

void TestMainWindowShell::languageChangesAtOnce_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("startRecording");
    QTest::addColumn<QString>("preferences");
    addRow("Chinese", "Chinese", "开始录音", "首选项");
    addRow("German", "German", "Aufnahme starten", "Einstellungen");
    addRow("French", "French", "Enregistrer", "Préférences");
    addRow("Japanese", "Japanese", "録音開始", "環境設定");
}

// The window is built in English; a switch changes its texts without rebuilding it, and
// switching back gives every English text back.
void TestMainWindowShell::languageChangesAtOnce()
{
    QFETCH(QString, language);
    QFETCH(QString, startRecording);
    QFETCH(QString, preferences);
    LanguageSwitcher languages(testmedia::binDir() + QStringLiteral("/audiorecorder_res/Language"));
    QVERIFY(languages.switchTo(QStringLiteral("English")));
    MainWindow* w = m_fixture.open();
    const QStringList english = windowTexts(w);
    QVERIFY(english.contains(QStringLiteral("Start Recording")));

    QVERIFY2(languages.switchTo(language), qPrintable(languages.lastWarning()));
    // Qt posts the change to every window; the next turn of the event loop delivers it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QStringList translated = windowTexts(w);
    QCOMPARE(translated.size(), english.size());
    for (int i = 0; i < english.size(); ++i)
        QVERIFY2(translated.at(i) != english.at(i), qPrintable(english.at(i)));
    QCOMPARE(translated.first(), startRecording);
    QCOMPARE(w->mainMenu()->actions().first()->text(), preferences);
    QCOMPARE(button(w, startRecording)->toolTip(), startRecording);

    QVERIFY(languages.switchTo(QStringLiteral("English")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(windowTexts(w), english);
}

// The menu's first entry opens the preferences; a folder confirmed there is where the next
// recording goes.
void TestMainWindowShell::preferencesFromTheMenu()
{
    MainWindow* w = m_fixture.open();
    const QString chosen = m_root.filePath(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(chosen));
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPreferencesDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        opened = true;
        dialog->convertPage()->setFolderChooser(
            [&](QWidget*, const QString&, const QString&) { return chosen; });
        dialog->findChild<QAbstractButton*>(QStringLiteral("m_btnChange"))->click();
        dialog->findChild<QAbstractButton*>(QStringLiteral("m_btnOk"))->click();
    });
    w->mainMenu()->actions().first()->trigger();
    QVERIFY(opened);
    QCOMPARE(QDir(OutputFolder::current()).canonicalPath(), QDir(chosen).canonicalPath());
}

QTEST_MAIN(TestMainWindowShell)
#include "tst_mainwindowshell.moc"
