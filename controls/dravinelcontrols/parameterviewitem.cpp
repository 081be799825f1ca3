#include "dravinelcontrols/parameterviewitem.h"

#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewctrl.h"
#include "oskevo/node.h"
#include "tolveth/genericview.h"

#include <QLayout>
#include <QVBoxLayout>

namespace
{
// Pages lower than this have not been laid out yet and take the view's size.
const int s_nMinLaidOutHeight = 30;
} // namespace

ParameterViewItem::ParameterViewItem(ParameterViewCtrl* pCtrl, values::Node* pNode)
    : values::TreeItemMediator(pCtrl, pNode), m_pCtrl(pCtrl)
{
}

ParameterViewItem::~ParameterViewItem()
{
    if (m_pViewItem && !m_pCtrl->IsDestructing())
        m_pCtrl->NotifyViewItemDeleted(this);
    if (m_pViewItem)
    {
        delete m_pViewItem;
        m_pViewItem = nullptr;
    }
}

values::Node* ParameterViewItem::GetNode() const
{
    values::TreeItem* pItem = GetTreeItem();
    return pItem ? pItem->AsNode() : nullptr;
}

void ParameterViewItem::Update(Observable* pObservable, TChangeCode code)
{
    SetbModified(true);
    // May delete this item (the group is being deleted): nothing may follow.
    values::TreeItemMediator::Update(pObservable, code);
}

void ParameterViewItem::DeleteTreeItem()
{
    m_pCtrl->NotifyViewItemDeleted(this);
    // Deletes the group, whose deletion notice deletes this item.
    values::TreeItemMediator::DeleteTreeItem();
}

QVBoxLayout* ParameterViewItem::CreatePage(ParameterView* pView)
{
    m_pViewItem = new QWidget(pView);
    m_pViewItem->setObjectName(QStringLiteral("TabWidget"));
    if (pView->layout())
        pView->layout()->addWidget(m_pViewItem);

    auto* pLayout = new QVBoxLayout;
    pLayout->setObjectName(QStringLiteral("tabLayout"));
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pViewItem->setLayout(pLayout);
    return pLayout;
}

void ParameterViewItem::Init(ParameterView* pView)
{
    QVBoxLayout* pLayout = CreatePage(pView);

    if (m_pViewItem->height() > s_nMinLaidOutHeight)
        m_pViewItem->resize(m_pViewItem->width(), m_pViewItem->height());
    else
        m_pViewItem->resize(pView->width(), pView->height());

    // Owned by the page; in its layout so that the form fills the tab.
    auto* pForm = new GenericView(m_pViewItem, QString());
    pLayout->addWidget(pForm);
    pForm->SetAliasMap(GetAliasMap());
    pForm->Init(GetNode());
    pForm->SetObserver(m_pModifyObserver);

    m_pCtrl->NotifyViewItemCreated(this);
}

GenericView* ParameterViewItem::GetForm() const
{
    // Recursively: a scenario tab holds its form inside a split view.
    return m_pViewItem ? m_pViewItem->findChild<GenericView*>(QString()) : nullptr;
}

void ParameterViewItem::SetObserver(values::IModifyObserver* pObserver)
{
    values::KVModifier::SetObserver(pObserver);
    if (GenericView* pForm = GetForm())
        pForm->SetObserver(pObserver);
}

bool ParameterViewItem::IsModified()
{
    GenericView* pForm = GetForm();
    return m_bModified || (pForm && pForm->IsModified());
}

void ParameterViewItem::ResetModified()
{
    m_bModified = false;
    if (GenericView* pForm = GetForm())
        pForm->SetbModified(false);
}

void ParameterViewItem::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}
