// The interface languages: reading the list (good, missing, damaged, duplicated), the language
// that fits a locale, switching to each shipped translation and back, and the fall-back to
// English with a warning when the list or a translation is missing or damaged. The stored
// choice survives a restart.

#include "languageswitcher.h"
#include "parserxml.h"
#include "testfiles.h"
#include "testmedia.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString builtLanguages()
{
    return testmedia::binDir() + QStringLiteral("/audiorecorder_res/Language");
}

QString preferencesTitle()
{
    return QCoreApplication::translate("QPreferencesDlg", "Preferences");
}

// A language folder of its own: the built translations, with `xml` as the list when given.
bool makeFolder(const QString& folder, const QByteArray& xml = QByteArray())
{
    const QDir built(builtLanguages());
    for (const QString& name : built.entryList(QDir::Files)) {
        if (!QFile::copy(built.filePath(name), folder + QLatin1Char('/') + name))
            return false;
    }
    return xml.isEmpty() || testfiles::writeFile(folder + QStringLiteral("/Language.xml"), xml);
}

const QByteArray kTwoGermans =
    "<ROOTITEM>"
    "<Language Language_Name=\"German\" Language_File=\"missing.qm\" Language_Type=\"de\"/>"
    "<Language Language_Name=\"German\" Language_File=\"audiorecorder_de.qm\" "
    "Language_Type=\"de\"/>"
    "</ROOTITEM>";

}  // namespace

class TestLanguageSwitcher : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
    }

    void catalogue_data()
    {
        QTest::addColumn<QByteArray>("xml");  // empty: no file at all
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("warned");
        QTest::newRow("missing") << QByteArray() << QStringList{"English"} << true;
        QTest::newRow("damaged") << QByteArray("<ROOTITEM><Language Language_Name=")
                                 << QStringList{"English"} << true;
        QTest::newRow("empty list") << QByteArray("<ROOTITEM/>") << QStringList{"English"} << true;
        QTest::newRow("English added")
            << kTwoGermans << QStringList{"English", "German", "German"} << false;
    }

    void catalogue()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, names);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QString path = dir.filePath("Language.xml");
        if (!xml.isEmpty())
            QVERIFY(testfiles::writeFile(path, xml));
        const LanguageCatalogue catalogue = LanguageCatalogue::load(path);
        QStringList got;
        for (const LanguageEntry& e : catalogue.entries())
            got << e.name;
        QCOMPARE(got, names);
        QCOMPARE(!catalogue.warning().isEmpty(), warned);
    }

    void shippedList()
    {
        const LanguageCatalogue shipped =
            LanguageCatalogue::load(builtLanguages() + QStringLiteral("/Language.xml"));
        QVERIFY2(shipped.warning().isEmpty(), qPrintable(shipped.warning()));
        QStringList names;
        for (const LanguageEntry& e : shipped.entries()) {
            names << e.name;
            QVERIFY2(QFile::exists(builtLanguages() + '/' + e.file), qPrintable(e.file));
        }
        QCOMPARE(names, (QStringList{"English", "Chinese", "German", "French", "Japanese"}));
        // The last of two entries with one name is the one used.
        QTemporaryDir dir;
        QVERIFY(testfiles::writeFile(dir.filePath("Language.xml"), kTwoGermans));
        const LanguageCatalogue twice = LanguageCatalogue::load(dir.filePath("Language.xml"));
        QCOMPARE(twice.find("German")->file, QStringLiteral("audiorecorder_de.qm"));
        QVERIFY(!twice.find("Klingon"));
    }

    void nameForLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* locale, const char* name) {
            QTest::newRow(locale) << QString(locale) << QString(name);
        };
        row("de_AT", "German");
        row("zh_CN", "Chinese");
        row("zh_TW", "English");
        row("fr_CA", "French");
        row("ja_JP", "Japanese");
        row("it_IT", "English");
        row("C", "English");
    }

    void nameForLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, name);
        const LanguageCatalogue shipped =
            LanguageCatalogue::load(builtLanguages() + QStringLiteral("/Language.xml"));
        QCOMPARE(shipped.nameForLocale(locale), name);
    }

    void switchesAndBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        const auto row = [](const char* name, const QString& title) {
            QTest::newRow(name) << QString(name) << title;
        };
        row("Chinese", QStringLiteral("首选项"));
        row("German", "Einstellungen");
        row("French", QStringLiteral("Préférences"));
        row("Japanese", QStringLiteral("環境設定"));
        row("English", "Preferences");
    }

    void switchesAndBack()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        LanguageSwitcher switcher(builtLanguages());
        QSignalSpy changed(&switcher, &LanguageSwitcher::emitLanguageChanged);
        QVERIFY(switcher.switchTo(name));
        QCOMPARE(switcher.currentName(), name);
        QCOMPARE(preferencesTitle(), title);
        QVERIFY(switcher.switchTo("English"));
        QCOMPARE(preferencesTitle(), QStringLiteral("Preferences"));
        QCOMPARE(changed.count(), name == "English" ? 0 : 2);
    }

    void fallsBackToEnglish_data()
    {
        QTest::addColumn<QString>("broken");  // what is done to the folder
        QTest::addColumn<QString>("warning");
        const auto row = [](const char* broken, const char* warning) {
            QTest::newRow(broken) << QString(broken) << QString(warning);
        };
        row("remove qm", "cannot load the translation");
        row("damage qm", "cannot load the translation");
        row("remove list", "cannot open");
        row("damage list", "cannot read");
        row("unlist", "is not in the list");
    }

    void fallsBackToEnglish()
    {
        QFETCH(QString, broken);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        QVERIFY(makeFolder(dir.path()));
        LanguageSwitcher switcher(dir.path());
        QVERIFY(switcher.switchTo("French"));

        // The list and the files are read at each switch.
        const QString qm = dir.filePath("audiorecorder_de.qm");
        const QString list = dir.filePath("Language.xml");
        if (broken == "remove qm")
            QVERIFY(QFile::remove(qm));
        else if (broken == "damage qm")
            QVERIFY(testfiles::writeFile(qm, QByteArray(64, '\x3c')));
        else if (broken == "remove list")
            QVERIFY(QFile::remove(list));
        else if (broken == "damage list")
            QVERIFY(testfiles::writeFile(list, "<ROOTITEM><Language"));
        else
            QVERIFY(testfiles::writeFile(list, "<ROOTITEM/>"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^interface language: .*; using English$"));
        QCOMPARE(switcher.switchTo("German"), false);
        QVERIFY2(switcher.lastWarning().contains(warning), qPrintable(switcher.lastWarning()));
        QCOMPARE(switcher.currentName(), QStringLiteral("English"));
        QCOMPARE(preferencesTitle(), QStringLiteral("Preferences"));
    }

    void storedChoiceSurvives()
    {
        QFile::remove(ParserXML::settingsFilePath());
        LanguageSwitcher first(builtLanguages());
        // Nothing stored: the locale decides.
        QCOMPARE(first.storedName("de_CH"), QStringLiteral("German"));
        QCOMPARE(first.storedName("pt_BR"), QStringLiteral("English"));
        LanguageSwitcher::storeName("Japanese");
        QCOMPARE(first.storedName("de_CH"), QStringLiteral("Japanese"));
        LanguageSwitcher second(builtLanguages());
        QVERIFY(second.applyStored());
        QCOMPARE(second.currentName(), QStringLiteral("Japanese"));
        QCOMPARE(preferencesTitle(), QStringLiteral("環境設定"));
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestLanguageSwitcher)
#include "tst_languageswitcher.moc"
