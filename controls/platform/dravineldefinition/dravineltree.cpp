#include "dravineldefinition/dravineltree.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/nodefactory.h"
#include "oskevo/node.h"

namespace DravinelDefinition
{

const DravinelTree::GroupBuilder DravinelTree::Det(&g_vdNodeDet);
const DravinelTree::GroupBuilder DravinelTree::DfSearch(&g_vdNodeDfSearch);
const DravinelTree::GroupBuilder DravinelTree::If(&g_vdNodeIf);
const DravinelTree::GroupBuilder DravinelTree::Demod(&g_vdNodeDemod);

values::Node* DravinelTree::GroupBuilder::InsertChild(values::Node* pParameterSet) const
{
    if (!pParameterSet || pParameterSet->GetValueDescriptor() != &g_vdNodePar)
        return nullptr;
    if (values::Node* pGroup = pParameterSet->GetChildNode(m_pDescriptor))
        return pGroup;
    // A foreign item of the group's name keeps its place; the group gets a fresh name.
    return static_cast<values::Node*>(pParameterSet->AddItemUnique(NodeFactory::Build(m_pDescriptor)));
}

values::Node* DravinelTree::GetParameterSet(values::Node* pNode)
{
    if (!pNode)
        return nullptr;
    if (pNode->GetValueDescriptor() == &g_vdNodePar)
        return pNode;
    return pNode->GetChildNode(&g_vdNodePar);
}

bool DravinelTree::IsScenarioOwner(const values::Node* pNode)
{
    if (!pNode)
        return false;
    const values::ValueDescriptor* pDescriptor = pNode->GetValueDescriptor();
    return pDescriptor == &g_vdNodeIndEm || pDescriptor == &g_vdNodeIndEmi || pDescriptor == &g_vdNodeIndMov;
}

values::Node* DravinelTree::GetAncestorParameterSet(const values::ValueDescriptor* pDescriptor,
                                                    values::Node* pNode)
{
    if (!pDescriptor)
        return nullptr;
    for (values::Node* pOwner = pNode; pOwner; pOwner = pOwner->GetParentNode())
    {
        // A parameter set (or a group in one) is looked at from its owner, further up.
        if (pOwner->GetValueDescriptor() == &g_vdNodePar)
            continue;
        values::Node* pSet = pOwner->GetChildNode(&g_vdNodePar);
        if (!pSet)
            continue;
        if (pDescriptor == &g_vdNodePar)
            return pSet;
        if (values::Node* pGroup = pSet->GetChildNode(pDescriptor))
            return pGroup;
    }
    return nullptr;
}

values::Node* DravinelTree::GetParameterSetForFd(const values::ValueDescriptor* pDescriptor,
                                                 values::Node* pFd)
{
    return GetAncestorParameterSet(pDescriptor, pFd);
}

} // namespace DravinelDefinition
