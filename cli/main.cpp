// quillon: the command-line face of the recorder (record, tags, formats, devices, ...).

#include <QCoreApplication>

#include "commandline.h"

int main(int argc, char** argv)
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
