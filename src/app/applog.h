#pragma once
// The program's log: "log.txt" in the per-user settings folder. install() sends Qt's debug,
// warning and error messages there (with a time stamp) as well as to the standard error
// stream, so "Show Log" has something to show after a problem. Messages may come from any
// thread; the log serialises them.

#include <QString>

namespace AppLog {

QString path();
// Installs the message handler once per process; the file is started afresh at each start.
void install();

}  // namespace AppLog
