#include "oskevo/treewatcher.h"

#include "oskevo/node.h"

namespace values
{

TreeWatcher::TreeWatcher(IModifyObserver* pObserver, Node* pNode) : m_pObserver(pObserver), m_pNode(pNode)
{
    // A node that is being deleted answers at once with NodeDeleted.
    if (m_pNode)
        m_pNode->AttachWatcher(this);
}

TreeWatcher::~TreeWatcher()
{
    if (m_pNode)
        m_pNode->DetachWatcher(this);
}

void TreeWatcher::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pObserver)
        m_pObserver->NotifyModified(bModified);
}

void TreeWatcher::NotifyModified(bool /*bIgnored*/)
{
    m_bModified = true;
    if (m_pObserver)
        m_pObserver->NotifyModified(true);
}

void TreeWatcher::NotifyModified(TreeItem* pItem, TChangeCode /*code*/)
{
    if (pItem)
    {
        NotifyModified();
        return;
    }
    if (m_pObserver)
        m_pObserver->NotifyModified(m_bModified);
}

void TreeWatcher::ItemChanged(TreeItem* /*pItem*/, TChangeCode /*code*/)
{
    NotifyModified();
}

void TreeWatcher::NodeDeleted()
{
    m_pNode = nullptr;
}

} // namespace values
