// How a save reaches the disk: links, owner, permissions and attributes of the edited file;
// audio that shares a page with the Ogg headers; WAV files with unknown audio sizes; inputs
// the fuzzers found; and saves that fail half-way, which must leave the file as it was.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>

#include "oggpage.h"
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

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Caps the size any file of this process may reach, as a full disk would, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = m_old;
        limit.rlim_cur = rlim_t(bytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    struct rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

// True when some extent of the file is shared with another file (a clone).
bool sharesExtents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr int kExtents = 64;
    std::vector<char> buffer(sizeof(fiemap) + kExtents * sizeof(fiemap_extent));
    auto* map = reinterpret_cast<fiemap*>(buffer.data());
    map->fm_length = ~0ull;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = kExtents;
    if (::ioctl(file.handle(), FS_IOC_FIEMAP, map) != 0)
        return false;
    for (unsigned i = 0; i < map->fm_mapped_extents; ++i) {
        if (map->fm_extents[i].fe_flags & FIEMAP_EXTENT_SHARED)
            return true;
    }
    return false;
}

// A small XFS file system with shared extents, mounted from an image for as long as it
// lives (root and loop devices needed; otherwise mounted() is false).
class ReflinkFileSystem {
public:
    explicit ReflinkFileSystem(const QString& dir) : m_mountPoint(dir + "/xfs")
    {
        const QString image = dir + "/xfs.img";
        QFile img(image);
        if (::geteuid() != 0 || !img.open(QIODevice::WriteOnly) || !img.resize(320 << 20))
            return;
        img.close();
        QDir().mkpath(m_mountPoint);
        m_mounted = testmedia::run("mkfs.xfs", {"-q", "-m", "reflink=1", image}).ok() &&
                    testmedia::run("mount", {"-o", "loop", image, m_mountPoint}).ok();
    }
    ~ReflinkFileSystem()
    {
        if (m_mounted)
            testmedia::run("umount", {m_mountPoint});
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_mountPoint + "/" + name; }

private:
    QString m_mountPoint;
    bool m_mounted = false;
};

// Moves the audio packets of the first audio page onto the last header page, as some muxers
// lay out Ogg files, and renumbers the pages after it.
QByteArray audioOnLastHeaderPage(const QByteArray& ogg)
{
    const std::string bytes = ogg.toStdString();
    std::vector<tags::OggPage> pages;
    for (size_t at = 0; at < bytes.size();) {
        tags::OggPage page;
        const size_t size = tags::OggPage::pageSize(bytes, at);
        if (size == 0 || !page.parse(bytes, at))
            return {};
        pages.push_back(page);
        at += size;
    }
    // The headers end on the last page with granule 0; the next page is the first audio.
    size_t last = 1;
    while (last + 1 < pages.size() && pages[last + 1].granule == 0)
        ++last;
    tags::OggPage& header = pages[last];
    const tags::OggPage audio = pages[last + 1];
    if (header.lacing.size() + audio.lacing.size() > 255 || (audio.flags & 1))
        return {};
    header.lacing.insert(header.lacing.end(), audio.lacing.begin(), audio.lacing.end());
    header.body += audio.body;
    header.granule = audio.granule;
    header.flags |= audio.flags & 4;
    pages.erase(pages.begin() + long(last) + 1);
    QByteArray out;
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i].sequence = uint32_t(i);
        out += QByteArray::fromStdString(pages[i].render());
    }
    return out;
}

}  // namespace

