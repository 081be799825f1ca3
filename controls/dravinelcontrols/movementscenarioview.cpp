#include "dravinelcontrols/movementscenarioview.h"

#include "dravinelcontrols/movementscenarioviewctrl.h"

MovementScenarioView::MovementScenarioView(QWidget* pParent, QString sName) : FrequencyView(pParent, sName)
{
}

FrequencyViewCtrl* MovementScenarioView::MakeCtrl()
{
    return new MovementScenarioViewCtrl(this);
}
