#pragma once

#include <vector>

namespace values
{
class ValueDescriptor;
}

namespace DravinelDefinition
{

// One kind of child a node type may hold.
struct ChildRule
{
    enum Owner
    {
        OWNER_ANY,      // wherever the node stands
        OWNER_RECEIVER, // only in parameter sets of devices, jobs, control sets, frequency definitions
        OWNER_SCENARIO, // only in parameter sets of emissions, emitters and movements
    };

    const values::ValueDescriptor* pDescriptor;
    bool bUnique = false;   // at most one such child
    bool bCreatable = true; // offered as a new child
    bool bAddable = true;   // may be added (created, pasted); false: existing ones are only kept
    bool bNumbered = false; // named with the type name and five digits ("Fd00007")
    Owner eOwner = OWNER_ANY;
};

// A child made together with a new node, with children of its own.
struct DefaultChild
{
    const values::ValueDescriptor* pDescriptor;
    std::vector<const values::ValueDescriptor*> vecChildren;
};

// A node type that is created inside one of its own children (e.g. an emission-list entry
// asked of a frequency group goes into the group's list node, made when missing).
struct RoutedChild
{
    const values::ValueDescriptor* pDescriptor;
    const values::ValueDescriptor* pVia;
};

// The rules of one node type of one device type: a row of the device definition's rule table.
struct NodeRule
{
    const values::ValueDescriptor* pNode = nullptr;
    std::vector<ChildRule> vecChildren; // in the order the editors show them
    std::vector<DefaultChild> vecDefaults;
    std::vector<RoutedChild> vecRouted;

    const ChildRule* FindChild(const values::ValueDescriptor* pDescriptor) const
    {
        for (const ChildRule& rule : vecChildren)
            if (rule.pDescriptor == pDescriptor)
                return &rule;
        return nullptr;
    }
};

} // namespace DravinelDefinition
