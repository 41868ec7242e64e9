// The same tag round trips run against every container the recorder writes: our writer's
// output checked with mutagen and ffprobe, mutagen's output read by our reader, growing and
// shrinking tags, and the decoded audio compared before and after every write.

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "tablerows.h"
#include "tagfile.h"
#include "tagtestkit.h"
#include "testfiles.h"
#include "testmedia.h"

using tags::Field;
using tags::TagFile;

namespace {

// Every field, its mutagen_tool / CLI name and a value with characters beyond Latin-1.
struct FieldName {
    Field field;
    const char* key;
    const char* value;
};

const FieldName kFields[] = {
    {Field::Title, "title", "Tïtle 日本語 🎵"},
    {Field::Artist, "artist", "Ärtist ✓"},
    {Field::Album, "album", "Album 专辑"},
    {Field::Genre, "genre", "Rock"},
    {Field::Year, "year", "2024"},
    {Field::Track, "track", "3/12"},
    {Field::Comment, "comment", "Cömment 😀"},
    {Field::Copyright, "copyright", "© 2024 Quillon"},
    {Field::AlbumArtist, "albumartist", "Album Ärtist"},
    {Field::Composer, "composer", "Compöser"},
    {Field::Grouping, "grouping", "Gröup"},
    {Field::Disc, "disc", "1/2"},
    {Field::Lyrics, "lyrics", "La la ♪\nsecond line"},
};

QString valueOf(Field f)
{
    for (const FieldName& n : kFields) {
        if (n.field == f)
            return QString::fromUtf8(n.value);
    }
    return {};
}

// Fields each container family carries.
QList<Field> fieldsOf(const QString& family)
{
    QList<Field> all;
    for (const FieldName& f : kFields)
        all << f.field;
    if (family == QLatin1String("riff"))
        return {Field::Title, Field::Artist, Field::Album,   Field::Genre,
                Field::Year,  Field::Track,  Field::Comment, Field::Copyright};
    if (family == QLatin1String("id3"))
        all.removeAll(Field::Grouping);
    return all;
}

ino_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

qint64 sizeOf(const QString& path)
{
    return QFileInfo(path).size();
}

}  // namespace

using tablerows::addRow;

