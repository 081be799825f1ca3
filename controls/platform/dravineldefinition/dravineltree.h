#pragma once

namespace values
{
class Node;
class ValueDescriptor;
} // namespace values

namespace DravinelDefinition
{

// Look-ups and builders over the standard device tree.
//
// Parameter sets are inherited: a frequency definition uses its own parameter groups and takes
// each group it lacks from the nearest ancestor (list, control set, control data, device) whose
// parameter set (child g_vdNodePar) holds one.
class DravinelTree
{
public:
    // Builds one kind of parameter group below a parameter set, with all its values at their
    // defaults, whatever the device type.
    class GroupBuilder
    {
    public:
        constexpr explicit GroupBuilder(const values::ValueDescriptor* pDescriptor)
            : m_pDescriptor(pDescriptor)
        {
        }
        const values::ValueDescriptor* GetDescriptor() const { return m_pDescriptor; }
        // The group below pParameterSet (a node of descriptor g_vdNodePar): the existing one, or
        // a new one appended. Null for a null node or one that is no parameter set.
        values::Node* InsertChild(values::Node* pParameterSet) const;

    private:
        const values::ValueDescriptor* m_pDescriptor;
    };

    static const GroupBuilder Det;      // g_vdNodeDet
    static const GroupBuilder DfSearch; // g_vdNodeDfSearch
    static const GroupBuilder If;       // g_vdNodeIf
    static const GroupBuilder Demod;    // g_vdNodeDemod

    // The parameter group of that type (e.g. &g_vdNodeIf) that applies to a frequency
    // definition: its own, else the nearest ancestor's; null if none. With g_vdNodePar itself,
    // the nearest parameter set.
    static values::Node* GetParameterSetForFd(const values::ValueDescriptor* pDescriptor, values::Node* pFd);
    // The group of that type in the parameter set of pNode or of the nearest of its ancestors
    // that has one; null if none. A parameter set met on the way up counts as the parameter set
    // of its owner.
    static values::Node* GetAncestorParameterSet(const values::ValueDescriptor* pDescriptor,
                                                 values::Node* pNode);
    // The parameter set directly below pNode (the group's own set when pNode is a group).
    static values::Node* GetParameterSet(values::Node* pNode);
    // Whether a node is a scenario owner (emission, emitter, movement), whose parameter set
    // holds scenario groups instead of receiver groups.
    static bool IsScenarioOwner(const values::Node* pNode);

    DravinelTree() = delete;
};

} // namespace DravinelDefinition
