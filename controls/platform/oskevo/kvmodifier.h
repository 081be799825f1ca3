#pragma once

#include "oskevo/imodified.h"

namespace values
{

// An IModifier that keeps the flag and the observer to tell. SetbModified tells the
// observer every time, also when the flag does not change.
class KVModifier : public IModifier
{
public:
    bool IsModified() override { return m_bModified; }
    void SetbModified(bool bModified) override;
    void SetObserver(IModifyObserver* pObserver) override { m_pModifyObserver = pObserver; }
    IModifyObserver* GetModifyObserver() const { return m_pModifyObserver; }

protected:
    bool m_bModified = false;
    IModifyObserver* m_pModifyObserver = nullptr;
};

} // namespace values
