<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CatalogueTrackIdentifier</name>
    <message>
        <source>the local catalogue needs the sound&apos;s file</source>
        <translation>the local catalogue needs the sound&apos;s file</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Location of Output Files</source>
        <translation>Location of Output Files</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Output folder:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Output folder</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Screenshot folder:</source>
        <translation>Screenshot folder:</translation>
    </message>
    <message>
        <source>Screenshot folder</source>
        <translation>Screenshot folder</translation>
    </message>
    <message>
        <source>Delete Recordings Automatically</source>
        <translation>Delete Recordings Automatically</translation>
    </message>
    <message>
        <source>The duration is less than</source>
        <translation>The duration is less than</translation>
    </message>
    <message>
        <source>The duration is less than (seconds)</source>
        <translation>The duration is less than (seconds)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>The recording is silent</source>
        <translation>The recording is silent</translation>
    </message>
    <message>
        <source>Split Recordings Individually</source>
        <translation>Split Recordings Individually</translation>
    </message>
    <message>
        <source>The silence is more than</source>
        <translation>The silence is more than</translation>
    </message>
    <message>
        <source>The silence is more than (milliseconds)</source>
        <translation>The silence is more than (milliseconds)</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milliseconds</translation>
    </message>
    <message>
        <source>Split at tracks</source>
        <translation>Split at tracks</translation>
    </message>
    <message>
        <source>When a new track begins</source>
        <translation>When a new track begins</translation>
    </message>
    <message>
        <source>When a new track begins or replays</source>
        <translation>When a new track begins or replays</translation>
    </message>
    <message>
        <source>Archive output tracks by</source>
        <translation>Archive output tracks by</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Artist/Album</source>
        <translation>Artist/Album</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Conversion Completed</translation>
    </message>
    <message>
        <source>When all job finished</source>
        <translation>When all job finished</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Do Nothing</translation>
    </message>
    <message>
        <source>Put Computer to Sleep</source>
        <translation>Put Computer to Sleep</translation>
    </message>
    <message>
        <source>Shut Down My Computer</source>
        <translation>Shut Down My Computer</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number of 1 or more.</source>
        <translation>&quot;%1&quot; needs a whole number of 1 or more.</translation>
    </message>
</context>
<context>
    <name>CoverPicture</name>
    <message>
        <source>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</source>
        <translation>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture.</source>
        <translation>&quot;%1&quot; is not a picture.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored as a cover picture.</source>
        <translation>&quot;%1&quot; cannot be stored as a cover picture.</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Automatic updates</source>
        <translation>Automatic updates</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>Automatically update to the newest version</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>Close automatic updates</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimize to Tray</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Online recognition</source>
        <translation>Online recognition</translation>
    </message>
    <message>
        <source>Identify music with AcoustID and MusicBrainz</source>
        <translation>Identify music with AcoustID and MusicBrainz</translation>
    </message>
    <message>
        <source>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</source>
        <translation>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</translation>
    </message>
    <message>
        <source>AcoustID API key:</source>
        <translation>AcoustID API key:</translation>
    </message>
    <message>
        <source>AcoustID API key</source>
        <translation>AcoustID API key</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>Cut Recording</source>
        <translation>Cut Recording</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Cancel Schedule</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>No program is set up to open %1.</translation>
    </message>
    <message>
        <source>%1
Version %2</source>
        <translation>%1
Version %2</translation>
    </message>
    <message>
        <source>The format list cannot be read: %1</source>
        <translation>The format list cannot be read: %1</translation>
    </message>
    <message>
        <source>Recording failed!</source>
        <translation>Recording failed!</translation>
    </message>
    <message>
        <source>Recording split at a silence</source>
        <translation>Recording split at a silence</translation>
    </message>
    <message>
        <source>Recording goes on in a new file: %1</source>
        <translation>Recording goes on in a new file: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded until then is kept.</source>
        <translation>Recording stopped: %1
What was recorded until then is kept.</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Recording stopped</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Scheduled recording finished</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Saved as %1</translation>
    </message>
    <message>
        <source>Scheduled recording: %1 to %2</source>
        <translation>Scheduled recording: %1 to %2</translation>
    </message>
    <message>
        <source>Recording reached its set length</source>
        <translation>Recording reached its set length</translation>
    </message>
    <message>
        <source>Next scheduled recording: %1 %2 to %3</source>
        <translation>Next scheduled recording: %1 %2 to %3</translation>
    </message>
    <message>
        <source>The program ended while recording. These recordings were recovered and are in the list:
