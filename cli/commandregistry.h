#pragma once
// Sub-commands of the `quillon` tool. Each cmd_*.cpp registers itself with a static
// CommandRegistration, so adding a command touches no shared file.

#include <QStringList>

#include <functional>

namespace cli {

struct Command {
    const char* name;
    const char* usage;  // one line, without the program name
    std::function<int(const QStringList& args)> run;  // args after the command name
};

const std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Prints "quillon: <message>" on stderr and returns 1: the one-line failure of every command.
int fail(const QString& message);

}  // namespace cli
