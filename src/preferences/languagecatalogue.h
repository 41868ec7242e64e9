#pragma once
// The interface languages the program offers: the list in "/Language/Language.xml" of the
// resource folder. Each child element of the document element describes one language with the
// attributes Language_Name (the name the program knows it by: "English", "Chinese", "German",
// "French", "Japanese"), Language_File (the compiled translation in the same folder),
// Language_Type (the locale, "zh_CN") and Language_Display (the name shown to the user, in the
// language itself; the name when absent).
//
// English, the language of the source texts, is always offered: a list that is missing or
// damaged yields English alone, with the reason in warning(). Plain value; any thread.

#include <QString>
#include <QVector>

struct LanguageEntry {
    QString name;
    QString file;
    QString type;
    QString display;
};

class LanguageCatalogue {
public:
    static const QString kEnglish;

    // Reads the list at `xmlPath`.
    static LanguageCatalogue load(const QString& xmlPath);

    const QVector<LanguageEntry>& entries() const { return m_entries; }
    // The entry named `name`; the last one when several are. Null when none is.
    const LanguageEntry* find(const QString& name) const;
    // The name of the entry whose Language_Type fits the locale name ("de_DE" fits "de",
    // "zh_CN" fits "zh_CN"); English when none does.
    QString nameForLocale(const QString& localeName) const;
    // Why the list could not be read; empty when it was.
    QString warning() const { return m_warning; }

private:
    void ensureEnglish();

    QVector<LanguageEntry> m_entries;
    QString m_warning;
};
