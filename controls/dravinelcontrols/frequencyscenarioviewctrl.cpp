#include "dravinelcontrols/frequencyscenarioviewctrl.h"

#include "dravinelcontrols/frequencyscenarioviewitem.h"
#include "dravineldefinition/descriptors.h"

FrequencyScenarioViewCtrl::FrequencyScenarioViewCtrl(FrequencyView* pView)
    : ScenarioListCtrl(pView, DravinelDefinition::g_vdNodeSimFreqList)
{
}

void FrequencyScenarioViewCtrl::AddColumns()
{
    AddScenarioColumns({tr("Frequency"), tr("Bandwidth"), tr("Count")});
}

void FrequencyScenarioViewCtrl::AddMenu()
{
    AddScenarioMenu(tr("ViewMenu"), tr("New Frequency"), tr("&Delete Frequency"));
}

values::Mediator* FrequencyScenarioViewCtrl::CreateMediator(Observable* pObservable)
{
    values::Node* pEntry =
        EntryOf(pObservable, QStringLiteral("controls/dravinelcontrols/frequencyscenarioviewctrl"), __LINE__);
    if (!pEntry)
        return nullptr;
    auto* pItem = new FrequencyScenarioViewItem(this, pEntry);
    pItem->SetObserver(m_pModifyObserver);
    pItem->SetAliasMap(m_pAliasMap);
    return pItem;
}
