#include "dravinelcontrols/parameterviewctrl.h"

#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewitem.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/idevicedefinition.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/vtxml.h"
#include "paltrey/resortpopupmenu.h"
#include "tolveth/newchilddialog.h"
#include "tolveth/tooltip.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

using DravinelDefinition::g_vdNodePar;

namespace
{

// The rules of parameter sets in the current device definition, or null.
values::IDynamicRules* ParameterSetRules()
{
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance()->GetDeviceDefinition(-1);
    return pDefinition ? pDefinition->GetRulesMap().Find(&g_vdNodePar) : nullptr;
}

const char* const s_pszSource = "controls/dravinelcontrols/parameterviewctrl";

void Assert(const char* pszExpression, int nLine, const char* pszSource = s_pszSource)
{
    ErrorHandler* pHandler = ErrorHandler::Instance();
    if (pHandler->IsAssertOn())
        pHandler->_Q_assert(QString::fromLatin1(pszExpression), QString::fromLatin1(pszSource), nLine);
}

bool IsParameterSet(const values::Node* pNode)
{
    return pNode && pNode->GetValueDescriptor() == &g_vdNodePar;
}
} // namespace

ParameterViewCtrl::ParameterViewCtrl(ParameterView* pView)
    : QObject(nullptr), m_pView(pView), m_pClipboard(QGuiApplication::clipboard())
{
}

ParameterViewCtrl::~ParameterViewCtrl()
{
    StopObserving();
    m_listMenuCommands.clear();
    // The items go while this controller is whole; they do not call back meanwhile.
    DestructMediators();
    m_mapViewItems.clear();
    delete m_pNewChildDialog;
}

void ParameterViewCtrl::Observe(values::Node* pNode)
{
    m_pNode = pNode;
    if (m_pNode)
        m_pNode->AddObserver(this);
}

void ParameterViewCtrl::StopObserving()
{
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    m_pNode = nullptr;
}

void ParameterViewCtrl::Init(values::Node* pNode)
{
    // A second Init only loads: the menu and its connections exist once.
    if (!m_pMenu)
    {
        AddAttributes();
        AddMenu();
        AddConnects();
    }
    if (pNode)
        Load(pNode);
    if (m_pView)
        m_pView->show();
}

void ParameterViewCtrl::Load(values::Node* pNode)
{
    if (!pNode)
    {
        Assert("pNode", __LINE__, SourceName());
        return;
    }
    if (m_pNode)
        Unload();
    Observe(pNode);
    ReassignNode();
    if (IsParameterSet(m_pNode))
        UpdateViewItemList();
}

void ParameterViewCtrl::Unload()
{
    StopObserving();
    Clear();
    m_mapViewItems.clear();
    if (m_actions.m_pDeleteAction)
        m_actions.m_pDeleteAction->setEnabled(false);
}

bool ParameterViewCtrl::IsLoaded()
{
    return GetMediatorCount() > 0;
}

void ParameterViewCtrl::NotifyCreated(values::Mediator* pMediator)
{
    values::MediatorCtrl::NotifyCreated(pMediator);
}

void ParameterViewCtrl::NotifyDeleted(values::Mediator* pMediator)
{
    values::MediatorCtrl::NotifyDeleted(pMediator);
    SetbModified(true);
}

void ParameterViewCtrl::NotifyViewItemCreated(values::Mediator* pMediator)
{
    auto* pItem = dynamic_cast<ParameterViewItem*>(pMediator);
    if (pItem && pItem->GetViewItem())
        m_mapViewItems[pItem->GetViewItem()] = pMediator;
}

void ParameterViewCtrl::NotifyViewItemDeleted(values::Mediator* pMediator)
{
    if (IsDestructing())
        return;
    if (auto* pItem = dynamic_cast<ParameterViewItem*>(pMediator))
    {
        if (QWidget* pPage = pItem->GetViewItem())
        {
            const int nIndex = m_pView->indexOf(pPage);
            if (nIndex >= 0)
                m_pView->removeTab(nIndex);
        }
    }
    for (auto it = m_mapViewItems.begin(); it != m_mapViewItems.end(); ++it)
    {
        if (it->second == pMediator)
        {
            m_mapViewItems.erase(it);
            break;
        }
    }
}

