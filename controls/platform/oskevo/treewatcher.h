#pragma once

#include "oskevo/imodified.h"

#include "kvbase/observable.h"

namespace values
{

class Node;
class TreeItem;

// Watches a whole subtree: any change below (or of) its node marks it modified and tells
// its observer. Costs nothing per item: changes are reported up the parent chain to the
// watchers attached there. Forgets its node when that node is deleted.
class TreeWatcher : public IModified, public IModifyObserver
{
public:
    TreeWatcher(IModifyObserver* pObserver, Node* pNode);
    ~TreeWatcher() override;

    Node* GetNode() const { return m_pNode; }
    bool IsModified() override { return m_bModified; }
    // Stores the flag and tells the observer.
    void SetbModified(bool bModified) override;
    // Marks modified and tells the observer (the argument is ignored: any report is a change).
    void NotifyModified(bool bIgnored = false) override;
    // A report naming an item is a change (as ItemChanged); a report without an item only
    // tells the observer the current flag again, without changing it.
    void NotifyModified(TreeItem* pItem, TChangeCode code);

    // Called by the tree for every change at or below the node.
    void ItemChanged(TreeItem* pItem, TChangeCode code);
    // Called by the node when it is deleted.
    void NodeDeleted();

private:
    IModifyObserver* m_pObserver;
    Node* m_pNode;
    bool m_bModified = false;
};

} // namespace values
