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
    m_xml.writeStartElement(VtXmlFormat::RootElement());
    m_xml.writeAttribute(VtXmlFormat::FormatAttribute(), QString::number(VtXmlFormat::s_nFormatVersion));
    if (pVersion)
        WriteText(VtXmlFormat::VersionAttribute(), *pVersion, nullptr);
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
    m_xml.writeStartElement(VtXmlFormat::NodeElement());
    WriteText(VtXmlFormat::NameAttribute(), pNode->GetName(), pNode);
    const ValueDescriptor* pDescriptor = pNode->GetValueDescriptor();
    if (pDescriptor && pDescriptor != ValueDescriptor::GenericNode())
        WriteText(VtXmlFormat::TypeAttribute(), pDescriptor->Name(), pNode);
    const std::string sText = pNode->GetAsStdString();
    if (!sText.empty())
        WriteBytes(sText, pNode);
}

void VtXmlWriter::WriteValue(const ValueBase* pValue, int nDepth)
{
    CheckDepth(nDepth, pValue);
    CountItem(pValue);
    const ValueDescriptor::Kind eKind = KindOf(pValue);
    m_xml.writeStartElement(VtXmlFormat::ValueElement());
    WriteText(VtXmlFormat::NameAttribute(), pValue->GetName(), pValue);
    if (const ValueDescriptor* pDescriptor = pValue->GetValueDescriptor())
        WriteText(VtXmlFormat::TypeAttribute(), pDescriptor->Name(), pValue);
    m_xml.writeAttribute(VtXmlFormat::KindAttribute(), VtXmlFormat::KindName(eKind));
    if (pValue->GetState() != VS_NORMAL)
        m_xml.writeAttribute(VtXmlFormat::StateAttribute(), VtXmlFormat::FormatInt(pValue->GetState()));

    const ValueSelection* pSelection = dynamic_cast<const ValueSelection*>(pValue);
    if (pSelection)
    {
        const int nCurrent = pSelection->GetCurrentIndex();
        m_xml.writeAttribute(VtXmlFormat::CurrentAttribute(), VtXmlFormat::FormatInt(nCurrent));
        // The text form, for people who read the file; the reader checks it.
        if (nCurrent >= 0 && nCurrent < pSelection->GetCount())
            WriteText(VtXmlFormat::ValueAttribute(), pSelection->GetItem(nCurrent).GetName(), pValue);
        CheckDepth(nDepth + 1, pValue);
        for (const SelectionItem& item : pSelection->GetItems())
        {
            CountItem(pValue);
            m_xml.writeStartElement(VtXmlFormat::EntryElement());
            WriteText(VtXmlFormat::NameAttribute(), item.GetName(), pValue);
            m_xml.writeAttribute(VtXmlFormat::NumberAttribute(), VtXmlFormat::FormatDouble(item.GetValue()));
            m_xml.writeAttribute(VtXmlFormat::KeyAttribute(), VtXmlFormat::FormatInt(item.GetKey()));
            m_xml.writeEndElement();
        }
    }
    else if (const ValueDouble* pDouble = dynamic_cast<const ValueDouble*>(pValue))
    {
        m_xml.writeAttribute(VtXmlFormat::ValueAttribute(), VtXmlFormat::FormatDouble(pDouble->GetValue()));
    }
    else if (const ValueInt* pInt = dynamic_cast<const ValueInt*>(pValue))
    {
        m_xml.writeAttribute(VtXmlFormat::ValueAttribute(), VtXmlFormat::FormatInt(pInt->GetValue()));
    }
    else if (const ValueBool* pBool = dynamic_cast<const ValueBool*>(pValue))
    {
        m_xml.writeAttribute(VtXmlFormat::ValueAttribute(),
                             pBool->GetValue() ? QStringLiteral("true") : QStringLiteral("false"));
    }
    else if (const ValueString* pString = dynamic_cast<const ValueString*>(pValue))
    {
        WriteText(VtXmlFormat::ValueAttribute(), pString->GetValue(), pValue);
    }
    else
    {
        WriteText(VtXmlFormat::ValueAttribute(), pValue->GetAsString(), pValue);
    }
    m_xml.writeEndElement();
}

void VtXmlWriter::WriteText(const QString& sAttribute, const QString& sText, const TreeItem* pItem)
{
    if (VtXmlFormat::IsXmlSafe(sText))
        WriteAttribute(sAttribute, sText, pItem);
    else
        WriteAttribute(VtXmlFormat::Utf16Attribute(sAttribute), VtXmlFormat::ToUtf16Hex(sText), pItem);
}

void VtXmlWriter::WriteBytes(const std::string& sBytes, const TreeItem* pItem)
{
    if (VtXmlFormat::IsUtf8Text(sBytes))
    {
        const QString sText = QString::fromStdString(sBytes);
        if (VtXmlFormat::IsXmlSafe(sText))
        {
            WriteAttribute(VtXmlFormat::TextAttribute(), sText, pItem);
            return;
        }
    }
    WriteAttribute(VtXmlFormat::TextBytesAttribute(), VtXmlFormat::ToByteHex(sBytes), pItem);
}

void VtXmlWriter::WriteAttribute(const QString& sAttribute, const QString& sText, const TreeItem* pItem)
{
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
