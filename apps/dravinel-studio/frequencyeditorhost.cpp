#include "frequencyeditorhost.h"

#include "dravinelcontrols/frequencyview.h"

QWidget* CreateFrequencyEditor(values::Node* fdsNode, QWidget* parent, values::IModifyObserver* observer)
{
    auto* pView = new FrequencyView(parent, QStringLiteral("FrequencyView"));
    // The observer goes in before the rows are built, so every row reports to it from the start.
    pView->Init(nullptr);
    pView->SetObserver(observer);
    if (fdsNode)
        pView->Load(fdsNode);
    return pView;
}
