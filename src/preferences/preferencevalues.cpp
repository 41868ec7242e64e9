#include "preferencevalues.h"

#include "parserxml.h"

namespace {

struct Key {
    const char* element;
    const char* attribute;
};

const Key kAutoUpdate{"UPDATES_ITEM", "bIsAutoUpdate"};
const Key kCloseExits{"CLOSE_ITEM", "bIsCloseDlg"};
const Key kOutputFolder{"OutPut_path", "path_value"};
const Key kScreenshotFolder{"Screenshot_path", "Screenshot_path_value"};
const Key kDeleteShort{"Delete_Recorded_File", "Delete_According_To_Duration"};
const Key kShortSeconds{"Delete_Recorded_File", "Duration_Less_Than"};
const Key kDeleteSilent{"Delete_Recorded_File", "Delete_According_To_Silence"};
const Key kSplitAtSilence{"Split_Recording", "Split_According_To_Silence"};
const Key kSilenceMs{"Split_Recording", "Silence_More_Than"};
const Key kSplitAtTrack{"Split_Recording", "Split_At_New_Track"};
const Key kTrackSplit{"Split_Recording", "Split_According_To_Track"};
const Key kArchiveBy{"ARCHIVE_ITEM", "Archive_Tracks_By"};
const Key kJobsFinished{"SHOWDOWN_ITEM", "Finished_All_Job"};
const Key kOnlineLookup{"ONLINE_RECOGNITION", "Enabled"};
const Key kAcoustIdKey{"ONLINE_RECOGNITION", "AcoustID_Key"};

QString read(const Key& key, const QString& defaultValue)
{
    return ParserXML::getSettingValue(QLatin1String(key.element), QLatin1String(key.attribute),
                                      defaultValue);
}

bool readBool(const Key& key, bool defaultValue)
{
    return ParserXML::isTrueText(read(key, ParserXML::boolText(defaultValue)));
}

// A stored index outside 0..last (or not a number) reads as the default.
template <class Enum>
Enum readIndex(const Key& key, Enum defaultValue, Enum last)
{
    bool ok = false;
    const int index = read(key, QString::number(int(defaultValue))).toInt(&ok, 10);
    return ok && index >= 0 && index <= int(last) ? Enum(index) : defaultValue;
}

void write(const Key& key, const QString& value)
{
    ParserXML::setSettingValue(QLatin1String(key.element), QLatin1String(key.attribute), value);
}

void write(const Key& key, bool value)
{
    write(key, ParserXML::boolText(value));
}

template <class Enum>
void writeIndex(const Key& key, Enum value)
{
    write(key, QString::number(int(value)));
}

}  // namespace

PreferenceValues PreferenceValues::load()
{
    PreferenceValues v;
    v.autoUpdate = readBool(kAutoUpdate, false);
    v.exitOnClose = readBool(kCloseExits, true);
    v.outputFolder = read(kOutputFolder, defaultOutputFolder());
    v.screenshotFolder = read(kScreenshotFolder, defaultScreenshotFolder());
    v.deleteShort = readBool(kDeleteShort, true);
    v.shortSeconds = read(kShortSeconds, QStringLiteral("1"));
    v.deleteSilent = readBool(kDeleteSilent, false);
    v.splitAtSilence = readBool(kSplitAtSilence, false);
    v.silenceMs = read(kSilenceMs, QStringLiteral("0"));
    v.splitAtTrack = readBool(kSplitAtTrack, false);
    v.trackSplit = readIndex(kTrackSplit, TrackSplit::NewTrack, TrackSplit::NewTrackOrReplay);
    v.archiveBy = loadArchiveBy();
    v.jobsFinished = loadJobsFinished();
    v.onlineLookup = readBool(kOnlineLookup, false);
    v.acoustIdKey = read(kAcoustIdKey, QString());
    return v;
}

PreferenceValues::ArchiveBy PreferenceValues::loadArchiveBy()
{
    return readIndex(kArchiveBy, ArchiveBy::None, ArchiveBy::None);
}

PreferenceValues::JobsFinished PreferenceValues::loadJobsFinished()
{
    return readIndex(kJobsFinished, JobsFinished::DoNothing, JobsFinished::ShutDown);
}

void PreferenceValues::store() const
{
    // Convert page first, then General, as the dialog has always written them.
    writeIndex(kJobsFinished, jobsFinished);
    write(kOutputFolder, outputFolder);
    write(kDeleteShort, deleteShort);
    write(kDeleteSilent, deleteSilent);
    write(kShortSeconds, shortSeconds);
    writeIndex(kTrackSplit, trackSplit);
    write(kSplitAtTrack, splitAtTrack);
    write(kSplitAtSilence, splitAtSilence);
    write(kSilenceMs, silenceMs);
    writeIndex(kArchiveBy, archiveBy);
    write(kAutoUpdate, autoUpdate);
    write(kCloseExits, exitOnClose);
    write(kOnlineLookup, onlineLookup);
    write(kAcoustIdKey, acoustIdKey);
}

QString PreferenceValues::defaultOutputFolder()
{
    return ParserXML::documentsFolder() + QStringLiteral("/Converted/");
}

QString PreferenceValues::defaultScreenshotFolder()
{
    return ParserXML::documentsFolder() + QStringLiteral("/Screenshots/");
}
