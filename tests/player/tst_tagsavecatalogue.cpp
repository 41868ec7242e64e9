// A tag save through NxInfoManager (the edit dialog's OK) adds the file to the local catalogue
// in the background: afterwards the engine identifies the same music with the new tags. A damaged
// catalogue and tags that do not name the music leave the catalogue as it was, and the save itself
// succeeds in every case.
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <brisca/brisca.h>

#include "nxinfomanager.h"
#include "tablerows.h"
#include "tagsavecatalogue.h"
#include "testmusic.h"

using tablerows::addRow;

namespace {

// The title the engine's catalogue gives the music of path; empty when nothing matched.
void identifyTitle(const QString& path, QString* title)
{
    const int32_t recognizer = CreateRecognizer(-1);
    QVERIFY(RecognizeFile(recognizer, path.toUtf8().constData()));
    QVERIFY(StartRecognizer(recognizer));
    QTRY_VERIFY_WITH_TIMEOUT(GetRecognizerState(recognizer) != BRISCA_RECOGNIZER_LISTENING, 60000);
    if (const BriscaEntry* e = GetRecognizedTag(recognizer, "title"))
        *title =
            QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(e)), int(GetEntrySize(e)));
    DestroyRecognizer(recognizer);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestTagSaveCatalogue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void save_data();
    void save();

private:
    QTemporaryDir m_dir;
};

void TestTagSaveCatalogue::initTestCase()
{
    QVERIFY(m_dir.isValid());
    testmusic::Track track;
    track.seed = 41;
    track.seconds = 25;
    track.tags = {{QStringLiteral("title"), QStringLiteral("Before")}};
    QVERIFY(testmusic::make(m_dir.filePath(QStringLiteral("master.mp3")), track));
    track.tags.clear();
    QVERIFY(testmusic::make(m_dir.filePath(QStringLiteral("listen.flac")), track));
}

void TestTagSaveCatalogue::save_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("genre");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("identified");  // afterwards, from an untagged copy of the sound
    addRow("new title", "After", "Jazz", false, "After");
    addRow("title in another script", "Ночь", "", false, "Ночь");
    addRow("only a genre", "", "Jazz", false, "");
    addRow("damaged catalogue", "After", "", true, "");
}

void TestTagSaveCatalogue::save()
{
    QFETCH(QString, title);
    QFETCH(QString, genre);
    QFETCH(bool, damaged);
    QFETCH(QString, identified);
    const QString catalogue =
        m_dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentDataTag()));
    if (damaged) {
        QFile file(catalogue);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x5a'));
    }
    const QByteArray catalogueBefore = contents(catalogue);
    SetCataloguePath(catalogue.toUtf8().constData());
    const QString path = m_dir.filePath(QStringLiteral("%1.mp3").arg(QTest::currentDataTag()));
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("master.mp3")), path));

    VEAudioTagInfo tags;
    tags.title = title.toStdString();
    tags.genre = genre.toStdString();
    NxInfoManager info;
    info.ensureInfoObject();
    QVERIFY(info.open(path));
    QString error;
    QVERIFY2(info.writeTags(tags, &error), qPrintable(error));
    tagsavecatalogue::worker()->waitForDone();

    QString found;
    identifyTitle(m_dir.filePath(QStringLiteral("listen.flac")), &found);
    QCOMPARE(found, identified);
    if (identified.isEmpty() && damaged)
        QCOMPARE(contents(catalogue), catalogueBefore);
    if (identified.isEmpty() && !damaged)
        QVERIFY(GetCatalogueTrackCount() <= 0);
}

QTEST_MAIN(TestTagSaveCatalogue)
#include "tst_tagsavecatalogue.moc"
