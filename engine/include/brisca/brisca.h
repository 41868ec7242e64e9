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
BRISCA_API int32_t SetAudioSampleRate(int32_t params, int32_t rateHz); /* 0 means 44100 */
BRISCA_API int32_t SetAudioChannels(int32_t params, int32_t channels); /* 0 means 2 */
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
BRISCA_API int32_t SetStreamDataCallback(int32_t stream, BriscaStreamDataCallback callback,
                                         void* user);
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
BRISCA_API int32_t OpenRecorder(int32_t recorder, const char* path, const char* format,
                                int32_t params);
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
 * Level block: the audio encoded since the previous block, and at least the most recent
 * (about 50 ms), as unsigned 16-bit levels of the mono mix (|sample| scaled to 0..65535). A
 * backlog of more than 16000 levels (the file is written in bursts while an input lags) is
 * condensed to at most 16000, each the loudest of its group; the block's rate says how many
 * levels a second it then holds. Null when no new audio was encoded since the last call. The
 * block is the caller's until ReleaseRecorderLevelBlock.
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

/* ---- Effects and conversion options (encode parameters) ------------------------------- */

/*
 * Effect levels in percent, 100 = unchanged (the default):
 *   A  volume: gain A/100, 0..400.
 *   B  stereo width: 0 = mono, 100 = unchanged, up to 300.
 *   C  treble: a shelf above 3 kHz of (C - 100) / 10 dB, 0..300.
 * The equalizer takes up to ten bands (centre in Hz, gain in dB, -20..+20); count 0 or all
 * gains 0 is flat. Whenever the effects can raise the level, a limiter keeps peaks below
 * -1 dBFS. The same values apply to players (SetPlayerEffectLevel*, SetPlayerEqualizer).
 */
BRISCA_API int32_t SetAudioEffectLevelA(int32_t params, int32_t percent);
BRISCA_API int32_t SetAudioEffectLevelB(int32_t params, int32_t percent);
BRISCA_API int32_t SetAudioEffectLevelC(int32_t params, int32_t percent);
BRISCA_API int32_t SetEncodeEqualizer(int32_t params, const double* frequenciesHz,
                                      const double* gainsDb, int32_t count);
/* A tag of the converted file. The source's tags are carried over; a value set here replaces
 * the source's, an empty value removes it. Keys as in GetMetadataEntry ("title", ...). */
BRISCA_API int32_t SetEncodeMetadata(int32_t params, const char* key, const char* value);

/* Stream copy of a conversion (SetEncodeStreamCopy). A copy moves the compressed frames
 * without decoding; it needs neutral effects and the source's codec (MP3, AAC, ALAC, FLAC or
 * PCM) in the target container. */
enum {
    BRISCA_COPY_NEVER = 0,    /* always decode and encode (the default) */
    BRISCA_COPY_REQUIRED = 1, /* copy; OpenConverter fails when a copy is not possible */
    BRISCA_COPY_AUTO = 2      /* copy when possible, else encode */
};
BRISCA_API int32_t SetEncodeStreamCopy(int32_t params, int32_t mode);
/* Loudness normalisation to an integrated loudness (EBU R128, LUFS, -70..0); 0 turns it off.
 * The converter then measures the range in a first pass and encodes with the matching gain in
 * a second. Implies encoding. */
BRISCA_API int32_t SetEncodeLoudness(int32_t params, double targetLufs);

/* ---- Media information ---------------------------------------------------------------- */

typedef struct BriscaEntry BriscaEntry; /* a metadata value owned by the media information */

/* What GetMediaStreamInfo reports about one stream. */
typedef struct BriscaStreamInfo {
    int32_t kind;            /* 0 video, 1 audio, 3 subtitle, 2/4 data/attachment (AVMediaType) */
    int32_t codecId;         /* AVCodecID */
    char codecName[32];      /* "mp3", "aac", ... */
    int32_t rateHz;          /* audio */
    int32_t channels;        /* audio */
    uint64_t channelMask;    /* audio, 0 when unknown */
    int64_t bitRate;         /* bit/s, 0 when unknown */
    int64_t durationUs;      /* 0 when unknown */
    int32_t width, height;   /* pictures */
    int32_t attachedPicture; /* 1: the stream is cover art */
} BriscaStreamInfo;

