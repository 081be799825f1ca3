#pragma once

#include "dravinelcontrols/scenariolistctrl.h"

// The controller of a MovementScenarioView: columns "Location", "Sleep Time", "Speed", the menu "New
// Breakpoint" (Ctrl+F) and
// "&Delete Breakpoint", one MovementScenarioViewItem per child node of the list.
class MovementScenarioViewCtrl : public ScenarioListCtrl
{
    Q_OBJECT

public:
    explicit MovementScenarioViewCtrl(FrequencyView* pView);

    void AddColumns() override;
    void AddMenu() override;
    values::Mediator* CreateMediator(Observable* pObservable) override;

protected:
    bool SelectsCells() const override { return false; }
};
