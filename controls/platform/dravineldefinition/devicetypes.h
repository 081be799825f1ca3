#pragma once

namespace DravinelDefinition
{

// The device types of the standard device definition, keyed as in the device-type selections
// (DeviceDefinitionCenter::GetDeviceTypes(), g_vdDevType, g_vdDcdType).
enum EDeviceType
{
    DEVICETYPE_VUHF_RECEIVER = 1, // VHF/UHF monitoring receiver without direction finding
    DEVICETYPE_DF_RECEIVER = 2,   // wideband monitoring receiver with direction finding
};

// What distinguishes the types.
struct DeviceTypeInfo
{
    int nKey;
    const char* pszName;  // the type's name in the selections
    double dMinFrequency; // Hz
    double dMaxFrequency; // Hz
    bool bDirectionFinding;
};

inline constexpr DeviceTypeInfo g_aDeviceTypes[] = {
    {DEVICETYPE_VUHF_RECEIVER, "VUHF Monitoring Receiver", 20e6, 3.6e9, false},
    {DEVICETYPE_DF_RECEIVER, "DF Monitoring Receiver", 9e3, 8e9, true},
};

// The type that is current until a control data selects another.
inline constexpr int g_nDefaultDeviceType = DEVICETYPE_DF_RECEIVER;

} // namespace DravinelDefinition
