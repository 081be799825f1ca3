#include "tolveth/treeviewbasectrl.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"
#include "tolveth/itreelistview.h"
#include "tolveth/treeviewbase.h"
#include "tolveth/treeviewsplit.h"
#include "tolveth/tvilistitem.h"
#include "tolveth/tvinode.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>
#include <QTreeWidgetItemIterator>
#include <vector>

TreeViewBaseCtrl::TreeViewBaseCtrl(ITreeListView* pView)
    : m_pParentItem(nullptr), m_pRootNode(nullptr), m_pObservedRoot(nullptr)
{
    if (!pView)
        return;
    AttachTreeView(dynamic_cast<TreeViewBase*>(pView->GetListView()));
    if (TreeViewSplit* pSplit = dynamic_cast<TreeViewSplit*>(pView))
        pSplit->SetTreeViewCtrl(this);
}

TreeViewBaseCtrl::TreeViewBaseCtrl(TreeViewBase* pBase, QWidget* pParent, values::Node* pRoot,
                                   QTreeWidgetItem* pParentItem)
    : m_pParentItem(pParentItem), m_pRootNode(pRoot), m_pObservedRoot(nullptr)
{
    if (!pBase && pParent)
        pBase = new TreeViewBase(pParent);
    AttachTreeView(pBase);
}

TreeViewBaseCtrl::~TreeViewBaseCtrl()
{
    Unload();
    if (m_pTreeView)
    {
        m_pTreeView->SetCtrl(nullptr);
        m_pTreeView->removeEventFilter(this);
    }
    DestructMediators();
}

void TreeViewBaseCtrl::AttachTreeView(TreeViewBase* pTreeView)
{
    if (pTreeView == m_pTreeView)
        return;
    if (m_pTreeView)
        DetachTreeView(m_pTreeView);
    m_pTreeView = pTreeView;
    if (!pTreeView)
        return;
    pTreeView->SetCtrl(this);
    pTreeView->installEventFilter(this);
    pTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pTreeView, SIGNAL(currentItemChanged(QTreeWidgetItem*, QTreeWidgetItem*)), this,
            SLOT(SlotSelectionChanged()));
    connect(pTreeView, SIGNAL(customContextMenuRequested(const QPoint&)), this,
            SLOT(SlotContextMenu(const QPoint&)));
}

void TreeViewBaseCtrl::DetachTreeView(TreeViewBase* pTreeView)
{
    if (!pTreeView || pTreeView != m_pTreeView)
        return;
    Unload(); // the items' list-view items live in that widget
    disconnect(pTreeView, nullptr, this, nullptr);
    pTreeView->removeEventFilter(this);
    pTreeView->SetCtrl(nullptr);
    m_pTreeView = nullptr;
    m_bSetUp = false;
}

void TreeViewBaseCtrl::SetUp()
{
    if (m_bSetUp || !m_pTreeView)
        return;
    m_bSetUp = true;
    AddAttributes();
}

void TreeViewBaseCtrl::AddAttributes()
{
    m_pTreeView->setColumnCount(1);
    m_pTreeView->setHeaderHidden(true);
    m_pTreeView->setSortingEnabled(false);
    m_pTreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTreeView->setUniformRowHeights(true); // keeps trees of thousands of items quick
    m_pTreeView->setRootIsDecorated(true);
}

void TreeViewBaseCtrl::Init(values::Node* pNode)
{
    SetUp();
    if (pNode)
    {
        m_pRootNode = pNode;
        if (!IsLoaded() || m_pObservedRoot != pNode)
            Load(pNode);
    }
    else if (!IsLoaded() && m_pRootNode)
        Load(m_pRootNode);
}

void TreeViewBaseCtrl::Load(values::Node* pNode)
{
    SetUp();
    if (IsLoaded() || m_pObservedRoot)
        Unload();
    if (!pNode)
        return;
    m_pNode = pNode;
    m_pObservedRoot = pNode;
    pNode->AddObserver(this);

    BeginUpdate();
    TreeViewItem* pRoot = CreateItem(pNode);
    if (pRoot)
    {
        m_pRootTvi = pRoot;
        // The subtree is built before it enters the widget: one insertion for the lot.
        UpdateChildItems(pRoot, false);
        QTreeWidgetItem* pLvi = pRoot->GetListViewItem();
        if (m_pParentItem)
            m_pParentItem->addChild(pLvi);
        else if (m_pTreeView)
            m_pTreeView->addTopLevelItem(pLvi);
        pLvi->setExpanded(true);
    }
    m_bCurrentPending = false;
    EndUpdate();
    if (pRoot && m_pTreeView && pRoot->GetListViewItem()->treeWidget() == m_pTreeView)
        m_pTreeView->setCurrentItem(pRoot->GetListViewItem());
    ApplyCurrent();
}

