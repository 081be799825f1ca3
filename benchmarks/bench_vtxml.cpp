// How long a large job takes through the Vt document and file: 100 000 nodes with their
// values written to text, read back, written to a file and read from it, each beside a bare
// QXmlStreamWriter or QXmlStreamReader pass over the same document in the same run. Target:
// the file write and read within 2x the bare pass.

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtfile.h"
#include "oskevo/vtfileversion.h"
#include "oskevo/vtxml.h"

#include "benchbarexml.h"
#include "benchtiming.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>
#include <memory>
#include <vector>

using namespace values;
using namespace BenchBareXml;

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int nNodes = 100000;
    const int nRuns = 3;
    const double dTarget = 2.0;
    QTemporaryDir dir;
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    const QString sBareName = dir.filePath(QStringLiteral("bare.xml"));
    BenchVersion version;

    std::unique_ptr<Node> pJob(MakeJob(nNodes));
    QString sText;
    const double dToXml = BenchTiming::Best(
        nRuns, [] {}, [&] { sText = VtXml::ToXml(pJob.get()); }, [] {});
    const double dFromXml = BenchTiming::Best(
        nRuns, [] {},
        [&]
        {
            Node copy(QStringLiteral("Copy"));
            VtXml::FromXml(&copy, sText);
        },
        [] {});
    const double dWrite = BenchTiming::Best(
        nRuns, [] {}, [&] { VtFile(sFileName, pJob.get(), &version).Write(); }, [] {});
    const double dRead = BenchTiming::Best(
        nRuns, [] {},
        [&]
        {
            Node read(QStringLiteral("Read"));
            VtFile(sFileName, &read, &version).Read();
        },
        [] {});
    QFile file(sFileName);
    file.open(QIODevice::ReadOnly);
    const std::vector<Element> vecElements = Elements(QString::fromUtf8(file.readAll()));
    long nKept = 0;
    const double dWriteBare = BenchTiming::Best(
        nRuns, [] {}, [&] { WriteBare(vecElements, sBareName); }, [] {});
    const double dReadBare = BenchTiming::Best(
        nRuns, [] {}, [&] { nKept = ReadBare(sFileName); }, [] {});

    std::printf(
        "Vt documents and files, %d nodes (%d values), file of %.1f MB, %ld elements; ms, best of %d\n",
        nNodes, nNodes / 11 * 40, QFileInfo(sFileName).size() / 1e6, nKept, nRuns);
    std::printf("%-14s %7s %11s %11s %8s\n", "step", "N", "ours", "bare Qt", "ratio");
    BenchTiming::Check("VtXml::ToXml", nNodes, dToXml, dWriteBare, 0.0,
                       "text in memory; against the bare file write");
    BenchTiming::Check("VtXml::FromXml", nNodes, dFromXml, dReadBare, 0.0,
                       "from text; against the bare file read");
    const bool bWrite =
        BenchTiming::Check("VtFile::Write", nNodes, dWrite, dWriteBare, dTarget, "<= 2x QXmlStreamWriter");
    const bool bRead =
        BenchTiming::Check("VtFile::Read", nNodes, dRead, dReadBare, dTarget, "<= 2x QXmlStreamReader");
    std::printf("%s\n", bWrite && bRead ? "all targets met" : "some targets MISSED");
    return 0;
}
