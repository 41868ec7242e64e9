// The recordings list's place in the main window: the list is built with the window, loads
// the history, and takes every finished recording unless the window was given another sink.
// Its cuts go to the output folder, and a user who is elsewhere hears when one has ended.

#include <QFileInfo>
#include <QTimer>

#include "mainwindow.h"
#include "outputfolder.h"
#include "qfilelistwgt.h"
#include "recordercontroller.h"

void MainWindow::buildLibrary()
{
    m_fileList = new QFileListWgt;
    m_listArea = m_fileList;
    if (!m_services.recordingSink)
        m_recorder->setSink(m_fileList);
    m_fileList->setOutputFolder(&OutputFolder::current);
    connect(m_fileList, &QFileListWgt::emitConvertJobDone, this,
            [this](bool ok, const QString& pathOrReason) {
                if (ok)
                    notifyUnlessFocused(tr("Conversion finished"),
                                        tr("Saved as %1").arg(QFileInfo(pathOrReason).fileName()));
                else
                    notifyUnlessFocused(tr("Cut out failure."), pathOrReason);
            });
    const RecordingLibrary::LoadResult loaded = m_fileList->loadLibrary();
    if (!loaded.pruned.isEmpty())
        qInfo("%lld recordings left the history: their files are gone",
              static_cast<long long>(loaded.pruned.size()));
    if (!loaded.recovered.isEmpty()) {
        // After the window is shown, so the notice has a window to sit on.
        QTimer::singleShot(0, this, [this, loaded] {
            noticeRecoveredRecordings(loaded.recovered, loaded.problems);
        });
    }
}

void MainWindow::noticeRecoveredRecordings(const QStringList& recovered,
                                           const QStringList& problems)
{
    QString text = tr("The program ended while recording. These recordings were recovered and "
                      "are in the list:\n%1")
                       .arg(recovered.join(QLatin1Char('\n')));
    if (!problems.isEmpty())
        text += tr("\n\nSome could not be repaired and may not play to their end:\n%1")
                    .arg(problems.join(QLatin1Char('\n')));
    showMessage(text);
}
