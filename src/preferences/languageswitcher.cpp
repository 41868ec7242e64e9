#include "languageswitcher.h"

#include "parserxml.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kLanguageElement = QStringLiteral("LANGUAGE_ITEM");
const QString kLanguageAttribute = QStringLiteral("Language_Name");

}  // namespace

LanguageSwitcher& LanguageSwitcher::instance()
{
    static LanguageSwitcher switcher(ParserXML::resourceFolder() + QStringLiteral("/Language"));
    return switcher;
}

LanguageSwitcher::LanguageSwitcher(const QString& languageFolder, QObject* parent)
    : QObject(parent), m_folder(languageFolder)
{
}

// The process-wide switcher outlives the application object; its translators then have no
// application to leave.
LanguageSwitcher::~LanguageSwitcher() = default;

LanguageCatalogue LanguageSwitcher::catalogue() const
{
    return LanguageCatalogue::load(m_folder + QStringLiteral("/Language.xml"));
}

bool LanguageSwitcher::switchTo(const QString& name)
{
    const LanguageCatalogue languages = catalogue();
    const LanguageEntry* entry = languages.find(name);
    removeTranslators();
    m_warning.clear();
    if (!entry) {
        QString why = QStringLiteral("the language \"%1\" is not in the list").arg(name);
        if (!languages.warning().isEmpty())
            why += QStringLiteral(" (%1)").arg(languages.warning());
        return fallBack(why);
    }
    // English is the language of the source texts: it needs no file, but takes its own when
    // the list names one (plural forms).
    if (!entry->file.isEmpty()) {
        auto program = std::make_unique<QTranslator>();
        const QString path = m_folder + QLatin1Char('/') + entry->file;
        if (!program->load(path))
            return fallBack(QStringLiteral("cannot load the translation %1").arg(path));
        m_program = std::move(program);
        QCoreApplication::installTranslator(m_program.get());
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + entry->type,
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        m_qt = std::move(qt);
        QCoreApplication::installTranslator(m_qt.get());
    }
    const bool changed = m_current != entry->name;
    m_current = entry->name;
    if (changed)
        emit emitLanguageChanged(m_current);
    return true;
}

QString LanguageSwitcher::storedName(const QString& localeName) const
{
    const QString stored =
        ParserXML::getSettingValue(kLanguageElement, kLanguageAttribute, QString());
    if (!stored.isEmpty())
        return stored;
    return catalogue().nameForLocale(localeName.isEmpty() ? QLocale::system().name() : localeName);
}

void LanguageSwitcher::storeName(const QString& name)
{
    // The key's element must exist before it can be written.
    ParserXML::getSettingValue(kLanguageElement, kLanguageAttribute, QString());
    ParserXML::setSettingValue(kLanguageElement, kLanguageAttribute, name);
}

bool LanguageSwitcher::applyStored()
{
    return switchTo(storedName());
}

void LanguageSwitcher::removeTranslators()
{
    for (auto* translator : {&m_program, &m_qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

bool LanguageSwitcher::fallBack(const QString& warning)
{
    m_warning = warning;
    qWarning("interface language: %s; using English", qPrintable(warning));
    const bool changed = m_current != LanguageCatalogue::kEnglish;
    m_current = LanguageCatalogue::kEnglish;
    if (changed)
        emit emitLanguageChanged(m_current);
    return false;
}
