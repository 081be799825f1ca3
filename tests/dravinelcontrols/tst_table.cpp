#include "common/datarow.h"
#include "dravinelcontrols/table.h"
#include "dravinelcontrols/tableitem.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

namespace
{
enum Kind
{
    KIND_INT,
    KIND_TEXT,
    KIND_SELECTION,
    KIND_FREQUENCY,
};

const values::ValueDescriptor& Descriptor(int nKind)
{
    static const values::ValueDescriptor s_vdInt =
        values::ValueDescriptor::Int("TstTableInt", "/TstTableInt", 0, "", -1000000, 1000000);
    static const values::ValueDescriptor s_vdText =
        values::ValueDescriptor::String("TstTableText", "/TstTableText");
    static const values::ValueDescriptor s_vdSelection = values::ValueDescriptor::Selection(
        "TstTableSel", "/TstTableSel",
        {values::SelectionItem("USB", 3, 3), values::SelectionItem("AM", 1, 1),
         values::SelectionItem("FM", 2, 2)},
        1);
    static const values::ValueDescriptor s_vdFrequency =
        values::ValueDescriptor::Double("TstTableFreq", "/TstTableFreq", 0.0, "Hz");
    const values::ValueDescriptor* apAll[] = {&s_vdInt, &s_vdText, &s_vdSelection, &s_vdFrequency};
    return *apAll[nKind];
}

// A table whose column 0 holds cells of one kind with given texts and whose column 1 names
// each row's model row ("r0", "r1", ...). The values live below a node of their own.
class Grid
{
public:
    Grid(int nKind, const QStringList& listTexts, int nColumns = 2) : m_table(nullptr, "grid")
    {
        static int s_nCounter = 0;
        m_pNode = static_cast<values::Node*>(values::Tree::Instance()->GetRoot()->AddItem(
            new values::Node(QStringLiteral("TableGrid%1").arg(++s_nCounter))));
        m_table.setColumnCount(nColumns);
        m_table.setRowCount(listTexts.size());
        for (int nRow = 0; nRow < listTexts.size(); ++nRow)
        {
            if (!listTexts.at(nRow).isNull())
                Put(nRow, 0, nKind, listTexts.at(nRow));
            Put(nRow, 1, KIND_TEXT, QStringLiteral("r%1").arg(nRow));
        }
    }
    ~Grid()
    {
        m_table.clear(); // the cells let go of their values first
        m_pNode->GetParentNode()->DeleteItem(m_pNode);
    }

    // A cell bound to a new value; the text is the value's where the value can hold it, else
    // put in directly (as any text a cell may show).
    TableItem* Put(int nRow, int nCol, int nKind, const QString& sText)
    {
        auto* pValue = static_cast<values::ValueBase*>(
            m_pNode->AddItem(Descriptor(nKind).CreateItem(QStringLiteral("v%1_%2").arg(nRow).arg(nCol))));
        auto* pItem = new TableItem(pValue, &m_table, QString());
        m_table.setItem(nRow, nCol, pItem);
        if (nKind == KIND_TEXT || nKind == KIND_SELECTION)
            pValue->SetAsString(sText);
        pItem->Text(pValue);
        if (nKind == KIND_INT)
            pItem->setText(sText);
        return pItem;
    }

    // Texts of a column from the top of the display down.
    QStringList Shown(int nCol = 0) const
    {
        QStringList listTexts;
        for (int nVisual = 0; nVisual < m_table.rowCount(); ++nVisual)
        {
            QTableWidgetItem* pItem = m_table.item(m_table.verticalHeader()->logicalIndex(nVisual), nCol);
            listTexts << (pItem ? pItem->text() : QString());
        }
        return listTexts;
    }

