#include "dravinelcontrols/movementscenarioview.h"

#include "dravinelcontrols/frequencyviewctrl.h"

MovementScenarioView::MovementScenarioView(QWidget* pParent, QString sName) : FrequencyView(pParent, sName)
{
}

FrequencyViewCtrl* MovementScenarioView::MakeCtrl()
{
    // Until its own controller exists, the table is a plain frequency table.
    return new FrequencyViewCtrl(this);
}
