// The preferences dialog on the offscreen platform: every key round-trips (OK stores, Cancel
// and the close button do not), stored values are shown, the number fields refuse what is not
// a positive number, the output folder's tests (missing, read-only, not a folder, typed by
// hand), the page buttons, and switching the interface language at once and back.

#include "convertwidget.h"
#include "generalwidget.h"
#include "languageswitcher.h"
#include "nxskin.h"
#include "parserxml.h"
#include "preferencevalues.h"
#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"
#include "qnxradiobutton.h"
#include "qpreferencesdlg.h"
#include "testfiles.h"
#include "testmedia.h"

#include <QAccessible>
#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kAbsent = QStringLiteral("<absent>");

QString stored(const QString& element, const QString& attribute)
{
    return ParserXML::getSettingValue(element, attribute, kAbsent);
}

// The offscreen platform cannot fade windows and says so at every step of a dialog's fade-out;
// everything else goes to the test's own handler.
QtMessageHandler g_testHandler = nullptr;

void dropOpacityWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text != QLatin1String("This plugin does not support setting window opacity"))
        g_testHandler(type, context, text);
}

template <class T>
T* child(QWidget* dlg, const char* name)
{
    T* found = dlg->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

}  // namespace

using DialogChange = std::function<void(QPreferencesDlg*)>;
Q_DECLARE_METATYPE(DialogChange)

