// How the emission and movement tables keep up with long scenarios. Each case runs beside a
// plain-Qt baseline doing the same visible work, for 1 000, 10 000 and 100 000 entries:
//   load    Load of a list of N entries          | a bare QTableWidget filled with N x 3 texts
//                                                   (the movement's location as a coordinate)
//   add     1 000 entries made in one change      | 1 000 rows appended to the bare table
//           of a list of N
//   delete  all N rows selected, deleted          | the bare table's rows removed in one step
//   edit    one count or speed edit with N rows   | the same edit with 100 rows
// Targets: every case within 3x its baseline, the 10 000 case at most 12x the 1 000 case, one
// edit with 10 000 rows at most 2x one edit with 100 rows. Times are the best of several runs.

#include "dravinelcontrols/frequencyscenarioview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/movementscenarioview.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "kvbase/coord.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "oskevo/vttransaction.h"

#include "benchtiming.h"
#include "benchwidgets.h"

#include <QApplication>
#include <QTableWidget>
#include <map>
#include <memory>

using namespace DravinelDefinition;
using BenchWidgets::PlainTable;
using BenchWidgets::ValueOf;

namespace
{

const int c_nAdded = 1000;

double Latitude(int n)
{
    return 47.0 + double(n % 1000) / 1000.0;
}

double Longitude(int n)
{
    return 11.0 + double(n % 997) / 997.0;
}

// A scenario group with its list of entries in the process-wide tree, gone with the object.
class Scenario
{
public:
    Scenario(bool bMovement, int nEntries) : m_bMovement(bMovement)
    {
        static int s_nCounter = 0;
        m_pGroup = new values::Node(QStringLiteral("BenchScenario%1").arg(++s_nCounter),
                                    bMovement ? &g_vdNodeSimMovement : &g_vdNodeSimFrequency);
        values::Tree::Instance()->GetRoot()->AddItem(m_pGroup);
        Rules()->CreateChild(m_pGroup, bMovement ? &g_vdNodeSimMovListSuper : &g_vdNodeSimFreqListSuper,
                             nullptr);
        Add(nEntries);
    }
    ~Scenario()
    {
        if (values::Node* pParent = m_pGroup->GetParentNode())
            pParent->DeleteItem(m_pGroup);
    }
    void Add(int nEntries)
    {
        values::VtTransaction transaction;
        for (int n = 0; n < nEntries; ++n)
        {
            values::Node* pEntry = Rules()->CreateChild(
                m_pGroup, m_bMovement ? &g_vdNodeSimMovList : &g_vdNodeSimFreqList, nullptr);
            if (m_bMovement)
            {
                ValueOf(pEntry, g_vdMovListLatitude)->SetNumber(Latitude(n));
                ValueOf(pEntry, g_vdMovListLongitude)->SetNumber(Longitude(n));
            }
            else
            {
                ValueOf(pEntry, g_vdFreqListFrequency)->SetNumber(140e6 + n * 12500.0);
            }
        }
    }
    values::Node* List() const
    {
        return m_pGroup->GetChildNode(m_bMovement ? &g_vdNodeSimMovListSuper : &g_vdNodeSimFreqListSuper);
    }

private:
    values::IDynamicRules* Rules() const
    {
        return DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1)->GetRulesMap().Find(
            m_pGroup->GetValueDescriptor());
    }
    bool m_bMovement;
    values::Node* m_pGroup;
};

std::unique_ptr<FrequencyView> MakeView(bool bMovement)
{
    if (bMovement)
        return BenchWidgets::ShownView<FrequencyView>(
            new MovementScenarioView(nullptr, QStringLiteral("BenchMovement")));
    return BenchWidgets::ShownView<FrequencyView>(
        new FrequencyScenarioView(nullptr, QStringLiteral("BenchEmission")));
}

std::unique_ptr<QTableWidget> MakeTable()
{
    return PlainTable(3);
}

// The bare table's rows from nFirst on, with the texts the scenario table shows.
void FillTable(QTableWidget* pTable, bool bMovement, int nFirst, int nRows)
{
    pTable->setRowCount(nFirst + nRows);
    for (int n = 0; n < nRows; ++n)
    {
        const int nRow = nFirst + n;
        const QString sFirst = bMovement
                                   ? Coord(Longitude(n), Latitude(n)).GetText(Coord::FORMAT_DMS)
                                   : QString::number(140e6 + n * 12500.0, 'f', 0) + QStringLiteral(" Hz");
        pTable->setItem(nRow, 0, new QTableWidgetItem(sFirst));
        pTable->setItem(nRow, 1,
                        new QTableWidgetItem(bMovement ? QStringLiteral("0 s") : QStringLiteral("12500 Hz")));
        pTable->setItem(nRow, 2,
                        new QTableWidgetItem(bMovement ? QStringLiteral("10 m/s") : QStringLiteral("1")));
    }
}

int Runs(int n)
{
    return n <= 1000 ? 9 : (n <= 10000 ? 5 : 3);
}

double Load(bool bMovement, int n, double* pPlain)
{
    Scenario scenario(bMovement, n);
    std::unique_ptr<FrequencyView> pView;
    const double dOurs = BenchTiming::Best(
        Runs(n), [&] { pView = MakeView(bMovement); }, [&] { pView->Load(scenario.List()); },
        [&] { pView.reset(); });
    std::unique_ptr<QTableWidget> pTable;
    *pPlain = BenchTiming::Best(
        Runs(n), [&] { pTable = MakeTable(); }, [&] { FillTable(pTable.get(), bMovement, 0, n); },
        [&] { pTable.reset(); });
    return dOurs;
}

