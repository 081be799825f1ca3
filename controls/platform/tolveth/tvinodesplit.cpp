#include "tolveth/tvinodesplit.h"

#include "oskevo/node.h"
#include "tolveth/genericview.h"
#include "tolveth/itreeedit.h"
#include "tolveth/treeviewbasectrl.h"

#include <QLayout>
#include <QTreeWidgetItem>

TviNodeSplit::TviNodeSplit(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviNode(pCtrl, pItem), m_pDisplayArea(pDisplayArea)
{
}

TviNodeSplit::~TviNodeSplit()
{
    // The display is the item's, whatever DeleteDisplay of a derived item keeps.
    if (m_pDisplay)
    {
        if (ITreeEdit* pEdit = dynamic_cast<ITreeEdit*>(m_pDisplay.data()))
            pEdit->SetObserver(nullptr);
        delete m_pDisplay.data();
    }
}

void TviNodeSplit::Init()
{
    TviNode::Init();
}

void TviNodeSplit::CreateDisplay()
{
    if (!m_pDisplay)
    {
        values::Node* pNode = GetNode();
        if (!pNode)
            return;
        GenericView* pView = new GenericView(m_pDisplayArea, GetStringForColumn(0));
        m_pDisplay = pView;
        if (m_pDisplayArea && m_pDisplayArea->layout())
            m_pDisplayArea->layout()->addWidget(pView);
        pView->SetAliasMap(GetAliasMap());
        pView->Init(pNode);
        if (!pView->IsLoaded())
            pView->Load(pNode);
    }
    if (ITreeEdit* pEdit = dynamic_cast<ITreeEdit*>(m_pDisplay.data()))
        pEdit->SetObserver(this);
    m_pDisplay->show();
}

void TviNodeSplit::DeleteDisplay()
{
    if (!m_pDisplay)
        return;
    if (ITreeEdit* pEdit = dynamic_cast<ITreeEdit*>(m_pDisplay.data()))
    {
        pEdit->SetObserver(nullptr);
        pEdit->SetAliasMap(nullptr);
    }
    delete m_pDisplay.data();
    m_pDisplay = nullptr;
}

bool TviNodeSplit::InsertChildAllowed(values::TreeItem* pChild)
{
    return TviNode::InsertChildAllowed(pChild);
}

QString TviNodeSplit::GetStringForColumn(int nColumn) const
{
    QTreeWidgetItem* pLvi = GetListViewItem();
    return pLvi ? pLvi->text(nColumn) : QString();
}

void TviNodeSplit::NotifyModified(bool bModified)
{
    // Only edits count: a display that clears its own flag does not clear the tree's.
    if (bModified && GetBaseCtrl())
        GetBaseCtrl()->SetbModified(true);
}

void TviNodeSplit::DeleteTreeItem()
{
    values::Node* pNode = GetNode();
    if (!pNode || !pNode->GetParentNode())
        return;
    TviNode::DeleteTreeItem();
}
