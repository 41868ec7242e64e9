#include "qplaycontrolwgt.h"

#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>

#include "nxqplayobject.h"
#include "nxskin.h"
#include "parserxml.h"
#include "playlistorder.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qvolumewidget.h"

namespace {

const QString kZeroTime = QStringLiteral("00:00:00");
constexpr int kMargin = 10;
constexpr int kSliderHeight = 14;
constexpr int kButtonGap = 12;
constexpr int kTextPixelSize = 12;

QLabel* textLabel(QWidget* parent, const QColor& color)
{
    auto* label = new QLabel(parent);
    label->setFont(NxSkin::font(kTextPixelSize));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

}  // namespace

QPlayControlWgt::QPlayControlWgt(QWidget* parent)
    : QNxWidget(parent), m_player(new NxQPlayObject(this))
{
    setBackgroundImage(QStringLiteral("/image/common/bg_gradual.png"));
    setFixedHeight(kHeight);
    setMinimumWidth(360);
    buildControls();
    connectControls();
    retranslateUi();
    m_player->setSoundVolume(m_volume);
    m_volumePopup->OnSetVolume(m_volume);
    setVolumeIcon(m_volumePopup->ratio());
    showPlaying(false);
}

QPlayControlWgt::~QPlayControlWgt() = default;

void QPlayControlWgt::buildControls()
{
    m_btnPlay = new QNxBaseButton(QStringLiteral("/image/BottomWidget/btn_play.png"), this);
    m_btnPause = new QNxBaseButton(QStringLiteral("/image/BottomWidget/btn_pause.png"), this);
    m_btnPrevious = new QNxBaseButton(QStringLiteral("/image/BottomWidget/btn_previous.png"), this);
    m_btnNext = new QNxBaseButton(QStringLiteral("/image/BottomWidget/btn_next.png"), this);
    m_btnVolume = new QNxBaseButton(this);
    m_progress = new QNxBaseSlider(Qt::Horizontal, this);
    m_progress->setImages(QStringLiteral("/image/BottomWidget/slider_play_bottom.png"),
                          QStringLiteral("/image/BottomWidget/slider_play_top.png"),
                          QStringLiteral("/image/slider_btn.png"));
    m_progress->setRange(0, 1000);
    m_lblFileName = textLabel(this, NxSkin::text());
    m_lblPosition = textLabel(this, NxSkin::textDim());
    m_lblPosition->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblDuration = textLabel(this, NxSkin::textDim());
    m_lblDuration->setText(kZeroTime);
    m_lblPosition->setText(kZeroTime + QStringLiteral(" / ") + kZeroTime);
    m_volumePopup = new QVolumeWidget(this);
    m_volumePopup->hide();
}

void QPlayControlWgt::connectControls()
{
    connect(m_btnPlay, &QAbstractButton::clicked, this, &QPlayControlWgt::OnBtnPlay);
    connect(m_btnPause, &QAbstractButton::clicked, this, &QPlayControlWgt::OnBtnPause);
    connect(m_btnPrevious, &QAbstractButton::clicked, this, &QPlayControlWgt::OnPrevious);
    connect(m_btnNext, &QAbstractButton::clicked, this, &QPlayControlWgt::OnNext);
    connect(m_btnVolume, &QAbstractButton::clicked, this, &QPlayControlWgt::OnBtnVolume);
    connect(m_volumePopup->slider(), &QNxBaseSlider::sendProgressValue, this,
            &QPlayControlWgt::OnVolumeChange);
    connect(m_player, &NxQPlayObject::emitPlayPro, this, &QPlayControlWgt::OnSetPlayProgress);
    connect(m_player, &NxQPlayObject::emitCurPlayTime, m_lblPosition, &QLabel::setText);
    connect(m_player, &NxQPlayObject::emitPlayFinish, this, &QPlayControlWgt::OnNext);
    connect(m_progress, &QNxBaseSlider::sendPressEvent, this,
            &QPlayControlWgt::OnPressPlayProgressSlider);
    connect(m_progress, &QNxBaseSlider::sendReleseEvent, this,
            &QPlayControlWgt::OnReleasePlayProgressSlider);
    connect(m_progress, &QNxBaseSlider::sendProgressValue, m_player,
            &NxQPlayObject::ProgressValueChange);
}

void QPlayControlWgt::retranslateUi()
{
    m_btnPlay->setToolTip(tr("Play"));
    m_btnPause->setToolTip(tr("Pause"));
    m_btnPrevious->setToolTip(tr("Previous"));
    m_btnNext->setToolTip(tr("Next"));
    m_btnVolume->setToolTip(tr("Volume"));
    m_progress->setToolTip(tr("Position"));
    m_progress->setAccessibleName(tr("Position"));
    setAccessibleName(tr("Player"));
}

void QPlayControlWgt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxWidget::changeEvent(event);
}

