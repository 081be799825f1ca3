#include "dravineldefinition/selectionlists.h"

#include "dravineldefinition/devicetypes.h"

#include <QString>
#include <cmath>

namespace DravinelDefinition
{

std::vector<values::SelectionItem> SelectionLists::Named(std::initializer_list<const char*> listNames)
{
    std::vector<values::SelectionItem> vecItems;
    int nKey = 0;
    for (const char* pszName : listNames)
    {
        vecItems.emplace_back(QString::fromLatin1(pszName), double(nKey), nKey);
        ++nKey;
    }
    return vecItems;
}

std::vector<values::SelectionItem> SelectionLists::Hertz(std::initializer_list<double> listHz)
{
    static const char* const s_apszPrefix[] = {"", "k", "M", "G"};
    std::vector<values::SelectionItem> vecItems;
    for (double dHz : listHz)
    {
        int nPower = 0;
        double dShown = dHz;
        while (nPower < 3 && std::fabs(dShown) >= 1000.0)
        {
            dShown /= 1000.0;
            ++nPower;
        }
        const QString sName = QStringLiteral("%1 %2Hz").arg(QString::number(dShown, 'g', 6),
                                                            QString::fromLatin1(s_apszPrefix[nPower]));
        vecItems.emplace_back(sName, dHz, int(std::lround(dHz)));
    }
    return vecItems;
}

std::vector<values::SelectionItem> SelectionLists::Seconds(std::initializer_list<double> listSeconds)
{
    std::vector<values::SelectionItem> vecItems;
    for (double dSeconds : listSeconds)
    {
        const int nMs = int(std::lround(dSeconds * 1000.0));
        const QString sName = nMs < 1000 ? QStringLiteral("%1 ms").arg(nMs)
                                         : QStringLiteral("%1 s").arg(QString::number(dSeconds, 'g', 6));
        vecItems.emplace_back(sName, dSeconds, nMs);
    }
    return vecItems;
}

std::vector<values::SelectionItem> SelectionLists::DeviceTypes()
{
    std::vector<values::SelectionItem> vecItems;
    for (const DeviceTypeInfo& info : g_aDeviceTypes)
        vecItems.emplace_back(QString::fromLatin1(info.pszName), double(info.nKey), info.nKey);
    return vecItems;
}

} // namespace DravinelDefinition
