// TagFile as its callers see it: format detection by extension and by content, clean
// failures on files no parser accepts (truncated, garbage, missing, read-only), the slot
// interface with its UTF-16 texts, and the genre numbers.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "genres.h"
#include "oggpage.h"
#include "tablerows.h"
#include "tagfile.h"
#include "tagtestkit.h"
#include "testfiles.h"

using tags::Field;
using tags::TagFile;

using tablerows::addRow;

class TestTagFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* kind :
             {"mp3", "flac", "m4a-aac", "opus", "ogg-vorbis", "wav", "aac", "wma", "aiff"}) {
            const QString path = m_dir.path() + "/src." + QString(kind).section('-', 0, 0);
            QVERIFY2(tagtest::makeMedia(kind, path, 1.0), kind);
            m_media.insert(kind, path);
        }
    }

    void detection_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        const auto row = [](const char* kind, const char* name, int code) {
            QTest::addRow("%s as %s", kind, name) << QString(kind) << QString(name) << code;
        };
        row("mp3", "song.mp3", 2);
        row("mp3", "SONG.MP3", 2);
        row("flac", "song.mp3", 7);
        row("flac", "a.FLAC", 7);
        row("m4a-aac", "noext", 4);
        row("opus", "x.ogg", 5);
        row("opus", "x.opus", 5);
        row("ogg-vorbis", "v.ogg", 5);
        row("mp3", "x.wav", 2);
        row("wav", "x.flac", 0);
        row("aac", "x.aac", 3);
        row("aac", "y.mp3", 3);
        row("wma", "x.wma", 1);
        row("aiff", "x.aiff", 0);
        row("m4a-aac", "dir.mp3/file", 4);  // a dot in the folder name only
    }

    void detection()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(int, code);
        if (name.contains(QLatin1Char('/')))
            QVERIFY(QDir(m_dir.path()).mkpath(name.section(QLatin1Char('/'), 0, 0)));
        const QString path = copyOf(kind, name);
        QVERIFY(!path.isEmpty());
        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(path)), 0);
        QCOMPARE(tf.formatCode(), code);
        tf.close();
        QCOMPARE(tf.formatCode(), -1);
    }

    void rejects_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QByteArray noise(20000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + (i >> 3)) & 0xFF);
        QTest::newRow("empty mp3") << QByteArray() << "e.mp3";
        QTest::newRow("text as flac") << QByteArray("just some text\n") << "t.flac";
        QTest::newRow("noise as mp3") << noise << "n.mp3";
        QTest::newRow("noise no extension") << noise << "noise";
        addRow("bare ID3 header", QByteArray("ID3\x04\x00\x00\x00\x00\x00\x00", 10), "h.mp3");
        QTest::newRow("fLaC magic only") << QByteArray("fLaC") << "m.flac";
        QTest::newRow("OggS magic only") << QByteArray("OggS") << "m.ogg";
        QTest::newRow("RIFF without data") << QByteArray("RIFF\x04\x00\x00\x00WAVE", 12) << "r.wav";
    }

    void rejects()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        QVERIFY(testfiles::writeFile(path, content));
        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(path)), -1);
        QCOMPARE(tf.formatCode(), -1);
        QCOMPARE(testfiles::readFile(path), content);
    }

    void closedObjectFails()
    {
        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(m_dir.path() + QStringLiteral("/missing.mp3"))), -1);
        QCOMPARE(tf.open(static_cast<const char16_t*>(nullptr)), -1);
        QCOMPARE(tf.open(tagtest::u16(m_dir.path())), -1);  // a folder
        QCOMPARE(tf.formatCode(), -1);
        QCOMPARE(tf.save(), -1);
        QCOMPARE(tf.totalTagSize(), qint64(-1));
        const char16_t text[] = u"x";
        QCOMPARE(tf.setTextField(0, text, 2), -1);
        QCOMPARE(tf.setCover("abc", 3, 1), -1);
        std::u16string out;
        QCOMPARE(tf.getField(0, out), -1);

        // A file that cannot be opened for writing is refused.
        if (::geteuid() != 0) {
            const QString path = copyOf(QStringLiteral("mp3"), QStringLiteral("ro.mp3"));
            QFile::setPermissions(path, QFile::ReadOwner);
            QCOMPARE(tf.open(tagtest::u16(path)), -1);
        }
        tags::TagFile* made = tags::createTagFile();
        QVERIFY(made);
        QCOMPARE(made->formatCode(), -1);
        tags::releaseTagFile(made);
    }

    void slotTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("byteLength");
        QTest::addColumn<QString>("stored");
        const QString cjk = QStringLiteral("日本語のタイトル");
        // Media information hands twice the UTF-8 byte count: more than the UTF-16 text needs.
        QTest::newRow("cjk, doubled utf-8 length") << cjk << 2 * int(cjk.toUtf8().size()) << cjk;
        addRow("emoji (surrogates)", QStringLiteral("🎵🎶 ok"), 40, QStringLiteral("🎵🎶 ok"));
        addRow("length cuts the text", QStringLiteral("abcdef"), 6, QStringLiteral("abc"));
        addRow("until the terminator", QStringLiteral("xyz"), -1, QStringLiteral("xyz"));
        addRow("blank ends", QStringLiteral("  padded  "), 40, QStringLiteral("padded"));
    }

    void slotTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, byteLength);
        QFETCH(QString, stored);
        const QString path = copyOf(QStringLiteral("flac"), QStringLiteral("slots.flac"));
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(path)), 0);
            const std::u16string u = tagtest::u16(text);
            QCOMPARE(tf.setTextField(0, u.c_str(), byteLength), 0);
            QCOMPARE(tf.setTextField(9, u.c_str(), byteLength), -1);  // the cover is no text
            QCOMPARE(tf.setTextField(15, u.c_str(), byteLength), -1);
            QCOMPARE(tf.save(), 0);
        }
        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(path)), 0);
        std::u16string out;
        QCOMPARE(tf.getField(0, out), 0);
        QCOMPARE(QString::fromStdU16String(out), stored);
    }

    void genres_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "Blues";
        QTest::newRow("17") << 17 << "Rock";
        QTest::newRow("79 last of ID3v1") << 79 << "Hard Rock";
        QTest::newRow("80 first Winamp") << 80 << "Folk";
        QTest::newRow("147") << 147 << "SynthPop";
        QTest::newRow("148 outside") << 148 << "";
        QTest::newRow("-1 outside") << -1 << "";
    }

    void genres()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(tags::genreName(number)), name);
        if (!name.isEmpty()) {
            QCOMPARE(tags::genreNumber(name.toUpper().toStdString()), number);
            QCOMPARE(QString::fromStdString(tags::resolveGenre("(" + std::to_string(number) + ")")),
                     name);
        }
    }

    void id3NumericGenre()
    {
        // Numeric genres written by another tagger read as names: "(0)" in MP3, 147 in ASF-style
        // plain numbers and the same in Vorbis comments.
        const QString mp3 = copyOf(QStringLiteral("mp3"), QStringLiteral("genre.mp3"));
        const QString png = m_dir.path() + QStringLiteral("/small.png");
        QVERIFY(!tagtest::smallPng(m_dir.path()).isEmpty());
        QVERIFY(tagtest::mutagenWrite(mp3, QJsonObject{{"genre", "(0)"}, {"track", "1"}}, png));
        TagFile tf;
        QCOMPARE(tf.open(tagtest::u16(mp3)), 0);
        QCOMPARE(QString::fromStdString(tf.fieldUtf8(Field::Genre)), QStringLiteral("Blues"));
        const QString flac = copyOf(QStringLiteral("flac"), QStringLiteral("genre.flac"));
        QVERIFY(tagtest::mutagenWrite(flac, QJsonObject{{"genre", "147"}, {"track", "1"}}, png));
        QCOMPARE(tf.open(tagtest::u16(flac)), 0);
        QCOMPARE(QString::fromStdString(tf.fieldUtf8(Field::Genre)), QStringLiteral("SynthPop"));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("ext");
        for (const char* k :
             {"mp3", "flac", "m4a-aac", "opus", "ogg-vorbis", "wav", "wma", "aiff"}) {
            QTest::newRow(k) << QString(k) << QString(k).section('-', 0, 0);
        }
    }

    void damagedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, ext);
        // A tagged file cut at many places, and with bytes flipped inside its tag: opening gives a
        // clean -1 or a usable file; a save either works or leaves the bytes as they were.
        const QString tagged = copyOf(kind, QStringLiteral("damaged-src.") + ext);
        const QByteArray cover = tagtest::smallPng(m_dir.path());
        {
            TagFile tf;
            QCOMPARE(tf.open(tagtest::u16(tagged)), 0);
            tf.setFieldUtf8(Field::Title, "A title to cut");
            tf.setFieldUtf8(Field::Album, "An album");
            tf.setCover(cover.constData(), int(cover.size()), 1);
            QCOMPARE(tf.save(), 0);
        }
        const QByteArray whole = testfiles::readFile(tagged);
        QVector<int> cuts{0, 1, 4, 10, 11, 12, 30, 64, 100, 200, 500, 1000, 2000, 4000};
        for (int i = 1; i < 8; ++i)
            cuts << whole.size() * i / 8;
        const QString path = m_dir.path() + QStringLiteral("/damaged.") + ext;
        int opened = 0;
        for (int variant = 0; variant < cuts.size() * 2; ++variant) {
            QByteArray bytes;
            if (variant < cuts.size()) {
                bytes = whole.left(cuts[variant]);
            } else {
                bytes = whole;
                const int at = cuts[variant - cuts.size()];
                for (int k = at; k < qMin(at + 8, bytes.size()); ++k)
                    bytes[k] = char(bytes[k] ^ 0x5A);
            }
            QVERIFY(testfiles::writeFile(path, bytes));
            TagFile tf;
            if (tf.open(tagtest::u16(path)) != 0) {
                QCOMPARE(testfiles::readFile(path), bytes);
                continue;
            }
            ++opened;
            tf.fieldUtf8(Field::Title);
            tf.cover();
            tf.setFieldUtf8(Field::Artist, "x");
            if (tf.save() != 0)
                QCOMPARE(testfiles::readFile(path), bytes);
        }
        QVERIFY(opened > 0);  // the untouched half of the variants still opens
    }

    void oggPagesRoundTrip_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("vorbis") << "ogg-vorbis";
        QTest::newRow("opus") << "opus";
    }

    void oggPagesRoundTrip()
    {
        // Every page libogg wrote parses and renders back to the same bytes, CRC included.
        QFETCH(QString, kind);
        const std::string bytes = testfiles::readFile(m_media.value(kind)).toStdString();
        size_t at = 0;
        int pages = 0;
        while (at < bytes.size()) {
            const size_t size = tags::OggPage::pageSize(bytes, at);
            QVERIFY(size > 0);
            tags::OggPage page;
            QVERIFY(page.parse(bytes, at));
            QVERIFY(page.render() == bytes.substr(at, size));
            at += size;
            ++pages;
        }
        QVERIFY(pages >= 3);  // identification, comment and setup, then audio
    }

    void oggPagination()
    {
        // Packet sizes at the lacing edges: a multiple of 255 needs a terminating 0, and a page
        // holds at most 255 lacing values, so a long packet continues on the next page.
        const std::vector<std::string> packets{std::string(510, 'a'), std::string(200000, 'b'),
                                               std::string(3, 'c')};
        const std::vector<tags::OggPage> pages = tags::OggPage::paginate(packets, 77, 1, false);
        QCOMPARE(int(pages.size()), 4);
        QCOMPARE(int(pages[0].lacing.size()), 255);
        QCOMPARE(int(pages[0].lacing[2]), 0);  // end of the 510-byte packet
        QCOMPARE(pages[0].granule, quint64(0));
        QCOMPARE(pages[1].granule, ~quint64(0));  // no packet ends on the middle pages
        QCOMPARE(pages[2].granule, ~quint64(0));
        QCOMPARE(pages[3].granule, quint64(0));
        std::string all;
        for (const tags::OggPage& p : pages) {
            QCOMPARE(p.serial, 77u);
            all += p.body;
        }
        QVERIFY(all == packets[0] + packets[1] + packets[2]);
        QCOMPARE(pages[1].flags & 1, 1);  // continues the long packet
        QCOMPARE(pages[3].sequence, 4u);
        // Opus wants zero on every header page.
        for (const tags::OggPage& p : tags::OggPage::paginate(packets, 77, 1, true))
            QCOMPARE(p.granule, quint64(0));
    }

private:
    QString copyOf(const QString& kind, const QString& name);

    QTemporaryDir m_dir;
    QHash<QString, QString> m_media;  // kind -> generated file
};

QString TestTagFile::copyOf(const QString& kind, const QString& name)
{
    const QString path = m_dir.path() + QLatin1Char('/') + name;
    QFile::remove(path);
    if (!QFile::copy(m_media.value(kind), path))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QTEST_GUILESS_MAIN(TestTagFile)
#include "tst_tagfile.moc"
