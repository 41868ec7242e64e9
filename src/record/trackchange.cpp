#include "trackchange.h"

#include "parserxml.h"

bool TrackChange::enabled()
{
    return ParserXML::getSettingBool(QStringLiteral("Split_Recording"),
                                     QStringLiteral("Split_At_New_Track"), false);
}

TrackChange::Mode TrackChange::readMode()
{
    const qint64 index = ParserXML::getSettingInt(QStringLiteral("Split_Recording"),
                                                  QStringLiteral("Split_According_To_Track"), 0);
    return index == 1 ? Mode::NewTrackOrReplay : Mode::NewTrack;
}

std::string TrackChange::keyOf(const NxRecognizerAudioTagInfo& track)
{
    // The unit separator cannot occur in a tag text worth comparing.
    return track.title + '\x1f' + track.artist + '\x1f' + track.album;
}

void TrackChange::beginFileWith(const NxRecognizerAudioTagInfo& track, int64_t startUs)
{
    m_known = true;
    m_key = keyOf(track);
    m_startUs = startUs;
}

TrackChange::Verdict TrackChange::take(const NxRecognizerAudioTagInfo& track, int64_t startUs)
{
    if (!m_known) {
        beginFileWith(track, startUs);
        return Verdict::NameFile;
    }
    const bool same = keyOf(track) == m_key;
    const bool replay = same && m_mode == Mode::NewTrackOrReplay && startUs - m_startUs > kReplayUs;
    return same && !replay ? Verdict::Ignore : Verdict::Split;
}
