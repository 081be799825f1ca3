#pragma once

#include <QString>

// One table of display texts (aliases) for technical names. Both look-ups answer a null
// QString when the table does not know the key.
class IAliasTable
{
public:
    virtual ~IAliasTable() = default;
    virtual QString FindAlias(const QString& sName) = 0;
    virtual QString FindName(const QString& sAlias) = 0;
};
