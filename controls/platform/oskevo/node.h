#pragma once

#include "oskevo/treeitem.h"

#include <QHash>
#include <vector>

namespace values
{

class ChangeRecorder;
class TreeWatcher;
class ValueBase;

// A node of the value tree: children (nodes and values) in order, names unique among
// siblings. Adding or removing children sends CC_CHILDREN to the node's observers (once
// per VtTransaction, when one is open). Children are owned by the node.
class Node : public TreeItem
{
public:
    explicit Node(const QString& sName, const ValueDescriptor* pDescriptor = nullptr);
    ~Node() override;

    const std::vector<TreeItem*>& GetTreeItems() const { return m_vecChildren; }
    int GetChildCount() const { return int(m_vecChildren.size()); }
    int IndexOf(const TreeItem* pItem) const;

    Node* GetChildNode(const ValueDescriptor* pDescriptor) const; // first child node of that type
    Node* GetChildNode(const QString& sName) const;
    ValueBase* GetChildValue(const ValueDescriptor* pDescriptor) const;
    ValueBase* GetChildValue(const QString& sName) const;
    TreeItem* GetChildValueItem(const QString& sName) const; // any child item of that name
    std::vector<Node*> GetChildNodes(const ValueDescriptor* pDescriptor) const;

    // Takes ownership and appends (or inserts before nIndex, counted after any replaced
    // sibling left). A sibling of the same name is deleted first and the new item takes its
    // place. An item that is still in a tree is first taken out of it. Returns the item, or
    // null when refused: a null item, one that would contain this node, or either of them
    // being deleted; the item then stays as it was and its owner keeps it.
    TreeItem* AddItem(TreeItem* pItem, IObserver* pOriginator = nullptr, int nIndex = -1);
    // As AddItem, but a name clash gives the new item a fresh name ("Name_1", "Name_2", ...;
    // an item that already has observers is told CC_NAME).
    TreeItem* AddItemUnique(TreeItem* pItem, IObserver* pOriginator = nullptr, int nIndex = -1);
    // Removes the child from this node without deleting it; the caller owns it then. Null
    // when it is no child or is being deleted.
    TreeItem* TakeItem(TreeItem* pItem, IObserver* pOriginator = nullptr);
    // Deletes one child (with the deletion notices) / all children. The deletion notices
    // reach every observer, the originator too (it must let go as well); only the change
    // notice of this node skips it. A child already being deleted is left to that.
    void DeleteItem(TreeItem* pItem, IObserver* pOriginator = nullptr);
    void DeleteChildren(IObserver* pOriginator = nullptr);
    // Puts the children into the given order (a permutation of the current children).
    bool ReorderChildren(const std::vector<TreeItem*>& vecOrder, IObserver* pOriginator = nullptr);

    // Appends deep copies of all children of pSource (names made unique).
    void Copy(const Node* pSource, IObserver* pOriginator = nullptr);
    void CopyChildren(const Node* pSource, IObserver* pOriginator = nullptr) { Copy(pSource, pOriginator); }
    // Appends a deep copy of pChild (name made unique); returns the copy.
    Node* CopyChildNode(const Node* pChild, IObserver* pOriginator = nullptr);
    // Merges pSource into this node: values of pSource set the text of same-named values
    // here (or are copied in when missing); child nodes merge recursively by name. A text a
    // value here refuses leaves it as it is; an item of the other kind (node or value) is
    // replaced by a copy of the source's. The source is never changed, wherever it lies.
    void Merge(const Node* pSource, IObserver* pOriginator = nullptr);
    void MergeChildren(const Node* pSource, IObserver* pOriginator = nullptr) { Merge(pSource, pOriginator); }

    void SetValueDescriptor(const ValueDescriptor* pDescriptor, IObserver* pOriginator = nullptr);
    // A name no child has yet, derived from sBase.
    QString MakeUniqueName(const QString& sBase) const;

    std::string GetAsStdString() const override { return m_sText; }
    bool SetAsStdString(const std::string& sText, IObserver* pOriginator) override;
    TreeItem* Clone() const override;

    // Sends CC_CHILDREN now, or at the end of the open VtTransaction.
    void NotifyChildrenChanged(IObserver* pOriginator);

    // TreeWatchers registered on this node see every change below it.
    void AttachWatcher(TreeWatcher* pWatcher);
    void DetachWatcher(TreeWatcher* pWatcher);
    const std::vector<TreeWatcher*>& GetWatchers() const { return m_vecWatchers; }
    // ChangeRecorders registered on this node see every primitive change below it.
    void AttachRecorder(ChangeRecorder* pRecorder);
    void DetachRecorder(ChangeRecorder* pRecorder);
    const std::vector<ChangeRecorder*>& GetRecorders() const { return m_vecRecorders; }

protected:
    void AnnounceDeletion() override;

private:
    friend class TreeItem;
    friend class ChangeRecorder;
    // Tells the recorders of this node that it goes.
    void DetachRecorders();
    // Tells the children still ours of their deletion; false when this node went meanwhile.
    bool TellChildren(const std::shared_ptr<const bool>& spAlive);
    friend class ValueDescriptor;
    void ChildRenamed(TreeItem* pItem, const QString& sOldName);
    // Takes pItem out of the children (no notification).
    void Unlink(TreeItem* pItem);
    // Inserts a parentless item whose name is free (no notification).
    void Link(TreeItem* pItem, int nIndex);
    TreeItem* AddItemInternal(TreeItem* pItem, IObserver* pOriginator, int nIndex, bool bUnique);
    // Frees the children in the destructor.
    void FreeChildren();

    // Number of watchers attached anywhere; lets notifications skip the walk up the
    // parents when there are none.
    static int s_nAttachedWatchers;

    std::vector<TreeItem*> m_vecChildren;
    QHash<QString, TreeItem*> m_hashByName;
    mutable QHash<QString, int> m_hashUniqueHint; // next suffix to try per base name
    std::vector<TreeWatcher*> m_vecWatchers;
    std::vector<ChangeRecorder*> m_vecRecorders;
    std::string m_sText;
};

} // namespace values
