// The frequency view's commands as the operator gives them: the context menu and its states,
// the shortcuts, whole-row selection by clicking, delete (also while sorted), keep order,
// the header-click sort with rows added afterwards, and the development assertions.

#include "common/datarow.h"
#include "tst_frequencyfixture.h"

#include "dravinelcontrols/frequencyviewitem.h"
#include "oskevo/value.h"

#include <QClipboard>
#include <QGuiApplication>
#include <set>

using namespace FrequencyTest;

namespace
{
const QStringList s_listMenu{
    "New Frequency", "Insert Frequency", "&Delete Frequency", "Keep Order", QString(), "Cut", "Copy",
    "Paste"};

std::set<int> SelectedRows(QTableWidget* pTable)
{
    std::set<int> setRows;
    for (QTableWidgetItem* pCell : pTable->selectedItems())
        setRows.insert(pCell->row());
    return setRows;
}

// Ten definitions "D0" .. "D9" at 100 MHz + n MHz.
void AddTen(FdsNode& fds)
{
    for (int n = 0; n < 10; ++n)
        fds.Add(100e6 + n * 1e6, 100e6 + n * 1e6, QStringLiteral("D%1").arg(n));
}
} // namespace

class TstFrequencyViewCtrl : public QObject
{
    Q_OBJECT

private slots:
    void contextMenuStates_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("rowEntries");
        QTest::addColumn<bool>("paste");

