#pragma once
// The "--catalogue FILE" option that the recognition commands share: which catalogue file the
// engine reads and writes instead of the one in the data folder.

#include <QString>
#include <QStringList>

namespace cli {

// Takes "--catalogue FILE" out of args and hands the file to the engine. False (after printing
// why) when the option lacks its file.
bool applyCatalogueOption(QStringList* args);

}  // namespace cli
