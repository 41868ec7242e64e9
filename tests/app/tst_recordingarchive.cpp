// Filing identified recordings: folder names the file system takes from any artist or album,
// the folder for each archive choice, and the move itself: numbered like new recordings when
// the name is taken, and a move that cannot happen leaves the file where it was.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "recordingarchive.h"

using By = PreferenceValues::ArchiveBy;

class TestRecordingArchive : public QObject {
    Q_OBJECT
private slots:
    void safeFolderName_data();
    void safeFolderName();
    void folderFor_data();
    void folderFor();
    void moveNumbersTakenNames();
    void failedMoveKeepsTheFile();
};

void TestRecordingArchive::safeFolderName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "Miles Davis"
                           << "Miles Davis";
    QTest::newRow("slashes") << "AC/DC\\Live"
                             << "AC DC Live";
    QTest::newRow("leading dots") << "...And You Will Know Us"
                                  << "And You Will Know Us";
    QTest::newRow("dot dot") << ".."
                             << "Fallback";
    QTest::newRow("control characters") << QStringLiteral("Tab\tNew\nLine\x01") << "Tab New Line";
    QTest::newRow("spaces") << "   Sigur   Rós  "
                            << "Sigur Rós";
    QTest::newRow("empty") << ""
                           << "Fallback";
    QTest::newRow("only unsafe") << " / \n "
                                 << "Fallback";
    QTest::newRow("non-Latin kept") << "坂本龍一"
                                    << "坂本龍一";
    QTest::newRow("too long") << QString(300, QChar(0x00e9)) << QString(100, QChar(0x00e9));
    // A character outside the basic plane is never split in half.
    QTest::newRow("long, surrogate pairs") << QString::fromUtf8("\xF0\x9F\x8E\xB5").repeated(60)
                                           << QString::fromUtf8("\xF0\x9F\x8E\xB5").repeated(50);
}

void TestRecordingArchive::safeFolderName()
{
    QFETCH(QString, name);
    QFETCH(QString, safe);
    const QString got = RecordingArchive::safeFolderName(name, QStringLiteral("Fallback"));
    QCOMPARE(got, safe);
    QVERIFY(got.toUtf8().size() <= RecordingArchive::kMaxNameBytes);
}

void TestRecordingArchive::folderFor_data()
{
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("folder");
    QTest::newRow("artist") << int(By::Artist) << "Nina Simone"
                            << "Pastel Blues"
                            << "/music/Nina Simone";
    QTest::newRow("artist and album") << int(By::ArtistAlbum) << "Nina Simone"
                                      << "Pastel Blues"
                                      << "/music/Nina Simone/Pastel Blues";
    QTest::newRow("unknown album") << int(By::ArtistAlbum) << "Nina Simone"
                                   << ""
                                   << "/music/Nina Simone/Unknown Album";
    QTest::newRow("unknown artist") << int(By::Artist) << " "
                                    << "X"
                                    << "/music/Unknown Artist";
    QTest::newRow("none") << int(By::None) << "Nina Simone"
                          << "Pastel Blues" << QString();
}

void TestRecordingArchive::folderFor()
{
    QFETCH(int, by);
    QFETCH(QString, artist);
    QFETCH(QString, album);
    QFETCH(QString, folder);
    QCOMPARE(RecordingArchive::folderFor(QStringLiteral("/music/"), By(by), artist, album), folder);
}

void TestRecordingArchive::moveNumbersTakenNames()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Artist/Album"));
    QStringList moved;
    // The first takes the name; the next two are numbered, the way new recordings are.
    for (int i = 0; i < 3; ++i) {
        const QString file = dir.filePath(QStringLiteral("REC_1.wav"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::number(i));
        f.close();
        QString to;
        QString error;
        QVERIFY2(RecordingArchive::moveInto(file, folder, &to, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(file));
        moved << QFileInfo(to).fileName();
        QFile back(to);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), QByteArray::number(i));
    }
    QCOMPARE(moved, QStringList({"REC_1.wav", "REC_1(1).wav", "REC_1(2).wav"}));
}

void TestRecordingArchive::failedMoveKeepsTheFile()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("REC_2.wav"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("kept");
    f.close();
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString to;
    QString error;
    const bool moved =
        RecordingArchive::moveInto(file, dir.filePath(QStringLiteral("Artist")), &to, &error);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!moved);
    QVERIFY2(error.contains(QStringLiteral("Artist")), qPrintable(error));
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(QFileInfo(file).size(), 4);
}

QTEST_GUILESS_MAIN(TestRecordingArchive)
#include "tst_recordingarchive.moc"
