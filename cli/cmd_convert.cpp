// quillon convert: converts or cuts a file with the converter the recordings list uses:
// format from a catalogue profile or from OUT's extension, a range, the effects, a lossless
// copy, tags, and loudness normalisation. Progress goes to standard error when it is a
// terminal. SIGINT cancels and leaves no OUT behind.

#include "commandregistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <brisca/brisca.h>

#include <unistd.h>
#include <cstdio>

#include "cavconverter.h"
#include "encodesettings.h"
#include "extensionformat.h"
#include "formatselection.h"
#include "mediaoptions.h"
#include "nxinfoclass.h"
#include "nxinfomanager.h"
#include "qualitypreset.h"
#include "timetext.h"

namespace {

struct Options {
    QString input, output, profileId;
    int quality = QualityPreset::kHighQuality;
    int64_t startUs = 0, lengthUs = 0;
    int volume = 100;
    QVector<double> gains;
    bool lossless = false;
    double loudness = 0;
    QStringList tags;  // key=value
};

const struct {
    const char* name;
    std::string VEAudioTagInfo::*field;
} kTagKeys[] = {
    {"title", &VEAudioTagInfo::title},
    {"artist", &VEAudioTagInfo::artist},
    {"albumartist", &VEAudioTagInfo::albumArtist},
    {"album_artist", &VEAudioTagInfo::albumArtist},
    {"composer", &VEAudioTagInfo::composer},
    {"album", &VEAudioTagInfo::album},
    {"genre", &VEAudioTagInfo::genre},
    {"track", &VEAudioTagInfo::track},
    {"year", &VEAudioTagInfo::year},
    {"date", &VEAudioTagInfo::date},
    {"grouping", &VEAudioTagInfo::grouping},
    {"comment", &VEAudioTagInfo::comment},
    {"disc", &VEAudioTagInfo::disc},
    {"copyright", &VEAudioTagInfo::copyright},
};

QString parseValue(const QString& option, const QString& v, Options* o)
{
    bool ok = true;
    if (option == QLatin1String("--profile"))
        o->profileId = v;
    else if (option == QLatin1String("--quality"))
        ok = (v == QLatin1String("high") || v == QLatin1String("small")) &&
             ((o->quality = v == QLatin1String("high") ? QualityPreset::kHighQuality
                                                       : QualityPreset::kSmallSize),
              true);
    else if (option == QLatin1String("--start"))
        ok = cli::parseTime(v, &o->startUs);
    else if (option == QLatin1String("--length"))
        ok = cli::parseTime(v, &o->lengthUs) && o->lengthUs > 0;
    else if (option == QLatin1String("--volume"))
        ok = cli::parsePercent(v, 400, &o->volume);
    else if (option == QLatin1String("--eq"))
        ok = cli::parseEqualizer(v, &o->gains);
    else if (option == QLatin1String("--tag"))
        ok = v.indexOf(QLatin1Char('=')) > 0 && (o->tags << v, true);
    else if (option == QLatin1String("--loudness"))
        o->loudness = v.toDouble(&ok), ok = ok && o->loudness < 0 && o->loudness >= -70;
    else
        return QStringLiteral("unknown option %1").arg(option);
    return ok ? QString() : QStringLiteral("%1: invalid value '%2'").arg(option, v);
}

QString parse(const QStringList& args, Options* o)
{
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--lossless")) {
            o->lossless = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(a);
            const QString problem = parseValue(a, args.at(++i), o);
            if (!problem.isEmpty())
                return problem;
        } else {
            files << a;
        }
    }
    if (files.size() != 2)
        return QStringLiteral("give IN and OUT");
    o->input = files.at(0);
    o->output = files.at(1);
    if (!QFileInfo(o->input).isFile())
        return QStringLiteral("%1: no such file").arg(o->input);
    if (QFileInfo(o->input).canonicalFilePath() == QFileInfo(o->output).canonicalFilePath())
        return QStringLiteral("OUT must not be IN");
    if (o->lossless && (o->volume != 100 || !o->gains.isEmpty() || o->loudness != 0))
        return QStringLiteral(
            "--lossless copies frames: it cannot apply --volume, --eq or "
            "--loudness");
    return {};
}

// Container and codec from the profile or OUT's extension; rate and channels default to the
// source's.
QString formatFor(const Options& o, NxInfoClass& source, OutputSettings* settings)
{
    EncodeSettings e;
    QString error;
    if (!o.profileId.isEmpty()) {
        if (!FormatSelection::encodeSettingsForProfile(o.profileId, o.quality, &e, &error))
            return error;
    } else if (!encodeSettingsForExtension(QFileInfo(o.output).suffix(), &e)) {
        return QStringLiteral("unknown extension of %1 (use %2, or --profile)")
            .arg(o.output, knownExtensions());
    }
    BriscaStreamInfo audio{};
    for (int32_t i = 0; i < GetMediaStreamCount(source.handle()); ++i) {
        if (GetMediaStreamInfo(source.handle(), i, &audio) && audio.kind == 1)
            break;
    }
    if (e.sampleRateHz == 0)
        e.sampleRateHz = audio.rateHz;
    if (e.channels == 0)
        e.channels = std::min(audio.channels, 2);
    settings->setEncodeSettings(e);
    return {};
}

