#pragma once

#include <QString>

class IAliasMap;

// Alias look-up helpers.
class Alias
{
public:
    // The display text of a name through the map; the name itself without a map or alias.
    static QString Lookup(const QString& sName, IAliasMap* pAliasMap);
};
