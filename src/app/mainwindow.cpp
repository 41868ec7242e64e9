#include "mainwindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "desktopservices.h"
#include "nxaccessiblenames.h"
#include "nxskin.h"
#include "outputfolder.h"
#include "qnxbasebutton.h"
#include "qnxmenu.h"
#include "qnxmessagebox.h"
#include "qnxwidget.h"
#include "qrecordingwidget.h"
#include "qscheduletipwidget.h"
#include "recordercontroller.h"
#include "recordertray.h"
#include "schedulecountdown.h"
#include "selectrecordinputwgt.h"
#include "timeoptions.h"
#include "updatechecker.h"

namespace {

const QString kTitle = QStringLiteral("Quillon Audio Recorder");
// Double clicks toggle maximised only inside this band of the title bar, away from its edges.
constexpr int kTitleBandMargin = 8;
constexpr int kTitleBandBottom = 37;
constexpr int kPlaylistWidth = 220;

// A button with an image and a text (set by retranslateUi).
QNxBaseButton* labelledButton(const QString& image)
{
    auto* button = new QNxBaseButton(image);
    button->setTextMargins(QMargins(QNxBaseButton::kIconTextMargin, 0, 8, 0));
    button->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    button->setFixedSize(button->drawer().frameSize());
    return button;
}

QNxWidget* placeholderArea()
{
    auto* area = new QNxWidget;
    area->setBackgroundColor(NxSkin::surface());
    area->setRadius(6);
    return area;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent, MainWindowServices services)
    : QNxMainWindow(parent), m_services(std::move(services))
{
    NxAccessibleNames::install();
    if (!m_services.clock)
        m_services.clock = &WallClock::system();
    if (!m_services.sleepInhibitor)
        m_services.sleepInhibitor = DesktopServices::createSleepInhibitor();
    if (!m_services.notifier)
        m_services.notifier = DesktopServices::createNotifier();
    setWindowTitle(kTitle);
    OutputFolder::initFromSettings();
    OnResetFormat();

    m_countdown = std::make_unique<ScheduleCountdown>(*m_services.clock);
    m_countdownTimer = new QTimer(this);
    m_countdownTimer->setInterval(kCountdownMs);
    connect(m_countdownTimer, &QTimer::timeout, this, &MainWindow::OnTimer);
    m_recorder = new RecorderController(*m_services.clock, m_services.sleepInhibitor.get(), this);
    m_recorder->setSink(m_services.recordingSink);
    m_updates = new UpdateChecker(this);

    buildControls();
    buildLayout();
    buildPlayback();
    connectControls();
    buildMainMenu();
    buildTray();
    retranslateUi();
    OnSetAutoUpdate(UpdateChecker::automaticChecksEnabled());
    resize(1000, 680);
    // A repeating schedule survives a restart; the starts missed meanwhile are not made up.
    if (TimeOptions::restoreRepeating())
        OnSetSchedule();
}

MainWindow::~MainWindow()
{
    if (m_bRecording)
        OnBtnStop();
    // The controller uses the sleep lock of m_services, which goes before child objects do.
    delete m_recorder;
    m_recorder = nullptr;
    delete m_countdownTip;
    delete m_hoverTip;
}

void MainWindow::buildControls()
{
    m_btnMenu = new QNxBaseButton(QStringLiteral("/image/btn_menu.png"));
    addTitleBarButton(m_btnMenu);

    m_btnStartRecord = labelledButton(QStringLiteral("/image/btn_start_record.png"));
    m_btnStopRecord = labelledButton(QStringLiteral("/image/btn_stop_record.png"));
    m_btnCut = labelledButton(QStringLiteral("/image/btn_cut.png"));
    m_btnFormat = labelledButton(QStringLiteral("/image/btn_format.png"));
    m_btnSchedule = labelledButton(QStringLiteral("/image/btn_schedule_off.png"));
    m_btnCancelSchedule = new QNxBaseButton(QStringLiteral("/image/btn_schedule_cancel.png"));
    m_btnCancelSchedule->setFixedSize(m_btnCancelSchedule->drawer().frameSize());
    m_btnSchedule->installEventFilter(this);

    m_inputs = m_services.devicePluginPath.isEmpty()
                   ? new SelectRecordInputWgt
                   : new SelectRecordInputWgt(nullptr, m_services.devicePluginPath);
    m_recordingWidget = new QRecordingWidget(nullptr, *m_services.clock);
    m_playerArea = new QNxWidget;
    m_playerArea->setBackgroundImage(QStringLiteral("/image/common/bg_gradual.png"));
    m_playerArea->setFixedHeight(m_recordingWidget->height());
    buildLibrary();
    m_playlistArea = placeholderArea();
    m_playlistArea->setFixedWidth(kPlaylistWidth);

    m_countdownTip = new QScheduleTipWidget(true);
    m_hoverTip = new QScheduleTipWidget(false);
    setRecordControlsIdle(true);
    m_btnCancelSchedule->hide();
}

void MainWindow::buildLayout()
{
    auto* controls = new QVBoxLayout;
    controls->setSpacing(10);
    auto* recordRow = new QHBoxLayout;
    recordRow->setSpacing(10);
    recordRow->addStretch(1);
    recordRow->addWidget(m_btnStartRecord);
    recordRow->addWidget(m_btnStopRecord);
    recordRow->addWidget(m_btnCut);
    auto* optionRow = new QHBoxLayout;
    optionRow->setSpacing(10);
    optionRow->addStretch(1);
    optionRow->addWidget(m_btnFormat);
    optionRow->addWidget(m_btnSchedule);
    optionRow->addWidget(m_btnCancelSchedule);
    controls->addLayout(recordRow);
    controls->addLayout(optionRow);
    controls->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_inputs, 0, Qt::AlignTop);
    top->addLayout(controls, 1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(m_playlistArea);
    middle->addWidget(m_listArea, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(16, 16, 16, 12);
    content->setSpacing(12);
    content->addLayout(top);
    content->addLayout(middle, 1);

    auto* central = new QNxWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(content, 1);
    column->addWidget(m_playerArea);
    column->addWidget(m_recordingWidget);
    setCentralWidget(central);
    OnChangeBottomWgt(true);
}

void MainWindow::connectControls()
{
    connect(m_btnMenu, &QAbstractButton::clicked, this, &MainWindow::OnMenu);
    connect(m_btnFormat, &QAbstractButton::clicked, this, &MainWindow::OnFormatDlg);
    connect(m_btnSchedule, &QAbstractButton::clicked, this, &MainWindow::OnShowScheduleDlg);
    connect(m_btnStartRecord, &QAbstractButton::clicked, this, &MainWindow::OnBtnStart);
    connect(m_btnStopRecord, &QAbstractButton::clicked, this, [this] { OnBtnStop(); });
    connect(m_btnCut, &QAbstractButton::clicked, this, &MainWindow::OnCutRecord);
    connect(m_btnCancelSchedule, &QAbstractButton::clicked, this, &MainWindow::OnBtnCancelSchedule);
    connect(m_countdownTip, &QScheduleTipWidget::emitClose, this, &MainWindow::OnCloseScheduleTip);

    connect(m_recorder, &RecorderController::emitRecordTime, m_recordingWidget,
            &QRecordingWidget::OnSetRecordTime);
    connect(m_recorder, &RecorderController::emitAudioData, m_recordingWidget,
            &QRecordingWidget::OnSetAudioData);
    connect(m_recorder, &RecorderController::emitRecordTime, this,
            &MainWindow::OnRecordTimeOperate);
    connect(m_recorder, &RecorderController::recordingEndedByFailure, this,
            &MainWindow::onRecordingEndedByFailure, Qt::QueuedConnection);
    connect(m_recorder, &RecorderController::recordingFailedToStart, this,
            &MainWindow::onRecordingFailedToStart, Qt::QueuedConnection);
    connect(m_recorder, &RecorderController::splitAtNewTrack, this, &MainWindow::onSplitAtNewTrack);
    connect(m_recordingWidget, &QRecordingWidget::emitSplitSilence, this,
            &MainWindow::OnSplitSilence);
    connect(m_recordingWidget, &QRecordingWidget::emitIsRecordingAlwaysSilence, m_recorder,
            [this](bool silent) {
                if (!silent)
                    m_recorder->recordingBecameLoud();
            });
    connect(m_recordingWidget, &QRecordingWidget::emitVolumeChange, m_inputs,
            &SelectRecordInputWgt::OnRecorderVolumeChange);
    connect(m_inputs, &SelectRecordInputWgt::emitSetVolumeValue, m_recordingWidget,
            &QRecordingWidget::OnSetVolume);
    connect(m_updates, &UpdateChecker::finished, this, &MainWindow::showUpdateResult);
}

void MainWindow::buildMainMenu()
{
    m_mainMenu = new QNxMenu(this);
    m_actPreferences = m_mainMenu->addAction(QString());
    m_actHelp = m_mainMenu->addAction(QString());
    m_actHome = new QAction(this);
    m_actAbout = new QAction(this);
    m_actUpdates = new QAction(this);
    connect(m_actPreferences, &QAction::triggered, this, &MainWindow::ActOnPreferDlg);
    connect(m_actHelp, &QAction::triggered, this, &MainWindow::ActOnHelp);
    connect(m_actHome, &QAction::triggered, this, &MainWindow::ActOnHome);
    connect(m_actAbout, &QAction::triggered, this, &MainWindow::ActOnAbout);
    connect(m_actUpdates, &QAction::triggered, this, &MainWindow::ActOnUpdates);
}

void MainWindow::buildTray()
{
    m_tray = new RecorderTray(m_services.trayAvailable, this);
    connect(m_tray->hideAction(), &QAction::triggered, this, &MainWindow::HideRecorerDlg);
    connect(m_tray->showAction(), &QAction::triggered, this, &MainWindow::OnShowDlg);
    connect(m_tray->quitAction(), &QAction::triggered, this, &MainWindow::quitFromTray);
    connect(m_tray->showWindowAction(), &QAction::triggered, this, &MainWindow::OnShowDlg);
    connect(m_tray->stopAction(), &QAction::triggered, this, [this] { OnBtnStop(); });
    connect(m_tray->cancelScheduleAction(), &QAction::triggered, this,
            &MainWindow::OnBtnCancelSchedule);
    connect(m_tray->icon(), &QSystemTrayIcon::activated, this, &MainWindow::OnIconActivated);
    m_tray->show();
}

// Every text of the window and its menus, in the language in place.
void MainWindow::retranslateUi()
{
    m_btnMenu->setToolTip(tr("Menu"));
    const std::pair<QNxBaseButton*, QString> labelled[] = {
        {m_btnStartRecord, tr("Start Recording")},
        {m_btnStopRecord, tr("Stop Recording")},
        {m_btnCut, tr("Cut Recording")},
        {m_btnFormat, tr("Format")},
        {m_btnSchedule, tr("Schedule")}};
    for (const auto& [button, text] : labelled) {
        button->setText(text);
        button->setToolTip(text);
    }
    m_btnCancelSchedule->setToolTip(tr("Cancel Schedule"));
    m_actPreferences->setText(tr("Preferences"));
    m_actHelp->setText(tr("Help"));
    m_actHome->setText(tr("Home"));
    m_actAbout->setText(tr("About"));
    m_actUpdates->setText(tr("Check for Updates"));
    m_tray->retranslate();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxMainWindow::changeEvent(event);
}

void MainWindow::setRecordControlsIdle(bool idle)
{
    m_btnStartRecord->setVisible(idle);
    m_btnStopRecord->setVisible(!idle);
    m_btnCut->setEnabled(!idle);
    m_btnFormat->setEnabled(idle);
    m_btnSchedule->setEnabled(idle);
}

void MainWindow::OnShowDlg()
{
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::OnShowMax()
{
    QNxMainWindow::OnShowMax();
}

void MainWindow::OnShowMin()
{
    QNxMainWindow::OnShowMin();
}

void MainWindow::OnShowRestored()
{
    QNxMainWindow::OnShowRestored();
}

void MainWindow::OnContinueRecord() {}

void MainWindow::OnPauseRecord() {}

void MainWindow::ArcTaryPause() {}

void MainWindow::OnChangeBottomWgt(bool bPlay)
{
    m_playerArea->setVisible(bPlay);
    m_recordingWidget->setVisible(!bPlay);
}

void MainWindow::OnIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        showNormal();
}

void MainWindow::showMessage(const QString& text)
{
    auto* box = new QNxMessageBox(windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("quillonMessage"));
    box->open();
}

bool MainWindow::titleBarDoubleClick(QEvent* event)
{
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint at = titleBar()->mapTo(this, me->pos());
    const QRect band(QPoint(kTitleBandMargin, kTitleBandMargin),
                     QPoint(width() - kTitleBandMargin, kTitleBandBottom));
    if (me->button() == Qt::RightButton || !band.contains(at))
        return true;  // swallowed: only a double click inside the band toggles
    if (isMaximized())
        OnShowRestored();
    else
        OnShowMax();
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == titleBar() && event->type() == QEvent::MouseButtonDblClick)
        return titleBarDoubleClick(event);
    if (watched == m_btnSchedule &&
        (event->type() == QEvent::Enter || event->type() == QEvent::Leave))
        showScheduleHoverTip(event->type() == QEvent::Enter);
    return QNxMainWindow::eventFilter(watched, event);
}
