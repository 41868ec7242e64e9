#include "selectrecordinputwgt.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QTimer>

#include <cmath>

#include "nxskin.h"
#include "parserxml.h"
#include "qnxmenu.h"
#include "qrecordareainfo.h"
#include "systemsourcelist.h"

namespace {

constexpr int kRefreshIntervalMs = 200;
// The device menu opens beside the pointer rather than under it, so the click that opened it
// does not land on an entry.
const QPoint kMenuOffset(-60, 10);

const QString kSettingsElement = QStringLiteral("XML_AUDIO_RECORD_TYPE");
const QString kSystemSetting = QStringLiteral("BOOL_SYSTEM_AUDIO_");
const QString kMicSetting = QStringLiteral("BOOL_MIC_AUDIO_");

// Indicator colours of a source that is switched on / off.
const QColor kIndicatorOn(214, 214, 214);
const QColor kIndicatorOff(14, 14, 14);

constexpr int kIndicatorSize = 8;
constexpr int kLevelWidth = 44;
constexpr int kLevelHeight = 16;

int pairData(int device, int recorder)
{
    return (device << 16) | recorder;
}

void setLabelLook(QLabel* label, const QColor& color, int pixelSize)
{
    label->setFont(NxSkin::font(pixelSize));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

void fixToImage(QNxBaseButton* button, const QString& image)
{
    button->setImage(image);
    button->setFixedSize(button->drawer().frameSize());
}

}  // namespace

SelectRecordInputWgt::SelectRecordInputWgt(QWidget* parent, const QString& pluginPath)
    : QNxWidget(parent)
{
    setupUi(this);
    loadSelection();
    SystemAudioChange();
    MicAudioChange();
    setUpWidgets();
    setUpConnections();

    m_library = std::make_unique<SoundDeviceLibrary>(pluginPath);
    m_device = m_library->device();
    if (!m_device)
        qDebug("inputs panel: no sound devices: %s", qPrintable(m_library->errorString()));
    m_systemSources = new SystemSourceList(m_cmbSystemSource, m_device, this);
    connect(m_systemSources, &SystemSourceList::emitChoiceChanged, this,
            &SelectRecordInputWgt::onSystemSourceChosen);
    fillDeviceList();
    rebuildDeviceMenu();

    m_refreshTimer = new QTimer(this);
    connect(m_refreshTimer, &QTimer::timeout, this, &SelectRecordInputWgt::RefreshRecDevTimer);
    m_refreshTimer->start(kRefreshIntervalMs);
    retranslateTexts();
}

// The texts set in code, in the language in place; the form's own texts are the generated
// retranslateUi's.
void SelectRecordInputWgt::retranslateTexts()
{
    m_btnDevice->setToolTip(tr("Recording device"));
    m_sliderSysVolume->setToolTip(tr("System volume"));
    m_sliderVolume->setToolTip(tr("Microphone volume"));
    updateToolTips();
    updateMicAvailability();
}

void SelectRecordInputWgt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslateTexts();
    }
    QNxWidget::changeEvent(event);
}

SelectRecordInputWgt::~SelectRecordInputWgt()
{
    saveSelection();
    m_refreshTimer->stop();
    delete m_refreshTimer;
    // The menu's actions must not outlive the device they name.
    delete m_menuDevice;
    m_device = nullptr;
    m_library.reset();
}

int SelectRecordInputWgt::volumeFromRatio(double ratio)
{
    return qBound(0, int(std::floor(ratio * 100.0 + 0.5)), 100);
}

void SelectRecordInputWgt::setUpWidgets()
{
    setBackgroundColor(NxSkin::surface());
    setRadius(6);
    setMinimumWidth(480);

    setLabelLook(m_labSystemAudio, NxSkin::text(), 13);
    setLabelLook(m_labMicDevice, NxSkin::text(), 13);
    setLabelLook(m_labNoMicDevice, NxSkin::textDim(), 12);
    m_labNoMicDevice->setMinimumHeight(m_cmbMicDevice->sizeHint().height());
    for (QNxWidget* indicator : {m_wgtSystemIndicator, m_wgtMicIndicator}) {
        indicator->setFixedSize(kIndicatorSize, kIndicatorSize);
        indicator->setRadius(kIndicatorSize / 2.0);
    }
    m_lineSeparator->setFixedHeight(1);
    m_lineSeparator->setAutoFillBackground(true);
    QPalette linePal = m_lineSeparator->palette();
    linePal.setColor(QPalette::Window, NxSkin::border());
    m_lineSeparator->setPalette(linePal);
    m_gridInputs->setRowMinimumHeight(2, 9);

    setUpVolumes();
    m_gridInputs->setColumnStretch(2, 1);
    m_gridInputs->setAlignment(m_SystemVolumePro, Qt::AlignCenter);
    m_gridInputs->setAlignment(m_MicVolumePro, Qt::AlignCenter);
    m_gridInputs->setAlignment(m_btnDevice, Qt::AlignCenter);
    m_cmbMicDevice->setMinimumWidth(200);
    m_cmbSystemSource->setMinimumWidth(200);
    updateDeviceButton();

    m_menuDevice = new QNxMenu(this);
}

