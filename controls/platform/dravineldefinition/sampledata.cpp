#include "dravineldefinition/sampledata.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/edfmode.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valueselection.h"
#include "oskevo/vttransaction.h"

namespace DravinelDefinition
{

namespace
{

// Builds through the rules of one device definition, as an operator would.
class Builder
{
public:
    explicit Builder(int nType) : m_pDefinition(DeviceDefinitionCenter::Instance().GetDeviceDefinition(nType))
    {
    }

    values::Node* Create(values::Node* pParent, const values::ValueDescriptor* pDescriptor) const
    {
        values::IDynamicRules* pRules = m_pDefinition->GetRulesMap().Find(pParent->GetValueDescriptor());
        return pRules ? pRules->CreateChild(pParent, pDescriptor, nullptr) : nullptr;
    }
    values::Node* Child(values::Node* pParent, const values::ValueDescriptor* pDescriptor) const
    {
        values::Node* pChild = pParent->GetChildNode(pDescriptor);
        return pChild ? pChild : Create(pParent, pDescriptor);
    }
    // A group of the owner's parameter set, made when missing.
    values::Node* Group(values::Node* pOwner, const values::ValueDescriptor* pGroup) const
    {
        return Child(Child(pOwner, &g_vdNodePar), pGroup);
    }
    values::Node* Fd(values::Node* pFds, double dStart, double dStop, const char* pszName,
                     bool bSuppressed = false) const
    {
        values::Node* pFd = Create(pFds, &g_vdNodeFd);
        Number(pFd, &g_vdFStart, dStart);
        Number(pFd, &g_vdFStop, dStop);
        Text(pFd, &g_vdFName, pszName);
        Text(pFd, &g_vdFSupp, bSuppressed ? "true" : "false");
        return pFd;
    }

