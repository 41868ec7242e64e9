#pragma once
// Puts an interface language in place for the whole program, at once: the program's own
// translation ("/Language/" + Language_File of the resource folder) and, when the system has
// it, Qt's translation of its standard texts. Installing them makes Qt send every widget a
// LanguageChange event; widgets set their texts again from tr() in their changeEvent.
//
// A language that cannot be put in place (its list, file or translation missing or damaged)
// falls back to English, the language of the source texts, with a warning in the log.
//
// The chosen language is kept across starts in the settings file (LANGUAGE_ITEM /
// Language_Name); without a stored choice the system's locale picks one.
//
// One process-wide instance; GUI thread only. Tests may build their own on another folder.

#include <QObject>
#include <QString>

#include <memory>

#include "languagecatalogue.h"

class QTranslator;

class LanguageSwitcher : public QObject {
    Q_OBJECT
public:
    // The switcher of the program, on the resource folder's "/Language".
    static LanguageSwitcher& instance();

    explicit LanguageSwitcher(const QString& languageFolder, QObject* parent = nullptr);
    ~LanguageSwitcher() override;

    // The list of languages, read again on every call.
    LanguageCatalogue catalogue() const;
    // Puts `name` in place; true when it is, false when English was put in place instead.
    bool switchTo(const QString& name);
    // The language in place ("English" until a switch).
    QString currentName() const { return m_current; }
    // Why the last switch fell back to English; empty when it did not.
    QString lastWarning() const { return m_warning; }

    // The stored choice, or the one that fits the locale (the system's unless given) when none
    // is stored.
    QString storedName(const QString& localeName = QString()) const;
    static void storeName(const QString& name);
    // Puts the stored choice in place (done once at start).
    bool applyStored();

signals:
    void emitLanguageChanged(const QString& name);

private:
    void removeTranslators();
    bool fallBack(const QString& warning);

    QString m_folder;
    QString m_current = LanguageCatalogue::kEnglish;
    QString m_warning;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};
