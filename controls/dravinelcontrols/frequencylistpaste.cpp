#include "dravinelcontrols/frequencylistpaste.h"

#include "dravinelcontrols/frequencyviewitem.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "fenmarro/analogdemod.h"
#include "fenmarro/frequencystorelist.h"
#include "kvbase/ctokenizer.h"
#include "kvbase/zorvanstring.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtxml.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <vector>

const char* const FrequencyListPaste::s_pszMarker = "FrequencyListCopyStruct";

using namespace DravinelDefinition;

namespace
{

QString Number(double d)
{
    return QString::number(d, 'g', 15);
}

// The fields of a line split at tabs. At least the usual 20 slots, more for longer lines, so a
// column after the twentieth is read as well and never run into its neighbours.
std::vector<QString> SplitFields(const QString& sLine)
{
    const int nSlots =
        std::max(int(FrequencyListPaste::s_nFieldSlots), int(sLine.count(QLatin1Char('\t'))) + 1);
    std::vector<QString> vecFields(size_t(nSlots), QStringLiteral("\t"));
    const int nFields = Zorvan::separateString(sLine, vecFields.data(), nSlots);
    vecFields.resize(size_t(std::max(nFields, 0)));
    return vecFields;
}

// The position of the column named sName, or -1 when it is missing or named twice.
int FindColumn(const std::vector<QString>& vecHeader, const QString& sName)
{
    int nFound = -1;
    for (size_t i = 0; i < vecHeader.size(); ++i)
    {
        if (vecHeader[i].trimmed() != sName)
            continue;
        if (nFound >= 0)
            return -1;
        nFound = int(i);
    }
    return nFound;
}

values::ValueBase* MakeValue(values::Node* pNode, const values::ValueDescriptor& descriptor)
{
    return dynamic_cast<values::ValueBase*>(descriptor.CreateAt(pNode, nullptr));
}

values::ValueSelection* SelectionOf(values::Node* pNode, const values::ValueDescriptor& descriptor)
{
    return pNode ? dynamic_cast<values::ValueSelection*>(pNode->GetChildValue(&descriptor)) : nullptr;
}

values::IDynamicRules* RulesOf(const values::Node* pNode)
{
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1);
    return pNode && pDefinition ? pDefinition->GetRulesMap().Find(pNode->GetValueDescriptor()) : nullptr;
}

QString Field(const std::vector<QString>& vecFields, int nIndex)
{
    return nIndex >= 0 && size_t(nIndex) < vecFields.size() ? vecFields[size_t(nIndex)] : QString();
}

} // namespace

QString FrequencyListPaste::CheckFrequency(double dHz)
{
    const values::ValueDescriptor& start = DravinelDefinition::g_vdFStart;
    const values::ValueDescriptor& stop = DravinelDefinition::g_vdFStop;
    const double dMin = std::max(start.Minimum(), stop.Minimum());
    const double dMax = std::min(start.Maximum(), stop.Maximum());
    if (dHz < dMin || dHz > dMax)
        return tr("the frequency %1 Hz lies outside %2 to %3 Hz.")
            .arg(Number(dHz), Number(dMin), Number(dMax));
    return QString();
}

bool FrequencyListPaste::ReadCopyStruct(const QString& sText)
{
    m_vecEntries.clear();
    m_vecProblems.clear();
    m_bStoreList = false;

    QString sLines = sText;
    if (sLines.startsWith(QChar(0xFEFF)))
        sLines.remove(0, 1); // byte order mark of some exporters
    sLines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    sLines.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    Zorvan::CTokenizer tokenizer(sLines, QStringLiteral("\n"));
    if (!tokenizer.HasMoreTokens())
        return false;
    const QString sMarker = QString::fromLatin1(s_pszMarker);
    if (tokenizer.NextToken().left(sMarker.length()) != sMarker)
        return false;
    if (!tokenizer.HasMoreTokens())
        return true; // a header line alone: accepted, nothing to paste

    const std::vector<QString> vecHeader = SplitFields(tokenizer.NextToken());
    if (vecHeader.empty())
        return false;
    const int nFrequency = FindColumn(vecHeader, QStringLiteral("Frequency"));
    const int nName = FindColumn(vecHeader, QStringLiteral("Name"));
    const int nBandwidth = FindColumn(vecHeader, QStringLiteral("Bandwidth"));
    if (nFrequency < 0 || nName < 0 || nBandwidth < 0)
        return false;

    for (int nLine = 3; tokenizer.HasMoreTokens(); ++nLine)
        ReadLine(tokenizer.NextToken(), nLine, nFrequency, nName, nBandwidth);
    return true;
}

void FrequencyListPaste::ReadLine(const QString& sLine, int nLine, int nFrequency, int nName, int nBandwidth)
{
    if (sLine.trimmed().isEmpty())
        return; // blank lines (empty spreadsheet rows) carry nothing
    const std::vector<QString> vecFields = SplitFields(sLine);

    Entry entry;
    entry.nLine = nLine;
    const QString sFrequency = Field(vecFields, nFrequency).trimmed();
    if (sFrequency.isEmpty())
    {
        m_vecProblems.push_back({nLine, tr("no frequency is given.")});
        return;
    }
    bool bOk = false;
    entry.dFrequency = Zorvan::toDoubleEx(sFrequency, &bOk);
    if (!bOk)
    {
        m_vecProblems.push_back({nLine, tr("the frequency \"%1\" is not a number.").arg(sFrequency)});
        return;
    }
    const QString sRange = CheckFrequency(entry.dFrequency);
    if (!sRange.isEmpty())
    {
        m_vecProblems.push_back({nLine, sRange});
        return;
    }
    const QString sBandwidth = Field(vecFields, nBandwidth).trimmed();
    if (!sBandwidth.isEmpty())
    {
        entry.dBandwidth = Zorvan::toDoubleEx(sBandwidth, &bOk);
        if (!bOk)
        {
            m_vecProblems.push_back({nLine, tr("the bandwidth \"%1\" is not a number.").arg(sBandwidth)});
            return;
        }
        if (entry.dBandwidth < 0.0)
        {
            m_vecProblems.push_back(
                {nLine, tr("the bandwidth %1 Hz is negative.").arg(Number(entry.dBandwidth))});
            return;
        }
        entry.bBandwidth = true;
    }
    entry.sName = Field(vecFields, nName);
    m_vecEntries.push_back(entry);
}