    static values::ValueBase* Value(values::Node* pOwner, const values::ValueDescriptor* pDescriptor)
    {
        return pOwner->GetValue(pDescriptor->PathName().mid(1));
    }
    static void Text(values::Node* pOwner, const values::ValueDescriptor* pDescriptor, const char* pszText)
    {
        if (values::ValueBase* pValue = Value(pOwner, pDescriptor))
            pValue->SetAsString(QString::fromUtf8(pszText));
    }
    // Numbers; a selection takes the entry closest to the number.
    static void Number(values::Node* pOwner, const values::ValueDescriptor* pDescriptor, double dNumber)
    {
        if (values::ValueBase* pValue = Value(pOwner, pDescriptor))
            pValue->SetNumber(dNumber);
    }

private:
    IDeviceDefinition* m_pDefinition;
};

void Breakpoint(const Builder& b, values::Node* pMovement, double dLatitude, double dLongitude, double dSleep,
                double dSpeed)
{
    values::Node* pPoint = b.Create(pMovement, &g_vdNodeSimMovList);
    Builder::Number(pPoint, &g_vdMovListLatitude, dLatitude);
    Builder::Number(pPoint, &g_vdMovListLongitude, dLongitude);
    Builder::Number(pPoint, &g_vdMovListSleepTime, dSleep);
    Builder::Number(pPoint, &g_vdMovListSpeed, dSpeed);
}

void Emission(const Builder& b, values::Node* pFrequency, double dHz, double dBandwidth, int nCount)
{
    values::Node* pEntry = b.Create(pFrequency, &g_vdNodeSimFreqList);
    Builder::Number(pEntry, &g_vdFreqListFrequency, dHz);
    Builder::Number(pEntry, &g_vdFreqListBandwidth, dBandwidth);
    Builder::Number(pEntry, &g_vdFreqListCount, nCount);
}

values::Node* FillDfReceiver(values::Node* pRoot)
{
    const Builder b(DEVICETYPE_DF_RECEIVER);
    values::Node* pDev = b.Create(pRoot, &g_vdNodeDev);
    Builder::Text(pDev, &g_vdDevName, "Station North");
    Builder::Text(pDev, &g_vdDevAddress, "10.20.1.15:5555");
    Builder::Number(pDev, &g_vdFrequency, 121.5e6);
    Builder::Number(b.Group(pDev, &g_vdNodeDet), &g_vdThreshold, 12.0);
    Builder::Number(b.Group(pDev, &g_vdNodeDfSearch), &g_vdDfReportInterval, 0.5);

    values::Node* pDcd = pDev->GetChildNode(&g_vdNodeDcd);
    Builder::Text(pDev, &g_vdDcdName, "Airband and maritime watch");
    Builder::Number(pDev, &g_vdDcdID, 1001);
    Builder::Number(b.Group(pDcd, &g_vdNodeDet), &g_vdResolutionBandwidth, 20000);

    values::Node* pAir = pDcd->GetChildNode(&g_vdNodeDcs);
    Builder::Text(pAir, &g_vdDcsName, "Airband");
    Builder::Text(pAir, &g_vdDcsComment, "VHF aeronautical band");
    values::Node* pFds = pAir->GetChildNode(&g_vdNodeFds);
    b.Fd(pFds, 118e6, 136.975e6, "Airband");
    values::Node* pDistress = b.Fd(pFds, 121.5e6, 121.5e6, "Air distress");
    Builder::Text(b.Group(pDistress, &g_vdNodeDemod), &g_vdDemodulation, "AM");
    Builder::Number(b.Group(pDistress, &g_vdNodeDemod), &g_vdBandwidth, 8330);
    Builder::Number(b.Group(pDistress, &g_vdNodeIf), &g_vdBandwidth, 8330);
    b.Fd(pFds, 127.0e6, 127.2e6, "ATIS", true);
    b.Fd(pFds, 123.45e6, 123.45e6, "Air-to-air");

    values::Node* pSea = b.Create(pDcd, &g_vdNodeDcs);
    Builder::Text(pSea, &g_vdDcsName, "Maritime");
    Builder::Number(pSea, &g_vdDcsCount, 10);
    pFds = pSea->GetChildNode(&g_vdNodeFds);
    b.Fd(pFds, 156.0e6, 162.025e6, "Maritime VHF");
    values::Node* pChannel16 = b.Fd(pFds, 156.8e6, 156.8e6, "Channel 16");
    Builder::Number(b.Group(pChannel16, &g_vdNodeDet), &g_vdThreshold, 20.0);
    Builder::Number(b.Group(pChannel16, &g_vdNodeDfSearch), &g_vdDfMode, DFMODE_CONTINUOUS);
    b.Fd(pFds, 156.525e6, 156.525e6, "Channel 70 DSC");

    // Simulation scenario: two emissions, two emitters and a movement along twelve breakpoints.
    values::Node* pEms = b.Create(pDev, &g_vdNodeEms);
    values::Node* pHandheld = b.Create(pEms, &g_vdNodeIndEm);
    values::Node* pFrequency = b.Group(pHandheld, &g_vdNodeSimFrequency);
    Builder::Text(pFrequency, &g_vdFreqType, "List");
    // A handheld hopping over a few 2 m channels and a repeater input.
    Emission(b, pFrequency, 145.500e6, 12500, 2);
    Emission(b, pFrequency, 145.525e6, 12500, 1);
    Emission(b, pFrequency, 145.600e6, 25000, 3);
    Emission(b, pFrequency, 145.750e6, 12500, 1);
    Emission(b, pFrequency, 144.800e6, 16000, 4);
    Emission(b, pFrequency, 433.500e6, 12500, 2);
    b.Create(pHandheld, &g_vdNodeIndEmi);
    values::Node* pBeacon = b.Create(pEms, &g_vdNodeIndEm);
    pFrequency = b.Group(pBeacon, &g_vdNodeSimFrequency);
    Builder::Text(pFrequency, &g_vdFreqType, "Fixed");
    Builder::Number(pFrequency, &g_vdFreqFreq, 433.92e6);
    Builder::Number(pFrequency, &g_vdFreqSendTime, 2.0);

    values::Node* pEmi = b.Create(pDev, &g_vdNodeEmi);
    values::Node* pGeneral = b.Group(b.Create(pEmi, &g_vdNodeIndEmi), &g_vdNodeSimGeneral);
    Builder::Number(pGeneral, &g_vdGenMaxPower, 25.0);
    Builder::Text(pGeneral, &g_vdGenEnvironment, "Urban");
    pGeneral = b.Group(b.Create(pEmi, &g_vdNodeIndEmi), &g_vdNodeSimGeneral);
    Builder::Text(pGeneral, &g_vdGenModulation, "AM");
    Builder::Text(pGeneral, &g_vdGenAntennaType, "Yagi");
    Builder::Number(pGeneral, &g_vdGenAntennaDirection, 135.0);

    values::Node* pMovs = b.Create(pDev, &g_vdNodeMovs);
    values::Node* pMovement = b.Group(b.Create(pMovs, &g_vdNodeIndMov), &g_vdNodeSimMovement);
    Builder::Text(pMovement, &g_vdMovType, "Breakpoints");
    // From the city centre north along the motorway to the airport: a stop at the ring road,
    // a traffic jam, and a wait at the terminal.
    Breakpoint(b, pMovement, 48.1372, 11.5756, 0.0, 8.3);
    Breakpoint(b, pMovement, 48.1455, 11.5820, 0.0, 11.1);
    Breakpoint(b, pMovement, 48.1590, 11.5860, 45.0, 13.9);
    Breakpoint(b, pMovement, 48.1765, 11.5914, 0.0, 22.2);
    Breakpoint(b, pMovement, 48.1951, 11.6051, 0.0, 33.3);
    Breakpoint(b, pMovement, 48.2163, 11.6230, 0.0, 33.3);
    Breakpoint(b, pMovement, 48.2412, 11.6395, 300.0, 5.6);
    Breakpoint(b, pMovement, 48.2690, 11.6570, 0.0, 36.1);
    Breakpoint(b, pMovement, 48.2985, 11.6792, 0.0, 36.1);
    Breakpoint(b, pMovement, 48.3301, 11.7142, 0.0, 25.0);
    Breakpoint(b, pMovement, 48.3465, 11.7590, 0.0, 13.9);
    Breakpoint(b, pMovement, 48.3538, 11.7861, 900.0, 0.0);
    return pDev;
}

values::Node* FillVuhfReceiver(values::Node* pRoot)
{
    const Builder b(DEVICETYPE_VUHF_RECEIVER);
    values::Node* pDev = b.Create(pRoot, &g_vdNodeDev);
    Builder::Text(pDev, &g_vdDevName, "Mobile Unit 2");
    Builder::Text(pDev, &g_vdDevAddress, "10.20.7.3:5555");
    Builder::Number(pDev, &g_vdFrequency, 446.00625e6);

    values::Node* pDcd = pDev->GetChildNode(&g_vdNodeDcd);
    Builder::Text(pDev, &g_vdDcdName, "UHF survey");
    Builder::Number(pDev, &g_vdDcdID, 2001);
    values::Node* pDcs = pDcd->GetChildNode(&g_vdNodeDcs);
    Builder::Text(pDcs, &g_vdDcsName, "PMR and ISM");
    values::Node* pFds = pDcs->GetChildNode(&g_vdNodeFds);
    b.Fd(pFds, 446.0e6, 446.2e6, "PMR446");
    values::Node* pIsm = b.Fd(pFds, 433.92e6, 433.92e6, "ISM telemetry");
    Builder::Number(b.Group(pIsm, &g_vdNodeDet), &g_vdResolutionBandwidth, 5000);
    b.Fd(pFds, 380e6, 400e6, "TETRA", true);
    b.Fd(pFds, 868.3e6, 868.3e6, "SRD 868");
    return pDev;
}

} // namespace

std::vector<values::Node*> SampleData::Fill(values::Node* pRoot)
{
    if (!pRoot)
        return {};
    values::VtTransaction transaction;
    pRoot->SetValueDescriptor(&g_vdNodeRoot);
    values::Node* pDf = FillDfReceiver(pRoot);
    values::Node* pVuhf = FillVuhfReceiver(pRoot);
    return {pDf, pVuhf};
}

} // namespace DravinelDefinition
