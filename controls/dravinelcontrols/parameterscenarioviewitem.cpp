#include "dravinelcontrols/parameterscenarioviewitem.h"

#include "dravinelcontrols/freqscenarioviewsplit.h"
#include "dravinelcontrols/genericscenarioview.h"
#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewctrl.h"

#include <QVBoxLayout>

ParameterScenarioViewItem::ParameterScenarioViewItem(ParameterViewCtrl* pCtrl, values::Node* pNode)
    : ParameterViewItem(pCtrl, pNode)
{
}

void ParameterScenarioViewItem::Init(ParameterView* pView)
{
    QVBoxLayout* pLayout = CreatePage(pView);

    // Owned by the page; in its layout so that form and table fill the tab.
    auto* pSplit = new FreqScenarioViewSplit(m_pViewItem);
    pLayout->addWidget(pSplit);
    GenericScenarioView* pForm = pSplit->GetGenericScenarioView();
    pForm->SetAliasMap(GetAliasMap());
    pForm->Init(GetNode());
    pForm->SetObserver(m_pModifyObserver);

    m_pCtrl->NotifyViewItemCreated(this);
}
