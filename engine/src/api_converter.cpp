// The converter's C functions: thin checks around brisca::Converter.

#include "apiutil.h"
#include "containerrewrite.h"
#include "converter.h"

using namespace brisca;

namespace {

std::shared_ptr<Converter> converterOf(int32_t handle)
{
    return lookupHandle<Converter>(handle, "converter");
}

thread_local std::string t_converterError;

}  // namespace

extern "C" {

int32_t CreateAudioConverter(int32_t mode)
{
    if (mode != -1)
        return fail("unknown converter mode " + std::to_string(mode));
    return HandleTable::instance().add(std::make_shared<Converter>());
}

int32_t CreateConverter(int32_t mode)
{
    return CreateAudioConverter(mode);
}

int32_t DestroyConverter(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    if (!c)
        return 0;
    HandleTable::instance().take(converter);
    c->close();
    return 1;
}

int32_t OpenConverter(int32_t converter, const char* source, const char* target, const char* format,
                      int32_t params)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    if (!c)
        return 0;
    std::shared_ptr<EncodeParamsObject> p = lookupHandle<EncodeParamsObject>(params, "params");
    if (!p)
        return 0;
    std::string error;
    return c->open(source ? source : "", target ? target : "", format ? format : "", *p, &error)
               ? 1
               : fail(error);
}

int32_t SetConvertRange(int32_t converter, int64_t startUs, int64_t lengthUs)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    std::string error;
    return c ? (c->setRange(startUs, lengthUs, &error) ? 1 : fail(error)) : 0;
}

int32_t StartConverter(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    std::string error;
    return c ? (c->start(&error) ? 1 : fail(error)) : 0;
}

int32_t GetConverterState(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    return c ? c->state() : -1;
}

int64_t GetConverterTime(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    return c ? c->timeUs() : 0;
}

int64_t GetConverterDuration(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    return c ? c->durationUs() : 0;
}

int32_t GetConverterResult(int32_t converter)
{
    const int32_t s = GetConverterState(converter);
    return s == BRISCA_CONVERTER_DONE || s == BRISCA_CONVERTER_FAILED ||
                   s == BRISCA_CONVERTER_CANCELLED
               ? 1
               : 0;
}

const char* GetConverterError(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    t_converterError = c ? c->errorText() : "invalid converter handle";
    return t_converterError.c_str();
}

int32_t GetConverterCopied(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    return c && c->copied() ? 1 : 0;
}

int32_t GetConverterLoudness(int32_t converter, double* measuredLufs, double* finalLufs)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    return c && c->loudness(measuredLufs, finalLufs) ? 1 : 0;
}

int32_t CancelConverter(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    if (!c)
        return 0;
    return c->cancel() ? 1 : fail("the converter is not running");
}

int32_t SetConverterAbort(int32_t converter, int32_t abort)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    if (c)
        c->setAbort(abort != 0);
    return c ? 1 : 0;
}

int32_t CloseConverter(int32_t converter)
{
    std::shared_ptr<Converter> c = converterOf(converter);
    if (c)
        c->close();
    return c ? 1 : 0;
}

int32_t RewriteContainer(const char* source, const char* target)
{
    if (!source || !target || !*source || !*target)
        return fail("RewriteContainer: no source or target path");
    if (std::string(source) == target)
        return fail("RewriteContainer: the target must differ from the source");
    std::string error;
    if (!rewriteContainer(source, target, &error))
        return fail(error);
    return 1;
}

}  // extern "C"