BRISCA_API int32_t CreateMediaInfo(int32_t mode); /* mode -1 */
BRISCA_API int32_t DestroyMediaInfo(int32_t info);
/* Opens a file and reads its streams, tags and chapters. Fails with a reason (not media,
 * truncated beyond use, no stream at all). */
BRISCA_API int32_t OpenMediaInfo(int32_t info, const char* path);
/* Disc sources are not supported: fails. */
BRISCA_API int32_t OpenMediaInfoDisc(int32_t info, const char* path);
/* Title 0 is the opened file itself: 1 when a file is open, 0 otherwise. */
BRISCA_API int32_t SelectDiscTitle(int32_t info, int32_t title);
BRISCA_API int32_t CloseMediaInfo(int32_t info);
/* Microseconds, 0 when unknown. */
BRISCA_API int64_t GetMediaDuration(int32_t info);
/* Overall bit rate in bit/s, 0 when unknown. */
BRISCA_API int64_t GetMediaBitRate(int32_t info);
BRISCA_API int32_t GetMediaStreamCount(int32_t info);
BRISCA_API int32_t GetMediaStreamInfo(int32_t info, int32_t index, BriscaStreamInfo* out);
/* The values a player is opened with: A the default audio track (0, or -1 without audio),
 * B the default subtitle track (-1 when none). */
BRISCA_API int32_t GetMediaInfoValueA(int32_t info);
BRISCA_API int32_t GetMediaInfoValueB(int32_t info);
/* 1 when the file has a picture stream that is not cover art (a video). */
BRISCA_API int32_t HasVideoStream(int32_t info);
/* Track indexes count within their kind; -1 means the default track. */
BRISCA_API int32_t IsAudioTrackIndexValid(int32_t info, int32_t index);
BRISCA_API int32_t IsSubtitleIndexValid(int32_t info, int32_t index);
/* The subtitle track's language ("" when untagged), null for an invalid index. */
BRISCA_API const char* GetSubtitleInfoValue(int32_t info, int32_t index);
/*
 * A metadata value by key (case-insensitive), null when absent. Keys: the file's tags
 * ("title", "artist", "album_artist", "album", "date", "track", ... as FFmpeg names them,
 * stream tags included), plus:
 *   "cover_image"    the attached picture's bytes (JPEG, PNG, ...), not NUL-terminated;
 *   "ffmpeg_format"  the demuxer's name ("mp3", "mov,mp4,m4a,3gp,3g2,mj2", ...);
 *   "major_brand"    of MP4-family files.
 * Text values are NUL-terminated UTF-8. Entries stay valid until the next open or close.
 */
BRISCA_API const BriscaEntry* GetMetadataEntry(int32_t info, const char* key);
BRISCA_API const uint8_t* GetEntryData(const BriscaEntry* entry);
BRISCA_API int32_t GetEntrySize(const BriscaEntry* entry); /* bytes, without the NUL */
/* The key of the index-th tag of the file (format tags, then the audio stream's), null past
 * the end; for listing all tags. */
BRISCA_API const char* GetMetadataKeyAt(int32_t info, int32_t index);
/*
 * A frame of the picture stream (or, without one, the decoded cover art) at positionUs, as a
 * complete BMP file in memory (24-bit, bottom-up). width/height 0 keep the picture's size.
 * *outSize (optional) receives the byte count, also readable as the little-endian 32-bit value
 * at byte 2. Null when there is no picture. Free with ReleaseVideoFrame.
 */
BRISCA_API const uint8_t* ExtractVideoFrame(int32_t info, int64_t positionUs, int32_t width,
                                            int32_t height, int32_t* outWidth, int32_t* outHeight,
                                            int32_t* outSize);
BRISCA_API void ReleaseVideoFrame(int32_t info, const uint8_t* bmp);
/* Chapters, in file order. A chapter's duration runs to its end mark; without a usable end
 * (missing, not after its start) to the next chapter's start, or for the last to the end of
 * the file; never past the end of the file. */
