#include "jobdocument.h"

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravinelcontrols/jobtransfer.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/names.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

using namespace DravinelDefinition;

namespace
{

values::ValueBase* Attribute(values::Node* pFd, const values::ValueDescriptor& descriptor, bool bCreate)
{
    if (bCreate)
        return dynamic_cast<values::ValueBase*>(descriptor.CreateAt(pFd, nullptr));
    return pFd->GetValue(descriptor.PathName().mid(1));
}

} // namespace

JobDocument::JobDocument()
    : m_pManager(new JobDialogManager(nullptr, QStringLiteral("/DravinelJob/JobRoot"), QStringLiteral("/Dev"),
                                      DEVICETYPE_DF_RECEIVER))
{
}

JobDocument::~JobDocument()
{
    m_pManager->DeleteWatcher();
}

bool JobDocument::Open(const QString& sFileName)
{
    const bool bOpened = m_pManager->Open(sFileName);
    m_sLastError = m_pManager->GetLastError();
    return bOpened;
}

bool JobDocument::Create(const std::vector<FrequencyTable::Row>& vecRows)
{
    m_pManager->Close();
    // New makes the control data with one definition, which the rows replace.
    m_pManager->New(0.0);
    values::Node* pFds = JobTransfer::GetFds(m_pManager->GetOffline()->GetChildNode(&g_vdNodeDcd));
    IDeviceDefinition* pDefinition =
        DeviceDefinitionCenter::Instance().GetDeviceDefinition(DEVICETYPE_DF_RECEIVER);
    values::IDynamicRules* pRules = pDefinition ? pDefinition->GetRulesMap().Find(&g_vdNodeFds) : nullptr;
    if (!pFds || !pRules)
    {
        m_sLastError = QStringLiteral("The job's frequency list could not be made.");
        return false;
    }
    pFds->DeleteChildren();
    for (const FrequencyTable::Row& row : vecRows)
    {
        values::Node* pFd = pRules->CreateChild(pFds, &g_vdNodeFd, nullptr);
        values::ValueBase* pStart = pFd ? Attribute(pFd, g_vdFStart, true) : nullptr;
        values::ValueBase* pStop = pFd ? Attribute(pFd, g_vdFStop, true) : nullptr;
        values::ValueBase* pName = pFd ? Attribute(pFd, g_vdFName, true) : nullptr;
        auto* pSupp = pFd ? dynamic_cast<values::ValueBool*>(Attribute(pFd, g_vdFSupp, true)) : nullptr;
        if (!pStart || !pStop || !pName || !pSupp || !pStart->SetNumber(row.dStart) ||
            !pStop->SetNumber(row.dStop) || !pName->SetAsString(row.sName))
        {
            m_sLastError = QStringLiteral("The definition %1 to %2 Hz could not be made.")
                               .arg(FrequencyTable::Number(row.dStart), FrequencyTable::Number(row.dStop));
            return false;
        }
        pSupp->SetValue(row.bSuppressed);
    }
    m_sLastError.clear();
    return true;
}

bool JobDocument::Save(const QString& sFileName)
{
    const bool bSaved = m_pManager->Save(sFileName);
    m_sLastError = m_pManager->GetLastError();
    return bSaved;
}

bool JobDocument::IsModified() const
{
    return m_pManager->IsModified();
}

QString JobDocument::GetName() const
{
    values::Node* pDcd = m_pManager->GetOffline()->GetChildNode(&g_vdNodeDcd);
    values::Node* pAttr = pDcd ? pDcd->GetChildNode(C::g_sDcdAttr) : nullptr;
    values::ValueBase* pName = pAttr ? pAttr->GetChildValue(C::g_sDcdName) : nullptr;
    return pName ? pName->GetAsString() : QString();
}

std::vector<FrequencyTable::Row> JobDocument::GetRows() const
{
    std::vector<FrequencyTable::Row> vecRows;
    values::Node* pFds = JobTransfer::GetFds(m_pManager->GetOffline()->GetChildNode(&g_vdNodeDcd));
    if (!pFds)
        return vecRows;
    for (values::TreeItem* pItem : pFds->GetTreeItems())
    {
        values::Node* pFd = pItem->AsNode();
        if (!pFd || pFd->GetValueDescriptor() != &g_vdNodeFd)
            continue;
        FrequencyTable::Row row;
        if (values::ValueBase* pStart = Attribute(pFd, g_vdFStart, false))
            row.dStart = pStart->GetNumber();
        if (values::ValueBase* pStop = Attribute(pFd, g_vdFStop, false))
            row.dStop = pStop->GetNumber();
        if (values::ValueBase* pName = Attribute(pFd, g_vdFName, false))
            row.sName = pName->GetAsString();
        if (values::ValueBase* pSupp = Attribute(pFd, g_vdFSupp, false))
            row.bSuppressed = pSupp->GetAsString() == QLatin1String("true");
        vecRows.push_back(row);
    }
    return vecRows;
}

void JobDocument::Suppress(double dStart, double dStop)
{
    m_pManager->Suppress(dStart, dStop);
}

void JobDocument::UnSuppress(double dStart, double dStop)
{
    m_pManager->UnSuppress(dStart, dStop);
}
