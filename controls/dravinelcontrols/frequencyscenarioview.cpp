#include "dravinelcontrols/frequencyscenarioview.h"

#include "dravinelcontrols/frequencyviewctrl.h"

FrequencyScenarioView::FrequencyScenarioView(QWidget* pParent, QString sName) : FrequencyView(pParent, sName)
{
}

FrequencyViewCtrl* FrequencyScenarioView::MakeCtrl()
{
    // Until its own controller exists, the table is a plain frequency table.
    return new FrequencyViewCtrl(this);
}
