#pragma once

#include "tolveth/genericview.h"

// The form of a scenario group (general settings, frequency pattern, movement pattern): the
// generic form with the group's rows in a fixed order, one coordinate row for a position, and
// the emitters of an individual emission. It is the upper pane of a FreqScenarioViewSplit,
// whose lower pane its controller fills.
class GenericScenarioView : public GenericView
{
    Q_OBJECT

public:
    GenericScenarioView(QWidget* pParent, QString sName);

protected:
    GenericViewCtrl* MakeCtrl() override;
};
