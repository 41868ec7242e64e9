// Message-box results, dialog dragging and closing, main-window title bar.
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "qnxbasebutton.h"
#include "qnxdialogex.h"
#include "qnxmainwindow.h"
#include "qnxmessagebox.h"
#include "qnxwidget.h"
#include "tablerows.h"
#include "widgettestutil.h"

using WidgetTest::mouse;

using tablerows::addRow;

class TestQNxDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WidgetTest::useBuiltResources(); }

    void messageBoxResults_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("action");  // "click:<code>", "escape", "close", "enter"
        QTest::addColumn<int>("result");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int yesNoCancel = yesNo | QMessageBox::Cancel;
        QTest::newRow("yes") << yesNo << "click:16384" << 0x4000;
        QTest::newRow("no") << yesNo << "click:65536" << int(QMessageBox::No);
        QTest::newRow("ok") << int(QMessageBox::Ok) << "click:1024" << int(QMessageBox::Ok);
        QTest::newRow("escape picks cancel") << yesNoCancel << "escape" << int(QMessageBox::Cancel);
        QTest::newRow("escape picks no") << yesNo << "escape" << int(QMessageBox::No);
        addRow("close picks the only button", int(QMessageBox::Ok), "close", int(QMessageBox::Ok));
        addRow("escape without an answer", int(QMessageBox::Yes | QMessageBox::Save), "escape",
               int(QMessageBox::NoButton));
        QTest::newRow("enter picks the first") << yesNo << "enter" << 0x4000;
    }

    void messageBoxResults()
    {
        QFETCH(int, buttons);
        QFETCH(QString, action);
        QFETCH(int, result);
        QNxMessageBox box(QStringLiteral("Quillon Audio Recorder"), QStringLiteral("Delete it?"),
                          QMessageBox::StandardButtons(buttons));
        QSignalSpy finished(&box, &QDialog::finished);
        box.open();
        if (action.startsWith(QLatin1String("click:"))) {
            QNxBaseButton* button = box.button(QMessageBox::StandardButton(action.mid(6).toInt()));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        } else if (action == QLatin1String("escape")) {
            QTest::keyClick(&box, Qt::Key_Escape);
        } else if (action == QLatin1String("enter")) {
            QTest::keyClick(&box, Qt::Key_Return);
        } else {
            QTest::mouseClick(box.closeButton(), Qt::LeftButton);
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QCOMPARE(box.result(), result);
        QVERIFY(!box.isVisible());
    }

    void staticQuestionReturnsYes()
    {
        // exec() runs its own loop; answer from inside it.
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QNxMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("Stop recording?"));
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
        const int answer = QNxMessageBox::question(
            nullptr, QStringLiteral("Quillon Audio Recorder"), QStringLiteral("Stop recording?"));
        QCOMPARE(answer, int(QMessageBox::Yes));
    }

    void dialogDrag_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("moves");
        QTest::newRow("title bar") << QPoint(60, 12) << QPoint(35, 20) << true;
        QTest::newRow("title bar backwards") << QPoint(200, 30) << QPoint(-50, -10) << true;
        QTest::newRow("body does not drag") << QPoint(60, 120) << QPoint(35, 20) << false;
    }

    void dialogDrag()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, delta);
        QFETCH(bool, moves);
        QNxDialog dialog;
        dialog.setTitle(QStringLiteral("Format Setting"));
        dialog.resize(400, 240);
        dialog.move(300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint start = dialog.pos();
        mouse(&dialog, QEvent::MouseButtonPress, press);
        QCOMPARE(dialog.isDragging(), moves);
        // Move in two steps; each position is relative to where the window is now.
        mouse(&dialog, QEvent::MouseMove, press + delta / 2);
        const QPoint halfway = dialog.pos();
        mouse(&dialog, QEvent::MouseMove, press + delta - (halfway - start));
        mouse(&dialog, QEvent::MouseButtonRelease, press + delta - (halfway - start));
        QVERIFY(!dialog.isDragging());
        QCOMPARE(dialog.pos(), moves ? start + delta : start);
        // After the release, moving the pointer no longer moves the window.
        const QPoint end = dialog.pos();
        mouse(&dialog, QEvent::MouseMove, press + QPoint(80, 80));
        QCOMPARE(dialog.pos(), end);
    }

    void layoutStaysBelowTitleBar()
    {
        QNxDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* body = new QWidget(&dialog);
        layout->addWidget(body);
        dialog.resize(300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(body->geometry().top() >= dialog.titleBarHeight());
        const QRect close = dialog.closeButton()->geometry();
        QVERIFY(dialog.titleBarRect().contains(close));
        QVERIFY(close.right() < dialog.width() - 1);
    }

    void closeButtonRejects()
    {
        QNxDialog dialog;
        dialog.open();
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void dialogExFadesThenFinishes()
    {
        QNxDialogEx dialog;
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();
        dialog.closeAnimated(QDialog::Accepted);
        QVERIFY(dialog.isClosing());
        QCOMPARE(finished.count(), 0);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
        // Shown again, the dialog is opaque and can close again.
        dialog.open();
        QCOMPARE(dialog.windowOpacity(), 1.0);
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), int(QDialog::Rejected));
    }

    void mainWindowTitleBar()
    {
        QNxMainWindow window;
        window.setWindowTitle(QStringLiteral("Quillon Audio Recorder"));
        window.resize(640, 400);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.maxButton()->isVisible());
        QVERIFY(!window.restoreButton()->isVisible());
        QWidget* bar = window.titleBar();
        const QPoint start = window.pos();
        mouse(bar, QEvent::MouseButtonPress, QPoint(300, 20));
        mouse(bar, QEvent::MouseMove, QPoint(340, 50));
        mouse(bar, QEvent::MouseButtonRelease, QPoint(340, 50));
        QCOMPARE(window.pos(), start + QPoint(40, 30));
        QVERIFY(window.centralWidget() == nullptr || window.centralWidget()->y() >= bar->height());
        // Maximising swaps the maximise button for the restore button.
        QTest::mouseClick(window.maxButton(), Qt::LeftButton);
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.restoreButton()->isVisible());
        QVERIFY(!window.maxButton()->isVisible());
    }
};

QTEST_MAIN(TestQNxDialogs)
#include "tst_qnxdialogs.moc"