        Row("empty table, empty clipboard", 0, QString(), false, false);
        Row("empty table, text on clipboard", 0, QStringLiteral("x"), false, true);
        Row("rows, empty clipboard", 3, QString(), true, false);
        Row("rows, text on clipboard", 3, QStringLiteral("x"), true, true);
    }

    void contextMenuStates()
    {
        QFETCH(int, rows);
        QFETCH(QString, clipboard);
        QFETCH(bool, rowEntries);
        QFETCH(bool, paste);

        FdsNode fds;
        for (int n = 0; n < rows; ++n)
            fds.Add(1e6 * (n + 1), 1e6 * (n + 1), QStringLiteral("R%1").arg(n));
        QGuiApplication::clipboard()->setText(clipboard);
        ShownView view(fds.Get());

        const MenuState state = UseContextMenu(view.Get(), rows > 0 ? 0 : -1);
        QVERIFY(state.bShown);
        QCOMPARE(state.listEntries, s_listMenu);
        QCOMPARE(state.mapEnabled.value("&Delete Frequency"), rowEntries);
        QCOMPARE(state.mapEnabled.value("Cut"), rowEntries);
        QCOMPARE(state.mapEnabled.value("Copy"), rowEntries);
        QCOMPARE(state.mapEnabled.value("Paste"), paste);
        QVERIFY(state.mapEnabled.value("New Frequency"));
        QVERIFY(state.mapEnabled.value("Insert Frequency"));

        // The paste entry follows the clipboard without the menu being opened again.
        QGuiApplication::clipboard()->setText(paste ? QString() : QStringLiteral("now"));
        const MenuState again = UseContextMenu(view.Get(), -1);
        QCOMPARE(again.mapEnabled.value("Paste"), !paste);
    }

    void shortcutsCreateDefinitions_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("existing");

        Row("Ctrl+F on empty list", int(Qt::Key_F), 0);
        Row("Ctrl+F after three", int(Qt::Key_F), 3);
        Row("Ctrl+I on empty list", int(Qt::Key_I), 0);
        Row("Ctrl+I after three", int(Qt::Key_I), 3);
    }

    void shortcutsCreateDefinitions()
    {
        QFETCH(int, key);
        QFETCH(int, existing);

        FdsNode fds;
        for (int n = 0; n < existing; ++n)
            fds.Add(1e6 * (n + 1), 1e6 * (n + 1), QStringLiteral("R%1").arg(n));
        ShownView view(fds.Get());
        view->setFocus();
        QTest::keyClick(view.Get(), Qt::Key(key), Qt::ControlModifier);
        QTest::keyClick(view.Get(), Qt::Key(key), Qt::ControlModifier);

        // Two new definitions made by the rules, each with a row at the end of the table.
        const QList<values::Node*> listFds = fds.Definitions();
        QCOMPARE(listFds.size(), existing + 2);
        QCOMPARE(view->rowCount(), existing + 2);
        QCOMPARE(listFds.at(existing)->GetName(),
                 QStringLiteral("Fd%1").arg(existing, 5, 10, QLatin1Char('0')));
        for (int n = 0; n < existing; ++n)
            QCOMPARE(view->item(n, 2)->text(), QStringLiteral("R%1").arg(n));
        QCOMPARE(view->item(existing + 1, 0)->text(), MHz(Start(listFds.last())));
        // The row above the newest stays selected: each new row moves the insertion row up once.
        QCOMPARE(SelectedRows(view.Get()), std::set<int>{existing});

        // Another view's shortcut does not reach this one.
        FdsNode other;
        ShownView otherView(other.Get());
        otherView->setFocus();
        QTest::keyClick(otherView.Get(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(fds.Definitions().size(), existing + 2);
        QCOMPARE(other.Definitions().size(), 1);
    }

    void clickSelectsWholeRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("selectedBefore");

        Row("start cell", 1, 0, QList<int>{});
        Row("flag cell, others selected", 4, 3, QList<int>{0, 2, 7});
        Row("name cell, all selected", 9, 2, QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    }

    void clickSelectsWholeRow()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QList<int>, selectedBefore);

        FdsNode fds;
        AddTen(fds);
        ShownView view(fds.Get());
        for (int nRow : selectedBefore)
            view->SelectRow(nRow, true);

        ClickCell(view.Get(), row, column);
        QCOMPARE(SelectedRows(view.Get()), std::set<int>{row});
        QCOMPARE(view->selectedItems().size(), 4);
    }

    void deleteRows_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("menuRow");    // the row right-clicked for the menu
        QTest::addColumn<int>("sortColumn"); // header clicked first; -1 none
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<int>("selected"); // the row selected afterwards; -1 none

        const QStringList listAll{"D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9"};
        QStringList listWithout25 = listAll;
        listWithout25.removeAll("D2");
        listWithout25.removeAll("D5");
        QStringList listWithout5 = listAll;
        listWithout5.removeAll("D5");
        // Each deleted row moves the insertion row up twice: once as the list changes, once more
        // for the deletion itself.
        Row("row 5 of 10", QList<int>{5}, 5, -1, listWithout5, 3);
        Row("rows 2 and 5", QList<int>{2, 5}, 5, -1, listWithout25, 1);
        Row("first", QList<int>{0}, 0, -1, QStringList(listAll.mid(1)), -1);
        Row("last", QList<int>{9}, 9, -1, QStringList(listAll.mid(0, 9)), 7);
        Row("all", QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, -1, QStringList(), -1);
        // Sorted by name twice (descending): model rows 0 and 1 now show D9 and D8.
        Row("rows 0 and 1 sorted descending", QList<int>{0, 1}, 0, 2, QStringList(listAll.mid(0, 8)), -1);
    }

    void deleteRows()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, menuRow);
        QFETCH(int, sortColumn);
        QFETCH(QStringList, remaining);
        QFETCH(int, selected);

        FdsNode fds;
        AddTen(fds);
        ModifyRecorder recorder;
        ShownView view(fds.Get());
        view->SetObserver(&recorder);
        if (sortColumn >= 0)
        {
            ClickHeader(view.Get(), sortColumn);
            if (view->horizontalHeader()->sortIndicatorOrder() != Qt::DescendingOrder)
                ClickHeader(view.Get(), sortColumn);
            QCOMPARE(view->item(0, 2)->text(), QStringLiteral("D9"));
        }
        view->clearSelection();
        for (int nRow : rows)
            view->SelectRow(nRow, true);

        UseContextMenu(view.Get(), menuRow, QStringLiteral("&Delete Frequency"));
        QCOMPARE(fds.Names(), remaining);
        QCOMPARE(view->rowCount(), remaining.size());
        QCOMPARE(SelectedRows(view.Get()), selected < 0 ? std::set<int>() : std::set<int>{selected});
        QCOMPARE(CheckRowsConsistent(view.Get(), fds.Definitions()), QString());
        QVERIFY(view->IsModified());
        QVERIFY(!recorder.m_listCalls.isEmpty());
    }

    void keepOrderFollowsTable_data()
    {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("order");

        Row("unsorted", -1, 0, QStringList{"Y", "Z", "X"});
        Row("by name ascending", 2, 1, QStringList{"X", "Y", "Z"});
        Row("by name descending", 2, 2, QStringList{"Z", "Y", "X"});
    }

    void keepOrderFollowsTable()
    {
        QFETCH(int, sortColumn);
        QFETCH(int, clicks);
        QFETCH(QStringList, order);

        FdsNode fds;
        fds.Add(2e6, 2e6, QStringLiteral("Y"));
        // A child that is no definition keeps its place among the children.
        fds.Get()->AddItem(new values::Node(QStringLiteral("Notes")));
        fds.Add(3e6, 3e6, QStringLiteral("Z"));
        fds.Add(1e6, 1e6, QStringLiteral("X"));
        ShownView view(fds.Get());
        for (int n = 0; n < clicks; ++n)
            ClickHeader(view.Get(), sortColumn);
        QCOMPARE(ShownColumn(view.Get(), 2), order);

        UseContextMenu(view.Get(), 0, QStringLiteral("Keep Order"));
        QCOMPARE(fds.Names(), order);
        QCOMPARE(fds.NodeNames(), (QStringList{"Fd00000", "Notes", "Fd00001", "Fd00002"}));
        QCOMPARE(ShownColumn(view.Get(), 2), order);
        QCOMPARE(CheckRowsConsistent(view.Get(), fds.Definitions()), QString());
    }

    void rowsAddedWhileSortedStayWhole_data()
    {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("pasted"); // lines pasted afterwards: many rows are sorted in at once
        Row("by start", 0, 0);
        Row("by name", 2, 0);
        Row("by flag", 3, 0);
        Row("by start, many pasted", 0, 40);
        Row("by name, many pasted", 2, 40);
    }

    void rowsAddedWhileSortedStayWhole()
    {
        QFETCH(int, sortColumn);
        QFETCH(int, pasted);

        FdsNode fds;
        fds.Add(500e6, 500e6, QStringLiteral("M"));
        fds.Add(900e6, 950e6, QStringLiteral("Z"));
        fds.Add(300e6, 300e6, QStringLiteral("A"), true);
        ShownView view(fds.Get());
        ClickHeader(view.Get(), sortColumn);
        const Qt::SortOrder order = view->horizontalHeader()->sortIndicatorOrder();

        // New rows and rows made by another editor land sorted, each with its own cells.
        view->setFocus();
        QTest::keyClick(view.Get(), Qt::Key_F, Qt::ControlModifier);
        fds.Add(700e6, 710e6, QStringLiteral("Q"));
        values::Node* pLast = fds.Add(400e6, 400e6, QStringLiteral("C"));
        Value(fds.Definitions().at(3), g_vdFName)->SetAsString(QStringLiteral("N"));
        if (pasted > 0)
        {
            QString sText = QStringLiteral("FrequencyListCopyStruct\nFrequency\tName\tBandwidth\n");
            for (int n = 0; n < pasted; ++n)
                sText +=
                    QStringLiteral("%1\tP%2\t\n").arg(100e6 + ((n * 37) % pasted) * 1e6, 0, 'f', 0).arg(n);
            QGuiApplication::clipboard()->setText(sText);
            Messages messages;
            UseContextMenu(view.Get(), -1, QStringLiteral("Paste"));
            QCOMPARE(messages.m_listTexts, QStringList());
        }
        QCOMPARE(view->rowCount(), 6 + pasted);
        QCOMPARE(CheckRowsConsistent(view.Get(), fds.Definitions()), QString());
        QStringList listShown = ShownColumn(view.Get(), sortColumn);
        QStringList listSorted = listShown;
        std::sort(listSorted.begin(), listSorted.end(),
                  [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
        if (order == Qt::DescendingOrder)
            std::reverse(listSorted.begin(), listSorted.end());
        QCOMPARE(listShown, listSorted);

        // An edit of a sorted cell moves its row; the row keeps its cells.
        Value(pLast, g_vdFName)->SetAsString(QStringLiteral("ZZ"));
        Value(pLast, g_vdFStart)->SetNumber(999e6);
        QCOMPARE(CheckRowsConsistent(view.Get(), fds.Definitions()), QString());
    }

    void insertionInsideTableKeepsRows()
    {
        FdsNode source;
        source.Add(11e6, 11e6, QStringLiteral("P1"));
        source.Add(12e6, 13e6, QStringLiteral("P2"));
        ShownView sourceView(source.Get());
        sourceView->SelectRow(0, true);
        sourceView->SelectRow(1, true);
        UseContextMenu(sourceView.Get(), 0, QStringLiteral("Cut"));
        QCOMPARE(source.Names(), QStringList());

        FdsNode fds;
        AddTen(fds);
        ShownView view(fds.Get());
        // The cut rows pasted at the row under the pointer: the rows there move down with their cells.
        Messages messages;
        UseContextMenu(view.Get(), 4, QStringLiteral("Paste"));
        QVERIFY(messages.m_listTexts.isEmpty());
        QCOMPARE(view->rowCount(), 12);
        QCOMPARE(ShownColumn(view.Get(), 2),
                 (QStringList{"D0", "D1", "D2", "D3", "P1", "P2", "D4", "D5", "D6", "D7", "D8", "D9"}));
        QCOMPARE(CheckRowsConsistent(view.Get(), fds.Definitions()), QString());

        // A new definition afterwards still goes to the end.
        UseContextMenu(view.Get(), 2, QStringLiteral("New Frequency"));
        QCOMPARE(view->rowCount(), 13);
        QCOMPARE(view->item(12, 0)->text(), MHz(Start(fds.Definitions().last())));
    }

    void currentFdIsSingleOnly_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        Row("single", 0, QStringLiteral("S"));
        Row("range", 1, QString());
    }

    void currentFdIsSingleOnly()
    {
        QFETCH(int, row);
        QFETCH(QString, expected);

        FdsNode fds;
        fds.Add(5e6, 5e6, QStringLiteral("S"));
        fds.Add(5e6, 6e6, QStringLiteral("R"));
        ShownView view(fds.Get());
        ClickCell(view.Get(), row, 2);
        values::Node* pFd = view->GetCurrentFd();
        QCOMPARE(pFd ? Name(pFd) : QString(), expected);
        QCOMPARE(Name(view.Ctrl()->GetCurrentFrequencyDef()),
                 row == 0 ? QStringLiteral("S") : QStringLiteral("R"));
    }

    void assertionsNameTheirSource_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("report");

        const QString sSource = QStringLiteral("controls/dravinelcontrols/frequencyviewctrl");
        Row("load without node", 0, QStringLiteral("pNode|%1|534").arg(sSource));
        Row("mediator for a value", 1, QStringLiteral("pTi->GetNode()|%1|623").arg(sSource));
        Row("mediator for another node", 2,
            QStringLiteral("pTi->GetName().mid(0, g_vdNodeFd.Name().length()) == g_vdNodeFd.Name()|%1|624")
                .arg(sSource));
        Row("mediator for nothing", 3, QStringLiteral("pTi|%1|622").arg(sSource));
    }

    void assertionsNameTheirSource()
    {
        QFETCH(int, kind);
        QFETCH(QString, report);

        FdsNode fds;
        values::Node* pFd = fds.Add(1e6, 1e6, QStringLiteral("A"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        FrequencyViewCtrl* pCtrl = view.GetCtrl();
        values::Node other(QStringLiteral("Other"));
        Observable plain;

        {
            Diagnostics off(0);
            pCtrl->Load(nullptr);
            QVERIFY(off.m_listReports.isEmpty());
        }
        Diagnostics diagnostics(ErrorHandler::LEVEL_ASSERT);
        switch (kind)
        {
        case 0:
            pCtrl->Load(nullptr);
            QVERIFY(view.IsLoaded()); // the loaded node stays
            break;
        case 1:
            QVERIFY(!pCtrl->CreateMediator(Value(pFd, g_vdFName)));
            break;
        case 2:
            delete pCtrl->CreateMediator(&other);
            break;
        default:
            QVERIFY(!pCtrl->CreateMediator(&plain));
            break;
        }
        QCOMPARE(diagnostics.m_listReports, QStringList{report});
        QCOMPARE(view.rowCount(), 1);
    }

    void foreignNotificationsIgnored()
    {
        FdsNode fds;
        fds.Add(1e6, 1e6, QStringLiteral("A"));
        FdsNode other;
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        view.GetCtrl()->Update(other.Get(), values::CC_DELETING);
        view.GetCtrl()->Update(other.Get(), values::CC_CHILDREN);
        QVERIFY(view.IsLoaded());
        QCOMPARE(view.rowCount(), 1);
    }

    void commandsReachHostObserver_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clipboard");

        const QString sSheet =
            QStringLiteral("FrequencyListCopyStruct\nFrequency\tName\tBandwidth\n5e6\tNew\t");
        Row("new", QStringLiteral("New Frequency"), QString());
        Row("insert", QStringLiteral("Insert Frequency"), QString());
        Row("delete", QStringLiteral("&Delete Frequency"), QString());
        Row("keep order", QStringLiteral("Keep Order"), QString());
        Row("paste list", QStringLiteral("Paste"), sSheet);
        Row("paste copied rows", QStringLiteral("Paste"), QStringLiteral("xml"));
    }

    void commandsReachHostObserver()
    {
        QFETCH(QString, entry);
        QFETCH(QString, clipboard);

        FdsNode fds;
        fds.Add(1e6, 1e6, QStringLiteral("A"));
        fds.Add(2e6, 2e6, QStringLiteral("B"));
        ShownView view(fds.Get());
        if (clipboard == QLatin1String("xml"))
        {
            view->SelectRow(0, true);
            UseContextMenu(view.Get(), 0, QStringLiteral("Copy"));
        }
        else if (!clipboard.isEmpty())
        {
            QGuiApplication::clipboard()->setText(clipboard);
        }
        ModifyRecorder recorder;
        view->SetObserver(&recorder);
        view->clearSelection();
        view->SelectRow(1, true);
        Messages messages;
        UseContextMenu(view.Get(), 1, entry);
        QCOMPARE(messages.m_listTexts, QStringList());
        QVERIFY(!recorder.m_listCalls.isEmpty() && recorder.m_listCalls.last());
        QVERIFY(view->IsModified());
    }
};

QTEST_MAIN(TstFrequencyViewCtrl)
#include "tst_frequencyviewctrl.moc"