void SelectRecordInputWgt::setUpVolumes()
{
    for (QNxBaseSlider* slider : {m_sliderSysVolume, m_sliderVolume}) {
        slider->setRange(0, 100);
        slider->setPageStep(10);
        slider->setMinimumWidth(160);
    }
    for (QNxBaseProgress* level : {m_SystemVolumePro, m_MicVolumePro}) {
        level->setRange(0, 100);
        level->setValue(0);
        level->setTextVisible(true);
        level->setFixedSize(kLevelWidth, kLevelHeight);
    }
    // A hidden volume row keeps its place, so the panel does not jump when the device menu
    // hides one.
    for (QWidget* volume :
         {static_cast<QWidget*>(m_sliderSysVolume), static_cast<QWidget*>(m_SystemVolumePro),
          static_cast<QWidget*>(m_sliderVolume), static_cast<QWidget*>(m_MicVolumePro)}) {
        QSizePolicy policy = volume->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        volume->setSizePolicy(policy);
    }
}

void SelectRecordInputWgt::setUpConnections()
{
    connect(m_btnSystemAudio, &QAbstractButton::clicked, this,
            &SelectRecordInputWgt::OnBtnSystemAudio);
    connect(m_btnMicDevice, &QAbstractButton::clicked, this, &SelectRecordInputWgt::OnBtnMicAudio);
    connect(m_cmbMicDevice, QOverload<int>::of(&QComboBox::activated), this,
            &SelectRecordInputWgt::MicDeviceChange);
    connect(m_sliderVolume, &QNxBaseSlider::sendProgressValue, this,
            &SelectRecordInputWgt::recorderVulumeChange);
    connect(m_sliderSysVolume, &QNxBaseSlider::sendProgressValue, this,
            &SelectRecordInputWgt::recorderVulumeChange);
    connect(m_btnDevice, &QAbstractButton::clicked, this, &SelectRecordInputWgt::OnShowDeviceMenu);
}

bool SelectRecordInputWgt::selected(int source) const
{
    return QRecordAreaInfo::instance().selectedSources() & source;
}

void SelectRecordInputWgt::setSelected(int source, bool on)
{
    QRecordAreaInfo& info = QRecordAreaInfo::instance();
    const int32_t bits = info.selectedSources();
    info.setSelectedSources(on ? bits | source : bits & ~source);
}

void SelectRecordInputWgt::loadSelection()
{
    const bool system = ParserXML::isTrueText(
        ParserXML::getSettingValue(kSettingsElement, kSystemSetting, QStringLiteral("Y")));
    const bool mic = ParserXML::isTrueText(
        ParserXML::getSettingValue(kSettingsElement, kMicSetting, QStringLiteral("N")));
    setSelected(QRecordAreaInfo::SystemAudio, system);
    setSelected(QRecordAreaInfo::Microphone, mic);
}

void SelectRecordInputWgt::saveSelection()
{
    // The setter writes only into an element that exists; reading first creates it when the
    // file was removed while the panel ran.
    ParserXML::getSettingValue(kSettingsElement, kSystemSetting, QStringLiteral("Y"));
    ParserXML::setSettingValue(kSettingsElement, kSystemSetting,
                               ParserXML::boolText(selected(QRecordAreaInfo::SystemAudio)));
    ParserXML::setSettingValue(kSettingsElement, kMicSetting,
                               ParserXML::boolText(selected(QRecordAreaInfo::Microphone)));
}

void SelectRecordInputWgt::updateToolTips()
{
    QString system =
        selected(QRecordAreaInfo::SystemAudio) ? tr("System Audio On") : tr("System Audio Off");
    const QString application = m_systemSources ? m_systemSources->chosenName() : QString();
    if (!application.isEmpty())
        system += QLatin1Char('\n') + tr("Only %1").arg(application);
    m_btnSystemAudio->setToolTip(system);
    m_btnMicDevice->setToolTip(selected(QRecordAreaInfo::Microphone) ? tr("Microphone Audio On")
                                                                     : tr("Microphone Audio Off"));
}

