<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CatalogueTrackIdentifier</name>
    <message>
        <source>the local catalogue needs the sound&apos;s file</source>
        <translation>der lokale Katalog braucht die Datei des Klangs</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Location of Output Files</source>
        <translation>Speicherort der Ausgabedateien</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Screenshot folder:</source>
        <translation>Ordner für Bildschirmfotos:</translation>
    </message>
    <message>
        <source>Screenshot folder</source>
        <translation>Ordner für Bildschirmfotos</translation>
    </message>
    <message>
        <source>Delete Recordings Automatically</source>
        <translation>Aufnahmen automatisch löschen</translation>
    </message>
    <message>
        <source>The duration is less than</source>
        <translation>Die Dauer ist kürzer als</translation>
    </message>
    <message>
        <source>The duration is less than (seconds)</source>
        <translation>Die Dauer ist kürzer als (Sekunden)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>The recording is silent</source>
        <translation>Die Aufnahme ist still</translation>
    </message>
    <message>
        <source>Split Recordings Individually</source>
        <translation>Aufnahmen einzeln aufteilen</translation>
    </message>
    <message>
        <source>The silence is more than</source>
        <translation>Die Stille dauert länger als</translation>
    </message>
    <message>
        <source>The silence is more than (milliseconds)</source>
        <translation>Die Stille dauert länger als (Millisekunden)</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Split at tracks</source>
        <translation>Bei Titeln aufteilen</translation>
    </message>
    <message>
        <source>When a new track begins</source>
        <translation>Wenn ein neuer Titel beginnt</translation>
    </message>
    <message>
        <source>When a new track begins or replays</source>
        <translation>Wenn ein neuer Titel beginnt oder wiederholt wird</translation>
    </message>
    <message>
        <source>Archive output tracks by</source>
        <translation>Ausgabetitel ablegen nach</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Artist/Album</source>
        <translation>Interpret/Album</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>When all job finished</source>
        <translation>Wenn alle Aufträge fertig sind</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Put Computer to Sleep</source>
        <translation>Computer in den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>Shut Down My Computer</source>
        <translation>Computer herunterfahren</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number of 1 or more.</source>
        <translation>„%1“ braucht eine ganze Zahl ab 1.</translation>
    </message>
</context>
<context>
    <name>CoverPicture</name>
    <message>
        <source>&quot;%1&quot; is %2 MB; a cover picture can be at most %3 MB.</source>
        <translation>„%1“ ist %2 MB groß; ein Coverbild darf höchstens %3 MB groß sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture.</source>
        <translation>„%1“ ist kein Bild.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored as a cover picture.</source>
        <translation>„%1“ kann nicht als Coverbild gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Automatic updates</source>
        <translation>Automatische Aktualisierungen</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>Automatisch auf die neueste Version aktualisieren</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>Automatische Aktualisierungen ausschalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beim Schließen</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Online recognition</source>
        <translation>Online-Erkennung</translation>
    </message>
    <message>
        <source>Identify music with AcoustID and MusicBrainz</source>
        <translation>Musik mit AcoustID und MusicBrainz erkennen</translation>
    </message>
    <message>
        <source>Only the sound&apos;s fingerprint and duration are sent, when the local catalogue does not know the music.</source>
        <translation>Nur der Fingerabdruck und die Dauer des Klangs werden gesendet, wenn der lokale Katalog die Musik nicht kennt.</translation>
    </message>
    <message>
        <source>AcoustID API key:</source>
        <translation>AcoustID-API-Schlüssel:</translation>
    </message>
    <message>
        <source>AcoustID API key</source>
        <translation>AcoustID-API-Schlüssel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme stoppen</translation>
    </message>
    <message>
        <source>Cut Recording</source>
        <translation>Aufnahme teilen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Zeitplan abbrechen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Es ist kein Programm zum Öffnen von %1 eingerichtet.</translation>
    </message>
    <message>
        <source>%1
Version %2</source>
        <translation>%1
Version %2</translation>
    </message>
    <message>
        <source>The format list cannot be read: %1</source>
        <translation>Die Formatliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Recording failed!</source>
        <translation>Aufnahme fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Recording split at a silence</source>
        <translation>Aufnahme bei Stille geteilt</translation>
    </message>
    <message>
        <source>Recording goes on in a new file: %1</source>
        <translation>Die Aufnahme geht in einer neuen Datei weiter: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1
What was recorded until then is kept.</source>
        <translation>Aufnahme gestoppt: %1
