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
    if (m_pCtrl)
    {
        // The parameter editor goes while the controller that made it is whole.
        m_pCtrl->DeleteParameter();
        delete m_pCtrl;
        m_pCtrl = nullptr;
    }
}

void FrequencyViewSplit::Init(values::Node* pNode)
{
    if (!m_pCtrl)
    {
        m_pCtrl = new FrequencyViewSplitCtrl(this);
        m_pCtrl->SetAliasMap(GetAliasMap());
        m_pCtrl->SetFrequencyView(m_pFrequencyView);
        m_pFrequencyView->SetCtrl(m_pCtrl);
        m_pFrequencyView->Init(nullptr);
        if (m_pModifyObserver)
            m_pCtrl->SetObserver(m_pModifyObserver);
    }
    m_pCtrl->Init(pNode);
}

void FrequencyViewSplit::Load(values::Node* pNode)
{
    // A host that loads without initialising first still gets a working editor.
    if (!m_pCtrl)
        Init(pNode);
    else
        m_pCtrl->Load(pNode);
}

void FrequencyViewSplit::Unload()
{
    if (m_pCtrl)
        m_pCtrl->Unload();
}

bool FrequencyViewSplit::IsLoaded()
{
    return m_pCtrl && m_pCtrl->IsLoaded();
}

bool FrequencyViewSplit::IsModified()
{
    return m_pCtrl ? m_pCtrl->IsModified() : m_bModified;
}

void FrequencyViewSplit::SetbModified(bool bModified)
{
    if (m_pCtrl)
        m_pCtrl->SetbModified(bModified);
    else
        values::KVModifier::SetbModified(bModified);
}

void FrequencyViewSplit::SetObserver(values::IModifyObserver* pObserver)
{
    // Kept as well, for a controller made later.
    m_pModifyObserver = pObserver;
    if (m_pCtrl)
        m_pCtrl->SetObserver(pObserver);
}

std::list<MenuCommand> FrequencyViewSplit::GetMenuCommandList()
{
    return m_pCtrl ? m_pCtrl->GetMenuCommandList() : m_listMenuCommands;
}

void FrequencyViewSplit::OnCommand(unsigned int nCommand)
{
    if (m_pCtrl)
        m_pCtrl->OnCommand(nCommand);
}

void FrequencyViewSplit::SetAliasMap(IAliasMap* pAliasMap)
{
    AliasMapClient::SetAliasMap(pAliasMap);
    m_pFrequencyView->SetAliasMap(pAliasMap);
    if (m_pCtrl)
        m_pCtrl->SetAliasMap(pAliasMap);
}
