#pragma once
/*
 * libbrisca: the media engine's C interface.
 *
 * Objects are opaque int32_t handles from one handle table; 0 means "none". Every call on a
 * dead or wrong-kind handle fails cleanly (returns 0 or -1, never crashes). Texts are UTF-8.
 * Times are microseconds. Codec ids are FFmpeg AVCodecID numbers (0x15002 = AAC,
 * 0x15001 = MP3, 0x1500C = FLAC, ...). Sample formats use FFmpeg's AVSampleFormat numbering:
 * 0 = unsigned 8-bit, 1 = signed 16-bit, 2 = signed 32-bit, 3 = float, 4 = double
 * (interleaved; the planar codes 5..9 are accepted as well).
 *
 * Unless stated otherwise a call returns nonzero on success and 0 on failure; the reason of
 * the last failure on the calling thread is in BriscaLastError().
 *
 * Threading: every function may be called from any thread. A recorder accepts
 * WriteAudioFrame and PushStreamFrame (on its attached stream) from two threads at once while
 * a third reads GetRecordedDuration, GetRecorderState and GetRecorderLevelBlock.
 */

#include <stdint.h>

#if defined(__GNUC__)
#define BRISCA_API __attribute__((visibility("default")))
#else
#define BRISCA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Start-up ------------------------------------------------------------------------- */

/* Engine switches kept for the callers' start-up sequence; they only record the values. */
BRISCA_API int32_t SetEngineFlag(int32_t flag, int32_t value);
BRISCA_API int32_t SetEngineFlagPair(int32_t first, int32_t second);
BRISCA_API int32_t SetEngineOptionA(int32_t value);
BRISCA_API int32_t SetEngineOptionB(int32_t value);
/* Folder for the engine's own data files (caches); must exist. */
BRISCA_API int32_t SetEngineDataFolder(const char* folder);

/* Text of the last failure on the calling thread ("" when none). Valid until the next call on
 * this thread. */
BRISCA_API const char* BriscaLastError(void);

/* ---- Encode parameters ---------------------------------------------------------------- */

BRISCA_API int32_t CreateEncodeParams(void);
BRISCA_API int32_t ReleaseEncodeParams(int32_t params);
BRISCA_API int32_t SetAudioCodec(int32_t params, int32_t codecId);
BRISCA_API int32_t SetAudioSampleRate(int32_t params, int32_t rateHz);   /* 0 means 44100 */
BRISCA_API int32_t SetAudioChannels(int32_t params, int32_t channels);   /* 0 means 2 */
BRISCA_API int32_t SetAudioBitRate(int32_t params, int32_t bitsPerSecond);
/* Picks an encoder by FFmpeg name ("aac", "libmp3lame") instead of the codec's default. */
BRISCA_API int32_t SetAudioEncoderName(int32_t params, const char* name);
/* -1 = no video. Video encoding is not done by the recorder; it accepts only -1. */
BRISCA_API int32_t SetVideoCodec(int32_t params, int32_t codecId);
/* 1: a second audio input (a raw-audio stream, see SetEncodeAudioDevice) is mixed in. */
BRISCA_API int32_t SetEncodeAudioEnabled(int32_t params, int32_t enabled);
/* Attaches the raw-audio stream whose pushed frames are the second input. */
BRISCA_API int32_t SetEncodeAudioDevice(int32_t params, int32_t stream);

/* ---- Audio frames --------------------------------------------------------------------- */

BRISCA_API int32_t CreateFrame(void);
BRISCA_API int32_t ReleaseFrame(int32_t frame);
BRISCA_API int32_t SetFrameSampleFormat(int32_t frame, int32_t sampleFormat);
BRISCA_API int32_t SetFrameSampleRate(int32_t frame, int32_t rateHz);
BRISCA_API int32_t SetFrameChannels(int32_t frame, int32_t channels);
/* Channel mask (FFmpeg/WAVE bit order); 0 = the default layout for the channel count. */
BRISCA_API int32_t SetFrameChannelLayout(int32_t frame, uint64_t channelMask);
/* Points the frame at interleaved samples (not copied: the data must stay valid until the
 * frame is written or changed). */
BRISCA_API int32_t SetFrameSamples(int32_t frame, const void* data, int32_t samplesPerChannel);
BRISCA_API int32_t SetFrameTimestamp(int32_t frame, int64_t timestampUs);

/* ---- Raw-audio stream descriptions ---------------------------------------------------- */

/* Called from the recorder's thread with each block the recorder takes from the stream. The
 * result is ignored. */
typedef int32_t (*BriscaStreamDataCallback)(void* user, const uint8_t* data, int32_t size);