class TestTagContainers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cover = tagtest::bigJpeg(m_dir.path());
        QVERIFY2(m_cover.size() >= 250 * 1024, "the cover should be a large JPEG");
    }

    void writeEveryField_data() { containers(); }

    void writeEveryField()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QString, family);
        QFETCH(bool, cover);
        QFETCH(bool, mutagen);
        const QString path = media(kind, file);
        QVERIFY(!path.isEmpty());
        const QByteArray before = tagtest::audioMd5(path);
        QVERIFY(!before.isEmpty());

        const QList<Field> fields = fieldsOf(family);
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(path)), 0);
            QCOMPARE(tf.formatCode(), code);
            for (Field f : fields) {
                const QString v = valueOf(f);
                if (int(f) < 14) {
                    // The slot interface: UTF-16 text with the byte length media information
                    // passes (twice the UTF-8 byte count, more than the text needs).
                    const std::u16string text = tagtest::u16(v);
                    QCOMPARE(tf.setTextField(int(f), text.c_str(), 2 * v.toUtf8().size()), 0);
                } else {
                    QCOMPARE(tf.setFieldUtf8(f, v.toStdString()), 0);
                }
            }
            QCOMPARE(tf.setCover(m_cover.constData(), int(m_cover.size()), 1), cover ? 0 : -1);
            QCOMPARE(tf.save(), 0);
        }
        QCOMPARE(tagtest::audioMd5(path), before);
        QCOMPARE(QDir(m_dir.path()).entryList({file + QStringLiteral(".*")}, QDir::Files).size(),
                 0);

        TagFile back;
        QCOMPARE(back.open(tagtest::u16(path)), 0);
        for (Field f : fields)
            QCOMPARE(QString::fromStdString(back.fieldUtf8(f)), valueOf(f));
        if (cover) {
            const tags::Picture p = back.cover();
            QCOMPARE(QByteArray::fromStdString(p.data), m_cover);
            QCOMPARE(QString::fromStdString(p.mime), QStringLiteral("image/jpeg"));
        }
        QVERIFY(back.totalTagSize() >= (cover ? m_cover.size() : 0));

        if (mutagen) {
            const QJsonObject m = tagtest::mutagenDump(path);
            QVERIFY2(!m.isEmpty(), "mutagen could not read the file");
            for (const FieldName& f : kFields) {
                if (fields.contains(f.field))
                    QCOMPARE(m.value(QLatin1String(f.key)).toString(), valueOf(f.field));
            }
            if (cover)
                QCOMPARE(m.value(QStringLiteral("cover_size")).toInt(), m_cover.size());
            if (family == QLatin1String("vorbis")) {
                const QString vendor = m.value(QStringLiteral("vendor")).toString();
                QCOMPARE(vendor,
                         kind == QLatin1String("flac")
                             ? QStringLiteral("reference libFLAC 1.2.1 20070917")
                         : kind == QLatin1String("opus")
                             ? QStringLiteral("libnone")
                             : QStringLiteral("Xiph.Org libVorbis I 20120203 (Omnipresent)"));
            }
        }
        const QJsonObject probed = tagtest::probeTags(path);
        QCOMPARE(probed.value(QStringLiteral("title")).toString(), valueOf(Field::Title));
        QCOMPARE(probed.value(QStringLiteral("artist")).toString(), valueOf(Field::Artist));
        QCOMPARE(probed.value(QStringLiteral("album")).toString(), valueOf(Field::Album));
        QCOMPARE(probed.value(QStringLiteral("genre")).toString(), valueOf(Field::Genre));
    }

    void readMutagenTags_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("id3version");
        const auto row = [](const char* name, const char* kind, const char* file, const char* id3) {
            QTest::newRow(name) << QString(kind) << QString(file) << QString(id3);
        };
        row("mp3 v2.4", "mp3", "m.mp3", "4");
        row("mp3 v2.3", "mp3", "m3.mp3", "3");
        row("m4a", "m4a-aac", "m.m4a", "");
        row("ogg", "ogg-vorbis", "m.ogg", "");
        row("opus", "opus", "m.opus", "");
        row("flac", "flac", "m.flac", "");
        row("wma", "wma", "m.wma", "");
        row("aiff", "aiff", "m.aiff", "4");
        row("wav id3 chunk", "wav", "m.wav", "4");
    }

    void readMutagenTags()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, id3version);
        const QString path = media(kind, file);
        QVERIFY(!path.isEmpty());
        const QByteArray png = tagtest::smallPng(m_dir.path());
        QVERIFY(!png.isEmpty());
        QJsonObject values{{"title", "Mutagen 标题 ü"}, {"artist", "Ärtist 🎸"},  {"album", "Albüm"},
                           {"genre", "Jazz"},           {"year", "1999"},        {"track", "7/9"},
                           {"comment", "cömment"},      {"composer", "Cömposer"}};
        if (!id3version.isEmpty())
            values.insert(QStringLiteral("id3version"), id3version);
        QVERIFY(tagtest::mutagenWrite(path, values, m_dir.path() + QStringLiteral("/small.png")));
        const QByteArray before = tagtest::audioMd5(path);

        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(path)), 0);
        for (const FieldName& f : kFields) {
            if (values.contains(QLatin1String(f.key)))
                QCOMPARE(QString::fromStdString(tf.fieldUtf8(f.field)),
                         values.value(QLatin1String(f.key)).toString());
        }
        QCOMPARE(QByteArray::fromStdString(tf.cover().data), png);

        // An edit of mutagen's tag keeps what we did not touch, for both readers.
        QCOMPARE(tf.setFieldUtf8(Field::Title, "Edited"), 0);
        QCOMPARE(tf.save(), 0);
        QCOMPARE(tagtest::audioMd5(path), before);
        const QJsonObject m = tagtest::mutagenDump(path);
        QCOMPARE(m.value(QStringLiteral("title")).toString(), QStringLiteral("Edited"));
        QCOMPARE(m.value(QStringLiteral("artist")).toString(), values.value("artist").toString());
        QCOMPARE(m.value(QStringLiteral("cover_size")).toInt(), png.size());
    }

    void growAndShrink_data() { containers(); }

    void growAndShrink()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(bool, cover);
        const QString path = media(kind, QStringLiteral("g_") + file);
        QVERIFY(!path.isEmpty());
        const QByteArray audio = tagtest::audioMd5(path);

        auto edit = [&](const QString& title, int coverMode) {  // 0 keep, 1 set, 2 remove
            TagFile tf;
            if (tf.open(tagtest::u16(path)) != 0)
                return false;
            tf.setFieldUtf8(Field::Title, title.toStdString());
            if (coverMode == 1 && cover)
                tf.setCover(m_cover.constData(), int(m_cover.size()), 1);
            if (coverMode == 2 && cover)
                tf.removeCover();
            return tf.save() == 0;
        };
        auto titleNow = [&]() {
            TagFile tf;
            return tf.open(tagtest::u16(path)) == 0
                       ? QString::fromStdString(tf.fieldUtf8(Field::Title))
                       : QStringLiteral("<open failed>");
        };

        QVERIFY(edit(QStringLiteral("first"), 0));
        QVERIFY(
            edit(QStringLiteral("a much longer title that grows the tag ") + QString(300, 'x'), 1));
        const qint64 grown = sizeOf(path);
        QCOMPARE(tagtest::audioMd5(path), audio);

        // Shrinking is written in place: the room stays as padding (or, for tags at the end of
        // the file, the file is cut), never a rewrite.
        const ino_t inode = inodeOf(path);
        QVERIFY(edit(QStringLiteral("short"), 2));
        QCOMPARE(titleNow(), QStringLiteral("short"));
        QCOMPARE(tagtest::audioMd5(path), audio);
        QVERIFY(sizeOf(path) <= grown);
        QCOMPARE(inodeOf(path), inode);
        QVERIFY(tagtest::mutagenDump(path).value(QStringLiteral("cover_size")).isUndefined());

        // A small growth after that fits the padding and is written in place too.
        QVERIFY(edit(QStringLiteral("short but a bit longer"), 0));
        QCOMPARE(titleNow(), QStringLiteral("short but a bit longer"));
        QCOMPARE(inodeOf(path), inode);
        QCOMPARE(tagtest::audioMd5(path), audio);

        // Removing every field still leaves a file that decodes the same.
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(path)), 0);
            for (const FieldName& f : kFields)
                tf.setFieldUtf8(f.field, std::string());
            QCOMPARE(tf.save(), 0);
        }
        QCOMPARE(titleNow(), QString());
        QCOMPARE(tagtest::audioMd5(path), audio);
    }

    void secondaryBlocksFollow()
    {
        // An MP3 with ID3v2, an APE tag and ID3v1 (as older taggers leave them): an edit reaches
        // all three, and the audio between them does not move.
        const QString path = m_dir.path() + QStringLiteral("/three.mp3");
        QVERIFY(testmedia::ffmpeg({"-f", "lavfi", "-i", "sine=d=2", "-metadata", "title=Old",
                                   "-metadata", "artist=Old artist", path}));
        QVERIFY(tagtest::mutagenApeWrite(path, {{"Title", "Old"}, {"Artist", "Old artist"}}));
        // mutagen drops ID3v1 when it writes APE, so the ID3v1 block is appended by hand.
        const QByteArray v1 =
            QByteArray("TAGOld").leftJustified(125, '\0') + QByteArray("\0\1\x11", 3);
        QVERIFY(testfiles::writeFile(path, testfiles::readFile(path) + v1));
        const QByteArray audio = tagtest::audioMd5(path);
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(path)), 0);
            QCOMPARE(QString::fromStdString(tf.blockKinds()),
                     QStringLiteral("ID3v2.4, APE, ID3v1"));
            QCOMPARE(tf.setFieldUtf8(Field::Title, "New title"), 0);
            QCOMPARE(tf.setFieldUtf8(Field::Comment, "New comment"), 0);
            QCOMPARE(tf.save(), 0);
        }
        QCOMPARE(tagtest::audioMd5(path), audio);
        QCOMPARE(tagtest::mutagenDump(path).value(QStringLiteral("title")).toString(),
                 QStringLiteral("New title"));
        const QJsonObject ape = tagtest::mutagenApeDump(path);
        QCOMPARE(ape.value(QStringLiteral("Title")).toString(), QStringLiteral("New title"));
        QCOMPARE(ape.value(QStringLiteral("Comment")).toString(), QStringLiteral("New comment"));
        QCOMPARE(ape.value(QStringLiteral("Artist")).toString(), QStringLiteral("Old artist"));
        QVERIFY(testfiles::readFile(path).right(128).startsWith("TAGNew title"));
    }

    void monkeysAudioApeTag()
    {
        // No Monkey's Audio encoder is at hand; the tag writer only needs the stream magic, so a
        // "MAC " header stands in for the audio. Our APE tag must read back through mutagen, with
        // the cover as "Cover Art (Front)" carrying the "conver.jpg" file name.
        const QString path = m_dir.path() + QStringLiteral("/t.ape");
        const QByteArray payload = QByteArray("MAC ") + QByteArray(4000, '\x11');
        QVERIFY(testfiles::writeFile(path, payload));
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(path)), 0);
            QCOMPARE(tf.formatCode(), 6);
            QCOMPARE(tf.setFieldUtf8(Field::Title, valueOf(Field::Title).toStdString()), 0);
            QCOMPARE(tf.setFieldUtf8(Field::Lyrics, "Lyrics"), 0);
            QCOMPARE(tf.setFieldUtf8(Field::AlbumArtist, "none"), -1);  // APE carries no such key
            QCOMPARE(tf.setCover(m_cover.constData(), int(m_cover.size()), 1), 0);
            QCOMPARE(tf.save(), 0);
        }
        const QJsonObject ape = tagtest::mutagenApeDump(path);
        QCOMPARE(ape.value(QStringLiteral("Title")).toString(), valueOf(Field::Title));
        QCOMPARE(ape.value(QStringLiteral("Lyrics")).toString(), QStringLiteral("Lyrics"));
        QCOMPARE(ape.value(QStringLiteral("Cover Art (Front)")).toString(),
                 QStringLiteral("<binary %1>").arg(m_cover.size() + 11));
        const QByteArray bytes = testfiles::readFile(path);
        QVERIFY(bytes.startsWith(payload));
        QVERIFY(bytes.contains(QByteArray("Cover Art (Front)\0conver.jpg\0", 29)));
        TagFile back;
        QCOMPARE(back.open(tagtest::u16(path)), 0);
        QCOMPARE(QByteArray::fromStdString(back.cover().data), m_cover);
    }