Das bis dahin Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Aufnahme gestoppt</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Geplante Aufnahme beendet</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Scheduled recording: %1 to %2</source>
        <translation>Geplante Aufnahme: %1 bis %2</translation>
    </message>
    <message>
        <source>Recording reached its set length</source>
        <translation>Aufnahme hat die eingestellte Länge erreicht</translation>
    </message>
    <message>
        <source>Next scheduled recording: %1 %2 to %3</source>
        <translation>Nächste geplante Aufnahme: %1 %2 bis %3</translation>
    </message>
    <message>
        <source>The program ended while recording. These recordings were recovered and are in the list:
%1</source>
        <translation>Das Programm wurde während einer Aufnahme beendet. Diese Aufnahmen wurden gerettet und stehen in der Liste:
%1</translation>
    </message>
    <message>
        <source>

Some could not be repaired and may not play to their end:
%1</source>
        <translation>

Einige konnten nicht repariert werden und spielen womöglich nicht bis zum Ende:
%1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Ausschneiden fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Recording split at a new track</source>
        <translation>Aufnahme bei einem neuen Titel geteilt</translation>
    </message>
</context>
<context>
    <name>NxInfoManager</name>
    <message>
        <source>%1, %2-%3</source>
        <translation>%1, %2–%3</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>OnlineTrackIdentifier</name>
    <message>
        <source>AcoustID: %1 (error %2)</source>
        <translation>AcoustID: %1 (Fehler %2)</translation>
    </message>
    <message>
        <source>AcoustID answered something that is not a lookup result</source>
        <translation>AcoustID hat etwas geantwortet, das kein Suchergebnis ist</translation>
    </message>
    <message>
        <source>online identification is switched off</source>
        <translation>die Online-Erkennung ist ausgeschaltet</translation>
    </message>
    <message>
        <source>no AcoustID API key is set in the preferences</source>
        <translation>in den Einstellungen ist kein AcoustID-API-Schlüssel eingetragen</translation>
    </message>
    <message>
        <source>there is no sound to identify</source>
        <translation>es gibt keinen Klang zu erkennen</translation>
    </message>
    <message>
        <source>the sound could not be fingerprinted: %1</source>
        <translation>vom Klang konnte kein Fingerabdruck erstellt werden: %1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
    <message>
        <source>%1 asks to wait: too many requests (HTTP 429)</source>
        <translation>%1 bittet zu warten: zu viele Anfragen (HTTP 429)</translation>
    </message>
    <message>
        <source>%1 is unavailable for now (HTTP 503)</source>
        <translation>%1 ist zurzeit nicht verfügbar (HTTP 503)</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2</source>
        <translation>%1 hat mit HTTP %2 geantwortet</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>OutputFolderRule</name>
    <message>
        <source>Choose a folder for the output files.</source>
        <translation>Wählen Sie einen Ordner für die Ausgabedateien.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path. Enter a path that starts with &quot;/&quot;.</source>
        <translation>„%1“ ist kein vollständiger Pfad. Geben Sie einen Pfad ein, der mit „/“ beginnt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No file can be written into the folder &quot;%1&quot;.</source>
        <translation>In den Ordner „%1“ kann keine Datei geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>QAudioFileDelegate</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>QAudioFileModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Created Time</source>
        <translation>Erstellt</translation>
    </message>
</context>
<context>
    <name>QAudioFileTableView</name>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
</context>
<context>
    <name>QAudioScheduleSettingDlg</name>
    <message>
        <source>Record time options</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
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
        <translation>Komponist:</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>Gruppierung:</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Gruppierung</translation>
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
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>CD-Nr.:</translation>
    </message>
    <message>
        <source>Disc number</source>
        <translation>CD-Nummer</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Disc total</source>
        <translation>CDs gesamt</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Titelnr.:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <source>Track total</source>
        <translation>Titel gesamt</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
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
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Bilder (*.png *.xpm *.jpg)</translation>
    </message>
</context>
<context>
    <name>QCheckboxCombobox</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>QConvertProgressDlg</name>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
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
        <translation>Klangeffekte:</translation>
    </message>
    <message>
        <source>Equalizer:</source>
        <translation>Equalizer:</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Klangeffekte</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
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
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Neutral</translation>
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
        <translation>Klassik</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Bass-Verstärkung</translation>
    </message>
    <message>
        <source>Treble Boost</source>
        <translation>Höhen-Verstärkung</translation>
    </message>
    <message>
        <source>Vocal</source>
        <translation>Gesang</translation>
    </message>
    <message>
        <source>Acoustic</source>
        <translation>Akustik</translation>
    </message>
    <message>
        <source>Electronic</source>
        <translation>Elektronisch</translation>
    </message>
    <message>
        <source>Hip Hop</source>
        <translation>Hip-Hop</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>QFileListWgt</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source> Audios, </source>
        <translation> Aufnahmen, </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Speicherort öffnen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Recordings menu</source>
        <translation>Aufnahmemenü</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just move the 
