#include "dravineldefinition/controldata.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/node.h"
#include "oskevo/valueselection.h"

namespace DravinelDefinition
{

ControlData::ControlData(IDeviceDefinition* pDefinition, values::Node* pDcd)
    : m_pDefinition(pDefinition), m_pNode(pDcd)
{
    if (m_pNode)
        m_pNode->AddObserver(this);
}

ControlData::~ControlData()
{
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    if (m_pDefinition && m_pDefinition->GetControlData() == this)
        m_pDefinition->SetControlData(nullptr);
}

int ControlData::GetJobDeviceType() const
{
    values::Node* pAttr = m_pNode ? m_pNode->GetChildNode(&g_vdNodeDcdAttr) : nullptr;
    auto* pType = pAttr ? dynamic_cast<values::ValueSelection*>(pAttr->GetChildValue(&g_vdDcdType)) : nullptr;
    return pType ? pType->GetCurrentKey() : -1;
}

void ControlData::Update(Observable* pObservable, TChangeCode code)
{
    if (m_pNode && pObservable == m_pNode && code == values::CC_DELETING)
    {
        m_pNode->DeleteObserver(this);
        m_pNode = nullptr;
    }
}

} // namespace DravinelDefinition
