// The command-line library's one exported function: the whole of `quillon` on Qt, loaded by
// the launcher (main.cpp) for every command line it does not run by itself.

#include <QCoreApplication>

#include "commandline.h"

extern "C" __attribute__((visibility("default"))) int QuillonCliMain(int argc, char** argv)
{
    // Qt's own event dispatcher: the GLib one costs more per wake-up, and a command that records
    // for hours wakes often.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    return cli::dispatch(app.arguments().mid(1));
}
