#pragma once

#include "tolveth/ialiastable.h"

#include <QHash>

// A plain two-way table of names and aliases filled by derived classes through Add.
// Several names may share one alias; FindName then gives the first name added with it.
class AliasTable : public IAliasTable
{
public:
    QString FindAlias(const QString& sName) override;
    QString FindName(const QString& sAlias) override;

    int GetCount() const { return m_hashAliases.size(); }

protected:
    // A name added again gets the new alias.
    void Add(const QString& sName, const QString& sAlias);

private:
    QHash<QString, QString> m_hashAliases; // name -> alias
    QHash<QString, QString> m_hashNames;   // alias -> first name
};
