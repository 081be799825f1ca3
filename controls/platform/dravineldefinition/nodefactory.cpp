#include "dravineldefinition/nodefactory.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"

#include <unordered_map>

namespace DravinelDefinition
{

namespace
{

std::vector<NodeShape> MakeShapes()
{
    return {
        {&g_vdNodeDev,
         &g_vdNodeDevAttr,
         {&g_vdDevName, &g_vdDevType, &g_vdDevAddress},
         {&g_vdFrequency, &g_vdOperationMode, &g_vdJobNew},
         {}},
        {&g_vdNodeDcd,
         &g_vdNodeDcdAttr,
         {&g_vdDcdName, &g_vdDcdFileName, &g_vdDcdType, &g_vdDcdID, &g_vdDcdMcsMasterJob},
         {},
         {&g_vdNodeDcs}},
        {&g_vdNodeDcs,
         &g_vdNodeDcsAttr,
         {&g_vdDcsName, &g_vdDcsEnable, &g_vdDcsComment, &g_vdDcsCount},
         {},
         {&g_vdNodeFds}},
        {&g_vdNodeFd, &g_vdNodeFdAttr, {&g_vdFStart, &g_vdFStop, &g_vdFName, &g_vdFSupp}, {}, {}},
        {&g_vdNodeDet,
         nullptr,
         {},
         {&g_vdResolutionBandwidth, &g_vdThreshold, &g_vdAutoThreshold, &g_vdAutoThresholdOffset,
          &g_vdHopBandwidth, &g_vdDetector, &g_vdMeasurementTime},
         {}},
        {&g_vdNodeDfSearch,
         nullptr,
         {},
         {&g_vdDfMode, &g_vdDfReportInterval, &g_vdDfBandwidth, &g_vdDfQualityThreshold, &g_vdAziStart1,
          &g_vdAziStop1},
         {}},
        {&g_vdNodeIf,
         nullptr,
         {},
         {&g_vdBandwidth, &g_vdGainControlMode, &g_vdMGCLevel, &g_vdIfPanoramaSpan, &g_vdAfc},
         {}},
        {&g_vdNodeDemod,
         nullptr,
         {},
         {&g_vdDemodulation, &g_vdBandwidth, &g_vdBfo, &g_vdAudioThreshold, &g_vdAuSquelch},
         {}},
        {&g_vdNodeSimGeneral,
         nullptr,
         {},
         {&g_vdGenModulation, &g_vdGenDecoder, &g_vdGenGain, &g_vdGenEnvironment, &g_vdGenAntennaType,
          &g_vdGenHeight, &g_vdGenAntennaDirection, &g_vdGenMaxPower},
         {}},
        {&g_vdNodeSimFrequency,
         nullptr,
         {},
         {&g_vdFreqType, &g_vdFreqStart, &g_vdFreqStop, &g_vdFreqStep, &g_vdFreqBandwidth, &g_vdFreqCount,
          &g_vdFreqFreq, &g_vdFreqWaitTime, &g_vdFreqSendTime},
         {&g_vdNodeSimFreqListSuper}},
        {&g_vdNodeSimFreqList,
         &g_vdNodeSimFreqListAttr,
         {&g_vdFreqListFrequency, &g_vdFreqListBandwidth, &g_vdFreqListCount},
         {},
         {}},
        {&g_vdNodeSimMovement,
         nullptr,
         {},
         {&g_vdMovType, &g_vdMovLongitude, &g_vdMovLatitude, &g_vdMovBreakTime, &g_vdMovSpeed, &g_vdMovAngle,
          &g_vdMovRadius, &g_vdMovAmplitude, &g_vdMovPeriode, &g_vdMovCount},
         {&g_vdNodeSimMovListSuper}},
        {&g_vdNodeSimMovList,
         &g_vdNodeSimMovListAttr,
         {&g_vdMovListLatitude, &g_vdMovListLongitude, &g_vdMovListSleepTime, &g_vdMovListSpeed},
         {},
         {}},
    };
}

const std::unordered_map<const values::ValueDescriptor*, NodeShape>& Shapes()
{
    static const std::unordered_map<const values::ValueDescriptor*, NodeShape> s_map = []
    {
        std::unordered_map<const values::ValueDescriptor*, NodeShape> map;
        for (NodeShape& shape : MakeShapes())
            map.emplace(shape.pNode, std::move(shape));
        return map;
    }();
    return s_map;
}

void NoteAdded(QStringList* pAdded, const values::TreeItem* pItem)
{
    if (pAdded)
        pAdded->append(pItem->GetPathName());
}

// Adds the values a node lacks; a same-named item of another kind keeps its place.
int AddMissingValues(values::Node* pNode, const std::vector<const values::ValueDescriptor*>& vecValues,
                     IObserver* pOriginator, QStringList* pAdded)
{
    int nAdded = 0;
    for (const values::ValueDescriptor* pValue : vecValues)
    {
        if (pNode->GetChildValue(pValue) || pNode->GetChildValueItem(pValue->DefaultItemName()))
            continue;
        values::TreeItem* pItem = pNode->AddItem(NodeFactory::BuildValue(pValue), pOriginator);
        NoteAdded(pAdded, pItem);
        ++nAdded;
    }
    return nAdded;
}

// The child node of that type: found by type, else by name (an untyped node of that name gets
// the type). Null when missing or when the name is taken by an item of another kind.
values::Node* FindChildNode(values::Node* pNode, const values::ValueDescriptor* pDescriptor, bool& bBlocked,
                            IObserver* pOriginator)
{
    bBlocked = false;
    if (values::Node* pChild = pNode->GetChildNode(pDescriptor))
        return pChild;
    values::TreeItem* pSameName = pNode->GetChildValueItem(pDescriptor->DefaultItemName());
    if (!pSameName)
        return nullptr;
    values::Node* pChild = pSameName->AsNode();
    if (pChild && pChild->GetValueDescriptor() == values::ValueDescriptor::GenericNode())
    {
        pChild->SetValueDescriptor(pDescriptor, pOriginator);
        return pChild;
    }
    bBlocked = true;
    return nullptr;
}

} // namespace

const NodeShape* NodeFactory::FindShape(const values::ValueDescriptor* pDescriptor)
{
    auto it = Shapes().find(pDescriptor);
    return it == Shapes().end() ? nullptr : &it->second;
}

values::Node* NodeFactory::Build(const values::ValueDescriptor* pDescriptor, const QString& sName)
{
    if (!pDescriptor || !pDescriptor->IsNode())
        return nullptr;
    values::Node* pNode =
        new values::Node(sName.isEmpty() ? pDescriptor->DefaultItemName() : sName, pDescriptor);
    Complete(pNode);
    return pNode;
}

values::TreeItem* NodeFactory::BuildValue(const values::ValueDescriptor* pDescriptor)
{
    if (!pDescriptor || pDescriptor->IsNode())
        return nullptr;
    return pDescriptor->CreateItem();
}

int NodeFactory::Complete(values::Node* pNode, IObserver* pOriginator, QStringList* pAdded)
{
    if (!pNode)
        return 0;
    const NodeShape* pShape = FindShape(pNode->GetValueDescriptor());
    if (!pShape)
        return 0;
    int nAdded = 0;
    bool bBlocked = false;
    if (pShape->pAttr)
    {
        values::Node* pAttr = FindChildNode(pNode, pShape->pAttr, bBlocked, pOriginator);
        if (!pAttr && !bBlocked)
        {
            pAttr = static_cast<values::Node*>(pNode->AddItem(
                new values::Node(pShape->pAttr->DefaultItemName(), pShape->pAttr), pOriginator));
            NoteAdded(pAdded, pAttr);
            ++nAdded;
        }
        if (pAttr)
            nAdded += AddMissingValues(pAttr, pShape->vecAttrValues, pOriginator, pAdded);
    }
    nAdded += AddMissingValues(pNode, pShape->vecValues, pOriginator, pAdded);
    for (const values::ValueDescriptor* pChildType : pShape->vecChildren)
    {
        if (FindChildNode(pNode, pChildType, bBlocked, pOriginator) || bBlocked)
            continue;
        values::TreeItem* pChild = pNode->AddItem(Build(pChildType), pOriginator);
        NoteAdded(pAdded, pChild);
        ++nAdded;
    }
    return nAdded;
}

int NodeFactory::CompleteTree(values::Node* pNode, IObserver* pOriginator, QStringList* pAdded)
{
    if (!pNode)
        return 0;
    int nAdded = Complete(pNode, pOriginator, pAdded);
    // Complete() may append children; those are complete already.
    const std::vector<values::TreeItem*> vecChildren = pNode->GetTreeItems();
    for (values::TreeItem* pChild : vecChildren)
        if (values::Node* pChildNode = pChild->AsNode())
            nAdded += CompleteTree(pChildNode, pOriginator, pAdded);
    return nAdded;
}

} // namespace DravinelDefinition
