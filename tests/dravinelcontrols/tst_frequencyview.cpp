// The frequency view and its rows: what a row shows, single frequencies staying single through
// the cell editor, modification reports reaching the host, unloading when the node goes, and the
// column widths.

#include "common/datarow.h"
#include "tst_frequencyfixture.h"

#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/tableitem.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"

#include <QResizeEvent>

using namespace FrequencyTest;

class TstFrequencyView : public QObject
{
    Q_OBJECT

private slots:
    void rowsShowDefinitions_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("stop");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<QStringList>("texts");

        Row("single", 100e6, 100e6, false, QStringList{MHz(100e6), "", "Def", "NO"});
        Row("suppressed range", 2.5e6, 123456789.0, true,
            QStringList{"2.500000 MHz", "123.456789 MHz", "Def", "YES"});
        Row("zero", 0.0, 0.0, false, QStringList{"0.000000 MHz", "", "Def", "NO"});
    }

    void rowsShowDefinitions()
    {
        QFETCH(double, start);
        QFETCH(double, stop);
        QFETCH(bool, suppressed);
        QFETCH(QStringList, texts);

        FdsNode fds;
        // Children that are no frequency definitions get no row and take no row number.
        fds.Get()->AddItem(new values::Node(QStringLiteral("Other")));
        values::Node* pFd = fds.Add(start, stop, QStringLiteral("Def"), suppressed);
        fds.Get()->AddItem(new values::Value<QString>(QStringLiteral("FdLooksLikeOne"), &g_vdFName));

        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        // Descriptor look-ups resolve below the definition whose row was built last.
        QCOMPARE(values::ValueDescriptor::GetBasePath(), pFd->GetPathName_NoSlashForRoot());
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(view.columnCount(), 4);
        QCOMPARE(RowTexts(&view, 0), texts);
        QCOMPARE(view.item(0, 3)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        QStringList listHeaders;
        for (int nCol = 0; nCol < 4; ++nCol)
            listHeaders << view.horizontalHeaderItem(nCol)->text();
        QCOMPARE(listHeaders, (QStringList{"Start", "Stop", "Name", "Suppress"}));
        QVERIFY(view.IsLoaded());
    }

    // Edits through the cell editor as "column:text": a single frequency stays single (its stop
    // follows the start and its stop cell stays covered), a range whose start meets its stop
    // becomes single.
    void editThroughCellEditor_data()
    {
        QTest::addColumn<double>("stop");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<double>("expectedStop");
        QTest::addColumn<QString>("expectedStopText");

        Row("single follows twice", 100e6, QStringList{"0:101 MHz", "0:99.5 MHz"}, 99.5e6, "");
        Row("range meets stop", 200e6, QStringList{"0:200 MHz"}, 200e6, "");
        Row("range met, then moved as single", 200e6, QStringList{"0:200 MHz", "0:210 MHz"}, 210e6, "");
        Row("range stays range", 200e6, QStringList{"0:150 MHz"}, 200e6, MHz(200e6));
        Row("stop edit uncovers the stop", 100e6, QStringList{"1:150 MHz"}, 150e6, MHz(150e6));
        Row("range made single again, then moved", 100e6, QStringList{"1:150 MHz", "1:100 MHz", "0:120 MHz"},
            120e6, "");
    }

    void editThroughCellEditor()
    {
        QFETCH(double, stop);
        QFETCH(QStringList, edits);
        QFETCH(double, expectedStop);
        QFETCH(QString, expectedStopText);

        FdsNode fds;
        values::Node* pFd = fds.Add(100e6, stop, QStringLiteral("Edited"));
        ShownView view(fds.Get());
        for (const QString& sEdit : edits)
            QVERIFY(EditCell(view.Get(), 0, sEdit.section(':', 0, 0).toInt(), sEdit.section(':', 1)));

        QCOMPARE(Stop(pFd), expectedStop);
        QCOMPARE(view->item(0, 1)->text(), expectedStopText);
        QCOMPARE(view->item(0, 0)->text(), MHz(Start(pFd)));
    }

    void suppressedFlagFollowsValue()
    {
        FdsNode fds;
        values::Node* pFd = fds.Add(100e6, 100e6, QStringLiteral("Flag"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        Value(pFd, g_vdFSupp)->SetAsString(QStringLiteral("true"));
        QCOMPARE(view.item(0, 3)->text(), QStringLiteral("YES"));
        auto* pItem = dynamic_cast<FrequencyViewItem*>(view.GetCtrl()->GetRowMediator(0));
        QVERIFY(pItem);
        QVERIFY(pItem->IsSuppressed());
        Value(pFd, g_vdFSupp)->SetAsString(QStringLiteral("false"));
        QCOMPARE(view.item(0, 3)->text(), QStringLiteral("NO"));
        QVERIFY(!pItem->IsSuppressed());
    }

    void editsReachHostObserver_data()
    {
        QTest::addColumn<QString>("observerSet"); // before init, before load, after load
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");

        Row("start, observer set first", "before load", 0, "101 MHz");
        Row("stop, observer set after load", "after load", 1, "300 MHz");
        // A host that sets the observer on the new view before it initialises it.
        Row("name, observer set before init", "before init", 2, "Renamed");
    }

    void editsReachHostObserver()
    {
        QFETCH(QString, observerSet);
        QFETCH(int, column);
        QFETCH(QString, text);

        FdsNode fds;
        fds.Add(100e6, 200e6, QStringLiteral("Host"));
        ModifyRecorder recorder;
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.resize(640, 400);
        if (observerSet == QLatin1String("before init"))
        {
            view.SetObserver(&recorder);
            view.Init(fds.Get());
        }
        else
        {
            view.Init(nullptr);
            if (observerSet == QLatin1String("before load"))
                view.SetObserver(&recorder);
            view.Load(fds.Get());
            if (observerSet == QLatin1String("after load"))
                view.SetObserver(&recorder);
        }
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        recorder.m_listCalls.clear();

        QVERIFY(EditCell(&view, 0, column, text));
        QVERIFY(!recorder.m_listCalls.isEmpty() && recorder.m_listCalls.last());
    }

    void deletedNodeUnloadsView()
    {
        auto pFds = std::make_unique<FdsNode>();
        pFds->Add(100e6, 100e6, QStringLiteral("A"));
        pFds->Add(200e6, 300e6, QStringLiteral("B"));
        ModifyRecorder recorder;
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(pFds->Get());
        view.SetObserver(&recorder);
        QCOMPARE(view.rowCount(), 2);

        pFds->Delete();
        QCOMPARE(view.rowCount(), 0);
        QVERIFY(!view.IsLoaded());
        QVERIFY(view.GetCurrentFd() == nullptr);
        // Nothing loaded: the commands find nothing to act on.
        view.GetCtrl()->SlotNew();
        view.GetCtrl()->SlotDelete();
        QCOMPARE(view.rowCount(), 0);

        // The view takes another node afterwards.
        FdsNode other;
        other.Add(1e6, 1e6, QStringLiteral("C"));
        view.Load(other.Get());
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(view.item(0, 2)->text(), QStringLiteral("C"));
    }

    void deletedValueLeavesRowUsable()
    {
        FdsNode fds;
        values::Node* pFd = fds.Add(100e6, 100e6, QStringLiteral("Lean"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        values::Node* pAttr = pFd->GetChildNode(&g_vdNodeFdAttr);
        pAttr->DeleteItem(Value(pFd, g_vdFStop));
        // The start moves on without a stop to follow; the row stays and still edits.
        Value(pFd, g_vdFStart)->SetNumber(150e6);
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(view.item(0, 0)->text(), MHz(150e6));
        Value(pFd, g_vdFName)->SetAsString(QStringLiteral("Still here"));
        QCOMPARE(view.item(0, 2)->text(), QStringLiteral("Still here"));
    }

    void initTwiceKeepsFirstNode()
    {
        FdsNode first;
        first.Add(1e6, 1e6, QStringLiteral("First"));
        FdsNode second;
        second.Add(2e6, 2e6, QStringLiteral("Second"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(first.Get());
        view.Init(second.Get());
        QCOMPARE(ShownColumn(&view, 2), QStringList{"First"});
        QCOMPARE(view.columnCount(), 4);
    }

    void loadOtherNodeReplacesRows()
    {
        FdsNode first;
        first.Add(1e6, 1e6, QStringLiteral("First"));
        first.Add(3e6, 3e6, QStringLiteral("Third"));
        FdsNode second;
        values::Node* pSecond = second.Add(2e6, 2e6, QStringLiteral("Second"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(first.Get());
        view.Load(second.Get());
        QCOMPARE(ShownColumn(&view, 2), QStringList{"Second"});
        // The first node is no longer observed: its new children make no rows here.
        first.Add(4e6, 4e6, QStringLiteral("Fourth"));
        QCOMPARE(view.rowCount(), 1);
        Value(pSecond, g_vdFName)->SetAsString(QStringLiteral("Second!"));
        QCOMPARE(view.item(0, 2)->text(), QStringLiteral("Second!"));
    }

    void nameAndFlagColumnsShareWidth_data()
    {
        QTest::addColumn<int>("width");
        Row("narrow", 300);
        Row("wide", 913);
        Row("odd", 641);
    }

    void nameAndFlagColumnsShareWidth()
    {
        QFETCH(int, width);
        FdsNode fds;
        fds.Add(1e6, 1e6, QStringLiteral("W"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        view.resize(width, 200);
        QResizeEvent event(QSize(width, 200), QSize(width - 10, 200));
        QApplication::sendEvent(&view, &event);

        const int nAvailable = view.width() - view.verticalHeader()->width() - 2 * view.frameWidth();
        const int nEach = nAvailable / 4;
        const int nShared = nEach + (nAvailable - 3 * nEach);
        QCOMPARE(view.columnWidth(0), nEach);
        QCOMPARE(view.columnWidth(1), nEach);
        QCOMPARE(view.columnWidth(2), (nShared / 3) * 2);
        QCOMPARE(view.columnWidth(2) + view.columnWidth(3), nShared);
    }

    void sortColumnKeepsRowsWhole_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("names");

        Row("name descending", 2, false, QStringList{"Charlie", "Bravo", "Alpha"});
        // The start texts sort alike as text and as number here: 200, 250, 300.
        Row("start ascending", 0, true, QStringList{"Bravo", "Alpha", "Charlie"});
        Row("no such column", 7, true, QStringList{"Bravo", "Charlie", "Alpha"});
    }

    void sortColumnKeepsRowsWhole()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, names);

        FdsNode fds;
        fds.Add(200e6, 200e6, QStringLiteral("Bravo"));
        fds.Add(300e6, 350e6, QStringLiteral("Charlie"));
        fds.Add(250e6, 250e6, QStringLiteral("Alpha"));
        FrequencyView view(nullptr, QStringLiteral("view"));
        view.Init(fds.Get());
        view.sortColumn(column, ascending, true);
        QCOMPARE(ShownColumn(&view, 2), names);
        QCOMPARE(CheckRowsConsistent(&view, fds.Definitions()), QString());
    }
};

QTEST_MAIN(TstFrequencyView)
#include "tst_frequencyview.moc"
