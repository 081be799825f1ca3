#include "oskevo/treeitemmediator.h"

#include "oskevo/node.h"
#include "oskevo/valuebase.h"

#include "kvbase/errorhandler.h"

namespace values
{

TreeItemMediator::TreeItemMediator(MediatorCtrl* pCtrl, Observable* pObservable)
    : Mediator(pCtrl, pObservable)
{
    if (pObservable)
        pObservable->AddObserver(this);
    else
        m_bObserving = false;
}

TreeItemMediator::~TreeItemMediator()
{
    Detach();
}

TreeItem* TreeItemMediator::GetTreeItem() const
{
    // Once detached the item may be gone: never hand it out then.
    return m_bObserving ? dynamic_cast<TreeItem*>(GetObservable()) : nullptr;
}

void TreeItemMediator::Update(Observable* pObservable, TChangeCode code)
{
    if (!m_bObserving || pObservable != GetObservable())
        return;
    bool bDeleted = code == CC_DELETING;
    if (code == CC_STATE)
    {
        ValueBase* pValue = dynamic_cast<ValueBase*>(pObservable);
        bDeleted = pValue && pValue->GetState() == VS_DELETE;
    }
    if (!bDeleted)
        return;
    Detach();
    delete this;
}

void TreeItemMediator::DeleteTreeItem()
{
    TreeItem* pItem = GetTreeItem();
    if (!pItem)
        return;
    // Only items that stand in a tree are deleted here; a free-standing item belongs to
    // whoever made it.
    Node* pParent = pItem->GetParentNode();
    KV_ASSERT(pParent, "oskevo/treeitemmediator", __LINE__);
    if (pParent)
        pParent->DeleteItem(pItem, nullptr);
}

void TreeItemMediator::Detach()
{
    if (!m_bObserving)
        return;
    m_bObserving = false;
    if (Observable* pObservable = GetObservable())
        pObservable->DeleteObserver(this);
}

} // namespace values
