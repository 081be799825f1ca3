#pragma once

#include <QTest>

// One row of a QtTest data table on one line: Row("tag", a, b, c).
template <typename... T> void Row(const char* pszTag, const T&... values)
{
    (QTest::newRow(pszTag) << ... << values);
}
