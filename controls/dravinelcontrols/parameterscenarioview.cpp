#include "dravinelcontrols/parameterscenarioview.h"

#include "dravinelcontrols/parameterscenarioviewctrl.h"

ParameterScenarioView::ParameterScenarioView(QWidget* pParent, const QString& sName)
    : ParameterView(pParent, sName)
{
}

ParameterViewCtrl* ParameterScenarioView::MakeCtrl()
{
    return new ParameterScenarioViewCtrl(this);
}
