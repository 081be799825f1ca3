#include "tolveth/aliasmapclient.h"

#include "tolveth/alias.h"

QString AliasMapClient::Alias(const QString& sName) const
{
    return Alias::Lookup(sName, m_pAliasMap);
}