void TreeViewBaseCtrl::Unload()
{
    BeginUpdate();
    if (m_pCurrentTvi)
        CurrentChangesTo(nullptr);
    delete m_pRootTvi; // takes all items with it
    m_pRootTvi = nullptr;
    if (GetMediatorCount() > 0)
        Clear();
    if (m_pObservedRoot)
        m_pObservedRoot->DeleteObserver(this);
    m_pObservedRoot = nullptr;
    m_pNode = nullptr;
    m_bCurrentPending = false;
    EndUpdate();
}

bool TreeViewBaseCtrl::IsLoaded()
{
    return m_pRootTvi != nullptr;
}

void TreeViewBaseCtrl::Update(Observable* pObservable, TChangeCode code)
{
    if (pObservable == m_pObservedRoot && code == values::CC_DELETING)
        Unload();
}

values::Mediator* TreeViewBaseCtrl::CreateMediator(Observable* pObservable)
{
    values::TreeItem* pItem = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pItem || !pItem->GetNode(QString()))
        return nullptr;
    TviNode* pTvi = new TviNode(this, pItem);
    pTvi->SetAliasMap(GetAliasMap());
    pTvi->Init();
    return pTvi;
}

TreeViewItem* TreeViewBaseCtrl::CreateItem(values::TreeItem* pItem)
{
    values::Mediator* pMediator = CreateMediator(pItem);
    if (!pMediator)
        return nullptr;
    TreeViewItem* pTvi = dynamic_cast<TreeViewItem*>(pMediator);
    if (!pTvi)
        delete pMediator; // a mediator that cannot be shown in the tree
    return pTvi;
}

QTreeWidgetItem* TreeViewBaseCtrl::GetLviRoot() const
{
    return m_pRootTvi ? m_pRootTvi->GetListViewItem() : nullptr;
}

TreeViewItem* TreeViewBaseCtrl::GetTvi(values::TreeItem* pItem) const
{
    return pItem ? dynamic_cast<TreeViewItem*>(GetMediator(pItem)) : nullptr;
}

void TreeViewBaseCtrl::UpdateChildItems(TreeViewItem* pParent, bool bRecursive)
{
    values::Node* pNode = pParent ? pParent->GetNode() : nullptr;
    if (!pNode)
        return;
    QTreeWidgetItem* pLvi = pParent->GetListViewItem();
    BeginUpdate();
    QTreeWidgetItem* pCurrentLvi = m_pTreeView ? m_pTreeView->currentItem() : nullptr;

    // The list-view items the node's children want, in order; new ones come with their
    // subtrees, built while they are outside the widget.
    const std::vector<values::TreeItem*> vecChildren = pNode->GetTreeItems();
    std::vector<QTreeWidgetItem*> vecWanted;
    vecWanted.reserve(vecChildren.size());
    for (values::TreeItem* pChild : vecChildren)
    {
        if (!pParent->InsertChildAllowed(pChild))
            continue;
        TreeViewItem* pTvi = GetTvi(pChild);
        if (!pTvi)
        {
            pTvi = CreateItem(pChild);
            if (!pTvi)
                continue;
            pTvi->SetParent(pParent);
            UpdateChildItems(pTvi, false);
        }
        else
        {
            if (pTvi->GetParent() != pParent)
                pTvi->SetParent(pParent); // moved here
            if (bRecursive)
                UpdateChildItems(pTvi, true);
        }
        vecWanted.push_back(pTvi->GetListViewItem());
    }

    // Items of nodes that left (moved away or hidden now) go; a node moved elsewhere gets a
    // new item there when its new parent catches up.
    int nWantedHere = 0;
    for (QTreeWidgetItem* pWanted : vecWanted)
        nWantedHere += pWanted->parent() == pLvi ? 1 : 0;
    const bool bExtras = nWantedHere < pLvi->childCount();
    const QSet<QTreeWidgetItem*> setWanted =
        bExtras ? QSet<QTreeWidgetItem*>(vecWanted.begin(), vecWanted.end()) : QSet<QTreeWidgetItem*>();
    for (int nIndex = bExtras ? pLvi->childCount() - 1 : -1; nIndex >= 0; --nIndex)
    {
        QTreeWidgetItem* pChildLvi = pLvi->child(nIndex);
        if (setWanted.contains(pChildLvi))
            continue;
        pLvi->takeChild(nIndex);
        if (TreeViewItem* pTvi = TreeViewItem::FromListViewItem(pChildLvi))
            delete pTvi;
        else
            delete pChildLvi;
    }
    // Then insert and reorder; appending or inserting one item costs one pass.
    for (int nIndex = 0; nIndex < int(vecWanted.size()); ++nIndex)
    {
        QTreeWidgetItem* pWanted = vecWanted[size_t(nIndex)];
        if (nIndex < pLvi->childCount() && pLvi->child(nIndex) == pWanted)
            continue;
        if (QTreeWidgetItem* pOldParent = pWanted->parent())
            pOldParent->removeChild(pWanted);
        else if (QTreeWidget* pWidget = pWanted->treeWidget())
            pWidget->takeTopLevelItem(pWidget->indexOfTopLevelItem(pWanted));
        pLvi->insertChild(nIndex, pWanted);
    }

    // Taking a current item out and back in loses it as current: give it back. (The old
    // current list-view item is only touched while its tree item still lives.)
    if (pCurrentLvi && m_pCurrentTvi && m_pCurrentTvi->GetListViewItem() == pCurrentLvi && m_pTreeView &&
        m_pTreeView->currentItem() != pCurrentLvi && pCurrentLvi->treeWidget() == m_pTreeView)
        m_pTreeView->setCurrentItem(pCurrentLvi);
    EndUpdate();
}

