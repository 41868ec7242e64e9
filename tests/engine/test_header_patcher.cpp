// WAV and AIFF headers follow the data while recording, and a WAV past 4 GiB turns into RF64.
// Large files are made sparse with truncate(), so nothing big is written.

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

#include "enginetestutil.h"
#include "headerpatcher.h"
#include "testmedia.h"

using namespace enginetest;

class TestHeaderPatcher : public QObject {
    Q_OBJECT
private slots:
    void wavFollowsData();
    void wavBecomesRf64PastFourGiB();
    void aiffFollowsData();

private:
    // A short file written by the real muxer; the tests then resize its data and patch.
    QString headerOnly(const char* name, const char* key, int codec);
    QTemporaryDir m_dir;
};

QString TestHeaderPatcher::headerOnly(const char* name, const char* key, int codec)
{
    const QString path = m_dir.filePath(QString::fromLatin1(name));
    Params p;
    p.key = key;
    p.codec = codec;
    const int32_t rec = openRecorder(path, p);
    if (!rec)
        return {};
    DestroyRecorder(rec);
    return path;
}

static QByteArray head(const QString& path, int bytes = 128)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.read(bytes);
}

static qsizetype chunk(const QByteArray& h, const char* id) { return h.indexOf(id); }

void TestHeaderPatcher::wavFollowsData()
{
    const QString path = headerOnly("a.wav", "WAV", 0x10000);
    QVERIFY(!path.isEmpty());
    auto patcher = brisca::HeaderPatcher::create(path.toStdString(), "wav", 4);
    QVERIFY(patcher);
    const qsizetype dataStart = chunk(head(path), "data") + 8;
    // 1 s of audio plus a torn half frame, as a full disk may leave it.
    QVERIFY(::truncate(path.toLocal8Bit().constData(), dataStart + 176400 + 2) == 0);
    patcher->patch();
    const QByteArray h = head(path);
    QCOMPARE(qFromLittleEndian<quint32>(h.constData() + chunk(h, "data") + 4), 176400u);
    QCOMPARE(qFromLittleEndian<quint32>(h.constData() + 4), quint32(dataStart + 176400 - 8));
    QVERIFY(qAbs(testmedia::durationSeconds(path) - 1.0) < 0.001);
}

void TestHeaderPatcher::wavBecomesRf64PastFourGiB()
{
    const QString path = headerOnly("big.wav", "WAV", 0x10000);
    auto patcher = brisca::HeaderPatcher::create(path.toStdString(), "wav", 4);
    QVERIFY(patcher);
    const qsizetype dataStart = chunk(head(path), "data") + 8;
    const quint64 data = 5000000000ull / 4 * 4;
    QVERIFY(::truncate(path.toLocal8Bit().constData(), off_t(dataStart + data)) == 0);
    patcher->patch();
    const QByteArray h = head(path);
    QVERIFY(h.startsWith("RF64"));
    const qsizetype ds64 = chunk(h, "ds64");
    QVERIFY(ds64 > 0);
    QCOMPARE(qFromLittleEndian<quint64>(h.constData() + ds64 + 8), quint64(dataStart + data - 8));
    QCOMPARE(qFromLittleEndian<quint64>(h.constData() + ds64 + 16), data);
    QCOMPARE(qFromLittleEndian<quint64>(h.constData() + ds64 + 24), data / 4);
    QCOMPARE(qFromLittleEndian<quint32>(h.constData() + chunk(h, "data") + 4), 0xFFFFFFFFu);
    // An independent reader sees the 64-bit length: 5e9 bytes of 44.1 kHz stereo s16.
    QVERIFY(qAbs(testmedia::durationSeconds(path) - double(data) / 176400.0) < 1.0);
    QFile::remove(path);
}

void TestHeaderPatcher::aiffFollowsData()
{
    const QString path = headerOnly("a.aiff", "AIFF", 0x10001);
    auto patcher = brisca::HeaderPatcher::create(path.toStdString(), "aiff", 4);
    QVERIFY(patcher);
    const qsizetype dataStart = chunk(head(path), "SSND") + 16;
    QVERIFY(::truncate(path.toLocal8Bit().constData(), dataStart + 2 * 176400) == 0);
    patcher->patch();
    const QByteArray h = head(path);
    QCOMPARE(qFromBigEndian<quint32>(h.constData() + chunk(h, "COMM") + 10), 88200u);
    QCOMPARE(qFromBigEndian<quint32>(h.constData() + chunk(h, "SSND") + 4), 176400u * 2 + 8);
    QVERIFY(qAbs(testmedia::durationSeconds(path) - 2.0) < 0.001);
}

QTEST_GUILESS_MAIN(TestHeaderPatcher)
#include "test_header_patcher.moc"
