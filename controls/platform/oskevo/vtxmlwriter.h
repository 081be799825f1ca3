#pragma once

#include "oskevo/vtxmlformat.h"

#include <QString>
#include <string>

class QXmlStreamWriter;

namespace values
{

class Node;
class TreeItem;
class ValueBase;

// Writes nodes and values as elements of a Vt document onto a QXmlStreamWriter. Walks the
// tree with an explicit stack, so any depth is written without deep recursion.
//
// A strict writer refuses (KVException naming the item) what the reader would refuse:
// nesting beyond VtXml::s_nMaxDepth, attributes beyond VtXml::s_nMaxAttributeLength,
// more than VtXml::s_nMaxItems items, descriptors that do not fit, numbers out of range.
// Files are written strictly, so that a file that was written can always be read back;
// clipboard texts are not.
class VtXmlWriter
{
public:
    VtXmlWriter(QXmlStreamWriter& xml, bool bStrict);

    // The XML declaration, the document type and the root element with the format, the
    // optional file version and the optional free text of the node the document stands for.
    void BeginDocument(const QString* pVersion, const std::string* pText);
    // The item with its whole subtree.
    void WriteItem(const TreeItem* pItem);
    void EndDocument();

private:
    void StartNode(const Node* pNode, int nDepth);
    void WriteValue(const ValueBase* pValue, int nDepth);
    // A text attribute, or its "...Utf16" form when XML cannot carry the text.
    void WriteText(VtXmlFormat::Attribute eAttribute, const QString& sText, const TreeItem* pItem);
    void WriteBytes(const std::string& sBytes, const TreeItem* pItem);
    void WriteAttribute(VtXmlFormat::Attribute eAttribute, const QString& sText, const TreeItem* pItem);
    void CountItem(const TreeItem* pItem);
    void CheckDepth(int nDepth, const TreeItem* pItem) const;
    // What the reader would refuse: a descriptor it cannot find or of another kind, a
    // number out of range.
    void CheckDescriptor(const TreeItem* pItem, ValueDescriptor::Kind eKind) const;
    void CheckRange(const ValueBase* pValue, double dNumber) const;
    [[noreturn]] void Refuse(const TreeItem* pItem, const QString& sWhy) const;

    QXmlStreamWriter& m_xml;
    bool m_bStrict;
    int m_nItems = 0;
};

} // namespace values
