#include "tolveth/tvinode.h"

#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "kvbase/kvexception.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxml.h"
#include "tolveth/newchilddialog.h"
#include "tolveth/treeviewbase.h"
#include "tolveth/treeviewbasectrl.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidgetItem>
#include <memory>

namespace
{

// A closed folder: the item of a node.
const char* const s_xpmNode[] = {
    "16 16 4 1",        ". c None",         "# c #7a5c14",      "a c #f0c850",      "b c #d8a830",
    "................", "................", "..#####.........", ".#aaaaa#........", "#aaaaaaa######..",
    "#bbbbbbbbbbbbb#.", "#aaaaaaaaaaaaa#.", "#aaaaaaaaaaaaa#.", "#aaaaaaaaaaaaa#.", "#aaaaaaaaaaaaa#.",
    "#aaaaaaaaaaaaa#.", "#aaaaaaaaaaaaa#.", "#aaaaaaaaaaaaa#.", "###############.", "................",
    "................"};

// XPM data is static: one icon per picture serves every item (GUI thread only). The icons
// are kept to the end of the process, never destroyed after the application object.
QIcon IconOf(const char* const* ppXpm)
{
    if (!ppXpm)
        return QIcon();
    static auto* s_pIcons = new QHash<const char* const*, QIcon>;
    auto it = s_pIcons->find(ppXpm);
    if (it == s_pIcons->end())
        it = s_pIcons->insert(ppXpm, QIcon(QPixmap(ppXpm)));
    return it.value();
}

const QString s_sDocumentMarker = QStringLiteral("<!DOCTYPE Vt>");

} // namespace

TviNode::TviNode(ITreeViewCtrl* pCtrl, values::TreeItem* pItem) : TreeViewItem(pCtrl, pItem)
{
}

void TviNode::Init()
{
    UpdateListViewItem();
}

void TviNode::UpdateListViewItem()
{
    QTreeWidgetItem* pLvi = GetListViewItem();
    if (!pLvi)
        return;
    pLvi->setText(0, GetName());
    pLvi->setIcon(0, IconOf(GetXpm()));
    pLvi->setToolTip(0, GetTip());
}

bool TviNode::IsCommandAllowed(unsigned int nCommand)
{
    values::Node* pNode = GetNode();
    if (!pNode)
        return false;
    switch (nCommand)
    {
    case CMD_NEW:
        return !GetCreatableDescriptors().empty();
    case CMD_CUT:
    case CMD_DELETE:
        return dynamic_cast<TviNode*>(GetParent()) != nullptr && pNode->GetParentNode() != nullptr;
    case CMD_COPY:
        return true;
    case CMD_PASTE:
        return QGuiApplication::clipboard()->text().contains(s_sDocumentMarker);
    default:
        return false;
    }
}

bool TviNode::CommandSwitch(unsigned int nCommand, bool bExecute)
{
    switch (nCommand)
    {
    case CMD_NEW:
    case CMD_CUT:
    case CMD_COPY:
    case CMD_PASTE:
    case CMD_DELETE:
        break;
    default:
        return false; // the properties commands and unknown ones
    }
    if (!IsCommandAllowed(nCommand))
        return false;
    if (bExecute)
        Carry(nCommand);
    return true;
}

void TviNode::Carry(unsigned int nCommand)
{
    switch (nCommand)
    {
    case CMD_NEW:
        OnNew();
        break;
    case CMD_CUT:
        OnCut();
        break;
    case CMD_COPY:
        OnCopy();
        break;
    case CMD_PASTE:
        OnPaste();
        break;
    case CMD_DELETE:
        OnDelete();
        break;
    default:
        break;
    }
}

void TviNode::OnNew()
{
    const std::list<const values::ValueDescriptor*> lstDescriptors = GetCreatableDescriptors();
    if (lstDescriptors.empty())
        return;
    QWidget* pParent = GetBaseCtrl() ? GetBaseCtrl()->GetTreeView() : nullptr;
    NewChildDialog* pDialog = new NewChildDialog(pParent, lstDescriptors, GetAliasMap());
    connect(pDialog, SIGNAL(SignalNewChild(const values::ValueDescriptor*)), this,
            SLOT(SlotNewChild(const values::ValueDescriptor*)));
    pDialog->show();
}

void TviNode::SlotNewChild(const values::ValueDescriptor* pDescriptor)
{
    if (!pDescriptor)
        return;
    if (TreeViewBaseCtrl* pCtrl = GetBaseCtrl())
    {
        TreeViewBaseCtrl::CommandScope scope(pCtrl);
        InsertNewChild(pDescriptor);
    }
    else
        InsertNewChild(pDescriptor);
}

