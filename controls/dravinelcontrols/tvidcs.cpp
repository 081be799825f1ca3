#include "tvidcs.h"

#include "dravinelicons.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"
#include "oskevo/value.h"

using namespace DravinelDefinition;

TviDcs::TviDcs(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

TviDcs::~TviDcs()
{
    ReleaseValue(m_pName);
}

void TviDcs::Init()
{
    AssignName();
    TviNodeSplit::Init();
}

void TviDcs::AssignName()
{
    if (m_pName)
        return;
    values::Node* pAttr = GetNode() ? GetNode()->GetChildNode(&g_vdNodeDcsAttr) : nullptr;
    values::Value<QString>* pName =
        pAttr ? dynamic_cast<values::Value<QString>*>(pAttr->GetChildValue(&g_vdDcsName)) : nullptr;
    if (pName)
    {
        m_pName = pName;
        m_pName->AddObserver(this);
    }
}

QString TviDcs::GetName()
{
    if (m_pName && !m_pName->GetAsString().isEmpty())
        return m_pName->GetAsString();
    return TreeViewItem::GetName();
}

const char* const* TviDcs::GetXpm()
{
    return DravinelIcons::ControlSet();
}

const values::ValueDescriptor* TviDcs::GetVdAttr() const
{
    return &g_vdNodeDcsAttr;
}

void TviDcs::Update(Observable* pObservable, TChangeCode code)
{
    ReleaseIfDeleting(pObservable, code, m_pName);
    UpdateHeldValues(pObservable, code);
}
