// The recordings list's edit flow on real files: the row's edit button opens the edit dialog
// on the recording, a playing row pauses and plays on afterwards, a row whose file is gone
// opens nothing, previous / next load the neighbouring rows into the open dialog, and a cut
// made in the dialog becomes a new recording and a clip row of the Trim tab.
// The test functions share one history; the row whose file is gone stays last.
#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "librarytestkit.h"
#include "listtestkit.h"
#include "nxskin.h"
#include "qaudiofiledelegate.h"
#include "qaudiofilemodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qnxbasebutton.h"
#include "qnxstylebutton.h"
#include "qtrimitemmodel.h"
#include "qtrimwidget.h"
#include "qvideoeditingdlg.h"

using namespace librarytest;

namespace {

// Runs `inside` once the edit dialog is up, then closes it; false when no dialog came.
bool whileEditing(QFileListWgt& list, const QModelIndex& row,
                  const std::function<void(QVideoEditingDlg*)>& inside)
{
    bool opened = false;
    // Owned here, so that it cannot fire in a later test when no dialog came.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QVideoEditingDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        inside(dialog);
        dialog->close();
    });
    timer.start(0);
    list.OnEditItem(row);
    return opened;
}

}  // namespace

class TestEditFlow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_out;

    QString tone(const QString& name, double seconds = 2.0)
    {
        const QString path = m_out + QLatin1Char('/') + name;
        testmedia::makeTone(path, 440, seconds);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        redirectUserFolders(m_root.path());
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        m_out = m_root.filePath(QStringLiteral("out"));
        QDir().mkpath(m_out);
        QVERIFY(writeHistory({record(tone(QStringLiteral("first.mp3")), "00:00:02"),
                              record(tone(QStringLiteral("second.flac")), "00:00:02"),
                              record(tone(QStringLiteral("gone.mp3")), "00:00:02"),
                              record(tone(QStringLiteral("long.mp3"), 4.0), "00:00:04")}));
    }

    void theEditButtonOpensTheDialogOnTheRow()
    {
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        QSignalSpy edit(list.delegate(), &QAudioFileDelegate::emitEditItem);
        QCOMPARE(list.delegate()->editButton()->toolTip(), QStringLiteral("Edit"));
        QString title;
        QVERIFY(whileEditing(list, rowNamed(list, QStringLiteral("second")),
                             [&](QVideoEditingDlg* dialog) {
                                 title = dialog->title();
                                 QCOMPARE(list.editDialog(), dialog);
                             }));
        QCOMPARE(title, QStringLiteral("Edit - second.flac"));
        QVERIFY(!list.editDialog());
        QVERIFY(list.view()->selectionModel()->isRowSelected(
            rowNamed(list, QStringLiteral("second")).row(), QModelIndex()));
    }

    void aRowWithoutItsFileOpensNothing()
    {
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        const QModelIndex gone = rowNamed(list, QStringLiteral("gone"));
        QVERIFY(gone.isValid());
        QVERIFY(QFile::remove(m_out + QStringLiteral("/gone.mp3")));
        QVERIFY(!whileEditing(list, gone, [](QVideoEditingDlg*) {}));
        QCOMPARE(list.library().find(m_out + QStringLiteral("/gone.mp3"))->rowState(),
                 int(QAudioFileChunk::FileMissing));
    }

    void previousAndNextLoadTheNeighbouringRows()
    {
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        QAbstractItemModel* rows = list.view()->model();
        const int last = rows->rowCount() - 1;
        auto name = [&](int row) {
            return rows->index(row, QAudioFileModel::NameColumn).data().toString();
        };
        QStringList titles;
        QVERIFY(whileEditing(list, rows->index(0, 0), [&](QVideoEditingDlg* dialog) {
            dialog->previousButton()->click();  // nothing above the first row
            titles << dialog->title();
            dialog->nextButton()->click();
            titles << dialog->title();
            for (int row = 1; row < last; ++row)
                dialog->nextButton()->click();
            dialog->nextButton()->click();  // nothing below the last row
            titles << dialog->title();
        }));
        QCOMPARE(titles.size(), 3);
        QVERIFY2(titles[0].startsWith(QStringLiteral("Edit - %1.").arg(name(0))),
                 qPrintable(titles[0]));
        QVERIFY2(titles[1].startsWith(QStringLiteral("Edit - %1.").arg(name(1))),
                 qPrintable(titles[1]));
        QVERIFY2(titles[2].startsWith(QStringLiteral("Edit - %1.").arg(name(last))),
                 qPrintable(titles[2]));
    }

    void playbackPausesWhileEditingAndGoesOnAfter_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<bool>("playing");
        QTest::newRow("the playing file") << "first" << true;
        QTest::newRow("the paused file") << "first" << false;
        QTest::newRow("another file") << "second" << true;
    }
    void playbackPausesWhileEditingAndGoesOnAfter()
    {
        QFETCH(QString, edited);
        QFETCH(bool, playing);
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        const QString playingPath = m_out + QStringLiteral("/first.mp3");
        list.OnChangPlayingFile(playingPath);
        list.OnSetPlayOrPauseState(playing);
        QSignalSpy playOrPause(&list, &QFileListWgt::emitPlayOrPause);
        QSignalSpy close(&list, &QFileListWgt::emitCloseFileIfIsPlaying);
        QSignalSpy goOn(&list, &QFileListWgt::emitContinuePlayAfterEdit);
        int stateWhileOpen = -1;
        QVERIFY(whileEditing(list, rowNamed(list, edited), [&](QVideoEditingDlg*) {
            stateWhileOpen = list.library().find(playingPath)->rowState();
        }));
        QCOMPARE(stateWhileOpen, int(QAudioFileChunk::Paused));
        QCOMPARE(playOrPause.value(0).value(0).toBool(), false);
        const bool same = edited == QLatin1String("first");
        QCOMPARE(close.count(), same ? 1 : 0);
        QCOMPARE(goOn.count(), same ? 1 : 0);
        if (same)
            QCOMPARE(goOn.at(0).at(0).toBool(), playing);
        else
            QCOMPARE(playOrPause.last().at(0).toBool(), true);
        QCOMPARE(list.library().find(playingPath)->rowState(),
                 playing ? int(QAudioFileChunk::Playing) : int(QAudioFileChunk::Paused));
    }

    // Last: the cut adds a recording to the history the other functions share.
    void aCutBecomesARecordingAndAClip()
    {
        QFileListWgt list(nullptr, testJournal(m_root));
        const QString cuts = m_root.filePath(QStringLiteral("cuts"));
        list.setOutputFolder([cuts] { return cuts; });
        QStringList told;
        list.setMessageShower([&](const QString& text) { told << text; });
        list.loadLibrary();
        const QString source = m_out + QStringLiteral("/long.mp3");
        const QByteArray sourceBefore = testfiles::readFile(source);
        const int rowsBefore = list.model()->rowCount();
        QString produced;
        int clipRows = -1;
        QVERIFY(whileEditing(list, rowNamed(list, QStringLiteral("long")),
                             [&](QVideoEditingDlg* dialog) {
                                 QTrimWidget* trim = dialog->trimWidget();
                                 trim->startTimeChanged(500000);
                                 trim->endTimeChanged(2000000);
                                 QSignalSpy done(&list, &QFileListWgt::emitConvertFilePath);
                                 trim->cutButton()->click();
                                 if (done.wait(60000))
                                     produced = done.at(0).at(0).toString();
                                 clipRows = trim->clipModel()->rowCount();
                             }));
        QVERIFY2(!produced.isEmpty(), qPrintable(told.join(QLatin1Char('\n'))));
        QCOMPARE(QFileInfo(produced).fileName(), QStringLiteral("long_Trim_001.mp3"));
        QCOMPARE(list.model()->rowCount(), rowsBefore + 1);
        QVERIFY(rowNamed(list, QStringLiteral("long_Trim_001")).isValid());
        QCOMPARE(clipRows, 1);
        QCOMPARE(list.convertFileList(), QStringList{produced});
        // The decoded length (decoders skip what the LAME header marks), give or take one MP3
        // frame of 1152 samples.
        const double seconds = testmedia::decodeS16(produced).size() / 4 / 44100.0;
        QVERIFY2(qAbs(seconds - 1.5) <= 1152 / 44100.0, qPrintable(QString::number(seconds)));
        QVERIFY(testfiles::readFile(source) == sourceBefore);
    }
};

QTEST_MAIN(TestEditFlow)
#include "tst_editflow.moc"