private:
    void containers()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<bool>("mutagen");  // mutagen reads the block we write
        const auto row = [](const char* kind, const char* file, int code, const char* family,
                            bool cover, bool mutagen) {
            addRow(kind, QString(kind), QString(file), code, QString(family), cover, mutagen);
        };
        row("mp3", "t.mp3", 2, "id3", true, true);
        row("aac", "t.aac", 3, "id3", true, false);
        row("m4a-aac", "t.m4a", 4, "mp4", true, true);
        row("m4a-alac", "t2.m4a", 4, "mp4", true, true);
        row("m4a-faststart", "t3.m4a", 4, "mp4", true, true);
        row("ogg-vorbis", "t.ogg", 5, "vorbis", true, true);
        row("opus", "t.opus", 5, "vorbis", true, true);
        row("flac", "t.flac", 7, "vorbis", true, true);
        row("wav", "t.wav", 0, "riff", false, false);
        row("wma", "t.wma", 1, "asf", true, true);
        row("aiff", "t.aiff", 0, "id3", true, true);
    }

    QString media(const QString& kind, const QString& name);

    QTemporaryDir m_dir;
    QByteArray m_cover;
};

QString TestTagContainers::media(const QString& kind, const QString& name)
{
    const QString path = m_dir.path() + QLatin1Char('/') + name;
    QFile::remove(path);
    if (!tagtest::makeMedia(kind, path))
        return {};
    return path;
}

QTEST_GUILESS_MAIN(TestTagContainers)
#include "tst_tagcontainers.moc"
