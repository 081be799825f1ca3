#pragma once

#include "dravinelcontrols/table.h"
#include "tolveth/itreeedit.h"

#include <QPointer>
#include <QString>
#include <list>
#include <vector>

class FrequencyViewCtrl;

namespace values
{
class Node;
}

// The frequency list editor a host embeds: a Table with one row per frequency definition below
// a node (start, stop, name, suppressed) that implements the tree-control editor interfaces by
// forwarding them to its FrequencyViewCtrl. The view makes its controller on the first Init
// and deletes it with itself.
class FrequencyView : public Table, public ITreeEdit
{
public:
    FrequencyView(QWidget* pParent, QString sName);
    ~FrequencyView() override;

    // Used by views that make their own controller (split view); the view then owns it too,
    // unless its maker deletes it first.
    virtual void SetCtrl(FrequencyViewCtrl* pCtrl);
    FrequencyViewCtrl* GetCtrl() const;

    void SetObserver(values::IModifyObserver* pObserver) override;
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;
    // Makes the controller unless there is one, and loads pNode (when given) through it.
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;

    // The current definition when it is a single frequency, else null.
    values::Node* GetCurrentFd();
    // Acts as if the operator had moved to the cell (row, col).
    void Changed(int nRow, int nCol);

    // The controller switches on the widget's own header-click sort, which orders the rows
    // themselves; a sort asked for here then does the same in the asked direction, so display
    // and rows never disagree. Without it, the Table's display sort applies.
    void sortColumn(int nCol, bool bAscending, bool bWholeRows) override;

    // The column of the header-click sort, or -1 while the rows stand in list order (before the
    // operator's first click the sort has no real column).
    static int SortColumn(const QTableWidget* pTable);
    // Whether model row nRow holds no cell at all.
    static bool IsRowFree(const QTableWidget* pTable, int nRow);
    // The model rows that hold a selected cell, ascending, each once: as GetSelectedRows, read
    // from the selection's ranges, which stays cheap for large selections and after rows above
    // were removed.
    std::list<int> SelectedModelRows() const;
    // Removes model rows given highest first, each run of adjacent rows in one step.
    void RemoveRows(const std::vector<int>& vecDescending);

    // Switches the header sort off while rows are added: with it on, a cell put into the sort
    // column moves its row at once, so the row's next cells would land in another row, and
    // every changed cell re-sorts the table. Switching it on again sorts once. Without a real
    // sort column nothing is paused.
    class SortingPause
    {
    public:
        explicit SortingPause(QTableWidget* pTable) : m_pTable(pTable), m_bPaused(SortColumn(pTable) >= 0)
        {
            if (m_bPaused)
                pTable->setSortingEnabled(false);
        }
        ~SortingPause()
        {
            if (m_bPaused)
                m_pTable->setSortingEnabled(true);
        }
        SortingPause(const SortingPause&) = delete;
        SortingPause& operator=(const SortingPause&) = delete;

    private:
        QTableWidget* m_pTable;
        bool m_bPaused;
    };

    // Keeps the view from opening an editor on every cell that becomes current while the rows
    // of a batch go away.
    class EditTriggerPause
    {
    public:
        explicit EditTriggerPause(QTableWidget* pTable) : m_pTable(pTable), m_triggers(pTable->editTriggers())
        {
            pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
        ~EditTriggerPause()
        {
            if (m_pTable) // an observer of the list may have deleted the view meanwhile
                m_pTable->setEditTriggers(m_triggers);
        }
        EditTriggerPause(const EditTriggerPause&) = delete;
        EditTriggerPause& operator=(const EditTriggerPause&) = delete;

    private:
        QPointer<QTableWidget> m_pTable;
        QAbstractItemView::EditTriggers m_triggers;
    };

protected:
    // The controller the first Init makes; the scenario tables make their own kind.
    virtual FrequencyViewCtrl* MakeCtrl();
    // Table's even spread, then name and flag columns share their width 2 : 1.
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    QPointer<FrequencyViewCtrl> m_pCtrl;
};
