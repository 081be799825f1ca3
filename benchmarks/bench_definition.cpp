// How the device definition scales with long frequency lists: a paste from the frequency store
// creates thousands of definitions one by one through the rules, and the job's repair pass
// (IDeviceDefinition::Prepare) walks them all before and after. Each step must stay roughly
// linear: doubling the count should about double the time.

#include "dravineldefinition/controldata.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"

#include "benchtiming.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace DravinelDefinition;

namespace
{

using BenchTiming::Milliseconds;
using BenchTiming::Row;

void Run(int nCount)
{
    std::unique_ptr<values::Node> pRoot(new values::Node(QStringLiteral("Root")));
    values::Node* pDev = SampleData::Fill(pRoot.get()).at(0);
    values::Node* pDcd = pDev->GetChildNode(&g_vdNodeDcd);
    values::Node* pFds = pDcd->GetNode(QStringLiteral("Dcs/Fds"));
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(2);
    values::IDynamicRules* pRules = pDefinition->GetRulesMap().Find(&g_vdNodeFds);

    long nMade = 0;
    Row("create definitions through the rules", nCount,
        Milliseconds(
            [&]
            {
                for (int i = 0; i < nCount; ++i)
                    nMade += pRules->CreateChild(pFds, &g_vdNodeFd, nullptr) != nullptr;
            }));
    std::unique_ptr<ControlData> pJob(pDefinition->CreateControlData(pDcd));
    pDefinition->SetControlData(pJob.get());
    Row("repair pass over a complete job", nCount, Milliseconds([&] { pDefinition->Prepare(false); }));
    for (values::TreeItem* pItem : pFds->GetTreeItems())
        delete pItem->AsNode()->GetChildNode(&g_vdNodeFdAttr);
    Row("repair pass restoring every attribute child", nCount,
        Milliseconds([&] { pDefinition->Prepare(false); }));
    if (nMade != nCount)
        std::printf("unexpected: %ld definitions made of %d\n", nMade, nCount);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> vecCounts{10000, 20000};
    if (argc > 1)
        vecCounts = {std::atoi(argv[1])};
    for (int nCount : vecCounts)
    {
        std::printf("\ndevice definition, %d frequency definitions\n", nCount);
        Run(nCount);
    }
    return 0;
}
