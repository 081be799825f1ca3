#include "wendrisk/vccombobool.h"

#include "oskevo/value.h"

#include <QSignalBlocker>

VCComboBool::VCComboBool(QWidget* pParent, const char* pszName) : QComboBox(pParent), VCBinding(this)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    addItem(tr("NO"));
    addItem(tr("YES"));
    connect(this, SIGNAL(activated(int)), this, SLOT(SlotActivated(int)));
}

VCComboBool::~VCComboBool() = default;

void VCComboBool::SetValueBool(values::ValueBase* pValue)
{
    if (pValue && !dynamic_cast<values::ValueBool*>(pValue))
    {
        Bind(nullptr);
        ShowHint(tr("%1 is not a yes/no value.").arg(pValue->GetName()));
        return;
    }
    Bind(pValue);
}

bool VCComboBool::SetValueBool_ValuePath(const QString& sPath)
{
    if (!BindPath(sPath))
        return false;
    SetValueBool(GetBoundValue());
    return IsBound();
}

void VCComboBool::ShowValue()
{
    // A path may name a value of another kind; such a value is not shown.
    const auto* pBool = dynamic_cast<values::ValueBool*>(GetBoundValue());
    if (!pBool)
        return;
    const QSignalBlocker blocker(this);
    m_bShowing = true;
    setCurrentIndex(pBool->GetValue() ? 1 : 0);
    m_bShowing = false;
    ClearHint();
}

void VCComboBool::SlotActivated(int nIndex)
{
    auto* pValue = static_cast<values::ValueBool*>(GetBoundValue());
    if (m_bShowing || !pValue || nIndex < 0)
        return;
    const bool bNew = nIndex == 1;
    if (bNew == pValue->GetValue())
        return;
    if (!pValue->SetValue(bNew, this))
    {
        const QString sReason = pValue->GetLastError();
        ShowValue();
        ShowHint(sReason.isEmpty() ? tr("\"%1\" was not taken.").arg(itemText(nIndex)) : sReason);
    }
}