values::IDynamicRules* TviNode::GetRules() const
{
    values::Node* pNode = GetNode();
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1);
    if (!pNode || !pNode->GetValueDescriptor() || !pDefinition)
        return nullptr;
    return pDefinition->GetRulesMap().Find(pNode->GetValueDescriptor());
}

std::list<const values::ValueDescriptor*> TviNode::GetCreatableDescriptors()
{
    values::DescriptorList lstDescriptors;
    if (values::IDynamicRules* pRules = GetRules())
        pRules->GetCreatableDescriptors(GetNode(), lstDescriptors);
    return lstDescriptors;
}

void TviNode::InsertNewChild(const values::ValueDescriptor* pDescriptor)
{
    values::Node* pNode = GetNode();
    if (!pNode || !pDescriptor)
        return;
    // No originator: this item learns of the new child like every other observer.
    values::TreeItem* pChild = nullptr;
    if (values::IDynamicRules* pRules = GetRules())
        pChild = pRules->CreateChild(pNode, pDescriptor, nullptr);
    else
        pChild = pNode->AddItemUnique(pDescriptor->CreateItem(), nullptr);
    if (pChild && GetBaseCtrl())
        GetBaseCtrl()->SelectTreeItem(pChild);
}

void TviNode::OnPaste()
{
    values::Node* pTarget = GetNode();
    if (!pTarget)
        return;
    QPointer<TviNode> pSelf(this);
    try
    {
        const values::VtXml doc(QGuiApplication::clipboard()->text());
        for (int nIndex = 0; pSelf; ++nIndex)
        {
            values::Node* pPasted = doc.CreateNodeAt(nIndex);
            if (!pPasted)
                break;
            PasteNode(pTarget, pPasted);
        }
    }
    catch (const KVException&)
    {
        ShowInformation(PasteFailedText());
    }
}

QString TviNode::PasteFailedText() const
{
    return tr("Paste Text Format Error.") + QLatin1Char('\n') +
           tr("The data in the clipboard could not be added!");
}

void TviNode::PasteNode(values::Node* pTarget, values::Node* pPasted)
{
    std::unique_ptr<values::Node> pNode(pPasted);
    if (pTarget->GetChildValueItem(pNode->GetName()))
    {
        QPointer<TviNode> pSelf(this);
        const bool bReplace = ShouldDelete(pNode.get());
        if (!pSelf || !bReplace)
            return; // keep the existing child, or the target went away meanwhile
    }
    // AddItem puts the pasted node in the place of a same-named child.
    pTarget->AddItem(pNode.release(), nullptr);
}

bool TviNode::ShouldDelete(values::Node* pNode)
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

void TviNode::ShowInformation(const QString& sText)
{
    QMessageBox::information(nullptr, CfgCenter::GetAppName(), sText, QMessageBox::Ok);
}

const char* const* TviNode::GetXpm()
{
    return s_xpmNode;
}

QString TviNode::GetTip()
{
    values::TreeItem* pItem = GetTreeItem();
    if (!pItem)
        return QString();
    const values::ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    if (pDescriptor && !pDescriptor->Tip().isEmpty())
        return pDescriptor->Tip();
    return pItem->GetPathName();
}

void TviNode::Update(Observable* pObservable, TChangeCode code)
{
    if (pObservable != GetObservable())
        return; // values derived items observe report here too; they handle them first
    switch (code)
    {
    case values::CC_CHILDREN:
        if (TreeViewBaseCtrl* pCtrl = GetBaseCtrl())
        {
            pCtrl->NotifyStructureChanged();
            pCtrl->UpdateChildItems(this, false);
        }
        return;
    case values::CC_NAME:
        UpdateListViewItem();
        if (GetBaseCtrl())
            GetBaseCtrl()->NotifyStructureChanged();
        return;
    default:
        break;
    }
    // Deletion notices: the mediator lets go of the node and deletes itself.
    TreeItemMediator::Update(pObservable, code);
}

QString TviNode::CommandText(unsigned int nCommand)
{
    switch (nCommand)
    {
    case CMD_NEW:
        return tr("&New...");
    case CMD_CUT:
        return tr("Cu&t");
    case CMD_COPY:
        return tr("&Copy");
    case CMD_PASTE:
        return tr("&Paste");
    case CMD_DELETE:
        return tr("&Delete");
    case CMD_PROPERTIES:
    case CMD_PROPERTIES_2:
        return tr("P&roperties...");
    default:
        return QString();
    }
}
