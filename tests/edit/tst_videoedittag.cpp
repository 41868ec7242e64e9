// The edit dialog's tab bar: fixed indices, selection by click, and where the selection goes
// when the selected tab is hidden.
#include <QSignalSpy>
#include <QTest>

#include "nxskin.h"
#include "qnxbasebutton.h"
#include "qvideoedittag.h"
#include "testmedia.h"

class TestVideoEditTag : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
    }

    void clicksSelectOneTabAtATime()
    {
        QVideoEditTag bar;
        QSignalSpy selected(&bar, &QVideoEditTag::emitSelectedTag);
        QCOMPARE(bar.button(QVideoEditTag::Tag)->text(), QStringLiteral("Tag"));
        QVERIFY(!bar.button(0)->imagePath().isEmpty());

        bar.button(QVideoEditTag::Effect)->click();
        bar.button(QVideoEditTag::Effect)->click();  // the selected tab ignores clicks
        bar.button(QVideoEditTag::Tag)->click();
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.at(0).at(0).toInt(), 1);
        QCOMPARE(selected.at(1).at(0).toInt(), 2);
        QVERIFY(!bar.button(QVideoEditTag::Effect)->isChecked());
        QVERIFY(bar.button(QVideoEditTag::Tag)->isChecked());
    }

    void hidingTheSelectedTabMovesTheSelection()
    {
        QVideoEditTag bar;
        bar.selectTab(QVideoEditTag::Tag);
        QSignalSpy selected(&bar, &QVideoEditTag::emitSelectedTag);
        const int fullWidth = bar.width();

        bar.setTabHidden(QVideoEditTag::Tag, true);  // none follows: the one before it
        QCOMPARE(bar.currentIndex(), int(QVideoEditTag::Effect));
        QVERIFY(!bar.button(QVideoEditTag::Tag)->isEnabled());
        QVERIFY(bar.width() < fullWidth);
        bar.button(QVideoEditTag::Tag)->click();
        QCOMPARE(bar.currentIndex(), int(QVideoEditTag::Effect));

        bar.selectTab(QVideoEditTag::Trim);
        bar.setTabHidden(QVideoEditTag::Trim, true);  // the first visible one after it
        QCOMPARE(bar.currentIndex(), int(QVideoEditTag::Effect));
        QCOMPARE(selected.count(), 3);
    }
};

QTEST_MAIN(TestVideoEditTag)
#include "tst_videoedittag.moc"
