#pragma once

#include "oskevo/treeitemmediator.h"

namespace values
{

class Node;

// A tree-item mediator for a node that makes mediators for the node's children through
// its controller's factory.
class NodeMediator : public TreeItemMediator
{
public:
    NodeMediator(MediatorCtrl* pCtrl, Observable* pObservable);

    Node* GetNode() const;
    // Makes the mediator of one child unless it has one or may not get one; returns it.
    virtual Mediator* InsertTreeItemChild(TreeItem* pChild);
    // Makes the missing mediators of all children, and of theirs, recursively.
    virtual void UpdateViewItemChildListRecursive();
    // Whether a child gets a mediator; the default: child nodes do, values don't.
    virtual bool InsertChildAllowed(TreeItem* pChild);
};

} // namespace values
