// A process killed with SIGKILL while it rewrites the history must leave a file that parses
// and holds exactly the state after one complete write: never a truncated or mixed file.

#include <QDomDocument>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

#include "historycrashshared.h"
#include "parserxml.h"
#include "storagetestenv.h"

using historycrash::kSlots;

class TestHistoryCrash : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWriterLeavesWholeFile();

private:
    // The generation of the last complete write the file shows (-1: no file yet); fails the
    // test when the file is anything else.
    qint64 checkedGeneration(const QString& path);

    QTemporaryDir m_root;
};

void TestHistoryCrash::initTestCase()
{
    QVERIFY(m_root.isValid());
    storagetest::redirectUserFolders(m_root.path());
}

qint64 TestHistoryCrash::checkedGeneration(const QString& path)
{
    if (!QFileInfo::exists(path))
        return -1;
    const QByteArray content = storagetest::readAll(path);
    QDomDocument doc;
    QString error;
    if (!doc.setContent(content, &error)) {
        QTest::qFail(qPrintable("history does not parse: " + error), __FILE__, __LINE__);
        return -2;
    }
    // The file parsed; now it must equal the state after write g for the g it shows.
    const QDomElement root = doc.documentElement();
    qint64 g = -1;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString title = e.firstChildElement().attribute("Title_");
        g = qMax(g, title.mid(4).toLongLong());
    }
    QString expected;
    const int items = static_cast<int>(qMin<qint64>(g + 1, kSlots));
    int slot = 0;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        // The last write to this slot at or before g.
        const qint64 last = g - ((g - slot) % kSlots + kSlots) % kSlots;
        const HistoryRecord want = historycrash::recordOfGeneration(last);
        const std::optional<HistoryRecord> got = [&]() -> std::optional<HistoryRecord> {
            if (e.attribute("Converted_path_") != want.filePath)
                return std::nullopt;
            HistoryRecord r;
            const QDomElement info = e.firstChildElement();
            r.filePath = e.attribute("Converted_path_");
            r.title = info.attribute("Title_");
            r.genre = info.attribute("Genre_");
            r.duration = info.attribute("Time_");
            r.isNew = info.attribute("New_file") == "Y";
            for (QDomElement l = info.nextSiblingElement(); !l.isNull(); l = l.nextSiblingElement())
                r.listNames << l.attribute("ListName");
            return r;
        }();
        if (!got || got->title != want.title || got->genre != want.genre ||
            got->duration != want.duration || got->isNew != want.isNew ||
            got->listNames != want.listNames) {
            QTest::qFail(
                qPrintable(QStringLiteral("slot %1 does not match write %2").arg(slot).arg(g)),
                __FILE__, __LINE__);
            return -2;
        }
        ++slot;
    }
    if (slot != items) {
        QTest::qFail(qPrintable(QStringLiteral("%1 items after write %2").arg(slot).arg(g)),
                     __FILE__, __LINE__);
        return -2;
    }
    return g;
}

void TestHistoryCrash::killedWriterLeavesWholeFile()
{
    const QString child = QCoreApplication::applicationDirPath() + "/historycrashchild";
    QVERIFY2(QFileInfo(child).isExecutable(), qPrintable(child));
    const QString history = ParserXML::historyFilePath();
    constexpr int kKills = 210;
    QRandomGenerator random(20261205);
    qint64 generation = -1;
    int killedLater = 0;

    for (int kill = 0; kill < kKills; ++kill) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(child, {QString::number(generation + 1)});
        QVERIFY(process.waitForStarted(10000));
        // The child says "ready" once its first write is complete; then it is killed at a
        // random moment of the following writes (one takes a few milliseconds).
        QVERIFY(process.waitForReadyRead(30000));
        QTest::qSleep(static_cast<int>(random.bounded(1, 30)));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);

        const qint64 now = checkedGeneration(history);
        if (QTest::currentTestFailed())
            return;
        // At least this child's first write, and the state after one whole write.
        QVERIFY2(now > generation,
                 qPrintable(QStringLiteral("%1 after %2").arg(now).arg(generation)));
        if (now > generation + 1)
            ++killedLater;
        generation = now;
    }
    // For the log only: how many kills came after more than the first write.
    qInfo("%d of %d kills came after further writes", killedLater, kKills);
    QVERIFY(!QFileInfo::exists(history + ".corrupt"));
    // The surviving file still reads through the normal path.
    QCOMPARE(ParserXML::loadAllHistory().size(), int(qMin<qint64>(generation + 1, kSlots)));
}

QTEST_GUILESS_MAIN(TestHistoryCrash)
#include "tst_historycrash.moc"
