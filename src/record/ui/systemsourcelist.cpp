#include "systemsourcelist.h"

#include <olmet/sounddevice.h>

#include <QComboBox>
#include <QEvent>
#include <QIcon>

#include "nxskin.h"
#include "parserxml.h"
#include "qrecordareainfo.h"
#include "sounddevicelibrary.h"

namespace {

const QString kSettingsElement = QStringLiteral("XML_AUDIO_RECORD_TYPE");
const QString kApplicationSetting = QStringLiteral("SYSTEM_AUDIO_APPLICATION_");

// The icon the application's streams name, from the desktop's icon theme; the skin's when the
// theme has none.
QIcon applicationIcon(const QString& iconName)
{
    const QIcon fallback(NxSkin::pixmap(QStringLiteral("/image/icon_application.png")));
    return iconName.isEmpty() ? fallback : QIcon::fromTheme(iconName, fallback);
}

}  // namespace

SystemSourceList::SystemSourceList(QComboBox* combo, olmet::SoundDevice* device, QObject* parent)
    : QObject(parent), m_combo(combo), m_device(device)
{
    const QString stored = ParserXML::getSettingValue(kSettingsElement, kApplicationSetting, {});
    QRecordAreaInfo::instance().setApplication(stored);
    m_chosenName = stored;
    connect(m_combo, QOverload<int>::of(&QComboBox::activated), this,
            &SystemSourceList::onActivated);
    m_combo->installEventFilter(this);
    if (m_device)
        m_device->RefreshApplicationList();
    refill();
}

QString SystemSourceList::chosenKey() const
{
    return QRecordAreaInfo::instance().application();
}

QString SystemSourceList::chosenName() const
{
    return chosenKey().isEmpty() ? QString() : m_chosenName;
}

void SystemSourceList::poll()
{
    if (!m_device || !m_device->IsApplicationListChanged())
        return;
    m_device->RefreshApplicationList();
    refill();
}

void SystemSourceList::refill()
{
    const QString chosen = chosenKey();
    m_combo->clear();
    m_combo->addItem(QIcon(NxSkin::pixmap(QStringLiteral("/image/icon_device_system.png"))),
                     tr("All system audio"), QString());
    int current = 0;
    const int count = m_device ? m_device->GetApplicationCount() : 0;
    for (int i = 0; i < count; ++i) {
        const QString key = SoundDeviceLibrary::text(m_device->GetApplicationKey(i));
        const QString name = SoundDeviceLibrary::text(m_device->GetApplicationName(i));
        m_combo->addItem(
            applicationIcon(SoundDeviceLibrary::text(m_device->GetApplicationIconName(i))), name,
            key);
        if (key == chosen) {
            current = m_combo->count() - 1;
            m_chosenName = name;
        }
    }
    // A chosen application that plays nothing now stays chosen.
    if (!chosen.isEmpty() && current == 0) {
        m_combo->addItem(applicationIcon({}), tr("%1 (not playing)").arg(m_chosenName), chosen);
        current = m_combo->count() - 1;
    }
    m_combo->setCurrentIndex(current);
    m_combo->setToolTip(tr("What system audio records"));
}

void SystemSourceList::onActivated(int index)
{
    const QString key = m_combo->itemData(index).toString();
    if (!key.isEmpty())
        m_chosenName = m_combo->itemText(index);
    choose(key);
}

void SystemSourceList::choose(const QString& key)
{
    if (key == chosenKey())
        return;
    QRecordAreaInfo::instance().setApplication(key);
    if (key.isEmpty())
        m_chosenName.clear();
    else if (m_chosenName.isEmpty())
        m_chosenName = key;
    // The setter writes only into an element that exists; reading first creates it.
    ParserXML::getSettingValue(kSettingsElement, kApplicationSetting, {});
    ParserXML::setSettingValue(kSettingsElement, kApplicationSetting, key);
    refill();
    emit emitChoiceChanged();
}

bool SystemSourceList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo && event->type() == QEvent::LanguageChange)
        refill();
    return QObject::eventFilter(watched, event);
}
