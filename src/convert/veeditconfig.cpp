#include "veeditconfig.h"

#include <cmath>

bool VEAudioTagInfo::operator==(const VEAudioTagInfo& o) const
{
    return title == o.title && artist == o.artist && albumArtist == o.albumArtist &&
           composer == o.composer && album == o.album && genre == o.genre && track == o.track &&
           year == o.year && date == o.date && grouping == o.grouping && comment == o.comment &&
           disc == o.disc && copyright == o.copyright && coverBytes == o.coverBytes &&
           coverSize == o.coverSize && flag == o.flag;
}

bool VEEditConfig::effectsNeutral() const
{
    if (levelA != 100 || levelB != 100 || levelC != 100)
        return false;
    for (double g : eqGains) {
        if (std::fabs(g) >= 0.01)
            return false;
    }
    return true;
}
