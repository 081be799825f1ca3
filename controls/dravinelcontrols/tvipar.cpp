#include "tvipar.h"

#include "parameterview.h"

#include "oskevo/node.h"
#include "tolveth/itreeedit.h"

TviPar::TviPar(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

bool TviPar::CommandSwitch(unsigned int nCommand, bool bExecute)
{
    if (!IsCommandAllowed(nCommand))
        return false;
    return TviStdNode::CommandSwitch(nCommand, bExecute);
}

void TviPar::CreateDisplay()
{
    if (!GetDisplay())
        ShowParameterDisplay(new ParameterView(m_pDisplayArea, GetStringForColumn(0)), true);
    if (GetDisplay())
        GetDisplay()->show();
}

void TviPar::ShowParameterDisplay(QWidget* pView, bool bFitArea)
{
    values::Node* pNode = GetNode() ? GetNode()->GetNode(QString()) : nullptr;
    ITreeEdit* pEdit = dynamic_cast<ITreeEdit*>(pView);
    if (!pNode || !pEdit)
    {
        delete pView;
        return;
    }
    PlaceDisplay(pView);
    if (bFitArea && m_pDisplayArea && m_pDisplayArea->layout())
        pView->resize(m_pDisplayArea->width(), m_pDisplayArea->height());
    pEdit->Init(nullptr);
    TviNodeSplit::CreateDisplay();
    pEdit->Load(pNode);
}

void TviPar::DeleteDisplay()
{
    QWidget* pDisplay = GetDisplay();
    if (!pDisplay)
        return;
    if (ITreeEdit* pEdit = dynamic_cast<ITreeEdit*>(pDisplay))
    {
        pEdit->SetObserver(nullptr);
        pEdit->SetAliasMap(nullptr);
    }
    SetDisplay(nullptr);
    delete pDisplay;
}
