#pragma once

class Observable;

namespace values
{

class MediatorCtrl;

// Binds one model object to one view object. A mediator enters itself in its
// controller's registry when made and leaves it when destroyed.
class Mediator
{
public:
    Mediator(MediatorCtrl* pCtrl, Observable* pObservable);
    virtual ~Mediator();

    Observable* GetObservable() const { return m_pObservable; }
    MediatorCtrl* GetMediatorCtrl() const { return m_pCtrl; }

private:
    MediatorCtrl* m_pCtrl;
    Observable* m_pObservable;
};

} // namespace values
