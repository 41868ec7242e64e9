// List items (property bag, IBaseChunk family) and the shared list-model bases.

#include <QBrush>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "qaudiofilechunk.h"
#include "qbasedetailsmodel.h"
#include "qlibrarychunk.h"
#include "qnxbasesortmodel.h"

namespace {

// Counts its own destructions, to check who deletes items.
class CountedChunk : public IBaseChunk {
public:
    explicit CountedChunk(int* deaths) : m_deaths(deaths) {}
    ~CountedChunk() override { ++*m_deaths; }

private:
    int* m_deaths;
};

// A model with two text columns: name and textA.
class TwoColumnModel : public QBaseDetailsModel {
public:
    TwoColumnModel() : QBaseDetailsModel(2) {}

protected:
    QVariant displayText(const IBaseChunk* item, int column) const override
    {
        return QString::fromStdString(column == 0 ? item->name() : item->textA());
    }
};

}  // namespace

class TestStorageItems : public QObject {
    Q_OBJECT

private slots:
    void propertyBagRawBytes()
    {
        QDataStorage bag;
        bag.setInt("i", 0x01020304);
        bag.setInt64("l", 0x0102030405060708LL);
        bag.setBool("b", true);
        bag.setDouble("d", 1.0);
        // Raw little-endian bytes of the declared width.
        QCOMPARE(bag.getString("i"), std::string("\x04\x03\x02\x01", 4));
        QCOMPARE(bag.getString("l"), std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
        QCOMPARE(bag.getString("b"), std::string("\x01", 1));
        QCOMPARE(bag.getString("d"), std::string("\0\0\0\0\0\0\xf0\x3f", 8));
        // A getter reads its width from the start of any stored value.
        QCOMPARE(bag.getInt("l"), 0x05060708);
        bag.setString("short", std::string("\x05", 1));
        QCOMPARE(bag.getInt("short"), 5);
    }

    void chunkCopyIsDeep()
    {
        QAudioFileChunk original(true);
        original.setName("song");
        original.setFixedItem(true);
        original.setCheckState(2);
        original.viewState(this).progress = 0.5;

        QAudioFileChunk copy(original);
        QVERIFY(copy.mutex() != nullptr);
        QVERIFY(copy.mutex() != original.mutex());
        QCOMPARE(copy.findViewState(this)->progress, 0.5);

        copy.setName("other");
        copy.viewState(this).progress = 1.0;
        copy.setFixedItem(false);
        QCOMPARE(original.name(), std::string("song"));
        QCOMPARE(original.findViewState(this)->progress, 0.5);
        QVERIFY(original.isFixedItem());
    }

    void audioFileChunkFromRecord()
    {
        // In declaration order: image, path, preference path, resolution, duration, size, created,
        // format, extension, title, artist, album, genre, extra, playlists, video, new. The item
        // carries every stored field (an update through it must not erase one), not the extra text.
        // clang-format off
        const HistoryRecord r{"/c.jpg", "/music/sub.dir/Über song.mp3", "/music/sub.dir", "0*0", "00:01:00",
                              "1.00 MB", "05-12-2026 10:00", "MP3", "mp3", "Über song", "Artist",
                              "Album", "Genre", "", QStringList() << "a" << "b", false, true};
        // clang-format on

        QAudioFileChunk item;
        item.fillFromHistoryRecord(r);
        QCOMPARE(QString::fromStdString(item.fileName()), QStringLiteral("Über song.mp3"));
        QCOMPARE(QString::fromStdString(item.name()), QStringLiteral("Über song"));
        QCOMPARE(item.toHistoryRecord(), r);
    }

    void libraryChunkOwnsChildren()
    {
        int deaths = 0;
        {
            QLibraryChunk list;
            for (int i = 0; i < 4; ++i)
                list.appendChild(new CountedChunk(&deaths));
            list.removeChild(0);
            QCOMPARE(deaths, 1);
            std::unique_ptr<IBaseChunk> taken(list.takeChild(0));
            QVERIFY(taken);
            QCOMPARE(list.childCount(), 2);
            QVERIFY(list.takeChild(5) == nullptr);
            list.removeChild(-1);
            QCOMPARE(deaths, 1);
        }
        // The two left in the list went with it; the taken one with its unique_ptr.
        QCOMPARE(deaths, 4);
    }

    void modelRoles()
    {
        TwoColumnModel model;
        IBaseChunk a;
        IBaseChunk b;
        IBaseChunk c;
        a.setName("a");
        b.setName("b");
        c.setName("c");
        b.setMarked(true);
        c.setCheckState(2);
        model.setItems({&a, &b, &c});
        model.setCheckColumn(0);
        const QColor even(1, 1, 1), odd(2, 2, 2), hover(3, 3, 3), marked(4, 4, 4);
        model.setColors(even, odd, hover, marked);

        auto background = [&](int row) {
            return model.index(row, 1).data(Qt::BackgroundRole).value<QBrush>().color();
        };
        QCOMPARE(background(0), even);
        QCOMPARE(background(1), marked);
        QCOMPARE(background(2), even);
        model.setHoverRow(0);
        QCOMPARE(background(0), hover);
        model.setHoverRow(1);
        QCOMPARE(background(1), marked);  // marked wins over hover
        QCOMPARE(background(0), even);

        QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(model.index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(!model.index(2, 1).data(Qt::CheckStateRole).isValid());
        QVERIFY(model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(a.checkState(), 2);

        QCOMPARE(model.index(1, 0).data(QBaseDetailsModel::MarkedRole).toBool(), true);
        QCOMPARE(model.index(0, 0).data(Qt::UserRole + 4).toBool(), false);
        QCOMPARE(model.index(2, 1).data(Qt::UserRole + 3).value<IBaseChunk*>(), &c);
        QVERIFY(!model.index(3, 0).isValid());
        QVERIFY(!model.index(0, 2).isValid());
    }

    void modelEditableColumns()
    {
        QBaseDetailsModel model(40);
        IBaseChunk a;
        model.setItems({&a});
        model.setEditableColumns((1u << 1) | (1u << 31));
        // Columns past the mask's 32 bits are editable when bit 31 is.
        for (int column : {0, 1, 30, 31, 32, 39})
            QCOMPARE(model.index(0, column).data(Qt::EditRole).toBool(),
                     column != 0 && column != 30);
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    }

    void modelRowChanges()
    {
        TwoColumnModel model;
        IBaseChunk a, b, c;
        model.appendItem(&a);
        model.appendItem(&b);
        model.appendItem(&c);
        model.setHoverRow(2);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeItem(0);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.hoverRow(), 1);  // still on c
        model.removeItem(1);
        QCOMPARE(model.hoverRow(), -1);
    }

    void sortModelOrderAndSearch_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("code-unit order") << QString() << 0 << QStringList{"B", "C", "a", "b"};
        QTest::newRow("case-insensitive search") << "MP3" << 0 << QStringList{"C", "b"};
        QTest::newRow("expression") << "^(a|b)$" << 0 << QStringList{"B", "a", "b"};
        QTest::newRow("invalid expression hides all") << "([" << 0 << QStringList{};
        QTest::newRow("second column order") << QString() << 1 << QStringList{"B", "a", "b", "C"};
    }

    void sortModelOrderAndSearch()
    {
        QFETCH(QString, search);
        QFETCH(int, column);
        QFETCH(QStringList, expected);
        TwoColumnModel model;
        IBaseChunk items[4];
        const char* names[] = {"b", "a", "C", "B"};
        const char* texts[] = {"x.mp3", "wav", "y.MP3", "aac"};
        std::vector<IBaseChunk*> rows;
        for (int i = 0; i < 4; ++i) {
            items[i].setName(names[i]);
            items[i].setTextA(texts[i]);
            rows.push_back(&items[i]);
        }
        model.setItems(rows);
        QNxBaseSortModel sorter;
        sorter.setSourceModel(&model);
        sorter.setSearchText(search);
        sorter.sort(column, Qt::AscendingOrder);
        QStringList shown;
        for (int r = 0; r < sorter.rowCount(); ++r) {
            shown << sorter.index(r, 0).data().toString();
            QCOMPARE(QString::fromStdString(sorter.itemAt(sorter.index(r, 0))->name()),
                     shown.last());
        }
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(TestStorageItems)
#include "tst_storageitems.moc"
