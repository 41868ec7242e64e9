// Screenshot helper for checking the recordings list by eye (not a test, not shipped): shows
// the main window with the history of the environment's per-user folders and saves, under the
// folder given, list.png (the list and its summary), search.png (a search typed in) and
// menu.png (the context menu of a row). Run under Xvfb; QScreen grabs the whole display, so
// the pop-up menu is in the picture.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "mainwindow.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qnxlineedit.h"
#include "qnxmenu.h"
#include "screenshots.h"
#include "testmedia.h"

using screenshots::shoot;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = QApplication::arguments().value(1);
    screenshots::useProgramLook();
    MainWindow window;
    window.move(0, 0);
    window.resize(1200, 860);
    window.show();
    QFileListWgt* list = window.fileList();
    // A recording in progress (its row on top, with its icon) and the pointer over a row (its
    // buttons).
    list->recordingStarted(dir + QStringLiteral("/REC_in_progress.mp3"));
    QTimer::singleShot(1500, &window, [&] {
        QWidget* viewport = list->view()->viewport();
        const QPoint over = list->view()->visualRect(list->view()->model()->index(2, 1)).center();
        QMouseEvent move(QEvent::MouseMove, over, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        shoot(dir + QStringLiteral("/list.png"));
        QTest::keyClicks(list->searchField(), QStringLiteral("mp3|ada"));
        QTimer::singleShot(700, &window, [&] {
            shoot(dir + QStringLiteral("/search.png"));
            list->searchField()->clear();
            const QRect row = list->view()->visualRect(list->view()->model()->index(3, 1));
            list->OnShowTableMenu(row.center());
            QTimer::singleShot(700, &window, [&] {
                shoot(dir + QStringLiteral("/menu.png"));
                list->tableMenu()->hide();
                QApplication::quit();
            });
        });
    });
    return QApplication::exec();
}