BRISCA_API int32_t GetChapterCount(int32_t info);
BRISCA_API int64_t GetChapterStart(int32_t info, int32_t index);
BRISCA_API int64_t GetChapterDuration(int32_t info, int32_t index);
/* The chapter's title, "" when it has none; null for an invalid index. */
BRISCA_API const char* GetChapterValue(int32_t info, int32_t index);

/* ---- Player --------------------------------------------------------------------------- */

/*
 * A player decodes one file on its own thread, applies the effects and plays the sound on the
 * PulseAudio server's default sink. Positions are microseconds from the start of the file and
 * follow what has been heard (the output's latency is taken off). All calls may come from any
 * thread; the GUI polls position, state and level data with timers.
 */
enum {
    BRISCA_PLAYER_CLOSED = 0,
    BRISCA_PLAYER_STOPPED = 1, /* opened or stopped: at the start, silent */
    BRISCA_PLAYER_PLAYING = 2,
    BRISCA_PLAYER_PAUSED = 3,
    BRISCA_PLAYER_FINISHED = 4, /* everything up to the end has been heard */
    BRISCA_PLAYER_FAILED = 5    /* reading, decoding or the output failed; GetPlayerError */
};

BRISCA_API int32_t CreatePlayer(int32_t mode); /* -1; -3: no sound output, paced by a clock */
BRISCA_API int32_t DestroyPlayer(int32_t player);
/* window: no picture output, pass 0. audioTrack and subtitleTrack as GetMediaInfoValueA/B.
 * Fails for a file without a sound stream. Leaves the player stopped at 0. */
BRISCA_API int32_t OpenPlayerMedia(int32_t player, const char* path, int64_t window,
                                   int32_t audioTrack, int32_t subtitleTrack);
BRISCA_API int32_t ClosePlayerMedia(int32_t player);
BRISCA_API int32_t GetPlayerState(int32_t player);
BRISCA_API const char* GetPlayerError(int32_t player);
/* Length of the level blocks (and the position's granularity), microseconds; default 50000. */
BRISCA_API int32_t SetPlayerUpdateInterval(int32_t player, int32_t intervalUs);
/* The picture-preview mode of the editor; recorded only, sound is not affected. */
BRISCA_API int32_t SetPreviewRotateParam02(int32_t player, int32_t mode);
BRISCA_API int32_t PlayerHasPictureStream(int32_t player);
BRISCA_API int32_t PlayerHasSoundStream(int32_t player);
BRISCA_API int32_t SetPlayerLevelData(int32_t player, int32_t enabled);
BRISCA_API int32_t PlayerPlay(int32_t player);
BRISCA_API int32_t PlayerPause(int32_t player);
/* Stops and rewinds to 0. */
BRISCA_API int32_t PlayerStop(int32_t player);
BRISCA_API int32_t IsPlaybackFinished(int32_t player);
/* Where playback ends: the sound stops exactly there and the player becomes finished, as at
 * the end of the file. 0 = the end of the file. */
BRISCA_API int32_t SetPlayerEndPosition(int32_t player, int64_t endUs);
/* Lands on the exact sample; while playing, sound goes on from there. */
BRISCA_API int32_t PlayerSeek(int32_t player, int64_t positionUs);
/* Scrubbing: until EndPlayerAsyncSeek, PlayerSeek returns at once, only the latest target is
 * served and it may land up to toleranceUs before the target (on a packet boundary).
 * EndPlayerAsyncSeek lands exactly on the last target. */
BRISCA_API int32_t BeginPlayerAsyncSeek(int32_t player, int64_t toleranceUs);
BRISCA_API int32_t EndPlayerAsyncSeek(int32_t player);
/* Steps of 40 ms for sound: pauses, moves by one step (+1 or -1) and marks the player as
 * paused for stepping until it plays again. */
