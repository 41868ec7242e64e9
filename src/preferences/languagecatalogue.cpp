#include "languagecatalogue.h"

#include <QDomDocument>
#include <QFile>

const QString LanguageCatalogue::kEnglish = QStringLiteral("English");

LanguageCatalogue LanguageCatalogue::load(const QString& xmlPath)
{
    LanguageCatalogue catalogue;
    QFile file(xmlPath);
    QDomDocument document;
    QString error;
    int line = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.m_warning = QStringLiteral("cannot open %1: %2").arg(xmlPath, file.errorString());
    } else if (!document.setContent(&file, &error, &line)) {
        catalogue.m_warning =
            QStringLiteral("cannot read %1: %2 (line %3)").arg(xmlPath, error).arg(line);
    } else {
        for (QDomElement e = document.documentElement().firstChildElement(); !e.isNull();
             e = e.nextSiblingElement()) {
            LanguageEntry entry{e.attribute(QStringLiteral("Language_Name")),
                                e.attribute(QStringLiteral("Language_File")),
                                e.attribute(QStringLiteral("Language_Type")),
                                e.attribute(QStringLiteral("Language_Display"))};
            if (entry.name.isEmpty())
                continue;
            if (entry.display.isEmpty())
                entry.display = entry.name;
            catalogue.m_entries.append(entry);
        }
        if (catalogue.m_entries.isEmpty())
            catalogue.m_warning = QStringLiteral("%1 names no language").arg(xmlPath);
    }
    catalogue.ensureEnglish();
    return catalogue;
}

const LanguageEntry* LanguageCatalogue::find(const QString& name) const
{
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
        if (it->name == name)
            return &*it;
    }
    return nullptr;
}

QString LanguageCatalogue::nameForLocale(const QString& localeName) const
{
    // The exact locale first ("zh_CN"), then its language alone ("de" for "de_AT").
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const QString& wanted : {localeName, language}) {
        for (const LanguageEntry& entry : m_entries) {
            if (!entry.type.isEmpty() && entry.type == wanted)
                return entry.name;
        }
    }
    return kEnglish;
}

void LanguageCatalogue::ensureEnglish()
{
    if (!find(kEnglish))
        m_entries.prepend(LanguageEntry{kEnglish, QString(), QStringLiteral("en"), kEnglish});
}
