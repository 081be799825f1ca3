#pragma once

#include "dravinelcontrols/parameterviewctrl.h"

// The controller of a ParameterScenarioView: the parameter editor's controller whose tabs are
// scenario tabs (ParameterScenarioViewItem); menu, clipboard and tab rebuild are the
// parameter editor's.
class ParameterScenarioViewCtrl : public ParameterViewCtrl
{
    Q_OBJECT

public:
    explicit ParameterScenarioViewCtrl(ParameterView* pView);

protected:
    ParameterViewItem* MakeItem(values::Node* pGroup) override;
    const char* SourceName() const override;
};
