#include "dravinelcontrols/frequencyviewitem.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/tableitem.h"
#include "dravineldefinition/descriptors.h"
#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include <QHeaderView>
#include <QTableWidget>

namespace
{

// The value of a descriptor below the definition, made when missing (null when the path is
// taken by an item of another kind).
values::ValueBase* MakeValue(values::Node* pFd, const values::ValueDescriptor& descriptor)
{
    return dynamic_cast<values::ValueBase*>(descriptor.CreateAt(pFd, nullptr));
}

// Observes the value and answers it typed; a value of another kind is reported and left alone.
template <class T> T* Observe(values::ValueBase* pFound, IObserver* pObserver)
{
    if (!pFound)
        return nullptr;
    T* pValue = dynamic_cast<T*>(pFound);
    if (!pValue)
    {
        if (ErrorHandler::Instance()->IsAssertOn())
            ErrorHandler::Instance()->_Q_assert(
                QStringLiteral("pValue"), QStringLiteral("oskevo/valueclasses/valueobservermacros"), 348);
        return nullptr;
    }
    pValue->AddObserver(pObserver);
    return pValue;
}

template <class T> void Release(T*& pValue, IObserver* pObserver)
{
    if (!pValue)
        return;
    pValue->DeleteObserver(pObserver);
    pValue = nullptr;
}

} // namespace

FrequencyViewItem::FrequencyViewItem(FrequencyViewCtrl* pCtrl, values::Node* pFrequencyNode)
    : values::TreeItemMediator(pCtrl, pFrequencyNode), m_pCtrl(pCtrl)
{
}

FrequencyViewItem::~FrequencyViewItem()
{
    Release(m_pStartValue, this);
    Release(m_pStopValue, this);
    Release(m_pSuppValue, this);
    if (m_pNameItem && m_pCtrl && !m_pCtrl->IsDestructing())
    {
        m_pCtrl->NotifyViewItemDeleted(this);
        const int nRow = GetRow();
        ForgetRow();
        if (nRow >= 0)
            m_pTable->removeRow(nRow);
    }
}

values::Node* FrequencyViewItem::AsDefinition(values::TreeItem* pChild)
{
    if (!pChild || !pChild->IsNode() || !pChild->GetName().startsWith(DravinelDefinition::g_vdNodeFd.Name()))
        return nullptr;
    return pChild->AsNode();
}

values::Node* FrequencyViewItem::GetNode() const
{
    values::TreeItem* pItem = GetTreeItem();
    return pItem ? pItem->AsNode() : nullptr;
}

QTableWidgetItem* FrequencyViewItem::GetViewItem() const
{
    return m_pNameItem;
}

int FrequencyViewItem::GetRow() const
{
    return m_pNameItem ? m_pNameItem->row() : -1;
}

void FrequencyViewItem::ForgetRow()
{
    m_pNameItem = nullptr;
    m_pStopItem = nullptr;
    m_vecCells.clear();
}

void FrequencyViewItem::SetObserver(values::IModifyObserver* pObserver)
{
    m_pModifyObserver = pObserver;
    for (TableItem* pCell : m_vecCells)
        pCell->SetObserver(pObserver);
}

void FrequencyViewItem::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

bool FrequencyViewItem::IsSuppressed()
{
    return m_pSuppValue && m_pSuppValue->GetValue();
}

int FrequencyViewItem::PrepareRow(int nRow)
{
    const int nRows = m_pTable->rowCount();
    if (nRow < 0 || nRow > nRows)
        nRow = nRows;
    if (nRow == nRows)
        m_pTable->setRowCount(nRow + 1);
    else if (!FrequencyView::IsRowFree(m_pTable, nRow))
        m_pTable->insertRow(nRow); // the rows below keep their cells and move down
    return nRow;
}

void FrequencyViewItem::Init(int nRow)
{
    values::Node* pFd = GetNode();
    m_pTable = m_pCtrl ? m_pCtrl->GetFrequencyView() : nullptr;
    if (!pFd || !m_pTable || m_pNameItem)
        return;
    values::ValueDescriptor::SetBasePath(m_pCtrl->PathOfDefinition(pFd));

    nRow = PrepareRow(nRow);
    m_pTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_vecCells.reserve(4);

    // The four values in one pass over the attribute child; any that is missing is made.
    const values::ValueDescriptor* apDescriptors[4] = {
        &DravinelDefinition::g_vdFStart, &DravinelDefinition::g_vdFStop, &DravinelDefinition::g_vdFName,
        &DravinelDefinition::g_vdFSupp};
    values::ValueBase* apValues[4] = {nullptr, nullptr, nullptr, nullptr};
    if (values::Node* pAttr = pFd->GetChildNode(&DravinelDefinition::g_vdNodeFdAttr))
    {
        for (values::TreeItem* pChild : pAttr->GetTreeItems())
        {
            for (int i = 0; i < 4; ++i)
            {
                if (!apValues[i] && pChild->GetValueDescriptor() == apDescriptors[i])
                    apValues[i] = pChild->AsValue();
            }
        }
    }
    for (int i = 0; i < 4; ++i)
    {
        if (!apValues[i])
            apValues[i] = MakeValue(pFd, *apDescriptors[i]);
    }
    values::ValueBase* pStart = apValues[0];
    values::ValueBase* pStop = apValues[1];
    values::ValueBase* pName = apValues[2];
    values::ValueBase* pSupp = apValues[3];

    // Every cell has its text before it goes into the table, so the table hears of it once. In
    // a table sorted by the header, the cell of the sort column goes in last: the table then
    // moves the complete row to its place.
    const int nSortColumn = FrequencyView::SortColumn(m_pTable);
    for (int nCol = 0; nCol < 4; ++nCol)
    {
        if (nCol != nSortColumn)
            AddCell(nCol, nRow, pStart, pStop, pName, pSupp);
    }
    if (nSortColumn >= 0 && nSortColumn < 4)
        AddCell(nSortColumn, nRow, pStart, pStop, pName, pSupp);

    // The row observes after its cells, so a cell shows a change before the row reacts to it.
    m_pStartValue = Observe<values::ValueNumeric<double>>(pStart, this);
    m_pStopValue = Observe<values::ValueNumeric<double>>(pStop, this);
    m_pSuppValue = Observe<values::Value<bool>>(pSupp, this);
    m_dLastStart = m_pStartValue ? m_pStartValue->GetValue() : 0.0;
    m_dLastStop = m_pStopValue ? m_pStopValue->GetValue() : 0.0;
    CoverStop();

    if (m_pCtrl)
        m_pCtrl->NotifyViewItemCreated(this);
}