void TreeViewBaseCtrl::NotifyItemDestroying(TreeViewItem* pTvi)
{
    BeginUpdate();
    if (pTvi == m_pCurrentTvi)
    {
        m_pCurrentTvi = nullptr;
        m_bCurrentPending = true; // another item becomes current, or none
    }
    if (pTvi == m_pRootTvi)
        m_pRootTvi = nullptr;
}

void TreeViewBaseCtrl::NotifyItemDestroyed(TreeViewItem*)
{
    EndUpdate();
}

void TreeViewBaseCtrl::NotifyStructureChanged()
{
    if (IsExecutingCommand())
        SetbModified(true);
}

void TreeViewBaseCtrl::EndUpdate()
{
    if (--m_nUpdateDepth > 0 || !m_bCurrentPending)
        return;
    m_bCurrentPending = false;
    // Several items may go one after another (a node's children being deleted): the new
    // current item gets its display once, when the dust has settled.
    if (!m_bApplyQueued)
    {
        m_bApplyQueued = true;
        QMetaObject::invokeMethod(this, "SlotApplyCurrent", Qt::QueuedConnection);
    }
}

void TreeViewBaseCtrl::SlotSelectionChanged()
{
    if (m_nUpdateDepth > 0)
    {
        m_bCurrentPending = true;
        return;
    }
    ApplyCurrent();
}

void TreeViewBaseCtrl::SlotApplyCurrent()
{
    m_bApplyQueued = false;
    if (m_nUpdateDepth > 0)
    {
        m_bCurrentPending = true;
        return;
    }
    ApplyCurrent();
}

void TreeViewBaseCtrl::ApplyCurrent()
{
    TreeViewItem* pTvi = m_pTreeView ? TreeViewItem::FromListViewItem(m_pTreeView->currentItem()) : nullptr;
    if (pTvi != m_pCurrentTvi)
        CurrentChangesTo(pTvi);
}

void TreeViewBaseCtrl::CurrentChangesTo(TreeViewItem* pTvi)
{
    m_pCurrentTvi = pTvi;
    if (pTvi && m_pTreeView && m_pTreeView->currentItem() != pTvi->GetListViewItem() &&
        pTvi->GetListViewItem()->treeWidget() == m_pTreeView)
    {
        BeginUpdate(); // our own change: no second round through SlotSelectionChanged
        m_pTreeView->setCurrentItem(pTvi->GetListViewItem());
        m_bCurrentPending = false;
        EndUpdate();
    }
}

bool TreeViewBaseCtrl::SelectTreeItem(values::TreeItem* pItem)
{
    TreeViewItem* pTvi = GetTvi(pItem);
    if (!pTvi || !m_pTreeView || pTvi->GetListViewItem()->treeWidget() != m_pTreeView)
        return false;
    m_pTreeView->setCurrentItem(pTvi->GetListViewItem());
    m_pTreeView->scrollToItem(pTvi->GetListViewItem());
    return true;
}

void TreeViewBaseCtrl::SelectSingleFds()
{
    if (!m_pTreeView)
        return;
    for (QTreeWidgetItemIterator it(m_pTreeView); *it; ++it)
    {
        TreeViewItem* pTvi = TreeViewItem::FromListViewItem(*it);
        values::Node* pNode = pTvi ? pTvi->GetNode() : nullptr;
        if (pNode && pNode->GetValueDescriptor() == &DravinelDefinition::g_vdNodeFds)
        {
            SelectTreeItem(pNode);
            return;
        }
    }
}

bool TreeViewBaseCtrl::ExecuteCommand(TreeViewItem* pTvi, unsigned int nCommand)
{
    TviNode* pNode = dynamic_cast<TviNode*>(pTvi);
    if (!pNode || !pNode->IsCommandExecutable(nCommand))
        return false;
    CommandScope scope(this);
    pNode->OnCommand(nCommand); // the item may be gone afterwards
    return true;
}

