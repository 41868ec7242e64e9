// libFuzzer target fuzz_mediainfo: the input becomes a file that OpenMediaInfo reads; every
// answer is then asked for (streams, tags, cover, chapters, a picture grab). Damaged input
// must fail cleanly or give sane answers, never crash or leak.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <brisca/brisca.h>

static std::string g_path;

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    const char* dir = std::getenv("TMPDIR");
    g_path =
        std::string(dir ? dir : "/tmp") + "/quillon-fuzz-mediainfo-" + std::to_string(getpid());
    return 0;
}

static void askEverything(int32_t info)
{
    (void)GetMediaDuration(info);
    (void)GetMediaBitRate(info);
    const int32_t streams = GetMediaStreamCount(info);
    for (int32_t i = 0; i < streams; ++i) {
        BriscaStreamInfo s{};
        if (!GetMediaStreamInfo(info, i, &s) || s.codecName[sizeof s.codecName - 1] != '\0')
            std::abort();
    }
    for (int32_t i = 0; const char* key = GetMetadataKeyAt(info, i); ++i) {
        const BriscaEntry* e = GetMetadataEntry(info, key);
        if (!e || GetEntryData(e)[GetEntrySize(e)] != '\0')
            std::abort();  // listed keys must be found, and texts end in NUL
    }
    (void)GetMetadataEntry(info, "cover_image");
    for (int32_t i = 0; i < GetChapterCount(info); ++i) {
        if (GetChapterDuration(info, i) < 0 || !GetChapterValue(info, i))
            std::abort();
    }
    (void)IsAudioTrackIndexValid(info, -1);
    (void)GetSubtitleInfoValue(info, 0);
    int32_t size = 0;
    if (const uint8_t* bmp = ExtractVideoFrame(info, 0, 0, 0, nullptr, nullptr, &size)) {
        if (size < 54 || bmp[0] != 'B' || bmp[1] != 'M')
            std::abort();
        ReleaseVideoFrame(info, bmp);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(g_path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    const int32_t info = CreateMediaInfo(-1);
    if (OpenMediaInfo(info, g_path.c_str()))
        askEverything(info);
    else if (BriscaLastError()[0] == '\0')
        std::abort();  // a failure always says why
    DestroyMediaInfo(info);
    std::remove(g_path.c_str());
    return 0;
}
