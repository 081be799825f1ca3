#include "tviscepar.h"

#include "parameterscenarioview.h"

TviScePar::TviScePar(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviPar(pCtrl, pDisplayArea, pItem)
{
}

void TviScePar::CreateDisplay()
{
    if (!GetDisplay())
        ShowParameterDisplay(new ParameterScenarioView(m_pDisplayArea, GetStringForColumn(0)), false);
    if (GetDisplay())
        GetDisplay()->show();
}
