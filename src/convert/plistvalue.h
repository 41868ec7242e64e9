#pragma once
// Typed views of property-list values for the format catalogue: null or empty when a value
// holds another type, so a catalogue with an unexpected shape reads as missing entries instead
// of throwing.

#include "plist.h"

#include <QString>
#include <QStringList>

namespace PlistValue {

inline const PlistDict* dict(const boost::any& value)
{
    return boost::any_cast<PlistDict>(&value);
}

inline const PlistArray* array(const boost::any& value)
{
    return boost::any_cast<PlistArray>(&value);
}

inline const boost::any* find(const PlistDict* dict, const char* key)
{
    if (!dict)
        return nullptr;
    const auto it = dict->find(key);
    return it == dict->end() ? nullptr : &it->second;
}

// Strings as UTF-8, integers and reals as decimal text; anything else is empty.
inline QString text(const boost::any* value)
{
    if (!value)
        return {};
    if (const std::string* s = boost::any_cast<std::string>(value))
        return QString::fromStdString(*s);
    if (const int64_t* i = boost::any_cast<int64_t>(value))
        return QString::number(*i);
    if (const double* d = boost::any_cast<double>(value))
        return QString::number(*d);
    return {};
}

inline QStringList texts(const boost::any* value)
{
    QStringList out;
    if (const PlistArray* items = value ? array(*value) : nullptr) {
        for (const boost::any& item : *items)
            out.append(text(&item));
    }
    return out;
}

}  // namespace PlistValue
