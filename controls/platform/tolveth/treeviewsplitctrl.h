#pragma once

#include "tolveth/treeviewbasectrl.h"

#include <QPointer>
#include <QWidget>

// The controller of a split tree view: the tree items are TviNodeSplits, and the display
// of the current item is shown in the display area; the previous item's display is
// removed (DeleteDisplay) when another item becomes current.
class TreeViewSplitCtrl : public TreeViewBaseCtrl
{
    Q_OBJECT

public:
    explicit TreeViewSplitCtrl(ITreeListView* pView);
    explicit TreeViewSplitCtrl(TreeViewBase* pBase = nullptr, QWidget* pParent = nullptr,
                               values::Node* pRoot = nullptr, QTreeWidgetItem* pParentItem = nullptr);
    ~TreeViewSplitCtrl() override;

    QWidget* GetDisplayArea() const { return m_pDisplayArea; }
    void SetDisplayArea(QWidget* pDisplayArea) { m_pDisplayArea = pDisplayArea; }

    // The default item: a TviNodeSplit.
    values::Mediator* CreateMediator(Observable* pObservable) override;
    void CurrentChangesTo(TreeViewItem* pTvi) override;

protected:
    QPointer<QWidget> m_pDisplayArea;
};
