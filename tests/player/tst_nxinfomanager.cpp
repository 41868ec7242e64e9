// NxInfoManager and the cover picture: tags with the year/date stand-in, chapter rows and
// their labels, cover thumbnails, cover from a grabbed frame, tag writing; the time texts.

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "coverscale.h"
#include "nxcoverimage.h"
#include "nxinfomanager.h"
#include "tablerows.h"
#include "testfiles.h"
#include "testmedia.h"
#include "timetext.h"

namespace {

bool make(const QString& path, const QStringList& args)
{
    return testmedia::ffmpeg(args + QStringList{path});
}

const QStringList kSine{"-f", "lavfi", "-i", "sine=f=440:r=44100:d=12"};

}  // namespace

using tablerows::addRow;

class TestNxInfoManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void yearAndDate_data()
    {
        QTest::addColumn<QStringList>("metadata");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("date");
        addRow("date only", QStringList{"date=2007-05-01"}, QString("2007-05-01"),
               QString("2007-05-01"));
        addRow("year only", QStringList{"year=1984"}, QString("1984"), QString("1984"));
        addRow("both", QStringList{"year=1984", "date=1985"}, QString("1984"), QString("1985"));
        QTest::newRow("neither") << QStringList{"title=x"} << QString() << QString();
    }

    void yearAndDate()
    {
        QFETCH(QStringList, metadata);
        QFETCH(QString, year);
        QFETCH(QString, date);
        // Vorbis comments keep any key, so "year" and "date" can differ.
        QStringList args = kSine + QStringList{"-c:a", "libvorbis"};
        for (const QString& m : metadata)
            args << "-metadata" << m;
        const QString path = file(QStringLiteral("%1.ogg").arg(QTest::currentDataTag()));
        QVERIFY(make(path, args));
        NxInfoManager info;
        info.ensureInfoObject();
        QVERIFY(info.open(path));
        const VEAudioTagInfo tags = info.readTags();
        QCOMPARE(QString::fromStdString(tags.year), year);
        QCOMPARE(QString::fromStdString(tags.date), date);
    }

    void chapterRows()
    {
        // Eleven one-second chapters in a 12 s file: numbers 1-9 get two leading blanks.
        QByteArray meta = ";FFMETADATA1\n";
        for (int i = 0; i < 11; ++i)
            meta += QStringLiteral("[CHAPTER]\nTIMEBASE=1/1000\nSTART=%1\nEND=%2\ntitle=C%3\n")
                        .arg(i * 1000)
                        .arg(i * 1000 + 1000)
                        .arg(i + 1)
                        .toUtf8();
        QVERIFY(testfiles::writeFile(file("chapters.txt"), meta));
        const QString path = file("chapters.m4a");
        QVERIFY(make(path, kSine + QStringList{"-i", file("chapters.txt"), "-map_chapters", "1",
                                               "-c:a", "aac"}));
        NxInfoManager info;
        info.ensureInfoObject();
        QVERIFY(info.open(path));
        const QList<ChapterEntry> rows = info.chapters();
        QCOMPARE(rows.size(), 12);
        QCOMPARE(rows[0].index, 0);
        QCOMPARE(QString::fromStdString(rows[0].label),
                 QStringLiteral("Current, 00:00:00-00:00:12"));
        QCOMPARE(QString::fromStdString(rows[1].label),
                 QStringLiteral("  1, 00:00:00-00:00:01 (C1)"));
        QCOMPARE(QString::fromStdString(rows[10].label),
                 QStringLiteral("10, 00:00:09-00:00:10 (C10)"));
        QCOMPARE(rows[11].startUs, uint64_t(10000000));
        QCOMPARE(rows[11].endUs, rows[11].startUs + rows[11].durationUs);
        QCOMPARE(rows[11].durationUs, uint64_t(1000000));
    }

    void noChapters()
    {
        const QString path = file("plain.mp3");
        QVERIFY(make(path, kSine));
        NxInfoManager info;
        info.ensureInfoObject();
        QVERIFY(info.open(path));
        QVERIFY(info.chapters().isEmpty());  // not even the whole-file row
    }

    void coverSteps_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("intermediate");
        QTest::addColumn<QSize>("target");
        QTest::newRow("large landscape") << QSize(2000, 1000) << QSize(960, 480) << QSize(240, 120);
        QTest::newRow("small landscape") << QSize(300, 200) << QSize() << QSize(180, 120);
        QTest::newRow("portrait") << QSize(200, 300) << QSize() << QSize(120, 180);
        QTest::newRow("unchanged") << QSize(100, 80) << QSize() << QSize(100, 80);
    }

    void coverSteps()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, intermediate);
        QFETCH(QSize, target);
        const CoverScaleSteps steps = coverScaleSteps(source, 120);
        QCOMPARE(steps.intermediate, intermediate);
        QCOMPARE(steps.target, target);
        QCOMPARE(steps.unchanged, source == target);
        QImage image(source, QImage::Format_RGB32);
        image.fill(Qt::red);
        QCOMPARE(NxCoverImage::scaled(image, 120).size(), target);
    }

    void coverPictures()
    {
        const QString cover = file("cover.png");
        QVERIFY(make(cover, {"-f", "lavfi", "-i", "color=c=red:s=400x300:d=1", "-frames:v", "1"}));
        const QString covered = file("covered.mp3");
        QVERIFY(make(covered, kSine + QStringList{"-i", cover, "-map", "0:a", "-map", "1:v", "-c:v",
                                                  "copy", "-disposition:v", "attached_pic"}));
        const QString video = file("video.mp4");
        QVERIFY(make(video, {"-f", "lavfi", "-i", "testsrc=s=320x240:d=1", "-c:v", "mpeg4"}));
        const QString plain = file("plain.mp3");
        QVERIFY(make(plain, kSine));

        NxInfoManager info;
        info.ensureInfoObject();
        QVERIFY(info.open(covered));
        QCOMPARE(NxCoverImage::fromInfo(info, 120).size(), QSize(160, 120));
        QCOMPARE(info.readTags().coverSize, int32_t(QFileInfo(cover).size()));
        // No cover, but a picture stream: a grabbed frame.
        QVERIFY(info.open(video));
        QCOMPARE(NxCoverImage::fromInfo(info, 120).size(), QSize(160, 120));
        // Neither: a null image.
        QVERIFY(info.open(plain));
        QVERIFY(NxCoverImage::fromInfo(info, 120).isNull());
        QCOMPARE(NxCoverImage::ofFile(covered).size(), QSize(400, 300));
    }

    void writeTagsKeepsWhatIsEmpty()
    {
        const QString path = file("edit.mp3");
        QVERIFY(
            make(path, kSine + QStringList{"-metadata", "title=Old", "-metadata", "album=Keep"}));
        NxInfoManager info;
        info.ensureInfoObject();
        QVERIFY(info.open(path));
        VEAudioTagInfo tags = info.readTags();
        tags.title = "New";
        tags.album.clear();  // clearing in the editor does not remove it from the file
        QVERIFY(info.writeTags(tags));
        QVERIFY(info.open(path));
        const VEAudioTagInfo again = info.readTags();
        QCOMPARE(QString::fromStdString(again.title), QStringLiteral("New"));
        QCOMPARE(QString::fromStdString(again.album), QStringLiteral("Keep"));
    }

    void missingFile()
    {
        NxInfoManager info;
        QVERIFY(!info.open(file("nothing.mp3")));  // no info object yet
        info.ensureInfoObject();
        QVERIFY(!info.open(file("nothing.mp3")));
        QCOMPARE(info.path(), file("nothing.mp3"));
        QCOMPARE(info.readTags(), VEAudioTagInfo());
        QVERIFY(info.chapters().isEmpty());
        QVERIFY(!info.writeTags(VEAudioTagInfo()));
    }

    void timeTexts_data()
    {
        QTest::addColumn<qulonglong>("us");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("clockMs");
        const auto row = [](const char* name, qulonglong us, const char* clock,
                            const char* clockMs) {
            QTest::newRow(name) << us << QString(clock) << QString(clockMs);
        };
        row("zero", 0, "00:00:00", "00:00:00.000");
        row("under a millisecond", 999, "00:00:00", "00:00:00.000");
        row("truncated, not rounded", 59999999, "00:00:59", "00:00:59.999");
        row("hour", 3661001000, "01:01:01", "01:01:01.001");
        row("hours not wrapped", 360000000000, "100:00:00", "100:00:00.000");
    }

    void timeTexts()
    {
        QFETCH(qulonglong, us);
        QFETCH(QString, clock);
        QFETCH(QString, clockMs);
        QCOMPARE(clockText(us), clock);
        QCOMPARE(clockTextMs(us), clockMs);
        QCOMPARE(playTimeText(us, 60000000), clock + QStringLiteral(" / 00:01:00"));
    }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestNxInfoManager)
#include "tst_nxinfomanager.moc"