BRISCA_API int32_t CreateStreamDesc(int32_t kind); /* 2 = audio; other kinds fail */
BRISCA_API int32_t ReleaseStreamDesc(int32_t stream);
BRISCA_API int32_t SetStreamCodecTag(int32_t stream, const char* fourcc); /* "AFRM" = raw frames */
BRISCA_API int32_t SetStreamSampleRate(int32_t stream, int32_t rateHz);
BRISCA_API int32_t SetStreamChannels(int32_t stream, int32_t channels);
BRISCA_API int32_t SetStreamChannelLayout(int32_t stream, uint64_t channelMask);
BRISCA_API int32_t SetStreamSampleFormat(int32_t stream, int32_t sampleFormat);
BRISCA_API int32_t SetStreamBitsPerSample(int32_t stream, int32_t bits);
BRISCA_API int32_t SetStreamDataCallback(int32_t stream, BriscaStreamDataCallback callback, void* user);
/* Copies the frame's samples into the stream; a frame's own format overrides the stream's. */
BRISCA_API int32_t PushStreamFrame(int32_t stream, int32_t frame);
/* Bytes pushed but not yet taken by a recorder. */
BRISCA_API int64_t GetStreamQueuedBytes(int32_t stream);

/* ---- Recorder ------------------------------------------------------------------------- */

/* Recorder states (GetRecorderState). */
enum {
    BRISCA_RECORDER_IDLE = 0,    /* created or closed */
    BRISCA_RECORDER_WRITING = 1, /* started; frames are encoded */
    BRISCA_RECORDER_OPENED = 2,  /* opened, not yet started */
    BRISCA_RECORDER_STOPPED = 3, /* stopped, not yet closed */
    BRISCA_RECORDER_FAILED = 4   /* a write failed (disk full, ...); see GetRecorderError */
};

BRISCA_API int32_t CreateRecorder(int32_t mode); /* mode -1 */
BRISCA_API int32_t DestroyRecorder(int32_t recorder);
/* Opens the output file. format is the container key of the format catalogue, case-insensitive:
 * "MP3", "M4A" (AAC or ALAC), "MP4", "OGG" (Vorbis), "OPUS", "FLAC", "WAV", "WMA", "AC3",
 * "AIFF"; other FFmpeg muxer names are tried as they are. The parameters are copied. */
BRISCA_API int32_t OpenRecorder(int32_t recorder, const char* path, const char* format, int32_t params);
/* Starts the encoding thread. Returns 1 when started. */
BRISCA_API int32_t StartRecorder(int32_t recorder);
BRISCA_API int32_t GetRecorderState(int32_t recorder);
/* Encodes everything queued, drains the encoder and writes the trailer. */
BRISCA_API int32_t StopRecorder(int32_t recorder);
/* Closes the file (stops first when still writing). */
BRISCA_API int32_t CloseRecorder(int32_t recorder);
/* Sends a frame to the recorder's first input. The samples are copied before it returns; it
 * never waits for the encoder. */
BRISCA_API int32_t WriteAudioFrame(int32_t recorder, int32_t frame);
/* Microseconds of audio written to the file so far. */
BRISCA_API int64_t GetRecordedDuration(int32_t recorder);
/* Microseconds of audio of an input (0 = the frames of WriteAudioFrame, 1 = the attached
 * stream) that were dropped: they came after the file had been written past their timestamps
 * (an input that lags more than about three seconds behind the other does not hold the file
 * back), or they overlapped audio the same input had delivered before. */
BRISCA_API int64_t GetRecorderDroppedDuration(int32_t recorder, int32_t input);
/* Text of the failure that put the recorder into BRISCA_RECORDER_FAILED ("" otherwise). The
 * pointer stays valid until the recorder is opened again or destroyed. */
BRISCA_API const char* GetRecorderError(int32_t recorder);

/*
 * Level block: the most recent encoded audio (about 50 ms), as unsigned 16-bit levels of the
 * mono mix (|sample| scaled to 0..65535). Null when no new audio was encoded since the last
 * call. The block is the caller's until ReleaseRecorderLevelBlock.
 *
 *   offset  0  uint32  magic 'BLVL'
 *   offset  4  uint32  sample rate of the levels (Hz)
 *   offset  8  uint32  channel count of the source audio
 *   offset 12  uint32  reserved (0)
 *   offset 16  int64   timestamp of the first level (microseconds)
 *   offset 24  uint32  byte count of the levels      (the players' "seventh 32-bit word")
 *   offset 28  uint32  reserved (0) x3
 *   offset 40  uint32  byte count of the levels
 *   offset 44  uint16  levels[byte count / 2]
 */
enum { BRISCA_LEVEL_HEADER_BYTES = 44 };
BRISCA_API const uint8_t* GetRecorderLevelBlock(int32_t recorder);
BRISCA_API void ReleaseRecorderLevelBlock(int32_t recorder, const uint8_t* block);

#ifdef __cplusplus
}
#endif
