// The edit dialog on real files: loading (title, Tag tab), Escape, OK with and without tag
// changes (the audio must not change; mutagen reads the new tags back), tag texts in several
// scripts, a file that disappears while the dialog is open, and the lossless flag of a cut.
#include <QAbstractButton>
#include <QAccessible>
#include <QBuffer>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "edittestkit.h"
#include "nxaccessiblenames.h"
#include "nxskin.h"
#include "qaudioeffectmanager.h"
#include "qaudiotagform.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qmediaform.h"
#include "qnxbasebutton.h"
#include "qnxtextedit.h"
#include "qtrimitemmodel.h"
#include "qtrimwidget.h"
#include "qvideoeditingdlg.h"
#include "qvideoeditingsettings.h"
#include "qvideoedittag.h"
#include "tagtestkit.h"
#include "testmedia.h"

namespace {

QByteArray fileMd5(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// A dialog shown on a file, with problems collected instead of shown.
struct OpenDialog {
    explicit OpenDialog(const QString& path)
    {
        dlg.setProblemReporter([this](QWidget*, const QString& text) { problems << text; });
        dlg.loadFile(path);
        dlg.show();
    }
    void type(const char* edit, const QString& text)
    {
        edittest::typeInto(dlg.tagForm()->edit(edit), text);
    }

    QVideoEditingDlg dlg;
    QStringList problems;
};

}  // namespace

class TestVideoEditingDlg : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        NxAccessibleNames::install();  // as the application does: tool tips name image buttons
        QAudioEffectManager::instance()->load(NxSkin::resourceDir() +
                                              QStringLiteral("/AudioEffects"));
        QVERIFY(m_dir.isValid());
        m_mp3 = m_dir.filePath(QStringLiteral("tone.mp3"));
        QVERIFY(tagtest::makeMedia(QStringLiteral("mp3"), m_mp3, 3.0));
    }

    void loadingNamesTheFileAndShowsItsTags()
    {
        const QString path = m_dir.filePath(QStringLiteral("tagged.mp3"));
        QVERIFY(QFile::copy(m_mp3, path));
        const QString cover = m_dir.filePath(QStringLiteral("cover.png"));
        QImage picture(300, 150, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(cover, "PNG"));
        QVERIFY(tagtest::mutagenWrite(path,
                                      {{QStringLiteral("title"), QStringLiteral("Ночь")},
                                       {QStringLiteral("track"), QStringLiteral("4/9")}},
                                      cover));
        OpenDialog d(path);
        QCOMPARE(d.dlg.title(), QStringLiteral("Edit - tagged.mp3"));
        QCOMPARE(d.dlg.tagForm()->edit("m_editTitle")->text(), QStringLiteral("Ночь"));
        QCOMPARE(d.dlg.tagForm()->edit("m_editTrackTotal")->text(), QStringLiteral("9"));
        QVERIFY(d.dlg.tagForm()->hasCoverThumbnail());
        QVERIFY(!d.dlg.mediaForm()->coverImage().isNull());
        QCOMPARE(d.dlg.tabBar()->currentIndex(), int(QVideoEditTag::Trim));
        // The file plays at once, and both tabs' buttons say so.
        QVERIFY(d.dlg.trimWidget()->pauseButton()->isVisibleTo(d.dlg.trimWidget()));
        QVERIFY(d.dlg.effectForm()->pauseButton()->isVisibleTo(d.dlg.effectForm()));
        QVERIFY(!d.dlg.tabBar()->isTabHidden(QVideoEditTag::Tag));
        QVERIFY(!d.dlg.tagForm()->isChanged());
        QVERIFY(d.problems.isEmpty());
    }

    void backslashesNameTheSameFile()
    {
        QVideoEditingDlg slashes;
        slashes.loadFile(QStringLiteral("/music/live/set one.flac"));
        QVideoEditingDlg backslashes;
        backslashes.loadFile(QStringLiteral("\\music\\live\\set one.flac"));
        QCOMPARE(slashes.title(), QStringLiteral("Edit - set one.flac"));
        QCOMPARE(backslashes.title(), slashes.title());
        QCOMPARE(backslashes.currentPath(), slashes.currentPath());
    }

    void escapeLeavesTheDialogOpen()
    {
        OpenDialog d(m_mp3);
        QSignalSpy finished(&d.dlg, &QDialog::finished);
        QTest::keyClick(&d.dlg, Qt::Key_Escape);
        QTest::keyClick(d.dlg.tagForm()->edit("m_editTitle"), Qt::Key_Escape);
        QVERIFY(d.dlg.isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void okWithoutTagChangesWritesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("untouched.mp3"));
        QVERIFY(QFile::copy(m_mp3, path));
        const QByteArray before = fileMd5(path);
        OpenDialog d(path);
        VEEditConfig config = d.dlg.settings()->config();
        config.trimStartUs = 500000;
        config.trimEndUs = 1500000;
        d.dlg.settings()->setConfig(config);
        QSignalSpy tagChange(&d.dlg, &QVideoEditingDlg::emitAudioTagChange);
        QSignalSpy convert(&d.dlg, &QVideoEditingDlg::emitConvertFile);
        d.dlg.okButton()->click();
        QVERIFY(!d.dlg.isVisible());
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(tagChange.count(), 0);
        QCOMPARE(convert.count(), 0);
        QCOMPARE(fileMd5(path), before);
    }

    void tagEditsAreWrittenInPlace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("extension");
        QTest::newRow("mp3") << "mp3"
                             << "mp3";
        QTest::newRow("m4a") << "m4a-aac"
                             << "m4a";
        QTest::newRow("flac") << "flac"
                              << "flac";
        QTest::newRow("ogg") << "ogg-vorbis"
                             << "ogg";
    }
    void tagEditsAreWrittenInPlace()
    {
        QFETCH(QString, kind);
        QFETCH(QString, extension);
        const QString path = m_dir.filePath(QStringLiteral("edit.") + extension);
        QFile::remove(path);
        QVERIFY(tagtest::makeMedia(kind, path, 2.0));
        const QByteArray audioBefore = tagtest::audioMd5(path);
        QVERIFY(!audioBefore.isEmpty());
        const QString cover = m_dir.filePath(QStringLiteral("chosen.png"));
        QImage picture(200, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkMagenta);
        QVERIFY(picture.save(cover, "PNG"));

        OpenDialog d(path);
        QSignalSpy tagChange(&d.dlg, &QVideoEditingDlg::emitAudioTagChange);
        d.type("m_editTitle", QStringLiteral("Звёздная ночь"));      // Cyrillic
        d.type("m_editArtist", QStringLiteral("坂本龍一 と 東京"));  // CJK
        d.type("m_editAlbum", QStringLiteral("أغاني الليل"));        // Arabic
        d.type("m_editComposer", QStringLiteral("Ana 🎵🎹 Ünal"));     // emoji
        d.type("m_editTrack", QStringLiteral("3"));
        d.type("m_editTrackTotal", QStringLiteral("12"));
        d.dlg.tagForm()->genreBox()->setEditText(QStringLiteral("Chiptune"));
        QVERIFY(d.dlg.tagForm()->setCoverFromFile(cover));
        d.dlg.okButton()->click();

        QVERIFY(d.problems.isEmpty());
        QCOMPARE(tagChange.count(), 1);
        const auto sent = tagChange.at(0).at(0).value<VEAudioTagInfo>();
        QCOMPARE(QString::fromStdString(sent.title), QStringLiteral("Звёздная ночь"));
        QCOMPARE(tagChange.at(0).at(1).toString(), cover);
        QCOMPARE(tagtest::audioMd5(path), audioBefore);
        const QJsonObject read = tagtest::mutagenDump(path);
        QCOMPARE(read.value(QStringLiteral("title")).toString(), QStringLiteral("Звёздная ночь"));
        QCOMPARE(read.value(QStringLiteral("artist")).toString(),
                 QStringLiteral("坂本龍一 と 東京"));
        QCOMPARE(read.value(QStringLiteral("album")).toString(), QStringLiteral("أغاني الليل"));
        QCOMPARE(read.value(QStringLiteral("composer")).toString(), QStringLiteral("Ana 🎵🎹 Ünal"));
        QCOMPARE(read.value(QStringLiteral("genre")).toString(), QStringLiteral("Chiptune"));
        QCOMPARE(read.value(QStringLiteral("track")).toString(), QStringLiteral("3/12"));
        QFile png(cover);
        QVERIFY(png.open(QIODevice::ReadOnly));
        QCOMPARE(read.value(QStringLiteral("cover_size")).toInt(), int(png.size()));
    }

    void aFailedWriteClosesWithoutNotice()
    {
        const QString path = m_dir.filePath(QStringLiteral("spoiled.mp3"));
        QVERIFY(QFile::copy(m_mp3, path));
        OpenDialog d(path);
        d.type("m_editTitle", QStringLiteral("new title"));
        // The file turns into something no tag parser accepts while the dialog is open.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'z'));
        file.close();
        const QByteArray before = fileMd5(path);
        QSignalSpy tagChange(&d.dlg, &QVideoEditingDlg::emitAudioTagChange);
        d.dlg.okButton()->click();
        QVERIFY(!d.dlg.isVisible());
        QCOMPARE(tagChange.count(), 0);
        QCOMPARE(d.problems.size(), 1);
        QVERIFY2(d.problems[0].contains(QStringLiteral("could not be written")),
                 qPrintable(d.problems[0]));
        QCOMPARE(fileMd5(path), before);
    }

    void aFileThatDisappearsIsNeitherWrittenNorCut()
    {
        const QString path = m_dir.filePath(QStringLiteral("vanishing.mp3"));
        QVERIFY(QFile::copy(m_mp3, path));
        OpenDialog d(path);
        d.type("m_editTitle", QStringLiteral("never written"));
        QVERIFY(QFile::remove(path));
        QSignalSpy convert(&d.dlg, &QVideoEditingDlg::emitConvertFile);
        d.dlg.OnEmitConvertFile();
        QCOMPARE(convert.count(), 0);
        QCOMPARE(d.problems.size(), 1);
        QVERIFY(d.problems[0].contains(QStringLiteral("no longer exists")));
        QVERIFY(d.dlg.isVisible());

        QSignalSpy tagChange(&d.dlg, &QVideoEditingDlg::emitAudioTagChange);
        d.dlg.okButton()->click();
        QCOMPARE(tagChange.count(), 0);
        QCOMPARE(d.problems.size(), 2);
        QVERIFY(d.problems[1].contains(QStringLiteral("were not written")));
        QVERIFY(!QFile::exists(path));
    }

    void aCutIsLosslessUnlessAnEffectIsSet()
    {
        OpenDialog d(m_mp3);
        QTrimWidget* trim = d.dlg.trimWidget();
        QEffectForm* effects = d.dlg.effectForm();
        QVERIFY(!trim->cutButton()->isEnabled());
        trim->startTimeChanged(250000);
        trim->endTimeChanged(2000000);
        QSignalSpy convert(&d.dlg, &QVideoEditingDlg::emitConvertFile);
        trim->cutButton()->click();
        effects->OnChangeEffect(effects->model()->index(2, 0));  // "Pop"
        trim->cutButton()->click();
        effects->OnChangeEffect(effects->model()->index(1, 0));  // "Flat": no curve
        trim->cutButton()->click();
        QCOMPARE(convert.count(), 3);
        QCOMPARE(convert.at(0).at(1).toBool(), true);
        QCOMPARE(convert.at(1).at(1).toBool(), false);
        QCOMPARE(convert.at(2).at(1).toBool(), true);
        const auto plain = convert.at(0).at(0).value<VEEditConfig>();
        QCOMPARE(plain.trimStartUs, uint64_t(250000));
        QCOMPARE(plain.trimEndUs, uint64_t(2000000));
        QVERIFY(plain.eqGains.isEmpty() || plain.effectsNeutral());
        const auto withPop = convert.at(1).at(0).value<VEEditConfig>();
        QVERIFY(!withPop.effectsNeutral());
        QCOMPARE(withPop.trimEndUs, uint64_t(2000000));
        QVERIFY(d.dlg.isVisible());
    }

    void producedClipsAreHandedOnWhenTheDialogGoes()
    {
        auto* d = new OpenDialog(m_mp3);
        QSignalSpy saved(&d->dlg, &QVideoEditingDlg::emitSaveConvertFileList);
        const QString clip = m_dir.filePath(QStringLiteral("tone_Trim_001.mp3"));
        emit d->dlg.emitConvertFilePath(clip);
        QCOMPARE(d->dlg.trimWidget()->clipModel()->rowCount(), 1);
        delete d;
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(0).toStringList(), QStringList{clip});
    }

    void theTagTabFollowsWhatTheWriterCanOpen()
    {
        const QString mka = m_dir.filePath(QStringLiteral("tone.mka"));
        QVERIFY(testmedia::makeTone(mka, 440, 1.0));
        OpenDialog d(m_mp3);
        d.dlg.tabBar()->selectTab(QVideoEditTag::Tag);
        QVERIFY(d.dlg.tagForm()->isVisible());
        QVERIFY(d.dlg.recognizeButton()->isVisible());
        d.dlg.loadFile(mka);
        QCOMPARE(d.dlg.GetAudioFormat(mka), -1);
        QVERIFY(d.dlg.tabBar()->isTabHidden(QVideoEditTag::Tag));
        QVERIFY(!d.dlg.tagForm()->isVisible());
        QCOMPARE(d.dlg.title(), QStringLiteral("Edit - tone.mka"));
        d.dlg.loadFile(m_mp3);
        QCOMPARE(d.dlg.GetAudioFormat(m_mp3), 2);
        QVERIFY(!d.dlg.tabBar()->isTabHidden(QVideoEditTag::Tag));
        QCOMPARE(d.dlg.GetAudioFormat(m_dir.filePath(QStringLiteral("none.mp3"))), 0);
    }

    void aFileThatDoesNotPlaySaysWhy()
    {
        const QString junk = m_dir.filePath(QStringLiteral("junk.mp3"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, '\x01'));
        file.close();
        OpenDialog d(junk);
        QVERIFY(d.dlg.problemLabel()->isVisible());
        QVERIFY(d.dlg.problemLabel()->text().contains(QStringLiteral("junk.mp3")));
        d.dlg.loadFile(m_mp3);
        QVERIFY(!d.dlg.problemLabel()->isVisible());
    }

    void previousAndNextAskTheList()
    {
        OpenDialog d(m_mp3);
        QSignalSpy previous(&d.dlg, &QVideoEditingDlg::emitPreviousFile);
        QSignalSpy next(&d.dlg, &QVideoEditingDlg::emitNextFile);
        d.dlg.previousButton()->click();
        d.dlg.nextButton()->click();
        d.dlg.nextButton()->click();
        QCOMPARE(previous.count(), 1);
        QCOMPARE(next.count(), 2);
        QCOMPARE(d.dlg.previousButton()->toolTip(), QStringLiteral("Previous File"));
        QCOMPARE(d.dlg.nextButton()->toolTip(), QStringLiteral("Next File"));
    }

    void recognizedTagsFillTheTagTab()
    {
        OpenDialog d(m_mp3);
        QVERIFY(d.dlg.recognizeButton()->isEnabled());
        QVERIFY(!d.dlg.recognizeButton()->toolTip().isEmpty());
        VEAudioTagInfo nothing;
        nothing.genre = "Pop";
        QVERIFY(!d.dlg.applyRecognizedTags(nothing));
        QVERIFY(!d.dlg.tagForm()->isChanged());
        VEAudioTagInfo found;
        found.artist = "Recognized Artist";
        found.year = "2001";
        QVERIFY(d.dlg.applyRecognizedTags(found));
        QCOMPARE(d.dlg.tagForm()->edit("m_editArtist")->text(),
                 QStringLiteral("Recognized Artist"));
        QCOMPARE(d.dlg.tagForm()->edit("m_editYear")->text(), QStringLiteral("2001"));
        QVERIFY(d.dlg.tagForm()->isChanged());
    }

    void everyControlIsNamed()
    {
        OpenDialog d(m_mp3);
        QStringList unnamed;
        for (int tab : {QVideoEditTag::Trim, QVideoEditTag::Effect, QVideoEditTag::Tag}) {
            d.dlg.tabBar()->selectTab(tab);
            for (QWidget* w : d.dlg.findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QAbstractSlider*>(w) ||
                                     qobject_cast<QComboBox*>(w) || qobject_cast<QTextEdit*>(w) ||
                                     qobject_cast<QLineEdit*>(w);
                if (control && w->isVisible() && accessibleName(w).isEmpty())
                    unnamed << QLatin1String(w->metaObject()->className()) + QLatin1Char(':') +
                                   w->objectName() + QLatin1Char('<') +
                                   QLatin1String(w->parentWidget()->metaObject()->className());
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

private:
    QTemporaryDir m_dir;
    QString m_mp3;
};

QTEST_MAIN(TestVideoEditingDlg)
#include "tst_videoeditingdlg.moc"
