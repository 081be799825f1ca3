#pragma once

#include <QString>

class IAliasTable;

// A set of alias tables consulted in turn. The map does not own its tables.
class IAliasMap
{
public:
    virtual ~IAliasMap() = default;
    virtual void AddTable(IAliasTable* pTable) = 0;
    virtual void RemoveTable(IAliasTable* pTable) = 0;
    // The alias of a name from the first table that knows it; a null QString if none does.
    virtual QString FindAlias(const QString& sName) = 0;
    // The name of an alias from the first table that knows it; a null QString if none does.
    virtual QString FindName(const QString& sAlias) = 0;
};
