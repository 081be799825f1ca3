#pragma once

#include <QTableWidget>
#include <list>

// The grid of the list editors. Every cell holds a TableItem bound to one value. On top of the
// plain widget it sorts a column by text or by number (from the kind of the bound values) by
// moving rows in the display only, offers selection operations on whole rows, spreads the
// available width evenly over all columns on every resize, and filters its viewport's events.
// Row numbers given to and returned by the row operations are model rows: they stay the same
// whatever the display order.
class Table : public QTableWidget
{
public:
    explicit Table(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~Table() override;

    // Sorts the rows that have an item in nCol; bWholeRows has no effect (rows always move
    // whole). Afterwards the selection is cleared and the header shows a descending indicator on
    // nCol whichever way was sorted. A column without items changes nothing.
    virtual void sortColumn(int nCol, bool bAscending, bool bWholeRows);

    // Selects or deselects every item of model row nRow; a negative row does nothing.
    void SelectRow(int nRow, bool bSelect);
    // Model rows of all selected items, ascending, each once.
    std::list<int> GetSelectedRows();
    // Swap two display positions; out-of-range numbers do nothing.
    void swapRows(int nRow1, int nRow2);
    void swapCells(int nRow1, int nCol1, int nRow2, int nCol2);

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
};
