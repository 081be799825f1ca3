#include "dravineldefinition/devicedefinitioncenter.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinition.h"
#include "dravineldefinition/selectionlists.h"
#include "oskevo/valueselection.h"

namespace DravinelDefinition
{

DeviceDefinitionCenter& DeviceDefinitionCenter::Instance()
{
    static DeviceDefinitionCenter s_center;
    return s_center;
}

DeviceDefinitionCenter::DeviceDefinitionCenter() : m_nDefaultType(g_nDefaultDeviceType)
{
    for (const DeviceTypeInfo& info : g_aDeviceTypes)
        m_vecDefinitions.emplace_back(new DeviceDefinition(info));
    m_pDeviceTypes.reset(new values::ValueSelection(QStringLiteral("DeviceTypes"), &g_vdDevType,
                                                    SelectionLists::DeviceTypes()));
    m_pDeviceTypes->SelectKey(m_nDefaultType);
}

DeviceDefinitionCenter::~DeviceDefinitionCenter() = default;

IDeviceDefinition* DeviceDefinitionCenter::GetDeviceDefinition(int nType) const
{
    if (nType == -1)
        nType = m_nDefaultType;
    for (const std::unique_ptr<DeviceDefinition>& pDefinition : m_vecDefinitions)
        if (pDefinition->GetType() == nType)
            return pDefinition.get();
    return nullptr;
}

const values::ValueSelection& DeviceDefinitionCenter::GetDeviceTypes() const
{
    return *m_pDeviceTypes;
}

bool DeviceDefinitionCenter::SetDefaultDevice(int nType)
{
    if (nType == -1 || !GetDeviceDefinition(nType))
        return false;
    m_nDefaultType = nType;
    m_pDeviceTypes->SelectKey(nType);
    return true;
}

} // namespace DravinelDefinition
