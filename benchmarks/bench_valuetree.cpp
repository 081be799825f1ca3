// How the value tree scales with wide nodes: the views build tables of tens of thousands of
// rows on it and look every row's values up by path. Each step over 100 000 children must
// stay roughly linear: doubling the count should about double the time, and no step
// should take more than a fraction of a second.

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/vttransaction.h"

#include "kvbase/observable.h"

#include "benchtiming.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace values;

namespace
{

const ValueDescriptor g_vdBenchRow = ValueDescriptor::NodeType("BenchTreeRow", "/Row");
const ValueDescriptor g_vdBenchStart =
    ValueDescriptor::Double("BenchTreeStart", "/Attr/Start", 100e6, "Hz", 1.0, 2, 0.0, 6e9);

class CountingObserver : public IObserver
{
public:
    void Update(Observable*, TChangeCode) override { ++m_nCalls; }
    long m_nCalls = 0;
};

// nRows rows, each a node with an attribute node holding one value.
std::unique_ptr<Node> MakeRows(int nRows, bool bUnique)
{
    std::unique_ptr<Node> pParent(new Node(QStringLiteral("Fds")));
    for (int i = 0; i < nRows; ++i)
    {
        Node* pRow = new Node(bUnique ? QStringLiteral("Fd") : QStringLiteral("Fd%1").arg(i), &g_vdBenchRow);
        g_vdBenchStart.CreateAt(pRow, nullptr);
        if (bUnique)
            pParent->AddItemUnique(pRow);
        else
            pParent->AddItem(pRow);
    }
    return pParent;
}

using BenchTiming::Milliseconds;
using BenchTiming::Row;

void Run(int nRows)
{
    std::unique_ptr<Node> pParent;
    Row("append rows (AddItem)", nRows, Milliseconds([&] { pParent = MakeRows(nRows, false); }));
    std::unique_ptr<Node> pUnique;
    Row("append rows of one name (AddItemUnique)", nRows,
        Milliseconds([&] { pUnique = MakeRows(nRows, true); }));

    long nFound = 0;
    Row("child by name", nRows,
        Milliseconds(
            [&]
            {
                for (int i = 0; i < nRows; ++i)
                    nFound += pParent->GetChildNode(QStringLiteral("Fd%1").arg(i)) != nullptr;
            }));
    Row("value by path (row path + descriptor path)", nRows,
        Milliseconds(
            [&]
            {
                for (int i = 0; i < nRows; i += 1)
                {
                    const QString sPath = QStringLiteral("Fd%1").arg(i) + g_vdBenchStart.PathName();
                    nFound += pParent->GetValue(sPath) != nullptr;
                }
            }));
    Row("index of each row", nRows,
        Milliseconds(
            [&]
            {
                for (TreeItem* pItem : pParent->GetTreeItems())
                    nFound += pParent->IndexOf(pItem) >= 0;
            }));

    CountingObserver observer;
    pParent->AddObserver(&observer);
    Row("add rows in one transaction", nRows / 10,
        Milliseconds(
            [&]
            {
                VtTransaction transaction;
                for (int i = 0; i < nRows / 10; ++i)
                    pParent->AddItemUnique(new Node(QStringLiteral("Extra")));
            }));
    Row("delete rows one by one from the end", nRows / 10,
        Milliseconds(
            [&]
            {
                for (int i = 0; i < nRows / 10; ++i)
                    pParent->DeleteItem(pParent->GetTreeItems().back());
            }));
    pParent->DeleteObserver(&observer);
    Row("delete all rows (DeleteChildren)", nRows, Milliseconds([&] { pParent->DeleteChildren(); }));
    Row("delete a wide node", nRows, Milliseconds([&] { pUnique.reset(); }));
    if (nFound != 3L * nRows)
        std::printf("unexpected: %ld rows found of %d\n", nFound, 3 * nRows);
}

} // namespace

int main(int argc, char** argv)
{
    // A count given on the command line runs that size alone (for profiling).
    std::vector<int> vecCounts{50000, 100000};
    if (argc > 1)
        vecCounts = {std::atoi(argv[1])};
    for (int nRows : vecCounts)
    {
        std::printf("\nvalue tree, %d rows\n", nRows);
        Run(nRows);
    }
    return 0;
}
