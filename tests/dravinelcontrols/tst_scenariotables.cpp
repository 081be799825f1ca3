// The emission and movement tables as an operator uses them: the cell texts, the location cell
// and its coordinate editor, the two-entry menu, and the table surviving reloads and deletions
// made elsewhere while a row is current and its editor open.

#include "common/datarow.h"
#include "tst_frequencyfixture.h"

#include "dravinelcontrols/frequencyscenarioview.h"
#include "dravinelcontrols/movementscenarioview.h"
#include "dravinelcontrols/scenarioadapters.h"
#include "dravinelcontrols/scenariotableitem.h"
#include "kvbase/coord.h"
#include "oskevo/valuenumeric.h"
#include "wendrisk/vccoordedit.h"

#include <QLineEdit>
#include <QtTest>

using namespace FrequencyTest;

namespace
{

// A movement or frequency group below the tree's root with its list node, entries made through
// the rules as the editor makes them.
class Scenario
{
public:
    explicit Scenario(bool bMovement) : m_bMovement(bMovement)
    {
        static int s_nCounter = 0;
        m_pGroup = new values::Node(QStringLiteral("ScenarioTest%1").arg(++s_nCounter),
                                    bMovement ? &g_vdNodeSimMovement : &g_vdNodeSimFrequency);
        values::Tree::Instance()->GetRoot()->AddItem(m_pGroup);
        m_spAlive = m_pGroup->GetAliveFlag();
        DefinitionRules(m_pGroup->GetValueDescriptor())
            ->CreateChild(m_pGroup, bMovement ? &g_vdNodeSimMovListSuper : &g_vdNodeSimFreqListSuper,
                          nullptr);
    }
    ~Scenario()
    {
        if (*m_spAlive)
            m_pGroup->GetParentNode()->DeleteItem(m_pGroup);
    }
    values::Node* Add(double d0, double d1, double d2, double d3 = 0.0)
    {
        values::Node* pEntry =
            DefinitionRules(m_pGroup->GetValueDescriptor())
                ->CreateChild(m_pGroup, m_bMovement ? &g_vdNodeSimMovList : &g_vdNodeSimFreqList, nullptr);
        if (m_bMovement)
        {
            Value(pEntry, g_vdMovListLatitude)->SetNumber(d0);
            Value(pEntry, g_vdMovListLongitude)->SetNumber(d1);
            Value(pEntry, g_vdMovListSleepTime)->SetNumber(d2);
            Value(pEntry, g_vdMovListSpeed)->SetNumber(d3);
        }
        else
        {
            Value(pEntry, g_vdFreqListFrequency)->SetNumber(d0);
            Value(pEntry, g_vdFreqListBandwidth)->SetNumber(d1);
            Value(pEntry, g_vdFreqListCount)->SetNumber(d2);
        }
        return pEntry;
    }
    values::Node* List() const
    {
        return m_pGroup->GetChildNode(m_bMovement ? &g_vdNodeSimMovListSuper : &g_vdNodeSimFreqListSuper);
    }
    values::Node* Group() const { return m_pGroup; }

private:
    bool m_bMovement;
    values::Node* m_pGroup;
    std::shared_ptr<const bool> m_spAlive;
};

std::unique_ptr<FrequencyView> MakeView(bool bMovement, values::Node* pList)
{
    std::unique_ptr<FrequencyView> pView;
    if (bMovement)
        pView.reset(new MovementScenarioView(nullptr, QStringLiteral("MovementScenarioView")));
    else
        pView.reset(new FrequencyScenarioView(nullptr, QStringLiteral("FrequencyScenarioView")));
    pView->resize(640, 400);
    pView->Init(pList);
    pView->show();
    pView->activateWindow();
    if (!QTest::qWaitForWindowActive(pView.get()))
        qWarning("the scenario table's window did not become active");
    return pView;
}

QStringList Texts(QTableWidget* pTable)
{
    QStringList list;
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow)
    {
        QStringList listRow;
        for (int nCol = 0; nCol < pTable->columnCount(); ++nCol)
            listRow << (pTable->item(nRow, nCol) ? pTable->item(nRow, nCol)->text()
                                                 : QStringLiteral("<none>"));
        list << listRow.join(QLatin1Char('|'));
    }
    return list;
}

