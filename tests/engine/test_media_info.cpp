// Media information against ffprobe for every container the recorder writes; tags, cover art,
// chapters with their duration rules, picture grabs, and files that are not usable media.

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <brisca/brisca.h>

#include "mediainfo.h"
#include "mediatestutil.h"
#include "tablerows.h"
#include "testfiles.h"

// The most memory this process has held so far.
static long peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

using tablerows::addRow;

class TestMediaInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cover = file(QStringLiteral("cover.png"));
        QVERIFY(mediatest::make(m_cover, QStringLiteral("color=c=red:s=64x48:d=1"),
                                {QStringLiteral("-frames:v"), QStringLiteral("1")}));
    }

    void containers_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QStringList>("codecArgs");
        QTest::addColumn<QString>("codec");
        const QStringList title{QStringLiteral("-metadata"), QStringLiteral("title=Tōne ä"),
                                QStringLiteral("-metadata"), QStringLiteral("artist=Quillon")};
        addRow("mp3", "mp3", (QStringList{"-c:a", "libmp3lame", "-b:a", "128k"} + title), "mp3");
        QTest::newRow("m4a aac") << "m4a" << (QStringList{"-c:a", "aac"} + title) << "aac";
        QTest::newRow("m4a alac") << "m4a" << (QStringList{"-c:a", "alac"} + title) << "alac";
        QTest::newRow("ogg") << "ogg" << (QStringList{"-c:a", "libvorbis"} + title) << "vorbis";
        QTest::newRow("opus") << "opus" << (QStringList{"-c:a", "libopus"} + title) << "opus";
        QTest::newRow("flac") << "flac" << (QStringList{"-c:a", "flac"} + title) << "flac";
        QTest::newRow("wav") << "wav" << (QStringList{"-c:a", "pcm_s16le"} + title) << "pcm_s16le";
        QTest::newRow("wma") << "wma" << (QStringList{"-c:a", "wmav2"} + title) << "wmav2";
        QTest::newRow("ac3") << "ac3" << QStringList{"-c:a", "ac3"} << "ac3";  // holds no tags
        QTest::newRow("aiff") << "aiff" << (QStringList{"-c:a", "pcm_s16be"} + title)
                              << "pcm_s16be";
    }

    void containers()
    {
        QFETCH(QString, ext);
        QFETCH(QStringList, codecArgs);
        QFETCH(QString, codec);
        const QString path = file(QStringLiteral("%1.%2").arg(QTest::currentDataTag(), ext));
        QVERIFY(mediatest::make(path, mediatest::chirp(2.5, 48000), codecArgs));
        const QJsonObject probe = testmedia::probe(path);
        const QJsonObject stream = testmedia::audioStream(path);
        const int32_t info = openInfo(path);
        QVERIFY2(info, BriscaLastError());

        BriscaStreamInfo s{};
        QVERIFY(GetMediaStreamInfo(info, 0, &s));
        QCOMPARE(QString::fromUtf8(s.codecName), codec);
        QCOMPARE(s.kind, 1);
        QCOMPARE(s.rateHz, stream.value("sample_rate").toString().toInt());
        QCOMPARE(s.channels, stream.value("channels").toInt());
        const double probed =
            probe.value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(
            qAbs(GetMediaDuration(info) / 1e6 - probed) < 0.002,
            qPrintable(QStringLiteral("%1 vs %2").arg(GetMediaDuration(info) / 1e6).arg(probed)));
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(
                     GetEntryData(GetMetadataEntry(info, "ffmpeg_format")))),
                 probe.value("format").toObject().value("format_name").toString());
        // Tags, wherever the container keeps them (format or stream), case-insensitive keys.
        if (codecArgs.contains(QStringLiteral("-metadata"))) {
            const BriscaEntry* title = GetMetadataEntry(info, "TITLE");
            QVERIFY(title);
            QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(title))),
                     QStringLiteral("Tōne ä"));
            QCOMPARE(GetEntrySize(title), int32_t(QByteArray("Tōne ä").size()));
        }
        QVERIFY(GetMetadataEntry(info, "no such key") == nullptr);
        QCOMPARE(GetMediaInfoValueA(info), 0);
        QCOMPARE(GetMediaInfoValueB(info), -1);
        QCOMPARE(HasVideoStream(info), 0);
        QCOMPARE(SelectDiscTitle(info, 0), 1);
        QCOMPARE(SelectDiscTitle(info, 1), 0);
        QCOMPARE(GetChapterCount(info), 0);
        QVERIFY(DestroyMediaInfo(info));
    }

    void coverArt()
    {
        QByteArray png;
        {
            QFile f(m_cover);
            QVERIFY(f.open(QIODevice::ReadOnly));
            png = f.readAll();
        }
        for (const QString& ext :
             {QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("flac")}) {
            const QString path = file(QStringLiteral("covered.") + ext);
            QVERIFY(mediatest::make(
                path, mediatest::chirp(1),
                {"-map", "0:a", "-map", "1:v", "-c:v", "copy", "-disposition:v", "attached_pic"},
                {"-i", m_cover}));
            const int32_t info = openInfo(path);
            QVERIFY2(info, BriscaLastError());
            const BriscaEntry* cover = GetMetadataEntry(info, "cover_image");
            QVERIFY2(cover, qPrintable(ext));
            QCOMPARE(
                QByteArray(reinterpret_cast<const char*>(GetEntryData(cover)), GetEntrySize(cover)),
                png);
            QCOMPARE(HasVideoStream(info), 0);  // cover art is not a picture stream
            DestroyMediaInfo(info);
        }
    }

    void chaptersOfFile()
    {
        // Chapters of 0-1 s and 1-2.5 s, the second without an end mark in the metadata file
        // (FFmpeg then gives it none), in a 3 s file.
        const QString meta = file(QStringLiteral("chapters.txt"));
        QVERIFY(testfiles::writeFile(
            meta,
            ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Intro\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2500\ntitle=Main\n"));
        const QString path = file(QStringLiteral("chapters.m4a"));
        QVERIFY(mediatest::make(path, mediatest::chirp(3),
                                {"-map_metadata", "1", "-map_chapters", "1", "-c:a", "aac"},
                                {"-i", meta}));
        const int32_t info = openInfo(path);
        QVERIFY2(info, BriscaLastError());
        QCOMPARE(GetChapterCount(info), 2);
        QCOMPARE(GetChapterStart(info, 0), int64_t(0));
        QCOMPARE(GetChapterDuration(info, 0), int64_t(1000000));
        QCOMPARE(GetChapterStart(info, 1), int64_t(1000000));
        QCOMPARE(GetChapterDuration(info, 1), int64_t(1500000));
        QCOMPARE(QString::fromUtf8(GetChapterValue(info, 1)), QStringLiteral("Main"));
        QVERIFY(GetChapterValue(info, 2) == nullptr);
        DestroyMediaInfo(info);
    }

    void chapterDurations_data()
    {
        QTest::addColumn<QVector<qint64>>("starts");
        QTest::addColumn<QVector<qint64>>("ends");  // -1: no end mark
        QTest::addColumn<qint64>("fileUs");
        QTest::addColumn<QVector<qint64>>("durations");
        addRow("end marks", QVector<qint64>{0, 10}, QVector<qint64>{10, 20}, 30LL,
               QVector<qint64>{10, 10});
        addRow("missing ends run to the next start", QVector<qint64>{0, 10, 25},
               QVector<qint64>{-1, -1, -1}, 40LL, QVector<qint64>{10, 15, 15});
        addRow("end before start", QVector<qint64>{5, 12}, QVector<qint64>{3, 12}, 20LL,
               QVector<qint64>{7, 8});
        addRow("never past the file", QVector<qint64>{0, 8}, QVector<qint64>{8, 99}, 10LL,
               QVector<qint64>{8, 2});
        addRow("starts past the file", QVector<qint64>{12}, QVector<qint64>{15}, 10LL,
               QVector<qint64>{0});
    }

    void chapterDurations()
    {
        QFETCH(QVector<qint64>, starts);
        QFETCH(QVector<qint64>, ends);
        QFETCH(qint64, fileUs);
        QFETCH(QVector<qint64>, durations);
        std::vector<brisca::ChapterInfo> chapters;
        std::vector<int64_t> endMarks;
        for (int i = 0; i < starts.size(); ++i) {
            brisca::ChapterInfo c;
            c.startUs = starts[i];
            chapters.push_back(c);
            endMarks.push_back(ends[i]);
        }
        brisca::MediaInfo::settleChapterDurations(&chapters, endMarks, fileUs);
        for (int i = 0; i < durations.size(); ++i)
            QCOMPARE(qint64(chapters[size_t(i)].durationUs), durations[i]);
    }

    void pictureGrab()
    {
        const QString video = file(QStringLiteral("video.mp4"));
        QVERIFY(mediatest::make(
            video, QStringLiteral("testsrc=s=96x64:d=2"),
            {"-map", "0:v", "-map", "1:a", "-c:v", "mpeg4", "-c:a", "aac", "-shortest"},
            {"-f", "lavfi", "-i", mediatest::chirp(2)}));
        const int32_t info = openInfo(video);
        QVERIFY2(info, BriscaLastError());
        QCOMPARE(HasVideoStream(info), 1);
        int32_t w = 0, h = 0, size = 0;
        const uint8_t* bmp = ExtractVideoFrame(info, 1000000, 0, 0, &w, &h, &size);
        QVERIFY2(bmp, BriscaLastError());
        QCOMPARE(w, 96);
        QCOMPARE(h, 64);
        QCOMPARE(bmp[0], uint8_t('B'));
        QCOMPARE(bmp[1], uint8_t('M'));
        QCOMPARE(int32_t(qFromLittleEndian<quint32>(bmp + 2)), size);
        QVERIFY(size >= 96 * 64 * 3);
        ReleaseVideoFrame(info, bmp);
        // Scaled on request.
        bmp = ExtractVideoFrame(info, 0, 48, 32, &w, &h, nullptr);
        QVERIFY(bmp);
        QCOMPARE(w, 48);
        ReleaseVideoFrame(info, bmp);
        DestroyMediaInfo(info);

        // A sound file has no picture to grab: null with a reason.
        const QString sound = file(QStringLiteral("sound.wav"));
        QVERIFY(mediatest::make(sound, mediatest::chirp(1), {}));
        const int32_t plain = openInfo(sound);
        QVERIFY(ExtractVideoFrame(plain, 0, 0, 0, nullptr, nullptr, nullptr) == nullptr);
        QVERIFY(QByteArray(BriscaLastError()).contains("no picture"));
        DestroyMediaInfo(plain);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QByteArray() << "empty.mp3";
        addRow("text", QByteArray("just some words, not sound\n").repeated(40), "notes.m4a");
        QByteArray noise(20000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("noise") << noise << "noise.wav";
        QTest::newRow("missing") << QByteArray("<missing>") << "missing.flac";
        // 100 bytes whose INFO list swallows the data chunk, which then claims 2 GB: read as it
        // stands, the WAV reader allocates and clears those 2 GB.
        addRow("INFO entry claiming 2 GB",
               QByteArray::fromBase64(
                   "UklGRvYEAABXQVZFZm10IBAAAAABAAEAQB8AAEAfAAABAAgATElTVBoAAPRJTkZP"
                   "SVNGVA4AAABMYXZmMTIuMjcuMTAwAGRhdGGwdXl+hI6Lhnp1cXBwcnV6"),
               "damaged.wav");
        // MP4 keeps its index at the end: cut off, nothing can be read.
        QTest::newRow("truncated m4a") << QByteArray("<truncated>") << "truncated.m4a";
    }

    void badInput()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        const QString path = file(name);
        if (content == "<truncated>") {
            QVERIFY(mediatest::make(path, mediatest::chirp(3), {"-c:a", "aac"}));
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2));
        } else if (content != "<missing>") {
            QVERIFY(testfiles::writeFile(path, content));
        }
        const int32_t info = CreateMediaInfo(-1);
        QCOMPARE(OpenMediaInfo(info, path.toUtf8().constData()), 0);
        const QByteArray reason = BriscaLastError();
        QVERIFY2(reason.contains(name.toUtf8()), reason.constData());
        // Refusing a small file never costs more than a little memory.
        QVERIFY2(peakResidentMb() < 512, qPrintable(QString::number(peakResidentMb())));
        // A failed open leaves nothing half-open.
        QCOMPARE(GetMediaDuration(info), int64_t(0));
        QCOMPARE(SelectDiscTitle(info, 0), 0);
        QVERIFY(GetMetadataEntry(info, "title") == nullptr);
        DestroyMediaInfo(info);
    }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    int32_t openInfo(const QString& path);
    QTemporaryDir m_dir;
    QString m_cover;  // a small PNG
};

int32_t TestMediaInfo::openInfo(const QString& path)
{
    const int32_t info = CreateMediaInfo(-1);
    if (!OpenMediaInfo(info, path.toUtf8().constData())) {
        DestroyMediaInfo(info);
        return 0;
    }
    return info;
}

QTEST_GUILESS_MAIN(TestMediaInfo)
#include "test_media_info.moc"
