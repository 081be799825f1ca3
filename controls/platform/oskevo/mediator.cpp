#include "oskevo/mediator.h"

#include "oskevo/mediatorctrl.h"

namespace values
{

Mediator::Mediator(MediatorCtrl* pCtrl, Observable* pObservable) : m_pCtrl(pCtrl), m_pObservable(pObservable)
{
    if (m_pCtrl)
        m_pCtrl->NotifyCreated(this);
}

Mediator::~Mediator()
{
    if (!m_pCtrl)
        return;
    // While the controller is being destroyed only its own registry is updated: a derived
    // controller's reaction (marking itself modified, telling its host) would reach parts
    // that may be gone already.
    if (m_pCtrl->IsDestructing())
        m_pCtrl->MediatorCtrl::NotifyDeleted(this);
    else
        m_pCtrl->NotifyDeleted(this);
}

} // namespace values
