#pragma once
// Converter: turns a range of a source file into a new file on its own thread, either by
// decoding, applying the effects and encoding (AudioSource -> Encoder -> Muxer), or by copying
// the compressed frames (streamcopy.h).
//
// The target appears only complete: the work goes to a hidden temporary file beside it,
// renamed over the target at the end; failure or cancel removes the temporary file.
//
// Threading: open, setRange and start come from the owner's thread; cancel and close may come
// from any thread (also two at once); the getters from any thread while the run goes on.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "audioformat.h"
#include "audiosource.h"
#include "brisca/brisca.h"
#include "encoder.h"
#include "filewatch.h"
#include "handletable.h"

namespace brisca {

class Muxer;

class Converter : public HandleObject {
public:
    ~Converter() override;

    bool open(const std::string& source, const std::string& target, const std::string& formatKey,
              const EncodeParamsObject& params, std::string* error);
    bool setRange(int64_t startUs, int64_t lengthUs, std::string* error);
    bool start(std::string* error);
    bool cancel();
    void setAbort(bool abort);
    void close();

    int state() const { return m_state.load(); }
    int64_t timeUs() const { return m_timeUs.load(); }
    int64_t durationUs() const { return m_durationUs.load(); }
    bool copied() const { return m_copy; }
    std::string errorText();
    bool loudness(double* measured, double* final);

private:
    void run();
    bool runCopy(std::string* error);
    bool runEncode(std::string* error);
    int64_t forEachFrame(const EffectSettings& effects, const std::string& tail, int frameSize,
                         int rateHz, const std::function<bool(AVFrame*, int64_t)>& onFrame,
                         std::string* error);
    bool measureLoudness(double* lufs, std::string* error);
    bool encodeFrame(AVFrame* frame, int64_t pts, Muxer& muxer, std::string* error);
    bool encodeRange(Muxer& muxer, std::string* error);
    bool decideCopy(std::string* error);
    std::map<std::string, std::string> targetTags();
    bool finishTarget(std::string* error);
    void fail(const std::string& message);

    std::string m_source, m_target, m_temporary, m_formatKey;
    EncodeParamsObject m_params;
    const AVOutputFormat* m_muxerFormat = nullptr;
    AudioSource m_audio;
    Encoder m_encoder;
    FileWatch m_watch;
    bool m_copy = false;
    int64_t m_startUs = 0, m_lengthUs = 0;

    std::thread m_thread;
    std::mutex m_threadMutex;  // cancel and close may come from two threads at once
    std::atomic<int> m_state{BRISCA_CONVERTER_IDLE};
    std::atomic<int64_t> m_timeUs{0}, m_durationUs{0};
    std::atomic<bool> m_cancel{false};
    std::mutex m_mutex;  // guards m_error and the loudness values
    std::string m_error;
    double m_measuredLufs = 0, m_finalLufs = 0;
};

}  // namespace brisca
