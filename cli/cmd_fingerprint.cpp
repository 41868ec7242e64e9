// quillon fingerprint FILE [--length SECONDS] [--raw]: the file's fingerprint as fpcalc prints
// it (DURATION and FINGERPRINT lines), of its first SECONDS (default: all of it); --raw prints
// the items as numbers.

#include "commandregistry.h"

#include <brisca/brisca.h>

#include <cstdio>

namespace {

int run(const QStringList& args)
{
    QString path;
    double seconds = 0;
    bool raw = false;
    for (int i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--raw"))
            raw = true;
        else if (args[i] == QLatin1String("--length") && i + 1 < args.size())
            seconds = args[++i].toDouble(&ok);
        else if (args[i].startsWith(QLatin1String("--")) || !path.isEmpty())
            ok = false;
        else
            path = args[i];
        if (!ok || seconds < 0)
            return cli::fail(QStringLiteral("fingerprint: unexpected argument '%1'").arg(args[i]));
    }
    if (path.isEmpty())
        return cli::fail(QStringLiteral("fingerprint: missing FILE"));
    int64_t durationUs = 0;
    char* fingerprint =
        FingerprintFile(path.toUtf8().constData(), int64_t(seconds * 1e6), raw, &durationUs);
    if (!fingerprint)
        return cli::fail(
            QStringLiteral("fingerprint: %1").arg(QString::fromUtf8(BriscaLastError())));
    std::printf("DURATION=%lld\nFINGERPRINT=%s\n", static_cast<long long>(durationUs / 1000000),
                fingerprint);
    ReleaseFingerprint(fingerprint);
    return 0;
}

cli::CommandRegistration reg{{"fingerprint", "FILE [--length SECONDS] [--raw]", &run}};

}  // namespace
