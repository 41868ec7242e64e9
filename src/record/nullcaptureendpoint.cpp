#include "nullcaptureendpoint.h"

#include "sessionclock.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

NullCaptureEndpoint::NullCaptureEndpoint(const Script& script) : m_script(script)
{
    m_script.format.sampleFormat = 1;
    m_script.format.bitsPerSample = 16;
    m_script.format.blockAlign = 2 * m_script.format.channels;
    m_script.packetFrames = std::max(1, m_script.packetFrames);
}

bool NullCaptureEndpoint::open(int, CaptureFormat* format)
{
    if (!m_script.openError.isEmpty()) {
        m_error = m_script.openError;
        m_dead = true;
        return false;
    }
    *format = m_script.format;
    m_open = true;
    m_dead = false;
    m_openedUs = sessionClockUs();
    m_delivered = 0;
    m_stallUntilUs = 0;
    return true;
}

int64_t NullCaptureEndpoint::capturedFrames() const
{
    return (sessionClockUs() - m_openedUs) * m_script.format.rateHz / 1000000;
}

int64_t NullCaptureEndpoint::availableFrames() const
{
    if (m_script.deliverNothing || sessionClockUs() < m_stallUntilUs)
        return 0;
    int64_t available = capturedFrames() - m_delivered;
    if (m_script.failAfterFrames >= 0)
        available = std::min(available, m_script.failAfterFrames - m_delivered);
    return std::max<int64_t>(available, 0);
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
    m_packetFrames = std::min<int64_t>(availableFrames(), m_script.packetFrames);
    const int channels = m_script.format.channels;
    m_packet.resize(int(m_packetFrames * m_script.format.blockAlign));
    auto* out = reinterpret_cast<uchar*>(m_packet.data());
    for (int64_t i = 0; i < m_packetFrames; ++i) {
        const double t = double(m_delivered + i) / m_script.format.rateHz;
        const double v = m_script.amplitude * std::sin(2.0 * M_PI * m_script.toneHz * t);
        const auto sample = qint16(std::lround(v * 32767.0));
        for (int c = 0; c < channels; ++c)
            qToLittleEndian<qint16>(sample, out + (i * channels + c) * 2);
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

void NullCaptureEndpoint::close() { m_open = false; }

QString NullCaptureEndpoint::errorString() const { return m_error; }
