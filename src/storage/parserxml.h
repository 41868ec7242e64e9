#pragma once
// ParserXML: the stateless read/write functions behind every persistent value of the program.
//
// All state lives in small XML files in the per-user settings folder. The document element of
// each file is "ROOTITEM"; data is held in attributes only; booleans are "Y"/"N" and only an
// exact "Y" reads as true; an empty attribute reads like a missing one (the caller's default).
//
// There is no cache: each call opens, parses and (for writers, and for settings reads) rewrites
// the whole file. Writes replace the file atomically (temporary file flushed to disk + rename),
// so a process killed or a machine stopped at any moment leaves either the old or the new
// content; temporary files of killed writers are removed the next time a process uses the
// file. A file that does not parse is kept beside itself as "<name>.corrupt-<date-time>" (every
// damaged version is kept) and replaced by an empty tree. Any text can be stored: characters
// XML cannot carry (control characters, unpaired surrogates, U+FFFE/U+FFFF) read back as U+FFFD.
//
// Threading and processes: every function may be called from any thread of any process. Calls
// on the same file are serialised for the whole read-modify-write by a per-file lock that holds
// across processes (the GUI and the command-line tool both write the history); calls on
// different files run in parallel.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

#include "customformatsettings.h"
#include "historyrecord.h"

class QDomDocument;

