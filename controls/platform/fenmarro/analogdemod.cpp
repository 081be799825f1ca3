#include "fenmarro/analogdemod.h"

namespace Fenmarro
{

QString AnalogDemodToName(AnalogDemod eDemod)
{
    if (eDemod < 0 || eDemod >= DEMOD_COUNT)
        return QString();
    return QString::fromLatin1(g_apszAnalogDemodNames[eDemod]);
}

bool AnalogDemodFromName(const QString& sName, AnalogDemod* peDemod)
{
    for (int i = 0; i < DEMOD_COUNT; ++i)
    {
        if (sName == QLatin1String(g_apszAnalogDemodNames[i]))
        {
            if (peDemod)
                *peDemod = AnalogDemod(i);
            return true;
        }
    }
    return false;
}

QStringList AnalogDemodNames()
{
    QStringList vecNames;
    for (const char* pszName : g_apszAnalogDemodNames)
        vecNames << QString::fromLatin1(pszName);
    return vecNames;
}

} // namespace Fenmarro
