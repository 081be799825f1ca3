// How long a large job takes through the Vt document and file: 100 000 nodes with their
// values written to text, read back, written to a file and read from it. Each step should
// take seconds at most, not minutes.

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtfile.h"
#include "oskevo/vtfileversion.h"
#include "oskevo/vtxml.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

using namespace values;

namespace
{

const ValueDescriptor g_vdBenchFd = ValueDescriptor::NodeType("BenchFd", "/BenchFd");
const ValueDescriptor g_vdBenchStart = ValueDescriptor::Double("BenchFStart", "/BenchFStart", 0.0, "Hz");
const ValueDescriptor g_vdBenchName = ValueDescriptor::String("BenchName", "/BenchName");
const ValueDescriptor g_vdBenchSupp = ValueDescriptor::Bool("BenchFSupp", "/BenchFSupp", false);
const ValueDescriptor g_vdBenchDemod = ValueDescriptor::Selection(
    "BenchDemod", "/BenchDemod",
    {SelectionItem("AM", 0, 0), SelectionItem("FM", 1, 1), SelectionItem("USB", 2, 2)}, 0);

class BenchVersion : public VtFileVersion
{
public:
    QString GetVersion() const override { return QStringLiteral("0.0"); }
};

// nNodes nodes in all: frequency definitions of four values each, ten to a group.
Node* MakeJob(int nNodes)
{
    Node* pJob = new Node(QStringLiteral("Offline"));
    Node* pGroup = nullptr;
    for (int i = 0; i < nNodes; ++i)
    {
        if (i % 11 == 0)
        {
            pGroup = new Node(QStringLiteral("Fds%1").arg(i));
            pJob->AddItem(pGroup);
            continue;
        }
        Node* pFd = new Node(QStringLiteral("Fd%1").arg(i), &g_vdBenchFd);
        pFd->AddItem(new ValueDouble(QStringLiteral("FStart"), &g_vdBenchStart, 88e6 + i * 12.5e3));
        pFd->AddItem(
            new ValueString(QStringLiteral("Name"), &g_vdBenchName, QStringLiteral("Channel %1").arg(i)));
        pFd->AddItem(new ValueBool(QStringLiteral("FSupp"), &g_vdBenchSupp, i % 3 == 0));
        pFd->AddItem(new ValueSelection(QStringLiteral("Demod"), &g_vdBenchDemod,
                                        g_vdBenchDemod.SelectionItems(), i % 3));
        pGroup->AddItem(pFd);
    }
    return pJob;
}

struct Step
{
    const char* pszName;
    double dWall;
    double dCpu; // the process's own time: what counts on a machine shared with others
};

Step Measure(const char* pszName, const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    const std::clock_t nStart = std::clock();
    step();
    return {pszName, timer.nsecsElapsed() / 1e9, double(std::clock() - nStart) / CLOCKS_PER_SEC};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int nNodes = 100000;
    const double dTarget = 5.0;
    QTemporaryDir dir;
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    BenchVersion version;

    std::unique_ptr<Node> pJob(MakeJob(nNodes));
    QString sText;
    Node copy(QStringLiteral("Copy"));
    Node read(QStringLiteral("Read"));
    const Step aSteps[] = {
        Measure("VtXml::ToXml", [&] { sText = VtXml::ToXml(pJob.get()); }),
        Measure("VtXml::FromXml", [&] { VtXml::FromXml(&copy, sText); }),
        Measure("VtFile::Write", [&] { VtFile(sFileName, pJob.get(), &version).Write(); }),
        Measure("VtFile::Read", [&] { VtFile(sFileName, &read, &version).Read(); }),
    };

    std::printf("Vt documents and files, %d nodes (%d values), file of %.1f MB\n", nNodes, nNodes / 11 * 40,
                QFileInfo(sFileName).size() / 1e6);
    std::printf("%-16s %10s %10s %10s\n", "step", "wall s", "cpu s", "target s");
    for (const Step& step : aSteps)
        std::printf("%-16s %10.3f %10.3f %10.1f%s\n", step.pszName, step.dWall, step.dCpu, dTarget,
                    step.dCpu > dTarget ? "  TOO SLOW" : "");
    return 0;
}
