#include "dravinelcontrols/jobtransfer.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/names.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuecommentedrangemap.h"
#include "oskevo/valueselection.h"

#include <utility>
#include <vector>

using namespace DravinelDefinition;

namespace
{

const QString s_sSource = QStringLiteral("dravinelcontrols/jobtransfer");

void Trace(const QString& sText, int nLine)
{
    if (ErrorHandler::Instance()->IsTraceOn())
        ErrorHandler::Instance()->_Q_Trace(sText, s_sSource, nLine);
}

void Assert(bool bCondition, const char* pszExpression, int nLine)
{
    if (!bCondition && ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QString::fromLatin1(pszExpression), s_sSource, nLine);
}

// A value of a parameter group, traced when missing.
values::ValueBase* GroupValue(values::Node* pGroup, const QString& sName)
{
    values::ValueBase* pValue = pGroup->GetChildValue(sName);
    if (!pValue)
        Trace(QStringLiteral("_GETVALUE %1 failed - ignored").arg(sName), __LINE__);
    return pValue;
}

} // namespace

JobTransfer::JobTransfer(values::Node* pOffline, values::Node* pDevice, unsigned int uDeviceType)
    : m_pOffline(pOffline), m_pDevice(pDevice), m_uDeviceType(uDeviceType)
{
}

values::Node* JobTransfer::GetDcd() const
{
    return m_pOffline->GetChildNode(&g_vdNodeDcd);
}

values::Node* JobTransfer::GetFds(const values::Node* pDcd)
{
    values::Node* pDcs = pDcd ? pDcd->GetChildNode(&g_vdNodeDcs) : nullptr;
    return pDcs ? pDcs->GetChildNode(&g_vdNodeFds) : nullptr;
}

values::IDynamicRules* JobTransfer::GetDr(const values::ValueDescriptor* pDescriptor) const
{
    IDeviceDefinition* pDefinition =
        DeviceDefinitionCenter::Instance().GetDeviceDefinition(int(m_uDeviceType));
    return pDefinition ? pDefinition->GetRulesMap().Find(pDescriptor) : nullptr;
}

values::Node* JobTransfer::InsertDcd()
{
    if (values::IDynamicRules* pRules = GetDr(&g_vdNodeJobRoot))
        pRules->CreateChild(m_pOffline, &g_vdNodeDcd, nullptr);
    values::Node* pDcdOffline = GetDcd();
    Assert(pDcdOffline, "pDcdOffline", __LINE__);
    if (!pDcdOffline)
        throw KVException(QStringLiteral("The job's control data could not be created."),
                          QStringLiteral("InsertDcd"), s_sSource);
    if (values::Node* pPar = m_pDevice->GetChildNode(&g_vdNodePar))
        pDcdOffline->CopyChildNode(pPar);
    return pDcdOffline;
}

values::Node* JobTransfer::InsertFd(double dStart, double dStop, bool bSuppress)
{
    values::Node* pDcd = GetDcd();
    Assert(pDcd, "pDcd", __LINE__);
    values::Node* pDcs = pDcd ? pDcd->GetChildNode(&g_vdNodeDcs) : nullptr;
    Assert(pDcs, "pDcs", __LINE__);
    values::Node* pFds = pDcs ? pDcs->GetChildNode(&g_vdNodeFds) : nullptr;
    Assert(pFds, "pFds", __LINE__);
    if (!pFds)
        return nullptr;

    values::Node* pFd = nullptr;
    double dOldStart = 0.0;
    double dOldStop = 0.0;
    if (pFds->GetChildCount() == 1 && (pFd = pFds->GetChildNode(&g_vdNodeFd)) &&
        !(ReadRange(pFd, dOldStart, dOldStop) && dOldStart == 0.0 && dOldStop == 0.0))
        pFd = nullptr;
    if (!pFd)
    {
        if (values::IDynamicRules* pRules = GetDr(&g_vdNodeFds))
            pRules->CreateChild(pFds, &g_vdNodeFd, nullptr);
        pFd = pFds->GetChildCount() > 0 ? pFds->GetTreeItems().back()->AsNode() : nullptr;
    }
    Assert(pFd, "pFd", __LINE__);
    if (!pFd)
        return nullptr;
    if (auto* pSupp = dynamic_cast<values::ValueBool*>(Attribute(pFd, g_vdFSupp)))
        pSupp->SetValue(bSuppress);
    SetAttribute(pFd, g_vdFStart, dStart);
    SetAttribute(pFd, g_vdFStop, dStop);
    return pFd;
}

