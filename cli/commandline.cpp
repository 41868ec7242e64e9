#include "commandline.h"

#include "commandregistry.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace cli {
namespace {

constexpr int kUsageError = 2;

void print(FILE* out, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
}

QString commandUsage(const Command& command)
{
    QString line = QStringLiteral("quillon %1").arg(QLatin1String(command.name));
    if (command.usage && *command.usage)
        line += QLatin1Char(' ') + QString::fromUtf8(command.usage);
    return line;
}

QString programUsage()
{
    std::vector<Command> sorted = commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    QString text = QStringLiteral("usage:\n");
    for (const Command& c : sorted)
        text += QStringLiteral("  %1\n").arg(commandUsage(c));
    text += QStringLiteral("  quillon COMMAND --help\n  quillon --version\n");
    return text;
}

bool isHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// "-x" or "--name", but not "-" alone nor a negative number.
bool looksLikeOption(const QString& arg)
{
    return arg.size() > 1 && arg.at(0) == QLatin1Char('-') && !arg.at(1).isDigit();
}

// The first argument that looks like an option the command does not mention, or empty.
// "--name=value" counts as "--name". After "--" nothing is taken for an option.
QString unknownOption(const Command& command, const QStringList& args)
{
    const QStringList known = optionsOfUsage(command.usage);
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (!looksLikeOption(arg))
            continue;
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (!known.contains(name))
            return arg;
    }
    return {};
}

int runCommand(const Command& command, const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (isHelp(arg)) {
            print(stdout, QStringLiteral("usage: %1\n").arg(commandUsage(command)));
            return 0;
        }
    }
    const QString unknown = unknownOption(command, args);
    if (!unknown.isEmpty()) {
        print(stderr, QStringLiteral("quillon %1: unknown option '%2'\nusage: %3\n")
                          .arg(QLatin1String(command.name), unknown, commandUsage(command)));
        return kUsageError;
    }
    return command.run(args);
}

}  // namespace

QStringList optionsOfUsage(const char* usage)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[A-Za-z0-9][\\w-]*"));
    QStringList names;
    auto it = option.globalMatch(QString::fromUtf8(usage ? usage : ""));
    while (it.hasNext()) {
        const QString name = it.next().captured();
        if (!names.contains(name))
            names << name;
    }
    return names;
}

int dispatch(const QStringList& args)
{
    if (args.isEmpty()) {
        print(stderr, programUsage());
        return kUsageError;
    }
    const QString first = args.first();
    if (isHelp(first)) {
        print(stdout, programUsage());
        return 0;
    }
    if (first == QLatin1String("--version")) {
        print(stdout, QStringLiteral("quillon %1\n").arg(QStringLiteral(QUILLON_VERSION)));
        return 0;
    }
    for (const Command& c : commands()) {
        if (first == QLatin1String(c.name))
            return runCommand(c, args.mid(1));
    }
    const QString what =
        looksLikeOption(first) ? QStringLiteral("option") : QStringLiteral("command");
    print(stderr, QStringLiteral("quillon: unknown %1 '%2'\n").arg(what, first) + programUsage());
    return kUsageError;
}

}  // namespace cli
