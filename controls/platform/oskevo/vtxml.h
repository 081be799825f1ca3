#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace values
{

class Node;

// The XML document of the value framework: one or more nodes with their subtrees, every
// value kind, descriptor and name exactly. The text carries "<!DOCTYPE Vt>".
//
// Reading is strict and bounded: malformed XML, entity declarations, too deep nesting,
// oversized documents or attributes, unknown descriptors and values that do not fit their
// descriptor throw KVException naming what was wrong and where (line, column).
class VtXml
{
public:
    // An empty document to add nodes to.
    VtXml();
    // Parses a document; throws KVException on bad text.
    explicit VtXml(const QString& sText);
    ~VtXml();

    // Adds a copy of the node (with its subtree) to the document.
    void AddNode(const Node* pNode);
    QString GetString() const;

    int GetNodeCount() const;
    // A new node (owned by the caller) built from the document's node at nIndex; null past
    // the last.
    Node* CreateNodeAt(int nIndex) const;

    // The children (and text) of pNode as a document.
    static QString ToXml(const Node* pNode);
    // Replaces the children (and text) of pNode by those of the document; pNode keeps its
    // name and place. On bad text throws KVException and leaves pNode as it was.
    static void FromXml(Node* pNode, const QString& sText);

    // Limits of the reader.
    static const int s_nMaxDepth = 256;
    static const int s_nMaxTextLength = 64 * 1024 * 1024; // characters of a document
    static const int s_nMaxAttributeLength = 1024 * 1024; // characters of one attribute or value text
    static const int s_nMaxItems = 4 * 1000 * 1000;       // nodes, values and selection entries

private:
    std::vector<std::unique_ptr<Node>> m_vecNodes;
};

} // namespace values
