#pragma once

#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/noderule.h"

#include <memory>
#include <vector>

namespace DravinelDefinition
{

// The standard device definition of one device type: a rule table over all node types of the
// standard device tree (rows made by BuildRules), the rules map built from it, and the job
// currently worked on.
class DeviceDefinition : public IDeviceDefinition
{
public:
    explicit DeviceDefinition(const DeviceTypeInfo& info);
    ~DeviceDefinition() override;

    int GetType() const override { return m_info.nKey; }
    QString GetName() const override;
    double GetMinFrequency() const override { return m_info.dMinFrequency; }
    double GetMaxFrequency() const override { return m_info.dMaxFrequency; }
    bool HasDirectionFinding() const override { return m_info.bDirectionFinding; }
    values::DynamicRulesMap& GetRulesMap() override { return *m_pRulesMap; }
    ControlData* CreateControlData(values::Node* pDcd) override;
    void SetControlData(ControlData* pControlData) override;
    ControlData* GetControlData() const override { return m_pControlData; }
    int Prepare(bool bReport) override;

    // The row of a node type; null for a type without rules.
    const NodeRule* FindRule(const values::ValueDescriptor* pDescriptor) const;
    // The rule table of a device type.
    static std::vector<NodeRule> BuildRules(const DeviceTypeInfo& info);

private:
    DeviceTypeInfo m_info;
    std::vector<NodeRule> m_vecRules;
    std::unique_ptr<values::DynamicRulesMap> m_pRulesMap;
    ControlData* m_pControlData = nullptr;
};

} // namespace DravinelDefinition
