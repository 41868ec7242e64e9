// The format dialog on the shipped catalogue: opening on the saved choice, the quality presets,
// custom fields switching to "Customized", OK / Cancel / Reset, the search field, another
// profile changing the current descriptor, video mode, and the closing animation. Settings
// live in a private data folder.

#include "formatcatalogue.h"
#include "formatselection.h"
#include "nxskin.h"
#include "parserxml.h"
#include "plistdocument.h"
#include "qformatdlg.h"
#include "qformatsettingdlg.h"
#include "qiconlistmodel.h"
#include "qnxbasebutton.h"
#include "qnxcombobox.h"
#include "qnxlineedit.h"
#include "qnxlistview.h"
#include "qualitypreset.h"
#include "testmedia.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kAudioLine = QStringLiteral("------------Audio setting------------");
const QString kVideoLine = QStringLiteral("------------Video setting------------");

QString storedQuality(const QString& id)
{
    return ParserXML::getFormatAttribute(id, QStringLiteral("QUALITY_VALUE"));
}

QString savedSetting(const QString& key, const QString& defaultValue)
{
    return ParserXML::getSettingValue(QStringLiteral("FormatSet"), key, defaultValue);
}

}  // namespace

class TestFormatDlg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("HOME", m_data.path().toUtf8());
        qputenv("XDG_DATA_HOME", (m_data.path() + QStringLiteral("/data")).toUtf8());
        QVERIFY(ParserXML::appDataFolder().startsWith(m_data.path()));
        const QString resources = testmedia::binDir() + QStringLiteral("/audiorecorder_res");
        NxSkin::setResourceDir(resources);
        // The first catalogue read decides it for the process: the built resource folder's.
        PlistDocument::instance(
            (resources + QStringLiteral("/profile/profiles_win.plist")).toStdString());
        QVERIFY(FormatCatalogue::instance().findProfile(QStringLiteral("5000")).isValid());
    }

    void init()
    {
        QFile::remove(ParserXML::settingsFilePath());
        QFile::remove(ParserXML::formatFilePath());
        FormatDescriptor::setCurrent(FormatDescriptor::audio());
        QVERIFY(FormatSelection::loadSavedFormats(FormatCatalogue::instance()));
    }

    void cleanup() { FormatDescriptor::setCurrent(FormatDescriptor::audio()); }

    void opensOnTheSavedChoice()
    {
        // Nothing stored yet: "General Audio" 5000 without "QUALITY_VALUE" is "High Quality".
        auto dlg = open();
        QCOMPARE(dlg->title(), QStringLiteral("Format Setting"));
        QVERIFY(!dlg->isVideoMode());
        QCOMPARE(dlg->selectedCategory(), QStringLiteral("General Audio"));
        QCOMPARE(dlg->selectedId(), QStringLiteral("5000"));
        QCOMPARE(quality(dlg.get())->currentText(), QStringLiteral("High Quality"));
        QCOMPARE(field(dlg.get(), "m_cmbAudioBitRate")->currentText(), QStringLiteral("320 kbps"));
        QCOMPARE(field(dlg.get(), "m_cmbChannel")->currentText(), QStringLiteral("Stereo"));
        auto* view = dlg->findChild<QNxListView*>(QStringLiteral("m_listView"));
        QCOMPARE(view->currentIndex().data(QIconListModel::IdRole).toString(),
                 QStringLiteral("5000"));
        QCOMPARE(view->model()->roleNames().value(QIconListModel::CategoryRole),
                 QByteArray("Categories"));
        QCOMPARE(view->currentIndex().data(QIconListModel::CategoryRole).toString(),
                 QStringLiteral("General Audio"));
        // An audio profile has no video fields.
        QVERIFY(!dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnVideo"))->isEnabled());
        // Opening stores nothing.
        QVERIFY(storedQuality(QStringLiteral("5000")).isEmpty());
    }

    void smallSizeRoundTrip()
    {
        auto dlg = open();
        QSignalSpy customized(dlg.get(), &QFormatDlg::emitCustomized);
        quality(dlg.get())->setCurrentIndex(QualityPreset::kSmallSizeIndex);
        QCOMPARE(field(dlg.get(), "m_cmbAudioBitRate")->currentText(), QStringLiteral("128 kbps"));
        // Filling the fields for a preset is not a custom change.
        QCOMPARE(customized.count(), 0);
        clickAndWaitClosed(dlg.get(), "m_btnOk", QDialog::Accepted);
        QCOMPARE(storedQuality(QStringLiteral("5000")), QStringLiteral("1"));
        QCOMPARE(FormatDescriptor::audio()->audioBitRateKbps, 128);

        auto again = open();
        QCOMPARE(quality(again.get())->currentText(), QStringLiteral("Small Size"));
        QCOMPARE(field(again.get(), "m_cmbAudioBitRate")->currentText(),
                 QStringLiteral("128 kbps"));
    }

    void fieldChangeCustomizes()
    {
        auto dlg = open();
        QSignalSpy customized(dlg.get(), &QFormatDlg::emitCustomized);
        QNxComboBox* bitRate = field(dlg.get(), "m_cmbAudioBitRate");
        const int at96 = bitRate->findData(QStringLiteral("96"));
        QVERIFY(at96 >= 0);
        bitRate->setCurrentIndex(at96);
        QCOMPARE(customized.count(), 1);
        QCOMPARE(quality(dlg.get())->currentText(), QStringLiteral("Customized"));
        // The value chosen by hand stays on screen.
        QCOMPARE(bitRate->currentText(), QStringLiteral("96 kbps"));
        QNxComboBox* channel = field(dlg.get(), "m_cmbChannel");
        channel->setCurrentIndex(channel->findData(QStringLiteral("1")));
        QCOMPARE(channel->currentText(), QStringLiteral("Mono"));
        clickAndWaitClosed(dlg.get(), "m_btnOk", QDialog::Accepted);

        QCOMPARE(storedQuality(QStringLiteral("5000")), QStringLiteral("2"));
        const CustomFormatSettings stored = ParserXML::loadCustomFormat(QStringLiteral("5000"));
        QCOMPARE(stored.audioBitRate, QStringLiteral("96"));
        QCOMPARE(stored.audioChannels, QStringLiteral("1"));
        QCOMPARE(stored.audioEncoder, QStringLiteral("MP3"));
        QCOMPARE(FormatDescriptor::audio()->audioBitRateKbps, 96);
        QCOMPARE(FormatDescriptor::audio()->channels, 1);

        auto again = open();
        QCOMPARE(quality(again.get())->currentText(), QStringLiteral("Customized"));
        QCOMPARE(field(again.get(), "m_cmbAudioBitRate")->currentText(), QStringLiteral("96 kbps"));
        QCOMPARE(field(again.get(), "m_cmbChannel")->currentText(), QStringLiteral("Mono"));
        // Leaving "Customized" for a preset shows the preset's values again.
        quality(again.get())->setCurrentIndex(QualityPreset::kHighQualityIndex);
        QCOMPARE(field(again.get(), "m_cmbAudioBitRate")->currentText(),
                 QStringLiteral("320 kbps"));
    }

    void cancelStoresNothing()
    {
        const FormatDescriptor before = *FormatDescriptor::audio();
        auto dlg = open();
        selectTile(dlg.get(), QStringLiteral("flac"));
        QCOMPARE(FormatCatalogue::instance()
                     .profile(QStringLiteral("General Audio"), dlg->selectedId())
                     .extension(),
                 QStringLiteral("flac"));
        quality(dlg.get())->setCurrentIndex(QualityPreset::kSmallSizeIndex);
        QNxComboBox* rate = field(dlg.get(), "m_cmbSampleRate");
        rate->setCurrentIndex(rate->count() - 1);
        clickAndWaitClosed(dlg.get(), "m_btnCancel", QDialog::Rejected);

        QVERIFY(storedQuality(dlg->selectedId()).isEmpty());
        QVERIFY(ParserXML::loadCustomFormat(dlg->selectedId()).isEmpty());
        QCOMPARE(savedSetting(QStringLiteral("Audio_Id"), QStringLiteral("none")),
                 QStringLiteral("none"));
        QVERIFY(*FormatDescriptor::audio() == before);

        // Escape cancels the same way.
        auto again = open();
        QSignalSpy finished(again.get(), &QDialog::finished);
        QTest::keyClick(again.get(), Qt::Key_Escape);
        QTRY_VERIFY(!again->isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    }

    void customizedWithoutValuesShowsWhatRecordingsUse()
    {
        // "Customized" stored, but no custom values: recordings use "High Quality", and so must
        // the dialog, with that preset's values.
        QVERIFY(ParserXML::saveCustomFormat(QStringLiteral("5000"), CustomFormatSettings()));
        QVERIFY(ParserXML::setFormatAttribute(
            QStringLiteral("5000"), QStringLiteral("QUALITY_VALUE"), QStringLiteral("2")));
        QVERIFY(FormatSelection::loadSavedFormats(FormatCatalogue::instance()));
        QCOMPARE(FormatDescriptor::audio()->audioBitRateKbps, 320);
        auto dlg = open();
        QCOMPARE(quality(dlg.get())->currentText(), QStringLiteral("High Quality"));
        QCOMPARE(field(dlg.get(), "m_cmbAudioBitRate")->currentText(), QStringLiteral("320 kbps"));
    }

    void okStaysOpenWhenSavingFails()
    {
        // A folder where the format file should be: nothing can be stored.
        QVERIFY(QDir().mkpath(ParserXML::formatFilePath()));
        auto dlg = open();
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        quality(dlg.get())->setCurrentIndex(QualityPreset::kSmallSizeIndex);
        QTest::mouseClick(dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnOk")),
                          Qt::LeftButton);
        // Not closing, not accepted, and saying why.
        QVERIFY(!dlg->isClosing());
        QVERIFY(dlg->isVisible());
        QCOMPARE(finished.count(), 0);
        auto* error = dlg->findChild<QLabel*>(QStringLiteral("m_lblError"));
        QVERIFY(error && error->isVisible());
        QCOMPARE(error->text(), QStringLiteral("The format could not be saved."));

        // Once the file can be written, OK stores the choice and closes.
        QVERIFY(QDir(ParserXML::formatFilePath()).removeRecursively());
        clickAndWaitClosed(dlg.get(), "m_btnOk", QDialog::Accepted);
        QCOMPARE(storedQuality(QStringLiteral("5000")), QStringLiteral("1"));
    }

    void resetLandsOnSmallSize()
    {
        QVERIFY(FormatSelection::confirm(FormatCatalogue::instance(), false,
                                         QStringLiteral("General Audio"), QStringLiteral("5001"),
                                         QualityPreset::kHighQualityIndex));
        auto dlg = open();
        QCOMPARE(dlg->selectedId(), QStringLiteral("5001"));
        QCOMPARE(quality(dlg.get())->currentText(), QStringLiteral("High Quality"));
        QSignalSpy reset(dlg.get(), &QFormatDlg::emitReset);
        QTest::ignoreMessage(QtDebugMsg, kAudioLine.toLatin1().constData());
        QTest::mouseClick(dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnReset")),
                          Qt::LeftButton);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(dlg->selectedCategory(), QStringLiteral("General Audio"));
        QCOMPARE(dlg->selectedId(), QStringLiteral("5000"));
        QCOMPARE(quality(dlg.get())->currentText(), QStringLiteral("Small Size"));
        // What the reset stores is the selection's own test; here it must have happened at all.
        QCOMPARE(storedQuality(QStringLiteral("5000")), QStringLiteral("1"));
        QVERIFY(dlg->isVisible());
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<bool>("selectionKept");
        QTest::newRow("by extension") << "FLAC" << QStringList{"flac"} << false;
        QTest::newRow("two profiles") << "m4a" << QStringList{"m4a", "m4a"} << false;
        QTest::newRow("by title words") << "layer-3" << QStringList{"mp3"} << true;
        QTest::newRow("nothing") << "zzz" << QStringList{} << false;
        QTest::newRow("blank") << "   " << QStringList{} << true;
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, extensions);
        QFETCH(bool, selectionKept);
        auto dlg = open();
        auto* view = dlg->findChild<QNxListView*>(QStringLiteral("m_listView"));
        const int all = view->model()->rowCount();
        QVERIFY(all >= 10);
        QTest::keyClicks(dlg->findChild<QNxLineEdit*>(QStringLiteral("m_editSearch")), text);
        QStringList shown;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown.append(
                view->model()->index(row, 0).data(QIconListModel::ExtensionRole).toString());
        if (text.trimmed().isEmpty())
            QCOMPARE(shown.size(), all);
        else
            QCOMPARE(shown, extensions);
        QCOMPARE(dlg->findChild<QLabel*>(QStringLiteral("m_lblNoMatch"))->isVisible(),
                 shown.isEmpty());
        // The chosen profile stays chosen, selected while it is shown.
        QCOMPARE(dlg->selectedId(), QStringLiteral("5000"));
        QCOMPARE(view->currentIndex().isValid() && view->selectionModel()->hasSelection(),
                 selectionKept);
        dlg->findChild<QNxLineEdit*>(QStringLiteral("m_editSearch"))->clear();
        QCOMPARE(view->model()->rowCount(), all);
        QCOMPARE(view->currentIndex().data(QIconListModel::IdRole).toString(),
                 QStringLiteral("5000"));
    }

    void otherProfileChangesDescriptor()
    {
        auto dlg = open();
        QSignalSpy changed(dlg.get(), &QFormatDlg::emitChangeFormat);
        selectTile(dlg.get(), QStringLiteral("ogg"));
        QCOMPARE(changed.count(), 1);
        const QString id = dlg->selectedId();
        QCOMPARE(changed.first().first().value<std::string>(), id.toStdString());
        QCOMPARE(field(dlg.get(), "m_cmbAudioCodec")->currentText(), QStringLiteral("Vorbis"));
        clickAndWaitClosed(dlg.get(), "m_btnOk", QDialog::Accepted);

        const FormatDescriptor* current = FormatDescriptor::current();
        QCOMPARE(current, FormatDescriptor::audio());
        QCOMPARE(current->extension, QStringLiteral("ogg"));
        QCOMPARE(current->formatKey, QStringLiteral("OGG"));
        QCOMPARE(current->audioCodec,
                 FormatCatalogue::instance().codec(QStringLiteral("VORBIS")).id);
        QCOMPARE(savedSetting(QStringLiteral("Audio_Id"), QString()), id);
        QCOMPARE(savedSetting(QStringLiteral("Audio_Categories"), QString()),
                 QStringLiteral("General Audio"));
        QCOMPARE(storedQuality(id), QStringLiteral("0"));
        QCOMPARE(FormatSelection::currentFormat(false).id, id);

        auto again = open();
        QCOMPARE(again->selectedId(), id);
        // Another category and back: the chosen profile is still the one shown.
        QSignalSpy types(again.get(), &QFormatDlg::emitTypeChange);
        auto* categories = again->findChild<QNxListView*>(QStringLiteral("m_listCategory"));
        categories->setCurrentIndex(categories->model()->index(1, 0));
        QCOMPARE(again->selectedCategory(), QStringLiteral("General Video"));
        QCOMPARE(again->selectedId(), QStringLiteral("4000"));
        categories->setCurrentIndex(categories->model()->index(0, 0));
        QCOMPARE(types.count(), 2);
        QCOMPARE(again->selectedId(), id);
        QCOMPARE(quality(again.get())->currentText(), QStringLiteral("High Quality"));
    }

    void videoMode()
    {
        FormatDescriptor::setCurrent(FormatDescriptor::video());
        auto dlg = open(kVideoLine);
        QVERIFY(dlg->isVideoMode());
        QCOMPARE(dlg->selectedCategory(), QStringLiteral("General Video"));
        QCOMPARE(dlg->selectedId(), QStringLiteral("4000"));
        auto* video = dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnVideo"));
        QVERIFY(video->isEnabled());
        QTest::mouseClick(video, Qt::LeftButton);
        QVERIFY(dlg->settingDlg()->isVideoShown());
        QVERIFY(video->isChecked());
        // High Quality keeps the source's size.
        QCOMPARE(field(dlg.get(), "m_cmbResolution")->currentText(), QStringLiteral("Smart Fit"));
        QCOMPARE(field(dlg.get(), "m_cmbFrameRate")->currentText(), QStringLiteral("30 fps"));
        quality(dlg.get())->setCurrentIndex(QualityPreset::kSmallSizeIndex);
        QCOMPARE(field(dlg.get(), "m_cmbResolution")->currentText(), QStringLiteral("1280x720"));
        QTest::mouseClick(dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnAudio")),
                          Qt::LeftButton);
        QVERIFY(!dlg->settingDlg()->isVideoShown());
        clickAndWaitClosed(dlg.get(), "m_btnOk", QDialog::Accepted);
        QCOMPARE(savedSetting(QStringLiteral("Video_Id"), QString()), QStringLiteral("4000"));
        QCOMPARE(savedSetting(QStringLiteral("Audio_Id"), QStringLiteral("none")),
                 QStringLiteral("none"));
        QCOMPARE(FormatDescriptor::video()->width, 1280);
        QCOMPARE(FormatDescriptor::video()->height, 720);
    }

    void closingAnimatesGeometryThenHides()
    {
        auto dlg = open();
        const QRect opened = dlg->geometry();
        QPropertyAnimation* animation = nullptr;
        for (auto* a : dlg->findChildren<QPropertyAnimation*>()) {
            if (a->targetObject() == dlg.get() && a->propertyName() == "geometry")
                animation = a;
        }
        QVERIFY(animation);
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        QTest::mouseClick(dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnCancel")),
                          Qt::LeftButton);
        // Still shown while the animation runs; a second click changes nothing.
        QVERIFY(dlg->isVisible());
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->startValue().toRect(), opened);
        QTest::mouseClick(dlg->findChild<QNxBaseButton*>(QStringLiteral("m_btnOk")),
                          Qt::LeftButton);
        QTRY_VERIFY(!dlg->isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QVERIFY(storedQuality(QStringLiteral("5000")).isEmpty());
        // The next opening has the full size again.
        QTest::ignoreMessage(QtDebugMsg, kAudioLine.toLatin1().constData());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QTRY_COMPARE(dlg->geometry().size(), opened.size());
    }

private:
    std::unique_ptr<QFormatDlg> open(const QString& logLine = kAudioLine);
    QNxComboBox* quality(QFormatDlg* dlg);
    QNxComboBox* field(QFormatDlg* dlg, const char* name);
    void selectTile(QFormatDlg* dlg, const QString& extension);
    void clickAndWaitClosed(QFormatDlg* dlg, const char* button, int expectedResult);

    QTemporaryDir m_data;
};

