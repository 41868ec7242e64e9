#include "nxplayermanager.h"

#include <algorithm>

#include "nxinfoclass.h"
#include "nxplayerclass.h"
#include "timetext.h"

NxPlayerManager::NxPlayerManager(QObject* parent)
    : QObject(parent),
      m_timeTimer(new QTimer(this)),
      m_screenTimer(new QTimer(this)),
      m_levelTimer(new QTimer(this))
{
    qRegisterMetaType<VEEditConfig>();
    qRegisterMetaType<uint64_t>("uint64_t");
    connect(m_timeTimer, &QTimer::timeout, this, &NxPlayerManager::updateTime);
    connect(m_screenTimer, &QTimer::timeout, this, &NxPlayerManager::updataScreen);
    connect(m_levelTimer, &QTimer::timeout, this, &NxPlayerManager::audioDataChanged);
}

NxPlayerManager::~NxPlayerManager()
{
    delete m_player;
    delete m_streamInfo;
}

void NxPlayerManager::releasePlayer()
{
    m_timeTimer->stop();
    m_screenTimer->stop();
    m_levelTimer->stop();
    if (m_player)
        m_player->release();
}

bool NxPlayerManager::open(const QString& path, int a, int b, int mode)
{
    m_a = a;
    m_b = b;
    if (!m_player || !m_player->handle()) {
        delete m_player;
        m_player = new NxPlayerClass(-1);
    }
    if (!m_player->isFinished())
        m_player->stop();
    if (!m_player->open(path.toUtf8(), a, b, 0, 0, 0)) {
        m_error = m_player->openError();
        releasePlayer();
        return false;
    }
    m_error.clear();
    if (!m_streamInfo)
        m_streamInfo = new NxInfoClass;
    const QByteArray utf8 = path.toUtf8();
    m_streamInfo->OpenMediaInfo(utf8);
    m_streamInfo->SelectDiscTitle(0);
    m_player->setPreviewMode(mode);
    m_player->setUpdateInterval(kUpdateIntervalUs);
    applyEnd();
    m_player->seek(m_rangeStart);
    m_screenTimer->start(kScreenTickMs);
    m_player->setSoundVolume(m_soundVolume);
    m_player->setRendererVolume(m_rendererVolume);
    applyEffectsToPlayer();
    decideMode();
    emit emitPlayerChange();
    return true;
}

void NxPlayerManager::decideMode()
{
    if (m_player->hasPictureStream()) {
        m_player->setLevelData(false);
        emit emitIsHaveVideo(true);
        m_levelDataEnabled = false;
    } else if (m_player->hasSoundStream()) {
        m_player->setLevelData(true);
        emit emitIsHaveVideo(false);
        m_levelDataEnabled = true;
    }
}

void NxPlayerManager::applyEffects(const VEEditConfig& config)
{
    m_effects = config;
    m_soundVolume = config.levelA;
    if (m_player && m_player->handle())
        m_player->setSoundVolume(m_soundVolume);
    applyEffectsToPlayer();
}

void NxPlayerManager::applyEffectsToPlayer()
{
    if (!m_player || !m_player->handle())
        return;
    m_player->setEffectLevelB(m_effects.levelB);
    m_player->setEffectLevelC(m_effects.levelC);
    m_player->setEqualizer(m_effects.eqFrequencies, m_effects.eqGains);
}

void NxPlayerManager::applyEnd()
{
    if (!m_player || !m_player->handle())
        return;
    m_player->setEndPosition(m_segmentPlaying ? m_segmentEnd : m_rangeActive ? m_rangeEnd : 0);
}

uint64_t NxPlayerManager::durationOfRange()
{
    const uint64_t file = m_player ? m_player->duration() : 0;
    if (!m_rangeActive)
        return file;
    if (m_rangeEnd != 0 && m_rangeEnd > m_rangeStart)
        return m_rangeEnd - m_rangeStart;
    return file > m_rangeStart ? file - m_rangeStart : 0;
}

