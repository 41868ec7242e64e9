#include "qrecordingwidget.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "historywriter.h"
#include "nxskin.h"
#include "qaudiowavewidget.h"
#include "qnxbasebutton.h"
#include "qnxbaseslider.h"
#include "qvolumewidget.h"
#include "wallclock.h"

namespace {

constexpr int kTimePixelSize = 24;
constexpr int kHeight = 64;
constexpr int kWaveHeight = 48;
constexpr int kPopupGap = 4;

QChar widestLcdDigit(const QFontMetrics& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char d = '1'; d <= '9'; ++d) {
        if (metrics.horizontalAdvance(QLatin1Char(d)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(d);
    }
    return widest;
}

}  // namespace

QRecordingWidget::QRecordingWidget(QWidget* parent, const WallClock& clock)
    : QNxWidget(parent), m_watch(clock)
{
    setBackgroundImage(QStringLiteral("/image/common/bg_gradual.png"));
    setFixedHeight(kHeight);
    NxSkin::registerFonts();

    m_lblRecordTime = new QLabel(this);
    m_lblRecordTime->setFont(NxSkin::lcdFont(kTimePixelSize));
    QPalette pal = m_lblRecordTime->palette();
    pal.setColor(QPalette::WindowText, NxSkin::accent());
    m_lblRecordTime->setPalette(pal);

    m_wave = new QAudioWaveWidget(QAudioWaveWidget::waveStyle(), this);
    m_wave->setFixedHeight(kWaveHeight);
    m_wave->setBackgroundColor(NxSkin::panel());

    m_btnVolume = new QNxBaseButton(this);
    m_volumePopup = new QVolumeWidget(this);
    m_volumePopup->hide();
    setVolumeIcon(0.5);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 0, 16, 0);
    row->setSpacing(20);
    row->addWidget(m_lblRecordTime, 0, Qt::AlignVCenter);
    row->addWidget(m_wave, 1, Qt::AlignVCenter);
    row->addWidget(m_btnVolume, 0, Qt::AlignVCenter);

    m_silenceTimer = new QTimer(this);
    m_silenceTimer->setInterval(kSilenceCheckMs);
    connect(m_silenceTimer, &QTimer::timeout, this, &QRecordingWidget::OnCheckSilence);
    connect(m_btnVolume, &QAbstractButton::clicked, this, &QRecordingWidget::OnBtnVolume);
    connect(m_volumePopup->slider(), &QNxBaseSlider::sendProgressValue, this,
            &QRecordingWidget::OnVolumeChange);

    m_lblRecordTime->hide();
    m_wave->hide();
    retranslateUi();
}

void QRecordingWidget::retranslateUi()
{
    m_lblRecordTime->setAccessibleName(tr("Recording time"));
    m_wave->setAccessibleName(tr("Recording level"));
    m_btnVolume->setToolTip(tr("Volume"));
}

void QRecordingWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxWidget::changeEvent(event);
}

QString QRecordingWidget::timeText(uint64_t elapsedUs)
{
    return recordingDurationText(elapsedUs);
}

QString QRecordingWidget::volumeIcon(double volume)
{
    return QVolumeWidget::buttonIcon(volume);
}

QString QRecordingWidget::recordTimeText() const
{
    return m_lblRecordTime->text();
}

void QRecordingWidget::beginRecording()
{
    m_recording = true;
    OnSetRecordTime(0);
    m_watch.begin();
    m_lblRecordTime->show();
    m_wave->show();
    m_silenceTimer->start();
}

void QRecordingWidget::beginPiece()
{
    OnSetRecordTime(0);
    m_watch.beginPiece();
}

void QRecordingWidget::endRecording()
{
    m_recording = false;
    m_silenceTimer->stop();
    m_lblRecordTime->hide();
    m_wave->hide();
    m_volumePopup->hide();
}

void QRecordingWidget::OnSetAudioData(unsigned char* block, int sps)
{
    const bool silent = m_wave->setAudioData(block, sps);
    if (m_watch.takeBlock(silent))
        emit emitIsRecordingAlwaysSilence(false);
}

void QRecordingWidget::OnSetRecordTime(uint64_t time)
{
    // The time comes ten times a second; the text changes once.
    const uint64_t seconds = time / 1000000;
    if (seconds == m_shownSeconds && m_timeTextLength >= 0)
        return;
    m_shownSeconds = seconds;
    const QString text = timeText(time);
    if (text.size() != m_timeTextLength) {
        // The label is sized to fit any time of this length, and stays that size while the
        // digits change: a label that asks for a new size each second makes the whole window
        // lay itself out again.
        m_timeTextLength = text.size();
        QString widest = text;
        const QChar widestDigit = widestLcdDigit(m_lblRecordTime->fontMetrics());
        for (QChar& c : widest) {
            if (c.isDigit())
                c = widestDigit;
        }
        m_lblRecordTime->setText(widest);
        m_lblRecordTime->setFixedSize(m_lblRecordTime->sizeHint());
    }
    m_lblRecordTime->setText(text);
}

void QRecordingWidget::OnSetVolume(int nValue)
{
    m_volumePopup->OnSetVolume(nValue);
    setVolumeIcon(m_volumePopup->ratio());
}

void QRecordingWidget::OnCheckSilence()
{
    if (m_watch.check())
        emit emitSplitSilence();
}

// The pop-up opens under the button, or above it when the screen ends below.
void QRecordingWidget::OnBtnVolume()
{
    const QPoint below = m_btnVolume->mapToGlobal(QPoint(
        (m_btnVolume->width() - m_volumePopup->width()) / 2, m_btnVolume->height() + kPopupGap));
    QPoint at = below;
    const QScreen* screen = m_btnVolume->screen();
    if (screen && below.y() + m_volumePopup->height() > screen->availableGeometry().bottom())
        at.setY(below.y() - m_btnVolume->height() - m_volumePopup->height() - 2 * kPopupGap);
    m_volumePopup->move(at);
    m_volumePopup->show();
    m_volumePopup->setFocus();
}

void QRecordingWidget::OnVolumeChange(double dVal)
{
    setVolumeIcon(dVal);
    emit emitVolumeChange(dVal);
}

void QRecordingWidget::setVolumeIcon(double volume)
{
    m_volumeIcon = volumeIcon(volume);
    m_btnVolume->setImage(m_volumeIcon);
}