void FrequencyListPaste::ReadFrequencyStore(const QString& sText)
{
    m_vecEntries.clear();
    m_vecProblems.clear();
    m_bStoreList = true;

    Fenmarro::FrequencyStoreList list;
    list.SetXmlString(sText, 0);
    m_vecEntries.reserve(size_t(list.GetEntryCount()));
    int nNumber = 0;
    for (const Fenmarro::FrequencyStoreEntry& stored : list.GetEntries())
    {
        ++nNumber;
        const Fenmarro::FFMSettings& settings = stored.GetFFM_Settings();
        Entry entry;
        entry.nLine = nNumber;
        entry.dFrequency = settings.GetFrequency().GetValue();
        entry.sName = stored.GetComment();
        entry.bBandwidth = true;
        entry.dBandwidth = settings.GetIFBandwidth().GetValue();
        entry.sDemodulation = Fenmarro::AnalogDemodToName(settings.GetAnalogDemod());
        const QString sRange = CheckFrequency(entry.dFrequency);
        if (!sRange.isEmpty())
        {
            m_vecProblems.push_back({nNumber, sRange});
            continue;
        }
        m_vecEntries.push_back(entry);
    }
}

QString FrequencyListPaste::DescribeProblems() const
{
    QString sText = tr("Paste Text Format Error:") + QLatin1Char('\n') +
                    (m_bStoreList ? tr("Nothing was pasted. These entries cannot be read:")
                                  : tr("Nothing was pasted. These lines cannot be read:"));
    const QString sLine = m_bStoreList ? tr("Entry %1: %2") : tr("Line %1: %2");
    const int nShown = std::min(int(m_vecProblems.size()), int(s_nProblemsShown));
    for (int i = 0; i < nShown; ++i)
        sText += QLatin1Char('\n') +
                 sLine.arg(m_vecProblems[size_t(i)].nLine).arg(m_vecProblems[size_t(i)].sReason);
    const int nMore = int(m_vecProblems.size()) - nShown;
    if (nMore > 0)
        sText += QLatin1Char('\n') + tr("... and %1 more.").arg(nMore);
    return sText;
}

size_t FrequencyListPaste::CreateDefinitions(values::Node* pList, values::IDynamicRules* pRules) const
{
    size_t nCreated = 0;
    for (const Entry& entry : m_vecEntries)
    {
        values::Node* pFd = pRules ? pRules->CreateChild(pList, &g_vdNodeFd, nullptr) : nullptr;
        if (!pFd)
            break;
        ++nCreated;
        if (values::ValueBase* pStart = MakeValue(pFd, g_vdFStart))
            pStart->SetNumber(entry.dFrequency, nullptr);
        if (values::ValueBase* pStop = MakeValue(pFd, g_vdFStop))
            pStop->SetNumber(entry.dFrequency, nullptr);
        if (values::ValueBase* pName = MakeValue(pFd, g_vdFName))
            pName->SetAsString(entry.sName, nullptr);

        values::Node* pPar = pFd->GetChildNode(&g_vdNodePar);
        if (!pPar)
            continue; // the definition takes its parameters from above
        if (entry.bBandwidth)
        {
            if (values::ValueSelection* pResolution =
                    SelectionOf(pPar->GetChildNode(&g_vdNodeDet), g_vdResolutionBandwidth))
                pResolution->SelectClosestValue(entry.dBandwidth, nullptr);
        }
        if (!m_bStoreList)
            continue;
        values::Node* pDemod = pPar->GetChildNode(&g_vdNodeDemod);
        if (!pDemod)
        {
            values::IDynamicRules* pParRules = RulesOf(pPar);
            pDemod = pParRules ? pParRules->CreateChild(pPar, &g_vdNodeDemod, nullptr) : nullptr;
        }
        if (values::ValueSelection* pBandwidth = SelectionOf(pDemod, g_vdBandwidth))
            pBandwidth->SelectClosestValue(entry.dBandwidth, nullptr);
        if (values::ValueSelection* pDemodulation = SelectionOf(pDemod, g_vdDemodulation))
            pDemodulation->SelectText(entry.sDemodulation, nullptr);
    }
    return nCreated;
}

int FrequencyListPaste::AddVtXml(values::Node* pList, const QString& sText, QStringList* pRefused)
{
    const values::VtXml xml(sText);
    int nAdded = 0;
    for (int nIndex = 0; pList; ++nIndex)
    {
        std::unique_ptr<values::Node> pNode(xml.CreateNodeAt(nIndex));
        if (!pNode)
            break;
        if (pNode->GetValueDescriptor() != &g_vdNodeFd)
        {
            if (pRefused)
                *pRefused << pNode->GetName();
            continue;
        }
        // A definition named otherwise would be added but never shown.
        if (!FrequencyViewItem::AsDefinition(pNode.get()))
            pNode->SetName(g_vdNodeFd.Name());
        if (pList->AddItemUnique(pNode.get()))
        {
            pNode.release();
            ++nAdded;
        }
    }
    return nAdded;
}
