#include "capturetimeline.h"

CaptureTimeline::CaptureTimeline(int rateHz) { reset(rateHz); }

void CaptureTimeline::reset(int rateHz)
{
    m_rateHz = rateHz > 0 ? rateHz : 44100;
    m_anchored = false;
    m_anchorUs = 0;
    m_frames = 0;
}

int64_t CaptureTimeline::positionUs() const
{
    return m_anchorUs + m_frames * 1000000 / m_rateHz;
}

int64_t CaptureTimeline::stampPacket(int64_t elapsedUs, int64_t frames)
{
    if (!m_anchored || elapsedUs - positionUs() > kReanchorUs) {
        m_anchored = true;
        m_anchorUs = elapsedUs;
        m_frames = 0;
    }
    const int64_t ts = positionUs();
    m_frames += frames;
    return ts;
}

int64_t CaptureTimeline::stampSilence(int64_t elapsedUs)
{
    m_anchored = false;
    return elapsedUs > kSilenceLagUs ? elapsedUs - kSilenceLagUs : 0;
}