double Add(bool bMovement, int n, double* pPlain)
{
    std::unique_ptr<Scenario> pScenario;
    std::unique_ptr<FrequencyView> pView;
    const double dOurs = BenchTiming::Best(
        Runs(n),
        [&]
        {
            pScenario = std::make_unique<Scenario>(bMovement, n);
            pView = MakeView(bMovement);
            pView->Load(pScenario->List());
        },
        [&] { pScenario->Add(c_nAdded); },
        [&]
        {
            if (pView->rowCount() != n + c_nAdded)
                std::printf("add made %d rows of %d\n", pView->rowCount(), n + c_nAdded);
            pView.reset(), pScenario.reset();
        });
    std::unique_ptr<QTableWidget> pTable;
    *pPlain = BenchTiming::Best(
        Runs(n),
        [&]
        {
            pScenario = std::make_unique<Scenario>(bMovement, n);
            pTable = MakeTable();
            FillTable(pTable.get(), bMovement, 0, n);
        },
        [&]
        {
            pScenario->Add(c_nAdded);
            FillTable(pTable.get(), bMovement, n, c_nAdded);
        },
        [&] { pTable.reset(), pScenario.reset(); });
    return dOurs;
}

double Delete(bool bMovement, int n, double* pPlain)
{
    std::unique_ptr<Scenario> pScenario;
    std::unique_ptr<FrequencyView> pView;
    const double dOurs = BenchTiming::Best(
        Runs(n),
        [&]
        {
            pScenario = std::make_unique<Scenario>(bMovement, n);
            pView = MakeView(bMovement);
            pView->Load(pScenario->List());
            pView->selectAll();
        },
        [&] { pView->GetCtrl()->SlotDelete(); },
        [&]
        {
            if (pView->rowCount() != 0)
                std::printf("delete left %d rows\n", pView->rowCount());
            pView.reset(), pScenario.reset();
        });
    std::unique_ptr<QTableWidget> pTable;
    *pPlain = BenchTiming::Best(
        Runs(n),
        [&]
        {
            pScenario = std::make_unique<Scenario>(bMovement, n);
            pTable = MakeTable();
            FillTable(pTable.get(), bMovement, 0, n);
        },
        [&]
        {
            values::Node* pList = pScenario->List();
            values::VtTransaction transaction;
            while (pList->GetChildCount() > 0)
                pList->DeleteItem(pList->GetTreeItems().back());
            pTable->setRowCount(0);
        },
        [&] { pTable.reset(), pScenario.reset(); });
    return dOurs;
}

// Milliseconds of one count or speed edit with its repaint, averaged over many edits of a row
// in the middle of the list.
double Edit(bool bMovement, int n)
{
    Scenario scenario(bMovement, n);
    std::unique_ptr<FrequencyView> pView;
    values::ValueBase* pValue = nullptr;
    return BenchTiming::BestPerCall(
        3, 200,
        [&]
        {
            pView = MakeView(bMovement);
            pView->Load(scenario.List());
            values::Node* pEntry = scenario.List()->GetTreeItems().at(size_t(n / 2))->AsNode();
            pValue = ValueOf(pEntry, bMovement ? g_vdMovListSpeed : g_vdFreqListCount);
        },
        [&](int k) { pValue->SetNumber(5 + k % 2); }, [&] { pView.reset(); });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // An argument names the one case to run ("load", "add", "delete", "edit"), e.g. for profiling.
    const QString sOnly = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool bAllOk = true;
    std::printf("Emission and movement tables (ms, best of 9 runs for 1000, 5 for 10000, 3 for 100000)\n");
    std::printf("%-14s %7s %11s %11s %8s\n", "case", "N", "table", "plain Qt", "ratio");
    typedef double (*Case)(bool, int, double*);
    const std::pair<const char*, Case> aCases[] = {{"load", Load}, {"add 1000", Add}, {"delete", Delete}};
    for (bool bMovement : {false, true})
    {
        for (const auto& entry : aCases)
        {
            if (!sOnly.isEmpty() && !QString::fromLatin1(entry.first).startsWith(sOnly))
                continue;
            const QString sCase = QString::fromLatin1(bMovement ? "mov " : "emi ") + entry.first;
            std::map<int, double> mapOurs;
            for (int n : {1000, 10000, 100000})
            {
                double dPlain = 0.0;
                mapOurs[n] = entry.second(bMovement, n, &dPlain);
                bAllOk =
                    BenchTiming::Check(qPrintable(sCase), n, mapOurs[n], dPlain, 3.0, "<= 3x plain Qt") &&
                    bAllOk;
            }
            bAllOk = BenchTiming::Check(qPrintable(sCase), 10000, mapOurs[10000], mapOurs[1000], 12.0,
                                        "10000 vs 1000, <= 12x") &&
                     bAllOk;
        }
        if (!sOnly.isEmpty() && sOnly != QLatin1String("edit"))
            continue;
        const double dBase = Edit(bMovement, 100);
        for (int n : {10000, 100000})
        {
            const bool bTarget = n == 10000;
            const bool bOk = BenchTiming::Check(
                bMovement ? "mov edit" : "emi edit", n, Edit(bMovement, n), dBase, bTarget ? 2.0 : 0.0,
                bTarget ? "<= 2x the edit with 100 rows" : "the target is for 10000");
            bAllOk = bAllOk && bOk;
        }
    }
    std::printf("%s\n", bAllOk ? "all targets met" : "some targets MISSED");
    return 0; // the exit status says only whether the program ran
}
