#pragma once
// Whether our tag writer can open a file, and as which format. The edit dialog hides its Tag
// tab for files it cannot open. QtCore only.

#include <QString>

// 0 when the file does not exist; -1 when the tag writer cannot open it (unknown format, or
// not writable); else the writer's format code (see tagfile.h).
int audioTagFormat(const QString& path);