void FrequencyViewItem::AddCell(int nCol, int nRow, values::ValueBase* pStart, values::ValueBase* pStop,
                                values::ValueBase* pName, values::ValueBase* pSupp)
{
    switch (nCol)
    {
    case 0:
        AddTableItem(pStart, nRow, 0);
        break;
    case 1:
        if (pStop)
        {
            const bool bSingle = pStart && pStart->GetNumber() == pStop->GetNumber();
            m_pStopItem = MakeCell(pStop, bSingle);
            m_pTable->setItem(nRow, 1, m_pStopItem);
        }
        break;
    case 2:
        if (pName)
        {
            m_pNameItem = MakeCell(pName, false);
            m_pTable->setItem(nRow, 2, m_pNameItem);
        }
        break;
    default:
        AddTableItem(pSupp, nRow, 3);
        break;
    }
}

TableItem* FrequencyViewItem::MakeCell(values::ValueBase* pValue, bool bCovered)
{
    TableItem* pCell = new TableItem(pValue, m_pTable, QString());
    pCell->SetbCovered(bCovered, false);
    pCell->Text(pValue);
    pCell->SetObserver(m_pModifyObserver);
    m_vecCells.push_back(pCell);
    return pCell;
}

void FrequencyViewItem::AddTableItem(values::ValueBase* pValue, int nRow, int nCol)
{
    if (!pValue || !m_pTable)
        return;
    m_pTable->setItem(nRow, nCol, MakeCell(pValue, false));
}

void FrequencyViewItem::CoverStop()
{
    if (!m_pStopItem)
        return;
    const bool bSingle =
        m_pStartValue && m_pStopValue && m_pStartValue->GetValue() == m_pStopValue->GetValue();
    m_pStopItem->SetbCovered(bSingle, true);
}

void FrequencyViewItem::DeleteTreeItem()
{
    if (m_pNameItem)
    {
        if (m_pCtrl)
            m_pCtrl->NotifyViewItemDeleted(this);
        const int nRow = GetRow();
        QTableWidget* pTable = m_pTable;
        ForgetRow();
        if (nRow >= 0)
            pTable->removeRow(nRow);
    }
    // Deleting the definition ends this mediator: nothing of it may be touched afterwards.
    values::TreeItemMediator::DeleteTreeItem();
}

void FrequencyViewItem::Update(Observable* pObservable, TChangeCode code)
{
    SetbModified(true);

    if (code == values::CC_STATE)
    {
        auto IsDeleted = [](values::ValueBase* pValue) { return pValue->GetState() == values::VS_DELETE; };
        if (m_pStartValue && pObservable == static_cast<Observable*>(m_pStartValue))
        {
            if (IsDeleted(m_pStartValue))
                Release(m_pStartValue, this);
        }
        else if (m_pStopValue && pObservable == static_cast<Observable*>(m_pStopValue))
        {
            if (IsDeleted(m_pStopValue))
                Release(m_pStopValue, this);
        }
        else if (m_pSuppValue && pObservable == static_cast<Observable*>(m_pSuppValue))
        {
            if (IsDeleted(m_pSuppValue))
                Release(m_pSuppValue, this);
        }
    }
    else if (code == values::CC_VALUE)
    {
        if (m_pStartValue && pObservable == static_cast<Observable*>(m_pStartValue))
        {
            // A single frequency stays single when its start moves.
            if (m_pStopValue && m_dLastStart == m_pStopValue->GetValue())
            {
                m_pStopValue->SetValue(m_pStartValue->GetValue(), this);
                m_dLastStop = m_pStopValue->GetValue();
            }
            CoverStop();
            m_dLastStart = m_pStartValue->GetValue();
            return;
        }
        if (m_pStopValue && pObservable == static_cast<Observable*>(m_pStopValue))
        {
            CoverStop();
            m_dLastStop = m_pStopValue->GetValue();
            return;
        }
        if (m_pSuppValue && pObservable == static_cast<Observable*>(m_pSuppValue) && m_pCtrl)
        {
            if (m_pSuppValue->GetValue())
                m_pCtrl->DeleteParameter();
            else
                m_pCtrl->ShowParameter(GetNode());
        }
    }

    if (code != values::CC_MODIFIED)
        values::TreeItemMediator::Update(pObservable, code);
}
