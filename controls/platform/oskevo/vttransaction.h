#pragma once

class IObserver;

namespace values
{

class Node;

// Brackets a batch of changes. While any transaction is open, CC_CHILDREN notifications
// are collected, and each node that changed is told once when the outermost transaction
// closes (or never, if it was opened with bNotify false).
class VtTransaction
{
public:
    explicit VtTransaction(bool bNotify = true);
    ~VtTransaction();
    VtTransaction(const VtTransaction&) = delete;
    VtTransaction& operator=(const VtTransaction&) = delete;

    static bool IsOpen();

private:
    friend class Node;
    // Whether the CC_CHILDREN of pNode is taken (collected or dropped) by open transactions.
    static bool Record(Node* pNode, IObserver* pOriginator);
    // A node that is being deleted is never told.
    static void Forget(Node* pNode);
    static void Flush();

    bool m_bNotify;
};

} // namespace values
