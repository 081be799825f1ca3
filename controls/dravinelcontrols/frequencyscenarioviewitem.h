#pragma once

#include "dravinelcontrols/scenariolistitem.h"

class FrequencyScenarioViewCtrl;

// The row of one emission entry: frequency, bandwidth and count (the identity cell).
class FrequencyScenarioViewItem : public ScenarioListItem
{
public:
    FrequencyScenarioViewItem(FrequencyScenarioViewCtrl* pCtrl, values::Node* pEntry);
};
