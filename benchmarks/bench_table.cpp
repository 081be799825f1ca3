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

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QRandomGenerator>
#include <cstdio>

namespace
{
const values::ValueDescriptor g_vdBenchCount =
    values::ValueDescriptor::Int("BenchTableCount", "/BenchTableCount", 0);
const values::ValueDescriptor g_vdBenchLabel =
    values::ValueDescriptor::String("BenchTableLabel", "/BenchTableLabel");

// Milliseconds one call takes.
template <class F> qint64 Time(F f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.elapsed();
}

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

    const qint64 nNumberUp = Time([&] { table.sortColumn(0, true, true); });
    const qint64 nNumberDown = Time([&] { table.sortColumn(0, false, true); });
    const qint64 nTextUp = Time([&] { table.sortColumn(1, true, true); });
    const qint64 nTextDown = Time([&] { table.sortColumn(1, false, true); });
    std::printf("%8d | %11lld | %13lld | %9lld | %11lld\n", nRows, nNumberUp, nNumberDown, nTextUp,
                nTextDown);

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