std::list<MenuCommand> TreeViewBaseCtrl::GetMenuCommandList()
{
    std::list<MenuCommand> lstCommands;
    TviNode* pTvi = dynamic_cast<TviNode*>(m_pCurrentTvi);
    if (!pTvi)
        return lstCommands;
    for (unsigned int nCommand :
         {TviNode::CMD_NEW, TviNode::CMD_CUT, TviNode::CMD_COPY, TviNode::CMD_PASTE, TviNode::CMD_DELETE})
        lstCommands.emplace_back(nCommand, TviNode::CommandText(nCommand),
                                 pTvi->IsCommandExecutable(nCommand));
    return lstCommands;
}

void TreeViewBaseCtrl::OnCommand(unsigned int nCommand)
{
    if (m_pCurrentTvi)
        ExecuteCommand(m_pCurrentTvi, nCommand);
}

QMenu* TreeViewBaseCtrl::CreateContextMenu(TreeViewItem* pTvi, QWidget* pParent)
{
    TviNode* pNode = dynamic_cast<TviNode*>(pTvi);
    if (!pNode)
        return nullptr;
    QMenu* pMenu = new QMenu(pParent);
    pMenu->setObjectName(QStringLiteral("TreeContextMenu"));
    const struct
    {
        unsigned int nCommand;
        QKeySequence keys;
    } aEntries[] = {
        {TviNode::CMD_NEW, QKeySequence(Qt::Key_Insert)},
        {TviNode::CMD_CUT, QKeySequence::Cut},
        {TviNode::CMD_COPY, QKeySequence::Copy},
        {TviNode::CMD_PASTE, QKeySequence::Paste},
        {TviNode::CMD_DELETE, QKeySequence(Qt::Key_Delete)},
    };
    for (const auto& entry : aEntries)
    {
        if (entry.nCommand == TviNode::CMD_CUT || entry.nCommand == TviNode::CMD_DELETE)
            pMenu->addSeparator();
        QAction* pAction = pMenu->addAction(TviNode::CommandText(entry.nCommand));
        pAction->setData(entry.nCommand);
        pAction->setShortcut(entry.keys); // shown in the menu; the keys work through eventFilter
        pAction->setEnabled(pNode->IsCommandExecutable(entry.nCommand));
    }
    return pMenu;
}

void TreeViewBaseCtrl::SlotContextMenu(const QPoint& pos)
{
    if (!m_pTreeView)
        return;
    QTreeWidgetItem* pLvi = m_pTreeView->itemAt(pos);
    TreeViewItem* pItem = TreeViewItem::FromListViewItem(pLvi);
    if (!pItem)
        return;
    m_pTreeView->setCurrentItem(pLvi);
    QPointer<TreeViewItem> pTvi(pItem);
    QMenu* pMenu = CreateContextMenu(pItem, m_pTreeView);
    if (!pMenu)
        return;
    QAction* pChosen = pMenu->exec(m_pTreeView->viewport()->mapToGlobal(pos));
    const unsigned int nCommand = pChosen ? pChosen->data().toUInt() : 0;
    delete pMenu;
    if (pChosen && pTvi) // the item may have gone while the menu was open
        ExecuteCommand(pTvi, nCommand);
}

int TreeViewBaseCtrl::CommandOfKey(const QKeyEvent* pEvent)
{
    // The combined sequences first: Shift+Delete is cut, Ctrl+Insert copy, Shift+Insert paste.
    if (pEvent->matches(QKeySequence::Cut))
        return TviNode::CMD_CUT;
    if (pEvent->matches(QKeySequence::Copy))
        return TviNode::CMD_COPY;
    if (pEvent->matches(QKeySequence::Paste))
        return TviNode::CMD_PASTE;
    if (pEvent->matches(QKeySequence::New))
        return TviNode::CMD_NEW;
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && pEvent->key() == Qt::Key_Insert)
        return TviNode::CMD_NEW;
    if (modifiers == Qt::NoModifier && pEvent->key() == Qt::Key_Delete)
        return TviNode::CMD_DELETE;
    return -1;
}

bool TreeViewBaseCtrl::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pTreeView ||
        (pEvent->type() != QEvent::KeyPress && pEvent->type() != QEvent::ShortcutOverride))
        return QObject::eventFilter(pWatched, pEvent);
    const int nCommand = CommandOfKey(static_cast<QKeyEvent*>(pEvent));
    if (nCommand < 0)
        return QObject::eventFilter(pWatched, pEvent);
    if (pEvent->type() == QEvent::ShortcutOverride)
    {
        // The tree's own keys win over window shortcuts while it has the focus.
        pEvent->accept();
        return true;
    }
    if (m_pCurrentTvi)
        ExecuteCommand(m_pCurrentTvi, unsigned(nCommand));
    return true; // also keeps the widget's own Ctrl+C (copy of the item text) away
}
