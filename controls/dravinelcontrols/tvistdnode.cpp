#include "tvistdnode.h"

#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "tolveth/genericview.h"
#include "tolveth/newchilddialog.h"
#include "tolveth/treeviewbasectrl.h"

#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QPointer>
#include <QTreeWidgetItem>

#include <algorithm>
#include <memory>

TviStdNode::TviStdNode(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviNodeSplit(pCtrl, pDisplayArea, pItem)
{
}

values::IDynamicRules* TviStdNode::RulesOf(const values::Node* pNode)
{
    if (!pNode)
        return nullptr;
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1);
    return pDefinition ? pDefinition->GetRulesMap().Find(pNode->GetValueDescriptor()) : nullptr;
}

bool TviStdNode::CommandSwitch(unsigned int nCommand, bool bExecute)
{
    switch (nCommand)
    {
    case CMD_NEW:
    case CMD_CUT:
    case CMD_COPY:
    case CMD_PASTE:
    case CMD_DELETE:
    case CMD_PROPERTIES:
    case CMD_PROPERTIES_2:
        break;
    default:
        return TviNode::CommandSwitch(nCommand, bExecute);
    }
    if (!IsCommandAllowed(nCommand))
        return false;
    if (bExecute)
        Carry(nCommand);
    return true;
}

bool TviStdNode::IsListedByParentRules() const
{
    TviNode* pParent = dynamic_cast<TviNode*>(GetParent());
    values::Node* pNode = GetNode();
    values::IDynamicRules* pRules = pParent ? RulesOf(pParent->GetNode()) : nullptr;
    if (!pRules || !pNode)
        return false;
    const values::DescriptorList& lstChildren = pRules->GetChildDescriptors();
    return std::find(lstChildren.begin(), lstChildren.end(), pNode->GetValueDescriptor()) !=
           lstChildren.end();
}

bool TviStdNode::IsCommandAllowed(unsigned int nCommand)
{
    const bool bHasParent = dynamic_cast<TviNode*>(GetParent()) != nullptr;
    switch (nCommand)
    {
    case CMD_NEW:
    {
        values::IDynamicRules* pRules = RulesOf(GetNode());
        if (!pRules)
            return false;
        values::DescriptorList lstCreatable;
        pRules->GetCreatableDescriptors(GetNode(), lstCreatable);
        return !lstCreatable.empty() && TviNode::IsCommandAllowed(nCommand);
    }
    case CMD_CUT:
    case CMD_DELETE:
        return bHasParent && IsListedByParentRules() && TviNode::IsCommandAllowed(nCommand);
    case CMD_COPY:
        return bHasParent || TviNode::IsCommandAllowed(nCommand);
    case CMD_PASTE:
        return !bHasParent || IsListedByParentRules();
    case CMD_PROPERTIES:
    case CMD_PROPERTIES_2:
        return false;
    default:
        return TviNode::IsCommandAllowed(nCommand);
    }
}

void TviStdNode::OnNew()
{
    values::IDynamicRules* pRules = RulesOf(GetNode());
    if (!pRules)
    {
        TviNode::OnNew();
        return;
    }
    values::DescriptorList lstCreatable;
    pRules->GetCreatableDescriptors(GetNode(), lstCreatable);
    QWidget* pParent = GetBaseCtrl() ? GetBaseCtrl()->GetTreeView() : nullptr;
    NewChildDialog* pDialog = new NewChildDialog(pParent, lstCreatable, GetAliasMap());
    connect(pDialog, SIGNAL(SignalNewChild(const values::ValueDescriptor*)), this,
            SLOT(SlotNewChild(const values::ValueDescriptor*)));
    pDialog->show();
}

void TviStdNode::InsertNewChild(const values::ValueDescriptor* pDescriptor)
{
    values::Node* pNode = GetNode();
    values::IDynamicRules* pRules = RulesOf(pNode);
    if (!pRules)
        return;
    QPointer<TviStdNode> pSelf(this);
    pRules->CreateChild(pNode, pDescriptor, nullptr);
    if (pSelf)
        RefreshIcon();
}

void TviStdNode::RefreshIcon()
{
    if (QTreeWidgetItem* pLvi = GetListViewItem())
        pLvi->setIcon(0, QIcon(QPixmap(GetXpm())));
}

