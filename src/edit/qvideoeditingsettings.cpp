#include "qvideoeditingsettings.h"

#include "nxplayermanager.h"

QVideoEditingSettings::QVideoEditingSettings(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<VEEditConfig>();
    qRegisterMetaType<VEAudioTagInfo>();
}

void QVideoEditingSettings::setConfig(const VEEditConfig& config)
{
    const bool rangeChanged =
        config.trimStartUs != m_config.trimStartUs || config.trimEndUs != m_config.trimEndUs;
    m_config = config;
    applyToPlayer(rangeChanged);
}

void QVideoEditingSettings::setTags(const VEAudioTagInfo& tags)
{
    m_config.tags = tags;
}

void QVideoEditingSettings::attachPlayer(NxPlayerManager* player)
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (!m_player)
        return;
    connect(m_player, &NxPlayerManager::emitPlayerChange, this,
            &QVideoEditingSettings::playerChange);
    connect(m_player, &NxPlayerManager::emitTrimTimeChange, this,
            &QVideoEditingSettings::trimTimeChange);
}

void QVideoEditingSettings::trimTimeChange(uint64_t startTime, uint64_t endTime)
{
    m_config.trimStartUs = startTime;
    m_config.trimEndUs = endTime;
}

void QVideoEditingSettings::playerChange()
{
    applyToPlayer(false);
}

void QVideoEditingSettings::applyToPlayer(bool rangeChanged)
{
    if (!m_player)
        return;
    // Setting the range stops and rewinds the player, so it is only touched when it changed.
    if (rangeChanged && (m_config.trimStartUs != 0 || m_config.trimEndUs != 0))
        m_player->onTrim(m_config.trimStartUs, m_config.trimEndUs);
    else if (rangeChanged && m_player->isRangeActive())
        m_player->onReset();
    m_player->applyEffects(m_config);
}
