#include "oskevo/mediatorctrl.h"

#include "oskevo/mediator.h"

namespace values
{

MediatorCtrl::~MediatorCtrl()
{
    DestructMediators();
}

Mediator* MediatorCtrl::CreateMediator(Observable* /*pObservable*/)
{
    return nullptr;
}

void MediatorCtrl::NotifyCreated(Mediator* pMediator)
{
    if (pMediator)
        m_mapMediators[pMediator->GetObservable()] = pMediator;
}

void MediatorCtrl::NotifyDeleted(Mediator* pMediator)
{
    if (!pMediator)
        return;
    // Tolerates mediators that are not (or no longer) registered.
    auto it = m_mapMediators.find(pMediator->GetObservable());
    if (it != m_mapMediators.end() && it->second == pMediator)
        m_mapMediators.erase(it);
}

Mediator* MediatorCtrl::GetMediator(Observable* pObservable) const
{
    auto it = m_mapMediators.find(pObservable);
    return it == m_mapMediators.end() ? nullptr : it->second;
}

void MediatorCtrl::Clear()
{
    // One at a time: a mediator's destructor may delete others, which then leave the
    // registry themselves.
    while (!m_mapMediators.empty())
    {
        auto it = m_mapMediators.begin();
        Mediator* pMediator = it->second;
        m_mapMediators.erase(it);
        delete pMediator;
    }
}

void MediatorCtrl::DestructMediators()
{
    m_bDestructing = true;
    Clear();
}

} // namespace values
