#include "tvidcd.h"

#include "dravineldefinition/controldata.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valueselection.h"

using namespace DravinelDefinition;

TviDcd::TviDcd(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

TviDcd::~TviDcd()
{
    ReleaseValue(m_pName);
    ReleaseValue(m_pType);
}

void TviDcd::Init()
{
    AssignNameAndType();
    TviNodeSplit::Init();
}

values::Node* TviDcd::GetOwnerNode() const
{
    values::Node* pNode = GetNode();
    return pNode ? pNode->GetParentNode() : nullptr;
}

void TviDcd::AssignNameAndType()
{
    values::Node* pOwner = GetOwnerNode();
    if (!m_pName)
        m_pName = HoldValue<values::Value<QString>>(pOwner, g_vdDcdName);
    // The type is taken afresh each time: a replaced attribute node brings a new value.
    ReleaseValue(m_pType);
    m_pType = HoldValue<values::ValueSelection>(pOwner, g_vdDcdType);
    if (!m_pType || m_pControlData)
        return;
    DeviceDefinitionCenter& center = DeviceDefinitionCenter::Instance();
    center.SetDefaultDevice(m_pType->GetCurrentKey());
    IDeviceDefinition* pDynRulSet = center.GetDeviceDefinition(-1);
    KV_ASSERT(pDynRulSet, "dravinelcontrols/tvidcd", __LINE__);
    if (!pDynRulSet)
        return;
    m_pControlData.reset(pDynRulSet->CreateControlData(GetNode()));
    if (m_pControlData)
        pDynRulSet->SetControlData(m_pControlData.get());
}

QString TviDcd::GetName()
{
    values::Node* pOwner = GetOwnerNode();
    const QString sType = ReadText(pOwner, g_vdDcdType);
    const QString sName = ReadText(pOwner, g_vdDcdName);
    return (sName.isEmpty() ? "<" + tr("Name") + ">" : sName) + " [" +
           (sType.isEmpty() ? "<" + tr("Type") + ">" : sType) + "]";
}

const values::ValueDescriptor* TviDcd::GetVdAttr() const
{
    return &g_vdNodeDcdAttr;
}

void TviDcd::Update(Observable* pObservable, TChangeCode code)
{
    if (!ReleaseIfDeleting(pObservable, code, m_pName))
        ReleaseIfDeleting(pObservable, code, m_pType);
    UpdateHeldValues(pObservable, code);
}
