#include "dravinelviewctrl.h"

#include "tvidcd.h"
#include "tvidcs.h"
#include "tvidev.h"
#include "tvifds.h"
#include "tvipar.h"
#include "tviscepar.h"
#include "tvistdroot.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/names.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "tolveth/ialiasmap.h"

#include <cwctype>

using namespace DravinelDefinition;

DravinelViewCtrl::DravinelViewCtrl(ITreeListView* pView) : TreeViewSplitCtrl(pView)
{
}

DravinelViewCtrl::DravinelViewCtrl(TreeViewBase* pBase, QWidget* pParent, values::Node* pRoot,
                                   QTreeWidgetItem* pParentItem)
    : TreeViewSplitCtrl(pBase, pParent, pRoot, pParentItem)
{
}

DravinelViewCtrl::~DravinelViewCtrl()
{
    RemoveAliasTable();
}

values::Node* DravinelViewCtrl::DefaultRoot()
{
    return values::Tree::Instance()->GetRoot();
}

void DravinelViewCtrl::SetAliasMap(IAliasMap* pAliasMap)
{
    RemoveAliasTable();
    TreeViewSplitCtrl::SetAliasMap(pAliasMap);
    if (pAliasMap)
        AddAliasTable();
}

void DravinelViewCtrl::AddAliasTable()
{
    if (IAliasMap* pMap = GetAliasMap())
        pMap->AddTable(&m_aliasTable);
}

void DravinelViewCtrl::RemoveAliasTable()
{
    if (IAliasMap* pMap = GetAliasMap())
        pMap->RemoveTable(&m_aliasTable);
}

void DravinelViewCtrl::AddAttributes()
{
    TreeViewSplitCtrl::AddAttributes();
    if (m_pTreeView)
        m_pTreeView->setSortingEnabled(false);
}

bool DravinelViewCtrl::IsEqualToStdName(const QString& sName, const QString& sStdName)
{
    const int nStd = sStdName.length();
    if (sName.length() < nStd)
        return false;
    if (sName.length() == nStd)
        return sName == sStdName;
    int nPos = nStd;
    if (sName[nPos] == QLatin1Char(' ') || sName[nPos] == QLatin1Char('_'))
        ++nPos;
    for (; nPos < sName.length(); ++nPos)
    {
        if (!std::iswdigit(wint_t(sName[nPos].unicode())))
            return false;
    }
    return sName.left(nStd) == sStdName;
}

values::Mediator* DravinelViewCtrl::CreateMediator(Observable* pObservable)
{
    values::TreeItem* pItem = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pItem)
        return nullptr;
    values::Node* pNode = pItem->GetNode(QString());
    if (!pNode)
        return TreeViewSplitCtrl::CreateMediator(pObservable);

    const QString sName = pItem->GetName();
    const values::ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    const values::Node* pParent = pItem->GetParentNode();
    const values::ValueDescriptor* pParentDescriptor = pParent ? pParent->GetValueDescriptor() : nullptr;
    const bool bScenarioPar = pDescriptor == &g_vdNodePar &&
                              (pParentDescriptor == &g_vdNodeIndEmi || pParentDescriptor == &g_vdNodeIndMov ||
                               pParentDescriptor == &g_vdNodeIndEm);
    ITreeViewCtrl* pCtrl = this;
    QWidget* pArea = m_pDisplayArea;

    // Sibling names are unique in the value tree: a second device or control set is "Dev_1" or
    // "Dcs_1", and is a device or control set all the same.
    auto isNamed = [&](const QString& sStdName, const values::ValueDescriptor& type)
    { return sName == sStdName || (pDescriptor == &type && IsEqualToStdName(sName, sStdName)); };

    TviStdNode* pTvi = nullptr;
    if (isNamed(C::g_sDev, g_vdNodeDev))
        pTvi = new TviDev(pCtrl, pArea, pItem);
    else if (sName == C::g_sDcd)
        pTvi = new TviDcd(pCtrl, pArea, pItem);
    else if (isNamed(C::g_sDcs, g_vdNodeDcs))
        pTvi = new TviDcs(pCtrl, pArea, pItem);
    else if (IsEqualToStdName(sName, C::g_sFds))
        pTvi = new TviFds(pCtrl, pArea, pItem);
    else if (bScenarioPar)
        pTvi = new TviScePar(pCtrl, pArea, pItem);
    else if (sName == C::g_sPar)
        pTvi = new TviPar(pCtrl, pArea, pItem);
    else if (pNode == m_pObservedRoot)
        pTvi = new TviStdRoot(pCtrl, pArea, pItem);
    else
    {
        // The first generic form needs room to be seen.
        if (pArea && pArea->geometry().height() <= 30)
            pArea->resize(pArea->geometry().width() - 20, 150);
        pTvi = new TviStdNode(pCtrl, pArea, pItem);
    }
    pTvi->SetAliasMap(GetAliasMap());
    pTvi->Init();
    return pTvi;
}
