#include "tolveth/aliastable.h"

void AliasTable::Add(const QString& sName, const QString& sAlias)
{
    const auto it = m_hashAliases.constFind(sName);
    if (it != m_hashAliases.constEnd() && m_hashNames.value(it.value()) == sName)
        m_hashNames.remove(it.value()); // the old alias no longer leads here
    m_hashAliases.insert(sName, sAlias);
    if (!m_hashNames.contains(sAlias))
        m_hashNames.insert(sAlias, sName);
}

QString AliasTable::FindAlias(const QString& sName)
{
    return m_hashAliases.value(sName);
}

QString AliasTable::FindName(const QString& sAlias)
{
    return m_hashNames.value(sAlias);
}
