#include "nullcaptureendpoint.h"

#include "sessionclock.h"

#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

NullCaptureEndpoint::NullCaptureEndpoint(const Script& script) : m_script(script)
{
    m_script.format.sampleFormat = 1;
    m_script.format.bitsPerSample = 16;
    m_script.format.blockAlign = 2 * m_script.format.channels;
    m_script.packetFrames = std::max(1, m_script.packetFrames);
}

int16_t NullCaptureEndpoint::toneSample(const Script& script, int64_t index)
{
    if (script.toneHz == 0.0)
        return 0;
    const double t = double(index) / script.format.rateHz;
    return int16_t(
        std::lround(script.amplitude * 32767.0 * std::sin(2.0 * M_PI * script.toneHz * t)));
}

bool NullCaptureEndpoint::open(int, CaptureFormat* format)
{
    const int64_t openedBy = sessionClockUs() + int64_t(m_script.openDelayMs) * 1000;
    while (sessionClockUs() < openedBy) {
        if (cancelled()) {
            m_error = QStringLiteral("cancelled");
            m_dead = true;
            return false;
        }
        QThread::msleep(5);
    }
    if (!m_script.openError.isEmpty()) {
        m_error = m_script.openError;
        m_dead = true;
        return false;
    }
    *format = m_script.format;
    m_open = true;
    m_dead = false;
    m_epochUs = m_script.epochUs ? m_script.epochUs : sessionClockUs();
    m_delivered = 0;
    m_stallUntilUs = 0;
    m_timingPolls = -1;
    return true;
}

int64_t NullCaptureEndpoint::captureTimeOf(int64_t frame) const
{
    int64_t us = m_epochUs + int64_t(m_script.startDelayMs) * 1000 +
                 frame * 1000000 / m_script.format.rateHz;
    if (m_script.pauseAfterFrames >= 0 && frame >= m_script.pauseAfterFrames)
        us += int64_t(m_script.pauseMs) * 1000;
    return us;
}

int64_t NullCaptureEndpoint::capturedFrames(int64_t nowUs) const
{
    const int64_t sinceFirst = nowUs - int64_t(m_script.latencyMs) * 1000 - m_epochUs -
                               int64_t(m_script.startDelayMs) * 1000;
    if (sinceFirst < 0)
        return 0;
    const int rate = m_script.format.rateHz;
    int64_t frames = sinceFirst * rate / 1000000;
    if (m_script.pauseAfterFrames >= 0 && frames > m_script.pauseAfterFrames) {
        const int64_t afterPause = (sinceFirst - int64_t(m_script.pauseMs) * 1000) * rate / 1000000;
        frames = std::max(m_script.pauseAfterFrames, afterPause);
    }
    return frames;
}

int64_t NullCaptureEndpoint::availableFrames() const
{
    const int64_t now = sessionClockUs();
    if (m_script.deliverNothing || now < m_stallUntilUs)
        return 0;
    int64_t available = capturedFrames(now) - m_delivered;
    if (m_script.failAfterFrames >= 0)
        available = std::min(available, m_script.failAfterFrames - m_delivered);
    return std::max<int64_t>(available, 0);
}

bool NullCaptureEndpoint::inHole() const
{
    return m_script.holeAfterFrames >= 0 && m_delivered >= m_script.holeAfterFrames &&
           m_delivered < m_script.holeAfterFrames + m_script.holeFrames;
}

int64_t NullCaptureEndpoint::readableBytes()
{
    if (!m_open || m_dead)
        return -1;
    if (m_script.failAfterFrames >= 0 && m_delivered >= m_script.failAfterFrames) {
        m_error = QStringLiteral("the capture device went away");
        m_dead = true;
        return -1;
    }
    if (m_script.stallAfterFrames >= 0 && m_delivered >= m_script.stallAfterFrames) {
        m_stallUntilUs = sessionClockUs() + int64_t(m_script.stallMs) * 1000;
        m_script.stallAfterFrames = -1;
    }
    return availableFrames() * m_script.format.blockAlign;
}

bool NullCaptureEndpoint::peek(const void** data, int64_t* frames)
{
    *data = nullptr;
    *frames = 0;
    if (!m_open || m_dead)
        return false;
    const int64_t available = availableFrames();
    if (inHole()) {
        m_packetFrames =
            std::min(available, m_script.holeAfterFrames + m_script.holeFrames - m_delivered);
        *frames = m_packetFrames;
        return true;
    }
    m_packetFrames = std::min<int64_t>(available, m_script.packetFrames);
    if (m_script.holeAfterFrames > m_delivered)
        m_packetFrames = std::min(m_packetFrames, m_script.holeAfterFrames - m_delivered);
    const int channels = m_script.format.channels;
    m_packet.resize(int(m_packetFrames * m_script.format.blockAlign));
    auto* out = reinterpret_cast<uchar*>(m_packet.data());
    if (m_script.toneHz == 0.0) {
        std::memset(out, 0, size_t(m_packet.size()));
    } else {
        for (int64_t i = 0; i < m_packetFrames; ++i) {
            const int16_t sample = toneSample(m_script, m_delivered + i);
            for (int c = 0; c < channels; ++c)
                qToLittleEndian<qint16>(sample, out + (i * channels + c) * 2);
        }
    }
    *data = m_packet.constData();
    *frames = m_packetFrames;
    return true;
}

bool NullCaptureEndpoint::drop()
{
    if (!m_open || m_dead)
        return false;
    m_delivered += m_packetFrames;
    m_packetFrames = 0;
    return true;
}

void NullCaptureEndpoint::refreshTiming()
{
    m_timingPolls = 0;
}

bool NullCaptureEndpoint::captureTimeUs(int64_t* us)
{
    if (!m_open || !m_script.reportsTiming || m_timingPolls < 0)
        return false;
    if (m_timingPolls < m_script.timingAnswerPolls) {
        ++m_timingPolls;
        return false;
    }
    *us = captureTimeOf(m_delivered);
    return true;
}

void NullCaptureEndpoint::close()
{
    m_open = false;
}

QString NullCaptureEndpoint::errorString() const
{
    return m_error;
}
