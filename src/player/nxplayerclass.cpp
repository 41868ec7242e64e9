#include "nxplayerclass.h"

#include <brisca/brisca.h>

#include <algorithm>
#include <cstring>

NxPlayerClass::NxPlayerClass(int32_t mode, QObject* parent)
    : QObject(parent), m_handle(CreatePlayer(mode))
{
}

NxPlayerClass::~NxPlayerClass()
{
    release();
}

void NxPlayerClass::release()
{
    if (!m_handle)
        return;
    PlayerStop(m_handle);
    ClosePlayerMedia(m_handle);
    DestroyPlayer(m_handle);
    m_handle = 0;
}

bool NxPlayerClass::open(const QByteArray& utf8Path, int32_t a, int32_t b, int64_t window, int32_t,
                         int32_t)
{
    if (!m_handle) {
        m_openError = QStringLiteral("no player");
        return false;
    }
    if (OpenPlayerMedia(m_handle, utf8Path.constData(), window, a, b) != 0)
        return true;
    m_openError = QString::fromUtf8(BriscaLastError());
    return false;
}

bool NxPlayerClass::play()
{
    return m_handle && PlayerPlay(m_handle) != 0;
}

bool NxPlayerClass::pause()
{
    return m_handle && PlayerPause(m_handle) != 0;
}

bool NxPlayerClass::stop()
{
    return m_handle && PlayerStop(m_handle) != 0;
}

bool NxPlayerClass::close()
{
    return m_handle && ClosePlayerMedia(m_handle) != 0;
}

bool NxPlayerClass::seek(uint64_t positionUs)
{
    return m_handle && PlayerSeek(m_handle, int64_t(positionUs)) != 0;
}

bool NxPlayerClass::isFinished()
{
    return m_handle && IsPlaybackFinished(m_handle) != 0;
}

bool NxPlayerClass::setEndPosition(uint64_t endUs)
{
    return m_handle && SetPlayerEndPosition(m_handle, int64_t(endUs)) != 0;
}

uint64_t NxPlayerClass::position()
{
    return m_handle ? uint64_t(std::max<int64_t>(0, GetPlayerPosition(m_handle))) : 0;
}

uint64_t NxPlayerClass::duration()
{
    return m_handle ? uint64_t(std::max<int64_t>(0, GetPlayerDuration(m_handle))) : 0;
}

bool NxPlayerClass::stepFrame(int32_t direction)
{
    return m_handle && PlayerStepFrame(m_handle, direction) != 0;
}

bool NxPlayerClass::refreshVideo()
{
    return m_handle && RefreshPlayerVideo(m_handle) != 0;
}

bool NxPlayerClass::beginAsyncSeek(int64_t value)
{
    return m_handle && BeginPlayerAsyncSeek(m_handle, value) != 0;
}

bool NxPlayerClass::endAsyncSeek()
{
    return m_handle && EndPlayerAsyncSeek(m_handle) != 0;
}

bool NxPlayerClass::setUpdateInterval(int32_t intervalUs)
{
    return m_handle && SetPlayerUpdateInterval(m_handle, intervalUs) != 0;
}

bool NxPlayerClass::setPreviewMode(int32_t mode)
{
    return m_handle && SetPreviewRotateParam02(m_handle, mode) != 0;
}

bool NxPlayerClass::setSoundVolume(int32_t percent)
{
    return m_handle && SetPlayerVolume(m_handle, percent, 0) != 0;
}

bool NxPlayerClass::setRendererVolume(int32_t percent)
{
    return m_handle && SetRendererVolume(m_handle, percent) != 0;
}

bool NxPlayerClass::setEffectLevelB(int32_t percent)
{
    return m_handle && SetPlayerEffectLevelB(m_handle, percent) != 0;
}

bool NxPlayerClass::setEffectLevelC(int32_t percent)
{
    return m_handle && SetPlayerEffectLevelC(m_handle, percent) != 0;
}

bool NxPlayerClass::setEqualizer(const QVector<double>& frequenciesHz,
                                 const QVector<double>& gainsDb)
{
    const int count = std::min(frequenciesHz.size(), gainsDb.size());
    return m_handle &&
           SetPlayerEqualizer(m_handle, frequenciesHz.constData(), gainsDb.constData(), count) != 0;
}

const uint8_t* NxPlayerClass::audioData(int32_t count)
{
    return m_handle ? GetPlayerAudioData(m_handle, count) : nullptr;
}

void NxPlayerClass::releaseAudioData(const uint8_t* block)
{
    if (block)
        ReleasePlayerAudioData(m_handle, block);
}

int NxPlayerClass::levelCount(const uint8_t* block)
{
    uint32_t bytes = 0;
    std::memcpy(&bytes, block + 24, 4);
    return int(bytes / 2);
}

bool NxPlayerClass::hasPictureStream()
{
    return m_handle && PlayerHasPictureStream(m_handle) != 0;
}

bool NxPlayerClass::hasSoundStream()
{
    return m_handle && PlayerHasSoundStream(m_handle) != 0;
}

bool NxPlayerClass::isStepPaused()
{
    return m_handle && IsPlayerStepPaused(m_handle) != 0;
}

uint64_t NxPlayerClass::framePosition()
{
    return m_handle ? uint64_t(std::max<int64_t>(0, GetPlayerFramePosition(m_handle))) : 0;
}

bool NxPlayerClass::showCurrentFrame()
{
    return m_handle && ShowPlayerCurrentFrame(m_handle) != 0;
}

bool NxPlayerClass::setLevelData(bool enabled)
{
    return m_handle && SetPlayerLevelData(m_handle, enabled ? 1 : 0) != 0;
}

int32_t NxPlayerClass::state()
{
    return m_handle ? GetPlayerState(m_handle) : 0;
}

QString NxPlayerClass::errorText()
{
    return m_handle ? QString::fromUtf8(GetPlayerError(m_handle)) : QString();
}
