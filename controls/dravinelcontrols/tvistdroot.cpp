#include "tvistdroot.h"

#include "dravinelicons.h"
#include "newdevicedialog.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "tolveth/treeviewbasectrl.h"

#include <QPointer>

TviStdRoot::TviStdRoot(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

bool TviStdRoot::CommandSwitch(unsigned int nCommand, bool bExecute)
{
    if (nCommand != CMD_NEW)
        return TviStdNode::CommandSwitch(nCommand, bExecute);
    if (bExecute)
        OnNew();
    return true;
}

const char* const* TviStdRoot::GetXpm()
{
    return DravinelIcons::Device();
}

void TviStdRoot::OnNew()
{
    QWidget* pParent = GetBaseCtrl() ? GetBaseCtrl()->GetTreeView() : nullptr;
    NewDeviceDialog* pDialog = new NewDeviceDialog(
        pParent, DravinelDefinition::DeviceDefinitionCenter::Instance().GetDeviceTypes(), GetAliasMap());
    connect(pDialog, SIGNAL(SignalNewDevice(int)), this, SLOT(SlotNewDevice(int)));
    pDialog->show();
}

void TviStdRoot::SlotNewDevice(int nDeviceType)
{
    DravinelDefinition::IDeviceDefinition* pDefinition =
        DravinelDefinition::DeviceDefinitionCenter::Instance().GetDeviceDefinition(nDeviceType);
    values::Node* pRoot = GetNode();
    values::IDynamicRules* pRules =
        pDefinition ? pDefinition->GetRulesMap().Find(&DravinelDefinition::g_vdNodeRoot) : nullptr;
    if (!pRules || !pRoot)
        return;
    QPointer<TviStdRoot> pSelf(this);
    if (TreeViewBaseCtrl* pCtrl = GetBaseCtrl())
    {
        // An edit of the tree like any item command: the host hears that it is modified.
        TreeViewBaseCtrl::CommandScope scope(pCtrl);
        pRules->CreateChild(pRoot, &DravinelDefinition::g_vdNodeDev, nullptr);
    }
    else
        pRules->CreateChild(pRoot, &DravinelDefinition::g_vdNodeDev, nullptr);
    if (pSelf)
        RefreshIcon();
}
