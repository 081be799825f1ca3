#pragma once

#include "dravinelcontrols/frequencyviewctrl.h"

namespace values
{
class ValueDescriptor;
}

// What the emission and movement table controllers share on top of the frequency list
// controller: three columns, a menu of two entries (new and delete), entries made by the rules
// of the list node's parent, a row for every child node of the list, and after each rebuild the
// insertion row selected and its first cell current.
class ScenarioListCtrl : public FrequencyViewCtrl
{
    Q_OBJECT

public:
    // pEntry is the type of an entry of the list.
    ScenarioListCtrl(FrequencyView* pView, const values::ValueDescriptor& entry);

    void New() override;
    void Update(Observable* pObservable, TChangeCode code) override;

protected:
    // The three column headers, menu texts and name, in the derived controller's words.
    void AddScenarioColumns(const QStringList& listHeaders);
    void AddScenarioMenu(const QString& sMenuName, const QString& sNew, const QString& sDelete);
    // The node of a tree item handed to CreateMediator, or null (asserted as "pTi" of sSource).
    static values::Node* EntryOf(Observable* pObservable, const QString& sSource, int nLine);

    values::Node* RowNode(values::TreeItem* pChild) const override;
    int InsertionRowAfterRebuild(int nRow) const override;
    void SelectInsertionRow() override;
    // Whether the rebuild also marks every cell of the insertion row selected.
    virtual bool SelectsCells() const { return false; }

private:
    const values::ValueDescriptor& m_entry;
};