void JobTransfer::Normalize(double& dStart, double& dStop)
{
    if (dStart > dStop)
        std::swap(dStart, dStop);
}

void JobTransfer::ToJob(double dStart, double dStop)
{
    Normalize(dStart, dStop);
    if (!GetDcd())
        InsertDcd();
    InsertFd(dStart, dStop, false);
}

void JobTransfer::Suppress(double dStart, double dStop)
{
    Normalize(dStart, dStop);
    values::Node* pDcd = GetDcd();
    if (!pDcd)
        pDcd = InsertDcd();
    values::Node* pFds = GetFds(pDcd);
    // A single suppressed frequency is never merged.
    if (dStart == dStop || !pFds)
    {
        InsertFd(dStart, dStop, true);
        return;
    }
    // A copy: absorbed definitions leave the list while it is walked.
    const std::vector<values::TreeItem*> vecItems = pFds->GetTreeItems();
    values::Node* pMerged = nullptr;
    for (values::TreeItem* pItem : vecItems)
    {
        values::Node* pFd = SuppressFd(pItem);
        double a = 0.0;
        double b = 0.0;
        if (!pFd || !ReadRange(pFd, a, b))
            continue;
        if (dStart >= a && b >= dStop)
            return; // already suppressed as a whole
        if (a > dStart && dStop > b)
        {
            // lies strictly inside the new range
        }
        else if (dStart > a && b > dStart && dStop > b)
            dStart = a;
        else if (a > dStart && dStop > a && b > dStop)
            dStop = b;
        else
            continue;
        if (!pMerged)
            pMerged = pFd;
        else
            pFds->DeleteItem(pFd);
    }
    if (!pMerged)
    {
        InsertFd(dStart, dStop, true);
        return;
    }
    SetAttribute(pMerged, g_vdFStart, dStart);
    SetAttribute(pMerged, g_vdFStop, dStop);
}

void JobTransfer::UnSuppress(double dStart, double dStop)
{
    Normalize(dStart, dStop);
    values::Node* pFds = GetFds(GetDcd());
    if (!pFds)
        return;
    const std::vector<values::TreeItem*> vecItems = pFds->GetTreeItems();
    for (values::TreeItem* pItem : vecItems)
    {
        values::Node* pFd = SuppressFd(pItem);
        if (!pFd)
            continue;
        // A single frequency stands for the channel around it, as wide as the resolution
        // bandwidth of the first suppress range that has one.
        if (dStart == dStop)
        {
            if (values::Node* pDet = DravinelTree::GetParameterSetForFd(&g_vdNodeDet, pFd))
            {
                auto* pRbw =
                    dynamic_cast<values::ValueSelection*>(pDet->GetChildValue(C::g_sResolutionBandwidth));
                if (pRbw && pRbw->GetCurrentItem())
                {
                    dStart -= pRbw->GetCurrentItem()->GetValue();
                    dStop += pRbw->GetCurrentItem()->GetValue();
                }
            }
        }
        double a = 0.0;
        double b = 0.0;
        if (!ReadRange(pFd, a, b))
            continue;
        if (a >= dStart && dStop >= b)
            pFds->DeleteItem(pFd);
        else if (dStart > a && b > dStart && dStop > b)
            SetAttribute(pFd, g_vdFStop, dStart);
        else if (dStart > a && b > dStop)
        {
            InsertFd(dStop, b, true);
            SetAttribute(pFd, g_vdFStop, dStart);
        }
        else if (a > dStart && dStop > a && b > dStop)
            SetAttribute(pFd, g_vdFStart, dStop);
    }
}

