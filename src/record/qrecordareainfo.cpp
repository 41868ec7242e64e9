#include "qrecordareainfo.h"

QRecordAreaInfo& QRecordAreaInfo::instance()
{
    static QRecordAreaInfo info;
    return info;
}

bool QRecordAreaInfo::uses(Source source) const
{
    if (!(m_selected & source))
        return false;
    return source != Microphone || (validSources() & Microphone);
}
