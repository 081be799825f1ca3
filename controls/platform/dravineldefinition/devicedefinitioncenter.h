#pragma once

#include <memory>
#include <vector>

namespace values
{
class ValueSelection;
}

namespace DravinelDefinition
{

class IDeviceDefinition;
class DeviceDefinition;

// The process-wide register of device definitions, one per device type, and the current
// (default) type whose rules every editor consults.
class DeviceDefinitionCenter
{
public:
    static DeviceDefinitionCenter& Instance();
    // So that DeviceDefinitionCenter::Instance()->... reads as well as Instance().
    DeviceDefinitionCenter* operator->() { return this; }

    // The definition of a type; -1 gives the current default device. Null for an unknown type.
    IDeviceDefinition* GetDeviceDefinition(int nType = -1) const;
    // The known device types (entries keyed by type, named after the type), in key order. The
    // selection's current entry is the default device.
    const values::ValueSelection& GetDeviceTypes() const;
    // Makes a type current; an unknown type is refused (false) and the current one stays.
    bool SetDefaultDevice(int nType);
    int GetDefaultDevice() const { return m_nDefaultType; }

    DeviceDefinitionCenter(const DeviceDefinitionCenter&) = delete;
    DeviceDefinitionCenter& operator=(const DeviceDefinitionCenter&) = delete;

private:
    DeviceDefinitionCenter();
    ~DeviceDefinitionCenter();

    std::vector<std::unique_ptr<DeviceDefinition>> m_vecDefinitions;
    std::unique_ptr<values::ValueSelection> m_pDeviceTypes;
    int m_nDefaultType;
};

} // namespace DravinelDefinition
