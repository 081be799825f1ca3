#include "oskevo/node.h"

#include "oskevo/changerecorder.h"
#include "oskevo/treewatcher.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vttransaction.h"

#include <QSet>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace values
{

int Node::s_nAttachedWatchers = 0;

namespace
{

// Children with the flags that tell whether each is still alive after observers ran.
std::vector<std::pair<TreeItem*, std::shared_ptr<const bool>>>
SnapshotWithFlags(const std::vector<TreeItem*>& vec)
{
    std::vector<std::pair<TreeItem*, std::shared_ptr<const bool>>> vecSnapshot;
    vecSnapshot.reserve(vec.size());
    for (TreeItem* pItem : vec)
        vecSnapshot.emplace_back(pItem, pItem->GetAliveFlag());
    return vecSnapshot;
}

} // namespace

Node::Node(const QString& sName, const ValueDescriptor* pDescriptor)
    : TreeItem(sName, pDescriptor ? pDescriptor : ValueDescriptor::GenericNode())
{
}

Node::~Node()
{
    BeginDestruction();
    FreeChildren();
    for (TreeWatcher* pWatcher : m_vecWatchers)
    {
        --s_nAttachedWatchers;
        pWatcher->NodeDeleted();
    }
    m_vecWatchers.clear();
    DetachRecorders();
}

void Node::DetachRecorders()
{
    std::vector<ChangeRecorder*> vecRecorders;
    vecRecorders.swap(m_vecRecorders);
    for (ChangeRecorder* pRecorder : vecRecorders)
    {
        --ChangeRecorder::s_nAttached;
        pRecorder->Detached();
    }
}

void Node::AttachRecorder(ChangeRecorder* pRecorder)
{
    if (!pRecorder)
        return;
    if (m_bDying)
    {
        pRecorder->Detached();
        return;
    }
    if (std::find(m_vecRecorders.begin(), m_vecRecorders.end(), pRecorder) != m_vecRecorders.end())
        return;
    m_vecRecorders.push_back(pRecorder);
    ++ChangeRecorder::s_nAttached;
}

void Node::DetachRecorder(ChangeRecorder* pRecorder)
{
    auto it = std::find(m_vecRecorders.begin(), m_vecRecorders.end(), pRecorder);
    if (it == m_vecRecorders.end())
        return;
    m_vecRecorders.erase(it);
    --ChangeRecorder::s_nAttached;
}

void Node::FreeChildren()
{
    std::vector<TreeItem*> vecChildren;
    vecChildren.swap(m_vecChildren);
    m_hashByName.clear();
    for (TreeItem* pChild : vecChildren)
    {
        pChild->m_pParent = nullptr;
        // A child whose destructor is running (it started our deletion) frees itself.
        if (!pChild->m_bDestructing)
            delete pChild;
    }
}

void Node::AnnounceDeletion()
{
    std::shared_ptr<const bool> spAlive = GetAliveFlag();
    if (!m_bDying)
    {
        m_bDying = true;
        VtTransaction::Forget(this);
        NotifyObservers(CC_DELETING, nullptr);
        if (!*spAlive)
            return;
        std::vector<TreeWatcher*> vecWatchers;
        vecWatchers.swap(m_vecWatchers);
        for (TreeWatcher* pWatcher : vecWatchers)
        {
            --s_nAttachedWatchers;
            pWatcher->NodeDeleted();
        }
        DetachRecorders();
    }
    // An observer told of this node's deletion (or of a child's) may delete an ancestor: the
    // ancestor then comes here again, and the children not yet told are told at once, while
    // they still stand whole. Those told before answer at once.
    TellChildren(spAlive);
}

bool Node::TellChildren(const std::shared_ptr<const bool>& spAlive)
{
    // Observers may delete or move children meanwhile: tell only those still ours.
    for (const auto& entry : SnapshotWithFlags(m_vecChildren))
    {
        if (!*entry.second || entry.first->m_pParent != this)
            continue;
        entry.first->AnnounceDeletion();
        if (!*spAlive)
            return false;
    }
    return true;
}

int Node::IndexOf(const TreeItem* pItem) const
{
    if (!pItem || pItem->m_pParent != this)
        return -1;
    const int nHint = pItem->m_nIndexHint;
    if (nHint >= 0 && nHint < int(m_vecChildren.size()) && m_vecChildren[size_t(nHint)] == pItem)
        return nHint;
    auto it = std::find(m_vecChildren.begin(), m_vecChildren.end(), pItem);
    if (it == m_vecChildren.end())
        return -1;
    const int nIndex = int(it - m_vecChildren.begin());
    const_cast<TreeItem*>(pItem)->m_nIndexHint = nIndex;
    return nIndex;
}

Node* Node::GetChildNode(const ValueDescriptor* pDescriptor) const
{
    for (TreeItem* pItem : m_vecChildren)
    {
        if (pItem->GetValueDescriptor() == pDescriptor)
        {
            if (Node* pNode = pItem->AsNode())
                return pNode;
        }
    }
    return nullptr;
}

Node* Node::GetChildNode(const QString& sName) const
{
    TreeItem* pItem = m_hashByName.value(sName, nullptr);
    return pItem ? pItem->AsNode() : nullptr;
}

ValueBase* Node::GetChildValue(const ValueDescriptor* pDescriptor) const
{
    for (TreeItem* pItem : m_vecChildren)
    {
        if (pItem->GetValueDescriptor() == pDescriptor)
        {
            if (ValueBase* pValue = pItem->AsValue())
                return pValue;
        }
    }
    return nullptr;
}

ValueBase* Node::GetChildValue(const QString& sName) const
{
    TreeItem* pItem = m_hashByName.value(sName, nullptr);
    return pItem ? pItem->AsValue() : nullptr;
}

TreeItem* Node::GetChildValueItem(const QString& sName) const
{
    return m_hashByName.value(sName, nullptr);
}

std::vector<Node*> Node::GetChildNodes(const ValueDescriptor* pDescriptor) const
{
    std::vector<Node*> vecNodes;
    for (TreeItem* pItem : m_vecChildren)
    {
        if (pItem->GetValueDescriptor() != pDescriptor)
            continue;
        if (Node* pNode = pItem->AsNode())
            vecNodes.push_back(pNode);
    }
    return vecNodes;
}

void Node::Link(TreeItem* pItem, int nIndex)
{
    if (nIndex < 0 || nIndex >= int(m_vecChildren.size()))
    {
        pItem->m_nIndexHint = int(m_vecChildren.size());
        m_vecChildren.push_back(pItem);
    }
    else
    {
        pItem->m_nIndexHint = nIndex;
        m_vecChildren.insert(m_vecChildren.begin() + nIndex, pItem);
    }
    m_hashByName.insert(pItem->m_sName, pItem);
    pItem->m_pParent = this;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::Linked(this, pItem, pItem->m_nIndexHint);
}

void Node::Unlink(TreeItem* pItem)
{
    const int nIndex = IndexOf(pItem);
    if (nIndex < 0)
        return;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::Unlinking(this, pItem, nIndex);
    m_vecChildren.erase(m_vecChildren.begin() + nIndex);
    auto it = m_hashByName.find(pItem->m_sName);
    if (it != m_hashByName.end() && it.value() == pItem)
        m_hashByName.erase(it);
    pItem->m_pParent = nullptr;
    pItem->m_nIndexHint = -1;
}

void Node::ChildRenamed(TreeItem* pItem, const QString& sOldName)
{
    auto it = m_hashByName.find(sOldName);
    if (it != m_hashByName.end() && it.value() == pItem)
        m_hashByName.erase(it);
    m_hashByName.insert(pItem->m_sName, pItem);
}

TreeItem* Node::AddItem(TreeItem* pItem, IObserver* pOriginator, int nIndex)
{
    return AddItemInternal(pItem, pOriginator, nIndex, false);
}

TreeItem* Node::AddItemUnique(TreeItem* pItem, IObserver* pOriginator, int nIndex)
{
    return AddItemInternal(pItem, pOriginator, nIndex, true);
}

TreeItem* Node::AddItemInternal(TreeItem* pItem, IObserver* pOriginator, int nIndex, bool bUnique)
{
    if (!pItem || m_bDying || pItem->m_bDying || pItem->m_bDestructing || pItem->IsAncestorOf(this))
    {
        // Null, being deleted, or it would contain itself: refused, the item stays as it was.
        return nullptr;
    }
    TreeItem* pClash = m_hashByName.value(pItem->m_sName, nullptr);
    if (pClash == pItem)
        pClash = nullptr; // moving within this node
    // One CC_CHILDREN per node when more than one step changes nodes; a plain append (the
    // common case, done by the ten thousand when lists are built) needs no bracket.
    std::optional<VtTransaction> transaction;
    if ((pClash && !bUnique) || pItem->m_pParent)
        transaction.emplace();
    if (pClash && !bUnique)
    {
        std::shared_ptr<const bool> spAlive = GetAliveFlag();
        std::shared_ptr<const bool> spItemAlive = pItem->GetAliveFlag();
        // The new item takes the place of the one it replaces.
        if (nIndex < 0)
            nIndex = IndexOf(pClash);
        DeleteItem(pClash, pOriginator);
        if (!*spAlive || !*spItemAlive || m_bDying || pItem->m_bDying)
            return nullptr; // observers of the deletion deleted this node or the item
        if (m_hashByName.contains(pItem->m_sName) && m_hashByName.value(pItem->m_sName) != pItem)
            return nullptr; // an observer put another item of that name here meanwhile
    }
    if (Node* pOldParent = pItem->m_pParent)
    {
        pOldParent->Unlink(pItem);
        if (pOldParent != this)
            pOldParent->NotifyChildrenChanged(pOriginator);
    }
    const bool bRenamed = bUnique && m_hashByName.contains(pItem->m_sName);
    if (bRenamed)
        pItem->m_sName = MakeUniqueName(pItem->m_sName);
    Link(pItem, nIndex);
    // Whoever already shows a moved item learns its new name.
    if (bRenamed && pItem->CountObservers() > 0)
        pItem->NotifyObservers(CC_NAME, pOriginator);
    NotifyChildrenChanged(pOriginator);
    return pItem;
}

TreeItem* Node::TakeItem(TreeItem* pItem, IObserver* pOriginator)
{
    if (!pItem || pItem->m_pParent != this || pItem->m_bDying)
        return nullptr;
    Unlink(pItem);
    NotifyChildrenChanged(pOriginator);
    return pItem;
}

void Node::DeleteItem(TreeItem* pItem, IObserver* pOriginator)
{
    // An item already being deleted is left to the deletion under way.
    if (!pItem || pItem->m_pParent != this || pItem->m_bDying || pItem->m_bDestructing)
        return;
    std::shared_ptr<const bool> spItemAlive = pItem->GetAliveFlag();
    pItem->AnnounceDeletion();
    // Observers may have deleted this node (and so the item) or the item itself meanwhile.
    if (!*spItemAlive || pItem->m_bDestructing)
        return;
    if (Node* pParent = pItem->m_pParent)
    {
        pParent->Unlink(pItem);
        pParent->NotifyChildrenChanged(pOriginator);
    }
    // Unlinked: nobody can reach the item through the tree any more.
    delete pItem;
}

void Node::DeleteChildren(IObserver* pOriginator)
{
    if (m_vecChildren.empty())
        return;
    std::shared_ptr<const bool> spAlive = GetAliveFlag();
    if (!TellChildren(spAlive))
        return;
    // Take out every child that was told; a child added by an observer meanwhile stays.
    std::vector<TreeItem*> vecDoomed;
    std::vector<TreeItem*> vecKept;
    if (ChangeRecorder::IsActive())
    {
        // As if taken out one by one from the last: each at the index it stands at.
        for (int i = int(m_vecChildren.size()) - 1; i >= 0; --i)
            if (m_vecChildren[size_t(i)]->m_bDying && !m_vecChildren[size_t(i)]->m_bDestructing)
                ChangeRecorder::Unlinking(this, m_vecChildren[size_t(i)], i);
    }
    for (TreeItem* pChild : m_vecChildren)
    {
        if (!pChild->m_bDying)
        {
            pChild->m_nIndexHint = int(vecKept.size());
            vecKept.push_back(pChild);
            continue;
        }
        pChild->m_pParent = nullptr;
        pChild->m_nIndexHint = -1;
        auto it = m_hashByName.find(pChild->m_sName);
        if (it != m_hashByName.end() && it.value() == pChild)
            m_hashByName.erase(it);
        // A child whose destructor is running frees itself.
        if (!pChild->m_bDestructing)
            vecDoomed.push_back(pChild);
    }
    m_vecChildren.swap(vecKept);
    // An emptied node numbers new names afresh ("Dev", "Dev_1", ...).
    if (m_vecChildren.empty())
        m_hashUniqueHint.clear();
    NotifyChildrenChanged(pOriginator);
    for (TreeItem* pChild : vecDoomed)
        delete pChild;
}

bool Node::ReorderChildren(const std::vector<TreeItem*>& vecOrder, IObserver* pOriginator)
{
    if (vecOrder.size() != m_vecChildren.size())
        return false;
    QSet<const TreeItem*> setSeen;
    setSeen.reserve(int(vecOrder.size()));
    for (TreeItem* pItem : vecOrder)
    {
        if (!pItem || pItem->m_pParent != this || setSeen.contains(pItem))
            return false;
        setSeen.insert(pItem);
    }
    if (vecOrder == m_vecChildren)
        return true;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::Reordering(this);
    m_vecChildren = vecOrder;
    for (size_t i = 0; i < m_vecChildren.size(); ++i)
        m_vecChildren[i]->m_nIndexHint = int(i);
    NotifyChildrenChanged(pOriginator);
    return true;
}

void Node::Copy(const Node* pSource, IObserver* pOriginator)
{
    if (!pSource)
        return;
    // Clone everything first: the source may be this node or lie inside it.
    std::vector<TreeItem*> vecCopies;
    vecCopies.reserve(pSource->m_vecChildren.size());
    for (const TreeItem* pChild : pSource->m_vecChildren)
        vecCopies.push_back(pChild->Clone());
    VtTransaction transaction;
    for (TreeItem* pCopy : vecCopies)
    {
        if (!AddItemInternal(pCopy, pOriginator, -1, true))
            delete pCopy;
    }
}

Node* Node::CopyChildNode(const Node* pChild, IObserver* pOriginator)
{
    if (!pChild)
        return nullptr;
    Node* pCopy = static_cast<Node*>(pChild->Clone());
    if (!AddItemInternal(pCopy, pOriginator, -1, true))
    {
        delete pCopy;
        return nullptr;
    }
    return pCopy;
}

void Node::Merge(const Node* pSource, IObserver* pOriginator)
{
    if (!pSource || pSource == this)
        return;
    // Work on a private copy: whatever observers do to the source meanwhile, and wherever
    // it lies, the merge reads a stable tree; its items can be moved in as they are.
    std::unique_ptr<Node> pCopy(static_cast<Node*>(pSource->Clone()));
    std::shared_ptr<const bool> spAlive = GetAliveFlag();
    VtTransaction transaction;
    struct Merger
    {
        IObserver* pOriginator;
        const std::shared_ptr<const bool>& spAlive;
        void Run(Node* pTarget, Node* pFrom)
        {
            if (!pFrom->m_sText.empty() && pFrom->m_sText != pTarget->m_sText)
                pTarget->SetAsStdString(pFrom->m_sText, pOriginator);
            const std::vector<TreeItem*> vecFrom = pFrom->m_vecChildren;
            for (TreeItem* pItem : vecFrom)
            {
                if (!*spAlive || pTarget->m_bDying)
                    return;
                TreeItem* pMine = pTarget->m_hashByName.value(pItem->GetName(), nullptr);
                ValueBase* pValue = pItem->AsValue();
                Node* pNode = pItem->AsNode();
                if (pMine && pValue && pMine->AsValue())
                {
                    ValueBase* pMineValue = pMine->AsValue();
                    if (pMineValue->GetAsString() != pValue->GetAsString())
                        pMineValue->SetAsString(pValue->GetAsString(), pOriginator);
                }
                else if (pMine && pNode && pMine->AsNode())
                    Run(pMine->AsNode(), pNode);
                else
                {
                    // Missing here, or of the other kind: the source's item replaces it.
                    pFrom->Unlink(pItem);
                    if (!pTarget->AddItemInternal(pItem, pOriginator, -1, false))
                        delete pItem;
                }
            }
        }
    } merger{pOriginator, spAlive};
    merger.Run(this, pCopy.get());
}

void Node::SetValueDescriptor(const ValueDescriptor* pDescriptor, IObserver* pOriginator)
{
    if (!pDescriptor)
        pDescriptor = ValueDescriptor::GenericNode();
    if (pDescriptor == GetValueDescriptor() || m_bDying)
        return;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::DescriptorChanging(this);
    SetDescriptorInternal(pDescriptor);
    Node* pParent = GetParentNode();
    std::shared_ptr<const bool> spParentAlive = pParent ? pParent->GetAliveFlag() : nullptr;
    NotifyObservers(CC_NAME, pOriginator);
    if (pParent && *spParentAlive)
        pParent->NotifyChildrenChanged(pOriginator);
}

QString Node::MakeUniqueName(const QString& sBase) const
{
    if (!m_hashByName.contains(sBase))
        return sBase;
    // Resume where the last search for this base stopped, so that adding many items of
    // one name stays linear.
    int nSuffix = m_hashUniqueHint.value(sBase, 1);
    QString sName;
    do
    {
        sName = sBase + QLatin1Char('_') + QString::number(nSuffix++);
    } while (m_hashByName.contains(sName));
    m_hashUniqueHint.insert(sBase, nSuffix);
    return sName;
}

bool Node::SetAsStdString(const std::string& sText, IObserver* pOriginator)
{
    if (sText == m_sText)
        return true;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::NodeTextChanging(this);
    m_sText = sText;
    NotifyObservers(CC_MODIFIED, pOriginator);
    return true;
}

TreeItem* Node::Clone() const
{
    Node* pCopy = new Node(GetName(), GetValueDescriptor());
    pCopy->m_sText = m_sText;
    pCopy->m_vecChildren.reserve(m_vecChildren.size());
    for (const TreeItem* pChild : m_vecChildren)
        pCopy->Link(pChild->Clone(), -1);
    return pCopy;
}

void Node::NotifyChildrenChanged(IObserver* pOriginator)
{
    // A node that is being deleted was told so; it hears nothing else.
    if (m_bDying)
        return;
    if (VtTransaction::Record(this, pOriginator))
        return;
    NotifyObservers(CC_CHILDREN, pOriginator);
}

void Node::AttachWatcher(TreeWatcher* pWatcher)
{
    if (!pWatcher)
        return;
    if (m_bDying)
    {
        pWatcher->NodeDeleted();
        return;
    }
    if (std::find(m_vecWatchers.begin(), m_vecWatchers.end(), pWatcher) != m_vecWatchers.end())
        return;
    m_vecWatchers.push_back(pWatcher);
    ++s_nAttachedWatchers;
}

void Node::DetachWatcher(TreeWatcher* pWatcher)
{
    auto it = std::find(m_vecWatchers.begin(), m_vecWatchers.end(), pWatcher);
    if (it == m_vecWatchers.end())
        return;
    m_vecWatchers.erase(it);
    --s_nAttachedWatchers;
}

} // namespace values
