#include "dravinelcontrols/frequencyscenarioview.h"

#include "dravinelcontrols/frequencyscenarioviewctrl.h"

FrequencyScenarioView::FrequencyScenarioView(QWidget* pParent, QString sName) : FrequencyView(pParent, sName)
{
}

FrequencyViewCtrl* FrequencyScenarioView::MakeCtrl()
{
    return new FrequencyScenarioViewCtrl(this);
}
