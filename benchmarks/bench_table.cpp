// How long the list editors' column sort takes on long lists: numeric and text columns of
// 10 000 to 40 000 rows, ascending and then descending. The sort collects its keys once,
// sorts them once and moves display positions with one swap each, so the time should grow
// about linearly with the rows (well under a second for 10 000 rows).

#include "dravinelcontrols/table.h"
#include "dravinelcontrols/tableitem.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"

#include "benchtiming.h"

#include <QApplication>
#include <QHeaderView>
#include <QRandomGenerator>
#include <cstdio>

namespace
{
const values::ValueDescriptor g_vdBenchCount =
    values::ValueDescriptor::Int("BenchTableCount", "/BenchTableCount", 0);
const values::ValueDescriptor g_vdBenchLabel =
    values::ValueDescriptor::String("BenchTableLabel", "/BenchTableLabel");

using BenchTiming::Milliseconds;

void Run(int nRows)
{
    values::Node* pNode = static_cast<values::Node*>(values::Tree::Instance()->GetRoot()->AddItem(
        new values::Node(QStringLiteral("BenchTable%1").arg(nRows))));
    Table table;
    table.setColumnCount(2);
    table.setRowCount(nRows);
    QRandomGenerator random(nRows);
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        auto* pCount = static_cast<values::ValueInt*>(pNode->AddItem(new values::ValueInt(
            QStringLiteral("c%1").arg(nRow), &g_vdBenchCount, int(random.bounded(1000000)))));
        auto* pLabel = static_cast<values::ValueString*>(pNode->AddItem(
            new values::ValueString(QStringLiteral("l%1").arg(nRow), &g_vdBenchLabel,
                                    QStringLiteral("Station %1").arg(random.bounded(1000000)))));
        auto* pCountItem = new TableItem(pCount, &table, QString());
        table.setItem(nRow, 0, pCountItem);
        pCountItem->Text(pCount);
        auto* pLabelItem = new TableItem(pLabel, &table, QString());
        table.setItem(nRow, 1, pLabelItem);
        pLabelItem->Text(pLabel);
    }
    table.resize(600, 400);
    table.show();
    QApplication::processEvents();

    const double dNumberUp = Milliseconds([&] { table.sortColumn(0, true, true); });
    const double dNumberDown = Milliseconds([&] { table.sortColumn(0, false, true); });
    const double dTextUp = Milliseconds([&] { table.sortColumn(1, true, true); });
    const double dTextDown = Milliseconds([&] { table.sortColumn(1, false, true); });
    std::printf("%8d | %11.1f | %13.1f | %9.1f | %11.1f\n", nRows, dNumberUp, dNumberDown, dTextUp,
                dTextDown);

    table.clear();
    pNode->GetParentNode()->DeleteItem(pNode);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::printf("Table::sortColumn, milliseconds\n");
    std::printf("    rows | numeric asc | numeric desc  | text asc  | text desc\n");
    for (int nRows : {10000, 20000, 40000})
        Run(nRows);
    return 0;
}