class TestPreferencesDlg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        g_testHandler = qInstallMessageHandler(dropOpacityWarnings);
        testfiles::redirectUserFolders(m_root.path());
        const QString resources = testmedia::binDir() + QStringLiteral("/audiorecorder_res");
        NxSkin::setResourceDir(resources);
        NxSkin::registerFonts();
        m_languages = std::make_unique<LanguageSwitcher>(resources + QStringLiteral("/Language"));
    }

    void init()
    {
        QFile::remove(ParserXML::settingsFilePath());
        m_languages->switchTo(QStringLiteral("English"));
        m_problems.clear();
        m_chosenFolder.clear();
    }

    void cleanup() { m_languages->switchTo(QStringLiteral("English")); }

    void roundTrip_data()
    {
        QTest::addColumn<DialogChange>("change");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("value");
        auto click = [](const char* name) {
            return DialogChange(
                [name](QPreferencesDlg* d) { child<QAbstractButton>(d, name)->click(); });
        };
        auto type = [](const char* name, const QString& text) {
            return DialogChange([name, text](QPreferencesDlg* d) {
                auto* edit = child<QLineEdit>(d, name);
                edit->clear();
                QTest::keyClicks(edit, text);
            });
        };
        auto pick = [](const char* name, int index) {
            return DialogChange([name, index](QPreferencesDlg* d) {
                child<QComboBox>(d, name)->setCurrentIndex(index);
            });
        };
        const DialogChange splitAt700 = [type, click](QPreferencesDlg* d) {
            click("m_chkSilence")(d);
            type("m_editSilence", "700")(d);
        };
        const auto row = [](const char* name, const DialogChange& change, const char* element,
                            const char* attribute, const QString& value) {
            QTest::newRow(name) << change << QString(element) << QString(attribute) << value;
        };
        const QString folder = m_root.path() + QStringLiteral("/typed folder");
        row("minimize to tray", click("m_radMin"), "CLOSE_ITEM", "bIsCloseDlg", "N");
        row("automatic updates", click("m_radAutoUpdate"), "UPDATES_ITEM", "bIsAutoUpdate", "Y");
        row("output folder", type("m_editPath", folder), "OutPut_path", "path_value", folder + "/");
        row("keep short ones", click("m_chkDuration"), "Delete_Recorded_File",
            "Delete_According_To_Duration", "N");
        row("shorter than", type("m_editDuration", "45"), "Delete_Recorded_File",
            "Duration_Less_Than", "45");
        row("delete silent", click("m_chkSilent"), "Delete_Recorded_File",
            "Delete_According_To_Silence", "Y");
        row("split at silence", splitAt700, "Split_Recording", "Split_According_To_Silence", "Y");
        row("silence length", splitAt700, "Split_Recording", "Silence_More_Than", "700");
        row("split at tracks", click("m_chkTrack"), "Split_Recording", "Split_At_New_Track", "Y");
        row("track split", pick("m_cmbTrack", 1), "Split_Recording", "Split_According_To_Track",
            "1");
        row("archive", pick("m_cmbArchive", 1), "ARCHIVE_ITEM", "Archive_Tracks_By", "1");
        row("all jobs finished", pick("m_cmbFinished", 2), "SHOWDOWN_ITEM", "Finished_All_Job",
            "2");
    }

    void roundTrip()
    {
        QFETCH(DialogChange, change);
        QFETCH(QString, element);
        QFETCH(QString, attribute);
        QFETCH(QString, value);
        for (const char* button : {"m_btnCancel", "close", "m_btnOk"}) {
            auto dlg = open();
            QSignalSpy folderChanged(dlg.get(), &QPreferencesDlg::emitOutputFolderChanged);
            QSignalSpy autoUpdate(dlg.get(), &QPreferencesDlg::emitAutoUpdate);
            change(dlg.get());
            finish(dlg.get(), button);
            const bool ok = qstrcmp(button, "m_btnOk") == 0;
            QCOMPARE(stored(element, attribute), ok ? value : kAbsent);
            QCOMPARE(autoUpdate.count(), ok ? 1 : 0);
            QCOMPARE(folderChanged.count(), ok && element == QLatin1String("OutPut_path") ? 1 : 0);
            QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join('\n')));
        }
    }

    void showsStoredValues()
    {
        PreferenceValues wanted = PreferenceValues::load();
        wanted.autoUpdate = true;
        wanted.exitOnClose = false;
        wanted.outputFolder = m_root.path() + QStringLiteral("/stored/");
        wanted.deleteShort = false;
        wanted.shortSeconds = QStringLiteral("12");
        wanted.deleteSilent = true;
        wanted.splitAtSilence = true;
        wanted.silenceMs = QStringLiteral("3000");
        wanted.splitAtTrack = true;
        wanted.trackSplit = PreferenceValues::TrackSplit::NewTrackOrReplay;
        wanted.archiveBy = PreferenceValues::ArchiveBy::Artist;
        wanted.jobsFinished = PreferenceValues::JobsFinished::Sleep;
        wanted.store();

        auto dlg = open();
        QVERIFY(child<QRadioButton>(dlg.get(), "m_radMin")->isChecked());
        QCOMPARE(child<QLineEdit>(dlg.get(), "m_editPath")->text(), wanted.outputFolder);
        QVERIFY(!child<QLineEdit>(dlg.get(), "m_editDuration")->isEnabled());
        QVERIFY(child<QLineEdit>(dlg.get(), "m_editSilence")->isEnabled());
        QVERIFY(child<QAbstractButton>(dlg.get(), "m_chkTrack")->isChecked());
        QVERIFY(child<QComboBox>(dlg.get(), "m_cmbTrack")->isEnabled());
        QCOMPARE(child<QComboBox>(dlg.get(), "m_cmbFinished")->currentIndex(), 1);
        finish(dlg.get(), "m_btnOk");
        // Storing what was shown changes nothing.
        const PreferenceValues after = PreferenceValues::load();
        QCOMPARE(after.outputFolder, wanted.outputFolder);
        QCOMPARE(after.shortSeconds, wanted.shortSeconds);
        QCOMPARE(after.silenceMs, wanted.silenceMs);
        QVERIFY(after.autoUpdate && !after.exitOnClose && !after.deleteShort &&
                after.deleteSilent && after.splitAtSilence && after.splitAtTrack);
        QVERIFY(after.trackSplit == wanted.trackSplit && after.archiveBy == wanted.archiveBy &&
                after.jobsFinished == wanted.jobsFinished);
    }

    void numberFields_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* keys, const char* text) {
            QTest::addRow("%s", keys) << QString(keys) << QString(text);
        };
        row("-5", "5");
        row("0", "");
        row("007", "7");
        row("105", "105");
        row("1a2", "12");
        row("1.5", "15");
        row("1234567890", "123456789");
    }

    void numberFields()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        auto dlg = open();
        for (const char* name : {"m_editDuration", "m_editSilence"}) {
            auto* edit = child<QLineEdit>(dlg.get(), name);
            edit->setEnabled(true);
            edit->clear();
            QTest::keyClicks(edit, keys);
            QCOMPARE(edit->text(), text);
        }
    }

    // Which tracks split a recording can be chosen only while splitting at tracks is on.
    void trackChoiceFollowsItsBox()
    {
        auto dlg = open();
        auto* box = child<QAbstractButton>(dlg.get(), "m_chkTrack");
        auto* choice = child<QComboBox>(dlg.get(), "m_cmbTrack");
        QVERIFY(!box->isChecked());
        QVERIFY(!choice->isEnabled());
        box->click();
        QVERIFY(choice->isEnabled());
        box->click();
        QVERIFY(!choice->isEnabled());
    }

    void emptyTickedNumberIsRefused()
    {
        auto dlg = open();
        child<QAbstractButton>(dlg.get(), "m_chkSilence")->click();
        // The stored "0" is shown but is no answer once the box is ticked.
        QCOMPARE(child<QLineEdit>(dlg.get(), "m_editSilence")->text(), QStringLiteral("0"));
        child<QNxBaseButton>(dlg.get(), "m_btnOk")->click();
        QCOMPARE(m_problems.size(), 1);
        QVERIFY2(m_problems.first().contains("The silence is more than"),
                 qPrintable(m_problems[0]));
        QVERIFY(dlg->isVisible());
        QCOMPARE(stored("Split_Recording", "Split_According_To_Silence"), kAbsent);

        QTest::keyClicks(child<QLineEdit>(dlg.get(), "m_editSilence"), "\b1500");
        finish(dlg.get(), "m_btnOk");
        QCOMPARE(stored("Split_Recording", "Silence_More_Than"), QStringLiteral("1500"));
    }

    void changeFolder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("problemPart");  // empty: taken
        // One folder taken and one refused: the rule's cases are the rule's own test.
        const QString base = m_root.path();
        QTest::newRow("missing, created") << base + "/chosen/new" << QString();
        QTest::newRow("read-only") << QStringLiteral("/proc/self") << "No file can be written";
        QTest::newRow("cancelled") << QString() << QString();
    }

    void changeFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, problemPart);
        auto dlg = open();
        auto* path = child<QLineEdit>(dlg.get(), "m_editPath");
        const QString before = path->text();
        m_chosenFolder = chosen;
        child<QNxBaseButton>(dlg.get(), "m_btnChange")->click();
        if (!problemPart.isEmpty()) {
            QCOMPARE(m_problems.size(), 1);
            QVERIFY2(m_problems.first().contains(problemPart), qPrintable(m_problems.first()));
            QCOMPARE(path->text(), before);
        } else {
            QVERIFY(m_problems.isEmpty());
            QCOMPARE(path->text(), chosen.isEmpty() ? before : chosen + "/");
            QVERIFY(chosen.isEmpty() || QFileInfo(chosen).isDir());
        }
        finish(dlg.get(), "m_btnCancel");
        QCOMPARE(stored("OutPut_path", "path_value"), kAbsent);
    }

    void typedFolderRefusedKeepsOldOne()
    {
        auto dlg = open();
        QSignalSpy folderChanged(dlg.get(), &QPreferencesDlg::emitOutputFolderChanged);
        auto* path = child<QLineEdit>(dlg.get(), "m_editPath");
        const QString before = path->text();
        path->setText(QStringLiteral("/proc/self/new folder"));
        child<QNxBaseButton>(dlg.get(), "m_btnOk")->click();
        QCOMPARE(m_problems.size(), 1);
        QVERIFY2(m_problems.first().contains("cannot be created"), qPrintable(m_problems.first()));
        QVERIFY(dlg->isVisible());
        QCOMPARE(path->text(), before);
        QCOMPARE(stored("OutPut_path", "path_value"), kAbsent);
        finish(dlg.get(), "m_btnOk");
        QCOMPARE(stored("OutPut_path", "path_value"), before);
        QCOMPARE(folderChanged.count(), 0);
    }

    void typedFolderTaken()
    {
        auto dlg = open();
        QSignalSpy folderChanged(dlg.get(), &QPreferencesDlg::emitOutputFolderChanged);
        child<QLineEdit>(dlg.get(), "m_editPath")->setText(QStringLiteral("~/Music//Recordings"));
        finish(dlg.get(), "m_btnOk");
        const QString expected = QDir::homePath() + QStringLiteral("/Music/Recordings/");
        QCOMPARE(stored("OutPut_path", "path_value"), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(folderChanged.count(), 1);
        QCOMPARE(folderChanged.first().first().toString(), expected);
    }

    void resetFolder()
    {
        auto dlg = open();
        auto* path = child<QLineEdit>(dlg.get(), "m_editPath");
        m_chosenFolder = m_root.path();
        child<QNxBaseButton>(dlg.get(), "m_btnChange")->click();
        QCOMPARE(path->text(), m_root.path() + "/");
        child<QNxBaseButton>(dlg.get(), "m_btnReset")->click();
        QCOMPARE(path->text(), ParserXML::documentsFolder() + QStringLiteral("/Converted/"));
        finish(dlg.get(), "m_btnOk");
        QCOMPARE(stored("OutPut_path", "path_value"), path->text());
    }

    void pageButtons()
    {
        auto dlg = open();
        auto* general = child<QNxBaseButton>(dlg.get(), "m_btnGeneral");
        auto* convert = child<QNxBaseButton>(dlg.get(), "m_btnConvert");
        QScrollBar* bar = child<QScrollArea>(dlg.get(), "m_scroll")->verticalScrollBar();
        QVERIFY(general->isChecked() && !convert->isChecked());
        QVERIFY(bar->maximum() > 0);
        convert->click();
        QVERIFY(!general->isChecked() && convert->isChecked());
        QCOMPARE(bar->value(), qMin(bar->maximum(), dlg->convertPage()->y()));
        // Clicking the checked button again keeps it checked.
        convert->click();
        QVERIFY(convert->isChecked());
        general->click();
        QVERIFY(general->isChecked() && !convert->isChecked());
        QCOMPARE(bar->value(), 0);
        // Scrolling by hand to the end shows the Convert page.
        bar->setValue(bar->maximum());
        QVERIFY(!general->isChecked() && convert->isChecked());
    }

    // Choosing a language changes the dialog's texts at once; Cancel puts English back. (Every
    // shipped language's texts are the switcher's and the translations' tests.)
    void languageAtOnce()
    {
        auto dlg = open();
        auto* combo = child<QNxComboBox>(dlg.get(), "m_cmbLan");
        auto* jobs = child<QComboBox>(dlg.get(), "m_cmbFinished");
        jobs->setCurrentIndex(2);
        const int index = combo->findData(QStringLiteral("German"));
        QVERIFY(index > 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(dlg->title(), QStringLiteral("Einstellungen"));
        QCOMPARE(jobs->itemText(0), QStringLiteral("Nichts tun"));
        QCOMPARE(jobs->currentIndex(), 2);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("German"));

        finish(dlg.get(), "m_btnCancel");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(m_languages->currentName(), QStringLiteral("English"));
        QCOMPARE(dlg->title(), QStringLiteral("Preferences"));
        QCOMPARE(jobs->itemText(0), QStringLiteral("Do Nothing"));
        QCOMPARE(stored("LANGUAGE_ITEM", "Language_Name"), kAbsent);
    }

    void languageStoredByOk()
    {
        auto dlg = open();
        auto* combo = child<QNxComboBox>(dlg.get(), "m_cmbLan");
        const int index = combo->findData(QStringLiteral("French"));
        emit combo->activated(index);
        finish(dlg.get(), "m_btnOk");
        QCOMPARE(stored("LANGUAGE_ITEM", "Language_Name"), QStringLiteral("French"));
        QCOMPARE(m_languages->currentName(), QStringLiteral("French"));
        // Opened again, the dialog shows the language in place.
        auto again = open();
        QCOMPARE(child<QNxComboBox>(again.get(), "m_cmbLan")->currentData().toString(),
                 QStringLiteral("French"));
    }

    void everyControlHasAName()
    {
        auto dlg = open();
        QStringList unnamed;
        for (QWidget* w : dlg->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QLineEdit*>(w);
            if (!control || !w->isVisibleTo(dlg.get()))
                continue;
            // A control that shows only an image is named after its tool tip.
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            const QString name = iface ? iface->text(QAccessible::Name) : QString();
            if (name.trimmed().isEmpty() && w->toolTip().isEmpty())
                unnamed << w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

private:
    std::unique_ptr<QPreferencesDlg> open();
    void finish(QPreferencesDlg* dlg, const char* button);

    QTemporaryDir m_root;
    std::unique_ptr<LanguageSwitcher> m_languages;
    QStringList m_problems;
    QString m_chosenFolder;
};

std::unique_ptr<QPreferencesDlg> TestPreferencesDlg::open()
{
    auto dlg = std::make_unique<QPreferencesDlg>(*m_languages);
    dlg->setProblemPresenter([this](QWidget*, const QString& text) { m_problems << text; });
    dlg->convertPage()->setFolderChooser([this](QWidget*, const QString& caption, const QString&) {
        return caption == QLatin1String("Save to") ? m_chosenFolder : QString();
    });
    dlg->show();
    if (!QTest::qWaitForWindowExposed(dlg.get()))
        qWarning("preferences dialog not exposed");
    return dlg;
}

// Presses a bottom button (or the title bar's close button) and waits for the fade-out.
void TestPreferencesDlg::finish(QPreferencesDlg* dlg, const char* button)
{
    if (qstrcmp(button, "close") == 0)
        dlg->closeButton()->click();
    else
        child<QNxBaseButton>(dlg, button)->click();
    QTRY_VERIFY(!dlg->isVisible());
}

QTEST_MAIN(TestPreferencesDlg)
#include "tst_qpreferencesdlg.moc"
