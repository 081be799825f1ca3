#include "oskevo/nodemediator.h"

#include "oskevo/mediatorctrl.h"
#include "oskevo/node.h"

namespace values
{

NodeMediator::NodeMediator(MediatorCtrl* pCtrl, Observable* pObservable)
    : TreeItemMediator(pCtrl, pObservable)
{
}

Node* NodeMediator::GetNode() const
{
    TreeItem* pItem = GetTreeItem();
    return pItem ? pItem->AsNode() : nullptr;
}

Mediator* NodeMediator::InsertTreeItemChild(TreeItem* pChild)
{
    MediatorCtrl* pCtrl = GetMediatorCtrl();
    if (!pChild || !pCtrl || !InsertChildAllowed(pChild))
        return nullptr;
    if (Mediator* pExisting = pCtrl->GetMediator(pChild))
        return pExisting;
    Mediator* pMediator = pCtrl->CreateMediator(pChild);
    if (TreeItemMediator* pItemMediator = dynamic_cast<TreeItemMediator*>(pMediator))
        pItemMediator->SetParent(this);
    return pMediator;
}

void NodeMediator::UpdateViewItemChildListRecursive()
{
    Node* pNode = GetNode();
    if (!pNode)
        return;
    // By index over the live list: a mediator's making may change the children.
    for (int i = 0; i < pNode->GetChildCount(); ++i)
    {
        TreeItem* pChild = pNode->GetTreeItems()[size_t(i)];
        if (NodeMediator* pChildMediator = dynamic_cast<NodeMediator*>(InsertTreeItemChild(pChild)))
            pChildMediator->UpdateViewItemChildListRecursive();
    }
}

bool NodeMediator::InsertChildAllowed(TreeItem* pChild)
{
    return pChild && pChild->IsNode();
}

} // namespace values
