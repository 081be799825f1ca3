#pragma once

#include "oskevo/imodified.h"

#include <QList>

// The host's modification observer: records every modified state an editor reports to it.
class ModifyRecorder : public values::IModifyObserver
{
public:
    void NotifyModified(bool bModified) override { m_listCalls.append(bModified); }
    bool WasToldModified() const { return m_listCalls.contains(true); }
    QList<bool> m_listCalls;
};
