#include "converter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

#include "audiooutput.h"
#include "encodehelpers.h"
#include "muxer.h"
#include "streamcopy.h"

namespace brisca {

namespace {

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

double integratedLoudness(const AVFrame* frame, double previous)
{
    const AVDictionaryEntry* e = av_dict_get(frame->metadata, "lavfi.r128.I", nullptr, 0);
    return e ? std::atof(e->value) : previous;
}

}  // namespace

Converter::~Converter()
{
    close();
}

bool Converter::open(const std::string& source, const std::string& target,
                     const std::string& formatKey, const EncodeParamsObject& params,
                     std::string* error)
{
    if (m_state.load() == BRISCA_CONVERTER_RUNNING) {
        *error = "the converter is running";
        return false;
    }
    close();
    if (source.empty() || target.empty()) {
        *error = "a conversion needs a source and a target";
        return false;
    }
    if (sameFile(source, target)) {
        *error = "the target '" + target + "' is the source file";
        return false;
    }
    const std::string folder = folderOf(target);
    if (::access(folder.c_str(), W_OK) != 0) {
        *error = "cannot write to '" + folder + "': " + std::strerror(errno);
        return false;
    }
    m_muxerFormat = muxerForKey(formatKey);
    if (!m_muxerFormat) {
        *error = "unknown container '" + formatKey + "'";
        return false;
    }
    if (!m_audio.open(source, -1, error))
        return false;
    m_source = source;
    m_target = target;
    m_formatKey = formatKey;
    m_params = params;
    m_params.secondStream.reset();
    if (!decideCopy(error) || (!m_copy && !m_encoder.open(m_params, m_muxerFormat, error))) {
        m_audio.close();
        return false;
    }
    m_watch.remember(source);
    m_startUs = m_lengthUs = 0;
    m_state = BRISCA_CONVERTER_OPENED;
    return true;
}

bool Converter::decideCopy(std::string* error)
{
    m_copy = false;
    if (m_params.copyMode == BRISCA_COPY_NEVER)
        return true;
    std::string refusal;
    const AVCodecID sourceCodec =
        m_audio.demuxer().format()->streams[m_audio.streamIndex()]->codecpar->codec_id;
    const AVCodec* targetCodec = encoderFor(m_params, m_muxerFormat);
    if (!m_params.effects.neutral())
        refusal = "the effects need the sound to be encoded again";
    else if (m_params.loudnessTargetLufs != 0)
        refusal = "loudness normalisation needs the sound to be encoded again";
    else if (!targetCodec || targetCodec->id != sourceCodec)
        refusal = std::string("the target codec ") +
                  (targetCodec ? targetCodec->name : "(unknown)") + " is not the source's " +
                  avcodec_get_name(sourceCodec);
    else
        refusal = copyRefusal(m_audio.demuxer(), m_audio.streamIndex(), m_muxerFormat->name);
    if (!refusal.empty() && m_params.copyMode == BRISCA_COPY_REQUIRED) {
        *error = "no lossless cut: " + refusal;
        return false;
    }
    m_copy = refusal.empty();
    return true;
}

bool Converter::setRange(int64_t startUs, int64_t lengthUs, std::string* error)
{
    if (m_state.load() != BRISCA_CONVERTER_OPENED) {
        *error = "the converter is not open";
        return false;
    }
    const int64_t duration = m_audio.durationUs();
    if (startUs < 0 || lengthUs < 0 || (duration > 0 && startUs >= duration)) {
        *error = "the range " + std::to_string(startUs / 1e6) + " s + " +
                 std::to_string(lengthUs / 1e6) + " s lies outside the source (" +
                 std::to_string(duration / 1e6) + " s)";
        return false;
    }
    m_startUs = startUs;
    m_lengthUs = lengthUs;
    return true;
}

bool Converter::start(std::string* error)
{
    if (m_state.load() != BRISCA_CONVERTER_OPENED) {
        *error = "the converter is not open";
        return false;
    }
    const int64_t length =
        m_lengthUs > 0 ? m_lengthUs : std::max<int64_t>(0, m_audio.durationUs() - m_startUs);
    m_durationUs = length * (m_params.loudnessTargetLufs != 0 ? 2 : 1);
    m_timeUs = 0;
    m_cancel = false;
    m_temporary = temporaryBeside(m_target);
    m_state = BRISCA_CONVERTER_RUNNING;
    m_thread = std::thread(&Converter::run, this);
    return true;
}

void Converter::run()
{
    std::string error;
    const bool ok = m_copy ? runCopy(&error) : runEncode(&error);
    m_audio.close();  // releases the source file
    // A cancel that comes after the work is complete changes nothing.
    if (!ok && m_cancel.load()) {
        std::remove(m_temporary.c_str());
        m_state = BRISCA_CONVERTER_CANCELLED;
    } else if (!ok || !finishTarget(&error)) {
        std::remove(m_temporary.c_str());
        fail(error);
    } else {
        m_timeUs = m_durationUs.load();
        m_state = BRISCA_CONVERTER_DONE;
    }
}

bool Converter::finishTarget(std::string* error)
{
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        *error = "rename to '" + m_target + "': " + std::strerror(errno);
        return false;
    }
    return true;
}

std::map<std::string, std::string> Converter::targetTags()
{
    std::map<std::string, std::string> tags =
        carriedTags(m_audio.demuxer().format(), m_audio.streamIndex());
    for (const auto& [key, value] : m_params.metadata) {
        for (auto it = tags.begin(); it != tags.end();) {
            it = strcasecmp(it->first.c_str(), key.c_str()) == 0 ? tags.erase(it) : ++it;
        }
        if (!value.empty())
            tags[key] = value;
    }
    return tags;
}

