// Entering a finished recording into the history: the size and duration texts and the record.

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "historywriter.h"
#include "parserxml.h"
#include "tablerows.h"
#include "testfiles.h"

using tablerows::addRow;

class TestHistoryWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
    }

    void texts_data()
    {
        // A size in bytes (duration -1) or a duration in microseconds (size -1), and its text.
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("us");
        QTest::addColumn<QString>("text");
        QTest::newRow("1024 stays bytes") << qint64(1024) << qint64(-1) << "1024 B";
        QTest::newRow("1025") << qint64(1025) << qint64(-1) << "1.00 KB";
        QTest::newRow("1536") << qint64(1536) << qint64(-1) << "1.50 KB";
        QTest::newRow("1 MiB stays KB") << qint64(1048576) << qint64(-1) << "1024.00 KB";
        QTest::newRow("1 MiB + 1") << qint64(1048577) << qint64(-1) << "1.00 MB";
        QTest::newRow("1 GiB stays MB") << qint64(1073741824) << qint64(-1) << "1024.00 MB";
        QTest::newRow("3 GiB") << qint64(3) * 1073741824 << qint64(-1) << "3.00 GB";
        QTest::newRow("just under a second") << qint64(-1) << qint64(999999) << "00:00:00";
        addRow("59 min 30 s", qint64(-1), qint64((59 * 60 + 30) * 1000000ull), "00:59:30");
        QTest::newRow("one hour") << qint64(-1) << qint64(3600 * 1000000ull) << "01:00:00";
        addRow("over a day", qint64(-1), qint64((100 * 3600 + 61) * 1000000ull), "100:01:01");
    }

    void texts()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, us);
        QFETCH(QString, text);
        QCOMPARE(bytes >= 0 ? recordingSizeText(bytes) : recordingDurationText(quint64(us)), text);
    }

    void appendsFinishedRecording()
    {
        const QString folder = m_root.path() + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/REC_20261205.v1.mp3");
        QVERIFY(testfiles::writeFile(path, QByteArray(1024, 'x')));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-61);

        QVERIFY(appendRecordingToHistory(path, (59 * 60 + 30) * 1000000ull, "MP3", "mp3", 0, 0));
        const std::optional<HistoryRecord> stored = ParserXML::findHistory(path);
        QVERIFY(stored);
        QCOMPARE(stored->title, QStringLiteral("REC_20261205.v1"));
        QCOMPARE(stored->size, QStringLiteral("1024 B"));
        QCOMPARE(stored->duration, QStringLiteral("00:59:30"));
        QCOMPARE(stored->resolution, QStringLiteral("0*0"));
        QCOMPARE(stored->preferencePath, folder);
        QVERIFY(!stored->isVideo);
        QVERIFY(stored->isNew);
        const QDateTime created =
            QDateTime::fromString(stored->createTime, QStringLiteral("dd-MM-yyyy hh:mm"));
        QVERIFY2(created.isValid(), qPrintable(stored->createTime));
        QVERIFY(created >= before && created <= QDateTime::currentDateTime());

        // A second finish of the same path (a re-recording) updates the one record.
        QVERIFY(appendRecordingToHistory(path, 5000000, "MP3", "mp3", 640, 480));
        const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.at(0).duration, QStringLiteral("00:00:05"));
        QCOMPARE(all.at(0).resolution, QStringLiteral("640*480"));

        // A file that is not there is not entered.
        QVERIFY(!appendRecordingToHistory(m_root.path() + "/nope.mp3", 1, "MP3", "mp3", 0, 0));
        QVERIFY(!ParserXML::findHistory(m_root.path() + "/nope.mp3"));
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestHistoryWriter)
#include "tst_historywriter.moc"
