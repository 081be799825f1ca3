#include "oskevo/vtxmlwriter.h"

#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtxml.h"
#include "oskevo/vtxmlformat.h"

#include <QXmlStreamWriter>
#include <utility>
#include <vector>

namespace values
{

namespace
{

// Depth of the elements: the root element is 1, the items it holds 2.
const int s_nTopDepth = 2;

ValueDescriptor::Kind KindOf(const ValueBase* pValue)
{
    if (dynamic_cast<const ValueSelection*>(pValue))
        return ValueDescriptor::KIND_SELECTION;
    if (dynamic_cast<const ValueDouble*>(pValue))
        return ValueDescriptor::KIND_DOUBLE;
    if (dynamic_cast<const ValueInt*>(pValue))
        return ValueDescriptor::KIND_INT;
    if (dynamic_cast<const ValueBool*>(pValue))
        return ValueDescriptor::KIND_BOOL;
    if (dynamic_cast<const ValueString*>(pValue))
        return ValueDescriptor::KIND_STRING;
    // A value class of its own: its descriptor tells what it holds, its text form is kept.
    const ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    if (pDescriptor && !pDescriptor->IsNode())
        return pDescriptor->GetKind();
    return ValueDescriptor::KIND_STRING;
}

} // namespace

VtXmlWriter::VtXmlWriter(QXmlStreamWriter& xml, bool bStrict) : m_xml(xml), m_bStrict(bStrict)
{
}

void VtXmlWriter::BeginDocument(const QString* pVersion, const std::string* pText)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(1);
    m_xml.writeStartDocument();
    m_xml.writeDTD(VtXmlFormat::DocType());
    m_xml.writeStartElement(VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_ROOT));
    WriteAttribute(VtXmlFormat::ATTR_FORMAT, QString::number(VtXmlFormat::s_nFormatVersion), nullptr);
    if (pVersion)
        WriteText(VtXmlFormat::ATTR_VERSION, *pVersion, nullptr);
    if (pText && !pText->empty())
        WriteBytes(*pText, nullptr);
}

void VtXmlWriter::EndDocument()
{
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
}

void VtXmlWriter::WriteItem(const TreeItem* pItem)
{
    const Node* pTop = dynamic_cast<const Node*>(pItem);
    if (!pTop)
    {
        WriteValue(static_cast<const ValueBase*>(pItem), s_nTopDepth);
        return;
    }
    // Each frame is a node whose start tag is written and the index of its next child.
    std::vector<std::pair<const Node*, size_t>> vecStack;
    StartNode(pTop, s_nTopDepth);
    vecStack.emplace_back(pTop, 0);
    while (!vecStack.empty())
    {
        std::pair<const Node*, size_t>& frame = vecStack.back();
        const std::vector<TreeItem*>& vecChildren = frame.first->GetTreeItems();
        if (frame.second >= vecChildren.size())
        {
            m_xml.writeEndElement();
            vecStack.pop_back();
            continue;
        }
        const TreeItem* pChild = vecChildren[frame.second++];
        const int nDepth = s_nTopDepth + int(vecStack.size());
        if (const Node* pNode = dynamic_cast<const Node*>(pChild))
        {
            StartNode(pNode, nDepth);
            vecStack.emplace_back(pNode, 0);
        }
        else
        {
            WriteValue(static_cast<const ValueBase*>(pChild), nDepth);
        }
    }
}

void VtXmlWriter::StartNode(const Node* pNode, int nDepth)
{
    CheckDepth(nDepth, pNode);
    CountItem(pNode);
    CheckDescriptor(pNode, ValueDescriptor::KIND_NODE);
    m_xml.writeStartElement(VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_NODE));
    WriteText(VtXmlFormat::ATTR_NAME, pNode->GetName(), pNode);
    const ValueDescriptor* pDescriptor = pNode->GetValueDescriptor();
    if (pDescriptor && pDescriptor != ValueDescriptor::GenericNode())
        WriteText(VtXmlFormat::ATTR_TYPE, pDescriptor->Name(), pNode);
    const std::string sText = pNode->GetAsStdString();
    if (!sText.empty())
        WriteBytes(sText, pNode);
}

