#pragma once

#include "dravinelcontrols/frequencyview.h"

// The table of a scenario's movement (location, sleep time, speed), one row per breakpoint,
// built on the frequency list editor; it makes a MovementScenarioViewCtrl on its first Init.
class MovementScenarioView : public FrequencyView
{
    Q_OBJECT

public:
    MovementScenarioView(QWidget* pParent, QString sName);

protected:
    FrequencyViewCtrl* MakeCtrl() override;
};
