// The main menu and what it opens: web pages, the log, update checks, the format dialog.

#include "mainwindow.h"

#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include "applog.h"
#include "formatcatalogue.h"
#include "formatdescriptor.h"
#include "formatselection.h"
#include "outputfolder.h"
#include "qformatdlg.h"
#include "qnxmenu.h"
#include "qpreferencesdlg.h"
#include "updatechecker.h"

namespace {

const QUrl kHomePage(QStringLiteral("https://quillon.example.org/"));
const QUrl kHelpPage(QStringLiteral("https://quillon.example.org/help"));
const QString kProductId = QStringLiteral("quillon-audio-recorder");
// The main menu opens to the left of the pointer, so it stays inside the window.
const QPoint kMenuOffset(-50, 0);
constexpr int kAutoUpdateIntervalMs = 24 * 3600 * 1000;

}  // namespace

void MainWindow::OnMenu()
{
    m_mainMenu->popup(QCursor::pos() + kMenuOffset);
}

void MainWindow::openPage(const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        showMessage(tr("No program is set up to open %1.").arg(url.toString()));
}

void MainWindow::ActOnHome()
{
    openPage(kHomePage);
}

void MainWindow::ActOnHelp()
{
    QUrl url = kHelpPage;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pid"), kProductId);
    query.addQueryItem(QStringLiteral("page_type"), QStringLiteral("help"));
    url.setQuery(query);
    openPage(url);
}

void MainWindow::ActOnAbout()
{
    showMessage(tr("%1\nVersion %2").arg(windowTitle(), UpdateChecker::currentVersion()));
}

// The dialog stores what the user confirms; the window takes over the output folder and the
// automatic update checks at once. A language chosen there is already in place.
void MainWindow::ActOnPreferDlg()
{
    QPreferencesDlg dialog(this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint,
                         windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    connect(&dialog, &QPreferencesDlg::emitAutoUpdate, this, &MainWindow::OnSetAutoUpdate);
    connect(&dialog, &QPreferencesDlg::emitOutputFolderChanged, this, [this](const QString& path) {
        QString problem;
        if (!OutputFolder::set(path, &problem))
            showMessage(problem);
    });
    dialog.exec();
}

void MainWindow::ActOnUpdates()
{
    startUpdateCheck(true);
}

void MainWindow::startUpdateCheck(bool manual)
{
    m_manualUpdateCheck = manual;
    m_updates->check(UpdateChecker::appcastUrl());
}

// A check the user asked for always answers; an automatic one speaks only of a new version.
void MainWindow::showUpdateResult(const UpdateCheckResult& result)
{
    const bool manual = m_manualUpdateCheck;
    m_manualUpdateCheck = false;
    if (!manual && result.status != UpdateCheckResult::UpdateAvailable) {
        qInfo().noquote() << "update check:" << result.message();
        return;
    }
    showMessage(result.message());
}

void MainWindow::OnSetAutoUpdate(bool bUpdate)
{
    if (!m_autoUpdateTimer) {
        m_autoUpdateTimer = new QTimer(this);
        m_autoUpdateTimer->setInterval(kAutoUpdateIntervalMs);
        connect(m_autoUpdateTimer, &QTimer::timeout, this, [this] { startUpdateCheck(false); });
    }
    if (bUpdate) {
        m_autoUpdateTimer->start();
        QTimer::singleShot(0, this, [this] { startUpdateCheck(false); });
    } else {
        m_autoUpdateTimer->stop();
    }
}

void MainWindow::ActShowLog()
{
    openPage(QUrl::fromLocalFile(AppLog::path()));
}

void MainWindow::OnFormatDlg()
{
    try {
        QFormatDlg dialog(this);
        dialog.exec();
    } catch (const std::exception& e) {
        showMessage(tr("The format list cannot be read: %1").arg(QString::fromUtf8(e.what())));
        return;
    }
    emit emitFormatChange(false);
}

// The saved output format becomes the current one; recordings take the audio descriptor.
void MainWindow::OnResetFormat()
{
    try {
        if (!FormatSelection::loadSavedFormats(FormatCatalogue::instance()))
            qWarning("the saved output format could not be loaded from the catalogue");
    } catch (const std::exception& e) {
        qWarning("cannot read the format catalogue: %s", e.what());
    }
    FormatDescriptor::setCurrent(FormatDescriptor::audio());
}
