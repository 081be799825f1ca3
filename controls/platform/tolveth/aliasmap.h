#pragma once

#include "tolveth/ialiasmap.h"

#include <vector>

// The ordinary alias map: tables are asked in the order they were added; adding a table
// twice has no effect. Tables are not owned and must be removed before they die.
class AliasMap : public IAliasMap
{
public:
    void AddTable(IAliasTable* pTable) override;
    void RemoveTable(IAliasTable* pTable) override;
    QString FindAlias(const QString& sName) override;
    QString FindName(const QString& sAlias) override;

    bool HasTable(IAliasTable* pTable) const;
    int GetTableCount() const { return int(m_vecTables.size()); }

private:
    std::vector<IAliasTable*> m_vecTables;
};
