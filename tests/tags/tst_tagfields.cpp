// Field-level rules of the tag writer against files made by other programs: ID3 comments
// stored with UTF-16 descriptions, separate Vorbis fields, long ASF texts, malformed UTF-8,
// grouped ID3 frames, oversized tags, ID3v1 fields that were not set, and two ID3v2 tags.

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "tablerows.h"
#include "tagfile.h"
#include "tagtestkit.h"
#include "testfiles.h"
#include "testmedia.h"

using tags::Field;
using tags::TagFile;
using tagtest::readField;
using testfiles::readFile;
using testfiles::writeFile;

namespace {

QByteArray syncsafe(int n)
{
    const char b[] = {char(n >> 21 & 0x7F), char(n >> 14 & 0x7F), char(n >> 7 & 0x7F),
                      char(n & 0x7F)};
    return QByteArray(b, 4);
}

QByteArray be32(int n)
{
    const char b[] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    return QByteArray(b, 4);
}

// An ID3v2 frame of version 3 or 4 with raw flags and body.
QByteArray frame(int version, const char* id, int flags, const QByteArray& body)
{
    return QByteArray(id) + (version == 4 ? syncsafe(body.size()) : be32(body.size())) +
           char(flags >> 8) + char(flags) + body;
}

QByteArray id3Tag(int version, const QByteArray& frames)
{
    return QByteArray("ID3") + char(version) + '\0' + '\0' + syncsafe(frames.size()) + frames;
}

bool setAndSave(const QString& path, const QList<QPair<Field, QString>>& values)
{
    TagFile file;
    if (file.open(tagtest::u16(path)) != 0)
        return false;
    for (const auto& v : values) {
        if (file.setFieldUtf8(v.first, v.second.toStdString()) != 0)
            return false;
    }
    return file.save() == 0;
}

QJsonArray framesWithKey(const QJsonArray& frames, const QString& key)
{
    QJsonArray out;
    for (const QJsonValue& v : frames) {
        if (v.toObject().value("key").toString() == key)
            out.append(v);
    }
    return out;
}

}  // namespace

using tablerows::addRow;