QString settingsFor(const Options& o, NxInfoManager& info, OutputSettings* s)
{
    const QString problem = formatFor(o, *info.info(), s);
    if (!problem.isEmpty())
        return problem;
    s->cutStartUs = o.startUs;
    s->cutLengthUs = o.lengthUs;
    s->levelA = o.volume;
    if (!o.gains.isEmpty()) {
        s->eqFrequencies =
            QVector<double>(std::begin(cli::kEqualizerBandsHz), std::end(cli::kEqualizerBandsHz));
        s->eqGains = o.gains;
    }
    s->streamCopy = o.lossless ? BRISCA_COPY_REQUIRED : BRISCA_COPY_NEVER;
    s->loudnessLufs = o.loudness;
    VEAudioTagInfo tags = info.readTags();  // the source's tags and cover go along
    for (const QString& kv : o.tags) {
        const int eq = kv.indexOf(QLatin1Char('='));
        const QString key = kv.left(eq);
        bool known = false;
        for (const auto& k : kTagKeys) {
            if (key == QLatin1String(k.name)) {
                tags.*(k.field) = kv.mid(eq + 1).toStdString();
                known = true;
            }
        }
        if (!known)
            return QStringLiteral("--tag: unknown key '%1'").arg(key);
    }
    s->setTags(tags);
    return {};
}

// "[#########-----------]  45%  ETA 00:00:12" on one terminal line.
void showProgress(uint32_t percent, qint64 elapsedMs)
{
    const int width = 30, filled = int(percent) * width / 100;
    QString eta = QStringLiteral("--:--:--");
    if (percent > 0 && percent < 100)
        eta = clockText(uint64_t(elapsedMs * (100 - percent) / percent) * 1000);
    else if (percent >= 100)
        eta = clockText(0);
    std::fprintf(stderr, "\r[%s%s] %3u%%  ETA %s", QByteArray(filled, '#').constData(),
                 QByteArray(width - filled, '-').constData(), percent, eta.toUtf8().constData());
}

struct Job {
    uint32_t progress = 0;
    int32_t state = 0;
    QElapsedTimer clock;
};

void onConvert(uint32_t progress, void* user, int32_t state)
{
    // The worker thread: hand the values to the event loop.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [job = static_cast<Job*>(user), progress, state] {
            job->progress = progress;
            job->state = state;
            if (state != ConvertProgress && state != ConvertPreparing)
                QCoreApplication::exit(0);
            else if (::isatty(STDERR_FILENO))
                showProgress(progress, job->clock.elapsed());
        },
        Qt::QueuedConnection);
}

int run(const QStringList& args)
{
    Options o;
    QString problem = parse(args, &o);
    NxInfoManager info;
    info.ensureInfoObject();
    if (problem.isEmpty() && !info.open(o.input))
        problem = info.lastError();
    OutputSettings settings;
    if (problem.isEmpty())
        problem = settingsFor(o, info, &settings);
    if (!problem.isEmpty())
        return cli::fail(QStringLiteral("convert: %1").arg(problem));

    Job job;
    CAVConverter converter;
    bool cancelled = false;
    cli::watchInterrupts([&] {
        cancelled = true;
        converter.StopConvert();
        QCoreApplication::exit(0);
    });
    const bool tty = ::isatty(STDERR_FILENO);
    job.clock.start();
    if (!converter.StartConvert(o.input.toUtf8().constData(), o.output.toUtf8().constData(),
                                settings, &job, &onConvert, false)) {
        cli::stopWatchingInterrupts();
        return cli::fail(QStringLiteral("convert: %1").arg(converter.lastError()));
    }
    if (tty)
        showProgress(0, 0);
    QCoreApplication::exec();
    cli::stopWatchingInterrupts();
    if (tty) {
        showProgress(job.state == ConvertFinished ? 100 : job.progress, job.clock.elapsed());
        std::fputc('\n', stderr);
    }
    if (cancelled)
        return cli::fail(QStringLiteral("convert: cancelled; %1 was not written").arg(o.output));
    if (job.state != ConvertFinished)
        return cli::fail(QStringLiteral("convert: %1").arg(converter.lastError()));
    double measured = 0, final = 0;
    if (converter.loudness(&measured, &final))
        std::printf("loudness: measured %.1f LUFS, result %.1f LUFS\n", measured, final);
    return 0;
}

cli::CommandRegistration reg{
    {"convert",
     "IN OUT [--profile ID] [--quality high|small] [--start S] [--length L] [--volume P] "
     "[--eq g1,...,g10] [--lossless] [--tag key=value ...] [--loudness LUFS]",
     &run}};

}  // namespace
