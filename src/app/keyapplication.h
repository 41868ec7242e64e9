#pragma once
// The recorder's application object: a single-instance QApplication. Built once in main() from
// argc/argv and alive for the whole run.

#include "singleinstanceapplication.h"

class KeyApplication : public SingleInstanceApplication {
    Q_OBJECT
public:
    KeyApplication(int& argc, char** argv);
};