BRISCA_API int32_t PlayerStepFrame(int32_t player, int32_t direction);
BRISCA_API int32_t IsPlayerStepPaused(int32_t player);
BRISCA_API int32_t ShowPlayerCurrentFrame(int32_t player);
BRISCA_API int64_t GetPlayerFramePosition(int32_t player);
BRISCA_API int32_t RefreshPlayerVideo(int32_t player); /* no picture output: 1 */
BRISCA_API int64_t GetPlayerDuration(int32_t player);
BRISCA_API int64_t GetPlayerPosition(int32_t player);
/* Sound volume in percent (0..100), applied to the samples: effect level A. flags: 0. */
BRISCA_API int32_t SetPlayerVolume(int32_t player, int32_t percent, int32_t flags);
BRISCA_API int32_t SetPlayerEffectLevelB(int32_t player, int32_t percent);
BRISCA_API int32_t SetPlayerEffectLevelC(int32_t player, int32_t percent);
BRISCA_API int32_t SetPlayerEqualizer(int32_t player, const double* frequenciesHz,
                                      const double* gainsDb, int32_t count);
/* The volume of the player's stream on the sound server, percent (0..100). */
BRISCA_API int32_t SetRendererVolume(int32_t player, int32_t percent);
/* The level block (GetRecorderLevelBlock's layout) of the update interval that ends at the
 * position heard now; null when level data is off, nothing new was heard, or count < 1.
 * Free with ReleasePlayerAudioData. */
BRISCA_API const uint8_t* GetPlayerAudioData(int32_t player, int32_t count);
BRISCA_API void ReleasePlayerAudioData(int32_t player, const uint8_t* block);

/* ---- Converter ------------------------------------------------------------------------ */

/*
 * A converter turns a range of a source file into a new file, with the effects of the encode
 * parameters, on its own thread. The target appears only complete: the work goes to a
 * temporary file in the target's folder, renamed at the end; failure or cancel removes it.
 */
enum {
    BRISCA_CONVERTER_IDLE = 0,
    BRISCA_CONVERTER_DONE = 1, /* finished; the target exists */
    BRISCA_CONVERTER_OPENED = 2,
    BRISCA_CONVERTER_RUNNING = 3,
    BRISCA_CONVERTER_FAILED = 4, /* GetConverterError says why */
    BRISCA_CONVERTER_CANCELLED = 5
};

BRISCA_API int32_t CreateAudioConverter(int32_t mode); /* -1 */
BRISCA_API int32_t CreateConverter(int32_t mode);      /* -1; pictures are dropped */
BRISCA_API int32_t DestroyConverter(int32_t converter);
/* Checks the source and the target format now, so that bad input fails here with a reason.
 * The parameters are copied. */
BRISCA_API int32_t OpenConverter(int32_t converter, const char* source, const char* target,
                                 const char* format, int32_t params);
/* The range of the source to convert; length 0 runs to the end. */
BRISCA_API int32_t SetConvertRange(int32_t converter, int64_t startUs, int64_t lengthUs);
BRISCA_API int32_t StartConverter(int32_t converter);
/* BRISCA_CONVERTER_*. */
BRISCA_API int32_t GetConverterState(int32_t converter);
/* Progress: the work done and the whole work, in microseconds of audio (a loudness pass
 * counts the range twice). */
BRISCA_API int64_t GetConverterTime(int32_t converter);
BRISCA_API int64_t GetConverterDuration(int32_t converter);
/* 1 once the run has ended (done, failed or cancelled), 0 while it runs. */
BRISCA_API int32_t GetConverterResult(int32_t converter);
BRISCA_API const char* GetConverterError(int32_t converter);
/* 1 when the frames were copied without re-encoding. */
BRISCA_API int32_t GetConverterCopied(int32_t converter);
/* The measured loudness of the range and the loudness of the result (LUFS); 0 without
 * SetEncodeLoudness or before the end. */
BRISCA_API int32_t GetConverterLoudness(int32_t converter, double* measuredLufs, double* finalLufs);
/* Asks the run to stop and waits for it; the target is not created. */
BRISCA_API int32_t CancelConverter(int32_t converter);
/* 1 makes a pending OpenConverter give up early; 0 allows opening again. */
BRISCA_API int32_t SetConverterAbort(int32_t converter, int32_t abort);
BRISCA_API int32_t CloseConverter(int32_t converter);