    Table m_table;
    values::Node* m_pNode;
};

QStringList Reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}
} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    // Numbers sort by their key (text that is no number counts 0), texts and selections in
    // locale-aware order; descending is the exact reverse of ascending for distinct keys.
    void sort_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("ascending");
        Row("numeric, no number counts 0", int(KIND_INT), QStringList{"10", "9", "x"},
            QStringList{"x", "9", "10"});
        Row("text", int(KIND_TEXT), QStringList{"10", "9", "x"}, QStringList{"10", "9", "x"});
        Row("words", int(KIND_TEXT), QStringList{"delta", "bravo", "alpha", "charlie"},
            QStringList{"alpha", "bravo", "charlie", "delta"});
        Row("selection by text", int(KIND_SELECTION), QStringList{"USB", "AM", "FM"},
            QStringList{"AM", "FM", "USB"});
        Row("negative and fractions", int(KIND_INT), QStringList{"-1.5", "2", "-10", "0.25", "1e3"},
            QStringList{"-10", "-1.5", "0.25", "2", "1e3"});
        Row("already sorted", int(KIND_INT), QStringList{"1", "2", "3", "4"},
            QStringList{"1", "2", "3", "4"});
        Row("one row", int(KIND_INT), QStringList{"7"}, QStringList{"7"});
    }
    void sort()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, ascending);
        Grid grid(kind, texts);
        grid.m_table.item(0, 1)->setSelected(true);

        grid.m_table.sortColumn(0, true, false);
        QCOMPARE(grid.Shown(), ascending);
        QVERIFY(grid.m_table.selectedItems().isEmpty());
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

        grid.m_table.sortColumn(0, false, true);
        QCOMPARE(grid.Shown(), Reversed(ascending));
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

        // Only the display moved: every item still sits in its model row.
        for (int nRow = 0; nRow < texts.size(); ++nRow)
        {
            QCOMPARE(grid.m_table.item(nRow, 0)->text(), texts.at(nRow));
            QCOMPARE(grid.m_table.item(nRow, 1)->text(), QStringLiteral("r%1").arg(nRow));
        }
    }

    // Large distinct lists: descending after ascending is the exact reverse, and whole rows move.
    void sortManyRowsBothWays()
    {
        QStringList listTexts;
        for (int n = 0; n < 300; ++n) // distinct, in no order: 7919 and 100003 are primes
            listTexts << QString::number((n * 7919) % 100003);
        Grid grid(KIND_INT, listTexts);
        grid.m_table.sortColumn(0, true, true);
        const QStringList listAscending = grid.Shown();
        for (int i = 1; i < listAscending.size(); ++i)
            QVERIFY(listAscending.at(i - 1).toInt() < listAscending.at(i).toInt());
        const QStringList listRows = grid.Shown(1);
        for (int i = 0; i < listRows.size(); ++i)
            QCOMPARE(listTexts.at(listRows.at(i).mid(1).toInt()), listAscending.at(i));
        grid.m_table.sortColumn(0, false, true);
        QCOMPARE(grid.Shown(), Reversed(listAscending));
        QCOMPARE(grid.Shown(1), Reversed(listRows));
    }

    // Megahertz texts carry a unit after the number: every key is 0, the order among them is not
    // defined, but no row is lost or doubled and the indicator is set.
    void sortWithUnitTextsKeepsAllRows()
    {
        Grid grid(KIND_FREQUENCY, {"", "", ""});
        auto* pValue0 =
            static_cast<values::ValueDouble*>(static_cast<TableItem*>(grid.m_table.item(0, 0))->GetValue());
        pValue0->SetValue(5e6);
        grid.m_table.sortColumn(0, true, true);
        QStringList listRows = grid.Shown(1);
        listRows.sort();
        QCOMPARE(listRows, (QStringList{"r0", "r1", "r2"}));
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorSection(), 0);
    }

    // Rows without a cell in the sorted column go below the sorted ones.
    void rowsWithoutCellFollow_data()
    {
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("shown");
        Row("ascending", true, QStringList{"1", "5", "8", ""});
        Row("descending", false, QStringList{"8", "5", "1", ""});
    }
    void rowsWithoutCellFollow()
    {
        QFETCH(bool, ascending);
        QFETCH(QStringList, shown);
        Grid grid(KIND_INT, {"8", QString(), "1", "5"});
        grid.m_table.sortColumn(0, ascending, true);
        QCOMPARE(grid.Shown(), shown);
        QCOMPARE(grid.Shown(1).last(), QStringLiteral("r1"));
    }

    // A column without any cell changes nothing: display, selection and indicator stay.
    void sortEmptyColumnChangesNothing_data()
    {
        QTest::addColumn<int>("column");
        Row("column without cells", 2);
        Row("column out of range", 9);
        Row("negative column", -1);
    }
    void sortEmptyColumnChangesNothing()
    {
        QFETCH(int, column);
        Grid grid(KIND_INT, {"3", "1", "2"}, 3);
        grid.m_table.swapRows(0, 2);
        grid.m_table.horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
        grid.m_table.item(1, 1)->setSelected(true);
        const QStringList listBefore = grid.Shown();
        grid.m_table.sortColumn(column, true, true);
        QCOMPARE(grid.Shown(), listBefore);
        QCOMPARE(grid.m_table.selectedItems().size(), 1);
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(grid.m_table.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    // After a sort the operator clicks the top row: the row operations speak of its model row.
    void modelRowsSurviveSort()
    {
        Grid grid(KIND_INT, {"1", "2", "3"});
        grid.m_table.resize(300, 200);
        grid.m_table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid.m_table));
        grid.m_table.sortColumn(0, false, true); // shows 3, 2, 1

        QTableWidgetItem* pTop = grid.m_table.item(grid.m_table.verticalHeader()->logicalIndex(0), 0);
        QTest::mouseClick(grid.m_table.viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid.m_table.visualItemRect(pTop).center());
        QCOMPARE(grid.m_table.GetSelectedRows(), (std::list<int>{2}));

        grid.m_table.clearSelection();
        grid.m_table.SelectRow(0, true); // the row that was first, now shown last
        QCOMPARE(grid.m_table.GetSelectedRows(), (std::list<int>{0}));
        for (QTableWidgetItem* pItem : grid.m_table.selectedItems())
            QCOMPARE(grid.m_table.verticalHeader()->visualIndex(pItem->row()), 2);
        QCOMPARE(grid.m_table.selectedItems().size(), 2);
    }

    // Cells picked with Ctrl+click: each model row once, ascending.
    void selectedRows_data()
    {
        QTest::addColumn<QList<QPoint>>("cells"); // (row, column)
        QTest::addColumn<QList<int>>("rows");
        Row("nothing", QList<QPoint>{}, QList<int>{});
        Row("three cells of one row", QList<QPoint>{{1, 0}, {1, 1}, {1, 2}}, QList<int>{1});
        Row("rows out of order", QList<QPoint>{{3, 2}, {0, 0}, {2, 1}}, QList<int>{0, 2, 3});
    }
    void selectedRows()
    {
        QFETCH(QList<QPoint>, cells);
        QFETCH(QList<int>, rows);
        Grid grid(KIND_INT, {"1", "2", "3", "4"}, 3);
        for (int nRow = 0; nRow < 4; ++nRow)
            grid.Put(nRow, 2, KIND_INT, QString::number(nRow));
        grid.m_table.resize(400, 300);
        grid.m_table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid.m_table));
        for (const QPoint& cell : cells)
        {
            QTest::mouseClick(grid.m_table.viewport(), Qt::LeftButton, Qt::ControlModifier,
                              grid.m_table.visualItemRect(grid.m_table.item(cell.x(), cell.y())).center());
        }
        const std::list<int> listRows = grid.m_table.GetSelectedRows();
        QCOMPARE(QList<int>(listRows.begin(), listRows.end()), rows);
    }

    // SelectRow works on the cells of one row, skips empty cells and touches nothing else.
    void selectRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("cells");
        Row("negative row", -1, true, QList<int>{2}, 2);
        Row("past the last row", 4, true, QList<int>{2}, 2);
        Row("row with an empty cell", 1, true, QList<int>{1, 2}, 3);
        Row("deselect another row", 0, false, QList<int>{2}, 2);
        Row("deselect the selected row", 2, false, QList<int>{}, 0);
    }
    void selectRow()
    {
        QFETCH(int, row);
        QFETCH(bool, select);
        QFETCH(QList<int>, rows);
        QFETCH(int, cells);
        Grid grid(KIND_INT, {"1", QString(), "3", "4"});
        grid.m_table.SelectRow(2, true);
        grid.m_table.SelectRow(row, select);
        const std::list<int> listRows = grid.m_table.GetSelectedRows();
        QCOMPARE(QList<int>(listRows.begin(), listRows.end()), rows);
        QCOMPARE(grid.m_table.selectedItems().size(), cells);
    }

    // swapRows and swapCells move display positions only, and only for numbers in range.
    void swaps_data()
    {
        QTest::addColumn<QList<int>>("args"); // two numbers for swapRows, four for swapCells
        QTest::addColumn<QStringList>("shown");
        const QStringList listSame{"a", "b", "c"};
        Row("rows", QList<int>{0, 2}, QStringList{"c", "b", "a"});
        Row("row -1", QList<int>{-1, 1}, listSame);
        Row("row = count", QList<int>{0, 3}, listSame);
        Row("same row", QList<int>{1, 1}, listSame);
        Row("cells", QList<int>{0, 0, 1, 1}, QStringList{"b", "a", "c"});
        Row("cells, column = count", QList<int>{0, 2, 1, 0}, listSame);
        Row("cells, column -1", QList<int>{0, 0, 1, -1}, listSame);
        Row("cells, row out of range", QList<int>{0, 0, 3, 0}, listSame);
    }
    void swaps()
    {
        QFETCH(QList<int>, args);
        QFETCH(QStringList, shown);
        Grid grid(KIND_TEXT, {"a", "b", "c"});
        if (args.size() == 2)
            grid.m_table.swapRows(args.at(0), args.at(1));
        else
            grid.m_table.swapCells(args.at(0), args.at(1), args.at(2), args.at(3));
        QCOMPARE(grid.Shown(), shown);
        QCOMPARE(grid.m_table.item(0, 0)->text(), QStringLiteral("a"));
    }

    // The available width is split evenly; the last column takes the remainder. Widths the
    // operator set are overwritten at the next resize.
    void widths_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("widths");
        Row("3 into 301", 3, 301, QList<int>{100, 100, 101});
        Row("3 into 300", 3, 300, QList<int>{100, 100, 100});
        Row("1 into 250", 1, 250, QList<int>{250});
        Row("4 into 163", 4, 163, QList<int>{40, 40, 40, 43});
        Row("2 into 101", 2, 101, QList<int>{50, 51});
        Row("no columns", 0, 200, QList<int>{});
    }
    void widths()
    {
        QFETCH(int, columns);
        QFETCH(int, available);
        QFETCH(QList<int>, widths);
        Table table;
        table.setColumnCount(columns);
        table.setRowCount(3);
        table.resize(500, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        if (columns > 0)
            table.setColumnWidth(0, 5); // as if dragged by the operator
        const int nChrome = table.verticalHeader()->width() + 2 * table.frameWidth();
        table.resize(available + nChrome, 200);
        QTRY_COMPARE(table.width(), available + nChrome);
        QList<int> listWidths;
        for (int nCol = 0; nCol < columns; ++nCol)
            listWidths << table.columnWidth(nCol);
        QCOMPARE(listWidths, widths);
    }

    // Focus moving into a widget placed in a cell must not move the current cell.
    void cellWidgetFocusKeepsCurrentCell()
    {
        Grid grid(KIND_INT, {"1", "2", "3"});
        QLineEdit* pEdit = new QLineEdit;
        grid.m_table.setCellWidget(2, 1, pEdit);
        grid.m_table.resize(300, 200);
        grid.m_table.show();
        QVERIFY(QTest::qWaitForWindowActive(&grid.m_table));
        grid.m_table.setCurrentCell(0, 0);
        QTest::mouseClick(pEdit, Qt::LeftButton);
        QTRY_VERIFY(pEdit->hasFocus());
        QCOMPARE(grid.m_table.currentRow(), 0);
        QCOMPARE(grid.m_table.currentColumn(), 0);
    }
};

QTEST_MAIN(TestTable)
#include "tst_table.moc"
