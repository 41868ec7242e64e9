// CAVConverter: callback states and progress, tags in the finished file, stop, failures; the
// tag-writing rules shared with media information.

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <condition_variable>
#include <mutex>

#include "audiotagwriter.h"
#include "cavconverter.h"
#include "testfiles.h"
#include "testmedia.h"

namespace {

// Collects the callback's calls (worker thread) for the test thread.
struct Calls {
    std::mutex mutex;
    std::condition_variable changed;
    QVector<QPair<uint32_t, int32_t>> seen;

    static void record(uint32_t progress, void* user, int32_t state)
    {
        auto* calls = static_cast<Calls*>(user);
        {
            std::lock_guard<std::mutex> lock(calls->mutex);
            calls->seen.append({progress, state});
        }
        calls->changed.notify_all();
    }
    // Waits for an end state (1, 2 or 5) and returns all calls.
    QVector<QPair<uint32_t, int32_t>> untilEnd()
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_for(lock, std::chrono::minutes(2), [this] {
            return !seen.isEmpty() && seen.last().second != ConvertProgress &&
                   seen.last().second != ConvertPreparing;
        });
        return seen;
    }
};

bool makeSource(const QString& path, double seconds, const QStringList& extra = {})
{
    return testmedia::ffmpeg(QStringList{"-f", "lavfi", "-i",
                                         QStringLiteral("sine=f=440:r=44100:d=%1").arg(seconds),
                                         "-ac", "2"} +
                             extra + QStringList{path});
}

QJsonObject formatTags(const QString& path)
{
    return testmedia::probe(path).value("format").toObject().value("tags").toObject();
}

}  // namespace