/* Rewrites the container of `source` into `target` (which must differ) around the same
 * compressed audio, without decoding: the best audio stream and the tags are copied into a
 * new file of the container the target's extension names, which gets the duration, index
 * and counts a writer puts in at the end. For recordings whose writer was killed. Blocks
 * until done; the target is removed on failure. */
BRISCA_API int32_t RewriteContainer(const char* source, const char* target);

/* ---- Recognition ---------------------------------------------------------------------- */

/*
 * A recognizer identifies the music in a raw-frame stream ("AFRM") or a file against the
 * local catalogue of the user's own music (see AddCatalogueFile). It works on a thread of its
 * own: the thread that pushes frames into its stream never waits for it; it takes the queued
 * frames every few tens of milliseconds, so GetStreamQueuedBytes grows only while it is not
 * listening (before StartRecognizer, after a result or StopRecognizer). A stream is first
 * looked up after 10 s of sound and again after every 3 s, on its latest 30 s.
 */
enum {
    BRISCA_RECOGNIZER_IDLE = 0,      /* created or closed */
    BRISCA_RECOGNIZER_MATCHED = 1,   /* a result is ready (GetRecognizedTag) */
    BRISCA_RECOGNIZER_OPENED = 2,    /* opened, not yet started */
    BRISCA_RECOGNIZER_LISTENING = 3, /* started, no result yet */
    BRISCA_RECOGNIZER_NO_MATCH = 4   /* ended without a result; GetRecognizerReason says why */
};

/*
 * OpenRecognizer flag: continuous recognition of a stream that may hold several tracks one
 * after another (a recording). The recognizer does not stop at its first match: it looks the
 * latest 10 s up every 2 s and queues every track it identifies that differs from the one it
 * queued last (or is the same track begun again), with the stream position where the track
 * begins; TakeRecognizedTrack takes them in order. The state stays LISTENING until
 * StopRecognizer, which then gives MATCHED when any track was identified. The stream's frames
 * are placed by their timestamps (SetFrameTimestamp), as a recorder places them in its file: a
 * gap is silence and an overlap is dropped, so positions are positions in that file.
 */
enum { BRISCA_RECOGNIZE_CONTINUOUS = 1 };

BRISCA_API int32_t CreateRecognizer(int32_t mode); /* mode -1 */
BRISCA_API int32_t DestroyRecognizer(int32_t recognizer);
/* Opens on a raw-frame stream description (codec tag "AFRM"). mode: 0; flags: 0 (stop at the
 * first match) or BRISCA_RECOGNIZE_CONTINUOUS. */
BRISCA_API int32_t OpenRecognizer(int32_t recognizer, int32_t mode, int32_t stream, int32_t flags);
/* A stream description whose sound is the file a media information has open (the file's
 * best audio stream); OpenRecognizer on it recognizes that file. Release it with
 * ReleaseStreamDesc. 0 when the media information has no file open. */
BRISCA_API int32_t OpenRecognizerFileStream(int32_t mediaInfo);
/* Opens on a file (its best audio stream). Fails with a reason when it is not media. */
BRISCA_API int32_t RecognizeFile(int32_t recognizer, const char* path);
/* Starts listening. Returns 1 when started. */
BRISCA_API int32_t StartRecognizer(int32_t recognizer);
/* Stops listening; without a result the state becomes BRISCA_RECOGNIZER_NO_MATCH. A result
 * stays readable until CloseRecognizer. */
BRISCA_API int32_t StopRecognizer(int32_t recognizer);
/* The stream has ended (the recording stopped): the recognizer takes what is still queued,
 * looks it up once more, even when less than the usual 3 s came since the last lookup, and
 * then ends with a result or with BRISCA_RECOGNIZER_NO_MATCH, without waiting for more sound.
 * Returns at once. */
