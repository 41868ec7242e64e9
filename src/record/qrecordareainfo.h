#pragma once
// The process-wide recording options: which sources the user switched on, which of them can be
// recorded now, the application system audio is limited to, the stop-after length and the
// schedule (once or repeating). Created on first use, lives until the process ends. Read and
// written on the GUI thread only.

#include "schedulerepeat.h"

#include <QString>

#include <cstdint>

class QRecordAreaInfo {
public:
    enum Source : int32_t {
        SystemAudio = 1,
        Microphone = 2,
    };

    static QRecordAreaInfo& instance();

    // Bit sets of Source values.
    int32_t selectedSources() const { return m_selected; }
    void setSelectedSources(int32_t sources) { m_selected = sources; }
    // System audio is always valid; the microphone only while a microphone exists.
    int32_t validSources() const { return m_valid | SystemAudio; }
    void setValidSources(int32_t sources) { m_valid = sources | SystemAudio; }

    // Whether a source is used by the next recording: selected, and for the microphone also
    // valid.
    bool uses(Source source) const;
    // Both sources used: the microphone is mixed into system audio.
    bool mixing() const { return uses(SystemAudio) && uses(Microphone); }

    // The application system audio is limited to (its key, as the device plugin lists it);
    // empty = all system audio.
    QString application() const { return m_application; }
    void setApplication(const QString& key) { m_application = key; }

    bool stopAfter() const { return m_stopAfter; }
    void setStopAfter(bool on) { m_stopAfter = on; }
    uint64_t stopAfterUs() const { return m_stopAfterUs; }
    void setStopAfterUs(uint64_t us) { m_stopAfterUs = us; }
    bool scheduled() const { return m_scheduled; }
    void setScheduled(bool on) { m_scheduled = on; }
    uint64_t scheduleStartUs() const { return m_scheduleStartUs; }
    void setScheduleStartUs(uint64_t us) { m_scheduleStartUs = us; }
    uint64_t scheduleEndUs() const { return m_scheduleEndUs; }
    void setScheduleEndUs(uint64_t us) { m_scheduleEndUs = us; }
    const ScheduleRepeat& scheduleRepeat() const { return m_scheduleRepeat; }
    void setScheduleRepeat(const ScheduleRepeat& repeat) { m_scheduleRepeat = repeat; }

private:
    QRecordAreaInfo() = default;

    int32_t m_selected = SystemAudio;
    int32_t m_valid = SystemAudio;
    QString m_application;
    bool m_stopAfter = false;
    uint64_t m_stopAfterUs = 0;
    bool m_scheduled = false;
    uint64_t m_scheduleStartUs = 0;
    uint64_t m_scheduleEndUs = 0;
    ScheduleRepeat m_scheduleRepeat;
};
