#pragma once

#include "oskevo/nodemediator.h"
#include "tolveth/aliasmapclient.h"

#include <QObject>

class ITreeViewCtrl;
class QTreeWidget;
class QTreeWidgetItem;
class TreeViewBaseCtrl;
class TviListItem;

namespace values
{
class TreeItem;
}

// The tree item of one node: a mediator between the node and its list-view item in the
// tree widget of a tree-view controller. The list-view item is made with the tree item and
// dies with it; the controller places it among its siblings. A tree item that dies takes
// the tree items of its children with it.
class TreeViewItem : public QObject, public values::NodeMediator, public AliasMapClient
{
    Q_OBJECT

public:
    TreeViewItem(ITreeViewCtrl* pCtrl, values::TreeItem* pItem);
    ~TreeViewItem() override;

    // The text of the item: the node's name through the alias map.
    virtual QString GetName();
    // Renames the node; false when a sibling has that name already or the name is empty.
    virtual bool SetName(const QString& sName);

    // Puts the node's XML document on the clipboard and deletes the node.
    virtual void OnCut();
    // Puts the node's XML document (values::VtXml) on the clipboard.
    virtual void OnCopy();
    // Deletes the node (and with it this item). The root of the value tree is never deleted.
    virtual void OnDelete();
    // Tree items of this library have no properties; derived items may offer some.
    virtual void OnProperties() {}

    // Makes the children's items that are missing and drops those of children gone.
    values::Mediator* InsertTreeItemChild(values::TreeItem* pChild) override;
    void UpdateViewItemChildListRecursive() override;

    ITreeViewCtrl* GetTreeViewCtrl() const { return m_pTreeViewCtrl; }
    TreeViewBaseCtrl* GetBaseCtrl() const { return m_pBaseCtrl; }
    QTreeWidgetItem* GetListViewItem() const;
    // The tree widget showing the item, or null while it is not shown.
    QTreeWidget* GetListView() const;

    static TreeViewItem* FromListViewItem(const QTreeWidgetItem* pItem);

private:
    ITreeViewCtrl* m_pTreeViewCtrl;
    TreeViewBaseCtrl* m_pBaseCtrl;
    TviListItem* m_pLvi;
};
