#pragma once
// The command line of `quillon` before a command runs: the program's own options (--help,
// --version), the choice of the command, `quillon COMMAND --help`, and options that a command
// does not know. A command's options are the "--name" words of the usage line it registers, so
// a new command gets help and the unknown-option check without any change here.

#include <QStringList>

namespace cli {

// Runs the command line `args` (the arguments after the program name); returns the exit code:
// 0 for success and help, 2 for a command line that cannot be understood, otherwise what the
// command returns.
int dispatch(const QStringList& args);

// The options ("--name") that a usage line mentions, in order, without duplicates.
QStringList optionsOfUsage(const char* usage);

}  // namespace cli