void VtXmlWriter::WriteValue(const ValueBase* pValue, int nDepth)
{
    CheckDepth(nDepth, pValue);
    CountItem(pValue);
    const ValueDescriptor::Kind eKind = KindOf(pValue);
    CheckDescriptor(pValue, eKind);
    m_xml.writeStartElement(VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_VALUE));
    WriteText(VtXmlFormat::ATTR_NAME, pValue->GetName(), pValue);
    if (const ValueDescriptor* pDescriptor = pValue->GetValueDescriptor())
        WriteText(VtXmlFormat::ATTR_TYPE, pDescriptor->Name(), pValue);
    WriteAttribute(VtXmlFormat::ATTR_KIND, VtXmlFormat::KindName(eKind), pValue);
    if (pValue->GetState() != VS_NORMAL)
        WriteAttribute(VtXmlFormat::ATTR_STATE, VtXmlFormat::FormatInt(pValue->GetState()), pValue);

    const ValueSelection* pSelection = dynamic_cast<const ValueSelection*>(pValue);
    if (pSelection)
    {
        const int nCurrent = pSelection->GetCurrentIndex();
        const int nCount = pSelection->GetCount();
        if (m_bStrict && (nCount == 0 ? nCurrent != -1 : (nCurrent < 0 || nCurrent >= nCount)))
            Refuse(
                pValue,
                QStringLiteral("its current entry %1 is none of its %2 entries").arg(nCurrent).arg(nCount));
        WriteAttribute(VtXmlFormat::ATTR_CURRENT, VtXmlFormat::FormatInt(nCurrent), pValue);
        // The text form, for people who read the file; the reader checks it.
        if (nCurrent >= 0 && nCurrent < pSelection->GetCount())
            WriteText(VtXmlFormat::ATTR_VALUE, pSelection->GetItem(nCurrent).GetName(), pValue);
        CheckDepth(nDepth + 1, pValue);
        for (const SelectionItem& item : pSelection->GetItems())
        {
            CountItem(pValue);
            m_xml.writeStartElement(VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_ENTRY));
            WriteText(VtXmlFormat::ATTR_NAME, item.GetName(), pValue);
            WriteAttribute(VtXmlFormat::ATTR_NUMBER, VtXmlFormat::FormatDouble(item.GetValue()), pValue);
            WriteAttribute(VtXmlFormat::ATTR_KEY, VtXmlFormat::FormatInt(item.GetKey()), pValue);
            m_xml.writeEndElement();
        }
    }
    else if (const ValueDouble* pDouble = dynamic_cast<const ValueDouble*>(pValue))
    {
        CheckRange(pValue, pDouble->GetValue());
        WriteAttribute(VtXmlFormat::ATTR_VALUE, VtXmlFormat::FormatDouble(pDouble->GetValue()), pValue);
    }
    else if (const ValueInt* pInt = dynamic_cast<const ValueInt*>(pValue))
    {
        CheckRange(pValue, pInt->GetValue());
        WriteAttribute(VtXmlFormat::ATTR_VALUE, VtXmlFormat::FormatInt(pInt->GetValue()), pValue);
    }
    else if (const ValueBool* pBool = dynamic_cast<const ValueBool*>(pValue))
    {
        WriteAttribute(VtXmlFormat::ATTR_VALUE,
                       pBool->GetValue() ? QStringLiteral("true") : QStringLiteral("false"), pValue);
    }
    else if (const ValueString* pString = dynamic_cast<const ValueString*>(pValue))
    {
        WriteText(VtXmlFormat::ATTR_VALUE, pString->GetValue(), pValue);
    }
    else
    {
        WriteText(VtXmlFormat::ATTR_VALUE, pValue->GetAsString(), pValue);
    }
    m_xml.writeEndElement();
}

