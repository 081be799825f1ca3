// A job of the job dialog manager for the job benchmarks: made on its own job node, filled with
// a list of frequency definitions 25 kHz apart.

#pragma once

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "oskevo/node.h"

class BenchJob : public JobDialogManager
{
public:
    explicit BenchJob(const QString& sBase)
        : JobDialogManager(nullptr, sBase + QStringLiteral("/JobRoot"), QStringLiteral("/Dev"),
                           DravinelDefinition::DEVICETYPE_DF_RECEIVER)
    {
    }
    ~BenchJob() override { Close(); }
    // nCount definitions; with nSuppressEvery, every such one of them a suppress range.
    void Fill(int nCount, int nSuppressEvery = 0)
    {
        New(88e6);
        for (int i = 1; i < nCount; ++i)
            InsertFd(88e6 + i * 25e3, 88e6 + i * 25e3 + 12.5e3, nSuppressEvery && i % nSuppressEvery == 0);
    }
    values::Node* Fds() const
    {
        values::Node* pDcd = GetOffline()->GetChildNode(&DravinelDefinition::g_vdNodeDcd);
        values::Node* pDcs = pDcd ? pDcd->GetChildNode(&DravinelDefinition::g_vdNodeDcs) : nullptr;
        return pDcs ? pDcs->GetChildNode(&DravinelDefinition::g_vdNodeFds) : nullptr;
    }
};