%1</source>
        <translation>The program ended while recording. These recordings were recovered and are in the list:
%1</translation>
    </message>
    <message>
        <source>

Some could not be repaired and may not play to their end:
%1</source>
        <translation>

Some could not be repaired and may not play to their end:
%1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion finished</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Cut out failure.</translation>
    </message>
    <message>
        <source>Recording split at a new track</source>
        <translation>Recording split at a new track</translation>
    </message>
</context>
<context>
    <name>NxInfoManager</name>
    <message>
        <source>%1, %2-%3</source>
        <translation>%1, %2-%3</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
</context>
<context>
    <name>OnlineTrackIdentifier</name>
    <message>
        <source>AcoustID: %1 (error %2)</source>
        <translation>AcoustID: %1 (error %2)</translation>
    </message>
    <message>
        <source>AcoustID answered something that is not a lookup result</source>
        <translation>AcoustID answered something that is not a lookup result</translation>
    </message>
    <message>
        <source>online identification is switched off</source>
        <translation>online identification is switched off</translation>
    </message>
    <message>
        <source>no AcoustID API key is set in the preferences</source>
        <translation>no AcoustID API key is set in the preferences</translation>
    </message>
    <message>
        <source>there is no sound to identify</source>
        <translation>there is no sound to identify</translation>
    </message>
    <message>
        <source>the sound could not be fingerprinted: %1</source>
        <translation>the sound could not be fingerprinted: %1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 did not answer within %2 s</translation>
    </message>
    <message>
        <source>%1 asks to wait: too many requests (HTTP 429)</source>
        <translation>%1 asks to wait: too many requests (HTTP 429)</translation>
    </message>
    <message>
        <source>%1 is unavailable for now (HTTP 503)</source>
        <translation>%1 is unavailable for now (HTTP 503)</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2</source>
        <translation>%1 answered HTTP %2</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>no connection to %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; is not a folder.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>The folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable.</source>
        <translation>The folder &quot;%1&quot; is not writable.</translation>
    </message>
</context>
<context>
    <name>OutputFolderRule</name>
    <message>
        <source>Choose a folder for the output files.</source>
        <translation>Choose a folder for the output files.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</source>
        <translation>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>&quot;%1&quot; is a file, not a folder.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>The folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>No file can be written into the folder &quot;%1&quot;.</source>
        <translation>No file can be written into the folder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>QAudioFileDelegate</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>QAudioFileModel</name>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Created Time</source>
        <translation>Created Time</translation>
    </message>
</context>
<context>
    <name>QAudioFileTableView</name>
    <message>
        <source>Recordings</source>
        <translation>Recordings</translation>
    </message>
