#include "tolveth/treeviewitem.h"

#include "oskevo/node.h"
#include "oskevo/vtxml.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/tvilistitem.h"

#include <QClipboard>
#include <QGuiApplication>

namespace
{

values::MediatorCtrl* MediatorCtrlOf(ITreeViewCtrl* pCtrl)
{
    return dynamic_cast<values::MediatorCtrl*>(pCtrl);
}

} // namespace

TreeViewItem::TreeViewItem(ITreeViewCtrl* pCtrl, values::TreeItem* pItem)
    : values::NodeMediator(MediatorCtrlOf(pCtrl), pItem), m_pTreeViewCtrl(pCtrl),
      m_pBaseCtrl(dynamic_cast<TreeViewBaseCtrl*>(pCtrl)), m_pLvi(new TviListItem(this))
{
    // The parent node's item, when the controller shows it, is this item's parent.
    values::MediatorCtrl* pMediatorCtrl = MediatorCtrlOf(pCtrl);
    if (pMediatorCtrl && pItem && pItem->GetParentNode())
        SetParent(
            dynamic_cast<values::TreeItemMediator*>(pMediatorCtrl->GetMediator(pItem->GetParentNode())));
}

TreeViewItem::~TreeViewItem()
{
    TreeViewBaseCtrl* pCtrl = m_pBaseCtrl;
    if (pCtrl)
        pCtrl->NotifyItemDestroying(this);
    // The children's items go first, each with its own list-view item.
    const QList<QTreeWidgetItem*> lstChildren = m_pLvi->takeChildren();
    for (QTreeWidgetItem* pChild : lstChildren)
    {
        if (TreeViewItem* pTvi = FromListViewItem(pChild))
            delete pTvi;
        else
            delete pChild;
    }
    delete m_pLvi;
    m_pLvi = nullptr;
    if (pCtrl)
        pCtrl->NotifyItemDestroyed(this);
}

QString TreeViewItem::GetName()
{
    values::TreeItem* pItem = GetTreeItem();
    return pItem ? Alias(pItem->GetName()) : QString();
}

bool TreeViewItem::SetName(const QString& sName)
{
    values::TreeItem* pItem = GetTreeItem();
    if (!pItem || sName.isEmpty())
        return false;
    if (sName == pItem->GetName())
        return true;
    // No originator: this item wants the CC_NAME notice like every other observer.
    return pItem->SetName(sName, nullptr, false);
}

void TreeViewItem::OnCut()
{
    OnCopy();
    OnDelete();
}

void TreeViewItem::OnCopy()
{
    values::Node* pNode = GetNode();
    if (!pNode)
        return;
    values::VtXml doc;
    doc.AddNode(pNode);
    QGuiApplication::clipboard()->setText(doc.GetString());
}

void TreeViewItem::OnDelete()
{
    values::Node* pNode = GetNode();
    if (!pNode || !pNode->GetParentNode())
        return;
    DeleteTreeItem(); // this item is gone afterwards
}

values::Mediator* TreeViewItem::InsertTreeItemChild(values::TreeItem* pChild)
{
    if (!m_pBaseCtrl || !pChild)
        return nullptr;
    m_pBaseCtrl->UpdateChildItems(this, false);
    return m_pBaseCtrl->GetMediator(pChild);
}

void TreeViewItem::UpdateViewItemChildListRecursive()
{
    if (m_pBaseCtrl)
        m_pBaseCtrl->UpdateChildItems(this, true);
}

QTreeWidgetItem* TreeViewItem::GetListViewItem() const
{
    return m_pLvi;
}

QTreeWidget* TreeViewItem::GetListView() const
{
    return m_pLvi ? m_pLvi->treeWidget() : nullptr;
}

TreeViewItem* TreeViewItem::FromListViewItem(const QTreeWidgetItem* pItem)
{
    return TviListItem::TviOf(pItem);
}
