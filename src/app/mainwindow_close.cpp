// Closing the main window: the close question, hiding to the tray, and the fading exit.

#include "mainwindow.h"

#include <QCloseEvent>
#include <QPropertyAnimation>

#include "parserxml.h"
#include "qshowclosedlg.h"
#include "recordertray.h"

namespace {

const QString kRemindElement = QStringLiteral("REMIND_ITEM");
const QString kRemind = QStringLiteral("isShowRemind");
const QString kCloseElement = QStringLiteral("CLOSE_ITEM");
const QString kClose = QStringLiteral("bIsCloseDlg");

bool readYes(const QString& element, const QString& attribute)
{
    return ParserXML::isTrueText(
        ParserXML::getSettingValue(element, attribute, QStringLiteral("Y")));
}

void store(const QString& element, const QString& attribute, bool value)
{
    ParserXML::getSettingValue(element, attribute, QStringLiteral("Y"));
    ParserXML::setSettingBool(element, attribute, value);
}

}  // namespace

void MainWindow::OnClose()
{
    if (m_closing)
        return;
    if (!readYes(kRemindElement, kRemind)) {
        if (readYes(kCloseElement, kClose))
            fadeOutAndQuit();
        else
            hideOrMinimize();
        return;
    }
    QShowCloseDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.dontShowAgain())
        store(kRemindElement, kRemind, false);
    store(kCloseElement, kClose, dialog.exitChosen());
    if (dialog.exitChosen())
        fadeOutAndQuit();
    else
        hideOrMinimize();
}

// Without a tray a hidden window could not be brought back: it is minimised instead.
void MainWindow::hideOrMinimize()
{
    if (m_tray->isAvailable())
        hide();
    else
        showMinimized();
}

void MainWindow::HideRecorerDlg()
{
    hideOrMinimize();
}

// A running recording is finished before the window goes, so the file is complete and listed.
void MainWindow::fadeOutAndQuit()
{
    if (m_bRecording)
        OnBtnStop();
    m_closing = true;
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setDuration(kFadeMs);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    connect(fade, &QPropertyAnimation::finished, this, [this] {
        close();
        emit emitQuit();
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void MainWindow::quitFromTray()
{
    if (m_bRecording)
        OnBtnStop();
    m_closing = true;
    close();
    emit emitQuit();
}

// The window manager's close (Alt+F4, the taskbar) asks the same question as the close button.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    OnClose();
}
