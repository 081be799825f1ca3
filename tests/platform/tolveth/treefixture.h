#pragma once

#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/treeviewsplit.h"
#include "tolveth/tvinodesplit.h"
#include "treetesthelpers.h"

#include <memory>

// A split tree view over a small value tree "Root{...}" that stands below a holder node,
// so that tests can delete the shown root as well.
struct TreeFixture
{
    explicit TreeFixture(const QString& sTree, TreeViewSplit* pView = nullptr, bool bInit = true)
        : pHolder(new values::Node(QStringLiteral("Holder"))),
          pRoot(new values::Node(QStringLiteral("Root"))),
          pView(pView ? pView : new TreeViewSplit(nullptr, false))
    {
        pHolder->AddItem(pRoot);
        ValueTreeText::Build(pRoot, sTree);
        this->pView->resize(700, 500);
        this->pView->show();
        if (bInit)
            this->pView->Init(pRoot);
    }
    ~TreeFixture()
    {
        pView.reset(); // the view lets go of the tree before the tree goes
        pHolder.reset();
    }

    QTreeWidget* Tree() const { return pView->GetListView(); }
    TreeViewBaseCtrl* Ctrl() const { return pView->GetTreeViewCtrl(); }
    QString Text() const { return TreeTest::TreeText(Tree()); }
    values::Node* NodeAt(const QString& sPath) const
    {
        return sPath.isEmpty() ? pRoot : pRoot->GetNode(sPath);
    }
    QTreeWidgetItem* ItemAt(const QString& sPath) const
    {
        return TreeTest::ItemAt(Tree(),
                                sPath.isEmpty() ? QStringLiteral("Root") : QStringLiteral("Root/") + sPath);
    }
    void Click(const QString& sPath) const
    {
        QTreeWidgetItem* pItem = ItemAt(sPath);
        if (pItem)
            TreeTest::ClickItem(Tree(), pItem);
    }
    TviNodeSplit* Current() const { return dynamic_cast<TviNodeSplit*>(Ctrl()->CurrentTvi()); }
    // The current item as a path of item texts below the root item, "A/X"; "<none>" if
    // there is none.
    QString CurrentPath() const
    {
        TreeViewItem* pTvi = Ctrl()->CurrentTvi();
        if (!pTvi)
            return QStringLiteral("<none>");
        QStringList lst;
        for (QTreeWidgetItem* p = pTvi->GetListViewItem(); p && p->parent(); p = p->parent())
            lst.prepend(p->text(0));
        return lst.join(QLatin1Char('/'));
    }

    std::unique_ptr<values::Node> pHolder;
    values::Node* pRoot;
    std::unique_ptr<TreeViewSplit> pView;
};
