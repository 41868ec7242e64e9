#include "fingerprinter.h"

#include <chromaprint.h>

#include "fingerprintinput.h"

namespace brisca {

namespace {

std::vector<uint32_t> rawItems(ChromaprintContext* context)
{
    uint32_t* data = nullptr;
    int size = 0;
    std::vector<uint32_t> items;
    if (chromaprint_get_raw_fingerprint(context, &data, &size) && data)
        items.assign(data, data + size);
    chromaprint_dealloc(data);
    return items;
}

}  // namespace

Fingerprinter::Fingerprinter() : m_context(chromaprint_new(CHROMAPRINT_ALGORITHM_DEFAULT)) {}

Fingerprinter::~Fingerprinter()
{
    chromaprint_free(m_context);
}

bool Fingerprinter::start(std::string* error)
{
    if (!m_context || !chromaprint_start(m_context, kRateHz, 1)) {
        *error = "the fingerprinter does not start";
        return false;
    }
    return true;
}

void Fingerprinter::feed(const int16_t* samples, int count)
{
    if (count > 0)
        chromaprint_feed(m_context, samples, count);
}

std::vector<uint32_t> Fingerprinter::takeItems()
{
    // Chromaprint keeps every item since the start; clearing after each read hands out only
    // the new ones and keeps its memory flat on a recording of hours.
    std::vector<uint32_t> items = rawItems(m_context);
    chromaprint_clear_fingerprint(m_context);
    return items;
}

std::vector<uint32_t> Fingerprinter::finish()
{
    chromaprint_finish(m_context);
    return takeItems();
}

bool fingerprintFile(const std::string& path, int64_t maxUs, std::vector<uint32_t>* items,
                     int64_t* durationUs, std::string* error, const std::atomic<bool>* abort)
{
    FingerprintFileInput input;
    Fingerprinter fingerprinter;
    if (!input.open(path, error) || !fingerprinter.start(error))
        return false;
    const int64_t maxSamples = maxUs > 0 ? maxUs * Fingerprinter::kRateHz / 1000000 : INT64_MAX;
    int64_t fed = 0;
    const std::vector<int16_t>* samples = nullptr;
    int rc = 0;
    while (fed < maxSamples && (rc = input.next(&samples, error)) == 1) {
        if (abort && *abort) {
            *error = "stopped";
            return false;
        }
        const int count = int(std::min<int64_t>(int64_t(samples->size()), maxSamples - fed));
        fingerprinter.feed(samples->data(), count);
        fed += count;
    }
    if (rc < 0)
        return false;
    *items = fingerprinter.finish();
    *durationUs =
        input.durationUs() > 0 ? input.durationUs() : fed * 1000000 / Fingerprinter::kRateHz;
    if (items->empty()) {
        *error = "'" + path + "' is too short to fingerprint";
        return false;
    }
    return true;
}

std::string compressFingerprint(const std::vector<uint32_t>& items, bool base64)
{
    char* encoded = nullptr;
    int size = 0;
    std::string bytes;
    if (chromaprint_encode_fingerprint(items.data(), int(items.size()),
                                       CHROMAPRINT_ALGORITHM_DEFAULT, &encoded, &size, base64) &&
        encoded)
        bytes.assign(encoded, size_t(size));
    chromaprint_dealloc(encoded);
    return bytes;
}

bool decompressFingerprint(const std::string& bytes, std::vector<uint32_t>* items)
{
    uint32_t* data = nullptr;
    int size = 0;
    int algorithm = 0;
    const bool ok = chromaprint_decode_fingerprint(bytes.data(), int(bytes.size()), &data, &size,
                                                   &algorithm, 0) != 0;
    if (ok && data)
        items->assign(data, data + size);
    chromaprint_dealloc(data);
    return ok && data;
}

}  // namespace brisca