</context>
<context>
    <name>QAudioScheduleSettingDlg</name>
    <message>
        <source>Record time options</source>
        <translation>Record time options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Title:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artist:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Composer:</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>Grouping:</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Grouping</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>Disc Num:</translation>
    </message>
    <message>
        <source>Disc number</source>
        <translation>Disc number</translation>
    </message>
    <message>
        <source>of</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Disc total</source>
        <translation>Disc total</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Track:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Track total</source>
        <translation>Track total</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>Cover:</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Images (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>QConvertProgressDlg</name>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Conversion progress</translation>
    </message>
</context>
<context>
    <name>QEffectForm</name>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>170 Hz</source>
        <translation>170 Hz</translation>
    </message>
    <message>
        <source>310 Hz</source>
        <translation>310 Hz</translation>
    </message>
    <message>
        <source>600 Hz</source>
        <translation>600 Hz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>3 kHz</source>
        <translation>3 kHz</translation>
    </message>
    <message>
        <source>6 kHz</source>
        <translation>6 kHz</translation>
    </message>
    <message>
        <source>12 kHz</source>
        <translation>12 kHz</translation>
    </message>
    <message>
        <source>14 kHz</source>
        <translation>14 kHz</translation>
    </message>
    <message>
        <source>16 kHz</source>
        <translation>16 kHz</translation>
    </message>
    <message>
        <source>Sound Effects:</source>
        <translation>Sound Effects:</translation>
    </message>
    <message>
        <source>Equalizer:</source>
        <translation>Equalizer:</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Sound Effects</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>QEffectModel</name>
    <message>
        <source>Customed</source>
        <translation>Customed</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Bass Boost</translation>
    </message>
    <message>
        <source>Treble Boost</source>
        <translation>Treble Boost</translation>
    </message>
    <message>
        <source>Vocal</source>
        <translation>Vocal</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>Acoustic</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>Electronic</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip Hop</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Speech</translation>
    </message>
</context>
<context>
    <name>QFileListWgt</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 Months</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 Days</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 Hours</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minutes</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Seconds</translation>
    </message>
    <message>
        <source> Audios, </source>
        <translation> Audios, </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Open File Location</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Recordings menu</source>
        <translation>Recordings menu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just move the 
files from the list?</source>
        <translation>Do you want to delete all files or just move the 
files from the list?</translation>
    </message>
    <message>
        <source>Do you want to delete the seleted files or just move 
the files from the list?</source>
        <translation>Do you want to delete the seleted files or just move 
the files from the list?</translation>
    </message>
    <message>
        <source>
Deleted files are moved to the trash.</source>
        <translation>
Deleted files are moved to the trash.</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash and stay on disk:
%1</source>
        <translation>These files could not be moved to the trash and stay on disk:
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 no longer exists.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Cut out failure.</translation>
    </message>
    <message>
        <source>The computer could not be put to sleep.</source>
        <translation>The computer could not be put to sleep.</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>The computer could not be shut down.</translation>
    </message>
</context>
<context>
    <name>QFormatDlg</name>
    <message>
        <source>Format Setting</source>
        <translation>Format Setting</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Search formats</source>
        <translation>Search formats</translation>
    </message>
    <message>
        <source>No format matches the search.</source>
        <translation>No format matches the search.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preset:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The format could not be saved.</source>
        <translation>The format could not be saved.</translation>
    </message>
</context>
<context>
    <name>QFormatSettingDlg</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Back to MP3 at &quot;Small Size&quot;</source>
        <translation>Back to MP3 at &quot;Small Size&quot;</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bit Rate:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Sample Rate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Frame Rate:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Quality:</translation>
    </message>
</context>
<context>
    <name>QJobsFinishedDlg</name>
    <message>
        <source>Conversion Completed</source>
        <translation>Conversion Completed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will shut down in %1 s.</source>
        <translation>All jobs are finished. The computer will shut down in %1 s.</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will go to sleep in %1 s.</source>
        <translation>All jobs are finished. The computer will go to sleep in %1 s.</translation>
    </message>
</context>
<context>
    <name>QLibraryDelegate</name>
    <message>
        <source>Playlist name</source>
        <translation>Playlist name</translation>
    </message>
</context>
<context>
    <name>QLibraryPlayListWgt</name>
    <message>
        <source>Add New List</source>
        <translation>Add New List</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>LIBRARY</translation>
    </message>
    <message>
        <source>All Recordings</source>
        <translation>All Recordings</translation>
    </message>
    <message>
        <source>Latest Recordings</source>
        <translation>Latest Recordings</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>PLAYLIST</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Add New Playist</source>
        <translation>Add New Playist</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Playlists</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just remove the 
list?</source>
        <translation>Do you want to delete all files or just remove the 
list?</translation>
    </message>
    <message>
        <source>Deleted files are moved to the trash.</source>
        <translation>Deleted files are moved to the trash.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Would you want to remove all play lists?</source>
        <translation>Would you want to remove all play lists?</translation>
    </message>
</context>
<context>
    <name>QNxDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QNxMainWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QNxMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Yes to All</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>No to All</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QNxTimeEdit</name>
    <message>
        <source>Step up</source>
        <translation>Step up</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Step down</translation>
    </message>
</context>
<context>
    <name>QPlayControlWgt</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QRecordingWidget</name>
    <message>
        <source>Recording time</source>
        <translation>Recording time</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Recording level</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>QScheduleTipWidget</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimize to Tray</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Don&apos;t show this message again</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QTimeOptions</name>
    <message>
        <source>Stop recording after</source>
        <translation>Stop recording after</translation>
    </message>
    <message>
        <source>Schedule recording</source>
        <translation>Schedule recording</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>h</source>
        <comment>unit of hours</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <comment>unit of minutes</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>s</source>
        <comment>unit of seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>QTrimItemDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>QTrimItemModel</name>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
</context>
<context>
    <name>QTrimWidget</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start Set</source>
        <translation>Start Set</translation>
    </message>
    <message>
        <source>End Set</source>
        <translation>End Set</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Play Segment</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>Pause Segment</translation>
    </message>
    <message>
        <source>Stop Segment</source>
        <translation>Stop Segment</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>The clip &quot;%1&quot; could not be deleted: %2</source>
        <translation>The clip &quot;%1&quot; could not be deleted: %2</translation>
    </message>
</context>
<context>
    <name>QVEDualSlider</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Trim range</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Previous File</source>
        <translation>Previous File</translation>
    </message>
    <message>
        <source>Next File</source>
        <translation>Next File</translation>
    </message>
    <message>
        <source>Recognize</source>
        <translation>Recognize</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Edit - %1</source>
        <translation>Edit - %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>&quot;%1&quot; cannot be played: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. %2</source>
        <translation>&quot;%1&quot; no longer exists. %2</translation>
    </message>
    <message>
        <source>Its tags were not written.</source>
        <translation>Its tags were not written.</translation>
    </message>
    <message>
        <source>The tags could not be written into &quot;%1&quot;: %2</source>
        <translation>The tags could not be written into &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nothing was cut.</source>
        <translation>Nothing was cut.</translation>
    </message>
    <message>
        <source>Identify the music and fill in its tags</source>
        <translation>Identify the music and fill in its tags</translation>
    </message>
    <message>
        <source>No match: this music is not in the catalogue.</source>
        <translation>No match: this music is not in the catalogue.</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>No match: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be identified: it is not audio that can be read.</source>
        <translation>&quot;%1&quot; cannot be identified: it is not audio that can be read.</translation>
    </message>
    <message>
        <source>No match: the track found has no tags.</source>
        <translation>No match: the track found has no tags.</translation>
    </message>
</context>
<context>
    <name>QVolumeWidget</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>RecorderTray</name>
    <message>
        <source>Hidden (&amp;H)</source>
        <translation>Hidden (&amp;H)</translation>
    </message>
    <message>
        <source>Show Window (&amp;S)</source>
        <translation>Show Window (&amp;S)</translation>
    </message>
    <message>
        <source>Quit (&amp;Q)</source>
        <translation>Quit (&amp;Q)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Show Window</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Cancel Schedule</translation>
    </message>
</context>
<context>
    <name>RecordingArchive</name>
    <message>
        <source>Unknown Artist</source>
        <translation>Unknown Artist</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Unknown Album</translation>
    </message>
</context>
<context>
    <name>ScheduleRepeatEdit</name>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>Chosen days</source>
        <translation>Chosen days</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>%1s later, Quillon will start recording.</source>
        <translation>%1s later, Quillon will start recording.</translation>
    </message>
</context>
<context>
    <name>SelectRecordInputWgt</name>
    <message>
        <source>System Audio</source>
        <translation>System Audio</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Input Device</translation>
    </message>
    <message>
        <source>No Mic Device</source>
        <translation>No Mic Device</translation>
    </message>
    <message>
        <source>System volume level</source>
        <translation>System volume level</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Microphone volume level</source>
        <translation>Microphone volume level</translation>
    </message>
    <message>
        <source>Recording device</source>
        <translation>Recording device</translation>
    </message>
    <message>
        <source>System volume</source>
        <translation>System volume</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Microphone volume</translation>
    </message>
    <message>
        <source>System Audio On</source>
        <translation>System Audio On</translation>
    </message>
    <message>
        <source>System Audio Off</source>
        <translation>System Audio Off</translation>
    </message>
    <message>
        <source>Microphone Audio On</source>
        <translation>Microphone Audio On</translation>
    </message>
    <message>
        <source>Microphone Audio Off</source>
        <translation>Microphone Audio Off</translation>
    </message>
    <message>
        <source>Noname Device</source>
        <translation>Noname Device</translation>
    </message>
    <message>
        <source>Noname Recorder</source>
        <translation>Noname Recorder</translation>
    </message>
    <message>
        <source>No microphone: %1</source>
        <translation>No microphone: %1</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>What system audio records</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Only %1</translation>
    </message>
</context>
<context>
    <name>SystemSourceList</name>
    <message>
        <source>All system audio</source>
        <translation>All system audio</translation>
    </message>
    <message>
        <source>%1 (not playing)</source>
        <translation>%1 (not playing)</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>What system audio records</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quillon Audio Recorder is up to date (version %1).</source>
        <translation>Quillon Audio Recorder is up to date (version %1).</translation>
    </message>
    <message>
        <source>Version %1 is available.
%2</source>
        <translation>Version %1 is available.
%2</translation>
    </message>
    <message>
        <source>Cannot check for updates: %1</source>
        <translation>Cannot check for updates: %1</translation>
    </message>
    <message>
        <source>the update feed is not valid XML: %1</source>
        <translation>the update feed is not valid XML: %1</translation>
    </message>
    <message>
        <source>the update feed lists no release</source>
        <translation>the update feed lists no release</translation>
    </message>
</context>
</TS>
