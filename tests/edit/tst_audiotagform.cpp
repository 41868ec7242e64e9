// The Tag tab: how track, disc and year texts are shown and stored, what the number fields
// accept, free genres, "is changed" against the loaded tags, and choosing a cover.
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "coverpicture.h"
#include "edittestkit.h"
#include "nxskin.h"
#include "qaudiotagform.h"
#include "qnxbasebutton.h"
#include "qnxtextedit.h"
#include "qvideoeditingsettings.h"
#include "tablerows.h"
#include "tagformrules.h"
#include "testfiles.h"
#include "testmedia.h"

using tablerows::addRow;

namespace {

VEAudioTagInfo tagsWith(std::string VEAudioTagInfo::*field, const std::string& value)
{
    VEAudioTagInfo tags;
    tags.*field = value;
    return tags;
}

// A form on its own settings, loaded with `tags`; problems are collected, not shown.
struct LoadedForm {
    explicit LoadedForm(const VEAudioTagInfo& tags = VEAudioTagInfo())
    {
        VEEditConfig config;
        config.tags = tags;
        settings.setConfig(config);
        form.setSettings(&settings);
        form.setProblemReporter([this](QWidget*, const QString& text) { problems << text; });
        form.refresh();
    }
    const VEAudioTagInfo& stored() const { return settings.config().tags; }
    void type(const char* edit, const QString& text) { edittest::typeInto(form.edit(edit), text); }

