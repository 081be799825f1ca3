#pragma once

#include <QString>

class IAliasMap;

// Something that shows names to the operator through an alias map handed in by the host.
class AliasMapClient
{
public:
    virtual ~AliasMapClient() = default;

    virtual void SetAliasMap(IAliasMap* pAliasMap) { m_pAliasMap = pAliasMap; }
    IAliasMap* GetAliasMap() const { return m_pAliasMap; }
    // The display text of a name; the name itself without a map or without an alias.
    virtual QString Alias(const QString& sName) const;

protected:
    IAliasMap* m_pAliasMap = nullptr;
};