std::unique_ptr<QFormatDlg> TestFormatDlg::open(const QString& logLine)
{
    auto dlg = std::make_unique<QFormatDlg>();
    QTest::ignoreMessage(QtDebugMsg, logLine.toLatin1().constData());
    dlg->show();
    if (!QTest::qWaitForWindowExposed(dlg.get()))
        qWarning("format dialog not exposed");
    return dlg;
}

QNxComboBox* TestFormatDlg::quality(QFormatDlg* dlg)
{
    return dlg->findChild<QNxComboBox*>(QStringLiteral("m_cmbQuality"));
}

QNxComboBox* TestFormatDlg::field(QFormatDlg* dlg, const char* name)
{
    return dlg->settingDlg()->findChild<QNxComboBox*>(QLatin1String(name));
}

void TestFormatDlg::selectTile(QFormatDlg* dlg, const QString& extension)
{
    auto* view = dlg->findChild<QNxListView*>(QStringLiteral("m_listView"));
    const QModelIndexList found = view->model()->match(
        view->model()->index(0, 0), QIconListModel::ExtensionRole, extension, 1, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(extension));
    const QRect tile = view->visualRect(found.first());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, tile.center());
}

void TestFormatDlg::clickAndWaitClosed(QFormatDlg* dlg, const char* button, int expectedResult)
{
    QSignalSpy finished(dlg, &QDialog::finished);
    auto* b = dlg->findChild<QNxBaseButton*>(QLatin1String(button));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QTRY_VERIFY(!dlg->isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), expectedResult);
}

QTEST_MAIN(TestFormatDlg)
#include "tst_qformatdlg.moc"
