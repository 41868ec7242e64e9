// quillon fingerprint: registered here for the help and for the command lines the launcher
// does not run by itself; the command is fingerprintcommand.cpp's.

#include "commandregistry.h"
#include "fingerprintcommand.h"

namespace {

int run(const QStringList& args)
{
    std::vector<std::string> utf8;
    for (const QString& arg : args)
        utf8.push_back(arg.toStdString());
    return cli::runFingerprint(utf8);
}

cli::CommandRegistration reg{{cli::kFingerprintCommand, cli::kFingerprintUsage, &run}};

}  // namespace
