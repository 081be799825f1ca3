#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace values
{

class Node;
class TreeItem;
class ValueDescriptor;

// One primitive change below a recorder's node, kept so that it can be turned back and forth.
// Paths are child names from the recorder's node down, valid in the tree as it stood right
// after the change; Toggle() turns the change back (or forth again) and stores what it
// replaced, so that undo toggles a step's records in reverse order and redo in order.
struct ChangeRecord
{
    enum Kind
    {
        K_VALUE,      // lstPath: the value; sText: the other text
        K_NODE_TEXT,  // lstPath: the node; sText: the other text
        K_INSERT,     // lstPath: the parent; sName: the child now there; nIndex
        K_REMOVE,     // lstPath: the parent; pItem: the child taken out; nIndex
        K_REORDER,    // lstPath: the parent; lstOrder: the other order (names)
        K_RENAME,     // lstPath: the parent; sName: the name now; sText: the other name
        K_DESCRIPTOR, // lstPath: the node; pDescriptor: the other descriptor
    };
    Kind eKind = K_VALUE;
    QStringList lstPath;
    QString sName;
    QString sText;
    int nIndex = -1;
    std::shared_ptr<TreeItem> spItem;
    QStringList lstOrder;
    const ValueDescriptor* pDescriptor = nullptr;
};

// Sees every primitive change at or below its node (values, node texts, children linked,
// removed, reordered, renamed, descriptors) before or as it happens, for undo histories.
// Costs nothing while no recorder is attached anywhere. Forgets its node when it is deleted.
class ChangeRecorder
{
public:
    explicit ChangeRecorder(Node* pNode);
    virtual ~ChangeRecorder();
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

    Node* GetNode() const { return m_pNode; }
    // Turns the recorded change back (or forth again) in the tree below pRoot; false when it
    // no longer applies (an item of its path is gone).
    static bool Toggle(Node* pRoot, ChangeRecord& record);

    // The change points of the tree call these.
    static bool IsActive() { return s_nAttached > 0; }
    static void ValueChanging(TreeItem* pValue);
    static void NodeTextChanging(Node* pNode);
    static void Linked(Node* pParent, TreeItem* pItem, int nIndex);
    static void Unlinking(Node* pParent, TreeItem* pItem, int nIndex);
    static void Reordering(Node* pParent);
    static void Renamed(TreeItem* pItem, const QString& sOldName);
    static void DescriptorChanging(Node* pNode);

protected:
    virtual void Recorded(ChangeRecord record) = 0;
    // The node is being deleted; the recorder is detached already.
    virtual void NodeDeleted() {}

private:
    friend class Node;
    void Detached();
    // Calls fnMake(path from each recorder's node to pAt) for every recorder at or above pAt.
    template <class F> static void Report(TreeItem* pAt, F fnMake);

    static int s_nAttached;
    Node* m_pNode;
};

} // namespace values
