#include "tolveth/aliasmap.h"

#include "tolveth/ialiastable.h"

#include <algorithm>

void AliasMap::AddTable(IAliasTable* pTable)
{
    if (pTable && !HasTable(pTable))
        m_vecTables.push_back(pTable);
}

void AliasMap::RemoveTable(IAliasTable* pTable)
{
    m_vecTables.erase(std::remove(m_vecTables.begin(), m_vecTables.end(), pTable), m_vecTables.end());
}

bool AliasMap::HasTable(IAliasTable* pTable) const
{
    return std::find(m_vecTables.begin(), m_vecTables.end(), pTable) != m_vecTables.end();
}

QString AliasMap::FindAlias(const QString& sName)
{
    for (IAliasTable* pTable : m_vecTables)
    {
        const QString sAlias = pTable->FindAlias(sName);
        if (!sAlias.isNull())
            return sAlias;
    }
    return QString();
}

QString AliasMap::FindName(const QString& sAlias)
{
    for (IAliasTable* pTable : m_vecTables)
    {
        const QString sName = pTable->FindName(sAlias);
        if (!sName.isNull())
            return sName;
    }
    return QString();
}
