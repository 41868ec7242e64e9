// Slider signals: press, drag and release report ratios; code changes stay silent.
#include <QSignalSpy>
#include <QtTest>

#include "qnxbaseprogress.h"
#include "qnxbaseslider.h"
#include "widgettestutil.h"

using WidgetTest::mouse;

class TestQNxBaseSlider : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WidgetTest::useBuiltResources(); }

    void pressJumpsAndReports_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<double>("where");  // fraction of the widget length from left / top
        QTest::addColumn<double>("ratio");
        QTest::newRow("horizontal start") << int(Qt::Horizontal) << false << 0.0 << 0.0;
        QTest::newRow("horizontal middle") << int(Qt::Horizontal) << false << 0.5 << 0.5;
        QTest::newRow("horizontal end") << int(Qt::Horizontal) << false << 1.0 << 1.0;
        QTest::newRow("horizontal inverted") << int(Qt::Horizontal) << true << 0.0 << 1.0;
        // Vertical sliders have their minimum at the bottom.
        QTest::newRow("vertical top") << int(Qt::Vertical) << false << 0.0 << 1.0;
        QTest::newRow("vertical bottom") << int(Qt::Vertical) << false << 1.0 << 0.0;
        QTest::newRow("vertical middle") << int(Qt::Vertical) << false << 0.5 << 0.5;
    }

    void pressJumpsAndReports()
    {
        QFETCH(int, orientation);
        QFETCH(bool, inverted);
        QFETCH(double, where);
        QFETCH(double, ratio);
        QNxBaseSlider slider{Qt::Orientation(orientation)};
        slider.setInvertedAppearance(inverted);
        slider.setRange(0, 100);
        slider.resize(orientation == Qt::Horizontal ? QSize(214, 20) : QSize(20, 214));
        QSignalSpy progress(&slider, &QNxBaseSlider::sendProgressValue);
        QSignalSpy pressed(&slider, &QNxBaseSlider::sendPressEvent);
        QSignalSpy released(&slider, &QNxBaseSlider::sendReleseEvent);

        const int length = orientation == Qt::Horizontal ? slider.width() : slider.height();
        const int along = qBound(0, int(where * length), length - 1);
        const QPoint pos = orientation == Qt::Horizontal ? QPoint(along, 10) : QPoint(10, along);
        mouse(&slider, QEvent::MouseButtonPress, pos);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(progress.count(), 1);
        QVERIFY2(qAbs(progress.at(0).at(0).toDouble() - ratio) <= 0.02,
                 qPrintable(QString::number(progress.at(0).at(0).toDouble())));
        QVERIFY(qAbs(slider.ratio() - ratio) <= 0.02);
        QVERIFY(slider.isSliderDown());
        mouse(&slider, QEvent::MouseButtonRelease, pos);
        QCOMPARE(released.count(), 1);
        QVERIFY(!slider.isSliderDown());
    }

    void dragReportsEveryChange()
    {
        QNxBaseSlider slider;
        slider.setRange(0, 10);
        slider.resize(214, 20);
        QSignalSpy progress(&slider, &QNxBaseSlider::sendProgressValue);
        mouse(&slider, QEvent::MouseButtonPress, QPoint(0, 10));
        for (int x = 0; x <= 214; x += 10)
            mouse(&slider, QEvent::MouseMove, QPoint(x, 10));
        mouse(&slider, QEvent::MouseButtonRelease, QPoint(214, 10));
        QCOMPARE(slider.value(), 10);
        // One report on press plus one per value reached; never twice for the same value.
        QCOMPARE(progress.count(), 11);
        double last = -1;
        for (const QList<QVariant>& args : qAsConst(progress)) {
            QVERIFY(args.at(0).toDouble() > last);
            last = args.at(0).toDouble();
        }
        QCOMPARE(last, 1.0);
        // Moving without a button held reports nothing.
        mouse(&slider, QEvent::MouseMove, QPoint(5, 10));
        QCOMPARE(progress.count(), 11);
    }

    void codeChangesAreSilent()
    {
        QNxBaseSlider slider;
        slider.setRange(0, 100);
        QSignalSpy progress(&slider, &QNxBaseSlider::sendProgressValue);
        slider.setValue(40);
        slider.setRatio(0.25);
        QCOMPARE(slider.value(), 25);
        QCOMPARE(progress.count(), 0);
    }

    void setRatioIgnoredWhileHeld()
    {
        QNxBaseSlider slider;
        slider.setRange(0, 100);
        slider.resize(214, 20);
        mouse(&slider, QEvent::MouseButtonPress, QPoint(107, 10));
        const int held = slider.value();
        slider.setRatio(0.9);
        QCOMPARE(slider.value(), held);
        mouse(&slider, QEvent::MouseButtonRelease, QPoint(107, 10));
        slider.setRatio(0.9);
        QCOMPARE(slider.value(), 90);
    }

    void keysReportRatio()
    {
        QNxBaseSlider slider;
        slider.setRange(0, 20);
        slider.setValue(10);
        QSignalSpy progress(&slider, &QNxBaseSlider::sendProgressValue);
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(progress.count(), 1);
        QCOMPARE(progress.at(0).at(0).toDouble(), 11.0 / 20.0);
        slider.setValue(20);
        QTest::keyClick(&slider, Qt::Key_Right);  // already at the end: no change, no report
        QCOMPARE(progress.count(), 1);
    }

    void handleStates()
    {
        QNxBaseSlider slider;
        slider.setRange(0, 100);
        slider.setValue(0);
        slider.resize(214, 20);
        mouse(&slider, QEvent::MouseMove, QPoint(200, 10));
        QCOMPARE(slider.handleState(), 0);
        mouse(&slider, QEvent::MouseMove, QPoint(5, 10));
        QCOMPARE(slider.handleState(), 1);
        mouse(&slider, QEvent::MouseButtonPress, QPoint(5, 10));
        QCOMPARE(slider.handleState(), 2);
        mouse(&slider, QEvent::MouseButtonRelease, QPoint(5, 10));
        slider.setEnabled(false);
        QCOMPARE(slider.handleState(), 3);
    }

    void emptyRange()
    {
        QNxBaseSlider slider;
        slider.setRange(5, 5);
        slider.resize(100, 20);
        QCOMPARE(slider.ratio(), 0.0);
        QSignalSpy progress(&slider, &QNxBaseSlider::sendProgressValue);
        mouse(&slider, QEvent::MouseButtonPress, QPoint(90, 10));
        QCOMPARE(slider.value(), 5);
        mouse(&slider, QEvent::MouseButtonRelease, QPoint(90, 10));
    }

    void progressDonePart_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("doneWidth");
        QTest::newRow("half") << 0 << 100 << 50 << 100;
        QTest::newRow("offset range") << 100 << 200 << 125 << 50;
        QTest::newRow("full") << 0 << 10 << 10 << 200;
        QTest::newRow("reset") << 0 << 100 << -1 << 0;
        QTest::newRow("busy range") << 0 << 0 << 0 << 0;
    }

    void progressDonePart()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, doneWidth);
        QNxBaseProgress bar;
        bar.resize(200, 6);
        bar.setRange(minimum, maximum);
        if (value >= 0)
            bar.setValue(value);
        else
            bar.reset();
        QCOMPARE(bar.doneRect().width(), doneWidth);
        QCOMPARE(bar.doneRect().left(), 0);
    }
};

QTEST_MAIN(TestQNxBaseSlider)
#include "tst_qnxbaseslider.moc"
