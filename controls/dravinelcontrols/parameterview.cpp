#include "dravinelcontrols/parameterview.h"

#include "dravinelcontrols/parameterviewctrl.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QMouseEvent>
#include <QTabBar>

ParameterView::ParameterView(QWidget* pParent, const QString& sName) : QTabWidget(pParent)
{
    setObjectName(sName);
    if (pParent)
        tabBar()->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (pParent && pParent->layout())
        pParent->layout()->addWidget(this);
    // Tab pages wait here until the controller gives them their tab.
    setLayout(new QHBoxLayout);
}

ParameterView::~ParameterView()
{
    // The tab pages belong to the controller's items: they go while the tab widget is whole.
    delete m_pCtrl;
    m_pCtrl = nullptr;
}

void ParameterView::AdoptCtrl(ParameterViewCtrl* pCtrl)
{
    m_pCtrl = pCtrl;
    m_pCtrl->SetAliasMap(GetAliasMap());
    if (m_pModifyObserver)
        m_pCtrl->SetObserver(m_pModifyObserver);
}

void ParameterView::Init(values::Node* pNode)
{
    if (!m_pCtrl)
        AdoptCtrl(new ParameterViewCtrl(this));
    m_pCtrl->Init(pNode);
}

void ParameterView::Load(values::Node* pNode)
{
    // A host that loads without initialising first still gets a working editor.
    if (!m_pCtrl)
        Init(pNode);
    else
        m_pCtrl->Load(pNode);
}

void ParameterView::Unload()
{
    if (m_pCtrl)
        m_pCtrl->Unload();
}

bool ParameterView::IsLoaded()
{
    return m_pCtrl && m_pCtrl->IsLoaded();
}

bool ParameterView::IsModified()
{
    return m_pCtrl ? m_pCtrl->IsModified() : m_bModified;
}

void ParameterView::SetbModified(bool bModified)
{
    if (m_pCtrl)
        m_pCtrl->SetbModified(bModified);
    else
        values::KVModifier::SetbModified(bModified);
}

void ParameterView::SetObserver(values::IModifyObserver* pObserver)
{
    // Kept as well, for a controller made later.
    m_pModifyObserver = pObserver;
    if (m_pCtrl)
        m_pCtrl->SetObserver(pObserver);
}

std::list<MenuCommand> ParameterView::GetMenuCommandList()
{
    return m_pCtrl ? m_pCtrl->GetMenuCommandList() : std::list<MenuCommand>();
}

void ParameterView::OnCommand(unsigned int nCommand)
{
    if (m_pCtrl)
        m_pCtrl->OnCommand(nCommand);
}

void ParameterView::SetAliasMap(IAliasMap* pAliasMap)
{
    AliasMapClient::SetAliasMap(pAliasMap);
    if (m_pCtrl)
        m_pCtrl->SetAliasMap(pAliasMap);
}

bool ParameterView::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pObject == tabBar())
    {
        switch (pEvent->type())
        {
        case QEvent::MouseButtonRelease:
        {
            auto* pMouse = static_cast<QMouseEvent*>(pEvent);
            if (pMouse->button() == Qt::RightButton)
            {
                emit signalContextMenuRequested(pMouse->globalPos());
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress:
        {
            auto* pMouse = static_cast<QMouseEvent*>(pEvent);
            if (pMouse->button() == Qt::RightButton)
            {
                // The menu that follows on release acts on the tab hit; empty space (-1)
                // leaves the current tab as it is.
                const int nTab = tabBar()->tabAt(pMouse->pos());
                if (nTab >= 0)
                    tabBar()->setCurrentIndex(nTab);
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
            return true;
        default:
            break;
        }
    }
    return QTabWidget::eventFilter(pObject, pEvent);
}
