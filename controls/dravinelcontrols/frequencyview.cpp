#include "dravinelcontrols/frequencyview.h"

#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/undohistory.h"
#include "oskevo/node.h"

#include <QHeaderView>
#include <QItemSelectionModel>

FrequencyView::FrequencyView(QWidget* pParent, QString sName) : Table(pParent, sName.toLatin1().constData())
{
    setFrameShape(QFrame::WinPanel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setEnabled(true);
    setTabKeyNavigation(true);
    UndoHistory::InstallKeys(
        this, [this]() -> values::TreeItem* { return GetCtrl() ? GetCtrl()->GetNode() : nullptr; });
}

FrequencyView::~FrequencyView()
{
    // A maker that deleted the controller itself leaves a null pointer here.
    delete m_pCtrl.data();
}

void FrequencyView::SetCtrl(FrequencyViewCtrl* pCtrl)
{
    m_pCtrl = pCtrl;
}

FrequencyViewCtrl* FrequencyView::GetCtrl() const
{
    return m_pCtrl.data();
}

void FrequencyView::SetObserver(values::IModifyObserver* pObserver)
{
    values::KVModifier::SetObserver(pObserver); // kept for a controller made later
    if (m_pCtrl)
        m_pCtrl->SetObserver(pObserver);
}

bool FrequencyView::IsModified()
{
    return m_pCtrl && m_pCtrl->IsModified();
}

void FrequencyView::SetbModified(bool bModified)
{
    if (m_pCtrl)
        m_pCtrl->SetbModified(bModified);
}

std::list<MenuCommand> FrequencyView::GetMenuCommandList()
{
    return m_pCtrl ? m_pCtrl->GetMenuCommandList() : std::list<MenuCommand>();
}

void FrequencyView::OnCommand(unsigned int nCommand)
{
    if (m_pCtrl)
        m_pCtrl->OnCommand(nCommand);
}

void FrequencyView::Init(values::Node* pNode)
{
    if (m_pCtrl)
        return;
    m_pCtrl = MakeCtrl();
    m_pCtrl->SetAliasMap(GetAliasMap());
    if (m_pModifyObserver)
        m_pCtrl->SetObserver(m_pModifyObserver);
    m_pCtrl->Init(pNode);
}

FrequencyViewCtrl* FrequencyView::MakeCtrl()
{
    return new FrequencyViewCtrl(this);
}

void FrequencyView::Load(values::Node* pNode)
{
    if (m_pCtrl)
        m_pCtrl->Load(pNode);
}

void FrequencyView::Unload()
{
    if (m_pCtrl)
        m_pCtrl->Unload();
}

bool FrequencyView::IsLoaded()
{
    return m_pCtrl && m_pCtrl->IsLoaded();
}

values::Node* FrequencyView::GetCurrentFd()
{
    return m_pCtrl ? m_pCtrl->GetCurrentFd() : nullptr;
}

void FrequencyView::Changed(int nRow, int nCol)
{
    emit currentCellChanged(nRow, nCol, -1, -1);
}

void FrequencyView::sortColumn(int nCol, bool bAscending, bool bWholeRows)
{
    if (!isSortingEnabled())
    {
        Table::sortColumn(nCol, bAscending, bWholeRows);
        return;
    }
    if (nCol < 0 || nCol >= columnCount())
        return;
    bool bAnyItem = false;
    for (int nRow = 0; nRow < rowCount() && !bAnyItem; ++nRow)
        bAnyItem = item(nRow, nCol) != nullptr;
    if (!bAnyItem)
        return;
    // The header-click sort moves the rows themselves; mixing it with display swaps would
    // scramble the order, so both sorts go the same way.
    sortByColumn(nCol, bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    clearSelection();
}

void FrequencyView::resizeEvent(QResizeEvent* pEvent)
{
    Table::resizeEvent(pEvent);
    if (columnCount() < 4)
        return;
    const int nShared = columnWidth(2) + columnWidth(3);
    setColumnWidth(2, (nShared / 3) * 2);
    setColumnWidth(3, nShared - columnWidth(2));
}

int FrequencyView::SortColumn(const QTableWidget* pTable)
{
    const int nSection = pTable->horizontalHeader()->sortIndicatorSection();
    return pTable->isSortingEnabled() && nSection >= 0 && nSection < pTable->columnCount() ? nSection : -1;
}

bool FrequencyView::IsRowFree(const QTableWidget* pTable, int nRow)
{
    // Rows hold a name cell, or at least a start cell; the other columns are asked last.
    if (pTable->item(nRow, 2) || pTable->item(nRow, 0))
        return false;
    for (int nCol = 1; nCol < pTable->columnCount(); ++nCol)
    {
        if (nCol != 2 && pTable->item(nRow, nCol))
            return false;
    }
    return true;
}

void FrequencyView::RemoveRows(const std::vector<int>& vecDescending)
{
    for (size_t nFirst = 0; nFirst < vecDescending.size();)
    {
        size_t nLast = nFirst;
        while (nLast + 1 < vecDescending.size() && vecDescending[nLast + 1] == vecDescending[nLast] - 1)
            ++nLast;
        model()->removeRows(vecDescending[nLast], int(nLast - nFirst + 1));
        nFirst = nLast + 1;
    }
}

std::list<int> FrequencyView::SelectedModelRows() const
{
    // From the selection's ranges: asking each selected cell for its row can search the whole
    // table once rows above it were removed, and listing every selected index costs more than
    // the ranges themselves.
    std::list<int> listRows;
    if (!selectionModel())
        return listRows;
    std::vector<char> vecSelected(size_t(rowCount()), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
    {
        for (int nRow = range.top(); nRow <= range.bottom() && nRow < int(vecSelected.size()); ++nRow)
        {
            for (int nCol = range.left(); nCol <= range.right() && !vecSelected[size_t(nRow)]; ++nCol)
            {
                if (item(nRow, nCol))
                    vecSelected[size_t(nRow)] = 1;
            }
        }
    }
    for (size_t nRow = 0; nRow < vecSelected.size(); ++nRow)
    {
        if (vecSelected[nRow])
            listRows.push_back(int(nRow));
    }
    return listRows;
}
