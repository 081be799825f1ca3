#pragma once

namespace values
{

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
    bool m_bNotify;
};

} // namespace values