class TestTagFields : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void id3CommentsWithUtf16Descriptions_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("frameId");
        QTest::addColumn<QString>("value");  // empty: clear the field
        for (int version : {3, 4}) {
            for (const char* id : {"COMM", "USLT"}) {
                QTest::addRow("v2.%d %s set", version, id) << version << id << "Nëw Жук 日本";
                QTest::addRow("v2.%d %s cleared", version, id) << version << id << "";
            }
        }
    }

    void id3CommentsWithUtf16Descriptions()
    {
        QFETCH(int, version);
        QFETCH(QString, frameId);
        QFETCH(QString, value);
        const QString path = bareMp3("comment.mp3");
        // As many taggers write them: UTF-16 with a byte-order mark, the empty description too
        // (FF FE 00 00), after a comment with a description of its own.
        QJsonArray frames;
        frames.append(QJsonObject{
            {"id", frameId}, {"encoding", 1}, {"desc", "other"}, {"text", "Described"}});
        frames.append(QJsonObject{{"id", frameId}, {"encoding", 1}, {"desc", ""}, {"text", "Old"}});
        QVERIFY(!tagtest::mutagenTool(
                     {"id3-write", path, tagtest::json({{"version", version}, {"frames", frames}})})
                     .isNull());
        const Field field = frameId == "COMM" ? Field::Comment : Field::Lyrics;
        QCOMPARE(readField(path, field), QStringLiteral("Old"));

        QVERIFY(setAndSave(path, {{field, value}}));
        const QJsonArray after = tagtest::mutagenTool({"id3-frames", path}).toArray();
        // One plain frame with the new text (two with one key are forbidden), or none; the
        // described one untouched.
        const QJsonArray plain = framesWithKey(after, frameId + "::eng");
        QCOMPARE(plain.size(), value.isEmpty() ? 0 : 1);
        if (!value.isEmpty()) {
            QCOMPARE(plain.first().toObject().value("text").toString(), value);
            QCOMPARE(readField(path, field), value);
        }
        const QJsonArray described = framesWithKey(after, frameId + ":other:eng");
        QCOMPARE(described.size(), 1);
        QCOMPARE(described.first().toObject().value("text").toString(),
                 QStringLiteral("Described"));
        if (frameId == "COMM" && !value.isEmpty())
            QCOMPARE(tagtest::probeTags(path).value("comment").toString(), value);
    }

    void vorbisSeparateFieldsKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("key");           // the key the field is written under
        QTest::addColumn<QStringList>("separate");  // other programs' fields, read in this order
        for (const char* kind : {"flac", "opus"}) {
            const auto row = [kind](Field field, const char* key, const QStringList& separate) {
                QTest::addRow("%s %s", kind, key) << kind << int(field) << key << separate;
            };
            row(Field::Artist, "artist", {"author", "performer"});
            row(Field::Composer, "composer", {"lyricist"});
            row(Field::Comment, "comment", {"description"});
            row(Field::AlbumArtist, "albumartist", {"album artist"});
            row(Field::Lyrics, "lyrics", {"unsyncedlyrics"});
            row(Field::Date, "date", {"year"});
        }
    }

    void vorbisSeparateFieldsKept()
    {
        QFETCH(QString, kind);
        QFETCH(int, field);
        QFETCH(QString, key);
        QFETCH(QStringList, separate);
        const QString path = m_dir.filePath("separate." + kind);
        QVERIFY(tagtest::makeMedia(kind, path, 1.0));
        QJsonObject values;
        for (const QString& other : separate)
            values.insert(other, QJsonArray{other + " value"});
        QVERIFY(!tagtest::mutagenTool({"vorbis-write", path, tagtest::json(values)}).isNull());
        // Without its own key the field reads the first of the others it knows.
        QCOMPARE(readField(path, Field(field)), separate.first() + " value");
        values = {{key, QJsonArray{"old"}}};
        QVERIFY(!tagtest::mutagenTool({"vorbis-write", path, tagtest::json(values)}).isNull());

        // Setting the field replaces its own key only.
        QVERIFY(setAndSave(path, {{Field(field), "new"}}));
        QJsonObject dump = tagtest::mutagenTool({"vorbis-dump", path}).toObject();
        QCOMPARE(dump.value(key).toArray(), QJsonArray{"new"});
        for (const QString& other : separate)
            QCOMPARE(dump.value(other).toArray(), QJsonArray{other + " value"});

        // Clearing it leaves nothing that reads as the field.
        QVERIFY(setAndSave(path, {{Field(field), ""}}));
        QCOMPARE(readField(path, Field(field)), QString());
        dump = tagtest::mutagenTool({"vorbis-dump", path}).toObject();
        QVERIFY(!dump.contains(key));
    }

    void asfLongTexts()
    {
        const QString path = m_dir.filePath("long.wma");
        QVERIFY(tagtest::makeMedia("wma", path, 1.0));
        const QByteArray md5 = tagtest::audioMd5(path);
        // 33,000 characters are 66,002 bytes of UTF-16: beyond the Content Description's 16 bits.
        QString longComment;
        while (longComment.size() < 33000)
            longComment += QStringLiteral("Kommentär ");
        longComment.truncate(33000);
        const QString longTitle = QString(40000, QChar(0x65E5));
        QVERIFY(setAndSave(path, {{Field::Comment, longComment},
                                  {Field::Title, longTitle},
                                  {Field::Artist, "short artist"}}));
        QCOMPARE(readField(path, Field::Comment), longComment);
        QCOMPARE(readField(path, Field::Title), longTitle);
        const QJsonObject dump = tagtest::mutagenDump(path);
        QCOMPARE(dump.value("comment").toString(), longComment);
        QCOMPARE(dump.value("title").toString(), longTitle);
        QCOMPARE(dump.value("artist").toString(), QStringLiteral("short artist"));
        QCOMPARE(tagtest::audioMd5(path), md5);

        // Back to a short text: one value, where it belongs.
        QVERIFY(setAndSave(path, {{Field::Comment, "short"}}));
        QCOMPARE(readField(path, Field::Comment), QStringLiteral("short"));
        QCOMPARE(tagtest::mutagenDump(path).value("comment").toString(), QStringLiteral("short"));
    }

    void asfEmptyLastAttribute()
    {
        // A valid file whose last extended attribute has an empty value (zero bytes).
        const QString path = m_dir.filePath("empty-attribute.wma");
        QVERIFY(tagtest::makeMedia("wma", path, 1.0));
        const QString script = QStringLiteral(
                                   "from mutagen.asf import ASF, ASFByteArrayAttribute\n"
                                   "f = ASF('%1'); f.tags['WM/AlbumTitle'] = ['Album']\n"
                                   "f.tags['ZZEmpty'] = [ASFByteArrayAttribute(b'')]; f.save()\n")
                                   .arg(path);
        QVERIFY(testmedia::run("/usr/bin/python3", {"-c", script}).ok());
        QCOMPARE(readField(path, Field::Album), QStringLiteral("Album"));
        QVERIFY(setAndSave(path, {{Field::Title, "Title"}}));
        QCOMPARE(readField(path, Field::Title), QStringLiteral("Title"));
        QCOMPARE(tagtest::mutagenDump(path).value("album").toString(), QStringLiteral("Album"));
    }

    void malformedUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString r(QChar(0xFFFD));
        QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80") << r + r + r;
        QTest::newRow("F8 lead") << QByteArray("\xF8\x88\x80\x80\x80") << r + r + r + r + r;
        QTest::newRow("FE") << QByteArray("\xFE") << r;
        QTest::newRow("FF") << QByteArray("\xFF") << r;
        QTest::newRow("overlong C0 80") << QByteArray("\xC0\x80") << r + r;
        QTest::newRow("surrogate ED A0 80") << QByteArray("\xED\xA0\x80") << r;
        QTest::newRow("cut sequence") << QByteArray("\xE6\x97") << r;
        addRow("U+10FFFF", QByteArray("\xF4\x8F\xBF\xBF"), QString::fromUcs4(U"\U0010FFFF"));
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << r;
    }

    void malformedUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString path = bareMp3("utf8.mp3");
        const QByteArray title = "\x03" + QByteArray("a") + bytes + "b";
        QVERIFY(writeFile(path, id3Tag(4, frame(4, "TIT2", 0, title)) + readFile(path)));
        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        std::u16string text;
        QCOMPARE(file.getField(0, text), 0);
        QCOMPARE(QString::fromStdU16String(text), "a" + expected + "b");
        // The UTF-8 side hands out the same, well-formed.
        QCOMPARE(QString::fromStdString(file.fieldUtf8(Field::Title)), "a" + expected + "b");
    }

    void groupedId3Frames_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("groupFlag");
        QTest::newRow("v2.3") << 3 << 0x0020;
        QTest::newRow("v2.4") << 4 << 0x0040;
    }

    void groupedId3Frames()
    {
        QFETCH(int, version);
        QFETCH(int, groupFlag);
        const QString path = bareMp3("grouped.mp3");
        // The group byte (1, which read as a text encoding would mean UTF-16) comes before the
        // frame's content.
        const QByteArray grouped =
            frame(version, "TIT2", groupFlag, QByteArray("\x01\x00Grouped title", 15));
        const QByteArray frames = grouped + frame(version, "TALB", 0,
                                                  QByteArray("\x00"
                                                             "Album",
                                                             6));
        QVERIFY(writeFile(path, id3Tag(version, frames) + QByteArray(256, '\0') + readFile(path)));
        QCOMPARE(readField(path, Field::Title), QStringLiteral("Grouped title"));

        // Another field changes; the grouped frame is written back with its group, byte for byte
        // (mutagen and FFmpeg skip grouped frames, so the bytes are the oracle here).
        QVERIFY(setAndSave(path, {{Field::Artist, "Artist"}}));
        QCOMPARE(readField(path, Field::Title), QStringLiteral("Grouped title"));
        QVERIFY(readFile(path).contains(grouped));
        QCOMPARE(tagtest::mutagenDump(path).value("artist").toString(), QStringLiteral("Artist"));
    }

    void id3TagBeyondSyncsafeSizes()
    {
        // ID3v2 sizes have 28 bits: a tag past 256 MB cannot be described and must not be
        // written with a wrapped size.
        const QString path = bareMp3("huge.mp3");
        QVERIFY(setAndSave(path, {{Field::Title, "before"}}));
        const QByteArray before = readFile(path);
        std::string cover(300u << 20, '\0');
        cover.replace(0, 8, "\x89PNG\r\n\x1a\n");
        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        QCOMPARE(file.setCover(cover.data(), int(cover.size()), 1), 0);
        file.setFieldUtf8(Field::Title, "after");
        QCOMPARE(file.save(), -1);
        QCOMPARE(readFile(path), before);
        QCOMPARE(QString::fromStdString(file.fieldUtf8(Field::Title)), QStringLiteral("before"));
    }

    void id3v1ChangesOnlyFieldsSet_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("from");  // the bytes of the ID3v1 block the field owns
        QTest::addColumn<int>("to");
        QTest::newRow("title") << int(Field::Title) << "New title" << 3 << 33;
        QTest::newRow("artist") << int(Field::Artist) << "New artist" << 33 << 63;
        QTest::newRow("year") << int(Field::Year) << "1999" << 93 << 97;
        QTest::newRow("comment") << int(Field::Comment) << "New comment" << 97 << 125;
        QTest::newRow("track") << int(Field::Track) << "9" << 126 << 127;
        QTest::newRow("genre") << int(Field::Genre) << "Jazz" << 127 << 128;
    }

    void id3v1ChangesOnlyFieldsSet()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(int, from);
        QFETCH(int, to);
        const QString path = bareMp3("v1.mp3");
        // ID3v1.1 with texts padded by spaces (as some writers do) and a comment that starts
        // with a space.
        auto padded = [](const QByteArray& text, int width) {
            return text + QByteArray(width - text.size(), ' ');
        };
        const QByteArray v1 = "TAG" + padded("Old title", 30) + padded("Old artist", 30) +
                              padded("Old album", 30) + "2001" + padded(" spaced comment", 28) +
                              '\0' + char(5) + char(17);
        QCOMPARE(v1.size(), 128);
        QVERIFY(writeFile(path, readFile(path) + v1));
        QCOMPARE(readField(path, Field::Comment), QStringLiteral(" spaced comment"));

        QVERIFY(setAndSave(path, {{Field(field), value}}));
        const QByteArray after = readFile(path).right(128);
        for (int i = 0; i < 128; ++i) {
            if (i < from || i >= to)
                QVERIFY2(after.at(i) == v1.at(i), qPrintable(QString("byte %1 changed").arg(i)));
        }
        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        QCOMPARE(QString::fromStdString(file.fieldUtf8(Field(field))), value);
    }

    void twoId3v2Tags()
    {
        // Some tools put a second ID3v2 tag right after the first; other readers take the file.
        const QString path = bareMp3("two.mp3");
        const QByteArray md5 = tagtest::audioMd5(path);
        const QByteArray first = id3Tag(4, frame(4, "TIT2", 0,
                                                 QByteArray("\x03"
                                                            "First",
                                                            6)));
        const QByteArray second = id3Tag(3, frame(3, "TPE1", 0,
                                                  QByteArray("\x00"
                                                             "Second",
                                                             7)) +
                                                QByteArray(64, '\0'));
        QVERIFY(writeFile(path, first + second + readFile(path)));
        QCOMPARE(readField(path, Field::Title), QStringLiteral("First"));
        QCOMPARE(readField(path, Field::Artist), QStringLiteral("Second"));

        // Both tags follow the edit (in place for the one with room, by a rewrite for the other).
        QVERIFY(setAndSave(path, {{Field::Album, "Album"}, {Field::Artist, "Artist"}}));
        QCOMPARE(readField(path, Field::Title), QStringLiteral("First"));
        QCOMPARE(readField(path, Field::Artist), QStringLiteral("Artist"));
        QCOMPARE(readField(path, Field::Album), QStringLiteral("Album"));
        const QJsonObject dump = tagtest::mutagenDump(path);
        QCOMPARE(dump.value("title").toString(), QStringLiteral("First"));
        QCOMPARE(dump.value("album").toString(), QStringLiteral("Album"));
        QCOMPARE(tagtest::probeTags(path).value("album").toString(), QStringLiteral("Album"));
        QCOMPARE(tagtest::audioMd5(path), md5);
    }

private:
    QString bareMp3(const QString& name);
    QTemporaryDir m_dir;
};

// An MP3 without any tag, so that tests can put their own bytes in front of it.
QString TestTagFields::bareMp3(const QString& name)
{
    const QString path = m_dir.filePath(name);
    const bool ok =
        testmedia::ffmpeg({"-f", "lavfi", "-i", "sine=f=440:d=1", "-id3v2_version", "0", path});
    return ok ? path : QString();
}

QTEST_GUILESS_MAIN(TestTagFields)
#include "tst_tagfields.moc"
