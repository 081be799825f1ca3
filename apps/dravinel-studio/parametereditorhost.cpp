#include "parametereditorhost.h"

#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/parameterscenarioview.h"
#include "dravinelcontrols/parameterview.h"
#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"

namespace
{

// Emissions, emitters and movements hold scenario parameters.
bool IsScenarioOwner(const values::Node* pNode)
{
    using namespace DravinelDefinition;
    const values::ValueDescriptor* pType = pNode ? pNode->GetValueDescriptor() : nullptr;
    return pType == &g_vdNodeIndEm || pType == &g_vdNodeIndEmi || pType == &g_vdNodeIndMov;
}

} // namespace

QWidget* CreateParameterEditor(values::Node* pParNode, QWidget* pParent, values::IModifyObserver* pObserver)
{
    const bool bScenario =
        pParNode && (IsScenarioOwner(pParNode) || IsScenarioOwner(pParNode->GetParentNode()));
    ParameterView* pView = bScenario
                               ? new ParameterScenarioView(pParent, QStringLiteral("ParameterScenarioView"))
                               : new ParameterView(pParent, QStringLiteral("ParameterView"));
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