bool Converter::runCopy(std::string* error)
{
    Muxer muxer;
    if (!muxer.create(m_temporary, m_muxerFormat, error))
        return false;
    CopyRange range;
    range.stream = m_audio.streamIndex();
    range.originPts = m_audio.originPts();
    range.startUs = m_startUs;
    range.endUs = m_lengthUs > 0 ? m_startUs + m_lengthUs : 0;
    return copyStreamRange(
        m_audio.demuxer(), range, muxer, targetTags(),
        [this](int64_t us) { m_timeUs = std::max<int64_t>(0, us); }, m_cancel, error);
}

bool Converter::runEncode(std::string* error)
{
    if (m_params.loudnessTargetLufs != 0) {
        double measured = 0;
        if (!measureLoudness(&measured, error))
            return false;
        // Silence has no loudness to speak of: leave its level alone.
        const double gain = measured < -69 ? 0 : m_params.loudnessTargetLufs - measured;
        m_params.effects.extraGainDb = std::clamp(gain, -30.0, 30.0);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_measuredLufs = measured;
    }
    Muxer muxer;
    return muxer.create(m_temporary, m_muxerFormat, error) &&
           muxer.addStream(m_encoder.context(), error) && muxer.writeHeader(targetTags(), error) &&
           encodeRange(muxer, error);
}

// Runs the range through the chain (effects, then `tail`) and hands each frame to onFrame
// with the samples delivered before it; the last frame is cut at the range's end. Returns the
// samples delivered, or -1 on failure or cancel.
int64_t Converter::forEachFrame(const EffectSettings& effects, const std::string& tail,
                                int frameSize, int rateHz,
                                const std::function<bool(AVFrame*, int64_t)>& onFrame,
                                std::string* error)
{
    if (!m_audio.setChain(effects, tail, frameSize, error) || !m_audio.seek(m_startUs, true, error))
        return -1;
    const int64_t want = m_lengthUs > 0 ? m_lengthUs * rateHz / 1000000 : -1;
    FramePtr frame(av_frame_alloc());
    int64_t done = 0;
    while (want < 0 || done < want) {
        if (m_cancel.load())
            return -1;
        const int r = m_audio.next(frame.get(), error);
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        if (want >= 0 && done + frame->nb_samples > want)
            frame->nb_samples = int(want - done);
        const int n = frame->nb_samples;
        const bool ok = onFrame(frame.get(), done);
        av_frame_unref(frame.get());
        if (!ok)
            return -1;
        done += n;
    }
    return done;
}

bool Converter::measureLoudness(double* lufs, std::string* error)
{
    EffectSettings effects = m_params.effects;
    effects.extraGainDb = 0;
    const int rate = m_audio.sourceRateHz();
    *lufs = -70;
    return forEachFrame(
               effects, "ebur128=metadata=1", 0, rate,
               [&](AVFrame* frame, int64_t done) {
                   *lufs = integratedLoudness(frame, *lufs);
                   m_timeUs = (done + frame->nb_samples) * 1000000 / rate;
                   return true;
               },
               error) >= 0;
}

bool Converter::encodeFrame(AVFrame* frame, int64_t pts, Muxer& muxer, std::string* error)
{
    frame->pts = pts;
    return sendPadded(m_encoder, frame, error) && writeEncodedPackets(m_encoder, muxer, error);
}

bool Converter::encodeRange(Muxer& muxer, std::string* error)
{
    const bool loud = m_params.loudnessTargetLufs != 0;
    const int rate = m_encoder.context()->sample_rate;
    const int64_t passOffset = loud ? m_durationUs.load() / 2 : 0;
    double finalLufs = -70;
    const int64_t produced = forEachFrame(
        m_params.effects, (loud ? "ebur128=metadata=1," : "") + m_encoder.formatFilter(),
        m_encoder.frameSize(), rate,
        [&](AVFrame* frame, int64_t done) {
            if (loud)
                finalLufs = integratedLoudness(frame, finalLufs);
            m_timeUs = passOffset + (done + frame->nb_samples) * 1000000 / rate;
            return encodeFrame(frame, done, muxer, error);
        },
        error);
    if (produced < 0)
        return false;
    const int64_t expected =
        (m_lengthUs > 0 ? m_lengthUs : m_audio.durationUs() - m_startUs) * rate / 1000000;
    const std::string change = m_watch.change();
    if (!change.empty() && produced + rate < expected) {
        *error = change;
        return false;
    }
    if (loud) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finalLufs = finalLufs;
    }
    return m_encoder.send(nullptr, error) && writeEncodedPackets(m_encoder, muxer, error) &&
           muxer.finish(error);
}

bool Converter::cancel()
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (!m_thread.joinable())
        return false;
    m_cancel = true;
    m_thread.join();
    return m_state.load() == BRISCA_CONVERTER_CANCELLED;
}

void Converter::setAbort(bool abort)
{
    if (abort)
        m_audio.abort();
    else
        m_audio.demuxer().clearAbort();
}

void Converter::close()
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (m_thread.joinable()) {
        m_cancel = true;
        m_thread.join();
    }
    m_audio.close();
    m_state = BRISCA_CONVERTER_IDLE;
}

std::string Converter::errorText()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

bool Converter::loudness(double* measured, double* final)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (measured)
        *measured = m_measuredLufs;
    if (final)
        *final = m_finalLufs;
    return m_params.loudnessTargetLufs != 0 && m_state.load() == BRISCA_CONVERTER_DONE;
}

void Converter::fail(const std::string& message)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_error = message;
    }
    m_state = BRISCA_CONVERTER_FAILED;
}

}  // namespace brisca
