#include "oskevo/treeitem.h"

#include "oskevo/changerecorder.h"

#include "oskevo/node.h"
#include "oskevo/treewatcher.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include "kvbase/errorhandler.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace values
{

namespace
{

// Calls f(segment) for every non-empty segment of sPath; stops when f answers false.
// Answers false when stopped.
template <class F> bool ForEachSegment(const QString& sPath, F f)
{
    const int nLength = sPath.length();
    int nStart = 0;
    while (nStart <= nLength)
    {
        int nEnd = sPath.indexOf(QLatin1Char('/'), nStart);
        if (nEnd < 0)
            nEnd = nLength;
        if (nEnd > nStart && !f(sPath.mid(nStart, nEnd - nStart)))
            return false;
        nStart = nEnd + 1;
    }
    return true;
}

} // namespace

TreeItem::TreeItem(const QString& sName, const ValueDescriptor* pDescriptor)
    : m_sName(sName), m_pDescriptor(pDescriptor)
{
}

TreeItem::~TreeItem()
{
    // Concrete classes do this first thing in their own destructors; this is the fallback
    // for a class that does not, so that at least the parent lets go.
    BeginDestruction();
}

void TreeItem::BeginDestruction()
{
    if (m_bDestructing)
        return;
    m_bDestructing = true;
    if (!m_bDying)
        AnnounceDeletion();
    // An observer may have deleted the parent meanwhile; it then let go of us already.
    if (Node* pParent = m_pParent)
    {
        pParent->Unlink(this);
        pParent->NotifyChildrenChanged(nullptr);
    }
}

void TreeItem::AnnounceDeletion()
{
    m_bDying = true;
}

TreeItem* TreeItem::GetParent() const
{
    return m_pParent;
}

QString TreeItem::GetPathName() const
{
    if (!m_pParent)
        return QStringLiteral("/");
    return GetPathName_NoSlashForRoot();
}

QString TreeItem::GetPathName_NoSlashForRoot() const
{
    std::vector<const TreeItem*> vecChain;
    for (const TreeItem* p = this; p->m_pParent; p = p->m_pParent)
        vecChain.push_back(p);
    QString sPath;
    for (auto it = vecChain.rbegin(); it != vecChain.rend(); ++it)
    {
        sPath += QLatin1Char('/');
        sPath += (*it)->m_sName;
    }
    return sPath;
}

bool TreeItem::IsNode() const
{
    return dynamic_cast<const Node*>(this) != nullptr;
}

Node* TreeItem::AsNode()
{
    return dynamic_cast<Node*>(this);
}

ValueBase* TreeItem::AsValue()
{
    return dynamic_cast<ValueBase*>(this);
}

bool TreeItem::IsAncestorOf(const TreeItem* pItem) const
{
    for (const TreeItem* p = pItem; p; p = p->m_pParent)
    {
        if (p == this)
            return true;
    }
    return false;
}

TreeItem* TreeItem::GetRootItem()
{
    TreeItem* p = this;
    while (p->m_pParent)
        p = p->m_pParent;
    return p;
}

bool TreeItem::SetName(const QString& sName, IObserver* pOriginator, bool bUnique)
{
    if (m_bDying)
        return false;
    if (sName == m_sName)
        return true;
    // Such names could never be found again by path.
    if (sName.contains(QLatin1Char('/')) || sName == QLatin1String(".") || sName == QLatin1String(".."))
        return false;
    Node* pParent = m_pParent;
    QString sNewName = sName;
    if (pParent)
    {
        TreeItem* pOther = pParent->m_hashByName.value(sName, nullptr);
        if (pOther && pOther != this)
        {
            if (!bUnique)
                return false;
            sNewName = pParent->MakeUniqueName(sName);
        }
    }
    const QString sOldName = m_sName;
    m_sName = sNewName;
    std::shared_ptr<const bool> spParentAlive;
    if (pParent)
    {
        pParent->ChildRenamed(this, sOldName);
        spParentAlive = pParent->GetAliveFlag();
        if (ChangeRecorder::IsActive())
            ChangeRecorder::Renamed(this, sOldName);
    }
    NotifyObservers(CC_NAME, pOriginator);
    if (pParent && *spParentAlive)
        pParent->NotifyChildrenChanged(pOriginator);
    return true;
}

void TreeItem::Commit(IObserver* pOriginator)
{
    NotifyObservers(CC_MODIFIED, pOriginator);
}

void TreeItem::NotifyObservers(TChangeCode code, IObserver* pOriginator)
{
    // Collect the watchers up the parent chain while the chain is intact: the observers
    // called below may change the tree or delete this item.
    struct WatcherRef
    {
        Node* pNode;
        std::shared_ptr<const bool> spNodeAlive;
        TreeWatcher* pWatcher;
    };
    std::vector<WatcherRef> vecWatchers;
    if (Node::s_nAttachedWatchers > 0)
    {
        for (TreeItem* p = this; p; p = p->m_pParent)
        {
            Node* pNode = p->AsNode();
            if (!pNode || pNode->m_vecWatchers.empty())
                continue;
            for (TreeWatcher* pWatcher : pNode->m_vecWatchers)
                vecWatchers.push_back({pNode, pNode->GetAliveFlag(), pWatcher});
        }
    }
    if (vecWatchers.empty())
    {
        Observable::NotifyObservers(code, pOriginator);
        return;
    }
    std::shared_ptr<const bool> spAlive = GetAliveFlag();
    Observable::NotifyObservers(code, pOriginator);
    for (const WatcherRef& ref : vecWatchers)
    {
        // A watcher deleted meanwhile has left its node.
        if (!*ref.spNodeAlive)
            continue;
        const auto& vecNow = ref.pNode->m_vecWatchers;
        if (std::find(vecNow.begin(), vecNow.end(), ref.pWatcher) == vecNow.end())
            continue;
        ref.pWatcher->ItemChanged(*spAlive ? this : nullptr, code);
    }
}

TreeItem* TreeItem::GetItem(const QString& sPath)
{
    TreeItem* pItem = sPath.startsWith(QLatin1Char('/')) ? GetRootItem() : this;
    const bool bFound = ForEachSegment(sPath,
                                       [&pItem](const QString& sSegment)
                                       {
                                           if (sSegment == QLatin1String("."))
                                               return true;
                                           if (sSegment == QLatin1String(".."))
                                           {
                                               pItem = pItem->m_pParent;
                                               return pItem != nullptr;
                                           }
                                           Node* pNode = pItem->AsNode();
                                           pItem =
                                               pNode ? pNode->m_hashByName.value(sSegment, nullptr) : nullptr;
                                           return pItem != nullptr;
                                       });
    return bFound ? pItem : nullptr;
}

Node* TreeItem::GetNode(const QString& sPath)
{
    TreeItem* pItem = GetItem(sPath);
    return pItem ? pItem->AsNode() : nullptr;
}

ValueBase* TreeItem::GetValue(const QString& sPath)
{
    TreeItem* pItem = GetItem(sPath);
    return pItem ? pItem->AsValue() : nullptr;
}

Node* TreeItem::AddNode(const QString& sPath)
{
    TreeItem* pItem = sPath.startsWith(QLatin1Char('/')) ? GetRootItem() : this;
    const bool bFound = ForEachSegment(sPath,
                                       [&pItem](const QString& sSegment)
                                       {
                                           if (sSegment == QLatin1String("."))
                                               return true;
                                           if (sSegment == QLatin1String(".."))
                                           {
                                               pItem = pItem->m_pParent;
                                               return pItem != nullptr;
                                           }
                                           Node* pNode = pItem->AsNode();
                                           if (!pNode)
                                               return false; // the path runs through a value
                                           pItem = pNode->m_hashByName.value(sSegment, nullptr);
                                           if (pItem)
                                               return true;
                                           const ValueDescriptor* pType =
                                               ValueDescriptor::FindNodeByItemName(sSegment);
                                           Node* pNew = new Node(sSegment, pType);
                                           if (!pNode->AddItem(pNew))
                                           {
                                               delete pNew; // the node is being deleted
                                               return false;
                                           }
                                           pItem = pNew;
                                           return true;
                                       });
    return bFound && pItem ? pItem->AsNode() : nullptr;
}

} // namespace values