void TviStdNode::PasteNode(values::Node* pTarget, values::Node* pPasted)
{
    if (values::IDynamicRules* pRules = RulesOf(pTarget))
        PasteWithRules(pRules, pTarget, pPasted);
    else
        PasteWithoutRules(pTarget, pPasted);
}

QString TviStdNode::PasteFailedText() const
{
    return tr("Paste Text Format Error.") + QLatin1Char('\n') +
           tr("The data in the clipboard could not be added!");
}

void TviStdNode::PasteWithoutRules(values::Node* pTarget, values::Node* pPasted)
{
    std::unique_ptr<values::Node> pNode(pPasted);
    if (values::Node* pExisting = pTarget->GetChildNode(pNode->GetValueDescriptor()))
    {
        QPointer<TviStdNode> pSelf(this);
        const bool bReplace = ShouldDelete(pNode.get());
        if (!pSelf || !bReplace)
            return;
        pTarget->DeleteItem(pExisting);
    }
    pTarget->AddItem(pNode.release());
}

void TviStdNode::PasteWithRules(values::IDynamicRules* pRules, values::Node* pTarget, values::Node* pPasted)
{
    std::unique_ptr<values::Node> pNode(pPasted);
    const values::ValueDescriptor* pDescriptor = pNode->GetValueDescriptor();
    if (!pRules->IsAddAllowed(pTarget, pDescriptor))
    {
        ShowInformation(tr("Paste Text Format Error.") + QLatin1Char('\n') +
                        tr("The node %1 in the clipboard could not be added!").arg(Alias(pNode->GetName())));
        return;
    }
    values::Node* pExisting = pTarget->GetChildNode(pDescriptor);
    if (pExisting && pRules->IsUnique(pDescriptor))
    {
        QPointer<TviStdNode> pSelf(this);
        const bool bReplace = ShouldDelete(pNode.get());
        if (!pSelf || !bReplace)
            return;
        pTarget->DeleteItem(pExisting);
    }
    pRules->AddNode(pTarget, pNode.release(), nullptr);
}

values::TreeItem* TviStdNode::FindRelative(const values::Node* pNode,
                                           const values::ValueDescriptor& descriptor)
{
    return pNode ? values::Tree::Instance()->GetItem(pNode->GetPathName_NoSlashForRoot() +
                                                     descriptor.PathName())
                 : nullptr;
}

QString TviStdNode::ReadText(const values::Node* pNode, const values::ValueDescriptor& descriptor)
{
    const values::ValueBase* pValue = dynamic_cast<const values::ValueBase*>(FindRelative(pNode, descriptor));
    return pValue ? pValue->GetAsString() : QString();
}

void TviStdNode::UpdateHeldValues(Observable* pObservable, TChangeCode code)
{
    if (code == values::CC_VALUE)
    {
        if (QTreeWidgetItem* pLvi = GetListViewItem())
            pLvi->setText(0, GetName());
    }
    else if (code == values::CC_CHILDREN)
        AssignValues();
    TviNode::Update(pObservable, code);
}

values::Node* TviStdNode::GetNodeAttr() const
{
    const values::ValueDescriptor* pAttr = GetVdAttr();
    values::Node* pNode = GetNode();
    return pAttr && pNode ? pNode->GetChildNode(pAttr) : nullptr;
}

bool TviStdNode::InsertChildAllowed(values::TreeItem* pChild)
{
    return TviNodeSplit::InsertChildAllowed(pChild) && pChild->GetValueDescriptor() != GetVdAttr();
}

void TviStdNode::PlaceDisplay(QWidget* pDisplay)
{
    SetDisplay(pDisplay);
    // Some editors join their parent's layout themselves.
    if (m_pDisplayArea && m_pDisplayArea->layout() && m_pDisplayArea->layout()->indexOf(pDisplay) < 0)
        m_pDisplayArea->layout()->addWidget(pDisplay);
    if (AliasMapClient* pClient = dynamic_cast<AliasMapClient*>(pDisplay))
        pClient->SetAliasMap(GetAliasMap());
}

void TviStdNode::CreateDisplay()
{
    if (GetDisplay())
        return;
    values::Node* pNode = GetNode();
    if (!pNode)
        return;
    GenericView* pView = new GenericView(m_pDisplayArea, GetStringForColumn(0));
    PlaceDisplay(pView);
    values::Node* pAttr = GetNodeAttr();
    pView->Init(pAttr ? pAttr : pNode);
    TviNodeSplit::CreateDisplay();
}
