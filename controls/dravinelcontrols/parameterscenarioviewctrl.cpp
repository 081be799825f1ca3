#include "dravinelcontrols/parameterscenarioviewctrl.h"

#include "dravinelcontrols/parameterscenarioviewitem.h"

ParameterScenarioViewCtrl::ParameterScenarioViewCtrl(ParameterView* pView) : ParameterViewCtrl(pView)
{
}

ParameterViewItem* ParameterScenarioViewCtrl::MakeItem(values::Node* pGroup)
{
    return new ParameterScenarioViewItem(this, pGroup);
}

const char* ParameterScenarioViewCtrl::SourceName() const
{
    return "controls/dravinelcontrols/parameterscenarioviewctrl";
}
