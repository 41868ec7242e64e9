#include "commandregistry.h"

#include <cstdio>

namespace cli {

static std::vector<Command>& registry()
{
    static std::vector<Command> all;
    return all;
}

const std::vector<Command>& commands() { return registry(); }

CommandRegistration::CommandRegistration(Command command)
{
    registry().push_back(std::move(command));
}

int fail(const QString& message)
{
    std::fprintf(stderr, "quillon: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace cli
