#include "qtrimwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "nxplayerclass.h"
#include "nxskin.h"
#include "qaudiowavewidget.h"
#include "qedittimeex.h"
#include "qnxbasebutton.h"
#include "qnxlineedit.h"
#include "qnxtableview.h"
#include "qtrimitemdelegate.h"
#include "qtrimitemmodel.h"
#include "qtrimitemsortmodel.h"
#include "qvedualslider.h"
#include "qvideoeditingsettings.h"
#include "trimtime.h"

namespace {
constexpr int kWaveHeight = 64;
constexpr int kWaveLeft = 6;
constexpr int kMargin = 12;
constexpr int kTimePixelSize = 13;
constexpr int kEditWidth = 120;
// The library's level blocks: one per update interval, asked for one at a time.
constexpr int32_t kLevelDataCount = 1;
// While a handle is dragged, seeks may land this far before their target, so the drag does
// not wait for every seek; the release lands exactly.
constexpr int64_t kScrubToleranceUs = 2000000;

QLabel* timeLabel(QWidget* parent)
{
    auto* label = new QLabel(trimTimeText(0), parent);
    label->setFont(NxSkin::font(kTimePixelSize));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, NxSkin::text());
    label->setPalette(pal);
    return label;
}
}  // namespace

QTrimWidget::QTrimWidget(QWidget* parent) : QNxWidget(parent)
{
    m_timeTimer = new QTimer(this);
    m_levelTimer = new QTimer(this);
    buildControls();
    buildLayout();
    connectControls();
    retranslate();
    setPlayer(nullptr);
}

QTrimWidget::~QTrimWidget()
{
    m_timeTimer->stop();
    m_levelTimer->stop();
    emit emitSaveFile(m_savedFiles);
}

