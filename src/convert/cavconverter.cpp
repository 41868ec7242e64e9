#include "cavconverter.h"

#include <QLoggingCategory>

#include <brisca/brisca.h>

#include <algorithm>

#include "audiotagwriter.h"

Q_DECLARE_LOGGING_CATEGORY(lcConvert)

void CAVConverter::Event::set()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

void CAVConverter::Event::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_set = false;
}

void CAVConverter::Event::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_set; });
}

bool CAVConverter::Event::waitFor(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_set; });
}

CAVConverter::CAVConverter() = default;

CAVConverter::~CAVConverter()
{
    StopConvert();
    joinWorker();
    releaseEngine();
}

uint32_t CAVConverter::progressPercent(int64_t timeUs, int64_t durationUs)
{
    if (durationUs <= 0 || timeUs <= 0)
        return 0;
    const double percent = double(timeUs) * 100.0 / double(durationUs);
    return uint32_t(std::min(percent, 100.0));
}

bool CAVConverter::StartConvert(const char* source, const char* target,
                                const OutputSettings& settings, void* user,
                                ConvertCallback callback, bool async)
{
    StopConvert();
    joinWorker();
    releaseEngine();
    setError({});
    if (!source || !*source || !target || !*target) {
        setError(QStringLiteral("a conversion needs a source and a target"));
        return false;
    }
    m_async = async;
    m_converter = settings.audioOnly ? CreateAudioConverter(-1) : CreateConverter(-1);
    if (!m_converter) {
        setError(QString::fromUtf8(BriscaLastError()));
        return false;
    }
    m_user = user;
    m_callback = callback;
    std::string error;
    m_params = createEncodeParams(settings, &error);
    if (!m_params) {
        setError(QString::fromStdString(error));
        releaseEngine();
        return false;
    }
    m_settings = std::make_unique<OutputSettings>(settings);
    m_hasLoudness = m_copied = false;
    m_source = source;
    m_target = target;
    m_stop = false;
    m_wake.reset();
    if (async) {
        m_released.reset();
        m_running = false;
        m_worker = std::thread(&CAVConverter::run, this);
        return true;
    }
    const bool started = openAndStart();
    ReleaseEncodeParams(m_params);
    m_params = 0;
    if (!started) {
        releaseEngine();
        return false;
    }
    m_released.reset();
    m_running = true;
    m_worker = std::thread(&CAVConverter::run, this);
    return true;
}

bool CAVConverter::openAndStart()
{
    const OutputSettings& s = *m_settings;
    const bool ok = OpenConverter(m_converter, m_source.c_str(), m_target.c_str(),
                                  s.formatKey.c_str(), m_params) == 1 &&
                    SetConvertRange(m_converter, s.cutStartUs, s.cutLengthUs) == 1 &&
                    StartConverter(m_converter) == 1;
    qCDebug(lcConvert) << "StartConvert------+++" << ok;
    if (!ok)
        setError(QString::fromUtf8(BriscaLastError()));
    return ok;
}

void CAVConverter::run()
{
    if (m_async && !prepare()) {
        m_callback = nullptr;
        m_settings.reset();
        m_released.set();
        return;
    }
    m_running = true;
    watch();
    finish();
}

// The asynchronous start: chapters first (as the original does), then open and start.
bool CAVConverter::prepare()
{
    m_preparing = true;
    send(1, ConvertPreparing);
    m_chapterInfo = CreateMediaInfo(-1);
    if (OpenMediaInfo(m_chapterInfo, m_source.c_str())) {
        for (int32_t i = 0; i < GetChapterCount(m_chapterInfo); ++i)
            qCDebug(lcConvert, "Chapter %d", i + 1);
    }
    DestroyMediaInfo(m_chapterInfo);
    m_chapterInfo = 0;
    m_preparing = false;
    bool ok = !m_stop.load() && openAndStart();
    if (m_stop.load())
        ok = false;
    ReleaseEncodeParams(m_params);
    m_params = 0;
    if (ok)
        return true;
    if (m_stop.load())
        send(100, ConvertStopped);
    else
        send(0, ConvertFailed);
    releaseEngine();
    return false;
}

void CAVConverter::watch()
{
    uint32_t last = 0;
    for (;;) {
        const int32_t state = GetConverterState(m_converter);
        if (state != BRISCA_CONVERTER_RUNNING || m_stop.load())
            return;
        const uint32_t progress =
            progressPercent(GetConverterTime(m_converter), GetConverterDuration(m_converter));
        if (progress > last) {
            last = progress;
            send(progress, ConvertProgress);
        }
        m_wake.waitFor(kPollMs);
    }
}

void CAVConverter::finish()
{
    const int32_t state = GetConverterState(m_converter);
    if (m_stop.load()) {
        send(0, ConvertStopped);
    } else if (state == BRISCA_CONVERTER_DONE) {
        m_hasLoudness = GetConverterLoudness(m_converter, &m_measuredLufs, &m_finalLufs) != 0;
        m_copied = GetConverterCopied(m_converter) != 0;
        releaseEngine();
        QString error;
        if (writeAudioTags(QString::fromStdString(m_target), m_settings->tagsToWrite(), &error)) {
            send(100, ConvertFinished);
        } else {
            setError(QStringLiteral("converted, but the tags were not written: %1").arg(error));
            send(0, ConvertFailed);
        }
    } else {
        setError(QString::fromUtf8(GetConverterError(m_converter)));
        releaseEngine();
        send(0, ConvertFailed);
    }
    m_callback = nullptr;
    m_settings.reset();
    m_released.set();
}

void CAVConverter::StopConvert()
{
    if (!m_converter.load() || !m_worker.joinable())
        return;
    if (m_preparing.load()) {
        SetConverterAbort(m_converter, 1);
        m_stop = true;
        SetConverterAbort(m_converter, 0);
    } else {
        // The flag first: the worker, seeing the engine end, must take it for a stop.
        m_stop = true;
        if (!CancelConverter(m_converter))
            qCDebug(lcConvert, "stop convert failed! ");
    }
    m_wake.set();
    m_released.wait();
    joinWorker();
    releaseEngine();
    m_user = nullptr;
    m_callback = nullptr;
}

bool CAVConverter::loudness(double* measuredLufs, double* finalLufs) const
{
    *measuredLufs = m_measuredLufs;
    *finalLufs = m_finalLufs;
    return m_hasLoudness;
}

QString CAVConverter::lastError() const
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_error;
}

void CAVConverter::send(uint32_t progress, int32_t state)
{
    if (m_callback)
        m_callback(progress, m_user, state);
}

void CAVConverter::setError(const QString& error)
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_error = error;
}

void CAVConverter::releaseEngine()
{
    if (const int32_t c = m_converter.exchange(0)) {
        CloseConverter(c);
        DestroyConverter(c);
    }
    if (m_params && !m_worker.joinable()) {
        ReleaseEncodeParams(m_params);
        m_params = 0;
    }
}

void CAVConverter::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

IAVConverter* CreateAVConverter()
{
    return new CAVConverter;
}

void ReleaseAVConverter(IAVConverter* converter)
{
    delete converter;
}
