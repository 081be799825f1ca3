#include "parametereditorhost.h"

#include "dravinelcontrols/frequencyviewsplit.h"
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

QWidget* CreateFrequencySplitEditor(values::Node* pFdsNode, QWidget* pParent,
                                    values::IModifyObserver* pObserver)
{
    auto* pSplit = new FrequencyViewSplit(pParent, QStringLiteral("FrequencyViewSplit"));
    pSplit->SetObserver(pObserver);
    // Init loads the node and shows the parameters of the first row.
    pSplit->Init(pFdsNode);
    return pSplit;
}
