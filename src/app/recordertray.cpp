#include "recordertray.h"

#include <QAction>

#include <utility>

#include "nxskin.h"
#include "qnxmenu.h"

RecorderTray::RecorderTray(std::function<bool()> available, QObject* parent)
    : QObject(parent), m_available(std::move(available))
{
    m_icon = new QSystemTrayIcon(this);
    m_icon->setIcon(QIcon(NxSkin::pixmap(QStringLiteral("/image/common/no_title_logo.png"))));
    m_icon->setToolTip(QStringLiteral("Quillon Audio Recorder"));

    // Menus have no parent widget; the tray deletes them.
    m_actNextStart = new QAction(this);
    m_actNextStart->setEnabled(false);
    m_normalMenu = new QNxMenu;
    m_actHide = m_normalMenu->addAction(QString());
    m_actShow = m_normalMenu->addAction(QString());
    m_normalMenu->addSeparator();
    m_actQuit = m_normalMenu->addAction(QString());

    m_recordingMenu = new QNxMenu;
    m_actShowWindow = m_recordingMenu->addAction(QString());
    m_actStop = m_recordingMenu->addAction(QString());
    m_actCancelSchedule = m_recordingMenu->addAction(QString());

    m_icon->setContextMenu(m_normalMenu);
    retranslate();
}

void RecorderTray::retranslate()
{
    m_actHide->setText(tr("Hidden (&H)"));
    m_actShow->setText(tr("Show Window (&S)"));
    m_actQuit->setText(tr("Quit (&Q)"));
    m_actShowWindow->setText(tr("Show Window"));
    m_actStop->setText(tr("Stop"));
    m_actCancelSchedule->setText(tr("Cancel Schedule"));
}

RecorderTray::~RecorderTray()
{
    m_icon->setContextMenu(nullptr);
    delete m_normalMenu;
    delete m_recordingMenu;
}

bool RecorderTray::isAvailable() const
{
    return m_available ? m_available() : QSystemTrayIcon::isSystemTrayAvailable();
}

void RecorderTray::show()
{
    m_icon->show();
}

// The line is in the menus only while there is a next start.
void RecorderTray::setNextStart(const QString& text)
{
    m_actNextStart->setText(text);
    for (QNxMenu* menu : {m_normalMenu, m_recordingMenu}) {
        const bool shown = menu->actions().contains(m_actNextStart);
        if (text.isEmpty() && shown)
            menu->removeAction(m_actNextStart);
        else if (!text.isEmpty() && !shown)
            menu->insertAction(menu->actions().value(0), m_actNextStart);
    }
}

void RecorderTray::setRecording(bool recording)
{
    m_recording = recording;
    m_icon->setContextMenu(recording ? m_recordingMenu : m_normalMenu);
}
