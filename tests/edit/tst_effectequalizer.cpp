// The equalizer chosen in the Effect tab is heard: the bands the form writes into the edit
// settings, handed to the media engine's converter, change the spectrum of a cut as chosen.
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cmath>

#include "cavconverter.h"
#include "nxskin.h"
#include "qaudioeffectmanager.h"
#include "qeffectform.h"
#include "qeffectmodel.h"
#include "qnxbaseslider.h"
#include "qnxlistview.h"
#include "qvideoeditingsettings.h"
#include "testmedia.h"

namespace {

constexpr int kRate = 44100;

double db(double ratio)
{
    return 20.0 * std::log10(ratio);
}

std::atomic<int32_t> g_state{0};

void recordState(uint32_t, void*, int32_t state)
{
    g_state = state;
}

// Converts source into a WAV file with the effects of config; returns the error, if any.
QString convertWithEffects(const QString& source, const QString& target, const VEEditConfig& config)
{
    OutputSettings s;
    s.formatKey = "WAV";
    s.audioCodec = 0x10000;  // PCM, so that only the equalizer changes the levels
    s.editConfig = config;
    s.levelA = config.levelA;
    s.levelB = config.levelB;
    s.levelC = config.levelC;
    s.eqFrequencies = config.eqFrequencies;
    s.eqGains = config.eqGains;
    g_state = 0;
    CAVConverter converter;
    if (!converter.StartConvert(source.toUtf8().constData(), target.toUtf8().constData(), s,
                                nullptr, &recordState, false))
        return converter.lastError();
    const bool ended = testmedia::waitUntil([] {
        const int32_t state = g_state;
        return state == ConvertFinished || state == ConvertFailed || state == ConvertStopped;
    });
    if (!ended || g_state != ConvertFinished)
        return converter.lastError().isEmpty() ? QStringLiteral("no end") : converter.lastError();
    return {};
}

}  // namespace

class TestEffectEqualizer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        m_manager.load(NxSkin::resourceDir() + QStringLiteral("/AudioEffects"));
        QVERIFY(m_dir.isValid());
        m_tones = m_dir.filePath(QStringLiteral("tones.wav"));
        QVERIFY(testmedia::ffmpeg(
            {"-f", "lavfi", "-i",
             "aevalsrc=0.2*sin(2*PI*100*t)+0.2*sin(2*PI*1000*t)+0.2*sin(2*PI*8000*t):s=44100:d=2",
             "-ac", "2", "-c:a", "pcm_s16le", m_tones}));
    }

    void chosenBandChangesTheSpectrum_data()
    {
        QTest::addColumn<QString>("choice");  // a preset name, or "slider:<band>" moved to the top
        QTest::addColumn<double>("boostedHz");
        QTest::addColumn<double>("referenceHz");
        QTest::addColumn<double>("minimumDb");
        QTest::addColumn<double>("maximumDb");
        QTest::newRow("1k slider at +10 dB") << "slider:4" << 1000.0 << 100.0 << 8.5 << 11.5;
        QTest::newRow("Bass Boost") << "Bass Boost" << 100.0 << 8000.0 << 5.0 << 11.0;
        QTest::newRow("Flat") << "Flat" << 1000.0 << 100.0 << -0.5 << 0.5;
    }

    void chosenBandChangesTheSpectrum()
    {
        QFETCH(QString, choice);
        QFETCH(double, boostedHz);
        QFETCH(double, referenceHz);
        QFETCH(double, minimumDb);
        QFETCH(double, maximumDb);
        QVideoEditingSettings settings;
        QEffectForm form(&m_manager, nullptr);
        form.setSettings(&settings);
        form.refresh();
        if (choice.startsWith(QLatin1String("slider:"))) {
            QTest::keyClick(form.equalizerSlider(choice.mid(7).toInt()), Qt::Key_End);
        } else {
            const QModelIndexList found = form.model()->match(
                form.model()->index(0, 0), Qt::DisplayRole, choice, 1, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            form.listView()->setCurrentIndex(found.first());
        }
        const QString target =
            m_dir.filePath(QStringLiteral("%1.wav").arg(QTest::currentDataTag()));
        const QString error = convertWithEffects(m_tones, target, settings.config());
        QVERIFY2(error.isEmpty(), qPrintable(error));

        const QByteArray in = testmedia::decodeS16(m_tones, kRate, 2);
        const QByteArray out = testmedia::decodeS16(target, kRate, 2);
        auto change = [&](double hz) {
            return db(testmedia::toneLevel(out, 2, 0, kRate, hz) /
                      testmedia::toneLevel(in, 2, 0, kRate, hz));
        };
        // Relative to a band left alone, since the engine may lower everything against clipping.
        const double relative = change(boostedHz) - change(referenceHz);
        QVERIFY2(relative >= minimumDb && relative <= maximumDb,
                 qPrintable(QStringLiteral("%1 Hz against %2 Hz: %3 dB")
                                .arg(boostedHz)
                                .arg(referenceHz)
                                .arg(relative)));
    }

private:
    QAudioEffectManager m_manager;
    QTemporaryDir m_dir;
    QString m_tones;
};

QTEST_MAIN(TestEffectEqualizer)
#include "tst_effectequalizer.moc"