uint64_t NxPlayerManager::relative(uint64_t positionUs) const
{
    if (!m_rangeActive)
        return positionUs;
    return positionUs > m_rangeStart ? positionUs - m_rangeStart : 0;
}

void NxPlayerManager::emitTimes(uint64_t relativeUs)
{
    const uint64_t duration = durationOfRange();
    emit emitPlayTime(playTimeText(relativeUs, duration));
    emit emitPlayTime2(playTimeText(relativeUs, duration, true));
}

void NxPlayerManager::resetDisplay()
{
    emitTimes(0);
    emit emitPlayProgress(0.0);
    emit emitPlayFinish();
}

void NxPlayerManager::stopTimersForPause()
{
    m_screenTimer->start(kScreenTickMs);
    m_timeTimer->stop();
    m_levelTimer->stop();
    emit emitAudioData(nullptr, 0);
}

void NxPlayerManager::onPlay()
{
    if (!m_player || !m_player->handle())
        return;
    if (!m_player->hasPictureStream() && !m_player->hasSoundStream()) {
        resetDisplay();
        return;
    }
    if (m_player->isFinished())
        m_player->stop();
    if (!m_player->play()) {
        emit emitPlayState(false);
        return;
    }
    emit emitPlayState(true);
    if (m_levelDataEnabled)
        m_levelTimer->start(kLevelTickMs);
    m_screenTimer->stop();
    m_timeTimer->start(kTimeTickMs);
}

void NxPlayerManager::startPlay()
{
    onPlay();
    emit emitPlayState(true);
}

void NxPlayerManager::pausePlay()
{
    if (m_player && m_player->pause())
        stopTimersForPause();
    emit emitPlayState(false);
}

void NxPlayerManager::onPause()
{
    m_segmentPlaying = false;
    applyEnd();
    pausePlay();
}

void NxPlayerManager::onStop()
{
    m_segmentPlaying = false;
    applyEnd();
    if (!m_player || !m_player->handle() || !m_player->stop())
        return;
    m_player->seek(m_rangeStart);
    resetDisplay();
    stopTimersForPause();
}

void NxPlayerManager::closePlay()
{
    onStop();
    if (m_player)
        m_player->close();
    emitTimes(0);
    emit emitPlayProgress(0.0);
    emit emitPlayFinish();
    emit emitClosePlay();
    emit emitAudioData(nullptr, 0);
}

void NxPlayerManager::updateTime()
{
    if (!m_player || !m_player->handle())
        return;
    const uint64_t position = m_player->position();
    const uint64_t duration = durationOfRange();
    // The engine stops exactly at the segment's end (applyEnd), so "reached" is ">=".
    if (m_segmentPlaying && position >= m_segmentEnd) {
        // Paused before the end moves on: otherwise the player would play on past the
        // segment's end until the pause came.
        m_segmentPlaying = false;
        pausePlay();
        applyEnd();
        m_player->seek(m_segmentEnd);
        const uint64_t rel = m_segmentEnd - std::min(m_segmentEnd, m_rangeStart);
        emit emitPlayProgress(duration ? double(rel) / double(duration) : 0.0);
        emitTimes(rel);
        emit emitTrimPlayState(false);
        return;
    }
    if (m_rangeActive && m_rangeEnd != 0 && position > m_rangeEnd) {
        onStop();
        return;
    }
    if (m_player->isFinished()) {
        onStop();
        return;
    }
    if (position != 0) {
        const uint64_t rel = relative(position);
        emit emitPlayProgress(duration ? double(rel) / double(duration) : 0.0);
        emitTimes(rel);
    }
}

void NxPlayerManager::updataScreen()
{
    if (m_player && m_player->hasPictureStream() && !m_player->isFinished())
        m_player->refreshVideo();
}

void NxPlayerManager::audioDataChanged()
{
    if (!m_player)
        return;
    const uint8_t* block = m_player->audioData(m_levelDataCount);
    if (!block)
        return;
    emit emitAudioData(const_cast<unsigned char*>(block), NxPlayerClass::levelCount(block));
    m_player->releaseAudioData(block);
}

