#include "wendrisk/vccombosel.h"

#include "oskevo/valueselection.h"

#include <QSignalBlocker>

VCComboSel::VCComboSel(QWidget* pParent, const char* pszName) : QComboBox(pParent), VCBinding(this)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    connect(this, SIGNAL(activated(int)), this, SLOT(SlotActivated(int)));
}

VCComboSel::~VCComboSel() = default;

void VCComboSel::SetValueSel(values::ValueBase* pValue)
{
    if (pValue && !dynamic_cast<values::ValueSelection*>(pValue))
    {
        Bind(nullptr);
        ShowHint(tr("%1 is not a selection.").arg(pValue->GetName()));
        return;
    }
    Bind(pValue);
}

bool VCComboSel::SetValueSel_ValuePath(const QString& sPath)
{
    if (!BindPath(sPath))
        return false;
    SetValueSel(GetBoundValue());
    return IsBound();
}

void VCComboSel::ShowValue()
{
    // A path may name a value of another kind; such a value is not shown.
    const auto* pSelection = dynamic_cast<values::ValueSelection*>(GetBoundValue());
    if (!pSelection)
        return;
    // The entries may change with the value (e.g. the device types), so they are filled anew.
    const QSignalBlocker blocker(this);
    m_bShowing = true;
    clear();
    for (const values::SelectionItem& item : pSelection->GetItems())
        addItem(item.GetName(), item.GetKey());
    setCurrentIndex(pSelection->GetCurrentIndex());
    m_bShowing = false;
    ClearHint();
}

void VCComboSel::SlotActivated(int nIndex)
{
    auto* pSelection = static_cast<values::ValueSelection*>(GetBoundValue());
    if (m_bShowing || !pSelection || nIndex < 0 || nIndex == pSelection->GetCurrentIndex())
        return;
    if (!pSelection->SelectIndex(nIndex, this))
    {
        const QString sReason = pSelection->GetLastError();
        ShowValue();
        ShowHint(sReason.isEmpty() ? tr("\"%1\" was not taken.").arg(itemText(nIndex)) : sReason);
        return;
    }
    ShowValue();
}
