#include "dravinelcontrols/frequencyscenarioviewitem.h"

#include "dravinelcontrols/frequencyscenarioviewctrl.h"
#include "dravineldefinition/descriptors.h"

using namespace DravinelDefinition;

namespace
{
const ScenarioListItem::Layout s_layout{
    &g_vdNodeSimFreqListAttr, {&g_vdFreqListFrequency, &g_vdFreqListBandwidth, &g_vdFreqListCount}, nullptr};
}

FrequencyScenarioViewItem::FrequencyScenarioViewItem(FrequencyScenarioViewCtrl* pCtrl, values::Node* pEntry)
    : ScenarioListItem(pCtrl, pEntry, s_layout)
{
}