class TestTagSaves : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cover = tagtest::bigJpeg(m_dir.path());
        QVERIFY(m_cover.size() > 100000);
    }

    void growingSaveKeepsLinksAndMetadata_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("ext");
        for (const auto& [kind, ext] : {std::pair{"mp3", "mp3"},
                                        {"flac", "flac"},
                                        {"ogg-vorbis", "ogg"},
                                        {"m4a-faststart", "m4a"},
                                        {"wma", "wma"}})
            QTest::newRow(ext) << QString(kind) << QString(ext);
    }

    void growingSaveKeepsLinksAndMetadata()
    {
        QFETCH(QString, kind);
        QFETCH(QString, ext);
        // The file behind a symbolic link, with its own permissions, owner and attribute.
        const QString real = media(kind, ext + "/real/a." + ext);
        QVERIFY(!real.isEmpty());
        const QByteArray md5 = tagtest::audioMd5(real);
        const QString link = m_dir.filePath(ext + "/links/a." + ext);
        QDir().mkpath(QFileInfo(link).path());
        QFile::remove(link);
        QVERIFY(QFile::link("../real/a." + ext, link));
        const QByteArray realPath = QFile::encodeName(real);
        QCOMPARE(::chmod(realPath.constData(), 0640), 0);
        const bool owned = ::chown(realPath.constData(), 65534, 65534) == 0;  // needs root
        const bool attributed =
            ::setxattr(realPath.constData(), "user.quillon", "kept", 4, 0) == 0;  // needs support

        TagFile file;
        QCOMPARE(file.open(tagtest::u16(link)), 0);
        QCOMPARE(file.setCover(m_cover.constData(), int(m_cover.size()), 1), 0);
        file.setFieldUtf8(Field::Title, "through the link");
        QCOMPARE(file.save(), 0);
        file.close();

        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
        QCOMPARE(readField(real, Field::Title), QStringLiteral("through the link"));
        const struct stat st = statOf(real);
        QCOMPARE(int(st.st_mode & 07777), 0640);
        if (owned)
            QVERIFY(st.st_uid == 65534 && st.st_gid == 65534);
        if (attributed) {
            char value[8] = {};
            QCOMPARE(::getxattr(realPath.constData(), "user.quillon", value, sizeof value), 4L);
            QCOMPARE(QByteArray(value), QByteArray("kept"));
        }
        QCOMPARE(tagtest::audioMd5(real), md5);
        QCOMPARE(QDir(QFileInfo(real).path()).entryList(QDir::Files), QStringList{"a." + ext});

        // A file with a second name keeps its inode: both names see the new tags.
        const QString other = m_dir.filePath(ext + "/real/b." + ext);
        QFile::remove(other);
        QCOMPARE(::link(realPath.constData(), QFile::encodeName(other).constData()), 0);
        const ino_t inode = statOf(real).st_ino;
        QCOMPARE(file.open(tagtest::u16(other)), 0);
        QCOMPARE(file.setCover(m_cover.left(m_cover.size() / 2).append(m_cover).constData(),
                               int(m_cover.size() * 3 / 2), 1),
                 0);
        file.setFieldUtf8(Field::Title, "through the other name");
        QCOMPARE(file.save(), 0);
        file.close();
        QCOMPARE(statOf(real).st_ino, inode);
        QCOMPARE(statOf(other).st_ino, inode);
        QCOMPARE(readField(real, Field::Title), QStringLiteral("through the other name"));
        QCOMPARE(tagtest::audioMd5(real), md5);
        QCOMPARE(QDir(QFileInfo(real).path()).entryList(QDir::Files).size(), 2);
    }

    void growingSaveClonesAudio_data() { growingSaveKeepsLinksAndMetadata_data(); }

    void growingSaveClonesAudio()
    {
        QFETCH(QString, kind);
        QFETCH(QString, ext);
        ReflinkFileSystem xfs(m_dir.path());
        if (!xfs.mounted())
            QSKIP("needs root, mkfs.xfs and a loop device for an XFS with shared extents");
        const QString path = xfs.path("clone." + ext);
        QVERIFY(tagtest::makeMedia(kind, path, 20.0));
        const QByteArray md5 = tagtest::audioMd5(path);
        // A clone of the original keeps its blocks alive, so that sharing shows after the save.
        QVERIFY(testmedia::run("cp", {"--reflink=always", path, xfs.path("keep." + ext)}).ok());

        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        uint64_t before = 0;
        QVERIFY(file.audioChecksum(before));
        QCOMPARE(file.setCover(m_cover.constData(), int(m_cover.size()), 1), 0);
        file.setFieldUtf8(Field::Title, "cloned");
        QCOMPARE(file.save(), 0);
        uint64_t after = 0;
        QVERIFY(file.audioChecksum(after));
        file.close();
        QCOMPARE(after, before);
        QCOMPARE(readField(path, Field::Title), QStringLiteral("cloned"));
        QCOMPARE(tagtest::audioMd5(path), md5);
        // Ogg pages are renumbered as they are copied; every other layout clones its audio.
        QCOMPARE(sharesExtents(path), ext != "ogg");
    }

    void oggAudioOnLastHeaderPage_data()
    {
        QTest::addColumn<bool>("growing");
        QTest::newRow("in place") << false;
        QTest::newRow("growing") << true;
    }

    void oggAudioOnLastHeaderPage()
    {
        QFETCH(bool, growing);
        const QString path = media("ogg-vorbis", "shared.ogg", 3.0);
        // A long comment first, so that a shorter one fits in place.
        QVERIFY(!tagtest::mutagenTool({"vorbis-write", path,
                                       tagtest::json({{"comment", QJsonArray{QString(600, 'c')}}})})
                     .isNull());
        const QByteArray shared = audioOnLastHeaderPage(readFile(path));
        QVERIFY(!shared.isEmpty());
        QVERIFY(writeFile(path, shared));
        // (The decoder's start follows the granule of the first page with audio, so the layout
        // itself may shift what decodes; from here on nothing may change.)
        const QByteArray md5 = tagtest::audioMd5(path);
        QVERIFY(!md5.isEmpty());

        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        uint64_t before = 0;
        QVERIFY(file.audioChecksum(before));
        file.setFieldUtf8(Field::Comment, "short");
        if (growing)
            QCOMPARE(file.setCover(m_cover.constData(), int(m_cover.size()), 1), 0);
        QCOMPARE(file.save(), 0);
        uint64_t after = 0;
        QVERIFY(file.audioChecksum(after));
        QCOMPARE(after, before);
        QCOMPARE(readField(path, Field::Comment), QStringLiteral("short"));
        QCOMPARE(tagtest::audioMd5(path), md5);
        QCOMPARE(tagtest::mutagenDump(path).value("comment").toString(), QStringLiteral("short"));
    }

    void wavWithUnknownAudioSize_data()
    {
        QTest::addColumn<bool>("listFirst");    // a LIST chunk before the audio (a rewrite)
        QTest::addColumn<quint32>("dataSize");  // written into the audio chunk; 1 = leave it
        QTest::addColumn<QByteArray>("trailer");
        for (bool listFirst : {false, true}) {
            const char* layout = listFirst ? "LIST first" : "audio last";
            QTest::addRow("%s, data size 0", layout) << listFirst << quint32(0) << QByteArray();
            QTest::addRow("%s, data size 0xFFFFFFFF", layout)
                << listFirst << quint32(0xFFFFFFFF) << QByteArray();
            QTest::addRow("%s, part of a chunk header at the end", layout)
                << listFirst << quint32(1) << QByteArray("LIS");
        }
    }

    void wavWithUnknownAudioSize()
    {
        QFETCH(bool, listFirst);
        QFETCH(quint32, dataSize);
        QFETCH(QByteArray, trailer);
        // FFmpeg writes its LIST chunk before the audio unless told to be bit-exact.
        const QString path = m_dir.filePath("streamed.wav");
        QStringList args{"-f", "lavfi", "-i", "sine=d=1", "-ac", "2"};
        if (!listFirst)
            args << "-fflags"
                 << "+bitexact";
        QVERIFY(testmedia::ffmpeg(args << path));
        QCOMPARE(readFile(path).contains("LIST"), listFirst);
        const QByteArray md5 = tagtest::audioMd5(path);
        QByteArray bytes = readFile(path);
        const int data = bytes.indexOf("data");
        QVERIFY(data > 0);
        const qint64 audioBytes = bytes.size() - data - 8;
        if (dataSize != 1) {
            // As streaming writers leave it: unknown audio size, RIFF size of the header only.
            for (int i = 0; i < 4; ++i)
                bytes[data + 4 + i] = char(dataSize >> (8 * i));
            const quint32 riff = quint32(data + 8 - 8);
            for (int i = 0; i < 4; ++i)
                bytes[4 + i] = char(riff >> (8 * i));
        }
        QVERIFY(writeFile(path, bytes + trailer));
        QCOMPARE(tagtest::audioMd5(path), md5);

        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        file.setFieldUtf8(Field::Title, "Streamed");
        QCOMPARE(file.save(), 0);
        file.close();
        QCOMPARE(readField(path, Field::Title), QStringLiteral("Streamed"));
        QCOMPARE(tagtest::probeTags(path).value("title").toString(), QStringLiteral("Streamed"));
        QCOMPARE(tagtest::audioMd5(path), md5);
        // The audio chunk now states its true size.
        const QByteArray saved = readFile(path);
        const int savedData = saved.indexOf("data");
        QCOMPARE(qFromLittleEndian<quint32>(saved.constData() + savedData + 4),
                 quint32(audioBytes));
        QCOMPARE(qint64(qFromLittleEndian<quint32>(saved.constData() + 4)), saved.size() - 8);
    }

    void fuzzFindingsReadBack()
    {
        // A Monkey's Audio header with an APE footer inside what looks like an ID3v1 block: a
        // save once reported success and left a file without tags.
        const QByteArray input = QByteArray::fromBase64(
            "TUFDIEwAAAABQG0AIgIAIgJAAkB2AMsAAAAAAAAAAAAAVEFHQwEAACICACICQAJAdgDKAADLp6enp6enL6enp6"
            "en"
            "p6enp6enp6enp///////////AAAAAAAAAAD//////////6enp6enp6enp6enp6enp6enAABAAEMCYQD/////"
            "QVBF"
            "VEFHRVj//////wD6/////+MEAAAAAAAAAAAA5qQ=");
        const QString path = m_dir.filePath("finding.flac");
        QVERIFY(writeFile(path, input));
        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        uint64_t before = 0;
        QVERIFY(file.audioChecksum(before));
        file.setFieldUtf8(Field::Title, "fuzz title");
        file.setFieldUtf8(Field::Track, "3/7");
        file.removeCover();
        QCOMPARE(file.save(), 0);
        TagFile again;
        QCOMPARE(again.open(tagtest::u16(path)), 0);
        QCOMPARE(QString::fromStdString(again.fieldUtf8(Field::Title)),
                 QStringLiteral("fuzz title"));
        QCOMPARE(QString::fromStdString(again.fieldUtf8(Field::Track)), QStringLiteral("3/7"));
        uint64_t after = 0;
        QVERIFY(again.audioChecksum(after));
        QCOMPARE(after, before);
    }

    void failedSaveLeavesFileUnchanged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("bigCover");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("roomBytes");  // how far the file may grow before the disk is full
        const auto row = [](const char* name, const char* kind, const char* ext, bool bigCover,
                            const QByteArray& title, int roomBytes) {
            QTest::newRow(name) << QString(kind) << QString(ext) << bigCover << title << roomBytes;
        };
        row("wav, tags appended in place", "wav", "wav", false, "Title", 0);
        row("m4a, moov at the end grows in place", "m4a-aac", "m4a", true, "Title", 5000);
        row("mp3, APE and ID3v1 at the end", "mp3-tail", "mp3", false,
            "A title long enough to grow the APE tag", 20);
        row("flac, rewritten", "flac", "flac", true, "Title", 5000);
        row("ogg, rewritten", "ogg-vorbis", "ogg", true, "Title", 5000);
        // No full disk: the value cannot be stored as given (INFO texts end at a NUL), so the
        // saved file would not read back what was set.
        row("wav, value that does not read back", "wav", "wav", false, QByteArray("Title\0\0", 7),
            -1);
    }

    void failedSaveLeavesFileUnchanged()
    {
        QFETCH(QString, kind);
        QFETCH(QString, ext);
        QFETCH(bool, bigCover);
        QFETCH(QByteArray, title);
        QFETCH(int, roomBytes);
        const bool withTail = kind == "mp3-tail";
        const QString path = media(withTail ? "mp3" : kind, "failing." + ext);
        QVERIFY(!path.isEmpty());
        if (withTail) {
            QVERIFY(tagtest::mutagenApeWrite(path, QJsonObject{{"Title", "Old"}}));
            QVERIFY(writeFile(path, readFile(path) + "TAG" + QByteArray(125, '\0')));
        }
        {
            TagFile file;
            QCOMPARE(file.open(tagtest::u16(path)), 0);
            file.setFieldUtf8(Field::Title, "Old");
            QCOMPARE(file.save(), 0);
        }
        const QByteArray before = readFile(path);

        TagFile file;
        QCOMPARE(file.open(tagtest::u16(path)), 0);
        file.setFieldUtf8(Field::Title, title.toStdString());
        if (bigCover)
            QCOMPARE(file.setCover(m_cover.constData(), int(m_cover.size()), 1), 0);
        {
            std::unique_ptr<FileSizeLimit> full;
            if (roomBytes >= 0)
                full = std::make_unique<FileSizeLimit>(before.size() + roomBytes);
            QCOMPARE(file.save(), -1);
        }
        QCOMPARE(QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256),
                 QCryptographicHash::hash(before, QCryptographicHash::Sha256));
        QCOMPARE(QDir(QFileInfo(path).path()).entryList({"failing." + ext + "*"}, QDir::Files),
                 QStringList{"failing." + ext});
        // The object holds the file's tags as they are, and a later save works.
        QCOMPARE(QString::fromStdString(file.fieldUtf8(Field::Title)), QStringLiteral("Old"));
        file.setFieldUtf8(Field::Title, "New");
        QCOMPARE(file.save(), 0);
        QCOMPARE(readField(path, Field::Title), QStringLiteral("New"));
    }

private:
    QString media(const QString& kind, const QString& name, double seconds = 1.0);
    QTemporaryDir m_dir;
    QByteArray m_cover;
};

QString TestTagSaves::media(const QString& kind, const QString& name, double seconds)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).path());
    return tagtest::makeMedia(kind, path, seconds) ? path : QString();
}

QTEST_GUILESS_MAIN(TestTagSaves)
#include "tst_tagsaves.moc"
