#include "tagformatprobe.h"

#include <QFileInfo>

#include "tagfile.h"

int audioTagFormat(const QString& path)
{
    if (!QFileInfo::exists(path))
        return 0;
    tags::TagFile file;
    if (file.open(path.toStdU16String()) != 0)
        return -1;
    const int code = file.formatCode();
    file.close();
    return code;
}
