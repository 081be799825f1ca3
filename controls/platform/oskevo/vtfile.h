#pragma once

#include <QString>

namespace values
{

class Node;
class VtFileVersion;

// A file holding the children of one node as a VtXml document with a version.
class VtFile
{
public:
    VtFile(const QString& sFileName, Node* pNode, VtFileVersion* pVersion);

    // Replaces the node's children by the file's. Throws KVException when the file cannot
    // be read, is no document of ours, or its version conflicts; the node is then as it was.
    void Read();
    // Writes atomically: on any failure KVException is thrown and the previous file stays
    // byte for byte.
    void Write();

private:
    QString m_sFileName;
    Node* m_pNode;
    VtFileVersion* m_pVersion;
};

} // namespace values
