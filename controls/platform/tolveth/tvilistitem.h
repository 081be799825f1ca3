#pragma once

#include <QTreeWidgetItem>

class TreeViewItem;

// The list-view item of a tree item: a QTreeWidgetItem that knows the tree item it shows,
// so that the tree widget's items lead back to their tree items in constant time.
class TviListItem : public QTreeWidgetItem
{
public:
    enum
    {
        Type = QTreeWidgetItem::UserType + 0x5456 // "TV"
    };

    explicit TviListItem(TreeViewItem* pTvi) : QTreeWidgetItem(Type), m_pTvi(pTvi) {}

    TreeViewItem* GetTvi() const { return m_pTvi; }

    // The tree item of a list-view item; null for null or foreign items.
    static TreeViewItem* TviOf(const QTreeWidgetItem* pItem)
    {
        return pItem && pItem->type() == Type ? static_cast<const TviListItem*>(pItem)->m_pTvi : nullptr;
    }

private:
    TreeViewItem* m_pTvi;
};
