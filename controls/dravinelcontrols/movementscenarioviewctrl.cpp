#include "dravinelcontrols/movementscenarioviewctrl.h"

#include "dravinelcontrols/movementscenarioviewitem.h"
#include "dravineldefinition/descriptors.h"

MovementScenarioViewCtrl::MovementScenarioViewCtrl(FrequencyView* pView)
    : ScenarioListCtrl(pView, DravinelDefinition::g_vdNodeSimMovList)
{
}

void MovementScenarioViewCtrl::AddColumns()
{
    AddScenarioColumns({tr("Location"), tr("Sleep Time"), tr("Speed")});
}

void MovementScenarioViewCtrl::AddMenu()
{
    AddScenarioMenu(tr("ViewMenu"), tr("New Breakpoint"), tr("&Delete Breakpoint"));
}

values::Mediator* MovementScenarioViewCtrl::CreateMediator(Observable* pObservable)
{
    values::Node* pEntry =
        EntryOf(pObservable, QStringLiteral("controls/dravinelcontrols/movementscenarioviewctrl"), __LINE__);
    if (!pEntry)
        return nullptr;
    auto* pItem = new MovementScenarioViewItem(this, pEntry);
    pItem->SetObserver(m_pModifyObserver);
    pItem->SetAliasMap(m_pAliasMap);
    return pItem;
}
