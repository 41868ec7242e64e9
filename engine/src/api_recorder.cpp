// The recorder's C functions: thin checks around brisca::Recorder.

#include "handletable.h"
#include "lasterror.h"
#include "recorder.h"

using namespace brisca;

namespace {

std::shared_ptr<Recorder> recorderOf(int32_t handle)
{
    std::shared_ptr<Recorder> r = HandleTable::instance().get<Recorder>(handle);
    if (!r)
        setLastError("invalid recorder handle " + std::to_string(handle));
    return r;
}

}  // namespace

extern "C" {

int32_t CreateRecorder(int32_t mode)
{
    if (mode != -1)
        return fail("unknown recorder mode " + std::to_string(mode));
    return HandleTable::instance().add(std::make_shared<Recorder>());
}

int32_t DestroyRecorder(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    if (!r)
        return 0;
    HandleTable::instance().take(recorder);
    r->close();
    return 1;
}

int32_t OpenRecorder(int32_t recorder, const char* path, const char* format, int32_t params)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    if (!r)
        return 0;
    std::shared_ptr<EncodeParamsObject> p = HandleTable::instance().get<EncodeParamsObject>(params);
    if (!p)
        return fail("invalid params handle " + std::to_string(params));
    if (!path || !*path)
        return fail("no output path");
    std::string error;
    if (!r->open(path, format ? format : "", *p, &error))
        return fail(error);
    return 1;
}

int32_t StartRecorder(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    std::string error;
    if (!r)
        return 0;
    return r->start(&error) ? 1 : fail(error);
}

int32_t GetRecorderState(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? r->state() : -1;
}

int32_t StopRecorder(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    std::string error;
    if (!r)
        return 0;
    return r->stop(&error) ? 1 : fail(error);
}

int32_t CloseRecorder(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? int32_t(r->close()) : 0;
}

int32_t WriteAudioFrame(int32_t recorder, int32_t frame)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    if (!r)
        return 0;
    std::shared_ptr<FrameObject> f = HandleTable::instance().get<FrameObject>(frame);
    if (!f)
        return fail("invalid frame handle " + std::to_string(frame));
    std::string error;
    return r->write(*f, &error) ? 1 : fail(error);
}

int64_t GetRecordedDuration(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? r->durationUs() : 0;
}

int64_t GetRecorderDroppedDuration(int32_t recorder, int32_t input)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? r->droppedUs(input) : 0;
}

const char* GetRecorderError(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? r->errorText() : "invalid recorder handle";
}

const uint8_t* GetRecorderLevelBlock(int32_t recorder)
{
    std::shared_ptr<Recorder> r = recorderOf(recorder);
    return r ? r->levels().takeBlock() : nullptr;
}

void ReleaseRecorderLevelBlock(int32_t /*recorder*/, const uint8_t* block)
{
    LevelMeter::releaseBlock(block);
}

}  // extern "C"