void JobTransfer::ImportSuppressRangesFromList(values::ValueCommentedRangeMap* pList)
{
    values::Node* pFds = pList ? GetFds(GetDcd()) : nullptr;
    if (!pFds)
        return;
    std::vector<values::TreeItem*> vecKeep;
    vecKeep.reserve(pFds->GetTreeItems().size());
    std::vector<values::TreeItem*> vecDrop;
    for (values::TreeItem* pItem : pFds->GetTreeItems())
        (SuppressFd(pItem) ? vecDrop : vecKeep).push_back(pItem);
    if (!vecDrop.empty())
    {
        // Moved behind the others first, so that each deletion takes the list's last item
        // instead of shifting all that follow it.
        vecKeep.insert(vecKeep.end(), vecDrop.rbegin(), vecDrop.rend());
        pFds->ReorderChildren(vecKeep);
        for (values::TreeItem* pItem : vecDrop)
            pFds->DeleteItem(pItem);
    }
    for (int nKey : pList->GetKeys())
    {
        const values::CommentedRange range = pList->At(nKey);
        Suppress(range.GetRangeStart(), range.GetRangeStop());
    }
}

void JobTransfer::ExportSuppressRangesToList(values::ValueCommentedRangeMap* pList)
{
    if (!pList)
        return;
    m_bExportingSuppressRanges = true;
    pList->Clear();
    if (values::Node* pFds = GetFds(GetDcd()))
    {
        for (values::TreeItem* pItem : pFds->GetTreeItems())
        {
            values::Node* pFd = SuppressFd(pItem);
            double a = 0.0;
            double b = 0.0;
            if (pFd && ReadRange(pFd, a, b))
                pList->AddRange(a, b, QString());
        }
    }
    m_bExportingSuppressRanges = false;
}

values::Node* JobTransfer::GetFrequencyDefinitionForFrequency(values::Node* pDcd, double dFrequency)
{
    values::Node* pFds = GetFds(pDcd);
    if (!pFds)
        return nullptr;
    for (values::TreeItem* pItem : pFds->GetTreeItems())
    {
        values::Node* pFd = pItem->AsNode();
        double a = 0.0;
        double b = 0.0;
        if (pFd && pFd->GetValueDescriptor() == &g_vdNodeFd && ReadRange(pFd, a, b) && a <= dFrequency &&
            dFrequency <= b)
            return pFd;
    }
    return nullptr;
}

values::Node* JobTransfer::GetParameterNodeFromFrequency(values::Node* pRoot, double dFrequency)
{
    values::Node* pDcd = pRoot ? pRoot->GetChildNode(&g_vdNodeDcd) : nullptr;
    values::Node* pFd =
        pDcd && dFrequency > 0.0 ? GetFrequencyDefinitionForFrequency(pDcd, dFrequency) : nullptr;
    if (!pFd)
        return nullptr;
    values::Node* pPar = pFd->GetChildNode(&g_vdNodePar);
    if (!pPar)
    {
        // Made relative to the definition, so the process-wide base path stays as it is.
        values::TreeItem* pItem = g_vdNodePar.CreateAt(pFd, nullptr);
        pPar = pItem ? pItem->AsNode() : nullptr;
        if (!pPar || pPar->GetValueDescriptor() != &g_vdNodePar)
            throw KVException(QStringLiteral("Could not create node according to value descriptor %1.")
                                  .arg(g_vdNodePar.PathName()),
                              QStringLiteral("CreateNode"), s_sSource);
    }
    return pPar;
}

values::Node* JobTransfer::GetDetectionNodeFromFrequency(values::Node* pRoot, double dFrequency)
{
    values::Node* pPar = GetParameterNodeFromFrequency(pRoot, dFrequency);
    if (!pPar)
        return nullptr;
    if (!pPar->GetChildNode(&g_vdNodeDet))
        DravinelTree::Det.InsertChild(pPar);
    return pPar->GetChildNode(&g_vdNodeDet);
}

