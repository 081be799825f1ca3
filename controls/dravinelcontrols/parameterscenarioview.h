#pragma once

#include "dravinelcontrols/parameterview.h"

// The parameter editor for the scenario parameters of emissions, emitters and movements: one
// tab per group as in the parameter editor, each tab a FreqScenarioViewSplit with the group's
// scenario form and, when the group has one, its emission or movement table.
class ParameterScenarioView : public ParameterView
{
    Q_OBJECT

public:
    ParameterScenarioView(QWidget* pParent, const QString& sName);

protected:
    ParameterViewCtrl* MakeCtrl() override;
};
