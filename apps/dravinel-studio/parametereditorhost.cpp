#include "parametereditorhost.h"

#include "dravinelcontrols/parameterview.h"

QWidget* CreateParameterEditor(values::Node* pParNode, QWidget* pParent, values::IModifyObserver* pObserver)
{
    auto* pView = new ParameterView(pParent, QStringLiteral("ParameterView"));
    pView->SetObserver(pObserver);
    pView->Init(nullptr);
    if (pParNode)
        pView->Load(pParNode);
    return pView;
}
