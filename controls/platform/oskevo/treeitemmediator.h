#pragma once

#include "oskevo/mediator.h"

#include "kvbase/observable.h"

namespace values
{

class TreeItem;

// A mediator that observes a tree item. When the item is deleted (CC_DELETING, or CC_STATE
// in VS_DELETE) the mediator stops observing and deletes itself.
class TreeItemMediator : public Mediator, public IObserver
{
public:
    TreeItemMediator(MediatorCtrl* pCtrl, Observable* pObservable);
    ~TreeItemMediator() override;

    TreeItem* GetTreeItem() const;
    void Update(Observable* pObservable, TChangeCode code) override;
    // Deletes the model item (which in turn deletes this mediator).
    virtual void DeleteTreeItem();

    TreeItemMediator* GetParent() const { return m_pParent; }
    void SetParent(TreeItemMediator* pParent) { m_pParent = pParent; }

protected:
    // Stops observing; the model item is not touched.
    void Detach();

private:
    bool m_bObserving = true;
    TreeItemMediator* m_pParent = nullptr;
};

} // namespace values
