#pragma once

// Helpers shared by the device-definition tests.

#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "kvbase/observable.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace DefinitionTesting
{

inline values::IDynamicRules* Rules(int nType, const values::ValueDescriptor* pDescriptor)
{
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance().GetDeviceDefinition(nType);
    return pDefinition ? pDefinition->GetRulesMap().Find(pDescriptor) : nullptr;
}

inline const values::ValueDescriptor* Descriptor(const QString& sName)
{
    return values::ValueDescriptor::Find(sName);
}

inline QStringList Names(const values::DescriptorList& list)
{
    QStringList names;
    for (const values::ValueDescriptor* pDescriptor : list)
        names << (pDescriptor ? pDescriptor->Name() : QStringLiteral("<null>"));
    return names;
}

// "Name[Child,Child[...]]": the node and its child nodes, recursively; values left out.
inline QString Signature(const values::Node* pNode)
{
    if (!pNode)
        return QStringLiteral("<null>");
    QStringList children;
    for (values::TreeItem* pItem : pNode->GetTreeItems())
        if (values::Node* pChild = pItem->AsNode())
            children << Signature(pChild);
    return children.isEmpty() ? pNode->GetName() : pNode->GetName() + '[' + children.join(',') + ']';
}

// The child of that type, made through the rules of nType when missing.
inline values::Node* Child(int nType, values::Node* pParent, const values::ValueDescriptor* pDescriptor)
{
    if (values::Node* pChild = pParent->GetChildNode(pDescriptor))
        return pChild;
    values::IDynamicRules* pRules = Rules(nType, pParent->GetValueDescriptor());
    return pRules ? pRules->CreateChild(pParent, pDescriptor, nullptr) : nullptr;
}

// Walks (and makes) the chain of types below pRoot; answers the last node.
inline values::Node* Chain(int nType, values::Node* pRoot, const QStringList& listTypes)
{
    values::Node* pNode = pRoot;
    for (const QString& sType : listTypes)
        if (pNode)
            pNode = Child(nType, pNode, Descriptor(sType));
    return pNode;
}

// A root node of the standard type, not in the process-wide tree.
inline std::unique_ptr<values::Node> NewRoot()
{
    return std::unique_ptr<values::Node>(
        new values::Node(QStringLiteral("Root"), Descriptor(QStringLiteral("Root"))));
}

// Counts the notifications of one code.
class CodeCounter : public IObserver
{
public:
    explicit CodeCounter(TChangeCode code) : m_code(code) {}
    void Update(Observable*, TChangeCode code) override
    {
        if (code == m_code)
            ++m_nCount;
    }
    int Count() const { return m_nCount; }

private:
    TChangeCode m_code;
    int m_nCount = 0;
};

// Restores the default device type when a test ends.
class DefaultDeviceGuard
{
public:
    DefaultDeviceGuard() : m_nType(DravinelDefinition::DeviceDefinitionCenter::Instance().GetDefaultDevice())
    {
    }
    ~DefaultDeviceGuard()
    {
        DravinelDefinition::DeviceDefinitionCenter::Instance().SetDefaultDevice(m_nType);
    }

private:
    int m_nType;
};

} // namespace DefinitionTesting
