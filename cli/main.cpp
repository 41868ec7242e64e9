// quillon: the command-line face of the recorder (record, tags, formats, devices, ...).

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "commandregistry.h"

static int usage(FILE* out)
{
    std::vector<cli::Command> sorted = cli::commands();
    std::sort(sorted.begin(), sorted.end(), [](const cli::Command& a, const cli::Command& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    std::fprintf(out, "usage:\n");
    for (const cli::Command& c : sorted)
        std::fprintf(out, "  quillon %s %s\n", c.name, c.usage);
    return out == stderr ? 2 : 0;
}

int main(int argc, char** argv)
{
    // Qt's own event dispatcher: the GLib one costs more per wake-up, and a command that records
    // for hours wakes often.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon"));
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(stderr);
    const QString name = args.takeFirst();
    if (name == QLatin1String("-h") || name == QLatin1String("--help"))
        return usage(stdout);
    for (const cli::Command& c : cli::commands()) {
        if (name == QLatin1String(c.name))
            return c.run(args);
    }
    std::fprintf(stderr, "quillon: unknown command '%s'\n", name.toLocal8Bit().constData());
    return usage(stderr);
}
