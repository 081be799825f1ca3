#include "tvidev.h"

#include "dravinelicons.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/value.h"
#include "oskevo/valueselection.h"

using namespace DravinelDefinition;

TviDev::TviDev(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviStdNode(pCtrl, pDisplayArea, pItem)
{
}

TviDev::~TviDev()
{
    ReleaseValue(m_pName);
    ReleaseValue(m_pType);
}

void TviDev::Init()
{
    AssignNameAndType();
    TviNodeSplit::Init();
}

void TviDev::AssignNameAndType()
{
    if (!m_pName)
        m_pName = HoldValue<values::Value<QString>>(GetNode(), g_vdDevName);
    if (!m_pType)
        m_pType = HoldValue<values::ValueSelection>(GetNode(), g_vdDevType);
}

QString TviDev::GetName()
{
    const QString sType = ReadText(GetNode(), g_vdDevType);
    const QString sName = ReadText(GetNode(), g_vdDevName);
    return (sName.isEmpty() ? "<" + tr("Name") + ">" : sName) + " [" +
           (sType.isEmpty() ? tr("Standard Device") : sType) + "]";
}

const char* const* TviDev::GetXpm()
{
    return DravinelIcons::Device();
}

const values::ValueDescriptor* TviDev::GetVdAttr() const
{
    return &g_vdNodeDevAttr;
}

void TviDev::Update(Observable* pObservable, TChangeCode code)
{
    if (!ReleaseIfDeleting(pObservable, code, m_pName))
        ReleaseIfDeleting(pObservable, code, m_pType);
    UpdateHeldValues(pObservable, code);
}