namespace ParserXML {

// ---- Folders (no trailing '/', '/' separators) ----------------------------------------------

// The per-user settings folder: <parent of the platform's app-data location>/Quillon Fennick/
// Quillon Audio Recorder. Created (with parents) on every call when missing; when it cannot be
// created the brand folder one level up is returned.
QString appDataFolder();
// <documents location>/Quillon Fennick/Quillon Audio Recorder, same creation rule.
QString documentsFolder();
// <temporary location>/Quillon Fennick/Quillon Audio Recorder, same creation rule.
QString tempFolder();
// The read-only resource folder "audiorecorder_res": beside the executable in the build tree,
// under share/ once installed (InstallLayout). Looked up once per process. Never created.
QString resourceFolder();

// Full paths of the writable files, in the settings folder.
QString settingsFilePath();    // "AudioDefaultSetting.xml"
QString formatFilePath();      // "AudioDefaultFormatSetting.xml"
QString screenshotFilePath();  // "VedioEditDefaultSetting.xml"
QString historyFilePath();     // "History.xml"
QString playListFilePath();    // "CustomedLists.xml"

// ---- Primitives ------------------------------------------------------------------------------

// Loads filePath into document. False only when the file cannot be opened for reading (e.g. it
// does not exist). A file that does not parse (an empty one included) is moved to
// "<filePath>.corrupt-<date-time>" when it had content, replaced by an empty file, and
// document receives a fresh "ROOTITEM" element; the result is then true.
bool readOperateXml(const QString& filePath, QDomDocument& document);

// Writes document to filePath (UTF-8, 4-space indentation, no XML declaration), replacing the
// file atomically. On failure logs "error::ParserXML->writeOperateXml->file.open\n", leaves
// the old file in place and returns false.
bool writeOperateXml(const QDomDocument& document, const QString& filePath);

// The value of attribute `attribute` of the first child element named `element` of ROOTITEM, or
// defaultValue when the element, the attribute or its value is missing/empty. An empty filePath
// means settingsFilePath(). Creates the file when missing and the element when missing, and
// always writes the file back; when the file exists but cannot be opened, returns the default
// and writes nothing. The default itself is never stored.
QString getSettingValue(const QString& element, const QString& attribute,
                        const QString& defaultValue, const QString& filePath = QString());

// Stores one key. Only writes into an element that already exists (read the key first); when
// the file cannot be opened nothing happens. The file is rewritten even when nothing changed.
// True when the value is stored (the element existed and the file was written).
bool setSettingValue(const QString& element, const QString& attribute, const QString& value,
                     const QString& filePath = QString());

// Convenience readers over getSettingValue for the "Y"/"N" and decimal conventions.
bool getSettingBool(const QString& element, const QString& attribute, bool defaultValue);
bool setSettingBool(const QString& element, const QString& attribute, bool value);
// Base-10; text that is not a number reads as 0.
qint64 getSettingInt(const QString& element, const QString& attribute, qint64 defaultValue);
quint64 getSettingUInt64(const QString& element, const QString& attribute, quint64 defaultValue);

// Text helpers of the conventions: "Y"/"N", and base-10 parsing with 0 for non-numbers.
inline QString boolText(bool value)
{
    return value ? QStringLiteral("Y") : QStringLiteral("N");
}
inline bool isTrueText(const QString& text)
{
    return text == QLatin1String("Y");
}

// ---- Custom encoder settings ("AudioDefaultFormatSetting.xml") -------------------------------

// Stores the ten Format_Custom values of one profile id, creating FORMAT_/Format_Custom when
// missing (the file too). False when the file could not be read or written.
bool saveCustomFormat(const QString& formatId, const CustomFormatSettings& settings);
// Reads them back; empty strings (and onlyAudio false) where the id or an attribute is absent.
CustomFormatSettings loadCustomFormat(const QString& formatId);
// Sets one attribute on the FORMAT_ element of formatId (e.g. "QUALITY_VALUE"). Nothing happens
// when the file cannot be read or no FORMAT_ element has that id. True when stored.
bool setFormatAttribute(const QString& formatId, const QString& attribute, const QString& value);
// Reads one attribute of the FORMAT_ element of formatId; defaultValue when the file, the
// element or the value is missing/empty. Never writes.
QString getFormatAttribute(const QString& formatId, const QString& attribute,
                           const QString& defaultValue = QString());

// ---- Edit-dialog screenshots ("VedioEditDefaultSetting.xml", element "Screenshots") ----------

// IMG_SUFFIX, default "JPG". A missing file is created holding the default; an empty value is
// replaced by the default in the file.
QString getScreenshotSuffix();
bool setScreenshotSuffix(const QString& suffix);
// IMG_Folder, default documentsFolder() + "/Converted/Screenshots/". Same rules.
QString getScreenshotFolder();
bool setScreenshotFolder(const QString& folder);

// ---- History ("History.xml") -----------------------------------------------------------------

// Stores one record under its filePath (compared exactly as stored): updates the first
// Path_item with that Converted_path_ or appends one; the List_name children are made equal to
// record.listNames. A missing file is created; an unreadable one is left alone. True when
// the record was written.
bool addOrUpdateHistory(const HistoryRecord& record);
// Same; a null record does nothing.
bool addOrUpdateHistory(const HistoryRecord* record);
// Stores several records in one rewrite of the file (a change to many rows reads and writes
// the history once). Later records of the same path win.
bool addOrUpdateHistories(const QVector<HistoryRecord>& records);
// The stored record for filePath. '\' and '/' are equal in the comparison (both sides are
// normalised), and filePath is compared in the form stored texts read back in (see above);
// otherwise exact and case-sensitive; the first match wins. The returned record's filePath is
// the requested path as given.
std::optional<HistoryRecord> findHistory(const QString& filePath);
// Every stored record in file order (paths with '\' turned into '/'), also appended to
// appendTo when given. Clears New_file in the file; the returned records keep isNew as stored.
QVector<HistoryRecord> loadAllHistory(QVector<HistoryRecord>* appendTo = nullptr);
// Removes the first matching record (matching as findHistory). No match: nothing is written.
void removeHistory(const QString& filePath);
// Removes the first matching record of each path in one rewrite of the file (a start that
// prunes many records reads and writes the history once). Returns how many were removed.
int removeHistories(const QStringList& filePaths);
// Sets the stored path of the first matching record to newPath. No match: nothing is written.
void renameHistory(const QString& oldPath, const QString& newPath);
// The record's preferencePath_, or empty.
QString getPreferencePath(const QString& filePath);

// ---- Playlist names ("CustomedLists.xml") ----------------------------------------------------

// Appends a List_name element (the file is created when missing). Duplicates are allowed.
void addPlayList(const QString& name);
// Removes the first List_name with exactly that name.
void removePlayList(const QString& name);
// Removes every child of ROOTITEM.
void removeAllPlayLists();
// Renames the first List_name with exactly oldName.
void renamePlayList(const QString& oldName, const QString& newName);
// The names in file order; empty when the file is missing or unreadable.
QStringList readPlayListNames();

}  // namespace ParserXML