std::list<MenuCommand> ParameterViewCtrl::GetMenuCommandList()
{
    return m_listMenuCommands;
}

void ParameterViewCtrl::OnCommand(unsigned int /*nCommand*/)
{
}

void ParameterViewCtrl::SetObserver(values::IModifyObserver* pObserver)
{
    values::KVModifier::SetObserver(pObserver);
    // Tabs made before the host handed its observer report to it as well.
    for (const auto& entry : m_mapViewItems)
        if (auto* pItem = dynamic_cast<ParameterViewItem*>(entry.second))
            pItem->SetObserver(pObserver);
}

bool ParameterViewCtrl::IsModified()
{
    // Edits in the forms are reported to the observer by the forms themselves.
    if (m_bModified)
        return true;
    for (const auto& entry : m_mapViewItems)
        if (auto* pItem = dynamic_cast<ParameterViewItem*>(entry.second))
            if (pItem->IsModified())
                return true;
    return false;
}

void ParameterViewCtrl::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (!bModified)
        for (const auto& entry : m_mapViewItems)
            if (auto* pItem = dynamic_cast<ParameterViewItem*>(entry.second))
                pItem->ResetModified();
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

values::IDynamicRules* ParameterViewCtrl::GetDr(values::Node* pNode) const
{
    if (!pNode)
        return nullptr;
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance()->GetDeviceDefinition(-1);
    return pDefinition ? pDefinition->GetRulesMap().Find(pNode->GetValueDescriptor()) : nullptr;
}

values::Mediator* ParameterViewCtrl::CreateMediator(Observable* pObservable)
{
    auto* pTi = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pTi)
    {
        Assert("pTi", __LINE__, SourceName());
        return nullptr;
    }
    values::Node* pNode = pTi->GetNode(QString());
    if (!pNode)
    {
        Assert("pTi->GetNode()", __LINE__, SourceName());
        return nullptr;
    }
    ParameterViewItem* pItem = MakeItem(pNode);
    pItem->SetAliasMap(GetAliasMap());
    pItem->SetObserver(m_pModifyObserver);
    return pItem;
}

ParameterViewItem* ParameterViewCtrl::MakeItem(values::Node* pGroup)
{
    return new ParameterViewItem(this, pGroup);
}

const char* ParameterViewCtrl::SourceName() const
{
    return s_pszSource;
}

void ParameterViewCtrl::ReassignNode()
{
    if (!m_pNode || IsParameterSet(m_pNode))
        return;
    if (values::Node* pSet = m_pNode->GetChildNode(&g_vdNodePar))
    {
        StopObserving();
        Observe(pSet);
    }
}

void ParameterViewCtrl::AssignParNode()
{
    if (!m_pNode || IsParameterSet(m_pNode))
        return;
    if (values::IDynamicRules* pRules = GetDr(m_pNode))
        pRules->CreateChild(m_pNode, &g_vdNodePar, nullptr);
    ReassignNode();
}

void ParameterViewCtrl::Update(Observable* pObservable, TChangeCode code)
{
    if (!m_pNode || pObservable != m_pNode)
        return;
    if (code == values::CC_CHILDREN)
    {
        ReassignNode();
        UpdateViewItemList();
    }
    else if (code == values::CC_DELETING)
    {
        if (!IsParameterSet(m_pNode))
        {
            Unload();
            return;
        }
        // The parameter set goes: show its owner, where a new set may appear. An owner that
        // is going as well (told first) cannot be shown.
        values::Node* pParent = m_pNode->GetParentNode();
        StopObserving();
        if (pParent && !pParent->IsDying())
        {
            Observe(pParent);
            UpdateViewItemList();
        }
        else
        {
            Unload();
        }
    }
}

void ParameterViewCtrl::PlaceTab(QWidget* pPage, values::Node* pGroup, int nPosition)
{
    const int nIndex = m_pView->indexOf(pPage);
    if (nIndex >= 0)
        m_pView->removeTab(nIndex);
    else if (m_pView->layout())
        m_pView->layout()->removeWidget(pPage); // a page sits in one layout only
    const int nTab = m_pView->insertTab(nPosition, pPage, Alias(pGroup->GetName()));
    m_pView->setTabToolTip(nTab, Tooltip::Retrieve(pGroup->GetValueDescriptor()));
}

