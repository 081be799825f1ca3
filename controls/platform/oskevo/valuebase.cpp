#include "oskevo/valuebase.h"

namespace values
{

ValueBase::ValueBase(const QString& sName, const ValueDescriptor* pDescriptor) : TreeItem(sName, pDescriptor)
{
}

ValueBase::~ValueBase()
{
    BeginDestruction();
}

void ValueBase::SetState(int nState, IObserver* pOriginator)
{
    if (nState == m_nState)
        return;
    m_nState = nState;
    NotifyObservers(CC_STATE, pOriginator);
}

bool ValueBase::SetNumber(double /*dNumber*/, IObserver* /*pOriginator*/)
{
    SetLastError(QStringLiteral("%1 holds no number.").arg(GetName()));
    return false;
}

void ValueBase::AnnounceDeletion()
{
    if (m_bDying)
        return;
    m_bDying = true;
    m_nState = VS_DELETE;
    NotifyObservers(CC_STATE, nullptr);
}

} // namespace values
