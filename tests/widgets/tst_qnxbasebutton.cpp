// Button states, frame geometry and the frame that is painted for each state.
#include <QSignalSpy>
#include <QtTest>

#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "widgettestutil.h"

using WidgetTest::enter;
using WidgetTest::leave;
using WidgetTest::mouse;

class TestQNxBaseButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WidgetTest::useBuiltResources(); }

    void frameRect_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("first") << QSize(120, 30) << 0 << QRect(0, 0, 30, 30);
        QTest::newRow("pressed") << QSize(120, 30) << 2 << QRect(60, 0, 30, 30);
        QTest::newRow("disabled") << QSize(120, 30) << 3 << QRect(90, 0, 30, 30);
        // Width not divisible by four: integer division, the rest is never shown.
        QTest::newRow("odd width") << QSize(103, 20) << 3 << QRect(75, 0, 25, 20);
    }

    void frameRect()
    {
        QFETCH(QSize, image);
        QFETCH(int, frame);
        QFETCH(QRect, expected);
        QCOMPARE(QNxBaseButtonDraw::frameRect(image, frame), expected);
    }

    void loadingSetsSizeToOneFrame()
    {
        QNxBaseButton button;
        QVERIFY(button.setImage(QStringLiteral("/image/common/btn_common.png")));
        const QImage strip(NxSkin::resourcePath(QStringLiteral("/image/common/btn_common.png")));
        QCOMPARE(button.size(), QSize(strip.width() / 4, strip.height()));
        QCOMPARE(button.sizeHint(), button.size());
    }

    void missingImageChangesNothing()
    {
        QNxBaseButton button;
        QVERIFY(button.setImage(QStringLiteral("/image/btn_close.png")));
        const QSize before = button.size();
        QVERIFY(!button.setImage(QStringLiteral("/image/no_such_image.png")));
        QCOMPARE(button.size(), before);
        QCOMPARE(button.imagePath(), QStringLiteral("/image/btn_close.png"));
    }

    void stateMachine_data()
    {
        // A sequence of pointer actions and the state after each.
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("hover and leave") << "enter leave" << QList<int>{1, 0};
        QTest::newRow("click inside") << "enter press release" << QList<int>{1, 2, 1};
        QTest::newRow("release outside") << "enter press releaseOutside" << QList<int>{1, 2, 0};
        QTest::newRow("disable while hovered") << "enter disable" << QList<int>{1, 3};
        QTest::newRow("disabled ignores pointer") << "disable enter press" << QList<int>{3, 3, 3};
        QTest::newRow("enable returns to normal") << "enter disable enable" << QList<int>{1, 3, 0};
        QTest::newRow("right button does not press") << "enter pressRight" << QList<int>{1, 1};
    }

    void stateMachine()
    {
        QFETCH(QString, actions);
        QFETCH(QList<int>, states);
        QNxBaseButton button(QStringLiteral("/image/common/btn_common.png"));
        const QPoint inside = button.rect().center();
        const QPoint outside(button.width() + 20, button.height() + 20);
        const QStringList steps = actions.split(QLatin1Char(' '));
        QCOMPARE(steps.size(), states.size());
        for (int i = 0; i < steps.size(); ++i) {
            const QString& step = steps[i];
            if (step == QLatin1String("enter"))
                enter(&button, inside);
            else if (step == QLatin1String("leave"))
                leave(&button);
            else if (step == QLatin1String("press"))
                mouse(&button, QEvent::MouseButtonPress, inside);
            else if (step == QLatin1String("pressRight"))
                mouse(&button, QEvent::MouseButtonPress, inside, Qt::RightButton);
            else if (step == QLatin1String("release"))
                mouse(&button, QEvent::MouseButtonRelease, inside);
            else if (step == QLatin1String("releaseOutside"))
                mouse(&button, QEvent::MouseButtonRelease, outside);
            else if (step == QLatin1String("disable"))
                button.setEnabled(false);
            else if (step == QLatin1String("enable"))
                button.setEnabled(true);
            QVERIFY2(button.state() == states[i],
                     qPrintable(QStringLiteral("after %1: state %2, expected %3")
                                    .arg(step)
                                    .arg(button.state())
                                    .arg(states[i])));
        }
    }

    void paintsFrameOfState_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("frame");
        QTest::newRow("normal") << "" << 0;
        QTest::newRow("hover") << "hover" << 1;
        QTest::newRow("pressed") << "press" << 2;
        QTest::newRow("disabled") << "disable" << 3;
        QTest::newRow("checked shows pressed") << "check" << 2;
        QTest::newRow("checked and hovered shows pressed") << "check hover" << 2;
    }

    void paintsFrameOfState()
    {
        QFETCH(QString, setup);
        QFETCH(int, frame);
        QNxBaseButton button(QStringLiteral("/image/common/btn_common.png"));
        const QPoint centre = button.rect().center();
        if (setup.contains(QLatin1String("check"))) {
            button.setCheckable(true);
            button.setChecked(true);
        }
        if (setup.contains(QLatin1String("hover")))
            enter(&button, centre);
        if (setup.contains(QLatin1String("press"))) {
            enter(&button, centre);
            mouse(&button, QEvent::MouseButtonPress, centre);
        }
        if (setup.contains(QLatin1String("disable")))
            button.setEnabled(false);

        const QImage strip =
            QImage(NxSkin::resourcePath(QStringLiteral("/image/common/btn_common.png")))
                .convertToFormat(QImage::Format_ARGB32);
        const QImage shot = button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRect source = QNxBaseButtonDraw::frameRect(strip.size(), frame);
        // The centre row of the frame, where the button is filled and carries no text.
        const int y = strip.height() / 2;
        for (int x = 8; x < source.width() - 8; x += 7) {
            QCOMPARE(QColor(shot.pixel(x, y)).name(),
                     QColor(strip.pixel(source.x() + x, y)).name());
        }
    }

    void clickStillDelivered()
    {
        QNxBaseButton button(QStringLiteral("/image/btn_close.png"));
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        QSignalSpy states(&button, &QNxBaseButton::emitStateChanged);
        enter(&button, button.rect().center());
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, button.rect().center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(button.state(), int(QNxBaseButtonDraw::Hover));
        QVERIFY(states.count() >= 3);
    }

    void checkBoxFollowsStates()
    {
        QNxCheckBox box(QStringLiteral("Split files"));
        QSize indicator(
            QImage(NxSkin::resourcePath(QStringLiteral("/image/common/checkbox.png"))).size());
        QVERIFY(box.sizeHint().width() > indicator.width() / 4);
        enter(&box, QPoint(3, 3));
        QCOMPARE(box.state(), 1);
        // The text is part of the click target, not only the indicator.
        const QPoint onText(box.sizeHint().width() - 4, box.height() / 2);
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, onText);
        QVERIFY(box.isChecked());
        box.setEnabled(false);
        QCOMPARE(box.state(), 3);
    }
};

QTEST_MAIN(TestQNxBaseButton)
#include "tst_qnxbasebutton.moc"
