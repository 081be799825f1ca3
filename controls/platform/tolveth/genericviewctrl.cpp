#include "tolveth/genericviewctrl.h"

#include "oskevo/changecodes.h"
#include "oskevo/node.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewitem.h"

#include <QLayout>
#include <QSet>
#include <QVBoxLayout>
#include <vector>

GenericViewCtrl::GenericViewCtrl(GenericView* pView) : m_pView(pView)
{
    // Whatever the view was given before its controller existed.
    if (m_pView)
    {
        m_pAliasMap = m_pView->GetAliasMap();
        m_pModifyObserver = m_pView->GetModifyObserver();
    }
}

GenericViewCtrl::~GenericViewCtrl()
{
    DestructMediators();
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    m_pNode = nullptr;
}

QVBoxLayout* GenericViewCtrl::GetLayout() const
{
    return m_pView ? m_pView->GetFormLayout() : nullptr;
}

void GenericViewCtrl::Init(values::Node* pNode)
{
    if (pNode && pNode == m_pNode)
    {
        UpdateViewItemList();
        BindItems();
        return;
    }
    Unload();
    values::TreeItemMediatorCtrl::Init(pNode);
    if (!m_pNode)
        return;
    m_pNode->AddObserver(this);
    UpdateViewItemList();
    BindItems();
}

void GenericViewCtrl::Load(values::Node* pNode)
{
    Init(pNode);
}

void GenericViewCtrl::Unload()
{
    Clear();
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    m_pNode = nullptr;
}

bool GenericViewCtrl::IsLoaded()
{
    return m_pNode != nullptr;
}

bool GenericViewCtrl::IsModified()
{
    if (m_bModified)
        return true;
    if (!m_pNode)
        return false;
    for (values::TreeItem* pChild : m_pNode->GetTreeItems())
    {
        GenericViewItem* pItem = GetViewItem(pChild);
        if (pItem && pItem->IsModified())
            return true;
    }
    return false;
}

void GenericViewCtrl::SetbModified(bool bModified)
{
    m_bModified = bModified;
    // The rows take the flag quietly: the observer hears of it once, below.
    if (m_pNode)
        for (values::TreeItem* pChild : m_pNode->GetTreeItems())
            if (GenericViewItem* pItem = GetViewItem(pChild))
                pItem->ResetModified(bModified);
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

void GenericViewCtrl::SetObserver(values::IModifyObserver* pObserver)
{
    m_pModifyObserver = pObserver;
    if (m_pNode)
        for (values::TreeItem* pChild : m_pNode->GetTreeItems())
            if (GenericViewItem* pItem = GetViewItem(pChild))
                pItem->SetObserver(pObserver);
}

std::list<MenuCommand> GenericViewCtrl::GetMenuCommandList()
{
    return std::list<MenuCommand>();
}

void GenericViewCtrl::OnCommand(unsigned int /*nCommand*/)
{
}

void GenericViewCtrl::SetAliasMap(IAliasMap* pAliasMap)
{
    AliasMapClient::SetAliasMap(pAliasMap);
    if (m_pNode)
        for (values::TreeItem* pChild : m_pNode->GetTreeItems())
            if (GenericViewItem* pItem = GetViewItem(pChild))
                pItem->SetAliasMap(pAliasMap);
}

void GenericViewCtrl::Update(Observable* pObservable, TChangeCode code)
{
    // Derived controllers observe further nodes and pass their notifications on: only the
    // node shown changes the rows.
    if (!m_pNode || pObservable != static_cast<Observable*>(m_pNode))
        return;
    if (code == values::CC_CHILDREN)
    {
        UpdateViewItemList();
        BindItems();
        values::KVModifier::SetbModified(true);
    }
    else if (code == values::CC_DELETING)
    {
        Unload();
    }
}

values::Mediator* GenericViewCtrl::CreateMediator(Observable* pObservable)
{
    values::TreeItem* pTreeItem = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pTreeItem || pTreeItem->IsNode())
        return nullptr;
    GenericViewItem* pItem = new GenericViewItem(this, pTreeItem, m_nRowPosition);
    pItem->SetAliasMap(m_pAliasMap);
    pItem->SetObserver(m_pModifyObserver);
    return pItem;
}

void GenericViewCtrl::NotifyViewItemCreated(GenericViewItem* /*pItem*/)
{
}

void GenericViewCtrl::NotifyViewItemDeleted(GenericViewItem* /*pItem*/)
{
}

void GenericViewCtrl::UpdateViewItemList()
{
    if (!m_pNode)
        return;
    // A copy: making a row must not be disturbed by changes it might cause.
    const std::vector<values::TreeItem*> vecChildren = m_pNode->GetTreeItems();
    int nRow = 0;
    for (values::TreeItem* pChild : vecChildren)
    {
        if (pChild->IsNode())
            continue;
        if (!GetMediator(pChild))
        {
            m_nRowPosition = nRow;
            if (GenericViewItem* pItem = dynamic_cast<GenericViewItem*>(CreateMediator(pChild)))
                pItem->Init(pChild);
        }
        ++nRow;
    }
    ArrangeRows();
}

GenericViewItem* GenericViewCtrl::GetViewItem(values::TreeItem* pItem) const
{
    return pItem ? dynamic_cast<GenericViewItem*>(GetMediator(pItem)) : nullptr;
}

void GenericViewCtrl::BindItems()
{
    if (!m_pNode)
        return;
    for (values::TreeItem* pChild : m_pNode->GetTreeItems())
    {
        GenericViewItem* pItem = GetViewItem(pChild);
        if (!pItem)
            continue;
        if (pItem->GetModifyObserver() != m_pModifyObserver)
            pItem->SetObserver(m_pModifyObserver);
        if (!pItem->GetAliasMap() && m_pAliasMap)
            pItem->SetAliasMap(m_pAliasMap);
    }
}

void GenericViewCtrl::ArrangeRows()
{
    QVBoxLayout* pLayout = GetLayout();
    if (!pLayout || !m_pNode)
        return;
    std::vector<QLayout*> vecWanted;
    QSet<QLayout*> setRows;
    for (values::TreeItem* pChild : m_pNode->GetTreeItems())
    {
        GenericViewItem* pItem = GetViewItem(pChild);
        QLayout* pRow = pItem ? pItem->GetRowLayout() : nullptr;
        if (pRow && pRow->parent() == pLayout)
        {
            vecWanted.push_back(pRow);
            setRows.insert(pRow);
        }
    }
    // One pass to see whether the rows already stand in that order (the usual case).
    std::vector<QLayout*> vecShown;
    for (int i = 0; i < pLayout->count(); ++i)
    {
        QLayout* pRow = pLayout->itemAt(i)->layout();
        if (pRow && setRows.contains(pRow))
            vecShown.push_back(pRow);
    }
    if (vecShown == vecWanted)
        return;
    for (QLayout* pRow : vecWanted)
    {
        pLayout->removeItem(pRow);
        pRow->setParent(nullptr); // insertLayout adopts only layouts without a parent
    }
    for (size_t i = 0; i < vecWanted.size(); ++i)
        pLayout->insertLayout(int(i), vecWanted[i]);
}
