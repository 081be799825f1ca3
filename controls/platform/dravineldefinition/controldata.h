#pragma once

#include "kvbase/observable.h"

namespace values
{
class Node;
}

namespace DravinelDefinition
{

class IDeviceDefinition;

// The device definition's view of one job: the control-data node (descriptor g_vdNodeDcd) it
// works on. Made by IDeviceDefinition::CreateControlData and owned by whoever asked for it (the
// control-data tree item). It forgets its node when the node is deleted, and leaves its
// definition when it is deleted itself.
class ControlData : public IObserver
{
public:
    ControlData(IDeviceDefinition* pDefinition, values::Node* pDcd);
    ~ControlData() override;
    ControlData(const ControlData&) = delete;
    ControlData& operator=(const ControlData&) = delete;

    IDeviceDefinition* GetDefinition() const { return m_pDefinition; }
    // The control-data node; null once it was deleted.
    values::Node* GetNode() const { return m_pNode; }
    // The device type the job's DcdType selects; -1 without node or value.
    int GetJobDeviceType() const;

    void Update(Observable* pObservable, TChangeCode code) override;

private:
    IDeviceDefinition* m_pDefinition;
    values::Node* m_pNode;
};

} // namespace DravinelDefinition
