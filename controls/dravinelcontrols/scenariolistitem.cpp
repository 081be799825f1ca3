#include "dravinelcontrols/scenariolistitem.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/scenariotableitem.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

ScenarioListItem::ScenarioListItem(FrequencyViewCtrl* pCtrl, values::Node* pEntry, const Layout& layout)
    : FrequencyViewItem(pCtrl, pEntry), m_layout(layout)
{
}

void ScenarioListItem::Update(Observable* pObservable, TChangeCode code)
{
    SetbModified(true);
    FrequencyViewItem::Update(pObservable, code);
}

void ScenarioListItem::Init(int nRow)
{
    values::Node* pEntry = GetNode();
    m_pTable = m_pCtrl ? m_pCtrl->GetFrequencyView() : nullptr;
    if (!pEntry || !m_pTable || m_pNameItem)
        return;
    values::ValueDescriptor::SetBasePath(m_pCtrl->PathOfDefinition(pEntry));
    // The attribute node is made before it is looked up: every cell needs it, the location
    // cell to reach the longitude.
    m_pAttribute = pEntry->GetChildNode(m_layout.pAttribute);
    if (!m_pAttribute)
    {
        m_layout.pAttribute->CreateAt(pEntry, nullptr);
        m_pAttribute = pEntry->GetChildNode(m_layout.pAttribute);
    }
    nRow = PrepareRow(nRow);
    m_vecCells.reserve(3);

    // The values in one pass over the attribute node; any that is missing is made (the
    // companion too, so that the location cell finds the longitude).
    values::ValueBase* apValues[3] = {nullptr, nullptr, nullptr};
    bool bCompanion = !m_layout.pCompanion;
    if (m_pAttribute)
    {
        for (values::TreeItem* pChild : m_pAttribute->GetTreeItems())
        {
            const values::ValueDescriptor* pDescriptor = pChild->GetValueDescriptor();
            bCompanion = bCompanion || pDescriptor == m_layout.pCompanion;
            for (int nCol = 0; nCol < 3; ++nCol)
            {
                if (!apValues[nCol] && pDescriptor == m_layout.apColumns[nCol])
                    apValues[nCol] = pChild->AsValue();
            }
        }
    }
    for (int nCol = 0; nCol < 3; ++nCol)
    {
        if (!apValues[nCol])
            apValues[nCol] =
                dynamic_cast<values::ValueBase*>(m_layout.apColumns[nCol]->CreateAt(pEntry, nullptr));
    }
    if (!bCompanion)
        m_layout.pCompanion->CreateAt(pEntry, nullptr);
    // In a table sorted by a header click the cell of the sort column goes in last, so that the
    // complete row moves to its place.
    const int nSortColumn = FrequencyView::SortColumn(m_pTable);
    for (int nCol : {2, 0, 1})
    {
        if (nCol != nSortColumn)
            AddTableItem(apValues[nCol], nRow, nCol);
    }
    if (nSortColumn >= 0 && nSortColumn < 3)
        AddTableItem(apValues[nSortColumn], nRow, nSortColumn);
    if (m_pCtrl)
        m_pCtrl->NotifyViewItemCreated(this);
}

void ScenarioListItem::AddTableItem(values::ValueBase* pValue, int nRow, int nCol)
{
    if (!pValue || !m_pTable)
        return;
    auto* pCell =
        new ScenarioTableItem(m_pAttribute, pValue, m_pTable, QAbstractItemView::CurrentChanged, QString());
    // Every cell reports its edits, the identity cell too: a count or speed changed in the
    // table is a change of the scenario the host must hear of.
    pCell->SetObserver(m_pModifyObserver);
    m_vecCells.push_back(pCell);
    if (nCol == 2)
        m_pNameItem = pCell;
    m_pTable->setItem(nRow, nCol, pCell);
}
