// Cuts of a running recording against the private sound server: noise that plays across two cuts
// is in the three files joined end to end without a frame lost or repeated at either join, and
// the files together last as long as the recording; each file is finished once, in order. A cut
// whose next file cannot be opened ends the recording and keeps the file that was running.

#include "playedaudio.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "sessiontestutil.h"
#include "testmedia.h"

#include <brisca/brisca.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <atomic>

namespace {

using namespace sessiontest;
using namespace playedaudio;

// Whether a level block (GetRecorderLevelBlock's layout) holds a level above a quiet noise floor.
bool loudBlock(const unsigned char* block, int levels)
{
    for (int i = 0; i < levels; ++i) {
        if (qFromLittleEndian<quint16>(block + BRISCA_LEVEL_HEADER_BYTES + 2 * i) > 2000)
            return true;
    }
    return false;
}

}  // namespace

class TestRecordCut : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void joinsWithoutAGap_data();
    void joinsWithoutAGap();
    void nextFileCannotBeOpened();

private:
    QTemporaryDir m_dir;
    QString m_noise;
};

void TestRecordCut::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
    // Noise has one sharp alignment, and the null sinks pass s16 at 44100 Hz through unchanged:
    // every frame of it must come back exactly. It plays longer than any recording here lasts.
    m_noise = m_dir.filePath(QStringLiteral("noise.wav"));
    QVERIFY(makeNoise(m_noise, 12.0, 11));
}

void TestRecordCut::joinsWithoutAGap_data()
{
    QTest::addColumn<int>("sources");
    QTest::addColumn<QString>("sink");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("codec");
    QTest::addColumn<int>("apartMs");
    const int system = QRecordAreaInfo::SystemAudio;
    const int mic = QRecordAreaInfo::Microphone;
    const QString out = QStringLiteral("quillon_out");
    const QString micSink = QStringLiteral("quillon_mic");
    const QString wav = QStringLiteral("WAV");
    const QString flac = QStringLiteral("FLAC");
    QTest::newRow("system audio") << system << out << wav << 0x10000 << 300;
    QTest::newRow("microphone") << mic << micSink << flac << 0x1500C << 300;
    // The other source hears silence: the file must hold the played noise unchanged.
    QTest::newRow("mixed, sound from the system") << (system | mic) << out << wav << 0x10000 << 300;
    QTest::newRow("mixed, sound from the microphone")
        << (system | mic) << micSink << flac << 0x1500C << 300;
    // The second cut comes while the sources still send the sound before the first one.
    QTest::newRow("cuts 30 ms apart") << system << out << wav << 0x10000 << 30;
}

void TestRecordCut::joinsWithoutAGap()
{
    QFETCH(int, sources);
    QFETCH(QString, sink);
    QFETCH(QString, key);
    QFETCH(int, codec);
    QFETCH(int, apartMs);
    useSources(sources);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(key, codec));
    std::atomic<bool> loud{false};
    connect(&session, &QRecordObject::emitAudioData, this,
            [&loud](unsigned char* block, int levels) {
                if (loudBlock(block, levels))
                    loud = true;
            });
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString extension = QLatin1Char('.') + key.toLower();
    QStringList paths;
    for (int i = 0; i < 3; ++i)
        paths << m_dir.filePath(
            QStringLiteral("%1-%2%3").arg(QTest::currentDataTag()).arg(i).arg(extension));

    Span span;
    const int expectedSources =
        sources == QRecordAreaInfo::SystemAudio || sources == QRecordAreaInfo::Microphone ? 1 : 2;
    QVERIFY(startCapturing(session, paths[0], expectedSources, &span));
    auto player = testmedia::playInto(sink, m_noise);
    // Cut once the noise is in the file, however long that took: it plays on past the stop.
    QVERIFY(QTest::qWaitFor([&] { return loud.load(); }, 10000));
    QTest::qWait(200);
    QVERIFY2(session.cut(paths[1]), qPrintable(session.lastError()));
    QCOMPARE(session.outputPath(), paths[1]);
    QTest::qWait(apartMs);
    QVERIFY2(session.cut(paths[2]), qPrintable(session.lastError()));
    QTest::qWait(300);
    stopRecording(session, &span);
    QVERIFY2(player->state() == QProcess::Running, "the noise ended before the recording");
    player->kill();
    player->waitForFinished();

    QCOMPARE(finished.count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(finished.at(i).at(0).toString(), paths[i]);
    QByteArray joined;
    QVector<qsizetype> joins;
    for (const QString& path : qAsConst(paths)) {
        joined += testmedia::decodeS16(path);
        joins << joined.size() / 4;
    }
    joins.removeLast();
    const qsizetype frames = joined.size() / 4;
    QVERIFY2(frames >= span.minFrames(44100, 20000) && frames <= span.maxFrames(44100, 20000),
             qPrintable(QStringLiteral("%1 s in the files for %2 s recorded")
                            .arg(frames / 44100.0)
                            .arg((span.beforeStop - span.afterStart) / 1e6)));
    // The played noise, found where the second file begins, runs on unchanged from before the
    // first join to after the second.
    const QByteArray played = testmedia::decodeS16(m_noise);
    const qsizetype at = findFrames(joined, joins[0], played);
    QVERIFY2(at >= 0, "the noise is not in the second file");
    const auto unchanged = matchingSpan(joined, played, at - joins[0], joins[0]);
    QVERIFY2(unchanged.first < joins[0] && unchanged.second > joins[1],
             qPrintable(QStringLiteral("frames %1 to %2 hold the noise unchanged, the files join "
                                       "at %3 and %4")
                            .arg(unchanged.first)
                            .arg(unchanged.second)
                            .arg(joins[0])
                            .arg(joins[1])));
}

void TestRecordCut::nextFileCannotBeOpened()
{
    useSources(QRecordAreaInfo::SystemAudio);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString path = m_dir.filePath(QStringLiteral("kept.wav"));
    const QString next = m_dir.filePath(QStringLiteral("missing/next.wav"));
    Span span;
    QVERIFY(startCapturing(session, path, 1, &span));
    QTest::qWait(500);
    span.beforeStop = sessionClockUs();
    QVERIFY(!session.cut(next));
    span.afterStop = sessionClockUs();

    QVERIFY(!session.isRecording());
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY2(session.lastError().contains(next), qPrintable(session.lastError()));
    QVERIFY(!QFile::exists(next));
    // The running file is kept, finished once and lasts up to the failed cut.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), path);
    QCOMPARE(session.lastFinished().path, path);
    const qsizetype frames = testmedia::decodeS16(path).size() / 4;
    QVERIFY2(frames >= span.minFrames(44100, 20000) && frames <= span.maxFrames(44100, 20000),
             qPrintable(QStringLiteral("%1 s of file for %2 s")
                            .arg(frames / 44100.0)
                            .arg((span.beforeStop - span.afterStart) / 1e6)));
}

QTEST_GUILESS_MAIN(TestRecordCut)
#include "tst_recordcut.moc"