void QTrimWidget::buildControls()
{
    const auto button = [this](const char* image) {
        return new QNxBaseButton(QString::fromLatin1(image), this);
    };
    m_btnPlay = button("/image/EditDlg/btn_play.png");
    m_btnPause = button("/image/EditDlg/btn_Pause.png");
    m_btnStartSet = button("/image/EditDlg/btn_trimstartset.png");
    m_btnEndSet = button("/image/EditDlg/btn_trimendset.png");
    m_btnTrimPlay = button("/image/EditDlg/btn_trimplay.png");
    m_btnTrimPause = button("/image/EditDlg/btn_trimplay.png");
    m_btnTrimStop = button("/image/EditDlg/btn_trimstop.png");
    m_btnCut = button("/image/common/btn_common.png");
    m_slider = new QVEDualSlider(this);
    m_labelPosition = timeLabel(this);
    m_labelDuration = timeLabel(this);
    m_editStart = new QEditTimeEx(this);
    m_editEnd = new QEditTimeEx(this);
    m_editStart->setFixedWidth(kEditWidth);
    m_editEnd->setFixedWidth(kEditWidth);

    m_wave = new QAudioWaveWidget(QAudioWaveWidget::waveStyle(), this);
    m_wave->setFixedHeight(kWaveHeight);
    m_wave->setBackgroundColor(NxSkin::panel());
    // Hidden while nothing plays, without the controls below jumping up.
    QSizePolicy keep = m_wave->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_wave->setSizePolicy(keep);

    m_model = new QTrimItemModel(this);
    m_sortModel = new QTrimItemSortModel(this);
    m_sortModel->setSourceModel(m_model);
    m_delegate = new QTrimItemDelegate(this);
    m_clipView = new QNxTableView(this);
    m_clipView->setModel(m_sortModel);
    m_clipView->setItemDelegate(m_delegate);
    m_clipView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_clipView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_clipView->setStyleSheet(
        QStringLiteral("QTableView{border:none;background:%1;}").arg(NxSkin::panel().name()));
    QHeaderView* header = m_clipView->horizontalHeader();
    header->setSectionResizeMode(QTrimItemModel::FileNameColumn, QHeaderView::Stretch);
    for (int column = QTrimItemModel::StartTimeColumn; column < QTrimItemModel::ColumnCount;
         ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setStretchLastSection(false);
    // Clips in the order they were made until the user sorts by a column.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_clipView->setSortingEnabled(true);
}

void QTrimWidget::buildLayout()
{
    auto* times = new QHBoxLayout;
    times->setSpacing(6);
    times->addWidget(m_btnPlay);
    times->addWidget(m_btnPause);
    times->addSpacing(6);
    times->addWidget(m_labelPosition);
    times->addWidget(new QLabel(QStringLiteral("/"), this));
    times->addWidget(m_labelDuration);
    times->addStretch(1);
    times->addWidget(m_btnStartSet);
    times->addWidget(m_editStart);
    times->addSpacing(8);
    times->addWidget(m_btnEndSet);
    times->addWidget(m_editEnd);
    times->addSpacing(8);
    times->addWidget(m_btnTrimPlay);
    times->addWidget(m_btnTrimPause);
    times->addWidget(m_btnTrimStop);
    times->addSpacing(8);
    times->addWidget(m_btnCut);

    auto* wave = new QHBoxLayout;
    wave->setContentsMargins(kWaveLeft, 0, 0, 0);
    wave->addWidget(m_wave);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(8);
    column->addLayout(wave);
    column->addWidget(m_slider);
    column->addLayout(times);
    column->addWidget(m_clipView, 1);
}

void QTrimWidget::connectControls()
{
    connect(m_timeTimer, &QTimer::timeout, this, &QTrimWidget::updateTime);
    connect(m_levelTimer, &QTimer::timeout, this, &QTrimWidget::onAudioDataTime);
    connect(m_btnPlay, &QAbstractButton::clicked, this, &QTrimWidget::onPlay);
    connect(m_btnPause, &QAbstractButton::clicked, this, &QTrimWidget::onPause);
    connect(m_btnStartSet, &QAbstractButton::clicked, this, &QTrimWidget::onStartSet);
    connect(m_btnEndSet, &QAbstractButton::clicked, this, &QTrimWidget::onEndSet);
    connect(m_btnTrimPlay, &QAbstractButton::clicked, this, &QTrimWidget::onTrimPlay);
    connect(m_btnTrimPause, &QAbstractButton::clicked, this, &QTrimWidget::onTrimPause);
    connect(m_btnTrimStop, &QAbstractButton::clicked, this, &QTrimWidget::onTrimStop);
    connect(m_btnCut, &QAbstractButton::clicked, this, &QTrimWidget::OnBtnAdd);
    connect(m_slider, &QVEDualSlider::sendProgressValue, this,
            &QTrimWidget::sliderStartValueChange);
    connect(m_slider, &QVEDualSlider::sendEndProgressValue, this,
            &QTrimWidget::sliderEndValueChange);
    connect(m_slider, &QVEDualSlider::sendPlayProValue, this,
            &QTrimWidget::sliderSendPlayProToPlay);
    connect(m_slider, &QVEDualSlider::emitMousePress, this, [this] {
        m_scrubbing = true;
        if (m_player)
            m_player->beginAsyncSeek(kScrubToleranceUs);
    });
    connect(m_slider, &QVEDualSlider::emitmouseRelease, this, [this] {
        m_scrubbing = false;
        if (m_player)
            m_player->endAsyncSeek();
    });
    connect(m_editStart, &QEditTimeEx::emitTextEdited, this,
            [this](uint64_t us) { startTimeChanged(us); });
    connect(m_editEnd, &QEditTimeEx::emitTextEdited, this,
            [this](uint64_t us) { endTimeChanged(us); });
    connect(m_clipView, &QAbstractItemView::pressed, this, &QTrimWidget::OnShowItemTrimTime);
    connect(m_clipView, &QAbstractItemView::doubleClicked, this, &QTrimWidget::OnPlayTrimItem);
    connect(m_delegate, &QTrimItemDelegate::emitClickIndex, this, &QTrimWidget::OnDeleteItem);
}

void QTrimWidget::retranslate()
{
    m_btnPlay->setToolTip(tr("Play"));
    m_btnPause->setToolTip(tr("Pause"));
    m_btnStartSet->setToolTip(tr("Start Set"));
    m_btnEndSet->setToolTip(tr("End Set"));
    m_btnTrimPlay->setToolTip(tr("Play Segment"));
    m_btnTrimPause->setToolTip(tr("Pause Segment"));
    m_btnTrimStop->setToolTip(tr("Stop Segment"));
    m_btnCut->setText(tr("Cut"));
    m_btnCut->setToolTip(tr("Cut"));
    m_labelPosition->setAccessibleName(tr("Position"));
    m_labelDuration->setAccessibleName(tr("Duration"));
    m_editStart->setAccessibleName(tr("Start Time"));
    m_editEnd->setAccessibleName(tr("End Time"));
    // The field inside takes the focus, so a screen reader asks it for the name.
    m_editStart->lineEdit()->setAccessibleName(tr("Start Time"));
    m_editEnd->lineEdit()->setAccessibleName(tr("End Time"));
    m_clipView->setAccessibleName(tr("Clips"));
    m_wave->setAccessibleName(tr("Level"));
}

void QTrimWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QNxWidget::changeEvent(event);
}

void QTrimWidget::setSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
}

bool QTrimWidget::setPlayer(NxPlayerClass* player)
{
    if (!player || !player->handle()) {
        m_player = nullptr;
        showStopped();
        m_levelDataEnabled = false;
        m_marks.reset(0);
        resetControls(false);
        return false;
    }
    m_player = player;
    m_wave->setAudioData(nullptr, 0);
    m_marks.reset(player->duration());
    resetControls(true);
    player->setUpdateInterval(kUpdateIntervalUs);
    // Sound files draw their levels; a picture stream has no level display.
    m_levelDataEnabled = !player->hasPictureStream();
    if (m_levelDataEnabled)
        player->setLevelData(true);
    showTimes(0);
    m_wave->show();
    onPlayAudio();
    return true;
}

void QTrimWidget::refresh()
{
    m_model->clearClips();
    setPlayer(nullptr);
}

