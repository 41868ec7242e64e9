#pragma once
// Settings for tests that link the storage library: a key stored the way the preferences
// dialog stores it (a key is only written into an element that exists, so it is read first).

#include "parserxml.h"

namespace testsettings {

inline bool store(const QString& element, const QString& attribute, const QString& value)
{
    ParserXML::getSettingValue(element, attribute, QString());
    return ParserXML::setSettingValue(element, attribute, value);
}

// What to do when every conversion job has finished: "0" nothing, "1" sleep, "2" shut down.
inline bool storeJobsFinished(const QString& value)
{
    return store(QStringLiteral("SHOWDOWN_ITEM"), QStringLiteral("Finished_All_Job"), value);
}

}  // namespace testsettings
