#include "oskevo/vttransaction.h"

#include "oskevo/node.h"

#include <QHash>
#include <utility>
#include <vector>

namespace values
{

namespace
{

struct TransactionState
{
    int nDepth = 0;
    int nSilentDepth = 0;
    bool bFlushing = false;
    // Changed nodes in the order of their first change, with the originator to skip (null
    // when changes came from different originators). Entries of deleted nodes become null.
    std::vector<std::pair<Node*, IObserver*>> vecPending;
    QHash<Node*, int> hashPendingIndex;
};

TransactionState& State()
{
    static TransactionState* s_pState = new TransactionState;
    return *s_pState;
}

} // namespace

VtTransaction::VtTransaction(bool bNotify) : m_bNotify(bNotify)
{
    TransactionState& state = State();
    ++state.nDepth;
    if (!m_bNotify)
        ++state.nSilentDepth;
}

VtTransaction::~VtTransaction()
{
    TransactionState& state = State();
    if (!m_bNotify)
        --state.nSilentDepth;
    if (--state.nDepth == 0 && !state.bFlushing)
        Flush();
}

bool VtTransaction::IsOpen()
{
    return State().nDepth > 0;
}

bool VtTransaction::Record(Node* pNode, IObserver* pOriginator)
{
    TransactionState& state = State();
    if (state.nDepth == 0)
        return false;
    if (state.nSilentDepth > 0)
        return true; // changes inside a silent transaction are told to nobody
    auto it = state.hashPendingIndex.find(pNode);
    if (it != state.hashPendingIndex.end())
    {
        auto& entry = state.vecPending[size_t(it.value())];
        if (entry.second != pOriginator)
            entry.second = nullptr;
        return true;
    }
    state.hashPendingIndex.insert(pNode, int(state.vecPending.size()));
    state.vecPending.emplace_back(pNode, pOriginator);
    return true;
}

void VtTransaction::Forget(Node* pNode)
{
    TransactionState& state = State();
    auto it = state.hashPendingIndex.find(pNode);
    if (it == state.hashPendingIndex.end())
        return;
    state.vecPending[size_t(it.value())].first = nullptr;
    state.hashPendingIndex.erase(it);
}

void VtTransaction::Flush()
{
    TransactionState& state = State();
    state.bFlushing = true;
    // By index: observers may record further changes (appended here and told in this same
    // pass) or delete pending nodes (whose entries become null).
    for (size_t i = 0; i < state.vecPending.size(); ++i)
    {
        const std::pair<Node*, IObserver*> entry = state.vecPending[i];
        if (!entry.first)
            continue;
        state.vecPending[i].first = nullptr;
        state.hashPendingIndex.remove(entry.first);
        entry.first->NotifyObservers(CC_CHILDREN, entry.second);
    }
    state.vecPending.clear();
    state.hashPendingIndex.clear();
    state.bFlushing = false;
}

} // namespace values
