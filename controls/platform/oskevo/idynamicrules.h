#pragma once

#include <list>

class IObserver;

namespace values
{

class Node;
class ValueDescriptor;

typedef std::list<const ValueDescriptor*> DescriptorList;

// What may stand below a node of one type, and how children are made and added.
class IDynamicRules
{
public:
    virtual ~IDynamicRules() = default;

    // The descriptors of which a new child may be created under pNode now (unique ones
    // that exist already are left out).
    virtual void GetCreatableDescriptors(const Node* pNode, DescriptorList& list) const = 0;
    // All child descriptors of the type, in their order.
    virtual const DescriptorList& GetChildDescriptors() const = 0;
    // Whether a child of that descriptor may stand under pTarget at all.
    virtual bool IsAddAllowed(const Node* pTarget, const ValueDescriptor* pDescriptor) const = 0;
    // Adds pNode (owned from now on, whatever the outcome) under pTarget, giving it a
    // unique name; answers the added node, or null when the rules refuse it (then it is
    // deleted).
    virtual Node* AddNode(Node* pTarget, Node* pNode, IObserver* pOriginator) = 0;
    // Creates a new child of that descriptor under pTarget with its attribute child and
    // default values; null when not allowed.
    virtual Node* CreateChild(Node* pTarget, const ValueDescriptor* pDescriptor, IObserver* pOriginator) = 0;
    // Whether at most one child of that descriptor may exist.
    virtual bool IsUnique(const ValueDescriptor* pDescriptor) const = 0;
};

} // namespace values