void SelectRecordInputWgt::updateDeviceButton()
{
    const bool system =
        selected(QRecordAreaInfo::SystemAudio) || !selected(QRecordAreaInfo::Microphone);
    fixToImage(m_btnDevice, system ? QStringLiteral("/image/btn_device_system.png")
                                   : QStringLiteral("/image/btn_device_mic.png"));
}

void SelectRecordInputWgt::OnBtnSystemAudio()
{
    setSelected(QRecordAreaInfo::SystemAudio, !selected(QRecordAreaInfo::SystemAudio));
    // A source switched on gets back the volume row a device-menu choice may have hidden.
    if (selected(QRecordAreaInfo::SystemAudio)) {
        m_sliderSysVolume->show();
        m_SystemVolumePro->show();
    }
    updateToolTips();
    SystemAudioChange();
    updateDeviceButton();
}

void SelectRecordInputWgt::OnBtnMicAudio()
{
    setSelected(QRecordAreaInfo::Microphone, !selected(QRecordAreaInfo::Microphone));
    if (selected(QRecordAreaInfo::Microphone)) {
        m_sliderVolume->show();
        m_MicVolumePro->show();
    }
    updateToolTips();
    MicAudioChange();
    updateDeviceButton();
}

void SelectRecordInputWgt::SystemAudioChange()
{
    const bool on = selected(QRecordAreaInfo::SystemAudio);
    fixToImage(m_btnSystemAudio, on ? QStringLiteral("/image/btn_system_on.png")
                                    : QStringLiteral("/image/btn_system_off.png"));
    m_wgtSystemIndicator->setBackgroundColor(on ? kIndicatorOn : kIndicatorOff);
}

void SelectRecordInputWgt::MicAudioChange()
{
    const bool on = selected(QRecordAreaInfo::Microphone);
    fixToImage(m_btnMicDevice, on ? QStringLiteral("/image/btn_mic_on.png")
                                  : QStringLiteral("/image/btn_mic_off.png"));
    m_wgtMicIndicator->setBackgroundColor(on ? kIndicatorOn : kIndicatorOff);
}

QVector<SelectRecordInputWgt::Input> SelectRecordInputWgt::inputs() const
{
    QVector<Input> result;
    if (!m_device)
        return result;
    const int devices = m_device->GetDeviceCount();
    for (int d = 0; d < devices; ++d) {
        QString deviceName = SoundDeviceLibrary::text(m_device->GetDeviceName(d));
        if (deviceName.isEmpty())
            deviceName = tr("Noname Device");
        const int recorders = m_device->GetRecorderCount(d);
        for (int r = 0; r < recorders; ++r) {
            QString recorderName = SoundDeviceLibrary::text(m_device->GetRecorderName(d, r));
            if (recorderName.isEmpty())
                recorderName = tr("Noname Recorder");
            result.append({recorderName + QStringLiteral(" (") + deviceName + QLatin1Char(')'),
                           pairData(d, r)});
        }
    }
    return result;
}

void SelectRecordInputWgt::fillDeviceList()
{
    m_cmbMicDevice->clear();
    int current = -1;
    if (m_device) {
        int device = -1;
        int recorder = -1;
        const bool hasDefault = m_device->GetDefaultRecorder(&device, &recorder) == 0;
        for (const Input& input : inputs()) {
            m_cmbMicDevice->addItem(input.text, input.data);
            if (hasDefault && input.data == pairData(device, recorder))
                current = m_cmbMicDevice->count() - 1;
        }
    }
    m_cmbMicDevice->setCurrentIndex(current);
    updateMicAvailability();
    const bool empty = m_cmbMicDevice->count() == 0;
    m_cmbMicDevice->setVisible(!empty);
    m_labNoMicDevice->setVisible(empty);
    refreshRecordVolume();
}

