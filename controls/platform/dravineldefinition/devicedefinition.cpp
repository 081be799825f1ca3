#include "dravineldefinition/devicedefinition.h"

#include "dravineldefinition/controldata.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/nodefactory.h"
#include "dravineldefinition/tablerules.h"
#include "kvbase/errorhandler.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/vttransaction.h"

namespace DravinelDefinition
{

namespace
{

const char* const c_pszSource = "dravineldefinition/devicedefinition";

void Trace(const QString& sText, int nLine)
{
    ErrorHandler* pHandler = ErrorHandler::Instance();
    if (pHandler->IsTraceOn())
        pHandler->_Q_Trace(sText, QString::fromLatin1(c_pszSource), nLine);
}

double AttrNumber(values::Node* pFd, const values::ValueDescriptor* pDescriptor, bool& bFound)
{
    values::Node* pAttr = pFd->GetChildNode(&g_vdNodeFdAttr);
    values::ValueBase* pValue = pAttr ? pAttr->GetChildValue(pDescriptor) : nullptr;
    bFound = pValue && pValue->IsNumeric();
    return bFound ? pValue->GetNumber() : 0.0;
}

// Traces every frequency definition below pNode that leaves the range [dMin, dMax].
int ReportOutOfRange(values::Node* pNode, double dMin, double dMax)
{
    int nFound = 0;
    for (values::TreeItem* pItem : pNode->GetTreeItems())
    {
        values::Node* pChild = pItem->AsNode();
        if (!pChild)
            continue;
        if (pChild->GetValueDescriptor() != &g_vdNodeFd)
        {
            nFound += ReportOutOfRange(pChild, dMin, dMax);
            continue;
        }
        bool bStart = false;
        bool bStop = false;
        const double dStart = AttrNumber(pChild, &g_vdFStart, bStart);
        const double dStop = AttrNumber(pChild, &g_vdFStop, bStop);
        if ((bStart && (dStart < dMin || dStart > dMax)) || (bStop && (dStop < dMin || dStop > dMax)))
        {
            Trace(QStringLiteral("Frequency definition %1 lies outside the device range")
                      .arg(pChild->GetPathName()),
                  __LINE__);
            ++nFound;
        }
    }
    return nFound;
}

} // namespace

DeviceDefinition::DeviceDefinition(const DeviceTypeInfo& info)
    : m_info(info), m_vecRules(BuildRules(info)), m_pRulesMap(new values::DynamicRulesMap)
{
    for (const NodeRule& rule : m_vecRules)
        m_pRulesMap->Add(rule.pNode, new TableRules(this, rule));
}

DeviceDefinition::~DeviceDefinition()
{
    // A job object that outlives its definition must not call back.
    m_pControlData = nullptr;
}

QString DeviceDefinition::GetName() const
{
    return QString::fromLatin1(m_info.pszName);
}

const NodeRule* DeviceDefinition::FindRule(const values::ValueDescriptor* pDescriptor) const
{
    for (const NodeRule& rule : m_vecRules)
        if (rule.pNode == pDescriptor)
            return &rule;
    return nullptr;
}

ControlData* DeviceDefinition::CreateControlData(values::Node* pDcd)
{
    return pDcd ? new ControlData(this, pDcd) : nullptr;
}

void DeviceDefinition::SetControlData(ControlData* pControlData)
{
    // Only objects made here leave again when they are deleted.
    if (pControlData && pControlData->GetDefinition() != this)
        return;
    m_pControlData = pControlData;
}

int DeviceDefinition::Prepare(bool bReport)
{
    values::Node* pDcd = m_pControlData ? m_pControlData->GetNode() : nullptr;
    if (!pDcd)
        return 0;
    QStringList listAdded;
    int nRepairs = 0;
    {
        values::VtTransaction transaction;
        nRepairs = NodeFactory::CompleteTree(pDcd, nullptr, bReport ? &listAdded : nullptr);
    }
    if (bReport)
    {
        for (const QString& sPath : listAdded)
            Trace(QStringLiteral("Added missing %1").arg(sPath), __LINE__);
        ReportOutOfRange(pDcd, m_info.dMinFrequency, m_info.dMaxFrequency);
    }
    return nRepairs;
}

} // namespace DravinelDefinition
