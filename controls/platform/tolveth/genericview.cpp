#include "tolveth/genericview.h"

#include "tolveth/genericviewctrl.h"

#include <QScrollArea>
#include <QVBoxLayout>

GenericView::GenericView(QWidget* pParent, QString sName) : QWidget(pParent)
{
    setObjectName(sName);
    // Nodes with many values need more room than a display area has: the rows scroll.
    QVBoxLayout* pOuter = new QVBoxLayout(this);
    pOuter->setContentsMargins(0, 0, 0, 0);
    QScrollArea* pScroll = new QScrollArea(this);
    pScroll->setObjectName(QStringLiteral("GenericViewScroll"));
    pScroll->setFrameShape(QFrame::NoFrame);
    pScroll->setWidgetResizable(true);
    pOuter->addWidget(pScroll);
    QWidget* pContent = new QWidget;
    pContent->setObjectName(QStringLiteral("GenericViewContent"));
    m_pFormLayout = new QVBoxLayout(pContent);
    m_pFormLayout->setObjectName(QStringLiteral("GenericViewLayout"));
    // Rows stay together at the top however high the display area is.
    m_pFormLayout->setAlignment(Qt::AlignTop);
    pScroll->setWidget(pContent);
}

GenericView::~GenericView()
{
    // The rows own widgets that are children of this view: let them go while it is whole.
    delete m_pCtrl;
    m_pCtrl = nullptr;
}

void GenericView::Init(values::Node* pNode)
{
    if (!m_pCtrl)
        m_pCtrl = new GenericViewCtrl(this);
    m_pCtrl->Init(pNode);
}

void GenericView::Load(values::Node* pNode)
{
    if (!m_pCtrl)
        Init(pNode);
    else
        m_pCtrl->Load(pNode);
}

void GenericView::Unload()
{
    if (m_pCtrl)
        m_pCtrl->Unload();
}

bool GenericView::IsLoaded()
{
    return m_pCtrl && m_pCtrl->IsLoaded();
}

bool GenericView::IsModified()
{
    return m_pCtrl ? m_pCtrl->IsModified() : m_bModified;
}

void GenericView::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pCtrl)
        m_pCtrl->SetbModified(bModified);
    else if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

void GenericView::SetObserver(values::IModifyObserver* pObserver)
{
    m_pModifyObserver = pObserver;
    if (m_pCtrl)
        m_pCtrl->SetObserver(pObserver);
}

std::list<MenuCommand> GenericView::GetMenuCommandList()
{
    return m_pCtrl ? m_pCtrl->GetMenuCommandList() : std::list<MenuCommand>();
}

void GenericView::OnCommand(unsigned int nCommand)
{
    if (m_pCtrl)
        m_pCtrl->OnCommand(nCommand);
}

void GenericView::SetAliasMap(IAliasMap* pAliasMap)
{
    AliasMapClient::SetAliasMap(pAliasMap);
    if (m_pCtrl)
        m_pCtrl->SetAliasMap(pAliasMap);
}
