// Recognizers and the local catalogue.

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "apiutil.h"
#include "catalogue.h"
#include "cataloguefile.h"
#include "fingerprinter.h"
#include "mediainfo.h"
#include "recognizer.h"
#include "trackboundary.h"

using namespace brisca;

namespace {

thread_local std::string t_text;  // texts handed out until the next call on the thread

const char* keepText(std::string text)
{
    t_text = std::move(text);
    return t_text.c_str();
}

// A stream description whose sound comes from a file rather than from pushed frames.
struct FileStreamObject : StreamObject {
    std::string path;
};

}  // namespace

extern "C" {

int32_t CreateRecognizer(int32_t /*mode*/)
{
    return HandleTable::instance().add(std::make_shared<Recognizer>());
}

int32_t DestroyRecognizer(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (!r)
        return 0;
    HandleTable::instance().take(recognizer);
    r->close();
    return 1;
}

int32_t OpenRecognizer(int32_t recognizer, int32_t /*mode*/, int32_t stream, int32_t flags)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    std::shared_ptr<StreamObject> s = lookupHandle<StreamObject>(stream, "stream");
    if (!r || !s)
        return 0;
    std::string error;
    if (auto file = std::dynamic_pointer_cast<FileStreamObject>(s))
        return r->openFile(file->path, &error) ? 1 : fail(error);
    const bool continuous = (flags & BRISCA_RECOGNIZE_CONTINUOUS) != 0;
    return r->openStream(s, continuous, &error) ? 1 : fail(error);
}

int32_t OpenRecognizerFileStream(int32_t mediaInfo)
{
    std::shared_ptr<MediaInfo> info = lookupHandle<MediaInfo>(mediaInfo, "media information");
    if (!info)
        return 0;
    auto stream = std::make_shared<FileStreamObject>();
    {
        std::lock_guard<std::mutex> lock(info->mutex);
        if (!info->isOpen())
            return fail("the media information has no file open");
        stream->path = info->path();
    }
    stream->codecTag = "FILE";
    return HandleTable::instance().add(stream);
}

int32_t RecognizeFile(int32_t recognizer, const char* path)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (!r)
        return 0;
    std::string error;
    return r->openFile(path ? path : "", &error) ? 1 : fail(error);
}

int32_t StartRecognizer(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    std::string error;
    return r && (r->start(&error) || fail(error)) ? 1 : 0;
}

int32_t StopRecognizer(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (r)
        r->stop();
    return r ? 1 : 0;
}

int32_t EndRecognizerStream(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (r)
        r->endStream();
    return r ? 1 : 0;
}

int32_t CloseRecognizer(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (r)
        r->close();
    return r ? 1 : 0;
}

int32_t GetRecognizerState(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    return r ? r->state() : -1;
}

const BriscaEntry* GetRecognizedTag(int32_t recognizer, const char* key)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    return r && key ? r->tag(key) : nullptr;
}

int32_t GetRecognizedMatch(int32_t recognizer, double* confidence, int64_t* offsetUs)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    if (!r)
        return 0;
    if (r->state() != BRISCA_RECOGNIZER_MATCHED)
        return fail("nothing was recognized");
    if (confidence)
        *confidence = r->confidence();
    if (offsetUs)
        *offsetUs = r->offsetUs();
    return 1;
}

int32_t TakeRecognizedTrack(int32_t recognizer, int64_t* startUs)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    return r && r->takeNext(startUs) ? 1 : 0;
}

const char* GetRecognizerReason(int32_t recognizer)
{
    std::shared_ptr<Recognizer> r = lookupHandle<Recognizer>(recognizer, "recognizer");
    return keepText(r ? r->reason() : std::string());
}

int32_t SetCataloguePath(const char* path)
{
    Catalogue::setPathOverride(path ? path : "");
    return 1;
}

const char* GetCataloguePath(void)
{
    return keepText(Catalogue::path());
}

int32_t AddCatalogueFile(const char* path)
{
    CatalogueTrack track;
    std::string error;
    if (!path || !readCatalogueTrack(path, &track, &error))
        return fail(path ? error : "no path");
    Catalogue catalogue;
    if (!catalogue.open(true, &error) || !catalogue.add({track}, nullptr, &error))
        return fail(error);
    return 1;
}

int64_t GetCatalogueTrackCount(void)
{
    Catalogue catalogue;
    if (::access(Catalogue::path().c_str(), F_OK) != 0)
        return 0;  // nothing added yet
    std::string error;
    int64_t count = -1;
    if (!catalogue.open(false, &error) || (count = catalogue.trackCount(&error)) < 0)
        fail(error);
    return count;
}

char* FingerprintFile(const char* path, int64_t maxUs, int32_t raw, int64_t* durationUs)
{
    std::vector<uint32_t> items;
    int64_t duration = 0;
    std::string error;
    if (!path || !fingerprintFile(path, maxUs, &items, &duration, &error)) {
        fail(path ? error : "no path");
        return nullptr;
    }
    if (durationUs)
        *durationUs = duration;
    std::string text;
    if (raw) {
        for (uint32_t item : items)
            text += (text.empty() ? "" : ",") + std::to_string(item);
    } else {
        text = compressFingerprint(items, true);
    }
    return strdup(text.c_str());
}

void ReleaseFingerprint(char* fingerprint)
{
    std::free(fingerprint);
}

int64_t MoveTrackBoundary(const char* firstPath, const char* secondPath, int64_t tailUs,
                          int64_t searchUs)
{
    if (!firstPath || !secondPath || tailUs < 0 || searchUs < 0)
        return fail("no path, or a negative time") - 1;
    int64_t moved = 0;
    std::string error;
    if (!moveTrackBoundary(firstPath, secondPath, tailUs, searchUs, &moved, &error))
        return fail(error) - 1;
    return moved;
}

}  // extern "C"
