#include "tolveth/numberedaliastable.h"

namespace
{

bool IsDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QString NumberedAliasTable::FindAlias(const QString& sName)
{
    const QString sPlain = AliasTable::FindAlias(sName);
    if (!sPlain.isNull())
        return sPlain;

    // "<base>_<digits>": the last underscore splits, so bases may hold underscores.
    const int nLast = sName.lastIndexOf(QLatin1Char('_'));
    if (nLast > 0)
    {
        const QString sNumber = sName.mid(nLast + 1);
        if (IsDigits(sNumber))
        {
            const QString sAlias = AliasTable::FindAlias(sName.left(nLast));
            if (!sAlias.isNull())
                return sAlias + QLatin1Char(' ') + sNumber;
        }
    }
    // "<digits>_<base>": the first underscore splits.
    const int nFirst = sName.indexOf(QLatin1Char('_'));
    if (nFirst > 0 && nFirst < sName.length() - 1)
    {
        const QString sNumber = sName.left(nFirst);
        if (IsDigits(sNumber))
        {
            const QString sAlias = AliasTable::FindAlias(sName.mid(nFirst + 1));
            if (!sAlias.isNull())
                return sAlias + QLatin1Char(' ') + sNumber;
        }
    }
    return QString();
}
