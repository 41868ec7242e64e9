// The sound-effect presets: the set generated into the resource folder, and how the manager
// reads a folder of config.xml files, leaving damaged ones out.
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "equalizerbands.h"
#include "qaudioeffectmanager.h"
#include "tablerows.h"
#include "testfiles.h"
#include "testmedia.h"

namespace {

QString presetXml(const QString& name, const QString& points, const QString& rootExtra = {})
{
    return QStringLiteral(
               "<AudioEffect APPMinVersion=\"1\" Version=\"2\" Thumbnail=\"t.png\" "
               "Name=\"%1\" %3><EQ><Rate Value=\"7\"/>%2</EQ></AudioEffect>")
        .arg(name, points, rootExtra);
}

// Writes a file, making its folders first.
bool writePreset(const QString& path, const QByteArray& content)
{
    return QDir().mkpath(QFileInfo(path).path()) && testfiles::writeFile(path, content);
}

}  // namespace

using tablerows::addRow;

class TestAudioEffectManager : public QObject {
    Q_OBJECT
private slots:
    void generatedSet()
    {
        QAudioEffectManager manager(testmedia::binDir() +
                                    QStringLiteral("/audiorecorder_res/AudioEffects"));
        const QStringList expected = {
            "Customed",   "Flat",         "Pop",   "Rock",     "Jazz",       "Classical", "Dance",
            "Bass Boost", "Treble Boost", "Vocal", "Acoustic", "Electronic", "Hip Hop",   "Speech"};
        QStringList names;
        for (int i = 0; i < manager.count(); ++i)
            names.append(manager.preset(i)->name);
        QCOMPARE(names, expected);
        QCOMPARE(manager.customIndex(), 0);
        QVERIFY(manager.preset(manager.count()) == nullptr);
        QVERIFY(manager.preset(-1) == nullptr);
        for (int i = 0; i < manager.count(); ++i) {
            const AudioEffectPreset* p = manager.preset(i);
            QImageReader thumbnail(p->thumbnail);
            QVERIFY2(thumbnail.size() == QSize(96, 72), qPrintable(p->thumbnail));
            QCOMPARE(p->thumbnail, p->folder + QStringLiteral("/thumbnail.png"));
            QCOMPARE(p->rate, 100);
            // Full curves sit on the ten sliders' bands; no gain leaves the sliders' range.
            if (p->curve.isEmpty())
                continue;
            QCOMPARE(p->curve.size(), EqualizerBands::kCount);
            int band = 0;
            for (auto it = p->curve.cbegin(); it != p->curve.cend(); ++it, ++band) {
                QCOMPARE(it.key(), EqualizerBands::kFrequenciesHz[band]);
                QVERIFY2(qAbs(it.value()) <= 10, qPrintable(p->name));
            }
        }
        // "Customed" and "Flat" are flat, so a cut without an effect can copy the audio.
        QVERIFY(manager.preset(0)->curve.isEmpty());
        QVERIFY(manager.preset(1)->curve.isEmpty());
    }

    void readsEveryField()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/deep/er/Pick");
        QVERIFY(writePreset(
            folder + QStringLiteral("/config.xml"),
            QStringLiteral("<AudioEffect APPMinVersion=\"3\" Version=\"4\" Thumbnail=\"p.png\" "
                           "Name=\"Pick &amp; Mix\"><EQ><Rate Value=\" 12 \"/>"
                           "<Point hz=\"1000\" db=\"-2.5\"/><Point hz=\"60\" db=\"4\"/></EQ>"
                           "<FrameInfo Name=\"frames\"><Frame FileName=\"a.png\" Height=\"10\" "
                           "Width=\"20\" Type=\"1\"/></FrameInfo></AudioEffect>")
                .toUtf8()));
        QAudioEffectManager manager(dir.path());
        QCOMPARE(manager.count(), 1);
        const AudioEffectPreset* p = manager.preset(0);
        QCOMPARE(p->name, QStringLiteral("Pick & Mix"));
        QCOMPARE(p->appMinVersion, 3);
        QCOMPARE(p->version, 4);
        QCOMPARE(p->rate, 12);
        QCOMPARE(p->folder, folder);
        QCOMPARE(p->thumbnail, folder + QStringLiteral("/p.png"));
        QCOMPARE(p->curve.keys(), (QList<double>{60, 1000}));  // ascending, whatever the order
        QCOMPARE(p->curve.value(1000), -2.5);
        QCOMPARE(p->frames.size(), 1);
        QCOMPARE(p->frames[0].width, 20);
        QCOMPARE(manager.customIndex(), -1);
    }

    void damagedFilesAreLeftOut_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("complaint");
        addRow("truncated", presetXml("Cut", "").left(40).toUtf8(), "line 1");
        addRow("empty", QByteArray(), "line");
        addRow("gain not a number", presetXml("Loud", "<Point hz=\"60\" db=\"loud\"/>").toUtf8(),
               "db=\"loud\"");
        addRow("rate not a number", presetXml("Rate", "").replace("\"7\"", "\"seven\"").toUtf8(),
               "Value=\"seven\"");
        addRow("version not a number",
               presetXml("Version", "").replace("Version=\"2\"", "Version=\"x\"").toUtf8(),
               "Version=\"x\"");
        addRow("no name", presetXml("", "").toUtf8(), "no Name");
    }

    void damagedFilesAreLeftOut()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, complaint);
        QTemporaryDir dir;
        QVERIFY(writePreset(dir.path() + QStringLiteral("/01_Good/config.xml"),
                            presetXml("Good", "<Point hz=\"60\" db=\"3\"/>").toUtf8()));
        QVERIFY(writePreset(dir.path() + QStringLiteral("/02_Bad/config.xml"), content));
        QVERIFY(writePreset(dir.path() + QStringLiteral("/03_Also/config.xml"),
                            presetXml("Also", "").toUtf8()));
        // Other files, even with "config.xml" in their names, are not presets.
        QVERIFY(writePreset(dir.path() + QStringLiteral("/03_Also/config.xml.bak"),
                            QByteArray("junk")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("skipping .*02_Bad/config.xml.*") +
                                                QRegularExpression::escape(complaint)));
        QAudioEffectManager manager(dir.path());
        QCOMPARE(manager.count(), 2);
        QCOMPARE(manager.preset(0)->name, QStringLiteral("Good"));
        QCOMPARE(manager.preset(1)->name, QStringLiteral("Also"));
        QCOMPARE(manager.folders().size(), 2);
    }

    void missingFolderGivesNoPresets()
    {
        QAudioEffectManager manager(QStringLiteral("/nonexistent/AudioEffects"));
        QCOMPARE(manager.count(), 0);
        QCOMPARE(manager.customIndex(), -1);
    }
};

QTEST_GUILESS_MAIN(TestAudioEffectManager)
#include "tst_audioeffectmanager.moc"
