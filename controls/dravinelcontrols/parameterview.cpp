#include "dravinelcontrols/parameterview.h"

#include "dravinelcontrols/parameterviewctrl.h"
#include "dravinelcontrols/undohistory.h"
#include "oskevo/node.h"

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
    UndoHistory::InstallKeys(this, [this]() -> values::TreeItem* { return GetParentNode(); });
}

ParameterView::~ParameterView()
{
    // The tab pages belong to the controller's items: they go while the tab widget is whole.
    DeleteCtrl();
}

ParameterViewCtrl* ParameterView::MakeCtrl()
{
    return new ParameterViewCtrl(this);
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
