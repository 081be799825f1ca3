// How the split tree view scales with the size of the value tree: loading, one new node, a
// wide group deleted, and unloading. Doubling the nodes should about double each time;
// adding one node to a loaded tree must not depend on the size of the tree.

#include "oskevo/node.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/treeviewsplit.h"

#include "benchtiming.h"

#include <QApplication>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <memory>

namespace
{

using BenchTiming::Milliseconds;

// nGroups groups of nPerGroup nodes, each node with one child node.
void Fill(values::Node* pRoot, int nGroups, int nPerGroup)
{
    for (int g = 0; g < nGroups; ++g)
    {
        values::Node* pGroup = new values::Node(QStringLiteral("G%1").arg(g));
        for (int n = 0; n < nPerGroup; ++n)
        {
            values::Node* pNode = new values::Node(QStringLiteral("N%1").arg(n));
            pNode->AddItem(new values::Node(QStringLiteral("Attr")));
            pGroup->AddItem(pNode);
        }
        pRoot->AddItem(pGroup);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::printf("%10s %10s %12s %12s %14s %12s\n", "nodes", "load ms", "add one ms", "insert ms",
                "delete grp ms", "unload ms");
    for (int nPerGroup : {250, 500, 1000, 2000, 4000})
    {
        const int nGroups = 10;
        std::unique_ptr<values::Node> pRoot(new values::Node(QStringLiteral("Root")));
        Fill(pRoot.get(), nGroups, nPerGroup);
        TreeViewSplit view;
        view.resize(800, 600);
        view.show();
        const double dLoad = Milliseconds([&] { view.Init(pRoot.get()); });
        values::Node* pGroup = pRoot->GetChildNode(QStringLiteral("G5"));
        const double dAdd = Milliseconds([&] { pGroup->AddItem(new values::Node(QStringLiteral("New"))); });
        const double dInsert =
            Milliseconds([&] { pGroup->AddItem(new values::Node(QStringLiteral("First")), nullptr, 0); });
        const double dDelete = Milliseconds([&] { pRoot->DeleteItem(pGroup); });
        const double dUnload = Milliseconds([&] { view.Unload(); });
        std::printf("%10d %10.1f %12.3f %12.3f %14.1f %12.1f\n", nGroups * nPerGroup * 2, dLoad, dAdd,
                    dInsert, dDelete, dUnload);
        std::fflush(stdout);
    }
    return 0;
}
