#pragma once
// The values of the preferences dialog as the settings file keeps them (AudioDefaultSetting.xml,
// one element per group, one attribute per key). load() reads every key with the defaults the
// dialog shows on a first start (which creates the keys' elements); store() writes them back in
// a fixed order. The screenshot folder is shown but never written from here.
//
// Plain value; calls on the settings file follow ParserXML (any thread, one file at a time).

#include <QString>

struct PreferenceValues {
    // What to do when all jobs are finished: index of "Do Nothing", "Put Computer to Sleep",
    // "Shut Down My Computer".
    enum class JobsFinished { DoNothing = 0, Sleep = 1, ShutDown = 2 };
    // How finished tracks are filed below the output folder.
    enum class ArchiveBy { Artist = 0, ArtistAlbum = 1, None = 2 };
    // When a recording is split at a new track.
    enum class TrackSplit { NewTrack = 0, NewTrackOrReplay = 1 };

    // General page.
    bool autoUpdate = false;  // UPDATES_ITEM / bIsAutoUpdate
    bool exitOnClose = true;  // CLOSE_ITEM / bIsCloseDlg: "Y" exits, "N" hides to the tray

    // Convert page.
    QString outputFolder;      // OutPut_path / path_value
    QString screenshotFolder;  // Screenshot_path / Screenshot_path_value (read only here)
    bool deleteShort = true;   // Delete_Recorded_File / Delete_According_To_Duration
    QString shortSeconds = QStringLiteral("1");    // ... / Duration_Less_Than
    bool deleteSilent = false;                     // ... / Delete_According_To_Silence
    bool splitAtSilence = false;                   // Split_Recording / Split_According_To_Silence
    QString silenceMs = QStringLiteral("0");       // ... / Silence_More_Than
    bool splitAtTrack = false;                     // ... / Split_At_New_Track
    TrackSplit trackSplit = TrackSplit::NewTrack;  // ... / Split_According_To_Track
    ArchiveBy archiveBy = ArchiveBy::None;         // ARCHIVE_ITEM / Archive_Tracks_By
    JobsFinished jobsFinished = JobsFinished::DoNothing;  // SHOWDOWN_ITEM / Finished_All_Job
    // Track recognition through the online service (off unless the user switches it on).
    bool onlineLookup = false;  // ONLINE_RECOGNITION / Enabled
    QString acoustIdKey;        // ONLINE_RECOGNITION / AcoustID_Key

    static PreferenceValues load();
    // Only the end-of-jobs choice (read when the last conversion job finishes).
    static JobsFinished loadJobsFinished();
    // Only the archive choice (read when an identified recording is filed).
    static ArchiveBy loadArchiveBy();
    void store() const;

    // <documents folder>/Converted/ and <documents folder>/Screenshots/, '/' separators.
    static QString defaultOutputFolder();
    static QString defaultScreenshotFolder();
};