// The microphone is valid exactly while the list has a current entry, the default input. When
// it has none, the list and the "No Mic Device" label say why.
void SelectRecordInputWgt::updateMicAvailability()
{
    const bool available = m_cmbMicDevice->currentIndex() >= 0;
    QRecordAreaInfo::instance().setValidSources(QRecordAreaInfo::SystemAudio |
                                                (available ? QRecordAreaInfo::Microphone : 0));
    QString reason;
    if (!available) {
        reason = m_device ? SoundDeviceLibrary::text(m_device->GetNoDefaultRecorderReason())
                          : m_library->errorString();
    }
    const QString why = reason.isEmpty() ? QString() : tr("No microphone: %1").arg(reason);
    m_cmbMicDevice->setPlaceholderText(why);
    m_cmbMicDevice->setToolTip(available ? tr("Microphone") : why);
    m_labNoMicDevice->setToolTip(why.isEmpty() ? m_labNoMicDevice->text() : why);
}

void SelectRecordInputWgt::rebuildDeviceMenu()
{
    m_menuDevice->clear();
    const bool systemOnly =
        selected(QRecordAreaInfo::SystemAudio) && !selected(QRecordAreaInfo::Microphone);
    const bool micOnly =
        selected(QRecordAreaInfo::Microphone) && !selected(QRecordAreaInfo::SystemAudio);
    const int currentMic =
        m_cmbMicDevice->currentIndex() >= 0 ? m_cmbMicDevice->currentData().toInt() : -2;

    QAction* system = m_menuDevice->addSkinAction(QStringLiteral("/image/icon_device_system.png"),
                                                  tr("System Audio"), -1);
    system->setCheckable(true);
    system->setChecked(systemOnly);
    connect(system, &QAction::triggered, this, &SelectRecordInputWgt::OnActDeviceChange);
    for (const Input& input : inputs()) {
        QAction* mic = m_menuDevice->addSkinAction(QStringLiteral("/image/icon_device_mic.png"),
                                                   input.text, input.data);
        mic->setCheckable(true);
        mic->setChecked(micOnly && input.data == currentMic);
        connect(mic, &QAction::triggered, this, &SelectRecordInputWgt::OnActDeviceChange);
    }
}

void SelectRecordInputWgt::MicDeviceChange(int index)
{
    if (index < 0 || index >= m_cmbMicDevice->count())
        return;
    const int pair = m_cmbMicDevice->itemData(index).toInt();
    if (m_device)
        m_device->SetDefaultRecorder(pair >> 16, pair & 0xFFFF);
    fillDeviceList();
    emit emitMicDeviceChange();
}

// Picking an application switches system audio on: the choice says what to record.
void SelectRecordInputWgt::onSystemSourceChosen()
{
    if (!m_systemSources->chosenKey().isEmpty() && !selected(QRecordAreaInfo::SystemAudio))
        OnBtnSystemAudio();
    updateToolTips();
}

void SelectRecordInputWgt::RefreshRecDevTimer()
{
    if (!m_device)
        return;
    m_systemSources->poll();
    if (m_device->IsDeviceListChanged()) {
        m_device->RefreshDeviceList();
        fillDeviceList();
        rebuildDeviceMenu();
        emit emitMicDeviceChange();
        return;
    }
    refreshRecordVolume();
    int device = -1;
    int recorder = -1;
    if (m_device->GetDefaultRecorder(&device, &recorder) != 0) {
        // No listed input is the default (none, or a monitor): no microphone to record.
        m_cmbMicDevice->setCurrentIndex(-1);
        updateMicAvailability();
        return;
    }
    if (m_cmbMicDevice->currentIndex() >= 0) {
        if (m_cmbMicDevice->currentData().toInt() == pairData(device, recorder))
            return;
        // Another program changed the default input; the list follows it only while system
        // audio is not selected.
        if (selected(QRecordAreaInfo::SystemAudio))
            return;
        rebuildDeviceMenu();
        fillDeviceList();
    } else {
        fillDeviceList();
        rebuildDeviceMenu();
    }
    emit emitMicDeviceChange();
}

int SelectRecordInputWgt::showVolume(QNxBaseSlider* slider, QNxBaseProgress* level,
                                     bool hasEndpoint, int mute, int volume)
{
    int shown = 0;
    bool usable = false;
    if (hasEndpoint) {
        usable = volume >= 0;
        shown = usable ? (mute == 1 ? 0 : qMin(volume, 100)) : 100;
    }
    slider->setRatio(shown / 100.0);
    slider->setEnabled(usable && m_ctrlEnabled);
    level->setValue(usable ? shown : 0);
    // An unreadable volume shows no number rather than a made-up one.
    level->setFormat(usable ? QStringLiteral("%p%") : QString());
    return usable ? shown : -1;
}