class TestCAVConverter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(makeSource(file("source.mp3"), 6, {"-metadata", "album=Kept Album"}));
    }

    void progressPercent_data()
    {
        QTest::addColumn<qint64>("time");
        QTest::addColumn<qint64>("duration");
        QTest::addColumn<uint>("percent");
        QTest::newRow("start") << 0LL << 1000LL << 0u;
        QTest::newRow("truncated") << 999LL << 1000LL << 99u;
        QTest::newRow("over") << 1500LL << 1000LL << 100u;
        QTest::newRow("unknown length") << 500LL << 0LL << 0u;
    }

    void progressPercent()
    {
        QFETCH(qint64, time);
        QFETCH(qint64, duration);
        QFETCH(uint, percent);
        QCOMPARE(CAVConverter::progressPercent(time, duration), uint32_t(percent));
    }

    void convertsWithTags()
    {
        const QString cover = file("cover.png");
        QVERIFY(testmedia::ffmpeg(
            {"-f", "lavfi", "-i", "color=c=green:s=40x30:d=1", "-frames:v", "1", cover}));
        for (bool async : {false, true}) {
            OutputSettings s;
            s.formatKey = "M4A";
            s.audioCodec = 0x15002;
            s.cutStartUs = 1000000;
            s.cutLengthUs = 3000000;
            s.title = "Cut \xC3\xBC";  // UTF-8
            s.artist = "Quillon";
            s.coverPath = cover.toStdString();
            const QString target = file(QStringLiteral("tagged-%1.m4a").arg(async));
            Calls calls;
            CAVConverter converter;
            QVERIFY(converter.StartConvert(file("source.mp3").toUtf8().constData(),
                                           target.toUtf8().constData(), s, &calls, &Calls::record,
                                           async));
            const auto seen = calls.untilEnd();
            QVERIFY2(seen.last() == qMakePair(100u, int32_t(ConvertFinished)),
                     qPrintable(converter.lastError()));
            uint32_t last = 0;
            for (const auto& [progress, state] : seen.mid(0, seen.size() - 1)) {
                if (state == ConvertPreparing)
                    continue;
                QCOMPARE(state, int32_t(ConvertProgress));
                QVERIFY(progress > last && progress <= 100);
                last = progress;
            }
            // Only an asynchronous start prepares; whether any progress comes before the end
            // depends on how soon the worker first looks, so only the end is fixed.
            QCOMPARE(seen.first().second == ConvertPreparing, async);
            const QJsonObject tags = formatTags(target);
            QCOMPARE(tags.value("title").toString(), QStringLiteral("Cut ü"));
            QCOMPARE(tags.value("artist").toString(), QStringLiteral("Quillon"));
            QVERIFY(!tags.contains("album"));  // the settings' tags replace the source's
            QVERIFY(qAbs(testmedia::durationSeconds(target) - 3.0) < 0.05);
            QJsonObject pic;
            for (const QJsonValue& v : testmedia::probe(target).value("streams").toArray()) {
                if (v.toObject().value("codec_type").toString() == QLatin1String("video"))
                    pic = v.toObject();
            }
            QCOMPARE(pic.value("width").toInt(), 40);  // the cover went in
        }
    }

    void stopLeavesNoTarget()
    {
        const QString longSource = file("long.wav");
        QVERIFY(makeSource(longSource, 180));
        OutputSettings s;
        s.formatKey = "MP3";
        s.audioCodec = 0x15001;
        const QString target = file("stopped.mp3");
        Calls calls;
        CAVConverter converter;
        QVERIFY(converter.StartConvert(longSource.toUtf8().constData(), target.toUtf8().constData(),
                                       s, &calls, &Calls::record, false));
        converter.StopConvert();  // returns once the worker has let go
        const auto seen = calls.untilEnd();
        QCOMPARE(seen.last(), qMakePair(0u, int32_t(ConvertStopped)));
        QVERIFY(!QFile::exists(target));
        QVERIFY(QDir(m_dir.path()).entryList({".*part*"}, QDir::Hidden | QDir::Files).isEmpty());
        converter.StopConvert();  // nothing runs: nothing happens
    }

    void failures()
    {
        QVERIFY(
            testfiles::writeFile(file("words.mp3"), QByteArray("not sound at all\n").repeated(50)));
        OutputSettings s;
        s.formatKey = "MP3";
        s.audioCodec = 0x15001;
        const QByteArray source = file("words.mp3").toUtf8(), target = file("never.mp3").toUtf8();
        // Synchronous: refused at once, no callback.
        {
            Calls calls;
            CAVConverter converter;
            QVERIFY(!converter.StartConvert(source.constData(), target.constData(), s, &calls,
                                            &Calls::record, false));
            QVERIFY(converter.lastError().contains(QStringLiteral("words.mp3")));
            QVERIFY(calls.seen.isEmpty());
            QVERIFY(
                !converter.StartConvert("", target.constData(), s, &calls, &Calls::record, false));
        }
        // Asynchronous: preparing, then failed.
        {
            Calls calls;
            CAVConverter converter;
            QVERIFY(converter.StartConvert(source.constData(), target.constData(), s, &calls,
                                           &Calls::record, true));
            const auto seen = calls.untilEnd();
            QCOMPARE(seen.first(), qMakePair(1u, int32_t(ConvertPreparing)));
            QCOMPARE(seen.last(), qMakePair(0u, int32_t(ConvertFailed)));
            QVERIFY(converter.lastError().contains(QStringLiteral("words.mp3")));
        }
        QVERIFY(!QFile::exists(file("never.mp3")));
    }

    void tagSlots_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::newRow("mp3") << "mp3";
        QTest::newRow("m4a") << "m4a";
        QTest::newRow("flac") << "flac";
        QTest::newRow("ogg") << "ogg";
    }

    void tagSlots()
    {
        QFETCH(QString, ext);
        const QString path = file(QStringLiteral("slots.") + ext);
        QVERIFY(makeSource(path, 1, {"-metadata", "album=Kept Album", "-metadata", "title=Old"}));
        VEAudioTagInfo tags;
        tags.title = "New";
        tags.artist = "Art\xC3\xA9";
        tags.date = "1999";  // the date slot is never written
        tags.track = "3/9";
        // album left empty: an empty field is skipped, so the file keeps its album
        QString error;
        QVERIFY2(writeAudioTags(path, tags, &error), qPrintable(error));
        const QJsonObject probed = ext == QLatin1String("ogg")
                                       ? testmedia::audioStream(path).value("tags").toObject()
                                       : formatTags(path);
        auto tag = [&](const char* key) {
            for (auto it = probed.begin(); it != probed.end(); ++it) {
                if (it.key().compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                    return it.value().toString();
            }
            return QString();
        };
        QCOMPARE(tag("title"), QStringLiteral("New"));
        QCOMPARE(tag("artist"), QStringLiteral("Arté"));
        QCOMPARE(tag("album"), QStringLiteral("Kept Album"));
        QVERIFY(tag("track").startsWith(QLatin1Char('3')));
        QVERIFY2(tag("date").isEmpty() && tag("year").isEmpty(), qPrintable(tag("date")));
        QVERIFY(!writeAudioTags(file("absent.mp3"), tags, &error));
        QVERIFY(error.contains(QStringLiteral("absent.mp3")));
    }

    void utf8Check_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii") << QByteArray("Title 1") << true;
        QTest::newRow("two bytes") << QByteArray("\xC3\xA9t\xC3\xA9") << true;
        QTest::newRow("three bytes") << QByteArray("\xE6\x97\xA5") << true;
        QTest::newRow("four-byte lead") << QByteArray("\xF0\x9F\x8E\xB5") << false;
        QTest::newRow("latin-1") << QByteArray("caf\xE9") << false;
        QTest::newRow("cut off") << QByteArray("\xE6\x97") << false;
        QTest::newRow("stray continuation") << QByteArray("a\x80") << false;
    }

    void utf8Check()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QCOMPARE(isTagUtf8(text.toStdString()), valid);
    }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCAVConverter)
#include "tst_cavconverter.moc"
