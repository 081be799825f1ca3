#pragma once

#include <memory>
#include <unordered_map>

namespace values
{

class IDynamicRules;
class ValueDescriptor;

// The rules of each node type of a device definition.
class DynamicRulesMap
{
public:
    DynamicRulesMap();
    ~DynamicRulesMap();
    DynamicRulesMap(const DynamicRulesMap&) = delete;
    DynamicRulesMap& operator=(const DynamicRulesMap&) = delete;

    // Takes ownership; replaces earlier rules of the same type.
    void Add(const ValueDescriptor* pDescriptor, IDynamicRules* pRules);
    IDynamicRules* Find(const ValueDescriptor* pDescriptor) const;

private:
    std::unordered_map<const ValueDescriptor*, std::unique_ptr<IDynamicRules>> m_map;
};

} // namespace values