values::Node* JobTransfer::GetDfSearchNodeFromFrequency(values::Node* pRoot, double dFrequency)
{
    values::Node* pPar = GetParameterNodeFromFrequency(pRoot, dFrequency);
    if (!pPar)
        return nullptr;
    if (!pPar->GetChildNode(&g_vdNodeDfSearch))
        DravinelTree::DfSearch.InsertChild(pPar);
    return pPar->GetChildNode(&g_vdNodeDfSearch);
}

void JobTransfer::SetThresholdToJob(double dValue, double dFrequency, IObserver* pObserver)
{
    values::Node* pDet = GetDetectionNodeFromFrequency(m_pOffline, dFrequency);
    values::ValueBase* pValue = pDet ? GroupValue(pDet, C::g_sThreshold) : nullptr;
    if (pValue && pValue->GetNumber() != dValue)
        pValue->SetNumber(dValue, pObserver);
}

void JobTransfer::SetBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver)
{
    if (values::Node* pDet = GetDetectionNodeFromFrequency(m_pOffline, dFrequency))
        SelectClosest(pDet, C::g_sResolutionBandwidth, dValue, pObserver);
}

void JobTransfer::SetHopBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver)
{
    if (values::Node* pDet = GetDetectionNodeFromFrequency(m_pOffline, dFrequency))
        SelectClosest(pDet, C::g_sHopBandwidth, dValue, pObserver);
}

void JobTransfer::SetAveragingToJob(double dValue, double dFrequency, IObserver* pObserver)
{
    if (values::Node* pDf = GetDfSearchNodeFromFrequency(m_pOffline, dFrequency))
        SelectClosest(pDf, C::g_sDfUpdateInterval, dValue, pObserver);
}

void JobTransfer::SetDfModeToJob(EDfMode eMode, double dFrequency)
{
    values::Node* pDf = GetDfSearchNodeFromFrequency(m_pOffline, dFrequency);
    auto* pMode = pDf ? dynamic_cast<values::ValueSelection*>(GroupValue(pDf, C::g_sDfMode)) : nullptr;
    if (pMode && pMode->GetCurrentKey() != int(eMode))
        pMode->SelectKey(int(eMode), nullptr);
}

void JobTransfer::SelectClosest(values::Node* pGroup, const QString& sName, double dValue,
                                IObserver* pObserver)
{
    auto* pSelection = dynamic_cast<values::ValueSelection*>(GroupValue(pGroup, sName));
    if (!pSelection)
        return;
    const values::SelectionItem* pCurrent = pSelection->GetCurrentItem();
    if (!pCurrent || pCurrent->GetValue() != dValue)
        pSelection->SelectClosestValue(dValue, pObserver);
}

values::ValueBase* JobTransfer::Attribute(values::Node* pFd, const values::ValueDescriptor& descriptor)
{
    values::Node* pAttr = pFd->GetChildNode(C::g_sFdAttr);
    values::ValueBase* pValue = pAttr ? pAttr->GetChildValue(descriptor.Name()) : nullptr;
    if (!pValue)
        Trace(QStringLiteral("_GETATTR %1 failed - ignored").arg(descriptor.Name()), __LINE__);
    return pValue;
}

void JobTransfer::SetAttribute(values::Node* pFd, const values::ValueDescriptor& descriptor, double dValue)
{
    if (values::ValueBase* pValue = Attribute(pFd, descriptor))
        pValue->SetNumber(dValue, nullptr);
}

bool JobTransfer::ReadRange(values::Node* pFd, double& dStart, double& dStop)
{
    values::ValueBase* pStart = Attribute(pFd, g_vdFStart);
    values::ValueBase* pStop = Attribute(pFd, g_vdFStop);
    if (!pStart || !pStop)
        return false;
    dStart = pStart->GetNumber();
    dStop = pStop->GetNumber();
    return true;
}

values::Node* JobTransfer::SuppressFd(values::TreeItem* pItem)
{
    values::Node* pFd = pItem->AsNode();
    if (!pFd || pFd->GetValueDescriptor() != &g_vdNodeFd)
        return nullptr;
    auto* pSupp = dynamic_cast<values::ValueBool*>(Attribute(pFd, g_vdFSupp));
    return pSupp && pSupp->GetValue() ? pFd : nullptr;
}