void QTrimWidget::resetControls(bool enabled)
{
    m_segmentPlaying = false;
    m_slider->setValue(QVEDualSlider::Value());
    m_labelPosition->setText(trimTimeText(0));
    m_labelDuration->setText(trimTimeText(0));
    for (QWidget* control :
         {static_cast<QWidget*>(m_btnPlay), static_cast<QWidget*>(m_btnPause),
          static_cast<QWidget*>(m_btnStartSet), static_cast<QWidget*>(m_btnEndSet),
          static_cast<QWidget*>(m_btnTrimPlay), static_cast<QWidget*>(m_btnTrimPause),
          static_cast<QWidget*>(m_btnTrimStop), static_cast<QWidget*>(m_slider),
          static_cast<QWidget*>(m_editStart), static_cast<QWidget*>(m_editEnd)})
        control->setEnabled(enabled);
    updateSegmentButtons(false);
    showMarks();
}

void QTrimWidget::showStopped()
{
    m_timeTimer->stop();
    m_levelTimer->stop();
    m_wave->setAudioData(nullptr, 0);
    m_wave->hide();
    m_btnPlay->show();
    m_btnPause->hide();
}

void QTrimWidget::updateSegmentButtons(bool playing)
{
    // "Pause Segment" stands in for "Play Segment" only while a segment sounds; a paused
    // segment offers "Play Segment" again, which resumes it.
    const bool segmentSounds = m_segmentPlaying && playing;
    m_btnTrimPlay->setVisible(!segmentSounds);
    m_btnTrimPause->setVisible(segmentSounds);
    m_btnTrimStop->setEnabled(m_player && m_segmentPlaying);
}

void QTrimWidget::showTimes(uint64_t positionUs)
{
    m_labelPosition->setText(trimTimeText(positionUs));
    m_labelDuration->setText(trimTimeText(m_marks.durationUs()));
}

void QTrimWidget::seekTo(uint64_t us)
{
    if (m_player)
        m_player->seek(us);
}

uint64_t QTrimWidget::playPosition() const
{
    return m_player ? m_player->position() : 0;
}

void QTrimWidget::onPlayAudio()
{
    if (!m_player)
        return;
    if (!m_player->hasPictureStream() && !m_player->hasSoundStream()) {
        showStopped();
        return;
    }
    // At the end of the file the library plays nothing more: start again from the top.
    if (m_player->isFinished())
        m_player->stop();
    if (!m_player->play())
        return;
    if (m_levelDataEnabled)
        m_levelTimer->start(kLevelTickMs);
    m_btnPlay->hide();
    m_btnPause->show();
    m_wave->show();
    m_timeTimer->start(kTimeTickMs);
    updateSegmentButtons(true);
}

void QTrimWidget::onPauseAudio()
{
    m_btnPlay->show();
    m_btnPause->hide();
    m_wave->hide();
    if (!m_player || m_player->isStepPaused() || !m_player->pause())
        return;
    m_timeTimer->stop();
    m_levelTimer->stop();
    m_wave->setAudioData(nullptr, 0);
    updateSegmentButtons(false);
}

void QTrimWidget::onPlay()
{
    m_segmentPlaying = false;
    onPlayAudio();
    if (!m_btnPause->isHidden())
        emit emitPlayState(true);
}

void QTrimWidget::onPause()
{
    m_segmentPlaying = false;
    onPauseAudio();
    if (!m_btnPlay->isHidden())
        emit emitPlayState(false);
}

void QTrimWidget::OnSetPlayState(bool bPlay)
{
    if (bPlay)
        onPlayAudio();
    else
        onPauseAudio();
}

void QTrimWidget::OnStop()
{
    if (!m_player)
        return;
    m_segmentPlaying = false;
    m_slider->setPlayValue(0.0);
    emit emitPlayState(false);
    m_player->stop();
    showStopped();
    updateSegmentButtons(false);
}

void QTrimWidget::updateTime()
{
    if (!m_player)
        return;
    const uint64_t position = m_player->position();
    if (m_segmentPlaying && m_marks.endUs() != 0 && position >= m_marks.endUs()) {
        m_segmentPlaying = false;
        onPauseAudio();
        if (!m_btnPlay->isHidden())
            emit emitPlayState(false);
        return;
    }
    if (!m_player->isFinished()) {
        // While a handle is dragged the hand places the position handle, not the clock.
        if (position != 0 && !m_scrubbing) {
            m_slider->setPlayValue(m_marks.percentOf(position));
            showTimes(position);
        }
        return;
    }
    m_segmentPlaying = false;
    m_player->stop();
    showStopped();
    updateSegmentButtons(false);
    m_slider->setPlayValue(0.0);
    emit emitPlayState(false);
}

void QTrimWidget::onAudioDataTime()
{
    if (!m_player)
        return;
    const uint8_t* block = m_player->audioData(kLevelDataCount);
    if (!block)
        return;
    m_wave->setAudioData(const_cast<unsigned char*>(block), NxPlayerClass::levelCount(block));
    m_player->releaseAudioData(block);
}
