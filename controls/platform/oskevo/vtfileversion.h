#pragma once

#include <QString>
#include <vector>

namespace values
{

class Node;
class TreeItem;

// The version a file owner writes into its files and checks when it reads them.
class VtFileVersion
{
public:
    virtual ~VtFileVersion() = default;
    // Whether a file of version sFileVersion cannot be read by this owner. Default: any
    // version other than GetVersion().
    virtual bool VersionConflict(const QString& sFileVersion) const { return sFileVersion != GetVersion(); }
    virtual QString GetVersion() const = 0;
    // Why the items at the top of a file that has been read are no document of this owner
    // (the file is then refused before anything is replaced); empty when they are, the
    // default.
    virtual QString RefuseContent(const std::vector<const TreeItem*>& /*vecItems*/) const
    {
        return QString();
    }
    // Brings a freshly read tree up to date; default: nothing.
    virtual void FixTree(Node* /*pNode*/) {}
};

} // namespace values
