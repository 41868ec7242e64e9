// QTrimWidget: the marks (set at the play position, typed, dragged) and segment play.
#include <QDebug>

#include "nxplayerclass.h"
#include "qedittimeex.h"
#include "qnxbasebutton.h"
#include "qnxtableview.h"
#include "qtrimwidget.h"
#include "qvedualslider.h"

void QTrimWidget::showMarks()
{
    m_editStart->setValue(m_marks.startUs());
    m_editEnd->setValue(m_marks.shownEndUs());
    QVEDualSlider::Value value;
    value.startPercent = m_marks.startUs() ? m_marks.percentOf(m_marks.startUs()) : 0.0;
    value.endPercent = m_marks.endUs() ? m_marks.percentOf(m_marks.endUs()) : 100.0;
    value.positionPercent = m_slider->playValue() * 100.0;
    m_slider->setValue(value);
    m_btnCut->setEnabled(m_player && m_marks.hasMarks());
}

void QTrimWidget::seekAndShow(uint64_t us)
{
    seekTo(us);
    m_slider->setPlayValue(m_marks.percentOf(us));
    showTimes(us);
}

void QTrimWidget::onStartSet()
{
    if (!m_player)
        return;
    // The position heard, not the handle's pixel: a pixel of a long file spans seconds.
    m_marks.setStart(playPosition());
    showMarks();
}

void QTrimWidget::onEndSet()
{
    if (!m_player)
        return;
    m_marks.setEnd(playPosition());
    showMarks();
}

void QTrimWidget::startTimeChanged(uint64_t time, bool bSeek)
{
    if (!m_player)
        return;
    m_segmentPlaying = false;
    m_marks.setStart(time);
    showMarks();
    if (bSeek)
        seekAndShow(m_marks.startUs());
}

void QTrimWidget::endTimeChanged(uint64_t time, bool bSeek)
{
    if (!m_player)
        return;
    m_segmentPlaying = false;
    m_marks.setEnd(time);
    showMarks();
    if (bSeek)
        seekAndShow(m_marks.shownEndUs());
}

void QTrimWidget::sliderStartValueChange(double value)
{
    if (!m_player)
        return;
    m_clipView->clearSelection();
    startTimeChanged(m_marks.atFraction(value));
}

void QTrimWidget::sliderEndValueChange(double value)
{
    if (!m_player)
        return;
    m_clipView->clearSelection();
    // The end handle at the right end of the track means "to the end of the file".
    endTimeChanged(m_marks.atFraction(value));
}

void QTrimWidget::sliderSendPlayProToPlay(double value)
{
    if (!m_player)
        return;
    m_segmentPlaying = false;
    const uint64_t target = m_marks.atFraction(value);
    seekTo(target);
    showTimes(target);
    updateSegmentButtons(!m_btnPause->isHidden());
}

void QTrimWidget::onTrimPlay()
{
    if (!m_player)
        return;
    if (!m_segmentPlaying) {
        seekTo(m_marks.startUs());
        m_segmentPlaying = true;
    }
    onPlayAudio();
    emit emitPlayState(true);
    qDebug() << "trim: segment play from" << m_marks.startUs() << "us";
}

void QTrimWidget::onTrimPause()
{
    if (!m_player)
        return;
    // Still in segment mode, so "Play Segment" resumes from here.
    m_segmentPlaying = true;
    onPauseAudio();
    emit emitPlayState(false);
}

void QTrimWidget::onTrimStop()
{
    if (!m_player)
        return;
    m_segmentPlaying = false;
    emit emitPlayState(false);
    // The library's stop rewinds to 0: seek back to the segment start afterwards, where the
    // position handle goes.
    m_player->stop();
    seekAndShow(m_marks.startUs());
    showStopped();
    updateSegmentButtons(false);
}
