#include "keyapplication.h"

KeyApplication::KeyApplication(int& argc, char** argv) : SingleInstanceApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quillon Audio Recorder"));
}
