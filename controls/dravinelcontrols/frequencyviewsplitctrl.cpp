#include "dravinelcontrols/frequencyviewsplitctrl.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/parameterview.h"
#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"

FrequencyViewSplitCtrl::FrequencyViewSplitCtrl(FrequencyViewSplit* pSplit)
    : FrequencyViewCtrl(nullptr), m_pSplit(pSplit)
{
}

FrequencyViewSplitCtrl::~FrequencyViewSplitCtrl()
{
    m_pCurrentItem = nullptr;
}

void FrequencyViewSplitCtrl::Init(values::Node* pNode)
{
    FrequencyViewCtrl::Init(pNode);
    SlotCurrentChanged(0, -1, -1, -1);
}

void FrequencyViewSplitCtrl::NotifyViewItemCreated(values::Mediator* pMediator)
{
    FrequencyViewCtrl::NotifyViewItemCreated(pMediator);
}

void FrequencyViewSplitCtrl::NotifyViewItemDeleted(values::Mediator* pMediator)
{
    FrequencyViewCtrl::NotifyViewItemDeleted(pMediator);
    if (IsDestructing())
        return;
    // The next row that becomes current (or is clicked) shows its parameters again.
    if (m_pCurrentItem && pMediator == static_cast<values::Mediator*>(m_pCurrentItem))
        m_pCurrentItem = nullptr;
    DeleteParameter();
}

void FrequencyViewSplitCtrl::AddConnects()
{
    FrequencyViewCtrl::AddConnects();
    FrequencyView* pView = GetFrequencyView();
    connect(pView, SIGNAL(currentCellChanged(int, int, int, int)), this,
            SLOT(SlotCurrentChanged(int, int, int, int)));
    connect(pView, SIGNAL(cellClicked(int, int)), this, SLOT(SlotCellClicked(int, int)));
}

void FrequencyViewSplitCtrl::AddMenu()
{
    FrequencyViewCtrl::AddMenu();
}

void FrequencyViewSplitCtrl::UpdateViewItemList()
{
    FrequencyViewCtrl::UpdateViewItemList();
}

void FrequencyViewSplitCtrl::SetObserver(values::IModifyObserver* pObserver)
{
    FrequencyViewCtrl::SetObserver(pObserver);
    if (ParameterView* pParameterView = m_pSplit->GetParameterView())
        pParameterView->SetObserver(pObserver);
}

bool FrequencyViewSplitCtrl::IsModified()
{
    ParameterView* pParameterView = m_pSplit->GetParameterView();
    return FrequencyViewCtrl::IsModified() || (pParameterView && pParameterView->IsModified());
}

void FrequencyViewSplitCtrl::MarkRow(int nRow, bool bSelected)
{
    FrequencyView* pView = GetFrequencyView();
    for (int nCol = 0; nCol < pView->columnCount(); ++nCol)
        if (QTableWidgetItem* pCell = pView->item(nRow, nCol))
            pCell->setSelected(bSelected);
}

void FrequencyViewSplitCtrl::SlotCurrentChanged(int nRow, int nCol, int nPreviousRow, int nPreviousCol)
{
    FrequencyView* pView = GetFrequencyView();
    if (!pView)
        return;
    FrequencyViewItem* pItem = GetRowMediator(nRow);
    // Moving within the current row brings back parameters that a deletion elsewhere removed.
    if (pItem && (pItem != m_pCurrentItem || !m_pSplit->GetParameterView()))
    {
        DeleteParameter();
        m_pCurrentItem = pItem;
        ShowParameter(pItem->GetNode());
    }
    if (nRow >= 0 && pView->item(nRow, nCol))
        MarkRow(nRow, true);
    // Moving within one row keeps it selected.
    if (nPreviousRow >= 0 && nPreviousRow != nRow && pView->item(nPreviousRow, nPreviousCol))
        MarkRow(nPreviousRow, false);
}

void FrequencyViewSplitCtrl::SlotCellClicked(int nRow, int nCol)
{
    FrequencyView* pView = GetFrequencyView();
    if (pView && nRow >= 0 && pView->item(nRow, nCol))
        MarkRow(nRow, true);
}

void FrequencyViewSplitCtrl::ShowParameter(values::Node* pFrequencyDefinition)
{
    if (!pFrequencyDefinition)
        return;
    if (m_pCurrentItem && m_pCurrentItem->IsSuppressed())
        return;
    // One parameter editor at a time: one that exists is only shown.
    if (ParameterView* pParameterView = m_pSplit->GetParameterView())
    {
        pParameterView->show();
        return;
    }
    values::Node* pSet = pFrequencyDefinition->GetChildNode(&DravinelDefinition::g_vdNodePar);
    CreateParameter(pSet ? pSet : pFrequencyDefinition);
}

void FrequencyViewSplitCtrl::CreateParameter(values::Node* pNode)
{
    QWidget* pArea = m_pSplit->GetParameterViewArea();
    auto* pParameterView = new ParameterView(pArea, QString());
    m_pSplit->SetParameterView(pParameterView);
    pParameterView->resize(pArea->width(), pArea->height());
    pParameterView->SetAliasMap(GetAliasMap());
    // Edits of the parameters are edits of this list for the host.
    pParameterView->SetObserver(GetModifyObserver());
    pParameterView->Init(nullptr);
    pParameterView->Load(pNode);
}

void FrequencyViewSplitCtrl::DeleteParameter()
{
    ParameterView* pParameterView = m_pSplit->GetParameterView();
    if (!pParameterView)
        return;
    pParameterView->SetObserver(nullptr);
    pParameterView->SetAliasMap(nullptr);
    m_pSplit->SetParameterView(nullptr);
    delete pParameterView;
}
