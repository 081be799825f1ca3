#include "oskevo/dynamicrulesmap.h"

#include "oskevo/idynamicrules.h"

namespace values
{

DynamicRulesMap::DynamicRulesMap() = default;

DynamicRulesMap::~DynamicRulesMap() = default;

void DynamicRulesMap::Add(const ValueDescriptor* pDescriptor, IDynamicRules* pRules)
{
    if (!pRules)
    {
        m_map.erase(pDescriptor);
        return;
    }
    m_map[pDescriptor].reset(pRules);
}

IDynamicRules* DynamicRulesMap::Find(const ValueDescriptor* pDescriptor) const
{
    auto it = m_map.find(pDescriptor);
    return it == m_map.end() ? nullptr : it->second.get();
}

} // namespace values
