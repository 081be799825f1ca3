#pragma once

#include "oskevo/selectionitem.h"
#include "oskevo/valuebase.h"

#include <vector>

namespace values
{

// One entry chosen from a list (normally the descriptor's). The text form is the entry's
// name; SetAsString also accepts the entry's key written as "#<key>".
class ValueSelection : public ValueBase
{
public:
    ValueSelection(const QString& sName, const ValueDescriptor* pDescriptor);
    // A selection with its own entries (e.g. the device types).
    ValueSelection(const QString& sName, const ValueDescriptor* pDescriptor,
                   std::vector<SelectionItem> vecItems, int nCurrentIndex = 0);
    ~ValueSelection() override;

    int GetCount() const { return int(m_vecItems.size()); }
    const SelectionItem& GetItem(int nIndex) const { return m_vecItems.at(size_t(nIndex)); }
    const std::vector<SelectionItem>& GetItems() const { return m_vecItems; }
    void SetItems(std::vector<SelectionItem> vecItems, IObserver* pOriginator = nullptr);

    int GetCurrentIndex() const { return m_nCurrent; } // -1 when the list is empty
    const SelectionItem* GetCurrentItem() const;
    int GetCurrentKey() const; // -1 when nothing is selected

    bool SelectIndex(int nIndex, IObserver* pOriginator = nullptr);
    bool SelectKey(int nKey, IObserver* pOriginator = nullptr);
    bool SelectText(const QString& sName, IObserver* pOriginator = nullptr);
    // Selects the entry whose number is closest to dValue (the first on a tie).
    bool SelectClosestValue(double dValue, IObserver* pOriginator = nullptr);

    QString GetAsString() const override;
    bool SetAsString(const QString& sText, IObserver* pOriginator = nullptr) override;
    bool IsNumeric() const override { return false; }
    double GetNumber() const override;
    bool SetNumber(double dNumber, IObserver* pOriginator = nullptr) override
    {
        return SelectClosestValue(dNumber, pOriginator);
    }
    void Reset(IObserver* pOriginator = nullptr) override;
    TreeItem* Clone() const override;

private:
    std::vector<SelectionItem> m_vecItems;
    int m_nCurrent = -1;
};

} // namespace values
