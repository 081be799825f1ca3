// The device tree against a plain QTreeWidget doing the same visible work in the same run:
// loading a tree of many devices (each with control sets and long frequency lists, whose
// definitions are rows of the frequency editor, not tree items), selecting a control set deep
// in it (the plain side shows a form of the same rows), and deleting a device with 10 000
// descendants. Targets: each case <= 3x plain Qt; the larger tree <= 12x the smaller one.

#include "dravinelcontrols/dravinelview.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "tolveth/treeviewbasectrl.h"

#include "benchtiming.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <memory>

using namespace DravinelDefinition;
using BenchTiming::Best;
using BenchTiming::Check;

namespace
{

void SetText(values::Node* pNode, const values::ValueDescriptor& descriptor, const QString& sText)
{
    if (auto* pValue = dynamic_cast<values::ValueBase*>(descriptor.CreateAt(pNode, nullptr)))
        pValue->SetAsString(sText);
}

// A device with nSets control sets of nFds frequency definitions each; answers its nodes.
int AddDevice(values::Node* pRoot, int nIndex, int nSets, int nFds)
{
    auto* pDev = dynamic_cast<values::Node*>(g_vdNodeDev.CreateItem(QStringLiteral("Dev_%1").arg(nIndex)));
    pRoot->AddItem(pDev);
    SetText(pDev, g_vdDevName, QStringLiteral("Station %1").arg(nIndex));
    SetText(pDev, g_vdDcdName, QStringLiteral("Watch %1").arg(nIndex));
    int nNodes = 4;
    values::Node* pDcd = pDev->GetChildNode(&g_vdNodeDcd);
    for (int nSet = 0; nSet < nSets; ++nSet)
    {
        auto* pDcs = dynamic_cast<values::Node*>(g_vdNodeDcs.CreateItem(QStringLiteral("Dcs_%1").arg(nSet)));
        pDcd->AddItem(pDcs);
        SetText(pDcs, g_vdDcsName, QStringLiteral("Set %1").arg(nSet));
        auto* pFds = dynamic_cast<values::Node*>(g_vdNodeFds.CreateItem());
        pDcs->AddItem(pFds);
        for (int nFd = 0; nFd < nFds; ++nFd)
        {
            auto* pFd = dynamic_cast<values::Node*>(g_vdNodeFd.CreateItem(QStringLiteral("Fd_%1").arg(nFd)));
            pFds->AddItem(pFd);
            SetText(pFd, g_vdFStart, QString::number(100e6 + nFd * 25e3));
        }
        nNodes += 3 + 2 * nFds;
    }
    return nNodes;
}

// The same visible items in a plain tree widget.
void CopyItems(const QTreeWidgetItem* pFrom, QTreeWidgetItem* pTo)
{
    for (int i = 0; i < pFrom->childCount(); ++i)
        CopyItems(pFrom->child(i), new QTreeWidgetItem(pTo, QStringList(pFrom->child(i)->text(0))));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    values::Node* pRoot = values::Tree::Instance()->GetRoot();
    pRoot->SetValueDescriptor(&g_vdNodeRoot);
    std::printf("%-14s %7s %11s %11s %8s\n", "case", "nodes", "ours ms", "Qt ms", "ratio");
    double adLoad[2] = {0, 0};
    int nCase = 0;
    for (int nDevices : {10, 100})
    {
        pRoot->DeleteChildren();
        int nNodes = 0;
        for (int nDev = 0; nDev < nDevices; ++nDev)
            nNodes += AddDevice(pRoot, nDev, 10, 48);
        DravinelView view;
        view.resize(900, 700);
        view.show();
        QTreeWidget plain;
        plain.show();
        const double dOurs = Best(
            3, [] {}, [&] { view.Init(pRoot); }, [&] { view.Unload(); });
        view.Init(pRoot);
        const double dPlain = Best(
            3, [] {},
            [&]
            {
                auto* pTop = new QTreeWidgetItem(QStringList(view.GetListView()->topLevelItem(0)->text(0)));
                CopyItems(view.GetListView()->topLevelItem(0), pTop);
                plain.addTopLevelItem(pTop);
                pTop->setExpanded(true);
            },
            [&] { plain.clear(); });
        Check("load", nNodes, dOurs, dPlain, 3.0, "<= 3x");
        adLoad[nCase++] = dOurs;

        // A control set deep in the tree: its item becomes current and shows its form.
        values::Node* pDeep = pRoot->GetNode(QStringLiteral("Dev_%1/Dcd/Dcs_9").arg(nDevices - 1));
        const double dSelect = Best(
            3, [&] { view.GetTreeViewCtrl()->SelectTreeItem(pRoot->GetNode("Dev_0")); },
            [&] { view.GetTreeViewCtrl()->SelectTreeItem(pDeep); }, [] {});
        auto* pTop = new QTreeWidgetItem(QStringList(view.GetListView()->topLevelItem(0)->text(0)));
        CopyItems(view.GetListView()->topLevelItem(0), pTop);
        plain.addTopLevelItem(pTop);
        QTreeWidgetItem* pPlainDeep = pTop->child(nDevices - 1)->child(0)->child(9);
        const int nRows = pDeep->GetChildNode(&g_vdNodeDcsAttr)->GetChildCount();
        std::unique_ptr<QWidget> pForm;
        const double dPlainSelect = Best(
            3,
            [&]
            {
                plain.setCurrentItem(pTop);
                pForm.reset();
            },
            [&]
            {
                plain.setCurrentItem(pPlainDeep);
                plain.scrollToItem(pPlainDeep);
                pForm = std::make_unique<QWidget>();
                auto* pLayout = new QFormLayout(pForm.get());
                for (int nRow = 0; nRow < nRows; ++nRow)
                    pLayout->addRow(new QLabel(QStringLiteral("Row %1").arg(nRow)),
                                    new QLineEdit(QStringLiteral("text")));
                pForm->show();
            },
            [] {});
        Check("select deep", nNodes, dSelect, dPlainSelect, 3.0, "<= 3x");
        pForm.reset();
        view.Unload();
    }
    Check("load growth", 10, adLoad[1], adLoad[0], 12.0, "100 devices <= 12x 10");

    // One device of 10 000 descendants among others, deleted from the shown tree.
    pRoot->DeleteChildren();
    for (int nDev = 0; nDev < 9; ++nDev)
        AddDevice(pRoot, nDev, 10, 48);
    const int nBig = AddDevice(pRoot, 9, 20, 248);
    DravinelView view;
    view.resize(900, 700);
    view.show();
    view.Init(pRoot);
    QTreeWidget plain;
    plain.show();
    const double dDelete = Best(
        3,
        [&]
        {
            if (!pRoot->GetNode("Dev_9"))
                AddDevice(pRoot, 9, 20, 248);
        },
        [&] { pRoot->DeleteItem(pRoot->GetNode("Dev_9")); }, [] {});
    AddDevice(pRoot, 9, 20, 248);
    QTreeWidgetItem* pPlainBig = nullptr;
    const double dPlainDelete = Best(
        3,
        [&]
        {
            plain.clear();
            auto* pTop = new QTreeWidgetItem(QStringList(view.GetListView()->topLevelItem(0)->text(0)));
            CopyItems(view.GetListView()->topLevelItem(0), pTop);
            plain.addTopLevelItem(pTop);
            pPlainBig = pTop->child(pTop->childCount() - 1);
        },
        [&] { delete pPlainBig; }, [] {});
    Check("delete device", nBig, dDelete, dPlainDelete, 3.0, "<= 3x");
    // The value tree's own share: the same deletion with no view on the tree. What the view
    // adds is the difference; the plain widget has no model to delete.
    view.Unload();
    const double dModel = Best(
        3,
        [&]
        {
            if (!pRoot->GetNode("Dev_9"))
                AddDevice(pRoot, 9, 20, 248);
        },
        [&] { pRoot->DeleteItem(pRoot->GetNode("Dev_9")); }, [] {});
    Check("  tree alone", nBig, dModel, dPlainDelete, 0.0, "no view");
    Check("  view's part", nBig, std::max(0.0, dDelete - dModel), dPlainDelete, 3.0, "<= 3x");
    pRoot->DeleteChildren();
    return 0;
}
