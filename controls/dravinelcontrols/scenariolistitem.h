#pragma once

#include "dravinelcontrols/frequencyviewitem.h"

namespace values
{
class ValueDescriptor;
}

// The mediator of one entry of a scenario list (an emission or a movement breakpoint): its
// row holds three ScenarioTableItem cells bound to values of the entry's attribute node, the
// third being the row's identity cell. The emission and movement rows derive from it and name
// their values.
class ScenarioListItem : public FrequencyViewItem
{
public:
    // What a row shows: the attribute node's type, the values of columns 0, 1 and 2, and a
    // value made before the cells although no column shows it (the longitude a location cell
    // follows), or null.
    struct Layout
    {
        const values::ValueDescriptor* pAttribute;
        const values::ValueDescriptor* apColumns[3];
        const values::ValueDescriptor* pCompanion;
    };

    ScenarioListItem(FrequencyViewCtrl* pCtrl, values::Node* pEntry, const Layout& layout);

    // Marks the row modified, then as a frequency row.
    void Update(Observable* pObservable, TChangeCode code) override;
    void Init(int nRow) override;
    void AddTableItem(values::ValueBase* pValue, int nRow, int nCol) override;

private:
    const Layout& m_layout;
    values::Node* m_pAttribute = nullptr;
};
