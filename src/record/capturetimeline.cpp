#include "capturetimeline.h"

#include <algorithm>
#include <cstdlib>

void CaptureTimeline::begin(int rateHz, int64_t startUs)
{
    m_rateHz = rateHz > 0 ? rateHz : 44100;
    m_startUs = startUs;
    m_needsTime = true;
    m_handedOut = false;
    m_anchored = false;
    m_anchorUs = 0;
    m_frames = 0;
    m_inSilence = false;
    m_silenceFromUs = 0;
    m_silenceFrames = 0;
}

int64_t CaptureTimeline::coveredUs() const
{
    if (m_inSilence)
        return m_silenceFromUs + usOf(m_silenceFrames);
    if (m_anchored)
        return m_anchorUs + usOf(m_frames);
    return m_startUs;
}

int64_t CaptureTimeline::confirm(int64_t captureUs, int64_t* silenceFromUs)
{
    m_needsTime = false;
    *silenceFromUs = coveredUs();
    // The stream goes on when nothing else was handed out after it and the time agrees.
    if (m_anchored && !m_inSilence && std::abs(captureUs - coveredUs()) <= kReanchorUs)
        return 0;
    // Audio captured before the start lands before it and is cut by the recorder; audio that
    // would overlap what was handed out starts right after it instead.
    const int64_t anchor = m_handedOut ? std::max(captureUs, coveredUs()) : captureUs;
    const int64_t silence = silenceUntil(anchor, silenceFromUs);
    m_anchored = true;
    m_anchorUs = anchor;
    m_frames = 0;
    m_inSilence = false;
    return silence;
}

int64_t CaptureTimeline::stamp(int64_t frames)
{
    const int64_t ts = m_anchorUs + usOf(m_frames);
    m_frames += frames;
    m_handedOut = true;
    return ts;
}

int64_t CaptureTimeline::silenceUntil(int64_t untilUs, int64_t* fromUs)
{
    const int64_t covered = coveredUs();
    *fromUs = covered;
    if (untilUs <= covered)
        return 0;
    if (!m_inSilence) {
        m_inSilence = true;
        m_silenceFromUs = covered;
        m_silenceFrames = 0;
    }
    // Counted from the start of the run, so that many short pieces add up without drift.
    const int64_t target = (untilUs - m_silenceFromUs) * m_rateHz / 1000000;
    const int64_t frames = target - m_silenceFrames;
    if (frames <= 0)
        return 0;
    m_silenceFrames = target;
    m_handedOut = true;
    return frames;
}
