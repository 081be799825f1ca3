#pragma once

#include "tolveth/aliastable.h"

// An alias table that also knows numbered names. A name the table knows as it stands
// gives its alias. Otherwise a name "<base>_<digits>" or "<digits>_<base>", where the base
// has an alias, gives "<alias of base> <number>" with the digits as written ("Fd_012" ->
// "Frequency Definition 012"). Anything else is unknown (a null QString).
class NumberedAliasTable : public AliasTable
{
public:
    QString FindAlias(const QString& sName) override;
};