QString Location(double dLatitude, double dLongitude)
{
    return Coord(dLongitude, dLatitude).GetText(Coord::FORMAT_DMS);
}

VCCoordEdit* OpenCoordEditor(QTableWidget* pTable, int nRow)
{
    ClickCell(pTable, nRow, 1);
    ClickCell(pTable, nRow, 0); // the current cell's editor opens at once
    for (VCCoordEdit* pEdit : pTable->viewport()->findChildren<VCCoordEdit*>())
    {
        if (pEdit->isVisible())
            return pEdit;
    }
    return nullptr;
}

} // namespace

// What another view or the host does while a row is current and its editor open.
enum Disturbance
{
    LoadOther,
    InitOther,
    Unload,
    DeleteList,
    DeleteGroup,
    DeleteCurrentEntry,
    DeleteView,
};

class TestScenarioTables : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<bool>("bMovement");
        QTest::addColumn<QStringList>("listExpected");
        Row("emissions", false, QStringList{"145500000 Hz|12500 Hz|2", "433920000 Hz|25000 Hz|1"});
        Row("breakpoints", true,
            QStringList{Location(48.1372, 11.5756) + "|0 s|14 m/s",
                        Location(-33.8688, 151.2093) + "|61 s|8 m/s"});
    }

    void texts()
    {
        QFETCH(bool, bMovement);
        QFETCH(QStringList, listExpected);
        Scenario scenario(bMovement);
        if (bMovement)
        {
            scenario.Add(48.1372, 11.5756, 0.0, 13.9);
            scenario.Add(-33.8688, 151.2093, 60.6, 8.3);
        }
        else
        {
            scenario.Add(145.5e6, 12500, 2);
            scenario.Add(433.92e6, 25000, 1);
        }
        // A value in the list node is no entry and gets no row.
        scenario.List()->AddItem(new values::ValueInt(QStringLiteral("Stray"), &g_vdFreqListCount, 1));
        std::unique_ptr<FrequencyView> pView = MakeView(bMovement, scenario.List());
        QCOMPARE(Texts(pView.get()), listExpected);

        // A covered cell shows nothing whatever its value.
        auto* pCell = dynamic_cast<ScenarioTableItem*>(pView->item(1, 1));
        QVERIFY(pCell);
        pCell->SetbCovered(true, true);
        QCOMPARE(pCell->text(), QString());
    }

    void locationFollowsLongitude()
    {
        Scenario scenario(true);
        values::Node* pPoint = scenario.Add(48.0, 11.0, 0.0, 10.0);
        std::unique_ptr<FrequencyView> pView = MakeView(true, scenario.List());
        ModifyRecorder recorder;
        pView->GetCtrl()->SetObserver(&recorder);
        Value(pPoint, g_vdMovListLongitude)->SetNumber(-3.5);
        QCOMPARE(pView->item(0, 0)->text(), Location(48.0, -3.5));
        // The speed is the row's identity cell; its edits reach the host all the same.
        const int nCalls = recorder.m_listCalls.size();
        Value(pPoint, g_vdMovListSpeed)->SetNumber(20.0);
        QCOMPARE(pView->item(0, 2)->text(), QStringLiteral("20 m/s"));
        QVERIFY(recorder.m_listCalls.size() > nCalls);
        // The longitude deleted: the cell keeps its text and lets go of it.
        delete Value(pPoint, g_vdMovListLongitude);
        Value(pPoint, g_vdMovListLatitude)->SetNumber(47.0);
        QCOMPARE(pView->item(0, 0)->text(), Location(47.0, 0.0));
    }

    void editLocation_data()
    {
        QTest::addColumn<QString>("sLatitude");
        QTest::addColumn<QString>("sLongitude");
        QTest::addColumn<double>("dLatitude");
        QTest::addColumn<double>("dLongitude");
        QTest::addColumn<bool>("bRefused");
        Row("decimal", "52.52", "13.405", 52.52, 13.405, false);
        Row("hemisphere letters", "33.5 S", "70.25W", -33.5, -70.25, false);
        Row("degrees minutes seconds", "48°30'00\"N", "011°15'00\"E", 48.5, 11.25, false);
        Row("latitude out of range", "95", "13.4", 10.0, 13.4, true);
        Row("no angle", "north", "east", 10.0, 20.0, true);
    }

    void editLocation()
    {
        QFETCH(QString, sLatitude);
        QFETCH(QString, sLongitude);
        QFETCH(double, dLatitude);
        QFETCH(double, dLongitude);
        QFETCH(bool, bRefused);
        Scenario scenario(true);
        scenario.Add(5.0, 5.0, 0.0, 1.0);
        values::Node* pPoint = scenario.Add(10.0, 20.0, 0.0, 1.0);
        std::unique_ptr<FrequencyView> pView = MakeView(true, scenario.List());
        VCCoordEdit* pEdit = OpenCoordEditor(pView.get(), 1);
        QVERIFY(pEdit);
        QCOMPARE(pEdit->GetFormat(), int(Coord::FORMAT_DMS));
        bool bAnyRefused = false;
        for (auto entry : {std::make_pair(pEdit->GetLatitudeEdit(), sLatitude),
                           std::make_pair(pEdit->GetLongitudeEdit(), sLongitude)})
        {
            entry.first->selectAll();
            QTest::keyClicks(entry.first, entry.second);
            QTest::keyClick(entry.first, Qt::Key_Return);
            bAnyRefused = bAnyRefused || pEdit->HasError();
        }
        QCOMPARE(bAnyRefused, bRefused);
        QCOMPARE(Value(pPoint, g_vdMovListLatitude)->GetNumber(), dLatitude);
        QCOMPARE(Value(pPoint, g_vdMovListLongitude)->GetNumber(), dLongitude);
        QCOMPARE(pView->item(1, 0)->text(), Location(dLatitude, dLongitude));
        if (!bRefused)
            QCOMPARE(pEdit->GetLatitudeEdit()->text() + ' ' + pEdit->GetLongitudeEdit()->text(),
                     pView->item(1, 0)->text());
    }

    void adapterTraces()
    {
        Scenario scenario(true);
        values::Node* pAttr = scenario.Add(1.0, 2.0, 0.0, 1.0)->GetChildNode(&g_vdNodeSimMovListAttr);
        delete Value(pAttr->GetParentNode(), g_vdMovListLongitude);
        const DravinelDefinition::LocationAdapter adapter(pAttr);
        {
            Diagnostics off(0);
            QVERIFY(adapter.LocLatitude());
            QVERIFY(!adapter.LocLongitude());
            QVERIFY(off.m_listReports.isEmpty());
        }
        // A longitude of another kind under the same descriptor is no longitude either.
        pAttr->AddItem(new values::ValueInt(QStringLiteral("MovListLongitude"), &g_vdMovListLongitude, 7));
        Diagnostics traces(0x20);
        QVERIFY(!adapter.LocLongitude());
        QVERIFY(!DravinelDefinition::LocationAdapter(nullptr).LocLatitude());
        QCOMPARE(
            traces.m_listReports,
            QStringList(
                {"_GETVALUE LocLongitude failed - ignored|controls/dravinelcontrols/scenarioadapters|37",
                 "_GETVALUE LocLatitude failed - ignored|controls/dravinelcontrols/scenarioadapters|36"}));
    }

    void menu_data()
    {
        QTest::addColumn<bool>("bMovement");
        QTest::addColumn<QStringList>("listEntries");
        Row("emissions", false, QStringList{"New Frequency", "&Delete Frequency"});
        Row("breakpoints", true, QStringList{"New Breakpoint", "&Delete Breakpoint"});
    }

    void menu()
    {
        QFETCH(bool, bMovement);
        QFETCH(QStringList, listEntries);
        Scenario scenario(bMovement);
        std::unique_ptr<FrequencyView> pView = MakeView(bMovement, scenario.List());
        ModifyRecorder recorder;
        pView->GetCtrl()->SetObserver(&recorder);

        // Ctrl+F while the table has the focus makes an entry; the menu makes the next one,
        // which becomes current.
        pView->setFocus();
        QTest::keyClick(pView.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(scenario.List());
        QCOMPARE(pView->rowCount(), 1);
        QVERIFY(!recorder.m_listCalls.isEmpty());
        MenuState state = UseContextMenu(pView.get(), -1, listEntries.at(0));
        QCOMPARE(state.listEntries, listEntries);
        QCOMPARE(pView->rowCount(), 2);
        QCOMPARE(scenario.List()->GetChildCount(), size_t(2));
        QCOMPARE(pView->currentRow(), 1);

        // The first of them selected and deleted from the menu leaves the second.
        values::TreeItem* pSecond = scenario.List()->GetTreeItems().at(1);
        ClickCell(pView.get(), 0, 1);
        state = UseContextMenu(pView.get(), 0, listEntries.at(1));
        QVERIFY(state.mapEnabled.value(listEntries.at(1)));
        QCOMPARE(scenario.List()->GetTreeItems(), std::vector<values::TreeItem*>{pSecond});
        QCOMPARE(pView->rowCount(), 1);
        ClickCell(pView.get(), 0, 1);
        UseContextMenu(pView.get(), 0, listEntries.at(1));
        QCOMPARE(pView->rowCount(), 0);
        state = UseContextMenu(pView.get(), -1);
        QVERIFY(!state.mapEnabled.value(listEntries.at(1)));
        QVERIFY(state.mapEnabled.value(listEntries.at(0)));
    }

    void survives_data()
    {
        QTest::addColumn<bool>("bMovement");
        QTest::addColumn<int>("nDisturbance");
        QTest::addColumn<int>("nRowsAfter");
        for (bool bMovement : {false, true})
        {
            const char* pszKind = bMovement ? "breakpoints: " : "emissions: ";
            auto row = [&](const char* pszName, Disturbance disturbance, int nRows)
            { Row(qPrintable(pszKind + QString(pszName)), bMovement, int(disturbance), nRows); };
            row("load another list", LoadOther, 1);
            row("init with another list", InitOther, 1);
            row("unload", Unload, 0);
            row("list deleted", DeleteList, 0);
            row("group deleted", DeleteGroup, 0);
            row("current entry deleted", DeleteCurrentEntry, 2);
            row("view deleted", DeleteView, -1);
        }
    }

    void survives()
    {
        QFETCH(bool, bMovement);
        QFETCH(int, nDisturbance);
        QFETCH(int, nRowsAfter);
        Scenario scenario(bMovement);
        Scenario other(bMovement);
        for (int n = 0; n < 3; ++n)
            scenario.Add(10.0 + n, 20.0 + n, n, n);
        other.Add(1.0, 2.0, 3.0, 4.0);
        std::unique_ptr<FrequencyView> pView = MakeView(bMovement, scenario.List());
        ClickCell(pView.get(), 1, 1);
        ClickCell(pView.get(), 1, 0);
        QCOMPARE(pView->currentRow(), 1);

        switch (Disturbance(nDisturbance))
        {
        case LoadOther:
            pView->Load(other.List());
            break;
        case InitOther:
            pView->GetCtrl()->Init(other.List());
            break;
        case Unload:
            pView->Unload();
            break;
        case DeleteList:
            delete scenario.List();
            break;
        case DeleteGroup:
            scenario.Group()->GetParentNode()->DeleteItem(scenario.Group());
            break;
        case DeleteCurrentEntry:
            scenario.List()->DeleteItem(scenario.List()->GetTreeItems().at(1));
            break;
        case DeleteView:
            pView.reset();
            break;
        }
        QCoreApplication::processEvents();
        if (nRowsAfter < 0)
            return;
        QCOMPARE(pView->rowCount(), nRowsAfter);
        // Every row still shows a living entry: editing through the tree reaches the cells.
        values::Node* pShown = pView->GetCtrl()->GetNode();
        if (pShown)
        {
            values::Node* pEntry = pShown->GetTreeItems().front()->AsNode();
            Value(pEntry, bMovement ? g_vdMovListSpeed : g_vdFreqListCount)->SetNumber(42);
            QVERIFY(Texts(pView.get()).join('\n').contains(bMovement ? "42 m/s" : "|42"));
            // The table goes on working: a new entry from the menu.
            UseContextMenu(pView.get(), -1, bMovement ? "New Breakpoint" : "New Frequency");
            QCOMPARE(pView->rowCount(), nRowsAfter + 1);
        }
    }
};

QTEST_MAIN(TestScenarioTables)
#include "tst_scenariotables.moc"
