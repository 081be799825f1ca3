#pragma once

#include "dravinelcontrols/scenariolistctrl.h"

// The controller of a FrequencyScenarioView: columns "Frequency", "Bandwidth", "Count", the menu "New
// Frequency" (Ctrl+F) and
// "&Delete Frequency", one FrequencyScenarioViewItem per child node of the list.
class FrequencyScenarioViewCtrl : public ScenarioListCtrl
{
    Q_OBJECT

public:
    explicit FrequencyScenarioViewCtrl(FrequencyView* pView);

    void AddColumns() override;
    void AddMenu() override;
    values::Mediator* CreateMediator(Observable* pObservable) override;

protected:
    bool SelectsCells() const override { return true; }
};
