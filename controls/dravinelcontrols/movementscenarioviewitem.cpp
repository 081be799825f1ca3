#include "dravinelcontrols/movementscenarioviewitem.h"

#include "dravinelcontrols/movementscenarioviewctrl.h"
#include "dravineldefinition/descriptors.h"

using namespace DravinelDefinition;

namespace
{
const ScenarioListItem::Layout s_layout{&g_vdNodeSimMovListAttr,
                                        {&g_vdMovListLatitude, &g_vdMovListSleepTime, &g_vdMovListSpeed},
                                        &g_vdMovListLongitude};
}

MovementScenarioViewItem::MovementScenarioViewItem(MovementScenarioViewCtrl* pCtrl, values::Node* pEntry)
    : ScenarioListItem(pCtrl, pEntry, s_layout)
{
}
