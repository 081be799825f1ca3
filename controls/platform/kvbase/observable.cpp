#include "kvbase/observable.h"

#include <algorithm>

Observable::Observable() : m_spAlive(std::make_shared<bool>(true))
{
}

Observable::~Observable()
{
    *m_spAlive = false;
}

void Observable::AddObserver(IObserver* pObserver)
{
    if (!pObserver || HasObserver(pObserver))
        return;
    m_vecObservers.push_back({pObserver, m_nNextSerial++});
}

void Observable::DeleteObserver(IObserver* pObserver)
{
    if (!pObserver)
        return;
    auto it = std::find_if(m_vecObservers.begin(), m_vecObservers.end(),
                           [pObserver](const Entry& e) { return e.pObserver == pObserver; });
    if (it == m_vecObservers.end())
        return;
    if (m_nNotifyDepth > 0)
        it->pObserver = nullptr; // keep the entries of running loops in place
    else
        m_vecObservers.erase(it);
}

void Observable::DeleteObservers()
{
    if (m_nNotifyDepth > 0)
    {
        for (Entry& e : m_vecObservers)
            e.pObserver = nullptr;
    }
    else
        m_vecObservers.clear();
}

void Observable::MakeFirstObserver(IObserver* pObserver)
{
    if (!pObserver)
        return;
    // An observer that is already registered keeps its entry (and so its place in a running
    // notification); it only moves to the front.
    auto it = std::find_if(m_vecObservers.begin(), m_vecObservers.end(),
                           [pObserver](const Entry& e) { return e.pObserver == pObserver; });
    Entry entry{pObserver, m_nNextSerial++};
    if (it != m_vecObservers.end())
    {
        entry = *it;
        if (m_nNotifyDepth > 0)
            it->pObserver = nullptr;
        else
            m_vecObservers.erase(it);
    }
    m_vecObservers.insert(m_vecObservers.begin(), entry);
}

bool Observable::HasObserver(IObserver* pObserver) const
{
    return pObserver && std::any_of(m_vecObservers.begin(), m_vecObservers.end(),
                                    [pObserver](const Entry& e) { return e.pObserver == pObserver; });
}

bool Observable::HasEntry(const Entry& entry) const
{
    return std::any_of(m_vecObservers.begin(), m_vecObservers.end(),
                       [&entry](const Entry& e)
                       { return e.pObserver == entry.pObserver && e.nSerial == entry.nSerial; });
}

int Observable::CountObservers() const
{
    return int(std::count_if(m_vecObservers.begin(), m_vecObservers.end(),
                             [](const Entry& e) { return e.pObserver != nullptr; }));
}

void Observable::NotifyObservers(TChangeCode code, IObserver* pOriginator)
{
    // Work on a snapshot so that insertions (MakeFirstObserver) cannot shift entries under
    // the loop; before each call check that the entry is still registered, since an earlier
    // observer may have removed or deleted it. The serial number keeps an observer that was
    // removed and registered again (or a new one at a reused address) from being called
    // before the next notification.
    if (m_vecObservers.empty())
        return;
    const std::shared_ptr<bool> spAlive = m_spAlive;
    const std::vector<Entry> vecSnapshot = m_vecObservers;

    // Restores the depth and compacts even when an observer throws.
    struct DepthGuard
    {
        Observable* pThis;
        const std::shared_ptr<bool>& spAlive;
        ~DepthGuard()
        {
            if (*spAlive && --pThis->m_nNotifyDepth == 0)
                pThis->Compact();
        }
    } guard{this, spAlive};
    ++m_nNotifyDepth;

    for (const Entry& entry : vecSnapshot)
    {
        if (!*spAlive)
            return; // we were deleted by an observer: touch nothing of ours
        if (!entry.pObserver || entry.pObserver == pOriginator || !HasEntry(entry))
            continue;
        entry.pObserver->Update(this, code);
    }
}

void Observable::Compact()
{
    m_vecObservers.erase(std::remove_if(m_vecObservers.begin(), m_vecObservers.end(),
                                        [](const Entry& e) { return e.pObserver == nullptr; }),
                         m_vecObservers.end());
}
