// The recordings list in the main window, against the private sound server: a recording
// shows as the row being recorded (and in the journal) while it runs; stopping lists it with
// its length and stores it, or, when the delete rules drop it, moves it to the trash and
// keeps no record of it.

#include <QTemporaryDir>

#include "listtexts.h"
#include "mainwindowtestkit.h"
#include "qaudiofilemodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qrecordobject.h"
#include "recordercontroller.h"
#include "testmedia.h"

using namespace windowtest;

class TestMainWindowLibrary : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    Fixture m_fixture;

private slots:
    void initTestCase()
    {
        QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
        QVERIFY(m_root.isValid());
        setUpProcess(m_root.path());
    }
    void cleanup() { m_fixture.window.reset(); }

    void stoppedRecordingLandsInTheList_data()
    {
        QTest::addColumn<QString>("deleteShort");
        QTest::addColumn<bool>("kept");
        QTest::newRow("kept") << "N" << true;
        QTest::newRow("too short") << "Y" << false;
    }
    void stoppedRecordingLandsInTheList()
    {
        QFETCH(QString, deleteShort);
        QFETCH(bool, kept);
        resetStorage(m_root.filePath(QStringLiteral("out")));
        const QString trash =
            QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Trash/files");
        QDir(trash).removeRecursively();
        setSetting(QStringLiteral("Delete_Recorded_File"),
                   QStringLiteral("Delete_According_To_Duration"), deleteShort);
        setSetting(QStringLiteral("Delete_Recorded_File"), QStringLiteral("Duration_Less_Than"),
                   QStringLiteral("5"));
        m_fixture.listAsSink = true;
        MainWindow* w = m_fixture.open();
        QFileListWgt* list = w->fileList();
        QVERIFY(list);
        QCOMPARE(list->summaryText(), QStringLiteral("0 Audios, 0 B, 0 Seconds"));

        QTest::mouseClick(button(w, QStringLiteral("Start Recording")), Qt::LeftButton);
        QVERIFY(w->isRecording());
        const QString path = w->recorder()->currentPath();
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->fileAt(0)->rowState(), int(QAudioFileChunk::Recording));
        QVERIFY(list->library().journal().paths().contains(path));
        QTRY_VERIFY_WITH_TIMEOUT(w->recorder()->session()->lastRecordedDurationUs() >= 1500000,
                                 20000);
        QTest::mouseClick(button(w, QStringLiteral("Stop Recording")), Qt::LeftButton);
        QVERIFY(!w->isRecording());

        QVERIFY(list->library().journal().paths().isEmpty());
        QCOMPARE(bool(ParserXML::findHistory(path)), kept);
        QCOMPARE(QFileInfo::exists(path), kept);
        QCOMPARE(QFileInfo::exists(trash + QLatin1Char('/') + QFileInfo(path).fileName()), !kept);
        QCOMPARE(list->model()->rowCount(), kept ? 1 : 0);
        if (kept) {
            const QAudioFileChunk* item = list->model()->fileAt(0);
            QCOMPARE(item->rowState(), int(QAudioFileChunk::Idle));
            const qint64 seconds =
                ListTexts::durationTextSeconds(QString::fromStdString(item->duration()));
            QVERIFY2(seconds >= 1 && seconds <= 3, item->duration().c_str());
            QVERIFY(list->summaryText().startsWith(QStringLiteral("1 Audios, ")));
            QCOMPARE(ParserXML::findHistory(path)->duration,
                     QString::fromStdString(item->duration()));
        }
    }
};

QTEST_MAIN(TestMainWindowLibrary)
#include "tst_mainwindowlibrary.moc"