void VtXmlWriter::WriteText(VtXmlFormat::Attribute eAttribute, const QString& sText, const TreeItem* pItem)
{
    if (VtXmlFormat::IsXmlSafe(sText))
        WriteAttribute(eAttribute, sText, pItem);
    else
        WriteAttribute(VtXmlFormat::Utf16Of(eAttribute), VtXmlFormat::ToUtf16Hex(sText), pItem);
}

void VtXmlWriter::WriteBytes(const std::string& sBytes, const TreeItem* pItem)
{
    if (VtXmlFormat::IsUtf8Text(sBytes))
    {
        const QString sText = QString::fromStdString(sBytes);
        if (VtXmlFormat::IsXmlSafe(sText))
        {
            WriteAttribute(VtXmlFormat::ATTR_TEXT, sText, pItem);
            return;
        }
    }
    WriteAttribute(VtXmlFormat::ATTR_TEXT_BYTES, VtXmlFormat::ToByteHex(sBytes), pItem);
}

void VtXmlWriter::WriteAttribute(VtXmlFormat::Attribute eAttribute, const QString& sText,
                                 const TreeItem* pItem)
{
    const QString& sAttribute = VtXmlFormat::AttributeName(eAttribute);
    if (m_bStrict && sText.size() > VtXml::s_nMaxAttributeLength)
        Refuse(pItem,
               QStringLiteral("its attribute \"%1\" has %2 characters, more than the %3 a document may hold")
                   .arg(sAttribute)
                   .arg(sText.size())
                   .arg(VtXml::s_nMaxAttributeLength));
    m_xml.writeAttribute(sAttribute, sText);
}

void VtXmlWriter::CountItem(const TreeItem* pItem)
{
    if (m_bStrict && ++m_nItems > VtXml::s_nMaxItems)
        Refuse(
            pItem,
            QStringLiteral("a document holds at most %1 nodes, values and entries").arg(VtXml::s_nMaxItems));
}

void VtXmlWriter::CheckDescriptor(const TreeItem* pItem, ValueDescriptor::Kind eKind) const
{
    const ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    if (!m_bStrict || !pDescriptor || pDescriptor == ValueDescriptor::GenericNode())
        return;
    if (ValueDescriptor::Find(pDescriptor->Name()) != pDescriptor)
        Refuse(pItem,
               QStringLiteral("its descriptor \"%1\" cannot be found by that name").arg(pDescriptor->Name()));
    if (pDescriptor->GetKind() != eKind)
        Refuse(pItem, QStringLiteral("it is a %1, but its descriptor \"%2\" is for a %3")
                          .arg(eKind == ValueDescriptor::KIND_NODE ? QStringLiteral("node")
                                                                   : VtXmlFormat::KindName(eKind),
                               pDescriptor->Name(),
                               pDescriptor->IsNode() ? QStringLiteral("node")
                                                     : VtXmlFormat::KindName(pDescriptor->GetKind())));
}

void VtXmlWriter::CheckRange(const ValueBase* pValue, double dNumber) const
{
    const ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    if (m_bStrict && pDescriptor && (dNumber < pDescriptor->Minimum() || dNumber > pDescriptor->Maximum()))
        Refuse(pValue,
               QStringLiteral("%1 is out of the range [%2, %3] of its descriptor")
                   .arg(VtXmlFormat::FormatDouble(dNumber), VtXmlFormat::FormatDouble(pDescriptor->Minimum()),
                        VtXmlFormat::FormatDouble(pDescriptor->Maximum())));
}

void VtXmlWriter::CheckDepth(int nDepth, const TreeItem* pItem) const
{
    if (m_bStrict && nDepth > VtXml::s_nMaxDepth)
        Refuse(pItem, QStringLiteral("it is nested deeper than %1 levels").arg(VtXml::s_nMaxDepth));
}

void VtXmlWriter::Refuse(const TreeItem* pItem, const QString& sWhy) const
{
    const QString sWhat =
        pItem ? QStringLiteral("\"%1\"").arg(pItem->GetPathName()) : QStringLiteral("the document");
    throw KVException(QStringLiteral("Cannot write %1: %2.").arg(sWhat, sWhy), QStringLiteral("VtXmlWriter"));
}

} // namespace values