files from the list?</source>
        <translation>Möchten Sie alle Dateien löschen oder nur 
aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Do you want to delete the seleted files or just move 
the files from the list?</source>
        <translation>Möchten Sie die ausgewählten Dateien löschen oder nur 
aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>
Deleted files are moved to the trash.</source>
        <translation>
Gelöschte Dateien kommen in den Papierkorb.</translation>
    </message>
    <message>
        <source>These files could not be moved to the trash and stay on disk:
%1</source>
        <translation>Diese Dateien konnten nicht in den Papierkorb verschoben werden und bleiben erhalten:
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cut out failure.</source>
        <translation>Ausschneiden fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The computer could not be put to sleep.</source>
        <translation>Der Computer konnte nicht in den Ruhezustand versetzt werden.</translation>
    </message>
    <message>
        <source>The computer could not be shut down.</source>
        <translation>Der Computer konnte nicht heruntergefahren werden.</translation>
    </message>
</context>
<context>
    <name>QFormatDlg</name>
    <message>
        <source>Format Setting</source>
        <translation>Formateinstellung</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Search formats</source>
        <translation>Formate suchen</translation>
    </message>
    <message>
        <source>No format matches the search.</source>
        <translation>Kein Format passt zur Suche.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The format could not be saved.</source>
        <translation>Das Format konnte nicht gespeichert werden.</translation>
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
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Back to MP3 at &quot;Small Size&quot;</source>
        <translation>Zurück zu MP3 mit „Small Size“</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
</context>
<context>
    <name>QJobsFinishedDlg</name>
    <message>
        <source>Conversion Completed</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will shut down in %1 s.</source>
        <translation>Alle Aufträge sind erledigt. Der Computer wird in %1 s heruntergefahren.</translation>
    </message>
    <message>
        <source>All jobs are finished. The computer will go to sleep in %1 s.</source>
        <translation>Alle Aufträge sind erledigt. Der Computer wechselt in %1 s in den Ruhezustand.</translation>
    </message>
</context>
<context>
    <name>QLibraryDelegate</name>
    <message>
        <source>Playlist name</source>
        <translation>Name der Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>QLibraryPlayListWgt</name>
    <message>
        <source>Add New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <source>LIBRARY</source>
        <translation>BIBLIOTHEK</translation>
    </message>
    <message>
        <source>All Recordings</source>
        <translation>Alle Aufnahmen</translation>
    </message>
    <message>
        <source>Latest Recordings</source>
        <translation>Neueste Aufnahmen</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>WIEDERGABELISTEN</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Add New Playist</source>
        <translation>Neue Wiedergabeliste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Wiedergabelisten</translation>
    </message>
    <message>
        <source>Do you want to delete all files or just remove the 
list?</source>
        <translation>Möchten Sie alle Dateien löschen oder nur die
Liste entfernen?</translation>
    </message>
    <message>
        <source>Deleted files are moved to the trash.</source>
        <translation>Gelöschte Dateien werden in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Would you want to remove all play lists?</source>
        <translation>Möchten Sie alle Wiedergabelisten entfernen?</translation>
    </message>
</context>
<context>
    <name>QNxDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QNxMainWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QNxMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Nein, keine</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QNxTimeEdit</name>
    <message>
        <source>Step up</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>QPlayControlWgt</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QRecordingWidget</name>
    <message>
        <source>Recording time</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Aufnahmepegel</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>QScheduleTipWidget</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QTimeOptions</name>
    <message>
        <source>Stop recording after</source>
        <translation>Aufnahme beenden nach</translation>
    </message>
    <message>
        <source>Schedule recording</source>
        <translation>Aufnahme planen</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>h</source>
        <comment>unit of hours</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <comment>unit of minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <comment>unit of seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>QTrimItemDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>QTrimItemModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>QTrimWidget</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start Set</source>
        <translation>Start setzen</translation>
    </message>
    <message>
        <source>End Set</source>
        <translation>Ende setzen</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Abschnitt abspielen</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>Abschnitt anhalten</translation>
    </message>
    <message>
        <source>Stop Segment</source>
        <translation>Abschnitt stoppen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Ausschnitte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The clip &quot;%1&quot; could not be deleted: %2</source>
        <translation>Der Ausschnitt &quot;%1&quot; konnte nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>QVEDualSlider</name>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Schnittbereich</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Trim</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tags</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Previous File</source>
        <translation>Vorherige Datei</translation>
    </message>
    <message>
        <source>Next File</source>
        <translation>Nächste Datei</translation>
    </message>
    <message>
        <source>Recognize</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit - %1</source>
        <translation>Bearbeiten - %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2</source>
        <translation>„%1“ kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. %2</source>
        <translation>„%1“ existiert nicht mehr. %2</translation>
    </message>
    <message>
        <source>Its tags were not written.</source>
        <translation>Die Tags wurden nicht geschrieben.</translation>
    </message>
    <message>
        <source>The tags could not be written into &quot;%1&quot;: %2</source>
        <translation>Die Tags konnten nicht in „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Nothing was cut.</source>
        <translation>Es wurde nichts geschnitten.</translation>
    </message>
    <message>
        <source>Identify the music and fill in its tags</source>
        <translation>Die Musik erkennen und ihre Tags eintragen</translation>
    </message>
    <message>
        <source>No match: this music is not in the catalogue.</source>
        <translation>Kein Treffer: Diese Musik ist nicht im Katalog.</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <translation>Kein Treffer: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be identified: it is not audio that can be read.</source>
        <translation>„%1“ kann nicht erkannt werden: Es ist kein lesbares Audio.</translation>
    </message>
    <message>
        <source>No match: the track found has no tags.</source>
        <translation>Kein Treffer: Der gefundene Titel hat keine Tags.</translation>
    </message>
