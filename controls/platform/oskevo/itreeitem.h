#pragma once

#include <QString>

namespace values
{

class Node;
class ValueBase;
class ValueDescriptor;

// What every item of the value tree answers.
class ITreeItem
{
public:
    virtual ~ITreeItem() = default;
    virtual const QString& GetName() const = 0;
    virtual const ValueDescriptor* GetValueDescriptor() const = 0;
    virtual QString GetPathName() const = 0;
};

// Something that tells one further party when it is deleted.
class IDeleteSubject
{
public:
    virtual ~IDeleteSubject() = default;
    virtual void SetDeleteObserver(ITreeItem* pObserver) = 0;
    virtual ITreeItem* GetDeleteObserver() const = 0;
};

// Path look-ups. A path is relative to the item ("Dcd/Fds", ".." for the parent) or, with a
// leading "/", absolute from the root of the item's tree. An empty path gives the item
// itself when it is of the asked kind, otherwise null.
class IManageValue
{
public:
    virtual ~IManageValue() = default;
    virtual Node* GetNode(const QString& sPath) = 0;
    virtual ValueBase* GetValue(const QString& sPath) = 0;
    // The node at the path, made with missing intermediate nodes; null where the path
    // runs through a value.
    virtual Node* AddNode(const QString& sPath) = 0;
};

} // namespace values
