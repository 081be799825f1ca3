#include "oskevo/valueselection.h"
#include "oskevo/changerecorder.h"

#include "oskevo/valuedescriptor.h"

#include <cmath>

namespace values
{

namespace
{

const std::vector<SelectionItem>& ItemsOf(const ValueDescriptor* pDescriptor)
{
    static const std::vector<SelectionItem> s_vecNone;
    if (pDescriptor && pDescriptor->GetKind() == ValueDescriptor::KIND_SELECTION)
        return pDescriptor->SelectionItems();
    return s_vecNone;
}

int IndexOfKey(const std::vector<SelectionItem>& vecItems, int nKey)
{
    for (size_t i = 0; i < vecItems.size(); ++i)
    {
        if (vecItems[i].GetKey() == nKey)
            return int(i);
    }
    return -1;
}

// The entry a fresh value of the descriptor starts with: the default key's, else the first.
int DefaultIndex(const ValueDescriptor* pDescriptor, const std::vector<SelectionItem>& vecItems)
{
    if (vecItems.empty())
        return -1;
    if (pDescriptor && pDescriptor->GetKind() == ValueDescriptor::KIND_SELECTION)
    {
        const int nIndex = IndexOfKey(vecItems, pDescriptor->Default().toInt());
        if (nIndex >= 0)
            return nIndex;
    }
    return 0;
}

} // namespace

ValueSelection::ValueSelection(const QString& sName, const ValueDescriptor* pDescriptor)
    : ValueBase(sName, pDescriptor), m_vecItems(ItemsOf(pDescriptor))
{
    m_nCurrent = DefaultIndex(pDescriptor, m_vecItems);
}

ValueSelection::ValueSelection(const QString& sName, const ValueDescriptor* pDescriptor,
                               std::vector<SelectionItem> vecItems, int nCurrentIndex)
    : ValueBase(sName, pDescriptor), m_vecItems(std::move(vecItems))
{
    if (m_vecItems.empty())
        m_nCurrent = -1;
    else if (nCurrentIndex >= 0 && nCurrentIndex < int(m_vecItems.size()))
        m_nCurrent = nCurrentIndex;
    else
        m_nCurrent = 0;
}

ValueSelection::~ValueSelection()
{
    BeginDestruction();
}

void ValueSelection::SetItems(std::vector<SelectionItem> vecItems, IObserver* pOriginator)
{
    if (vecItems == m_vecItems)
        return;
    // Keep the chosen entry when the new list has its key.
    const int nOldKey = GetCurrentKey();
    m_vecItems = std::move(vecItems);
    const int nIndex = IndexOfKey(m_vecItems, nOldKey);
    m_nCurrent = nIndex >= 0 ? nIndex : (m_vecItems.empty() ? -1 : 0);
    NotifyObservers(CC_VALUE, pOriginator);
}

const SelectionItem* ValueSelection::GetCurrentItem() const
{
    if (m_nCurrent < 0 || m_nCurrent >= int(m_vecItems.size()))
        return nullptr;
    return &m_vecItems[size_t(m_nCurrent)];
}

int ValueSelection::GetCurrentKey() const
{
    const SelectionItem* pItem = GetCurrentItem();
    return pItem ? pItem->GetKey() : -1;
}

bool ValueSelection::SelectIndex(int nIndex, IObserver* pOriginator)
{
    if (nIndex < 0 || nIndex >= int(m_vecItems.size()))
    {
        SetLastError(QStringLiteral("There is no entry %1 (%2 entries).").arg(nIndex).arg(m_vecItems.size()));
        return false;
    }
    SetLastError(QString());
    if (nIndex == m_nCurrent)
        return true;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::ValueChanging(this);
    m_nCurrent = nIndex;
    NotifyObservers(CC_VALUE, pOriginator);
    return true;
}

bool ValueSelection::SelectKey(int nKey, IObserver* pOriginator)
{
    const int nIndex = IndexOfKey(m_vecItems, nKey);
    if (nIndex < 0)
    {
        SetLastError(QStringLiteral("There is no entry with the key %1.").arg(nKey));
        return false;
    }
    return SelectIndex(nIndex, pOriginator);
}

bool ValueSelection::SelectText(const QString& sName, IObserver* pOriginator)
{
    for (size_t i = 0; i < m_vecItems.size(); ++i)
    {
        if (m_vecItems[i].GetName() == sName)
            return SelectIndex(int(i), pOriginator);
    }
    SetLastError(QStringLiteral("There is no entry \"%1\".").arg(sName));
    return false;
}

bool ValueSelection::SelectClosestValue(double dValue, IObserver* pOriginator)
{
    if (std::isnan(dValue))
    {
        SetLastError(QStringLiteral("Undefined numbers are not allowed."));
        return false;
    }
    if (m_vecItems.empty())
    {
        SetLastError(QStringLiteral("There are no entries to choose from."));
        return false;
    }
    int nBest = 0;
    double dBest = std::fabs(m_vecItems[0].GetValue() - dValue);
    for (size_t i = 1; i < m_vecItems.size(); ++i)
    {
        const double dDistance = std::fabs(m_vecItems[i].GetValue() - dValue);
        if (dDistance < dBest)
        {
            dBest = dDistance;
            nBest = int(i);
        }
    }
    return SelectIndex(nBest, pOriginator);
}

QString ValueSelection::GetAsString() const
{
    const SelectionItem* pItem = GetCurrentItem();
    return pItem ? pItem->GetName() : QString();
}

bool ValueSelection::SetAsString(const QString& sText, IObserver* pOriginator)
{
    for (size_t i = 0; i < m_vecItems.size(); ++i)
    {
        if (m_vecItems[i].GetName() == sText)
            return SelectIndex(int(i), pOriginator);
    }
    if (sText.startsWith(QLatin1Char('#')))
    {
        bool bOk = false;
        const int nKey = sText.mid(1).trimmed().toInt(&bOk);
        if (bOk)
            return SelectKey(nKey, pOriginator);
    }
    SetLastError(QStringLiteral("There is no entry \"%1\".").arg(sText));
    return false;
}

double ValueSelection::GetNumber() const
{
    const SelectionItem* pItem = GetCurrentItem();
    return pItem ? pItem->GetValue() : 0.0;
}

void ValueSelection::Reset(IObserver* pOriginator)
{
    const int nIndex = DefaultIndex(GetValueDescriptor(), m_vecItems);
    if (nIndex >= 0)
        SelectIndex(nIndex, pOriginator);
}

TreeItem* ValueSelection::Clone() const
{
    return new ValueSelection(GetName(), GetValueDescriptor(), m_vecItems, m_nCurrent);
}

} // namespace values
