#pragma once
// The rules of the Tag tab that need no widget: how track and disc texts split into a number
// and a total and are joined again, which year the form shows, the genre list offered, how tag
// bytes become display text, and when an edited tag set counts as changed. QtCore only.

#include <QPair>
#include <QString>
#include <QStringList>

#include <string>

#include "veaudiotaginfo.h"

namespace TagFormRules {

// The genres the combo box offers (free text is allowed as well).
QStringList genreNames();

// Tag bytes as text: UTF-8 when the bytes are valid UTF-8, else the locale's code page.
QString displayText(const std::string& bytes);

// "5/7" (or "5\7") -> ("5", "7"); "5" -> ("5", "0"); an empty part gives "0".
QPair<QString, QString> splitNumberTotal(const std::string& text);

// The stored text of a number and its total: "n/m" when both are positive, "n" when only the
// number is, empty when the number is not positive (a total alone is dropped).
std::string joinNumberTotal(const QString& number, const QString& total);

// The year shown: the year text, or the date when there is no year, cut to 4 characters.
QString displayYear(const VEAudioTagInfo& tags);

// The value to store for an edited field: the loaded bytes when the edit shows exactly what the
// form showed for them (loadedAsShown, re-encoded), so that changing a field and changing it
// back restores "2019-05-01" behind a year shown as "2019", or a text in a legacy code page.
std::string keepLoadedWhenSame(const std::string& edited, const std::string& loaded,
                               const std::string& loadedAsShown);

// True when any field the form edits, or the cover, differs between the two tag sets.
bool tagsChanged(const VEAudioTagInfo& loaded, const VEAudioTagInfo& now);

}  // namespace TagFormRules
