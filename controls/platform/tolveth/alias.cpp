#include "tolveth/alias.h"

#include "tolveth/ialiasmap.h"

QString Alias::Lookup(const QString& sName, IAliasMap* pAliasMap)
{
    if (!pAliasMap)
        return sName;
    const QString sAlias = pAliasMap->FindAlias(sName);
    return sAlias.isEmpty() ? sName : sAlias;
}
