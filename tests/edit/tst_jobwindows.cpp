// The conversion jobs' windows and the end-of-jobs action: the progress window cancels by its
// button, its close button and Escape; the countdown before sleep or shutdown counts down in
// its window, can be cancelled there in each of those ways (then the login manager is never
// asked), and otherwise asks a stand-in login manager on a private bus for the chosen action.

#include <QSignalSpy>
#include <QtTest>

#include <functional>

#include "endofjobsaction.h"
#include "fakelogind.h"
#include "logindpowercontrol.h"
#include "nxskin.h"
#include "parserxml.h"
#include "privatebus.h"
#include "qconvertprogressdlg.h"
#include "qjobsfinisheddlg.h"
#include "qnxbasebutton.h"
#include "qnxbaseprogress.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testsettings.h"

using Press = std::function<void(QDialog&, QNxBaseButton* cancel)>;
Q_DECLARE_METATYPE(Press)

namespace {

void addCancelWays()
{
    QTest::addColumn<Press>("press");
    QTest::newRow("cancel button") << Press([](QDialog&, QNxBaseButton* b) { b->click(); });
    QTest::newRow("close button") << Press(
        [](QDialog& d, QNxBaseButton*) { static_cast<QNxDialog&>(d).closeButton()->click(); });
    QTest::newRow("escape") << Press(
        [](QDialog& d, QNxBaseButton*) { QTest::keyClick(&d, Qt::Key_Escape); });
}

}  // namespace

class TestJobWindows : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    PrivateBus m_bus;

    EndOfJobsAction* newAction(QObject* parent)
    {
        auto* action =
            new EndOfJobsAction(std::make_unique<LogindPowerControl>(QDBusConnection::connectToBus(
                                    m_bus.address(), QStringLiteral("client"))),
                                parent);
        action->setTickInterval(0);
        return action;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        QVERIFY2(m_bus.start(), qPrintable(m_bus.error()));
    }

    void progressWindowCancels_data() { addCancelWays(); }
    void progressWindowCancels()
    {
        QFETCH(Press, press);
        QConvertProgressDlg dialog;
        QSignalSpy cancel(&dialog, &QConvertProgressDlg::emitCancel);
        dialog.show();
        QCOMPARE(dialog.title(), QStringLiteral("Converting"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(!dialog.progressBar()->accessibleName().isEmpty());
        QVERIFY(!dialog.closeButton()->toolTip().isEmpty());
        dialog.setProgress(140);
        QCOMPARE(dialog.progress(), 100);
        press(dialog, dialog.cancelButton());
        QCOMPARE(cancel.count(), 1);
        QTRY_VERIFY(!dialog.isVisible());
    }

    void configuredAction_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("action");
        QTest::newRow("nothing") << "0" << int(EndOfJobsAction::Action::None);
        QTest::newRow("sleep") << "1" << int(EndOfJobsAction::Action::Sleep);
        QTest::newRow("shut down") << "2" << int(EndOfJobsAction::Action::ShutDown);
        QTest::newRow("out of range") << "3" << int(EndOfJobsAction::Action::None);
        QTest::newRow("not a number") << "x" << int(EndOfJobsAction::Action::None);
    }
    void configuredAction()
    {
        QFETCH(QString, stored);
        QFETCH(int, action);
        QVERIFY(testsettings::storeJobsFinished(stored));
        QCOMPARE(int(EndOfJobsAction::configured()), action);
    }

    void countdownRunsOutAndAsks_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("text");
        QTest::newRow("sleep") << int(EndOfJobsAction::Action::Sleep) << "Suspend false"
                               << "go to sleep in %1 s";
        QTest::newRow("shut down") << int(EndOfJobsAction::Action::ShutDown) << "PowerOff false"
                                   << "shut down in %1 s";
    }
    void countdownRunsOutAndAsks()
    {
        QFETCH(int, action);
        QFETCH(QString, call);
        QFETCH(QString, text);
        FakeLogind logind;
        QVERIFY(logind.start(m_bus.address()));
        QObject owner;
        EndOfJobsAction* countdown = newAction(&owner);
        QSignalSpy performed(countdown, &EndOfJobsAction::performed);
        QVERIFY(countdown->begin(EndOfJobsAction::Action(action), 3));
        QJobsFinishedDlg dialog(countdown);
        dialog.show();
        QVERIFY2(dialog.text().contains(text.arg(3)), qPrintable(dialog.text()));
        countdown->tick();
        countdown->tick();
        QVERIFY2(dialog.text().contains(text.arg(1)), qPrintable(dialog.text()));
        QVERIFY(logind.calls().isEmpty());
        countdown->tick();
        QCOMPARE(performed.count(), 1);
        QVERIFY2(performed.at(0).at(1).toBool(), qPrintable(countdown->lastError()));
        QCOMPARE(logind.calls(), QStringList{call});
        QVERIFY(!countdown->isCounting());
        QTRY_VERIFY(!dialog.isVisible());
        countdown->tick();  // over: nothing more
        QCOMPARE(logind.calls().size(), 1);
    }

    void cancelKeepsTheMachineOn_data() { addCancelWays(); }
    void cancelKeepsTheMachineOn()
    {
        QFETCH(Press, press);
        FakeLogind logind;
        QVERIFY(logind.start(m_bus.address()));
        QObject owner;
        EndOfJobsAction* countdown = newAction(&owner);
        QSignalSpy ended(countdown, &EndOfJobsAction::countdownEnded);
        QSignalSpy performed(countdown, &EndOfJobsAction::performed);
        countdown->begin(EndOfJobsAction::Action::ShutDown, 2);
        QJobsFinishedDlg dialog(countdown);
        dialog.show();
        countdown->tick();
        press(dialog, dialog.cancelButton());
        QCOMPARE(ended.count(), 1);
        QTRY_VERIFY(!dialog.isVisible());
        for (int i = 0; i < 5; ++i)
            countdown->tick();
        QCOMPARE(performed.count(), 0);
        QVERIFY(logind.calls().isEmpty());
    }

    void refusedActionSaysWhy()
    {
        // No login manager on this bus.
        QObject owner;
        EndOfJobsAction* countdown = newAction(&owner);
        QSignalSpy performed(countdown, &EndOfJobsAction::performed);
        countdown->begin(EndOfJobsAction::Action::Sleep, 1);
        countdown->tick();
        QCOMPARE(performed.count(), 1);
        QCOMPARE(performed.at(0).at(1).toBool(), false);
        QVERIFY2(countdown->lastError().startsWith(QLatin1String("logind Suspend:")),
                 qPrintable(countdown->lastError()));
        QVERIFY(!countdown->begin(EndOfJobsAction::Action::None));
    }

    void cleanupTestCase() { QDBusConnection::disconnectFromBus(QStringLiteral("client")); }
};

QTEST_MAIN(TestJobWindows)
#include "tst_jobwindows.moc"
