// Row buttons of the view delegates, the check header and the multi-choice combo box.
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QtTest>

#include "qcheckboxcombobox.h"
#include "qcheckheaderview.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxstylebutton.h"
#include "qnxtableview.h"
#include "qnxviewmodeldrawattribute.h"
#include "widgettestutil.h"

using WidgetTest::mouse;

namespace {

// A list model that carries the view drawing attributes, as the application's models do.
class AttributedModel : public QStandardItemModel, public QNxViewModelDrawAttribute {
public:
    AttributedModel(int rows, int columns) : QStandardItemModel(rows, columns)
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                setItem(r, c, new QStandardItem(QStringLiteral("r%1c%2").arg(r).arg(c)));
        }
    }
};

}  // namespace

class TestQNxViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WidgetTest::useBuiltResources(); }

    void rowButtonClicks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("onButton");
        QTest::addColumn<bool>("releaseElsewhere");
        QTest::addColumn<int>("clicks");
        QTest::newRow("first row") << 0 << true << false << 1;
        QTest::newRow("third row") << 2 << true << false << 1;
        QTest::newRow("beside the button") << 1 << false << false << 0;
        QTest::newRow("released on another row") << 1 << true << true << 0;
    }

    void rowButtonClicks()
    {
        QFETCH(int, row);
        QFETCH(bool, onButton);
        QFETCH(bool, releaseElsewhere);
        QFETCH(int, clicks);
        AttributedModel model(4, 2);
        QNxTableView view;
        view.setModel(&model);
        auto* delegate = new QNxControlStyleDelegate(&view);
        auto* play = delegate->addButton(
            1, new QNxStyleButton(QStringLiteral("/image/FileList/btn_play.png")));
        play->setPlacement(Qt::AlignRight, 6);
        view.setItemDelegate(delegate);
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicked(play, &QNxStyleButton::emitClickIndex);

        const QRect cell = view.visualRect(model.index(row, 1));
        const QRect button = play->buttonRect(cell);
        const QPoint at = onButton ? button.center() : QPoint(cell.left() + 4, cell.center().y());
        QWidget* viewport = view.viewport();
        mouse(viewport, QEvent::MouseMove, at);
        mouse(viewport, QEvent::MouseButtonPress, at);
        const QPoint release =
            releaseElsewhere ? at + QPoint(0, view.visualRect(model.index(0, 0)).height()) : at;
        mouse(viewport, QEvent::MouseButtonRelease, release);
        QCOMPARE(clicked.count(), clicks);
        if (clicks > 0) {
            const QModelIndex index = clicked.at(0).at(0).value<QModelIndex>();
            QCOMPARE(index.row(), row);
            QCOMPARE(index.column(), 1);
        }
    }

    void rowButtonStates()
    {
        QStandardItemModel model(3, 1);
        QNxStyleButton button(QStringLiteral("/image/FileList/btn_delete.png"));
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 200, 26);
        const QModelIndex first = model.index(0, 0);
        const QModelIndex second = model.index(1, 0);
        const QPoint on = button.buttonRect(option.rect).center();
        QMouseEvent move(QEvent::MouseMove, on, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        button.handleEvent(&move, option, first);
        QCOMPARE(button.stateFor(first), 1);
        QCOMPARE(button.stateFor(second), 0);
        QMouseEvent press(QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QVERIFY(button.handleEvent(&press, option, first));
        QCOMPARE(button.stateFor(first), 2);
        button.clearState();
        QCOMPARE(button.stateFor(first), 0);
        button.setEnabled(false);
        QCOMPARE(button.stateFor(first), 3);
        QVERIFY(!button.handleEvent(&press, option, first));
    }

    void attributeFoundBehindProxy()
    {
        AttributedModel model(2, 1);
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        QCOMPARE(QNxViewModelDrawAttribute::of(&proxy),
                 static_cast<QNxViewModelDrawAttribute*>(&model));
        QStandardItemModel plain;
        QCOMPARE(QNxViewModelDrawAttribute::of(&plain), nullptr);
    }

    void hoverRowFollowsPointer()
    {
        AttributedModel model(5, 2);
        QNxTableView view;
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy hover(&view, &QNxTableView::emitHoverRowChanged);
        mouse(view.viewport(), QEvent::MouseMove, view.visualRect(model.index(3, 0)).center());
        QCOMPARE(view.hoverRow(), 3);
        QCOMPARE(model.hoverRow(), 3);
        WidgetTest::leave(&view);
        QCOMPARE(view.hoverRow(), -1);
        QCOMPARE(model.hoverRow(), -1);
        QCOMPARE(hover.count(), 2);
    }

    void headerCheckBox()
    {
        QStandardItemModel model(2, 3);
        model.setHorizontalHeaderLabels(
            {QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Date")});
        QNxTableView view;
        view.setModel(&model);
        QCheckHeaderView* header = view.checkHeader();
        header->setCheckColumn(0);
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(header->height(), QNxTableView::kHeaderHeight);
        QSignalSpy toggled(header, &QCheckHeaderView::emitCheckStateChanged);
        QSignalSpy sectionClicked(header, &QHeaderView::sectionClicked);
        const QRect section(header->sectionViewportPosition(0), 0, header->sectionSize(0),
                            header->height());
        const QPoint box = header->checkBoxRect(section).center();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, box);
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QVERIFY(header->isChecked());
        QCOMPARE(sectionClicked.count(), 0);  // the box does not sort
        // Clicking the title of another section is an ordinary section click.
        const QPoint title(header->sectionViewportPosition(2) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, title);
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(sectionClicked.count(), 1);
        header->setChecked(false);
        QCOMPARE(toggled.count(), 1);
    }

    void checkboxCombobox()
    {
        QCheckboxCombobox combo;
        combo.addCheckItem(QStringLiteral("MP3"), 1);
        combo.addCheckItem(QStringLiteral("FLAC"), 2, true);
        combo.addCheckItem(QStringLiteral("OGG"), 3);
        QSignalSpy changed(&combo, &QCheckboxCombobox::emitCheckedChanged);
        combo.setItemChecked(0, true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(combo.checkedIndexes(), (QList<int>{0, 1}));
        QCOMPARE(combo.checkedData(), (QVariantList{1, 2}));
        // Clicking an entry in the open list toggles it and keeps the list open.
        combo.resize(200, 30);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.showPopup();
        QAbstractItemView* list = combo.view();
        QTRY_VERIFY(list->isVisible());
        const QRect third = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
        QVERIFY(combo.isItemChecked(2));
        QVERIFY(list->isVisible());
        combo.hidePopup();
        combo.setItemChecked(0, false);
        combo.setItemChecked(1, false);
        combo.setItemChecked(2, false);
        QVERIFY(combo.checkedIndexes().isEmpty());
    }
};

QTEST_MAIN(TestQNxViews)
#include "tst_qnxviews.moc"
