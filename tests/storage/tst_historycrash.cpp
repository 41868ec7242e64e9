// A process killed with SIGKILL while it rewrites the history must leave a file that parses
// and holds exactly the state after one complete write: never a truncated or mixed file.

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

#include "historycrashshared.h"
#include "parserxml.h"
#include "testfiles.h"

using historycrash::kSlots;

namespace {

// One history item as text: path, title, genre, duration, new mark and playlist names.
QString itemText(const QDomElement& item)
{
    const QDomElement info = item.firstChildElement();
    QStringList parts{item.attribute("Converted_path_"), info.attribute("Title_"),
                      info.attribute("Genre_"), info.attribute("Time_"),
                      info.attribute("New_file")};
    for (QDomElement l = info.nextSiblingElement(); !l.isNull(); l = l.nextSiblingElement())
        parts << l.attribute("ListName");
    return parts.join('|');
}

// The items of the file after write g: each slot holds its last write at or before g.
QStringList itemsAfter(qint64 g)
{
    QStringList items;
    for (int slot = 0; slot < qMin<qint64>(g + 1, kSlots); ++slot) {
        const HistoryRecord r =
            historycrash::recordOfGeneration(g - ((g - slot) % kSlots + kSlots) % kSlots);
        items << (QStringList{r.filePath, r.title, r.genre, r.duration, r.isNew ? "Y" : "N"} +
                  r.listNames)
                     .join('|');
    }
    return items;
}

}  // namespace

class TestHistoryCrash : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWriterLeavesWholeFile();

private:
    QTemporaryDir m_root;
};

void TestHistoryCrash::initTestCase()
{
    QVERIFY(m_root.isValid());
    testfiles::redirectUserFolders(m_root.path());
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

        // The file parses and equals the state after the newest write it shows.
        QDomDocument doc;
        QString error;
        QVERIFY2(doc.setContent(testfiles::readFile(history), &error), qPrintable(error));
        QStringList items;
        qint64 now = -1;
        for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
             e = e.nextSiblingElement()) {
            items << itemText(e);
            now = qMax(now, e.firstChildElement().attribute("Title_").mid(4).toLongLong());
        }
        QCOMPARE(items, itemsAfter(now));
        // At least this child's first write, and the state after one whole write.
        QVERIFY2(now > generation,
                 qPrintable(QStringLiteral("%1 after %2").arg(now).arg(generation)));
        if (now > generation + 1)
            ++killedLater;
        generation = now;
    }
    // For the log only: how many kills came after more than the first write.
    qInfo("%d of %d kills came after further writes", killedLater, kKills);
    // The surviving file still reads through the normal path. This process's first use of the
    // file also removes the temporary files of the children killed mid-write.
    QCOMPARE(ParserXML::loadAllHistory().size(), int(qMin<qint64>(generation + 1, kSlots)));
    const QDir folder = QFileInfo(history).dir();
    QCOMPARE(folder.entryList({"History.xml.corrupt-*"}, QDir::Files), QStringList());
    QCOMPARE(folder.entryList({"History.xml.saving-*"}, QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestHistoryCrash)
#include "tst_historycrash.moc"
