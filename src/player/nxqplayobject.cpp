#include "nxqplayobject.h"

#include "nxcoverimage.h"
#include "nxplayerclass.h"
#include "timetext.h"

namespace {

constexpr int kTimeTickMs = 100;
constexpr int kScreenTickMs = 50;
constexpr int kLevelTickMs = 50;

}  // namespace

NxQPlayObject::NxQPlayObject(QObject* parent)
    : QObject(parent),
      m_player(new NxPlayerClass(-1, this)),
      m_timeTimer(new QTimer(this)),
      m_screenTimer(new QTimer(this)),
      m_levelTimer(new QTimer(this))
{
    connect(m_timeTimer, &QTimer::timeout, this, &NxQPlayObject::UpdateTime);
    connect(m_screenTimer, &QTimer::timeout, this, &NxQPlayObject::UpdataScreen);
    connect(m_levelTimer, &QTimer::timeout, this, &NxQPlayObject::OnAudioDataTime);
}

NxQPlayObject::~NxQPlayObject() = default;

uint64_t NxQPlayObject::position() const
{
    return m_player->position();
}

uint64_t NxQPlayObject::duration() const
{
    return m_player->duration();
}

void NxQPlayObject::emitTimes(uint64_t positionUs)
{
    const QString text = playTimeText(positionUs, m_player->duration());
    emit emitCurPlayTime(text);
    emit emitPlayTime(text);
}

void NxQPlayObject::stopTimers()
{
    m_timeTimer->stop();
    m_screenTimer->stop();
    m_levelTimer->stop();
}

void NxQPlayObject::pauseTimers()
{
    m_screenTimer->start(kScreenTickMs);
    m_timeTimer->stop();
    m_levelTimer->stop();
    emit emitAudioData(nullptr, 0);
}

bool NxQPlayObject::StartPlay(QString path, int a, int b)
{
    if (!m_player->isFinished())
        m_player->stop();
    emit emitRefreshPlayView();
    if (!m_player->open(path.toUtf8(), a, b)) {
        m_error = m_player->openError();
        m_state = Stopped;
        stopTimers();
        emitTimes(0);
        emit emitPlayPro(0.0);
        emit emitPlayFinish();
        return false;
    }
    m_error.clear();
    m_player->setUpdateInterval(50000);
    m_player->setSoundVolume(int(m_volume));
    emitTimes(0);
    m_screenTimer->start(kScreenTickMs);
    if (m_player->hasPictureStream()) {
        m_player->setLevelData(false);
        m_levelDataEnabled = false;
        emit emitIsHaveVideo(true);
    } else if (m_player->hasSoundStream()) {
        m_player->setLevelData(true);
        m_levelDataEnabled = true;
        emit emitIsHaveVideo(false);
    }
    emit emitCoverImage(getCoverImage(path));
    return true;
}

void NxQPlayObject::OnPlayVideo()
{
    if (!m_player->hasPictureStream() && !m_player->hasSoundStream()) {
        emitTimes(0);
        emit emitPlayPro(0.0);
        emit emitPlayFinish();
        return;
    }
    if (m_player->isFinished())
        m_player->stop();
    if (!m_player->play()) {
        m_state = FailedToStart;
        return;
    }
    m_state = Playing;
    if (m_levelDataEnabled)
        m_levelTimer->start(kLevelTickMs);
    m_screenTimer->stop();
    m_timeTimer->start(kTimeTickMs);
}

void NxQPlayObject::pausePlay()
{
    if (m_player->pause()) {
        m_state = Paused;
        pauseTimers();
    }
}

void NxQPlayObject::OnPauseVideo()
{
    emit emitPlayState(false);
    pausePlay();
}

void NxQPlayObject::OnBtnStop()
{
    if (!m_player->handle() || m_player->isFinished() || !m_player->stop())
        return;
    m_state = Stopped;
    emitTimes(0);
    emit emitPlayPro(0.0);
    stopTimers();
    emit emitAudioData(nullptr, 0);
}

void NxQPlayObject::closePlay()
{
    OnBtnStop();
    m_player->close();
    emitTimes(0);
    emit emitPlayPro(0.0);
    emit emitPlayFinish();
    emit emitClosePlay();
    emit emitAudioData(nullptr, 0);
}

void NxQPlayObject::stopAndCloseFile()
{
    if (!m_player->handle() || m_player->isFinished() || !m_player->stop())
        return;
    m_state = Stopped;
    stopTimers();
    m_player->close();
    emitTimes(0);
    emit emitPlayPro(0.0);
    emit emitClosePlay();
    emit emitAudioData(nullptr, 0);
}

void NxQPlayObject::UpdateTime()
{
    if (!m_player->isFinished()) {
        const uint64_t position = m_player->position();
        const uint64_t duration = m_player->duration();
        if (position != 0) {
            emit emitPlayPro(duration ? double(position) / double(duration) : 0.0);
            emitTimes(position);
        }
        return;
    }
    m_state = Finished;
    m_player->stop();
    m_levelTimer->stop();
    emit emitAudioData(nullptr, 0);
    m_timeTimer->stop();
    emitTimes(0);
    emit emitPlayPro(0.0);
    emit emitPlayFinish();
}

void NxQPlayObject::UpdataScreen()
{
    if (m_player->hasPictureStream() && !m_player->isFinished())
        m_player->refreshVideo();
}

void NxQPlayObject::OnAudioDataTime()
{
    const uint8_t* block = m_player->audioData(1);
    if (!block)
        return;
    emit emitAudioData(const_cast<unsigned char*>(block), NxPlayerClass::levelCount(block));
    m_player->releaseAudioData(block);
}

void NxQPlayObject::setSoundVolume(int value)
{
    m_volume = value;
    m_player->setSoundVolume(value);
}

void NxQPlayObject::ProgressValueChange(double ratio)
{
    const uint64_t target = ratio > 1e-8 ? uint64_t(double(m_player->duration()) * ratio) : 0;
    setPlayerSeek(target);
}

void NxQPlayObject::setPlayerSeek(uint64_t positionUs)
{
    if (m_player->isFinished())
        m_player->stop();
    m_player->seek(positionUs);
    emitTimes(positionUs);
}

void NxQPlayObject::ResizeVideoWindow(bool keepScale)
{
    m_keepScale = keepScale;
}

QImage NxQPlayObject::getCoverImage(QString filePath)
{
    return NxCoverImage::ofFile(filePath);
}

void NxQPlayObject::beginAsyncSeek()
{
    m_player->beginAsyncSeek(2000000);
}

void NxQPlayObject::endAsyncSeek()
{
    m_player->endAsyncSeek();
}