void QPlayControlWgt::resizeEvent(QResizeEvent* event)
{
    QNxWidget::resizeEvent(event);
    layoutControls();
}

// Laid out by hand: the progress slider across the top; below it the file's name and duration
// at the left, previous / play-pause / next in the middle, the position and the volume button
// at the right.
void QPlayControlWgt::layoutControls()
{
    m_progress->setGeometry(kMargin, 2, width() - 2 * kMargin, kSliderHeight);
    const int top = kSliderHeight + 2;
    const int centreY = top + (height() - top) / 2;
    const QSize play = m_btnPlay->size();
    const int playX = (width() - play.width()) / 2;
    m_btnPlay->move(playX, centreY - play.height() / 2);
    m_btnPause->move(playX, centreY - play.height() / 2);
    m_btnPrevious->move(playX - kButtonGap - m_btnPrevious->width(),
                        centreY - m_btnPrevious->height() / 2);
    m_btnNext->move(playX + play.width() + kButtonGap, centreY - m_btnNext->height() / 2);
    m_btnVolume->move(width() - kMargin - m_btnVolume->width(),
                      centreY - m_btnVolume->height() / 2);
    const int lineHeight = m_lblFileName->fontMetrics().height();
    const int textWidth = qMax(0, m_btnPrevious->x() - 2 * kMargin - 6);
    m_lblFileName->setGeometry(2 * kMargin, centreY - lineHeight, textWidth, lineHeight);
    m_lblDuration->setGeometry(2 * kMargin, centreY, textWidth, lineHeight);
    const int positionLeft = m_btnNext->x() + m_btnNext->width() + kMargin;
    m_lblPosition->setGeometry(positionLeft, centreY - lineHeight / 2,
                               qMax(0, m_btnVolume->x() - kMargin - positionLeft), lineHeight);
    showFileName(m_fileName);
}

void QPlayControlWgt::showFileName(const QString& name)
{
    m_fileName = name;
    m_lblFileName->setText(
        m_lblFileName->fontMetrics().elidedText(name, Qt::ElideMiddle, m_lblFileName->width()));
    m_lblFileName->setToolTip(name);
    m_lblFileName->setAccessibleName(name);
}

void QPlayControlWgt::showPlaying(bool playing)
{
    m_playing = playing;
    m_btnPause->setVisible(playing);
    m_btnPlay->setVisible(!playing);
}

void QPlayControlWgt::clearCurrent()
{
    m_currentPath.clear();
    showFileName(QString());
    m_lblDuration->setText(kZeroTime);
}

bool QPlayControlWgt::OnSetPlayFile(QString path)
{
    if (path.isEmpty() || !m_player)
        return false;
    m_currentPath = PlayListOrder::normalised(path);
    showFileName(m_currentPath.mid(m_currentPath.lastIndexOf(QLatin1Char('/')) + 1));
    const std::optional<HistoryRecord> record = ParserXML::findHistory(m_currentPath);
    m_lblDuration->setText(record && !record->duration.isEmpty() ? record->duration : kZeroTime);
    if (!m_playList.contains(m_currentPath))
        m_playList << m_currentPath;
    const bool opened = m_player->StartPlay(m_currentPath, 0, 0);
    if (!opened)
        qWarning().noquote() << "Play bar: cannot open" << m_currentPath << m_player->lastError();
    emit emitPlaybackChanged();
    return opened;
}

