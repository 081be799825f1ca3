#include "dravinelcontrols/table.h"

#include "dravinelcontrols/tableitem.h"
#include "oskevo/value.h"
#include "oskevo/valueselection.h"

#include <QEvent>
#include <QHeaderView>
#include <QResizeEvent>
#include <cstdlib>
#include <set>
#include <vector>

namespace
{
// One row of a sort: plain data, because qsort moves entries bytewise.
struct SortEntry
{
    TableItem* pItem;
    int nRow;
    double dKey;
    const QString* pText;
};

int CompareKeys(const void* pFirst, const void* pSecond)
{
    // Equal keys never compare equal: the order among them is left to qsort.
    return static_cast<const SortEntry*>(pFirst)->dKey > static_cast<const SortEntry*>(pSecond)->dKey ? 1
                                                                                                      : -1;
}

int CompareTexts(const void* pFirst, const void* pSecond)
{
    return QString::localeAwareCompare(*static_cast<const SortEntry*>(pFirst)->pText,
                                       *static_cast<const SortEntry*>(pSecond)->pText);
}

bool IsTextValue(values::ValueBase* pValue)
{
    return dynamic_cast<values::Value<QString>*>(pValue) || dynamic_cast<values::ValueSelection*>(pValue);
}
} // namespace

Table::Table(QWidget* pParent, const char* pszName) : QTableWidget(pParent)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    viewport()->installEventFilter(this);
}

Table::~Table() = default;

void Table::sortColumn(int nCol, bool bAscending, bool /*bWholeRows*/)
{
    const int nRows = rowCount();
    std::vector<SortEntry> vecEntries;
    std::vector<QString> vecTexts;
    vecEntries.reserve(size_t(nRows));
    vecTexts.reserve(size_t(nRows));
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        QTableWidgetItem* pCell = item(nRow, nCol);
        if (!pCell)
            continue;
        vecTexts.push_back(pCell->text());
        // The key of a text that is no number is 0; the flag is not needed.
        vecEntries.push_back({static_cast<TableItem*>(pCell), nRow, vecTexts.back().toDouble(), nullptr});
    }
    const size_t n = vecEntries.size();
    if (n == 0)
        return;
    for (size_t i = 0; i < n; ++i)
        vecEntries[i].pText = &vecTexts[i]; // the texts no longer move

    const bool bByText = IsTextValue(vecEntries.front().pItem->GetValue());
    std::qsort(vecEntries.data(), n, sizeof(SortEntry), bByText ? CompareTexts : CompareKeys);

    setUpdatesEnabled(false);
    viewport()->setUpdatesEnabled(false);
    QHeaderView* pHeader = verticalHeader();
    // Where each model row is shown and which row each position shows, kept here in step with
    // the swaps, so the loop asks the header nothing and stays linear for long lists.
    std::vector<int> vecVisualOfRow(static_cast<size_t>(nRows));
    std::vector<int> vecRowAtVisual(static_cast<size_t>(nRows));
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        const int nVisual = pHeader->visualIndex(nRow);
        vecVisualOfRow[size_t(nRow)] = nVisual;
        vecRowAtVisual[size_t(nVisual)] = nRow;
    }
    for (size_t i = 0; i < n; ++i)
    {
        const int nTarget = int(bAscending ? i : n - 1 - i);
        const int nRow = vecEntries[i].nRow;
        const int nVisual = vecVisualOfRow[size_t(nRow)];
        if (nVisual == nTarget)
            continue;
        pHeader->swapSections(nVisual, nTarget);
        const int nOtherRow = vecRowAtVisual[size_t(nTarget)];
        vecVisualOfRow[size_t(nRow)] = nTarget;
        vecVisualOfRow[size_t(nOtherRow)] = nVisual;
        vecRowAtVisual[size_t(nTarget)] = nRow;
        vecRowAtVisual[size_t(nVisual)] = nOtherRow;
    }
    setUpdatesEnabled(true);
    viewport()->setUpdatesEnabled(true);
    update();
    clearSelection();
    horizontalHeader()->setSortIndicator(nCol, Qt::DescendingOrder);
}

void Table::SelectRow(int nRow, bool bSelect)
{
    if (nRow < 0)
        return;
    const int nCols = columnCount();
    for (int nCol = 0; nCol < nCols; ++nCol)
    {
        if (QTableWidgetItem* pCell = item(nRow, nCol))
            pCell->setSelected(bSelect);
    }
}

std::list<int> Table::GetSelectedRows()
{
    std::set<int> setRows;
    const QList<QTableWidgetItem*> listItems = selectedItems();
    for (QTableWidgetItem* pCell : listItems)
    {
        if (pCell)
            setRows.insert(pCell->row());
    }
    return std::list<int>(setRows.begin(), setRows.end());
}

void Table::swapRows(int nRow1, int nRow2)
{
    const int nRows = rowCount();
    if (nRow1 < 0 || nRow1 >= nRows || nRow2 < 0 || nRow2 >= nRows)
        return;
    verticalHeader()->swapSections(nRow1, nRow2);
}

void Table::swapCells(int nRow1, int nCol1, int nRow2, int nCol2)
{
    const int nCols = columnCount();
    if (nCol1 < 0 || nCol1 >= nCols || nCol2 < 0 || nCol2 >= nCols)
        return;
    swapRows(nRow1, nRow2);
}

void Table::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractItemView::resizeEvent(pEvent);
    const int nAvailable = width() - verticalHeader()->width() - 2 * frameWidth();
    const int nCols = columnCount();
    if (nCols <= 0)
        return;
    const int nEach = nAvailable / nCols;
    for (int nCol = 0; nCol < nCols; ++nCol)
        setColumnWidth(nCol, nEach);
    // The last column takes what the division leaves over.
    setColumnWidth(nCols - 1, nAvailable - (nCols - 1) * nEach);
}

bool Table::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // Focus changes of cell widgets must not move the current cell, so the item view's own
    // filter is passed over for them, and for everything else too.
    if (pEvent->type() == QEvent::FocusIn || pEvent->type() == QEvent::FocusOut)
        return false;
    return QAbstractScrollArea::eventFilter(pObject, pEvent);
}
