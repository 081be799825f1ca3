#include "dravinelcontrols/frequencyviewsplit.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewsplitctrl.h"

#include <QVBoxLayout>

FrequencyViewSplit::FrequencyViewSplit(QWidget* pParent, QString sName) : QSplitter(Qt::Vertical, pParent)
{
    setObjectName(sName);
    m_pFrequencyView = new FrequencyView(this, sName);
    m_pFrequencyView->SetAliasMap(GetAliasMap());

    m_pParameterArea = new QWidget(this);
    m_pParameterArea->setObjectName(QStringLiteral("ParaViewArea"));
    auto* pLayout = new QVBoxLayout(m_pParameterArea);
    pLayout->setObjectName(QStringLiteral("PVALayout"));
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);

    addWidget(m_pFrequencyView);
    addWidget(m_pParameterArea);
    setSizes({width() / 2, width() / 2});
}

FrequencyViewSplit::~FrequencyViewSplit()
{
    // The parameter editor goes while the controller that made it is whole.
    if (m_pCtrl)
        m_pCtrl->DeleteParameter();
    DeleteCtrl();
}

FrequencyViewSplitCtrl* FrequencyViewSplit::MakeCtrl()
{
    auto* pCtrl = new FrequencyViewSplitCtrl(this);
    pCtrl->SetFrequencyView(m_pFrequencyView);
    m_pFrequencyView->SetCtrl(pCtrl);
    m_pFrequencyView->Init(nullptr);
    return pCtrl;
}

void FrequencyViewSplit::SetAliasMap(IAliasMap* pAliasMap)
{
    TreeEditForwarder<FrequencyViewSplitCtrl>::SetAliasMap(pAliasMap);
    m_pFrequencyView->SetAliasMap(pAliasMap);
}