void NxPlayerManager::progressValueChange(double value)
{
    if (!m_player)
        return;
    const uint64_t duration = durationOfRange();
    m_player->seek(m_rangeStart + uint64_t(double(duration) * value));
    emitTimes(uint64_t(double(duration) * value));
}

void NxPlayerManager::beginAsyncSeek()
{
    if (m_player)
        m_player->beginAsyncSeek(kAsyncSeekValue);
}

void NxPlayerManager::endAsyncSeek()
{
    if (m_player)
        m_player->endAsyncSeek();
}

void NxPlayerManager::onTrim(uint64_t startTime, uint64_t endTime)
{
    m_rangeStart = startTime;
    m_rangeEnd = endTime;
    m_rangeActive = true;
    onStop();
    if (m_player)
        m_player->seek(m_rangeStart);
    emitTimes(0);
    emit emitTrimTimeChange(startTime, endTime);
}

void NxPlayerManager::onTrimChapter(uint64_t startTime, uint64_t endTime)
{
    onTrim(startTime, endTime);
}

void NxPlayerManager::onReset()
{
    m_rangeStart = m_rangeEnd = 0;
    m_rangeActive = false;
    onStop();
    if (m_player)
        m_player->seek(0);
    emitTimes(0);
    emit emitTrimTimeChange(0, 0);
}

void NxPlayerManager::onTrimPlay(float startPos, float endPos)
{
    const uint64_t duration = durationOfRange();
    m_segmentStart = m_rangeStart + uint64_t(double(duration) * double(startPos));
    m_segmentEnd = m_rangeStart + uint64_t(double(duration) * double(endPos));
    if (!m_segmentPlaying) {
        m_segmentPlaying = true;
        if (m_player)
            m_player->seek(m_segmentStart);
    }
    applyEnd();
    onPlay();
    emit emitPlayState(true);
    emit emitTrimPlayState(true);
}

void NxPlayerManager::onTrimPause()
{
    pausePlay();
    emit emitTrimPlayState(false);
}

void NxPlayerManager::onPreviousStep(bool isSeek, float pos)
{
    step(false, isSeek, pos);
}

void NxPlayerManager::onNextStep(bool isSeek, float pos)
{
    step(true, isSeek, pos);
}

void NxPlayerManager::step(bool next, bool isSeek, float pos)
{
    if (!m_player || !m_player->handle())
        return;
    if (!m_player->isStepPaused()) {
        m_segmentPlaying = false;
        applyEnd();
        pausePlay();
        emit emitTrimPlayState(false);
    }
    const uint64_t duration = durationOfRange();
    const uint64_t target =
        m_rangeStart + uint64_t(double(duration) * double(pos)) + (next ? 1 : 0);
    if (isSeek)
        m_player->seek(target);
    const bool inside = next ? (m_rangeEnd == 0 || target < m_rangeEnd) : target > m_rangeStart;
    if (inside)
        m_player->stepFrame(next ? 1 : -1);
    else if (isSeek)
        m_player->showCurrentFrame();
    const uint64_t shown = m_player->framePosition();
    const uint64_t rel = shown > m_rangeStart ? shown - m_rangeStart : 0;
    const float percent = duration ? float(double(rel) * 100.0 / double(duration)) : 0.0f;
    emit emitPlayProgress(double(percent) / 100.0);
    emit emitStartEndProgressValue(percent);
    emit emitPlayTime2(clockTextMs(rel));
}

void NxPlayerManager::setSoundVolume(int value)
{
    m_soundVolume = value;
    if (m_player && m_player->handle())
        m_player->setSoundVolume(value);
}

void NxPlayerManager::setAudioRendererVolume(int value)
{
    m_rendererVolume = value;
    if (m_player && m_player->handle())
        m_player->setRendererVolume(value);
}
