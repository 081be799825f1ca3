#pragma once

#include "dravineldefinition/noderule.h"
#include "oskevo/idynamicrules.h"

#include <QString>

namespace values
{
class Node;
}

namespace DravinelDefinition
{

class DeviceDefinition;

// The rules of one node type, driven by its row of the device definition's rule table.
//
// A parameter set's receiver groups (detection, DF search, IF, demodulation) and its scenario
// groups (general, emission, movement settings) depend on the set's owner: a set below an
// emission, emitter or movement holds scenario groups, any other set receiver groups. Asked
// about an owner that has no parameter set yet, the rules of g_vdNodePar answer for the set the
// owner would get.
class TableRules : public values::IDynamicRules
{
public:
    TableRules(DeviceDefinition* pDefinition, const NodeRule& rule);

    void GetCreatableDescriptors(const values::Node* pNode, values::DescriptorList& list) const override;
    const values::DescriptorList& GetChildDescriptors() const override { return m_listChildren; }
    bool IsAddAllowed(const values::Node* pTarget, const values::ValueDescriptor* pDescriptor) const override;
    // Refuses (and deletes) a node of a type not allowed here, or a second one of a unique type;
    // otherwise completes its shape, renames it when its name is taken (numbered types also
    // when the name lacks the type name) and appends it. A node that holds pTarget itself is
    // refused and left where it is.
    values::Node* AddNode(values::Node* pTarget, values::Node* pNode, IObserver* pOriginator) override;
    // The new child gets its attribute child, values at their defaults, its fixed and default
    // children, and the device type of this definition in its DevType/DcdType values. Null when
    // the type may not stand here, or is unique and there already; an existing unique child
    // that is still bare (no items, e.g. made by path) is given all that instead and answered.
    values::Node* CreateChild(values::Node* pTarget, const values::ValueDescriptor* pDescriptor,
                              IObserver* pOriginator) override;
    bool IsUnique(const values::ValueDescriptor* pDescriptor) const override;

    const NodeRule& GetRule() const { return m_rule; }
    // The name a new child of that rule would get under pTarget.
    static QString NewChildName(const values::Node* pTarget, const ChildRule& child);

private:
    // The node whose children count (the set itself, or an owner's set) and the set's owner.
    const values::Node* Subject(const values::Node* pNode) const;
    const values::Node* Owner(const values::Node* pNode) const;
    bool IsOwnerAllowed(const ChildRule& child, const values::Node* pOwner) const;

    DeviceDefinition* m_pDefinition;
    NodeRule m_rule;
    values::DescriptorList m_listChildren;
};

} // namespace DravinelDefinition
