#pragma once

#include <unordered_map>

class Observable;

namespace values
{

class Mediator;

// Owns the mediators of one view, found by their model object in constant time.
class MediatorCtrl
{
public:
    MediatorCtrl() = default;
    MediatorCtrl(const MediatorCtrl&) = delete;
    MediatorCtrl& operator=(const MediatorCtrl&) = delete;
    // Deletes all mediators; IsDestructing() is true meanwhile.
    virtual ~MediatorCtrl();

    // The factory of the view's mediators; the default makes none.
    virtual Mediator* CreateMediator(Observable* pObservable);
    virtual void NotifyCreated(Mediator* pMediator);
    virtual void NotifyDeleted(Mediator* pMediator);

    Mediator* GetMediator(Observable* pObservable) const;
    int GetMediatorCount() const { return int(m_mapMediators.size()); }
    // Deletes all mediators.
    void Clear();
    bool IsDestructing() const { return m_bDestructing; }

protected:
    // Derived destructors call this first, so that mediators die while the derived
    // controller is still whole.
    void DestructMediators();

private:
    std::unordered_map<Observable*, Mediator*> m_mapMediators;
    bool m_bDestructing = false;
};

} // namespace values
