#pragma once

#include <QString>

namespace values
{
class DynamicRulesMap;
class Node;
} // namespace values

namespace DravinelDefinition
{

class ControlData;

// One device type of the standard device definition: its rules (which children each node type
// may hold, how new ones are made) and its view of the job being edited.
class IDeviceDefinition
{
public:
    virtual ~IDeviceDefinition() = default;

    // The device type key (the key in DeviceDefinitionCenter::GetDeviceTypes()).
    virtual int GetType() const = 0;
    virtual QString GetName() const = 0;
    // Frequency range of the device, Hz.
    virtual double GetMinFrequency() const = 0;
    virtual double GetMaxFrequency() const = 0;
    virtual bool HasDirectionFinding() const = 0;

    // The rules of each node type (values::DynamicRulesMap::Find with a node's descriptor).
    virtual values::DynamicRulesMap& GetRulesMap() = 0;

    // A new per-job object for a control-data node (descriptor g_vdNodeDcd); the caller owns
    // it. Null for a null node.
    virtual ControlData* CreateControlData(values::Node* pDcd) = 0;
    // Takes the object back as the job this definition works on (not owned; the object leaves
    // again when it is deleted). Null forgets the current one.
    virtual void SetControlData(ControlData* pControlData) = 0;
    virtual ControlData* GetControlData() const = 0;

    // Readies the current job for a batch of changes made outside the editors (a paste of many
    // frequency definitions) and tidies it up afterwards: every control set, frequency list and
    // frequency definition below the job's node gets the attribute child, attribute values and
    // fixed children its type has and may lack (nodes from other programs or older files), at
    // their defaults, so code that creates or fills many definitions in a row can rely on their
    // shape. With bReport, each repair and each frequency definition outside the device's
    // frequency range is also written as a trace (error handler, trace level). Without a job,
    // nothing happens. Answers the number of repairs.
    virtual int Prepare(bool bReport) = 0;
};

} // namespace DravinelDefinition
