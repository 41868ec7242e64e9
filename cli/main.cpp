// quillon: the command-line face of the recorder (record, tags, formats, devices, ...).

#include <QCoreApplication>

#include "commandline.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    return cli::dispatch(app.arguments().mid(1));
}
