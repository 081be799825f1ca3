#include "kvbase/observable.h"

#include <algorithm>

Observable::Observable() : m_spAlive(std::make_shared<bool>(true)) {}

Observable::~Observable()
{
    *m_spAlive = false;
}

void Observable::AddObserver(IObserver* pObserver)
{
    if (!pObserver || HasObserver(pObserver))
        return;
    m_vecObservers.push_back(pObserver);
}

void Observable::DeleteObserver(IObserver* pObserver)
{
    auto it = std::find(m_vecObservers.begin(), m_vecObservers.end(), pObserver);
    if (it == m_vecObservers.end())
        return;
    if (m_nNotifyDepth > 0)
        *it = nullptr; // keep indices of running loops valid
    else
        m_vecObservers.erase(it);
}

void Observable::DeleteObservers()
{
    if (m_nNotifyDepth > 0)
        std::fill(m_vecObservers.begin(), m_vecObservers.end(), nullptr);
    else
        m_vecObservers.clear();
}

void Observable::MakeFirstObserver(IObserver* pObserver)
{
    if (!pObserver)
        return;
    DeleteObserver(pObserver);
    m_vecObservers.insert(m_vecObservers.begin(), pObserver);
}

bool Observable::HasObserver(IObserver* pObserver) const
{
    return pObserver && std::find(m_vecObservers.begin(), m_vecObservers.end(), pObserver) != m_vecObservers.end();
}

int Observable::CountObservers() const
{
    return int(std::count_if(m_vecObservers.begin(), m_vecObservers.end(), [](IObserver* p) { return p != nullptr; }));
}

void Observable::NotifyObservers(TChangeCode code, IObserver* pOriginator)
{
    // Work on a snapshot so that insertions (MakeFirstObserver) cannot shift entries under
    // the loop; before each call check that the observer is still registered, since an
    // earlier observer may have removed or deleted it.
    std::shared_ptr<bool> spAlive = m_spAlive;
    const std::vector<IObserver*> vecSnapshot = m_vecObservers;
    ++m_nNotifyDepth;
    for (IObserver* pObserver : vecSnapshot)
    {
        if (!*spAlive)
            return; // we were deleted by an observer: touch nothing of ours
        if (!pObserver || pObserver == pOriginator || !HasObserver(pObserver))
            continue;
        pObserver->Update(this, code);
    }
    if (!*spAlive)
        return;
    if (--m_nNotifyDepth == 0)
        Compact();
}

void Observable::Compact()
{
    m_vecObservers.erase(std::remove(m_vecObservers.begin(), m_vecObservers.end(), nullptr), m_vecObservers.end());
}
