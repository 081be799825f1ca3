// The rule table of the standard device tree (DeviceDefinition::BuildRules).

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinition.h"

namespace DravinelDefinition
{

namespace
{

ChildRule Many(const values::ValueDescriptor* pDescriptor)
{
    ChildRule rule;
    rule.pDescriptor = pDescriptor;
    return rule;
}

ChildRule One(const values::ValueDescriptor* pDescriptor, ChildRule::Owner eOwner = ChildRule::OWNER_ANY)
{
    ChildRule rule = Many(pDescriptor);
    rule.bUnique = true;
    rule.eOwner = eOwner;
    return rule;
}

ChildRule Numbered(const values::ValueDescriptor* pDescriptor)
{
    ChildRule rule = Many(pDescriptor);
    rule.bNumbered = true;
    return rule;
}

NodeRule Row(const values::ValueDescriptor* pNode, std::vector<ChildRule> vecChildren,
             std::vector<DefaultChild> vecDefaults = {}, std::vector<RoutedChild> vecRouted = {})
{
    NodeRule rule;
    rule.pNode = pNode;
    rule.vecChildren = std::move(vecChildren);
    rule.vecDefaults = std::move(vecDefaults);
    rule.vecRouted = std::move(vecRouted);
    return rule;
}

} // namespace

std::vector<NodeRule> DeviceDefinition::BuildRules(const DeviceTypeInfo& info)
{
    const bool bDf = info.bDirectionFinding;

    // A device without direction finder keeps DF settings it is given but makes none.
    ChildRule dfSearch = One(&g_vdNodeDfSearch, ChildRule::OWNER_RECEIVER);
    dfSearch.bCreatable = bDf;
    dfSearch.bAddable = bDf;

    std::vector<const values::ValueDescriptor*> vecDeviceGroups{&g_vdNodeDet, &g_vdNodeIf, &g_vdNodeDemod};
    if (bDf)
        vecDeviceGroups.insert(vecDeviceGroups.begin() + 1, &g_vdNodeDfSearch);

    std::vector<NodeRule> vecRules{
        Row(&g_vdNodeRoot, {Many(&g_vdNodeDev)}),
        Row(&g_vdNodeJobRoot, {One(&g_vdNodeDcd)}),
        Row(&g_vdNodeDev,
            {One(&g_vdNodePar), One(&g_vdNodeDcd), One(&g_vdNodeEms), One(&g_vdNodeEmi), One(&g_vdNodeMovs)},
            {{&g_vdNodePar, vecDeviceGroups}, {&g_vdNodeDcd, {}}}),
        Row(&g_vdNodeDcd, {One(&g_vdNodePar), Many(&g_vdNodeDcs)}),
        Row(&g_vdNodeDcs, {One(&g_vdNodePar), Many(&g_vdNodeFds)}),
        Row(&g_vdNodeFds, {Numbered(&g_vdNodeFd)}),
        Row(&g_vdNodeFd, {One(&g_vdNodePar)}),
        Row(&g_vdNodePar,
            {One(&g_vdNodeDet, ChildRule::OWNER_RECEIVER), dfSearch,
             One(&g_vdNodeIf, ChildRule::OWNER_RECEIVER), One(&g_vdNodeDemod, ChildRule::OWNER_RECEIVER),
             One(&g_vdNodeSimGeneral, ChildRule::OWNER_SCENARIO),
             One(&g_vdNodeSimFrequency, ChildRule::OWNER_SCENARIO),
             One(&g_vdNodeSimMovement, ChildRule::OWNER_SCENARIO)}),
        Row(&g_vdNodeDet, {}),
        Row(&g_vdNodeDfSearch, {}),
        Row(&g_vdNodeIf, {}),
        Row(&g_vdNodeDemod, {}),
        Row(&g_vdNodeEms, {Many(&g_vdNodeIndEm)}),
        Row(&g_vdNodeIndEm, {One(&g_vdNodePar), Many(&g_vdNodeIndEmi)},
            {{&g_vdNodePar, {&g_vdNodeSimFrequency}}}),
        Row(&g_vdNodeEmi, {Many(&g_vdNodeIndEmi)}),
        Row(&g_vdNodeIndEmi, {One(&g_vdNodePar)}, {{&g_vdNodePar, {&g_vdNodeSimGeneral}}}),
        Row(&g_vdNodeMovs, {Many(&g_vdNodeIndMov)}),
        Row(&g_vdNodeIndMov, {One(&g_vdNodePar)}, {{&g_vdNodePar, {&g_vdNodeSimMovement}}}),
        Row(&g_vdNodeSimGeneral, {}),
        Row(&g_vdNodeSimFrequency, {One(&g_vdNodeSimFreqListSuper)}, {},
            {{&g_vdNodeSimFreqList, &g_vdNodeSimFreqListSuper}}),
        Row(&g_vdNodeSimFreqListSuper, {Many(&g_vdNodeSimFreqList)}),
        Row(&g_vdNodeSimFreqList, {}),
        Row(&g_vdNodeSimMovement, {One(&g_vdNodeSimMovListSuper)}, {},
            {{&g_vdNodeSimMovList, &g_vdNodeSimMovListSuper}}),
        Row(&g_vdNodeSimMovListSuper, {Many(&g_vdNodeSimMovList)}),
        Row(&g_vdNodeSimMovList, {}),
    };
    // Attribute children hold values only.
    for (const values::ValueDescriptor* pAttr :
         {&g_vdNodeDevAttr, &g_vdNodeDcdAttr, &g_vdNodeDcsAttr, &g_vdNodeFdAttr, &g_vdNodeSimFreqListAttr,
          &g_vdNodeSimMovListAttr})
        vecRules.push_back(Row(pAttr, {}));
    return vecRules;
}

} // namespace DravinelDefinition
