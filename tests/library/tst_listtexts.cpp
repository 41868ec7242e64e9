// The texts of the recordings list: sizes in whole units of 1024, the summary's total
// duration at the unit boundaries, and the parsing back of stored size and duration texts.

#include <QtTest>

#include "listtexts.h"

class TestListTexts : public QObject {
    Q_OBJECT
private slots:
    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 B";
        QTest::newRow("1023") << qint64(1023) << "1023 B";
        QTest::newRow("1024") << qint64(1024) << "1 KB";
        QTest::newRow("1536 truncates") << qint64(1536) << "1 KB";
        QTest::newRow("1048575") << qint64(1048575) << "1023 KB";
        QTest::newRow("1 MB") << (qint64(1) << 20) << "1 MB";
        QTest::newRow("5 GB") << (qint64(5) << 30) << "5 GB";
        QTest::newRow("2 TB") << (qint64(2) << 40) << "2 TB";
        QTest::newRow("beyond TB stays TB") << (qint64(2048) << 40) << "2048 TB";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(ListTexts::sizeText(bytes), text);
    }

    void totalDuration_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0 Seconds";
        QTest::newRow("59") << qint64(59) << "59 Seconds";
        QTest::newRow("60") << qint64(60) << "1 Minutes";
        QTest::newRow("3599") << qint64(3599) << "59 Minutes";
        QTest::newRow("3600") << qint64(3600) << "1 Hours";
        QTest::newRow("a day less a second") << qint64(86399) << "23 Hours";
        QTest::newRow("a day") << qint64(86400) << "1 Days";
        QTest::newRow("29 days") << qint64(29 * 86400) << "29 Days";
        QTest::newRow("30 days") << qint64(30 * 86400) << "1 Months";
    }
    void totalDuration()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(ListTexts::totalDurationText(seconds), text);
    }

    // Stored texts come from older versions and other writers: only well-formed ones count.
    void parseStoredTexts_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("plain") << "3 KB" << qint64(3072) << "01:02:03" << qint64(3723);
        QTest::newRow("decimals truncate")
            << "1.50 MB" << qint64(1 << 20) << "00:00:59" << qint64(59);
        QTest::newRow("bytes") << "999 B" << qint64(999) << "100:00:00" << qint64(360000);
        QTest::newRow("unknown unit") << "3 PB" << qint64(-1) << "00:01" << qint64(-1);
        QTest::newRow("no space") << "3KB" << qint64(-1) << "a:b:c" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1) << "" << qint64(-1);
        QTest::newRow("four parts") << "1 KB x" << qint64(-1) << "1:2:3:4" << qint64(-1);
    }
    void parseStoredTexts()
    {
        QFETCH(QString, size);
        QFETCH(qint64, bytes);
        QFETCH(QString, duration);
        QFETCH(qint64, seconds);
        QCOMPARE(ListTexts::sizeTextBytes(size), bytes);
        QCOMPARE(ListTexts::durationTextSeconds(duration), seconds);
    }

    void summaryAndTimeKey()
    {
        QCOMPARE(ListTexts::summaryText(0, 0, 0), QStringLiteral("0 Audios, 0 B, 0 Seconds"));
        QCOMPARE(ListTexts::summaryText(3, 4096, 125), QStringLiteral("3 Audios, 4 KB, 2 Minutes"));
        QCOMPARE(ListTexts::createTimeKey(QStringLiteral("01-02-2020 10:00")), 202002011000LL);
        QVERIFY(ListTexts::createTimeKey(QStringLiteral("31-12-2019 23:59")) <
                ListTexts::createTimeKey(QStringLiteral("01-02-2020 10:00")));
        QCOMPARE(ListTexts::createTimeKey(QStringLiteral("2020-02-01 10:00")), -1);
    }
};

QTEST_GUILESS_MAIN(TestListTexts)
#include "tst_listtexts.moc"
