#pragma once

#include "dravinelcontrols/parameterviewitem.h"

// One tab of the scenario parameter editor: a page holding a FreqScenarioViewSplit, whose
// form shows the group and whose lower pane its form's controller fills.
class ParameterScenarioViewItem : public ParameterViewItem
{
public:
    ParameterScenarioViewItem(ParameterViewCtrl* pCtrl, values::Node* pNode);

    void Init(ParameterView* pView) override;
};
