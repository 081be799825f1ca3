#pragma once

#include "tolveth/genericviewitem.h"

#include <QPointer>

class QListWidget;
class QPushButton;

namespace values
{
class Node;
}

// One row of a scenario group's form. Rows stand in the form by their order position, not by
// the order of the group's values. A longitude or latitude becomes the group's one "Location"
// row (a coordinate editor bound to both) when the group holds both; the send time of an
// individual emission's frequency group is followed by the list of the emission's emitters
// with an "Up" button.
class GenericScenarioViewItem : public GenericViewItem
{
public:
    GenericScenarioViewItem(GenericViewCtrl* pCtrl, values::TreeItem* pItem, int nRow);
    ~GenericScenarioViewItem() override;

    // Marks the row modified; the row goes with its value.
    void Update(Observable* pObservable, TChangeCode code) override;
    // Lets go of the value without touching it and deletes the row.
    void DeleteTreeItem() override;
    void Init(values::TreeItem* pItem) override;
    // Floating-point values: a spin box with three more decimals when the step is below one.
    void AddNumeric(values::ValueBase* pValue) override;
    virtual void AddLocation(values::Node* pNode);
    virtual void AddEmissionList(values::Node* pEmission);

    QListWidget* GetEmissionList() const;

private:
    // Puts a layout of this row into the form before the first row of a higher position.
    void Place(QLayout* pLayout);
    // The label and editor side by side as a row, placed by position.
    void AddPlacedRow(QLabel* pLabel, QWidget* pEditor);

    QPointer<QListWidget> m_pEmissionList;
    QPointer<QPushButton> m_pUpButton;
    QPointer<QLayout> m_pListLayout;
    QPointer<QLayout> m_pButtonLayout;
};
