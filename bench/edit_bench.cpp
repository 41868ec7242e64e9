// Helper of bench/edit.sh (not shipped): one cut the way the recordings list makes it, through
// the conversion job with the edit dialog's settings, in the source's format.
//   edit_bench IN FOLDER START_S LENGTH_S [GAIN_AT_1KHZ_DB]
// Prints the produced path; exits 1 when the job fails.
#include <QCoreApplication>

#include <cstdio>

#include "cutsettings.h"
#include "nxconverterobject.h"
#include "outputsettings.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: edit_bench IN FOLDER START_S LENGTH_S [GAIN_AT_1KHZ_DB]\n");
        return 2;
    }
    const QString source = args.at(1);
    VEEditConfig config;
    config.trimStartUs = uint64_t(args.at(3).toDouble() * 1e6);
    config.trimEndUs = config.trimStartUs + uint64_t(args.at(4).toDouble() * 1e6);
    if (args.size() > 5) {
        config.eqFrequencies = {60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};
        config.eqGains = QVector<double>(10, 0.0);
        config.eqGains[4] = args.at(5).toDouble();
    }
    OutputSettings settings;
    QString error;
    if (!CutSettings::fill(source, config, false, &settings, &error)) {
        std::fprintf(stderr, "edit_bench: %s\n", qPrintable(error));
        return 1;
    }
    NxConverterObject job;
    bool ok = false;
    QObject::connect(&job, &NxConverterObject::emitConvertedFinish, &app, [&](bool done) {
        ok = done;
        app.quit();
    });
    job.setJob(settings, source, source.mid(source.lastIndexOf(QLatin1Char('/')) + 1), args.at(2));
    if (!job.start()) {
        std::fprintf(stderr, "edit_bench: %s\n", qPrintable(job.lastError()));
        return 1;
    }
    app.exec();
    if (!ok) {
        std::fprintf(stderr, "edit_bench: %s\n", qPrintable(job.lastError()));
        return 1;
    }
    std::printf("%s\n", qPrintable(job.producedPath()));
    return 0;
}
