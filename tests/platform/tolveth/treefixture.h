#pragma once

// Helpers for driving the tree controls as an operator would, and a split tree view over a
// small value tree.

#include "common/modifyrecorder.h"
#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/treeviewsplit.h"
#include "tolveth/tvinodesplit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

namespace TreeTest
{

// The texts of an item and its children as "A{B C{D}}"; collapsed items count as well.
inline QString ItemText(const QTreeWidgetItem* pItem)
{
    QStringList lst;
    for (int i = 0; i < pItem->childCount(); ++i)
        lst << ItemText(pItem->child(i));
    return lst.isEmpty() ? pItem->text(0) : pItem->text(0) + '{' + lst.join(' ') + '}';
}

// Answers the message boxes and popup menus that come up while it lives, as the operator would:
// records what they show and clicks the button or entry of the next given text (without '&');
// an empty or missing text takes a box's default button and closes a menu.
class Answerer : public QObject
{
public:
    explicit Answerer(const QStringList& lstChoices = {}) : m_lstChoices(lstChoices)
    {
        connect(&m_timer, &QTimer::timeout, this, &Answerer::Poll);
        m_timer.start(10);
    }

    QStringList m_lstMenus; // per menu its entries, "Text" or "Text (off)", joined by '|'
    QStringList m_lstTitles, m_lstTexts, m_lstButtons; // per box; its buttons joined by '|'

private:
    void Poll()
    {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pMenu && (!pBox || pBox == m_pLastBox))
            return;
        const QString sWanted = m_lstChoices.isEmpty() ? QString() : m_lstChoices.takeFirst();
        QStringList lst;
        if (pMenu)
        {
            QAction* pEntry = nullptr;
            for (QAction* pAction : pMenu->actions())
            {
                const QString sText = QString(pAction->text()).remove('&');
                if (!pAction->isSeparator())
                    lst << (pAction->isEnabled() ? sText : sText + " (off)");
                pEntry = sText == sWanted && pAction->isEnabled() ? pAction : pEntry;
            }
            m_lstMenus << lst.join('|');
            if (pEntry)
                QTest::mouseClick(pMenu, Qt::LeftButton, {}, pMenu->actionGeometry(pEntry).center());
            else
                pMenu->close();
            return;
        }
        m_pLastBox = pBox;
        m_lstTitles << pBox->windowTitle();
        m_lstTexts << pBox->text();
        QAbstractButton* pChosen = pBox->defaultButton();
        pChosen = pChosen ? pChosen : pBox->buttons().value(0);
        for (QAbstractButton* pButton : pBox->buttons())
        {
            lst << QString(pButton->text()).remove('&');
            pChosen = lst.last() == sWanted ? pButton : pChosen;
        }
        m_lstButtons << lst.join('|');
        QTest::mouseClick(pChosen, Qt::LeftButton);
    }

    QStringList m_lstChoices;
    QTimer m_timer;
    QPointer<QMessageBox> m_pLastBox;
};

} // namespace TreeTest

// A split tree view over a small value tree "Root{...}" that stands below a holder node, so
// that tests can delete the shown root as well.
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
    // The shown items as "Root{A{X} B}".
    QString Text() const
    {
        const QString s = TreeTest::ItemText(Tree()->invisibleRootItem());
        return s.mid(1, s.size() - 2);
    }
    values::Node* NodeAt(const QString& sPath) const
    {
        return sPath.isEmpty() ? pRoot : pRoot->GetNode(sPath);
    }
    // The item at a path of item texts below the top item, "A/X"; "" is the top item.
    QTreeWidgetItem* ItemAt(const QString& sPath) const
    {
        QTreeWidgetItem* pItem = Tree()->topLevelItem(0);
        for (const QString& sPart : sPath.split('/', Qt::SkipEmptyParts))
        {
            QTreeWidgetItem* pParent = pItem;
            pItem = nullptr;
            for (int i = 0; pParent && i < pParent->childCount() && !pItem; ++i)
                pItem = pParent->child(i)->text(0) == sPart ? pParent->child(i) : nullptr;
        }
        return pItem;
    }
    // A left click on the item at the path, or the context menu request of a right click.
    void Click(const QString& sPath, bool bRight = false) const
    {
        QTreeWidgetItem* pItem = ItemAt(sPath);
        for (QTreeWidgetItem* p = pItem->parent(); p; p = p->parent())
            p->setExpanded(true);
        Tree()->scrollToItem(pItem);
        const QPoint pos = Tree()->visualItemRect(pItem).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, Tree()->viewport()->mapToGlobal(pos));
        if (bRight)
            QApplication::sendEvent(Tree()->viewport(), &event);
        else
            QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
    TviNodeSplit* Current() const { return dynamic_cast<TviNodeSplit*>(Ctrl()->CurrentTvi()); }
    // The current item as a path of item texts below the root item; "<none>" without one.
    QString CurrentPath() const
    {
        TreeViewItem* pTvi = Ctrl()->CurrentTvi();
        if (!pTvi)
            return QStringLiteral("<none>");
        QStringList lst;
        for (QTreeWidgetItem* p = pTvi->GetListViewItem(); p && p->parent(); p = p->parent())
            lst.prepend(p->text(0));
        return lst.join('/');
    }

    std::unique_ptr<values::Node> pHolder;
    values::Node* pRoot;
    std::unique_ptr<TreeViewSplit> pView;
};
