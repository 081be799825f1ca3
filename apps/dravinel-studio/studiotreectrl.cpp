#include "studiotreectrl.h"

#include "studiotvi.h"

#include "oskevo/treeitem.h"

StudioTreeCtrl::StudioTreeCtrl(ITreeListView* pView) : TreeViewSplitCtrl(pView)
{
}

values::Mediator* StudioTreeCtrl::CreateMediator(Observable* pObservable)
{
    values::TreeItem* pItem = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pItem || !pItem->GetNode(QString()))
        return nullptr;
    StudioTvi* pTvi = new StudioTvi(this, m_pDisplayArea, pItem);
    pTvi->SetAliasMap(GetAliasMap());
    pTvi->Init();
    return pTvi;
}
