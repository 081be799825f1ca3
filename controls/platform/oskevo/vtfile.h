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

    // With bKeep, Write first keeps the file it replaces as BackupName() (an earlier backup
    // is dropped), so that one bad save can be undone by hand. A backup that cannot be made
    // fails the write, the file untouched.
    void SetKeepBackup(bool bKeep) { m_bKeepBackup = bKeep; }
    // The file name followed by "~" ("job.xml~").
    QString BackupName() const { return m_sFileName + QLatin1Char('~'); }

private:
    // Keeps the current file as BackupName(); answers why not, or an empty text.
    QString KeepBackup() const;

    QString m_sFileName;
    Node* m_pNode;
    VtFileVersion* m_pVersion;
    bool m_bKeepBackup = false;
};

} // namespace values
