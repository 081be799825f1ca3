#pragma once

#include "dravinelcontrols/scenariolistitem.h"

class MovementScenarioViewCtrl;

// The row of one movement breakpoint: location (latitude and longitude), sleep time and speed (the identity
// cell).
class MovementScenarioViewItem : public ScenarioListItem
{
public:
    MovementScenarioViewItem(MovementScenarioViewCtrl* pCtrl, values::Node* pEntry);
};