</context>
<context>
    <name>QVolumeWidget</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>RecorderTray</name>
    <message>
        <source>Hidden (&amp;H)</source>
        <translation>Ausblenden (&amp;H)</translation>
    </message>
    <message>
        <source>Show Window (&amp;S)</source>
        <translation>Fenster anzeigen (&amp;S)</translation>
    </message>
    <message>
        <source>Quit (&amp;Q)</source>
        <translation>Beenden (&amp;Q)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Cancel Schedule</source>
        <translation>Zeitplan abbrechen</translation>
    </message>
</context>
<context>
    <name>RecordingArchive</name>
    <message>
        <source>Unknown Artist</source>
        <translation>Unbekannter Interpret</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Unbekanntes Album</translation>
    </message>
</context>
<context>
    <name>ScheduleRepeatEdit</name>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Chosen days</source>
        <translation>Gewählte Tage</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>%1s later, Quillon will start recording.</source>
        <translation>In %1 s beginnt Quillon mit der Aufnahme.</translation>
    </message>
</context>
<context>
    <name>SelectRecordInputWgt</name>
    <message>
        <source>System Audio</source>
        <translation>Systemton</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Eingabegerät</translation>
    </message>
    <message>
        <source>No Mic Device</source>
        <translation>Kein Mikrofon</translation>
    </message>
    <message>
        <source>System volume level</source>
        <translation>Pegel des Systemtons</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone volume level</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>Recording device</source>
        <translation>Aufnahmegerät</translation>
    </message>
    <message>
        <source>System volume</source>
        <translation>Systemlautstärke</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source>System Audio On</source>
        <translation>Systemton an</translation>
    </message>
    <message>
        <source>System Audio Off</source>
        <translation>Systemton aus</translation>
    </message>
    <message>
        <source>Microphone Audio On</source>
        <translation>Mikrofon an</translation>
    </message>
    <message>
        <source>Microphone Audio Off</source>
        <translation>Mikrofon aus</translation>
    </message>
    <message>
        <source>Noname Device</source>
        <translation>Unbenanntes Gerät</translation>
    </message>
    <message>
        <source>Noname Recorder</source>
        <translation>Unbenannter Eingang</translation>
    </message>
    <message>
        <source>No microphone: %1</source>
        <translation>Kein Mikrofon: %1</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>Was der Systemton aufnimmt</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Nur %1</translation>
    </message>
</context>
<context>
    <name>SystemSourceList</name>
    <message>
        <source>All system audio</source>
        <translation>Gesamter Systemton</translation>
    </message>
    <message>
        <source>%1 (not playing)</source>
        <translation>%1 (spielt nicht)</translation>
    </message>
    <message>
        <source>What system audio records</source>
        <translation>Was der Systemton aufnimmt</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Quillon Audio Recorder is up to date (version %1).</source>
        <translation>Quillon Audio Recorder ist auf dem neuesten Stand (Version %1).</translation>
    </message>
    <message>
        <source>Version %1 is available.
%2</source>
        <translation>Version %1 ist verfügbar.
%2</translation>
    </message>
    <message>
        <source>Cannot check for updates: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich: %1</translation>
    </message>
    <message>
        <source>the update feed is not valid XML: %1</source>
        <translation>der Update-Feed ist kein gültiges XML: %1</translation>
    </message>
    <message>
        <source>the update feed lists no release</source>
        <translation>der Update-Feed nennt keine Version</translation>
    </message>
</context>
</TS>