bool QPlayControlWgt::playFile(const QString& path)
{
    if (!OnSetPlayFile(path)) {
        clearCurrent();
        stopAfterFailure();
        return false;
    }
    play(true);
    emit emitPlayingFilePath(m_currentPath);
    return true;
}

void QPlayControlWgt::play(bool announce)
{
    if (!m_player || m_playList.isEmpty())
        return;
    if (m_currentPath.isEmpty()) {
        const int index = loadFrom(0, true, true);
        if (index < 0) {
            // Nothing opens: the bar stays as it is rather than showing a pause button.
            emit emitPlaybackChanged();
            return;
        }
        emit emitPlayingFilePath(m_playList.at(index));
    }
    showPlaying(true);
    m_player->OnPlayVideo();
    if (announce)
        emit emitPlayOrPauseState(true);
    emit emitPlaybackChanged();
}

void QPlayControlWgt::pause(bool announce)
{
    if (m_player && !m_playList.isEmpty() && !m_currentPath.isEmpty()) {
        showPlaying(false);
        m_player->pausePlay();
    }
    if (announce)
        emit emitPlayOrPauseState(false);
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnBtnPlay()
{
    play(true);
}

void QPlayControlWgt::OnBtnPause()
{
    pause(true);
}

void QPlayControlWgt::OnPlayOrPause(bool bPlay)
{
    if (bPlay)
        play(false);
    else
        pause(false);
}

// A file that does not open (gone, damaged, not media) is passed over in the direction of
// travel, so one bad file does not stop the list.
int QPlayControlWgt::loadFrom(int index, bool forward, bool stopAtEnd)
{
    for (int tries = 0; index >= 0 && tries < m_playList.size(); ++tries) {
        const QString path = m_playList.at(index);
        if (OnSetPlayFile(path))
            return index;
        index = forward ? PlayListOrder::nextIndex(m_playList, path, stopAtEnd)
                        : PlayListOrder::previousIndex(m_playList, path);
    }
    clearCurrent();
    return -1;
}

void QPlayControlWgt::finishList()
{
    emit emitFinishPlay();
    if (m_playing)
        OnBtnPause();
    clearCurrent();
    showPlaying(false);
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnNext()
{
    // The player also reports a file it could not open or a closed file; only a file that
    // played to its end moves on by itself.
    const bool fromPlayer = sender() == m_player;
    const bool finishedByItself = fromPlayer && m_player->state() == NxQPlayObject::Finished;
    if ((fromPlayer && !finishedByItself) || m_playList.isEmpty())
        return;
    const int next = PlayListOrder::nextIndex(m_playList, m_currentPath, finishedByItself);
    const int loaded = next < 0 ? -1 : loadFrom(next, true, finishedByItself);
    if (loaded >= 0)
        playLoaded(loaded);
    else if (finishedByItself)
        finishList();
    else
        stopAfterFailure();
}

void QPlayControlWgt::OnPrevious()
{
    const int previous = PlayListOrder::previousIndex(m_playList, m_currentPath);
    const int loaded = previous < 0 ? -1 : loadFrom(previous, false, false);
    if (loaded >= 0)
        playLoaded(loaded);
    else if (previous >= 0)
        stopAfterFailure();
}

void QPlayControlWgt::playLoaded(int index)
{
    play(true);
    emit emitPlayingFilePath(m_playList.at(index));
}

void QPlayControlWgt::stopAfterFailure()
{
    showPlaying(false);
    emit emitPlayOrPauseState(false);
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnSetPlayList(QStringList playList)
{
    m_playList = PlayListOrder::normalised(std::move(playList));
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnAppendPlayList(QStringList playList)
{
    m_playList << PlayListOrder::normalised(std::move(playList));
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnRenameAudioFile(QString oldPath, QString newPath)
{
    oldPath = PlayListOrder::normalised(oldPath);
    newPath = PlayListOrder::normalised(newPath);
    if (!QFileInfo::exists(newPath) || !m_player || oldPath == newPath)
        return;
    const int at = m_playList.indexOf(oldPath);
    if (at >= 0)
        m_playList[at] = newPath;
    if (m_currentPath == oldPath) {
        m_currentPath = newPath;
        showFileName(newPath.mid(newPath.lastIndexOf(QLatin1Char('/')) + 1));
    }
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnRemoveFiles(QStringList pathList)
{
    for (const QString& path : PlayListOrder::normalised(std::move(pathList))) {
        if (!m_playList.contains(path))
            continue;
        if (path == m_currentPath) {
            if (m_playing)
                pause(false);
            m_player->stopAndCloseFile();
            clearCurrent();
        }
        m_playList.removeAll(path);
    }
    if (!m_playList.isEmpty() && m_currentPath.isEmpty()) {
        const QString first = m_playList.first();
        if (OnSetPlayFile(first)) {
            emit emitPlayingFilePath(first);
            emit emitPlayOrPauseState(false);
        } else {
            clearCurrent();
        }
    }
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnRemoveAllFiles()
{
    if (m_playing)
        pause(false);
    clearCurrent();
    m_player->stopAndCloseFile();
    m_playList.clear();
    m_hasRememberedPosition = false;
    emit emitPlaybackChanged();
}

void QPlayControlWgt::OnCloseFileIfIsPlaying(QString path)
{
    if (m_currentPath.isEmpty() || PlayListOrder::normalised(path) != m_currentPath)
        return;
    m_rememberedPosition = m_player->position();
    m_hasRememberedPosition = true;
    if (m_playing)
        pause(false);
    m_player->stopAndCloseFile();
}

void QPlayControlWgt::OnContinuePlayAfterEdit(bool bPlay)
{
    if (!m_hasRememberedPosition)
        return;
    m_hasRememberedPosition = false;
    if (!OnSetPlayFile(m_currentPath)) {
        clearCurrent();
        emit emitPlaybackChanged();
        return;
    }
    const uint64_t position = m_rememberedPosition;
    m_rememberedPosition = 0;
    m_player->setPlayerSeek(position);
    const uint64_t duration = m_player->duration();
    if (duration > 0)
        m_progress->setRatio(double(position) / double(duration));
    if (bPlay)
        play(true);
}

// The pop-up sits centred above the volume button, its bottom edge a pixel above it.
void QPlayControlWgt::OnBtnVolume()
{
    const QPoint at = m_btnVolume->mapToGlobal(
        QPoint((m_btnVolume->width() - m_volumePopup->width()) / 2, -m_volumePopup->height() - 1));
    m_volumePopup->move(at);
    m_volumePopup->show();
    m_volumePopup->setFocus();
}

void QPlayControlWgt::OnSetPlayProgress(double dVal)
{
    m_progress->setRatio(dVal);
}

void QPlayControlWgt::OnVolumeChange(double dVal)
{
    const QNxBaseSlider* slider = m_volumePopup->slider();
    m_volume = int((slider->maximum() - slider->minimum()) * dVal);
    setVolumeIcon(dVal);
    m_player->setSoundVolume(m_volume);
    emit emitPlaybackChanged();
}

void QPlayControlWgt::setVolumeRatio(double ratio)
{
    ratio = qBound(0.0, ratio, 1.0);
    m_volumePopup->OnSetVolume(qRound(ratio * m_volumePopup->slider()->maximum()));
    OnVolumeChange(ratio);
}

void QPlayControlWgt::setVolumeIcon(double ratio)
{
    m_volumeIcon = QVolumeWidget::buttonIcon(ratio);
    m_btnVolume->setImage(m_volumeIcon);
}

// Dragging is silent: the sound is off from the press to the release, while the player seeks
// to each position the slider passes.
void QPlayControlWgt::OnPressPlayProgressSlider(QMouseEvent*)
{
    m_player->setSoundVolume(0);
    m_player->beginAsyncSeek();
}

void QPlayControlWgt::OnReleasePlayProgressSlider(QMouseEvent*)
{
    m_player->endAsyncSeek();
    m_player->setSoundVolume(m_volume);
}