void SelectRecordInputWgt::refreshRecordVolume()
{
    int micShown = -1;
    int systemShown = -1;
    int device = -1;
    int index = -1;
    if (m_device && m_device->GetDefaultRecorder(&device, &index) >= 0) {
        micShown = showVolume(m_sliderVolume, m_MicVolumePro, true,
                              m_device->GetRecorderMute(device, index),
                              m_device->GetRecorderVolume(device, index));
    } else {
        showVolume(m_sliderVolume, m_MicVolumePro, false, 0, -1);
    }
    if (m_device && m_device->GetDefaultPlayback(&device, &index) >= 0) {
        systemShown = showVolume(m_sliderSysVolume, m_SystemVolumePro, true,
                                 m_device->GetPlaybackMute(device, index),
                                 m_device->GetPlaybackVolume(device, index));
    } else {
        showVolume(m_sliderSysVolume, m_SystemVolumePro, false, 0, -1);
    }

    if (selected(QRecordAreaInfo::SystemAudio) && systemShown >= 0)
        emit emitSetVolumeValue(systemShown);
    else if (selected(QRecordAreaInfo::Microphone) && micShown >= 0)
        emit emitSetVolumeValue(micShown);
}

void SelectRecordInputWgt::recorderVulumeChange(double value)
{
    if (sender() == m_sliderVolume)
        MicrophoneAudioVolume(volumeFromRatio(value));
    else if (sender() == m_sliderSysVolume)
        systemAudioVolume(volumeFromRatio(value));
}

void SelectRecordInputWgt::systemAudioVolume(int volume)
{
    int device = -1;
    int player = -1;
    if (!m_device || m_device->GetDefaultPlayback(&device, &player) < 0)
        return;
    m_device->SetPlaybackMute(device, player, 0);
    m_device->SetPlaybackVolume(device, player, volume);
    m_SystemVolumePro->setValue(volume);
}

void SelectRecordInputWgt::MicrophoneAudioVolume(int volume)
{
    if (!m_device || m_cmbMicDevice->currentIndex() < 0)
        return;
    const int pair = m_cmbMicDevice->currentData().toInt();
    m_device->SetRecorderMute(pair >> 16, pair & 0xFFFF, 0);
    m_device->SetRecorderVolume(pair >> 16, pair & 0xFFFF, volume);
    m_MicVolumePro->setValue(volume);
}

void SelectRecordInputWgt::OnSetCtrlEnabled(bool bEnabled)
{
    m_ctrlEnabled = bEnabled;
    m_cmbMicDevice->setEnabled(bEnabled);
    m_cmbSystemSource->setEnabled(bEnabled);
    m_sliderVolume->setEnabled(bEnabled);
    m_sliderSysVolume->setEnabled(bEnabled);
    m_btnDevice->setEnabled(bEnabled);
    // A slider whose endpoint has no readable volume stays disabled.
    if (bEnabled)
        refreshRecordVolume();
}

void SelectRecordInputWgt::OnRecorderVolumeChange(double value)
{
    if (selected(QRecordAreaInfo::Microphone))
        MicrophoneAudioVolume(volumeFromRatio(value));
    else if (selected(QRecordAreaInfo::SystemAudio))
        systemAudioVolume(volumeFromRatio(value));
}

void SelectRecordInputWgt::OnActDeviceChange()
{
    const auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int pair = action->data().toInt();
    if (m_device)
        m_device->SetDefaultRecorder(pair >> 16, pair & 0xFFFF);
    if (pair != -1)
        fillDeviceList();

    // The menu chooses one source: system audio alone or the microphone alone.
    const bool system = pair == -1;
    QRecordAreaInfo& info = QRecordAreaInfo::instance();
    const int32_t on = system ? QRecordAreaInfo::SystemAudio : QRecordAreaInfo::Microphone;
    const int32_t off = system ? QRecordAreaInfo::Microphone : QRecordAreaInfo::SystemAudio;
    info.setSelectedSources((info.selectedSources() | on) & ~off);
    info.setValidSources((info.validSources() | on) & ~off);
    m_sliderVolume->setVisible(!system);
    m_MicVolumePro->setVisible(!system);
    m_sliderSysVolume->setVisible(system);
    m_SystemVolumePro->setVisible(system);
    m_lastDeviceData = pair;

    updateToolTips();
    SystemAudioChange();
    MicAudioChange();
    updateDeviceButton();
    if (!system)
        emit emitMicDeviceChange();
    refreshRecordVolume();
}

void SelectRecordInputWgt::OnShowDeviceMenu()
{
    rebuildDeviceMenu();
    m_menuDevice->popup(QCursor::pos() + kMenuOffset);
}
