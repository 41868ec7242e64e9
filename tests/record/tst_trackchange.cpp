// Which identified tracks split a running recording: the first names the file, the file's own
// track again is ignored (also when a split carried it into the new file), a different track
// splits, and the same track begun again splits only with "when a new track begins or replays".

#include <QtTest>

#include "testsettings.h"
#include "trackchange.h"

namespace {

NxRecognizerAudioTagInfo track(const char* title, const char* album = "Album")
{
    NxRecognizerAudioTagInfo info;
    info.title = title;
    info.artist = "Artist";
    info.album = album;
    return info;
}

}  // namespace

Q_DECLARE_METATYPE(TrackChange::Verdict)
Q_DECLARE_METATYPE(TrackChange::Mode)

class TestTrackChange : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        using V = TrackChange::Verdict;
        using M = TrackChange::Mode;
        QTest::addColumn<TrackChange::Mode>("mode");
        QTest::addColumn<bool>("carried");       // the file begins inside track "A" (from -7 s)
        QTest::addColumn<QStringList>("found");  // title@start seconds
        QTest::addColumn<QList<TrackChange::Verdict>>("verdicts");
        QTest::newRow("first names the file")
            << M::NewTrack << false << QStringList{"A@-3", "A@-3.1", "B@20"}
            << QList<V>{V::NameFile, V::Ignore, V::Split};
        QTest::newRow("carried track again")
            << M::NewTrack << true << QStringList{"A@-6.9", "B@9"} << QList<V>{V::Ignore, V::Split};
        QTest::newRow("replay ignored")
            << M::NewTrack << true << QStringList{"A@30"} << QList<V>{V::Ignore};
        QTest::newRow("replay splits")
            << M::NewTrackOrReplay << true << QStringList{"A@-7.2", "A@30"}
            << QList<V>{V::Ignore, V::Split};
        QTest::newRow("same title, other album")
            << M::NewTrack << true << QStringList{"A/X@10"} << QList<V>{V::Split};
    }
    void verdicts()
    {
        QFETCH(TrackChange::Mode, mode);
        QFETCH(bool, carried);
        QFETCH(QStringList, found);
        QFETCH(QList<TrackChange::Verdict>, verdicts);
        TrackChange change(mode);
        change.beginFile();
        if (carried)
            change.beginFileWith(track("A"), -7000000);
        for (int i = 0; i < found.size(); ++i) {
            const QStringList parts = found[i].split(QLatin1Char('@'));
            const QStringList names = parts[0].split(QLatin1Char('/'));
            const QByteArray title = names[0].toUtf8();
            const QByteArray album = names.value(1, QStringLiteral("Album")).toUtf8();
            const auto startUs = int64_t(parts[1].toDouble() * 1e6);
            QCOMPARE(change.take(track(title.constData(), album.constData()), startUs),
                     verdicts[i]);
        }
    }

    void modeFromThePreference_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<TrackChange::Mode>("mode");
        QTest::newRow("unset") << QString() << TrackChange::Mode::NewTrack;
        QTest::newRow("0") << "0" << TrackChange::Mode::NewTrack;
        QTest::newRow("1") << "1" << TrackChange::Mode::NewTrackOrReplay;
        QTest::newRow("garbage") << "x" << TrackChange::Mode::NewTrack;
    }
    void modeFromThePreference()
    {
        QFETCH(QString, stored);
        QFETCH(TrackChange::Mode, mode);
        QVERIFY(testsettings::store(QStringLiteral("Split_Recording"),
                                    QStringLiteral("Split_According_To_Track"), stored));
        QCOMPARE(TrackChange::readMode(), mode);
    }
};

QTEST_GUILESS_MAIN(TestTrackChange)
#include "tst_trackchange.moc"
