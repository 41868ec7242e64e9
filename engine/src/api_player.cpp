// The player's C functions: thin checks around brisca::Player.

#include "apiutil.h"
#include "nullplaybacksink.h"
#include "playbacksinkmodule.h"
#include "player.h"

using namespace brisca;

namespace {

std::shared_ptr<Player> playerOf(int32_t handle)
{
    return lookupHandle<Player>(handle, "player");
}

// Runs a Player member that reports failure through an error text.
template <class F>
int32_t act(int32_t handle, F f)
{
    std::shared_ptr<Player> p = playerOf(handle);
    if (!p)
        return 0;
    std::string error;
    return f(*p, &error) ? 1 : fail(error);
}

thread_local std::string t_playerError;

}  // namespace

extern "C" {

int32_t CreatePlayer(int32_t mode)
{
    Player::SinkFactory factory;
    if (mode == -1)
        factory = [](std::string* error) { return createPulsePlaybackSink(error); };
    else if (mode == -3)
        factory = [](std::string*) { return std::make_unique<NullPlaybackSink>(); };
    else
        return fail("unknown player mode " + std::to_string(mode));
    return HandleTable::instance().add(std::make_shared<Player>(std::move(factory)));
}

int32_t DestroyPlayer(int32_t player)
{
    return releaseHandle<Player>(player, "player");
}

int32_t OpenPlayerMedia(int32_t player, const char* path, int64_t /*window*/, int32_t audioTrack,
                        int32_t /*subtitleTrack*/)
{
    return act(player, [&](Player& p, std::string* error) {
        if (!path || !*path) {
            *error = "no path";
            return false;
        }
        return p.open(path, audioTrack, error);
    });
}

int32_t ClosePlayerMedia(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    if (p)
        p->close();
    return p ? 1 : 0;
}

int32_t GetPlayerState(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p ? p->state() : -1;
}

const char* GetPlayerError(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    t_playerError = p ? p->errorText() : "invalid player handle";
    return t_playerError.c_str();
}

int32_t SetPlayerUpdateInterval(int32_t player, int32_t intervalUs)
{
    std::shared_ptr<Player> p = playerOf(player);
    if (p)
        p->setUpdateInterval(intervalUs);
    return p ? 1 : 0;
}

int32_t SetPreviewRotateParam02(int32_t player, int32_t /*mode*/)
{
    return playerOf(player) ? 1 : 0;
}

int32_t PlayerHasPictureStream(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && p->hasPicture() ? 1 : 0;
}

int32_t PlayerHasSoundStream(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && p->hasSound() ? 1 : 0;
}

int32_t SetPlayerLevelData(int32_t player, int32_t enabled)
{
    std::shared_ptr<Player> p = playerOf(player);
    if (p)
        p->setLevelData(enabled != 0);
    return p ? 1 : 0;
}

int32_t PlayerPlay(int32_t player)
{
    return act(player, [](Player& p, std::string* e) { return p.play(e); });
}

int32_t PlayerPause(int32_t player)
{
    return act(player, [](Player& p, std::string* e) { return p.pause(e); });
}

int32_t PlayerStop(int32_t player)
{
    return act(player, [](Player& p, std::string* e) { return p.stop(e); });
}

int32_t IsPlaybackFinished(int32_t player)
{
    return GetPlayerState(player) == BRISCA_PLAYER_FINISHED ? 1 : 0;
}

int32_t SetPlayerEndPosition(int32_t player, int64_t endUs)
{
    std::shared_ptr<Player> p = playerOf(player);
    if (p)
        p->setEndPosition(endUs);
    return p ? 1 : 0;
}

int32_t PlayerSeek(int32_t player, int64_t positionUs)
{
    return act(player, [&](Player& p, std::string* e) { return p.seek(positionUs, e); });
}

int32_t BeginPlayerAsyncSeek(int32_t player, int64_t toleranceUs)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && p->beginAsyncSeek(toleranceUs) ? 1 : 0;
}

int32_t EndPlayerAsyncSeek(int32_t player)
{
    return act(player, [](Player& p, std::string* e) { return p.endAsyncSeek(e); });
}

int32_t PlayerStepFrame(int32_t player, int32_t direction)
{
    return act(player, [&](Player& p, std::string* e) { return p.step(direction, e); });
}

int32_t IsPlayerStepPaused(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && p->stepPaused() ? 1 : 0;
}

int32_t ShowPlayerCurrentFrame(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && p->showCurrentFrame() ? 1 : 0;
}

int64_t GetPlayerFramePosition(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p ? p->framePosition() : 0;
}

int32_t RefreshPlayerVideo(int32_t player)
{
    return playerOf(player) ? 1 : 0;
}

int64_t GetPlayerDuration(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p ? p->durationUs() : 0;
}

int64_t GetPlayerPosition(int32_t player)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p ? p->positionUs() : 0;
}

int32_t SetPlayerVolume(int32_t player, int32_t percent, int32_t /*flags*/)
{
    return act(player, [&](Player& p, std::string* e) {
        return p.setEffectLevel(&EffectSettings::levelA, std::clamp(percent, 0, 400), e);
    });
}

int32_t SetPlayerEffectLevelB(int32_t player, int32_t percent)
{
    return act(player, [&](Player& p, std::string* e) {
        return p.setEffectLevel(&EffectSettings::levelB, std::clamp(percent, 0, 300), e);
    });
}

int32_t SetPlayerEffectLevelC(int32_t player, int32_t percent)
{
    return act(player, [&](Player& p, std::string* e) {
        return p.setEffectLevel(&EffectSettings::levelC, std::clamp(percent, 0, 300), e);
    });
}

int32_t SetPlayerEqualizer(int32_t player, const double* frequenciesHz, const double* gainsDb,
                           int32_t count)
{
    std::vector<EqualizerBand> bands;
    if (!readBands(frequenciesHz, gainsDb, count, &bands))
        return 0;
    return act(player, [&](Player& p, std::string* e) { return p.setEqualizer(bands, e); });
}

int32_t SetRendererVolume(int32_t player, int32_t percent)
{
    std::shared_ptr<Player> p = playerOf(player);
    if (p)
        p->setRendererVolume(percent);
    return p ? 1 : 0;
}

const uint8_t* GetPlayerAudioData(int32_t player, int32_t count)
{
    std::shared_ptr<Player> p = playerOf(player);
    return p && count >= 1 ? p->takeLevels() : nullptr;
}

void ReleasePlayerAudioData(int32_t /*player*/, const uint8_t* block)
{
    std::free(const_cast<uint8_t*>(block));
}

}  // extern "C"
