// The edit dialog's "Recognize" against the engine's local catalogue: a catalogued track fills
// the Tag tab, unknown music and a damaged catalogue leave it as it was and say why; the button
// is usable again afterwards every time.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <brisca/brisca.h>

#include "nxskin.h"
#include "qaudiotagform.h"
#include "qnxbasebutton.h"
#include "qvideoeditingdlg.h"
#include "qvideoedittag.h"
#include "testmedia.h"
#include "testmusic.h"

namespace {

testmusic::Track track(int seed, const QString& title)
{
    testmusic::Track t;
    t.seed = seed;
    t.seconds = 25;
    if (!title.isEmpty())
        t.tags = {{QStringLiteral("title"), title},
                  {QStringLiteral("artist"), QStringLiteral("Catalogued Band")},
                  {QStringLiteral("album"), QStringLiteral("Shelf")}};
    return t;
}

}  // namespace

class TestEditRecognize : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recognize_data();
    void recognize();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestEditRecognize::initTestCase()
{
    NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
    QVERIFY(m_dir.isValid());
    // The catalogue holds the tagged track 31; the dialog opens untagged copies of its sound.
    QVERIFY(
        testmusic::make(file(QStringLiteral("owned.flac")), track(31, QStringLiteral("Owned"))));
    QVERIFY(testmusic::make(file(QStringLiteral("bare.mp3")), track(31, QString())));
    QVERIFY(
        testmusic::make(file(QStringLiteral("unknown.mp3")), track(32, QStringLiteral("Mine"))));
    SetCataloguePath(file(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
    QVERIFY(AddCatalogueFile(file(QStringLiteral("owned.flac")).toUtf8().constData()));
    QFile damaged(file(QStringLiteral("damaged.sqlite")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, '\x5a'));
}

void TestEditRecognize::recognize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("title");    // in the form afterwards
    QTest::addColumn<QString>("problem");  // shown afterwards; empty: nothing shown
    QTest::newRow("catalogued") << "bare.mp3"
                                << "catalogue.sqlite"
                                << "Owned"
                                << "";
    QTest::newRow("unknown") << "unknown.mp3"
                             << "catalogue.sqlite"
                             << "Mine"
                             << "No match: this music is not in the catalogue.";
    QTest::newRow("damaged catalogue") << "unknown.mp3"
                                       << "damaged.sqlite"
                                       << "Mine"
                                       << "damaged";
}

void TestEditRecognize::recognize()
{
    QFETCH(QString, name);
    QFETCH(QString, catalogue);
    QFETCH(QString, title);
    QFETCH(QString, problem);
    SetCataloguePath(file(catalogue).toUtf8().constData());
    QVideoEditingDlg dlg;
    dlg.loadFile(file(name));
    dlg.show();
    dlg.tabBar()->selectTab(QVideoEditTag::Tag);
    QVERIFY(dlg.recognizeButton()->isEnabled());

    QTest::mouseClick(dlg.recognizeButton(), Qt::LeftButton);
    QVERIFY(dlg.isRecognizing());
    QVERIFY(!dlg.recognizeButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isRecognizing(), 60000);

    QVERIFY(dlg.recognizeButton()->isEnabled());
    QCOMPARE(dlg.tagForm()->edit("m_editTitle")->text(), title);
    QCOMPARE(dlg.tagForm()->isChanged(), problem.isEmpty());
    if (problem.isEmpty()) {
        QCOMPARE(dlg.tagForm()->edit("m_editArtist")->text(), QStringLiteral("Catalogued Band"));
        QCOMPARE(dlg.tagForm()->edit("m_editAlbum")->text(), QStringLiteral("Shelf"));
        QVERIFY(dlg.problemLabel()->isHidden());
    } else {
        QVERIFY(dlg.problemLabel()->isVisible());
        QVERIFY2(dlg.problemLabel()->text().contains(problem),
                 qPrintable(dlg.problemLabel()->text()));
    }
}

QTEST_MAIN(TestEditRecognize)
#include "tst_editrecognize.moc"
