#include "dravineldefinition/tablerules.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinition.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/nodefactory.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/node.h"
#include "oskevo/valueselection.h"
#include "oskevo/vttransaction.h"

namespace DravinelDefinition
{

namespace
{

// Marks a new subtree as made for one device type.
void ApplyDeviceType(values::Node* pNode, int nType)
{
    for (values::TreeItem* pItem : pNode->GetTreeItems())
    {
        if (values::Node* pChild = pItem->AsNode())
        {
            ApplyDeviceType(pChild, nType);
            continue;
        }
        const values::ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
        if (pDescriptor == &g_vdDevType || pDescriptor == &g_vdDcdType)
            if (auto* pSelection = dynamic_cast<values::ValueSelection*>(pItem))
                pSelection->SelectKey(nType);
    }
}

bool IsAncestorOrSelf(const values::Node* pNode, const values::Node* pDescendant)
{
    for (const values::Node* p = pDescendant; p; p = p->GetParentNode())
        if (p == pNode)
            return true;
    return false;
}

} // namespace

TableRules::TableRules(DeviceDefinition* pDefinition, const NodeRule& rule)
    : m_pDefinition(pDefinition), m_rule(rule)
{
    for (const ChildRule& child : m_rule.vecChildren)
        m_listChildren.push_back(child.pDescriptor);
}

const values::Node* TableRules::Subject(const values::Node* pNode) const
{
    // Asked about an owner, the rules of a parameter set answer for the owner's set.
    if (pNode && m_rule.pNode == &g_vdNodePar && pNode->GetValueDescriptor() != &g_vdNodePar)
        return pNode->GetChildNode(&g_vdNodePar);
    return pNode;
}

const values::Node* TableRules::Owner(const values::Node* pNode) const
{
    if (!pNode)
        return nullptr;
    return pNode->GetValueDescriptor() == m_rule.pNode ? pNode->GetParentNode() : pNode;
}

bool TableRules::IsOwnerAllowed(const ChildRule& child, const values::Node* pOwner) const
{
    switch (child.eOwner)
    {
    case ChildRule::OWNER_ANY:
        return true;
    case ChildRule::OWNER_SCENARIO:
        return DravinelTree::IsScenarioOwner(pOwner);
    case ChildRule::OWNER_RECEIVER:
        return !DravinelTree::IsScenarioOwner(pOwner);
    }
    return false;
}

void TableRules::GetCreatableDescriptors(const values::Node* pNode, values::DescriptorList& list) const
{
    list.clear();
    const values::Node* pSubject = Subject(pNode);
    const values::Node* pOwner = Owner(pNode);
    for (const ChildRule& child : m_rule.vecChildren)
    {
        if (!child.bCreatable || !child.bAddable || !IsOwnerAllowed(child, pOwner))
            continue;
        if (child.bUnique && pSubject && pSubject->GetChildNode(child.pDescriptor))
            continue;
        list.push_back(child.pDescriptor);
    }
}

bool TableRules::IsAddAllowed(const values::Node* pTarget, const values::ValueDescriptor* pDescriptor) const
{
    const ChildRule* pChild = m_rule.FindChild(pDescriptor);
    return pChild && pChild->bAddable && IsOwnerAllowed(*pChild, Owner(pTarget));
}

bool TableRules::IsUnique(const values::ValueDescriptor* pDescriptor) const
{
    const ChildRule* pChild = m_rule.FindChild(pDescriptor);
    return pChild && pChild->bUnique;
}

QString TableRules::NewChildName(const values::Node* pTarget, const ChildRule& child)
{
    const QString sBase = child.pDescriptor->DefaultItemName();
    if (child.bNumbered)
    {
        // Lists built here are numbered without gaps, so the child count is normally free.
        for (int n = pTarget->GetChildCount();; ++n)
        {
            const QString sName = sBase + QStringLiteral("%1").arg(n, 5, 10, QLatin1Char('0'));
            if (!pTarget->GetChildValueItem(sName))
                return sName;
        }
    }
    return pTarget->GetChildValueItem(sBase) ? pTarget->MakeUniqueName(sBase) : sBase;
}

values::Node* TableRules::AddNode(values::Node* pTarget, values::Node* pNode, IObserver* pOriginator)
{
    if (!pNode || IsAncestorOrSelf(pNode, pTarget))
        return nullptr;
    const values::ValueDescriptor* pDescriptor = pNode->GetValueDescriptor();
    const ChildRule* pChild = m_rule.FindChild(pDescriptor);
    if (!pTarget || !IsAddAllowed(pTarget, pDescriptor) ||
        (pChild->bUnique && pTarget->GetChildNode(pDescriptor)))
    {
        delete pNode;
        return nullptr;
    }
    if (values::Node* pOldParent = pNode->GetParentNode())
        pOldParent->TakeItem(pNode, pOriginator);
    NodeFactory::Complete(pNode);
    if (pChild->bNumbered)
    {
        const QString& sName = pNode->GetName();
        if (!sName.startsWith(pDescriptor->DefaultItemName()) || pTarget->GetChildValueItem(sName))
            pNode->SetName(NewChildName(pTarget, *pChild));
        pTarget->AddItem(pNode, pOriginator);
    }
    else
    {
        pTarget->AddItemUnique(pNode, pOriginator);
    }
    return pNode;
}

values::Node* TableRules::CreateChild(values::Node* pTarget, const values::ValueDescriptor* pDescriptor,
                                      IObserver* pOriginator)
{
    if (!pTarget || !pDescriptor)
        return nullptr;
    for (const RoutedChild& routed : m_rule.vecRouted)
    {
        if (routed.pDescriptor != pDescriptor)
            continue;
        values::Node* pVia = pTarget->GetChildNode(routed.pVia);
        if (!pVia)
            pVia = CreateChild(pTarget, routed.pVia, pOriginator);
        values::IDynamicRules* pViaRules = pVia ? m_pDefinition->GetRulesMap().Find(routed.pVia) : nullptr;
        return pViaRules ? pViaRules->CreateChild(pVia, pDescriptor, pOriginator) : nullptr;
    }

    const ChildRule* pChild = m_rule.FindChild(pDescriptor);
    if (!IsAddAllowed(pTarget, pDescriptor))
        return nullptr;
    values::Node* pExisting = pChild->bUnique ? pTarget->GetChildNode(pDescriptor) : nullptr;
    if (pExisting && pExisting->GetChildCount() > 0)
        return nullptr;

    values::Node* pNode = NodeFactory::Build(pDescriptor, NewChildName(pTarget, *pChild));
    if (const NodeRule* pOwnRule = m_pDefinition->FindRule(pDescriptor))
    {
        for (const DefaultChild& def : pOwnRule->vecDefaults)
        {
            values::Node* pDefault = NodeFactory::Build(def.pDescriptor);
            for (const values::ValueDescriptor* pGrandChild : def.vecChildren)
                pDefault->AddItem(NodeFactory::Build(pGrandChild));
            pNode->AddItemUnique(pDefault);
        }
    }
    ApplyDeviceType(pNode, m_pDefinition->GetType());
    if (!pExisting)
    {
        pTarget->AddItem(pNode, pOriginator);
        return pNode;
    }
    // A bare node made by path (e.g. "<job node>/Dcd") takes what a new one would have.
    values::VtTransaction transaction;
    while (pNode->GetChildCount() > 0)
        pExisting->AddItem(pNode->TakeItem(pNode->GetTreeItems().front()), pOriginator);
    delete pNode;
    return pExisting;
}

} // namespace DravinelDefinition
