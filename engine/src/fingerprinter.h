#pragma once
// Fingerprinter: Chromaprint's fingerprint of signed 16-bit mono audio at kRateHz (the rate
// Chromaprint works at, so it never resamples itself). Items come out as the audio goes in,
// one 32-bit item per kItemSamples. fingerprintFile() decodes a whole file through FFmpeg.
// Not thread-safe; one owner.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct ChromaprintContextPrivate;

namespace brisca {

class Fingerprinter {
public:
    static constexpr int kRateHz = 11025;
    // Chromaprint's default algorithm: 4096-sample frames, a new item every third of a frame.
    static constexpr int kItemSamples = 1365;
    static constexpr int64_t itemsToUs(int64_t items)
    {
        return items * kItemSamples * 1000000 / kRateHz;
    }
    static constexpr int64_t usToItems(int64_t us)
    {
        return us * kRateHz / (int64_t(kItemSamples) * 1000000);
    }

    Fingerprinter();
    ~Fingerprinter();
    Fingerprinter(const Fingerprinter&) = delete;
    Fingerprinter& operator=(const Fingerprinter&) = delete;

    bool start(std::string* error);
    void feed(const int16_t* samples, int count);
    // The items computed since the previous call.
    std::vector<uint32_t> takeItems();
    // Ends the audio and returns the last items.
    std::vector<uint32_t> finish();

private:
    ChromaprintContextPrivate* m_context = nullptr;
};

// The fingerprint of a file's sound, at most maxUs of it from the start (0: all). Sets *error
// and returns false when the file does not decode. abort (optional) ends the work early.
bool fingerprintFile(const std::string& path, int64_t maxUs, std::vector<uint32_t>* items,
                     int64_t* durationUs, std::string* error,
                     const std::atomic<bool>* abort = nullptr);

// Chromaprint's compressed form of a fingerprint (binary, or base64 as fpcalc prints it) and
// back from binary.
std::string compressFingerprint(const std::vector<uint32_t>& items, bool base64 = false);
bool decompressFingerprint(const std::string& bytes, std::vector<uint32_t>* items);

}  // namespace brisca
