#include "tolveth/treeviewsplitctrl.h"

#include "oskevo/node.h"
#include "tolveth/treeviewsplit.h"
#include "tolveth/tvinodesplit.h"

TreeViewSplitCtrl::TreeViewSplitCtrl(ITreeListView* pView) : TreeViewBaseCtrl(pView)
{
    if (TreeViewSplit* pSplit = dynamic_cast<TreeViewSplit*>(pView))
        m_pDisplayArea = pSplit->GetDisplayArea();
}

TreeViewSplitCtrl::TreeViewSplitCtrl(TreeViewBase* pBase, QWidget* pParent, values::Node* pRoot,
                                     QTreeWidgetItem* pParentItem)
    : TreeViewBaseCtrl(pBase, pParent, pRoot, pParentItem)
{
}

TreeViewSplitCtrl::~TreeViewSplitCtrl()
{
    // The items' displays go while this controller is whole.
    Unload();
}

values::Mediator* TreeViewSplitCtrl::CreateMediator(Observable* pObservable)
{
    values::TreeItem* pItem = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pItem || !pItem->GetNode(QString()))
        return nullptr;
    TviNodeSplit* pTvi = new TviNodeSplit(this, m_pDisplayArea, pItem);
    pTvi->SetAliasMap(GetAliasMap());
    pTvi->Init();
    return pTvi;
}

void TreeViewSplitCtrl::CurrentChangesTo(TreeViewItem* pTvi)
{
    TreeViewItem* pOld = CurrentTvi();
    if (pOld == pTvi)
        return;
    TreeViewBaseCtrl::CurrentChangesTo(pTvi);
    if (TviNodeSplit* pSplit = dynamic_cast<TviNodeSplit*>(pOld))
        pSplit->DeleteDisplay();
    if (TviNodeSplit* pSplit = dynamic_cast<TviNodeSplit*>(pTvi))
        pSplit->CreateDisplay();
}
