// Node types of the device tree and the values of devices, control data, control sets and
// frequency definitions.

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/selectionlists.h"

#include <climits>

namespace DravinelDefinition
{

using values::ValueDescriptor;

namespace
{
const double c_dMaxHz = 40e9; // the widest range any receiver of the system covers
}

const ValueDescriptor g_vdNodeRoot = ValueDescriptor::NodeType("Root", "/", "Standard devices");
const ValueDescriptor g_vdNodeJobRoot = ValueDescriptor::NodeType("JobRoot", "/JobRoot", "Offline job");
const ValueDescriptor g_vdNodeDev = ValueDescriptor::NodeType("Dev", "/Dev", "Standard device");
const ValueDescriptor g_vdNodeDevAttr = ValueDescriptor::NodeType("DevAttr", "/DevAttr", "Device attributes");
const ValueDescriptor g_vdNodeDcd =
    ValueDescriptor::NodeType("Dcd", "/Dcd", "Device control data: the job the device runs");
const ValueDescriptor g_vdNodeDcdAttr =
    ValueDescriptor::NodeType("DcdAttr", "/Dcd/DcdAttr", "Attributes of the control data");
const ValueDescriptor g_vdNodeDcs =
    ValueDescriptor::NodeType("Dcs", "/Dcs", "Device control set: frequency lists run together");
const ValueDescriptor g_vdNodeDcsAttr =
    ValueDescriptor::NodeType("DcsAttr", "/DcsAttr", "Attributes of the control set");
const ValueDescriptor g_vdNodeFds = ValueDescriptor::NodeType("Fds", "/Fds", "List of frequency definitions");
const ValueDescriptor g_vdNodeFd =
    ValueDescriptor::NodeType("Fd", "/Fd", "Frequency definition: a single frequency or a range");
const ValueDescriptor g_vdNodeFdAttr =
    ValueDescriptor::NodeType("FdAttr", "/FdAttr", "Attributes of the frequency definition");

const ValueDescriptor g_vdDevName =
    ValueDescriptor::String("DevName", "/DevAttr/DevName", "", "Name of the device in the station");
const ValueDescriptor g_vdDevType =
    ValueDescriptor::Selection("DevType", "/DevAttr/DevType", SelectionLists::DeviceTypes(),
                               g_nDefaultDeviceType, "", 0, "Type of the device");
const ValueDescriptor g_vdDevAddress = ValueDescriptor::String("DevAddress", "/DevAttr/DevAddress", "",
                                                               "Network address of the device (host:port)");
const ValueDescriptor g_vdFrequency = ValueDescriptor::Double(
    "Frequency", "/Frequency", 100e6, "Hz", 1000.0, 2, 0.0, c_dMaxHz, "Frequency the device is tuned to");
const ValueDescriptor g_vdOperationMode = ValueDescriptor::Selection(
    "OperationMode", "/OperationMode", SelectionLists::Named({"Job", "FFM", "Standby"}), 0, "", 0,
    "Job: the device runs its control data; FFM: fixed frequency mode");
const ValueDescriptor g_vdJobNew =
    ValueDescriptor::Int("JobNew", "/JobNew", 0, "", 0, INT_MAX, "Number of the job the device loaded last");

const ValueDescriptor g_vdDcdName =
    ValueDescriptor::String("DcdName", "/Dcd/DcdAttr/DcdName", "", "Name of the job");
const ValueDescriptor g_vdDcdFileName =
    ValueDescriptor::String("DcdFileName", "/Dcd/DcdAttr/DcdFileName", "", "File the job was saved to");
const ValueDescriptor g_vdDcdType =
    ValueDescriptor::Selection("DcdType", "/Dcd/DcdAttr/DcdType", SelectionLists::DeviceTypes(),
                               g_nDefaultDeviceType, "", 0, "Device type the job is made for");
const ValueDescriptor g_vdDcdID =
    ValueDescriptor::Int("DcdID", "/Dcd/DcdAttr/DcdID", 0, "", 0, INT_MAX, "Identifier of the job");
const ValueDescriptor g_vdDcdMcsMasterJob =
    ValueDescriptor::Bool("DcdMcsMasterJob", "/Dcd/DcdAttr/DcdMcsMasterJob", false,
                          "The job leads the other channels of a multichannel server");

const ValueDescriptor g_vdDcsName =
    ValueDescriptor::String("DcsName", "/DcsAttr/DcsName", "", "Name of the set");
const ValueDescriptor g_vdDcsEnable =
    ValueDescriptor::Bool("DcsEnable", "/DcsAttr/DcsEnable", true, "The set takes part in the job");
const ValueDescriptor g_vdDcsComment =
    ValueDescriptor::String("DcsComment", "/DcsAttr/DcsComment", "", "Comment");
const ValueDescriptor g_vdDcsCount = ValueDescriptor::Int("DcsCount", "/DcsAttr/DcsCount", 0, "", 0, 1000000,
                                                          "Passes over the set (0: endless)");

const ValueDescriptor g_vdFStart = ValueDescriptor::Double("FStart", "/FdAttr/FStart", 100e6, "Hz", 1000.0, 2,
                                                           0.0, c_dMaxHz, "Start frequency");
const ValueDescriptor g_vdFStop =
    ValueDescriptor::Double("FStop", "/FdAttr/FStop", 100e6, "Hz", 1000.0, 2, 0.0, c_dMaxHz,
                            "Stop frequency (the start for a single frequency)");
const ValueDescriptor g_vdFName =
    ValueDescriptor::String("FName", "/FdAttr/FName", "", "Name of the definition");
const ValueDescriptor g_vdFSupp = ValueDescriptor::Bool("FSupp", "/FdAttr/FSupp", false,
                                                        "Suppress: the range is left out of the measurement");

} // namespace DravinelDefinition
