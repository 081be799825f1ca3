#pragma once

#include <QString>

namespace values
{

class Node;

// The version a file owner writes into its files and checks when it reads them.
class VtFileVersion
{
public:
    virtual ~VtFileVersion() = default;
    // Whether a file of version sFileVersion cannot be read by this owner. Default: any
    // version other than GetVersion().
    virtual bool VersionConflict(const QString& sFileVersion) const { return sFileVersion != GetVersion(); }
    virtual QString GetVersion() const = 0;
    // Brings a freshly read tree up to date; default: nothing.
    virtual void FixTree(Node* /*pNode*/) {}
};

} // namespace values
