#pragma once

#include "kvbase/observable.h"
#include "oskevo/changecodes.h"
#include "oskevo/itreeitem.h"

#include <string>

namespace values
{

class Node;

// Base of nodes and values: a name, a descriptor, a parent and observers.
//
// Deleting an item (plain `delete`, or Node::DeleteItem) first tells the whole subtree:
// every node sends CC_DELETING, every value moves to VS_DELETE and sends CC_STATE, while
// everything is still intact; then the item leaves its parent (which sends CC_CHILDREN)
// and only then is memory freed.
class TreeItem : public Observable, public ITreeItem, public IDeleteSubject, public IManageValue
{
public:
    ~TreeItem() override;

    const QString& GetName() const override { return m_sName; }
    const ValueDescriptor* GetValueDescriptor() const override { return m_pDescriptor; }
    Node* GetParentNode() const { return m_pParent; }
    TreeItem* GetParent() const;
    QString GetPathName() const override;       // "/" for the root, else "/A/B"
    QString GetPathName_NoSlashForRoot() const; // "" for the root

    bool IsNode() const;
    Node* AsNode();
    ValueBase* AsValue();

    // Renames the item (CC_NAME to its observers, CC_CHILDREN to the parent). A clash with
    // a sibling's name is refused (false) unless bUnique, which then picks a fresh name.
    virtual bool SetName(const QString& sName, IObserver* pOriginator = nullptr, bool bUnique = false);

    // Tells the observers that the item was changed in place (CC_MODIFIED).
    virtual void Commit(IObserver* pOriginator);

    void SetDeleteObserver(ITreeItem* pObserver) override { m_pDeleteObserver = pObserver; }
    ITreeItem* GetDeleteObserver() const override { return m_pDeleteObserver; }

    // Also reports the change to the TreeWatchers of every ancestor.
    void NotifyObservers(TChangeCode code, IObserver* pOriginator = nullptr) override;

    Node* GetNode(const QString& sPath) override;
    ValueBase* GetValue(const QString& sPath) override;
    Node* AddNode(const QString& sPath) override;
    TreeItem* GetItem(const QString& sPath);

    // The text form: a value's text; a node's own free text (empty unless set).
    virtual std::string GetAsStdString() const = 0;
    virtual bool SetAsStdString(const std::string& sText, IObserver* pOriginator) = 0;

    // A deep copy with the same name and descriptor, in no tree.
    virtual TreeItem* Clone() const = 0;

    // True once the item has started to be deleted (its subtree was told).
    bool IsDying() const { return m_bDying; }

    // Whether pItem is this item or lies below it.
    bool IsAncestorOf(const TreeItem* pItem) const;
    // The topmost node above this item (the item itself when it has no parent and is a node).
    TreeItem* GetRootItem();

protected:
    TreeItem(const QString& sName, const ValueDescriptor* pDescriptor);
    void SetDescriptorInternal(const ValueDescriptor* pDescriptor) { m_pDescriptor = pDescriptor; }
    // Sends the deletion notices of this item's subtree once (see class comment).
    virtual void AnnounceDeletion();
    // First step of every destructor of a concrete item class, while the item is still
    // whole: tells the subtree (unless done already) and leaves the parent. Classes derived
    // from a concrete item class that add state call it first in their own destructor.
    void BeginDestruction();

private:
    friend class Node;
    friend class ValueBase;
    QString m_sName;
    const ValueDescriptor* m_pDescriptor;
    Node* m_pParent = nullptr;
    ITreeItem* m_pDeleteObserver = nullptr;
    int m_nIndexHint = -1;       // last known position among the parent's children
    bool m_bDying = false;       // the deletion notices were sent (or are being sent)
    bool m_bDestructing = false; // a destructor of this item is running
};

} // namespace values