    QVideoEditingSettings settings;
    QAudioTagForm form;
    QStringList problems;
};

QByteArray pngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

class TestAudioTagForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
    }

    void numberAndTotalAreStoredTogether_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<QString>("typedNumber");
        QTest::addColumn<QString>("typedTotal");
        QTest::addColumn<QString>("stored");
        for (const char* field : {"Track", "Disc"}) {
            const QByteArray number = QByteArray("m_edit") + field;
            const QByteArray total = number + "Total";
            auto row = [&](const char* name, const char* typedNumber, const char* typedTotal,
                           const char* stored) {
                addRow(qPrintable(QStringLiteral("%1 %2").arg(field, name)), number, total,
                       typedNumber, typedTotal, stored);
            };
            row("both", "3", "12", "3/12");
            row("no total", "3", "", "3");
            row("total alone", "", "12", "");
            row("leading zeros", "007", "010", "7/10");
        }
    }
    void numberAndTotalAreStoredTogether()
    {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, total);
        QFETCH(QString, typedNumber);
        QFETCH(QString, typedTotal);
        QFETCH(QString, stored);
        LoadedForm f;
        f.type(number.constData(), typedNumber);
        f.type(total.constData(), typedTotal);
        const std::string& text = number == "m_editTrack" ? f.stored().track : f.stored().disc;
        QCOMPARE(QString::fromStdString(text), stored);
    }

    void storedTextsAreShownSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("total");
        addRow("slash", "3/12", "3", "12");
        addRow("backslash", "5\\7", "5", "7");
        addRow("number only", "7", "7", "0");
        addRow("total only", "/4", "0", "4");
        addRow("empty", "", "0", "0");
    }
    void storedTextsAreShownSplit()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QFETCH(QString, total);
        LoadedForm track(tagsWith(&VEAudioTagInfo::track, text.toStdString()));
        QCOMPARE(track.form.edit("m_editTrack")->text(), number);
        QCOMPARE(track.form.edit("m_editTrackTotal")->text(), total);
        LoadedForm disc(tagsWith(&VEAudioTagInfo::disc, text.toStdString()));
        QCOMPARE(disc.form.edit("m_editDisc")->text(), number);
        QCOMPARE(disc.form.edit("m_editDiscTotal")->text(), total);
        QVERIFY(!track.form.isChanged());
        QVERIFY(!disc.form.isChanged());
    }

    void yearComesFromTheDateWhenMissing_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("shown");
        addRow("date only", "", "2019-05-01", "2019");
        addRow("year wins", "1999", "2019-05-01", "1999");
        addRow("long year", "2004-11-30T10:00", "", "2004");
    }
    void yearComesFromTheDateWhenMissing()
    {
        QFETCH(QString, year);
        QFETCH(QString, date);
        QFETCH(QString, shown);
        VEAudioTagInfo tags;
        tags.year = year.toStdString();
        tags.date = date.toStdString();
        LoadedForm f(tags);
        QCOMPARE(f.form.edit("m_editYear")->text(), shown);
        QVERIFY(!f.form.isChanged());
    }

    void numberFieldsTakePositiveNumbersOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        addRow("zero", "0", "");
        addRow("ten", "10", "10");
        addRow("letters", "abc", "");
        addRow("minus", "-5", "5");
        addRow("slash", "3/12", "312");
    }
    void numberFieldsTakePositiveNumbersOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        LoadedForm f;
        for (const char* edit :
             {"m_editYear", "m_editTrack", "m_editTrackTotal", "m_editDisc", "m_editDiscTotal"}) {
            f.type(edit, typed);
            QCOMPARE(f.form.edit(edit)->text(), kept);
        }
        QCOMPARE(QString::fromStdString(f.stored().year), kept);
    }

    void genresAreOfferedAndFreeTextIsStoredAsTyped()
    {
        LoadedForm f;
        QComboBox* genre = f.form.genreBox();
        QCOMPARE(genre->count(), 21);
        QCOMPARE(genre->itemText(0), QStringLiteral("Altemative"));
        QCOMPARE(genre->itemText(20), QStringLiteral("Trance"));
        QVERIFY(genre->isEditable());
        QTest::keyClicks(genre->lineEdit(), QStringLiteral("Chiptune & "));
        genre->lineEdit()->insert(QStringLiteral("Ω"));
        QCOMPARE(QString::fromStdString(f.stored().genre), QStringLiteral("Chiptune & Ω"));
        genre->setCurrentIndex(13);
        QCOMPARE(QString::fromStdString(f.stored().genre), QStringLiteral("Jazz"));
    }

    void changingAFieldBackIsNoChange_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QString>("other");
        QTest::newRow("title") << QByteArray("m_editTitle") << "Другое";
        QTest::newRow("year shown from a date") << QByteArray("m_editYear") << "1987";
        QTest::newRow("track with zeros") << QByteArray("m_editTrack") << "9";
        QTest::newRow("disc total") << QByteArray("m_editDiscTotal") << "3";
        QTest::newRow("copyright") << QByteArray("m_editCopyright") << "(c) 2020";
    }
    void changingAFieldBackIsNoChange()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QString, other);
        VEAudioTagInfo tags;
        tags.title = "Песня";
        tags.date = "2019-05-01";
        tags.track = "05/07";
        tags.disc = "1/2";
        tags.copyright = "none";
        LoadedForm f(tags);
        QLineEdit* line = f.form.edit(edit.constData());
        const QString shown = line->text();
        f.type(edit.constData(), other);
        QVERIFY(f.form.isChanged());
        f.type(edit.constData(), shown);
        QVERIFY2(!f.form.isChanged(), qPrintable(line->text()));
        QVERIFY(f.stored() == tags);
    }

    void commentsAndGenreChangeBackToo()
    {
        VEAudioTagInfo tags;
        tags.comment = "first line\nsecond";
        tags.genre = "Rock";
        LoadedForm f(tags);
        f.form.commentsEdit()->setPlainText(QStringLiteral("other"));
        f.form.genreBox()->setEditText(QStringLiteral("Pop"));
        QVERIFY(f.form.isChanged());
        QCOMPARE(QString::fromStdString(f.stored().comment), QStringLiteral("other"));
        f.form.commentsEdit()->setPlainText(QStringLiteral("first line\nsecond"));
        f.form.genreBox()->setEditText(QStringLiteral("Rock"));
        QVERIFY(!f.form.isChanged());
    }

    void aCoverIsChosenAndRemoved()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("cover.png"));
        QVERIFY(testfiles::writeFile(png, pngBytes(300, 200)));
        LoadedForm f;
        QVERIFY(!f.form.deleteImageButton()->isVisibleTo(&f.form));
        QVERIFY(f.form.setCoverFromFile(png));
        QVERIFY(f.form.hasCoverThumbnail());
        QVERIFY(f.form.deleteImageButton()->isVisibleTo(&f.form));
        QCOMPARE(f.form.coverPath(), png);
        QCOMPARE(QByteArray::fromStdString(f.stored().coverBytes), pngBytes(300, 200));
        QCOMPARE(f.stored().coverSize, int(f.stored().coverBytes.size()));
        QVERIFY(f.form.isChanged());

        f.form.deleteImageButton()->click();
        QVERIFY(!f.form.hasCoverThumbnail());
        QVERIFY(!f.form.deleteImageButton()->isVisibleTo(&f.form));
        QVERIFY(f.form.coverPath().isEmpty());
        QCOMPARE(f.stored().coverSize, 0);
        QVERIFY(!f.form.isChanged());
        QVERIFY(f.problems.isEmpty());
    }

    void badCoverFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("complaint");
        addRow("text", "notes.png", QByteArray("just some text\n"), qint64(0), "not a picture");
        addRow("truncated png", "half.png", pngBytes(64, 64).left(40), qint64(0), "not a picture");
        QTest::newRow("50 MB") << "huge.jpg" << QByteArray("\xFF\xD8\xFF") << qint64(50) << "MB";
        QTest::newRow("missing") << "" << QByteArray() << qint64(0) << "cannot be read";
    }
    void badCoverFilesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, complaint);
        QTemporaryDir dir;
        const QString path = dir.filePath(name.isEmpty() ? QStringLiteral("gone.png") : name);
        if (!name.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            if (size)
                QVERIFY(file.resize(size * 1024 * 1024));  // sparse: costs no disk
        }
        VEAudioTagInfo tags;
        tags.coverBytes = pngBytes(20, 20).toStdString();
        tags.coverSize = int(tags.coverBytes.size());
        LoadedForm f(tags);
        QVERIFY(!f.form.setCoverFromFile(path));
        QCOMPARE(f.problems.size(), 1);
        QVERIFY2(f.problems[0].contains(complaint), qPrintable(f.problems[0]));
        QVERIFY(f.stored() == tags);
        QVERIFY(f.form.hasCoverThumbnail());
        QVERIFY(f.form.coverPath().isEmpty());
    }

    void picturesOfOtherFormatsAreStoredAsPng()
    {
        QTemporaryDir dir;
        const QString xpm = dir.filePath(QStringLiteral("icon.xpm"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(xpm, "XPM"));
        const CoverPicture cover = CoverPicture::fromFile(xpm);
        QVERIFY2(cover.ok(), qPrintable(cover.error));
        QVERIFY(cover.bytes.startsWith("\x89PNG"));
        QCOMPARE(QImage::fromData(cover.bytes).pixelColor(3, 3), QColor(Qt::red));
    }

    void aCoverThatDoesNotDecodeKeepsItsBytes()
    {
        VEAudioTagInfo tags;
        tags.coverBytes = std::string("\xFF\xD8\xFF garbage", 12);
        tags.coverSize = 12;
        LoadedForm f(tags);
        QVERIFY(!f.form.hasCoverThumbnail());
        QVERIFY(!f.form.deleteImageButton()->isVisibleTo(&f.form));
        QCOMPARE(f.stored().coverSize, 12);
        QVERIFY(!f.form.isChanged());
    }

    void everyFieldIsNamed()
    {
        LoadedForm f;
        QStringList unnamed;
        for (QWidget* w : f.form.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w);
            if (control && w->accessibleName().isEmpty())
                unnamed << QLatin1String(w->metaObject()->className()) + QLatin1Char(':') +
                               w->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(TestAudioTagForm)
#include "tst_audiotagform.moc"
