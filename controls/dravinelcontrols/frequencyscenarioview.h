#pragma once

#include "dravinelcontrols/frequencyview.h"

// The table of a scenario's emission list (frequency, bandwidth, count), one row per emission entry,
// built on the frequency list editor; it makes a FrequencyScenarioViewCtrl on its first Init.
class FrequencyScenarioView : public FrequencyView
{
    Q_OBJECT

public:
    FrequencyScenarioView(QWidget* pParent, QString sName);

protected:
    FrequencyViewCtrl* MakeCtrl() override;
};
