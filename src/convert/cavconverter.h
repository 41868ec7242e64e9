#pragma once
// CAVConverter: IAVConverter on the media engine's converter. A worker thread watches the
// engine every 100 ms and turns its progress and end into callback states; at the end it
// writes the settings' tags into the finished file with our tag writer.
//
// Threading: StartConvert, StopConvert and the destructor run on the owner's thread; the
// worker only reads what StartConvert set up before starting it, and the stop flag.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "iavconverter.h"
#include "outputsettings.h"

class CAVConverter : public IAVConverter {
public:
    static constexpr int kPollMs = 100;

    CAVConverter();
    ~CAVConverter() override;

    bool StartConvert(const char* source, const char* target, const OutputSettings& settings,
                      void* user, ConvertCallback callback, bool async) override;
    void StopConvert() override;
    QString lastError() const override;

    // After a finished conversion with loudness normalisation: the measured loudness of the
    // source range and that of the result (LUFS). False otherwise.
    bool loudness(double* measuredLufs, double* finalLufs) const;
    // Whether the finished conversion copied the compressed frames.
    bool copied() const { return m_copied; }

    // The progress percentage for the engine's time and duration (truncated, at most 100).
    static uint32_t progressPercent(int64_t timeUs, int64_t durationUs);

private:
    // A manual-reset event: set stays set until reset.
    class Event {
    public:
        void set();
        void reset();
        void wait();
        // Waits up to ms; true when set.
        bool waitFor(int ms);

    private:
        std::mutex m_mutex;
        std::condition_variable m_changed;
        bool m_set = false;
    };

    void run();
    bool prepare();
    bool openAndStart();
    void watch();
    void finish();
    void send(uint32_t progress, int32_t state);
    void setError(const QString& error);
    void releaseEngine();
    void joinWorker();

    std::unique_ptr<OutputSettings> m_settings;
    std::string m_source;
    std::string m_target;
    std::atomic<int32_t> m_converter{0};  // the worker may release it on its own
    int32_t m_params = 0;
    int32_t m_chapterInfo = 0;
    std::atomic<bool> m_stop{false};
    void* m_user = nullptr;
    ConvertCallback m_callback = nullptr;
    std::atomic<bool> m_running{false};
    bool m_async = false;
    std::atomic<bool> m_preparing{false};
    Event m_released;  // the worker has let go of the converter
    Event m_wake;      // cuts the worker's sleep short on a stop
    std::thread m_worker;
    mutable std::mutex m_errorMutex;
    QString m_error;
    // Results kept from the engine before it is released (read after the finished state).
    bool m_hasLoudness = false;
    double m_measuredLufs = 0;
    double m_finalLufs = 0;
    bool m_copied = false;
};