void ParameterViewCtrl::UpdateViewItemList()
{
    values::IDynamicRules* pRules = ParameterSetRules();
    if (!pRules || !m_pNode)
        return;

    // Moving pages between tabs changes the current one: the page the operator looks at
    // stays current unless a new tab is to be shown.
    QWidget* pCurrent = m_pView->currentWidget();
    bool bCurrentSet = false;

    // A copy: making forms must not disturb the walk.
    const std::vector<values::TreeItem*> vecChildren = m_pNode->GetTreeItems();
    int nPosition = -1;
    for (const values::ValueDescriptor* pDescriptor : pRules->GetChildDescriptors())
    {
        for (values::TreeItem* pChild : vecChildren)
        {
            ++nPosition;
            if (!pChild || pChild->GetValueDescriptor() != pDescriptor)
                continue;
            values::Node* pGroup = pChild->AsNode();
            if (!pGroup)
                continue;
            auto* pItem = dynamic_cast<ParameterViewItem*>(GetMediator(pGroup));
            if (!pItem)
            {
                pItem = dynamic_cast<ParameterViewItem*>(CreateMediator(pGroup));
                if (!pItem)
                    continue;
                pItem->Init(m_pView);
                QWidget* pPage = pItem->GetViewItem();
                if (!pPage)
                    continue;
                PlaceTab(pPage, pGroup, nPosition);
                if (m_bSelectNewTab)
                {
                    m_pView->setCurrentWidget(pPage);
                    m_bSelectNewTab = false;
                }
                else
                {
                    m_pView->setCurrentIndex(0);
                }
                bCurrentSet = true;
            }
            else if (QWidget* pPage = pItem->GetViewItem())
            {
                PlaceTab(pPage, pGroup, nPosition);
            }
        }
    }
    if (!bCurrentSet && pCurrent && m_pView->indexOf(pCurrent) >= 0)
        m_pView->setCurrentWidget(pCurrent);
    if (m_pView->count() == 0 && m_actions.m_pDeleteAction)
        m_actions.m_pDeleteAction->setEnabled(false);
}

void ParameterViewCtrl::AddAttributes()
{
    if (m_pView && m_pView->height() <= 30)
        m_pView->resize(650, 210);
}

