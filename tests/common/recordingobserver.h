#pragma once

#include "kvbase/observable.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// An observer for tests: logs "<tag>:<code>" into a shared list for every notification and
// runs an optional reaction, which may register, unregister or delete things.
class RecordingObserver : public IObserver
{
public:
    typedef std::function<void(RecordingObserver* pSelf, Observable* pObservable, TChangeCode code)> Reaction;

    explicit RecordingObserver(const QString& sTag, QStringList* pLog = nullptr) : m_sTag(sTag), m_pLog(pLog)
    {
    }
    ~RecordingObserver() override
    {
        for (const auto& entry : m_vecObserved)
            if (*entry.second)
                entry.first->DeleteObserver(this);
    }

    void Update(Observable* pObservable, TChangeCode code) override
    {
        m_listCodes.append(code);
        if (m_pLog)
            m_pLog->append(QStringLiteral("%1:%2").arg(m_sTag).arg(code));
        if (Reaction reaction = m_reaction) // a copy: the reaction may delete this observer
            reaction(this, pObservable, code);
    }

    // Registers with pObservable and leaves it again when destroyed (if it still exists).
    void Observe(Observable* pObservable)
    {
        pObservable->AddObserver(this);
        m_vecObserved.emplace_back(pObservable, pObservable->GetAliveFlag());
    }
    void SetReaction(Reaction reaction) { m_reaction = std::move(reaction); }
    const QList<int>& Codes() const { return m_listCodes; }

private:
    QString m_sTag;
    QStringList* m_pLog;
    Reaction m_reaction;
    QList<int> m_listCodes;
    std::vector<std::pair<Observable*, std::shared_ptr<const bool>>> m_vecObserved;
};
