#include "tolveth/treeviewsplit.h"

#include "tolveth/treeviewbase.h"
#include "tolveth/treeviewsplitctrl.h"

#include <QVBoxLayout>

TreeViewSplit::TreeViewSplit(QWidget* pParent, bool bVertical)
    : QSplitter(bVertical ? Qt::Vertical : Qt::Horizontal, pParent), m_pListView(new TreeViewBase(this)),
      m_pDisplayArea(new QWidget(this))
{
    m_pDisplayArea->setObjectName(QStringLiteral("DisplayArea"));
    QVBoxLayout* pLayout = new QVBoxLayout(m_pDisplayArea);
    pLayout->setContentsMargins(0, 0, 0, 0);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setChildrenCollapsible(false);
}

TreeViewSplit::~TreeViewSplit()
{
    // The controller's items live in the list view and the display area: it goes first.
    delete m_pCtrl.data();
}

TreeViewBaseCtrl* TreeViewSplit::GetTreeViewCtrl()
{
    if (!m_pCtrl && !m_bCreatingCtrl)
    {
        m_bCreatingCtrl = true;
        TreeViewBaseCtrl* pCtrl = CreateTreeViewCtrl();
        m_bCreatingCtrl = false;
        if (pCtrl && pCtrl != m_pCtrl)
            SetTreeViewCtrl(pCtrl);
    }
    HandOver();
    return m_pCtrl;
}

void TreeViewSplit::SetTreeViewCtrl(TreeViewBaseCtrl* pCtrl)
{
    if (pCtrl == m_pCtrl)
        return;
    TreeViewBaseCtrl* pOld = m_pCtrl;
    m_pCtrl = pCtrl;
    m_bHandedOver = false;
    delete pOld;
    if (!pCtrl)
        return;
    pCtrl->AttachTreeView(m_pListView);
    // A controller may call this from its constructor: virtual calls wait for HandOver.
    if (TreeViewSplitCtrl* pSplitCtrl = dynamic_cast<TreeViewSplitCtrl*>(pCtrl))
        pSplitCtrl->SetDisplayArea(m_pDisplayArea);
}

void TreeViewSplit::HandOver()
{
    if (!m_pCtrl || m_bHandedOver)
        return;
    m_bHandedOver = true;
    if (GetAliasMap())
        m_pCtrl->SetAliasMap(GetAliasMap());
    if (GetModifyObserver())
        m_pCtrl->SetObserver(GetModifyObserver());
}

TreeViewBaseCtrl* TreeViewSplit::CreateTreeViewCtrl()
{
    return new TreeViewSplitCtrl(static_cast<ITreeListView*>(this));
}

void TreeViewSplit::Init(values::Node* pNode)
{
    if (TreeViewBaseCtrl* pCtrl = GetTreeViewCtrl())
        pCtrl->Init(pNode);
}

void TreeViewSplit::Load(values::Node* pNode)
{
    if (TreeViewBaseCtrl* pCtrl = GetTreeViewCtrl())
        pCtrl->Load(pNode);
}

void TreeViewSplit::Unload()
{
    if (m_pCtrl)
        m_pCtrl->Unload();
}

bool TreeViewSplit::IsLoaded()
{
    return m_pCtrl && m_pCtrl->IsLoaded();
}

bool TreeViewSplit::IsModified()
{
    return m_pCtrl ? m_pCtrl->IsModified() : m_bModified;
}

void TreeViewSplit::SetbModified(bool bModified)
{
    if (TreeViewBaseCtrl* pCtrl = GetTreeViewCtrl())
        pCtrl->SetbModified(bModified);
    else
        ITreeListView::SetbModified(bModified);
}

void TreeViewSplit::SetObserver(values::IModifyObserver* pObserver)
{
    ITreeListView::SetObserver(pObserver);
    if (m_pCtrl && m_bHandedOver)
        m_pCtrl->SetObserver(pObserver);
}

std::list<MenuCommand> TreeViewSplit::GetMenuCommandList()
{
    return m_pCtrl ? m_pCtrl->GetMenuCommandList() : std::list<MenuCommand>();
}

void TreeViewSplit::OnCommand(unsigned int nCommand)
{
    if (m_pCtrl)
        m_pCtrl->OnCommand(nCommand);
}

void TreeViewSplit::SetAliasMap(IAliasMap* pAliasMap)
{
    ITreeListView::SetAliasMap(pAliasMap);
    if (m_pCtrl && m_bHandedOver)
        m_pCtrl->SetAliasMap(pAliasMap);
}
