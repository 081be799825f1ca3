#pragma once

#include "dravinelcontrols/table.h"
#include "tolveth/itreeedit.h"

#include <QPointer>
#include <QString>

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

protected:
    // Table's even spread, then name and flag columns share their width 2 : 1.
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    QPointer<FrequencyViewCtrl> m_pCtrl;
};
