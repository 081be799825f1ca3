#pragma once

#include <memory>
#include <vector>

class Observable;

// Change codes are plain integers; the ones the controls test are named in values.
typedef int TChangeCode;

// Receives synchronous change notifications from the Observables it is registered with.
class IObserver
{
public:
    virtual ~IObserver() = default;
    virtual void Update(Observable* pObservable, TChangeCode code) = 0;
};

// Subject of the observer pattern. Notification is re-entrant and robust: observers may
// register or unregister themselves or others, delete themselves, and even delete the
// notifying object while a notification is running. An observer added during a
// notification is first called at the next one. The observer named as originator of a
// change is not called back for it: it made the change and knows of it already.
class Observable
{
public:
    Observable();
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;
    virtual ~Observable();

    void AddObserver(IObserver* pObserver);
    void DeleteObserver(IObserver* pObserver);
    void DeleteObservers();
    void MakeFirstObserver(IObserver* pObserver);
    bool HasObserver(IObserver* pObserver) const;
    int CountObservers() const;

    virtual void NotifyObservers(TChangeCode code, IObserver* pOriginator = nullptr);

    // Stays true until this object's destructor has run to its end; lets code that calls
    // out (notifications) notice afterwards that the object was deleted meanwhile.
    std::shared_ptr<const bool> GetAliveFlag() const { return m_spAlive; }

private:
    struct Entry
    {
        IObserver* pObserver;
        unsigned long long nSerial; // tells a re-registered observer from the old entry
    };
    void Compact();
    bool HasEntry(const Entry& entry) const;

    std::vector<Entry> m_vecObservers; // removed entries become null while notifying
    unsigned long long m_nNextSerial = 0;
    int m_nNotifyDepth = 0;
    std::shared_ptr<bool> m_spAlive; // lets a running notification notice our destruction
};
