#include "avlog.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace brisca {

void setFfmpegLogLevel()
{
    static std::once_flag once;
    std::call_once(once, [] {
        static const struct {
            const char* name;
            int level;
        } kLevels[] = {
            {"quiet", AV_LOG_QUIET},     {"panic", AV_LOG_PANIC},     {"fatal", AV_LOG_FATAL},
            {"error", AV_LOG_ERROR},     {"warning", AV_LOG_WARNING}, {"info", AV_LOG_INFO},
            {"verbose", AV_LOG_VERBOSE}, {"debug", AV_LOG_DEBUG},     {"trace", AV_LOG_TRACE}};
        int level = AV_LOG_FATAL;
        if (const char* wanted = std::getenv("BRISCA_FFMPEG_LOG")) {
            for (const auto& l : kLevels) {
                if (std::strcmp(wanted, l.name) == 0)
                    level = l.level;
            }
        }
        av_log_set_level(level);
    });
}

}  // namespace brisca