BRISCA_API int32_t EndRecognizerStream(int32_t recognizer);
/* Stops and forgets the source and the result. */
BRISCA_API int32_t CloseRecognizer(int32_t recognizer);
/* BRISCA_RECOGNIZER_*; -1 for an invalid handle. */
BRISCA_API int32_t GetRecognizerState(int32_t recognizer);
/*
 * A value of the result, null when the track has none or nothing was recognized. Keys:
 * "title", "artist", "album", "album_artist", "comment", "composer", "copyright", "date",
 * "disc", "dvd_clip", "dvd_size", "genre", "grouping", "lyrics", "track", "year" (texts,
 * NUL-terminated) and "cover_image" (picture bytes). Read with GetEntryData/GetEntrySize; valid
 * until the recognizer is closed, opened again or destroyed.
 */
BRISCA_API const BriscaEntry* GetRecognizedTag(int32_t recognizer, const char* key);
/* Confidence of the result (0..1) and where the source's start lies in the recognized track
 * (microseconds; negative when the track began after the source did). */
BRISCA_API int32_t GetRecognizedMatch(int32_t recognizer, double* confidence, int64_t* offsetUs);
/* Continuous recognition: makes the next identified track the result that GetRecognizedTag
 * and GetRecognizedMatch read, and sets *startUs (optional) to where that track begins:
 * microseconds of sound from the stream's first pushed sample, negative when the stream began
 * inside the track. 1 when a track was taken, 0 when none is waiting (or a dead handle). */
BRISCA_API int32_t TakeRecognizedTrack(int32_t recognizer, int64_t* startUs);
/* Why the last lookup found nothing when something failed ("the catalogue '...' is locked by
 * another program", "... is damaged: ..."), "" for a plain no match. Valid until the next
 * call on this thread. */
BRISCA_API const char* GetRecognizerReason(int32_t recognizer);

/* ---- Local catalogue ------------------------------------------------------------------ */

/* The catalogue file (SQLite). Default: catalogue.sqlite in the engine's data folder
 * (SetEngineDataFolder), else in $XDG_DATA_HOME/quillon. null or "" returns to the default. */
BRISCA_API int32_t SetCataloguePath(const char* path);
/* The catalogue file in use. Valid until the next call on this thread. */
BRISCA_API const char* GetCataloguePath(void);
/* Fingerprints a file and adds it with its tags and embedded cover; a file added before under
 * the same path is replaced. Fails with a reason for a file that is not audio, and at once
 * (without waiting) when another program holds the catalogue locked. */
BRISCA_API int32_t AddCatalogueFile(const char* path);
/* Tracks in the catalogue, -1 when it cannot be read (BriscaLastError says why). */
BRISCA_API int64_t GetCatalogueTrackCount(void);
/*
 * The fingerprint of a file's sound (Chromaprint's default algorithm), at most maxUs from the
 * start (0: all of it), as fpcalc prints it: base64 of the compressed form, or with raw = 1
 * the 32-bit items as decimal numbers separated by commas. Free with ReleaseFingerprint.
 * *durationUs (optional) receives the file's duration. Null on failure.
 */
BRISCA_API char* FingerprintFile(const char* path, int64_t maxUs, int32_t raw, int64_t* durationUs);
BRISCA_API void ReleaseFingerprint(char* fingerprint);

/*
 * Splitting a recording where a new track begins: the track is identified seconds after it
 * began, so the recording is cut then and this moves the sound between the track's beginning
 * and the cut from the end of firstPath to the front of secondPath (the next recording).
 * tailUs: how long before the end of firstPath the track was found to begin. The boundary goes
 * to the middle of the last silence (100 ms or more below about -50 dBFS) within searchUs
 * before that point or up to 0.5 s after it, else to the point itself. Both files are
 * re-encoded in firstPath's format, sample-exact, keeping their tags; each is written to a
 * temporary file, synced and renamed over its original (secondPath first: a crash in between
 * can double the moved sound but never lose it). Returns the microseconds moved (0: the
 * boundary is the end, nothing changed), -1 on failure with both files unchanged.
 */
BRISCA_API int64_t MoveTrackBoundary(const char* firstPath, const char* secondPath,
                                     int64_t tailUs, int64_t searchUs);

#ifdef __cplusplus
}
#endif
