#pragma once
// One call per row of a QtTest data table: `addRow("name", "text", 3, true)` instead of a chain
// of `<<` that clang-format breaks at every string literal. Literals become QString; every
// other value keeps its type, so it must match its column's type as addColumn declared it.

#include <QString>
#include <QTest>

namespace tablerows {

template <class T>
const T& cell(const T& value)
{
    return value;
}

inline QString cell(const char* text)
{
    return QString::fromUtf8(text);
}

template <class... Values>
void addRow(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << cell(values));
}

}  // namespace tablerows
