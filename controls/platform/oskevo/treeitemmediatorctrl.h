#pragma once

#include "oskevo/mediatorctrl.h"

class IObserver;

namespace values
{

class Node;
class ValueBase;
class ValueDescriptor;

// A mediator controller over one node.
class TreeItemMediatorCtrl : public MediatorCtrl
{
public:
    virtual void Init(Node* pNode) { m_pNode = pNode; }
    Node* GetNode() const { return m_pNode; }

    // The value of the descriptor below pNode (made if missing), registered with pObserver.
    // Throws KVException "Wrong type assumed for %1." when the item found is no value.
    static ValueBase* CreateValue(Node* pNode, const ValueDescriptor* pDescriptor, IObserver* pObserver);

protected:
    Node* m_pNode = nullptr;
};

} // namespace values
