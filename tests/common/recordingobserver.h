#pragma once

#include "kvbase/observable.h"

#include <QString>
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

    void Update(Observable* pObservable, TChangeCode code) override
    {
        ++m_nCalls;
        m_nLastCode = code;
        m_pLast = pObservable;
        m_listCodes.append(code);
        if (m_pLog)
            m_pLog->append(QStringLiteral("%1:%2").arg(m_sTag).arg(code));
        // A copy: the reaction may delete this observer, and with it the member.
        if (Reaction reaction = m_reaction)
            reaction(this, pObservable, code);
    }

    ~RecordingObserver() override
    {
        for (const auto& entry : m_vecObserved)
        {
            if (*entry.second)
                entry.first->DeleteObserver(this);
        }
    }

    // Registers with pObservable and leaves it again when destroyed (if it still exists).
    void Observe(Observable* pObservable)
    {
        pObservable->AddObserver(this);
        m_vecObserved.emplace_back(pObservable, pObservable->GetAliveFlag());
    }

    void SetReaction(Reaction reaction) { m_reaction = std::move(reaction); }
    const QString& Tag() const { return m_sTag; }
    int Calls() const { return m_nCalls; }
    int LastCode() const { return m_nLastCode; }
    Observable* Last() const { return m_pLast; }
    const QList<int>& Codes() const { return m_listCodes; }
    int CountOf(int code) const { return m_listCodes.count(code); }
    void Reset()
    {
        m_nCalls = 0;
        m_nLastCode = -1;
        m_pLast = nullptr;
        m_listCodes.clear();
    }

private:
    QString m_sTag;
    QStringList* m_pLog;
    Reaction m_reaction;
    int m_nCalls = 0;
    int m_nLastCode = -1;
    Observable* m_pLast = nullptr;
    QList<int> m_listCodes;
    std::vector<std::pair<Observable*, std::shared_ptr<const bool>>> m_vecObserved;
};