void ParameterViewCtrl::AddMenu()
{
    m_pMenu = new ResortPopupMenu(m_pView, "ParameterViewMenu");
    m_pNewAction =
        m_pMenu->insertItem(tr("New Parameter"), this, SLOT(SlotNew()), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_actions.m_pDeleteAction = m_pMenu->insertItem(tr("&Delete"), this, SLOT(SlotDelete()));
    m_pMenu->insertSeparator();
    m_actions.m_pCutAction = m_pMenu->insertItem(tr("Cut"), this, SLOT(SlotCut()));
    m_actions.m_pCopyAction = m_pMenu->insertItem(tr("Copy"), this, SLOT(SlotCopy()));
    m_actions.m_pPasteAction = m_pMenu->insertItem(tr("Paste"), this, SLOT(SlotPaste()));
    m_actions.m_pDeleteAction->setEnabled(false);
    m_actions.m_pPasteAction->setEnabled(false);
    // Ctrl+P also works while the keyboard focus is anywhere in the editor.
    if (m_pView)
    {
        m_pNewAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_pView->addAction(m_pNewAction);
    }
    connect(m_pClipboard, SIGNAL(dataChanged()), this, SLOT(SlotEnable()));
}

void ParameterViewCtrl::AddConnects()
{
    connect(m_pView, SIGNAL(signalContextMenuRequested(const QPoint&)), this,
            SLOT(SlotContextMenuRequested(const QPoint&)));
}

void ParameterViewCtrl::SlotEnable()
{
    m_actions.EnablePaste(m_pClipboard);
}

void ParameterViewCtrl::SlotContextMenuRequested(const QPoint& pos)
{
    if (!m_pMenu)
        return;
    bool bNew = m_pNode != nullptr;
    if (IsParameterSet(m_pNode))
    {
        values::DescriptorList listCreatable;
        if (values::IDynamicRules* pRules = GetDr(m_pNode))
            pRules->GetCreatableDescriptors(m_pNode, listCreatable);
        bNew = !listCreatable.empty();
    }
    m_pNewAction->setEnabled(bNew);
    m_actions.EnableForContent(m_pView->count() > 0);
    SlotEnable();
    m_pMenu->popup(pos);
}

void ParameterViewCtrl::SlotNew()
{
    values::IDynamicRules* pRules = ParameterSetRules();
    if (!pRules || !m_pNode)
        return;
    values::DescriptorList listCreatable;
    pRules->GetCreatableDescriptors(m_pNode, listCreatable);
    // One dialog at a time, offering what may be created now.
    delete m_pNewChildDialog;
    m_pNewChildDialog = new NewChildDialog(m_pView, listCreatable, GetAliasMap());
    connect(m_pNewChildDialog, SIGNAL(SignalNewChild(const values::ValueDescriptor*)), this,
            SLOT(SlotNewChild(const values::ValueDescriptor*)));
    m_pNewChildDialog->show();
}

void ParameterViewCtrl::SlotNewChild(const values::ValueDescriptor* pDescriptor)
{
    if (!pDescriptor || !m_pNode)
        return;
    AssignParNode();
    values::IDynamicRules* pRules = GetDr(m_pNode);
    const bool bAllowed = IsParameterSet(m_pNode) && pRules && pRules->IsAddAllowed(m_pNode, pDescriptor) &&
                          !(pRules->IsUnique(pDescriptor) && m_pNode->GetChildNode(pDescriptor));
    if (!bAllowed)
    {
        ShowInformation(tr("The node %1 could not be created !").arg(Alias(pDescriptor->DefaultItemName())));
        return;
    }
    values::Node* pAncestorGroup =
        DravinelDefinition::DravinelTree::GetAncestorParameterSet(pDescriptor, m_pNode->GetParentNode());
    m_bSelectNewTab = true;
    values::Node* pNew = pAncestorGroup ? m_pNode->CopyChildNode(pAncestorGroup, nullptr)
                                        : pRules->CreateChild(m_pNode, pDescriptor, nullptr);
    // A group that did not come must not steal the selection from the next new tab.
    m_bSelectNewTab = false;
    if (pNew)
        SetbModified(true);
    if (m_pView)
        m_pView->show();
}

void ParameterViewCtrl::SlotDelete()
{
    auto it = m_mapViewItems.find(m_pView->currentWidget());
    if (it == m_mapViewItems.end())
        return;
    auto* pItem = dynamic_cast<ParameterViewItem*>(it->second);
    if (!pItem)
        return;
    pItem->DeleteTreeItem();
    SetbModified(true);
}

void ParameterViewCtrl::SlotCut()
{
    SlotCopy();
    SlotDelete();
}

void ParameterViewCtrl::SlotCopy()
{
    values::VtXml document;
    auto it = m_mapViewItems.find(m_pView->currentWidget());
    if (it != m_mapViewItems.end())
        if (auto* pItem = dynamic_cast<ParameterViewItem*>(it->second))
            if (values::Node* pGroup = pItem->GetNode())
                document.AddNode(pGroup);
    m_pClipboard->setText(document.GetString());
}

void ParameterViewCtrl::SlotPaste()
{
    const QString sText = m_pClipboard->text();
    // A message box runs an event loop: the editor may be closed before it returns.
    QPointer<ParameterViewCtrl> pSelf(this);
    try
    {
        const values::VtXml document(sText);
        for (int nIndex = 0;; ++nIndex)
        {
            values::Node* pPasted = document.CreateNodeAt(nIndex);
            if (!pPasted)
                break;
            PasteNode(pPasted);
            if (!pSelf || !m_pNode)
                return;
        }
    }
    catch (const KVException&)
    {
        if (pSelf)
            ShowInformation(tr("Paste Text Format Error.") + QLatin1Char('\n') +
                            tr("The data in the clipboard could not be added!"));
    }
}

void ParameterViewCtrl::ShowRefused(const QString& sName)
{
    ShowInformation(tr("Paste Text Format Error.") + QLatin1Char('\n') +
                    tr("The node %1 in the clipboard could not be added !").arg(Alias(sName)));
}

void ParameterViewCtrl::DropRefusedGroups(values::Node* pPastedSet, values::Node* pOwner)
{
    values::IDynamicRules* pSetRules = GetDr(pPastedSet);
    const std::vector<values::TreeItem*> vecChildren = pPastedSet->GetTreeItems();
    for (values::TreeItem* pChild : vecChildren)
    {
        values::Node* pGroup = pChild->AsNode();
        if (!pGroup || (pSetRules && pSetRules->IsAddAllowed(pOwner, pGroup->GetValueDescriptor())))
            continue;
        ShowRefused(pGroup->GetName());
        pPastedSet->DeleteItem(pGroup);
    }
}

void ParameterViewCtrl::PasteNode(values::Node* pPastedNode)
{
    std::unique_ptr<values::Node> pPasted(pPastedNode);
    const values::ValueDescriptor* pDescriptor = pPasted->GetValueDescriptor();
    // The rules delete a node they refuse to add: keep its name for the message.
    const QString sName = pPasted->GetName();

    values::Node* pTarget = nullptr;
    if (pDescriptor == &g_vdNodePar)
    {
        pTarget = IsParameterSet(m_pNode) ? m_pNode->GetParentNode() : m_pNode;
    }
    else
    {
        // A group the set's rules refuse gets no parameter set made for it: a refused paste
        // leaves the tree as it was.
        values::IDynamicRules* pSetRules = ParameterSetRules();
        if (m_pNode && !IsParameterSet(m_pNode) && !m_pNode->GetChildNode(&g_vdNodePar) &&
            (!pSetRules || !pSetRules->IsAddAllowed(m_pNode, pDescriptor)))
            return ShowRefused(sName);
        AssignParNode();
        pTarget = m_pNode;
    }

    values::IDynamicRules* pRules = GetDr(pTarget);
    if (!pTarget || !pRules || !pRules->IsAddAllowed(pTarget, pDescriptor))
    {
        ShowRefused(sName);
        return;
    }
    // Message boxes below run event loops: notice when the target goes meanwhile.
    std::shared_ptr<const bool> spTargetAlive = pTarget->GetAliveFlag();
    QPointer<ParameterViewCtrl> pSelf(this);
    if (pDescriptor == &g_vdNodePar)
    {
        DropRefusedGroups(pPasted.get(), pTarget);
        if (!pSelf || !*spTargetAlive)
            return;
    }

    values::Node* pExisting = pTarget->GetChildNode(pDescriptor);
    if (!pExisting || !pRules->IsUnique(pDescriptor))
    {
        if (pRules->AddNode(pTarget, pPasted.release(), nullptr))
            SetbModified(true);
        else
            ShowRefused(sName);
        return;
    }

    const bool bReplace =
        (IsParameterSet(m_pNode) && m_pNode->GetTreeItems().empty()) || ShouldDelete(pPasted.get());
    if (!pSelf || !*spTargetAlive || !bReplace)
        return;
    // The existing node may have gone while the question was open.
    pExisting = pTarget->GetChildNode(pDescriptor);
    if (pExisting && pDescriptor == &g_vdNodePar)
    {
        // The set itself stays, so that every view of it keeps showing it.
        pExisting->DeleteChildren(nullptr);
        pExisting->MergeChildren(pPasted.get(), nullptr);
        SetbModified(true);
        return;
    }
    if (pExisting)
        pTarget->DeleteItem(pExisting, nullptr);
    if (pRules->AddNode(pTarget, pPasted.release(), nullptr))
        SetbModified(true);
    else
        ShowRefused(sName);
}

bool ParameterViewCtrl::ShouldDelete(values::Node* pNode)
{
    QMessageBox box(QMessageBox::Information, CfgCenter::GetAppName(),
                    tr("The node %1 already exists, should it be replaced with this one ?")
                        .arg(pNode ? Alias(pNode->GetName()) : QString()),
                    QMessageBox::NoButton, nullptr);
    // Neither button is an escape button: the operator has to choose.
    QPushButton* pKeep = box.addButton(tr("&Keep"), QMessageBox::ActionRole);
    QPushButton* pReplace = box.addButton(tr("&Replace"), QMessageBox::AcceptRole);
    box.setDefaultButton(pReplace);
    box.exec();
    return box.clickedButton() != pKeep;
}

void ParameterViewCtrl::ShowInformation(const QString& sText)
{
    QMessageBox::information(nullptr, CfgCenter::GetAppName(), sText, QMessageBox::Ok);
}
