#include "dravinelcontrols/parameterscenarioviewitem.h"

#include "dravinelcontrols/freqscenarioviewsplit.h"
#include "dravinelcontrols/genericscenarioview.h"
#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewctrl.h"

#include <QLayout>
#include <QVBoxLayout>

ParameterScenarioViewItem::ParameterScenarioViewItem(ParameterViewCtrl* pCtrl, values::Node* pNode)
    : ParameterViewItem(pCtrl, pNode)
{
}

void ParameterScenarioViewItem::Init(ParameterView* pView)
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

    // Owned by the page; in its layout so that form and table fill the tab.
    auto* pSplit = new FreqScenarioViewSplit(m_pViewItem);
    pLayout->addWidget(pSplit);
    GenericScenarioView* pForm = pSplit->GetGenericScenarioView();
    pForm->SetAliasMap(GetAliasMap());
    pForm->Init(GetNode());
    pForm->SetObserver(m_pModifyObserver);

    m_pCtrl->NotifyViewItemCreated(this);
}
