#include "tvifds.h"

#include "frequencyview.h"
#include "frequencyviewsplit.h"

#include "oskevo/node.h"

TviFds::TviFds(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

bool TviFds::CommandSwitch(unsigned int nCommand, bool bExecute)
{
    if (!IsCommandAllowed(nCommand))
        return false;
    return TviStdNode::CommandSwitch(nCommand, bExecute);
}

void TviFds::CreateDisplay()
{
    if (!GetDisplay())
    {
        values::Node* pNode = GetNode() ? GetNode()->GetNode(QString()) : nullptr;
        if (!pNode)
            return;
        FrequencyViewSplit* pView = new FrequencyViewSplit(m_pDisplayArea, GetStringForColumn(0));
        PlaceDisplay(pView);
        pView->Init(pNode);
        TviNodeSplit::CreateDisplay();
        pView->Load(pNode);
        pView->GetFrequencyView()->setFocus();
    }
    GetDisplay()->show();
}

void TviFds::DeleteDisplay()
{
    if (GetDisplay())
        GetDisplay()->hide();
}
