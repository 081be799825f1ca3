// The scenario editor: the group forms (rows in table order, the location row, the emitters of
// an individual emission), the lower table following the group's lists, and the parameter
// scenario editor on the sample tree surviving reloads and deletions while its tabs are shown.

#include "common/datarow.h"
#include "tst_frequencyfixture.h"

#include "common/modalanswerer.h"
#include "common/parametereditortools.h"
#include "paltrey/resortpopupmenu.h"

#include "dravinelcontrols/freqscenarioviewsplit.h"
#include "dravinelcontrols/frequencyscenarioview.h"
#include "dravinelcontrols/genericscenarioview.h"
#include "dravinelcontrols/genericscenarioviewctrl.h"
#include "dravinelcontrols/movementscenarioview.h"
#include "dravinelcontrols/parameterscenarioview.h"
#include "dravineldefinition/sampledata.h"
#include "kvbase/coord.h"
#include "wendrisk/vccoordedit.h"
#include "wendrisk/vcnumericfloatspin.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace FrequencyTest;
using ParameterEditorTools::ChooseFromMenu;

Q_DECLARE_METATYPE(const values::ValueDescriptor*)

namespace
{

typedef QList<const values::ValueDescriptor*> Descriptors;

// A node of the given type below parent (the tree's root when null), deleted with the object.
class Group
{
public:
    Group(const values::ValueDescriptor& type, values::Node* pParent = nullptr)
    {
        static int s_nCounter = 0;
        m_pNode = new values::Node(type.Name() + QString::number(++s_nCounter), &type);
        (pParent ? pParent : values::Tree::Instance()->GetRoot())->AddItem(m_pNode);
        m_spAlive = m_pNode->GetAliveFlag();
    }
    ~Group()
    {
        if (*m_spAlive && m_pNode->GetParentNode())
            m_pNode->GetParentNode()->DeleteItem(m_pNode);
    }
    values::Node* Get() const { return m_pNode; }
    void Values(const Descriptors& list)
    {
        for (const values::ValueDescriptor* pDescriptor : list)
            pDescriptor->CreateAt(m_pNode, nullptr);
    }

private:
    values::Node* m_pNode;
    std::shared_ptr<const bool> m_spAlive;
};

// The form's rows from top to bottom: a row's label, "[Up]" for the button row and the
// emitters' names for the list row.
QStringList Rows(GenericView* pForm)
{
    QStringList list;
    QVBoxLayout* pForm_ = pForm->GetFormLayout();
    for (int i = 0; i < pForm_->count(); ++i)
    {
        QLayout* pRow = pForm_->itemAt(i)->layout();
        if (!pRow)
            continue;
        if (pRow->objectName() == QLatin1String("GenLayout2"))
            list << QStringLiteral("[Up]");
        else if (pRow->objectName() == QLatin1String("GenLayout"))
        {
            auto* pList = qobject_cast<QListWidget*>(pRow->itemAt(0)->widget());
            QStringList listNames;
            for (int n = 0; pList && n < pList->count(); ++n)
                listNames << pList->item(n)->text();
            list << QLatin1Char('[') + listNames.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        else if (auto* pGrid = qobject_cast<QGridLayout*>(pRow->itemAt(0)->layout()))
            list << qobject_cast<QLabel*>(pGrid->itemAtPosition(0, 0)->widget())->text();
    }
    return list;
}

} // namespace

// What the operator or another view does while the scenario editor shows a tab.
enum Step
{
    TypeLocation,
    LoadOther,
    UnloadEditor,
    DeleteShown,
    DeleteGroup,
    DeleteList,
    DeleteBreakpoint,
};

class TestScenarioEditor : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<const values::ValueDescriptor*>("pGroup");
        QTest::addColumn<Descriptors>("listValues");
        QTest::addColumn<QStringList>("listRows");
        QTest::addColumn<QList<int>>("listPrecision");
        Row("general, shuffled, one type of no table", &g_vdNodeSimGeneral,
            Descriptors{&g_vdGenMaxPower, &g_vdFreqCount, &g_vdGenGain, &g_vdGenModulation, &g_vdGenHeight},
            QStringList{"GenModulation", "GenGain [dBi]", "GenHeight [m]", "GenMaxPower [W]", "FreqCount"},
            QList<int>{3, 0, 3});
        Row("movement: one location row", &g_vdNodeSimMovement,
            Descriptors{&g_vdMovSpeed, &g_vdMovLatitude, &g_vdMovType, &g_vdMovLongitude},
            QStringList{"MovType", "Location", "MovSpeed [m/s]"}, QList<int>{3});
        Row("movement: a latitude alone has no row", &g_vdNodeSimMovement,
            Descriptors{&g_vdMovLatitude, &g_vdMovSpeed}, QStringList{"MovSpeed [m/s]"}, QList<int>{3});
        Row("movement: a longitude alone has no row", &g_vdNodeSimMovement,
            Descriptors{&g_vdMovCount, &g_vdMovLongitude}, QStringList{"MovCount"}, QList<int>{});
        Row("a group of no table: value order", &g_vdNodeDemod, Descriptors{&g_vdGenHeight, &g_vdGenMaxPower},
            QStringList{"GenHeight [m]", "GenMaxPower [W]"}, QList<int>{0, 3});
    }

    void rows()
    {
        QFETCH(const values::ValueDescriptor*, pGroup);
        QFETCH(Descriptors, listValues);
        QFETCH(QStringList, listRows);
        QFETCH(QList<int>, listPrecision);
        Group group(*pGroup);
        group.Values(listValues);
        FreqScenarioViewSplit split(nullptr);
        split.GetGenericScenarioView()->Init(group.Get());
        QCOMPARE(Rows(split.GetGenericScenarioView()), listRows);
        QList<int> listShown;
        const QList<VCNumericFloatSpin*> listSpins =
            split.GetGenericScenarioView()->findChildren<VCNumericFloatSpin*>();
        for (int i = 0; i < listRows.size(); ++i)
            for (VCNumericFloatSpin* pSpin : listSpins)
                if (pSpin->objectName() + QStringLiteral(" [") ==
                    listRows.at(i).left(pSpin->objectName().size() + 2))
                    listShown << pSpin->additionalPrecision();
        QCOMPARE(listShown, listPrecision);

        // A value added later finds its place; a value removed takes its row along.
        if (pGroup == &g_vdNodeSimGeneral)
        {
            g_vdGenDecoder.CreateAt(group.Get(), nullptr);
            delete group.Get()->GetChildValue(&g_vdGenHeight);
            QCOMPARE(Rows(split.GetGenericScenarioView()),
                     QStringList(
                         {"GenModulation", "GenDecoder", "GenGain [dBi]", "GenMaxPower [W]", "FreqCount"}));
        }
    }

    void emitters()
    {
        Group emission(g_vdNodeIndEm);
        Group set(g_vdNodePar, emission.Get());
        Group frequency(g_vdNodeSimFrequency, set.Get());
        frequency.Values({&g_vdFreqSendTime, &g_vdFreqType, &g_vdFreqWaitTime});
        Group first(g_vdNodeIndEmi, emission.Get());
        Group second(g_vdNodeIndEmi, emission.Get());
        FreqScenarioViewSplit split(nullptr);
        split.GetGenericScenarioView()->Init(frequency.Get());
        const QString sEmitters =
            QStringLiteral("[%1,%2]").arg(first.Get()->GetName(), second.Get()->GetName());
        QCOMPARE(Rows(split.GetGenericScenarioView()),
                 QStringList({"FreqType", "FreqWaitTime [s]", "FreqSendTime [s]", "[Up]", sEmitters}));
        // The list goes with the send time.
        delete frequency.Get()->GetChildValue(&g_vdFreqSendTime);
        QCOMPARE(Rows(split.GetGenericScenarioView()), QStringList({"FreqType", "FreqWaitTime [s]"}));
        QVERIFY(split.findChildren<QListWidget*>().isEmpty());
        QVERIFY(split.findChildren<QPushButton*>().isEmpty());
    }

    void lowerPane()
    {
        Group group(g_vdNodeSimFrequency);
        group.Values({&g_vdFreqType});
        FreqScenarioViewSplit split(nullptr);
        split.resize(400, 300);
        GenericScenarioView* pForm = split.GetGenericScenarioView();
        ModifyRecorder recorder;
        pForm->SetObserver(&recorder);
        pForm->Init(group.Get());
        QVERIFY(!split.GetFrequencyView());

        // The group gains an emission list: a table below, with its entries, reporting edits.
        values::Node* pEntry = ParameterEditorTools::Rules(&g_vdNodeSimFrequency)
                                   ->CreateChild(group.Get(), &g_vdNodeSimFreqList, nullptr);
        QVERIFY(pEntry);
        QPointer<FrequencyView> pTable = split.GetFrequencyView();
        QVERIFY(qobject_cast<FrequencyScenarioView*>(pTable));
        QCOMPARE(pTable->rowCount(), 1);
        QCOMPARE(split.sizes().value(0), split.sizes().value(1));
        recorder.m_listCalls.clear();
        Value(pEntry, g_vdFreqListCount)->SetNumber(9);
        QVERIFY(!recorder.m_listCalls.isEmpty());

        // The list deleted from elsewhere while an entry's editor is open: the table goes.
        ClickCell(pTable, 0, 0);
        delete group.Get()->GetChildNode(&g_vdNodeSimFreqListSuper);
        QCoreApplication::processEvents();
        QVERIFY(!pTable);
        QVERIFY(!split.GetFrequencyView());

        // A movement list put in instead brings a movement table; a reload keeps the one table.
        values::Node* pMovement =
            new values::Node(QStringLiteral("SimMovListSuper"), &g_vdNodeSimMovListSuper);
        group.Get()->AddItem(pMovement);
        QVERIFY(qobject_cast<MovementScenarioView*>(split.GetFrequencyView()));
        pForm->Init(group.Get());
        QCOMPARE(split.findChildren<FrequencyView*>().size(), 1);
        // Another group without lists: no table.
        Group other(g_vdNodeSimGeneral);
        pForm->Init(other.Get());
        QVERIFY(!split.GetFrequencyView());
        pForm->Init(group.Get());
        QVERIFY(split.GetFrequencyView());
        pForm->Unload();
        QVERIFY(!split.GetFrequencyView());
    }

    void editor_data()
    {
        QTest::addColumn<int>("nStep");
        QTest::addColumn<int>("nTabsAfter");
        Row("location typed in the form", int(TypeLocation), 1);
        Row("another node loaded", int(LoadOther), 1);
        Row("unloaded", int(UnloadEditor), 0);
        Row("the shown node deleted", int(DeleteShown), 0);
        Row("the movement group deleted", int(DeleteGroup), 0);
        Row("the breakpoint list deleted", int(DeleteList), 1);
        Row("a breakpoint deleted in the table", int(DeleteBreakpoint), 1);
    }

    void editor()
    {
        QFETCH(int, nStep);
        QFETCH(int, nTabsAfter);
        Group root(g_vdNodeFds); // only a place in the tree for the sample
        values::Node* pDev = SampleData::Fill(root.Get()).at(0);
        values::Node* pMovement = pDev->GetChildNode(&g_vdNodeMovs)->GetChildNode(&g_vdNodeIndMov);
        values::Node* pEmission = pDev->GetChildNode(&g_vdNodeEms)->GetChildNode(&g_vdNodeIndEm);
        QVERIFY(pMovement && pEmission);

        QWidget host;
        host.resize(700, 600);
        auto* pEditor = new ParameterScenarioView(&host, QStringLiteral("ParameterScenarioView"));
        pEditor->resize(700, 600);
        ModifyRecorder recorder;
        pEditor->SetObserver(&recorder);
        pEditor->Init(pMovement);
        host.show();
        QCOMPARE(pEditor->count(), 1);
        auto* pSplit = pEditor->widget(0)->findChild<FreqScenarioViewSplit*>();
        QVERIFY(pSplit);
        QPointer<FrequencyView> pTable = pSplit->GetFrequencyView();
        QVERIFY(qobject_cast<MovementScenarioView*>(pTable));
        QVERIFY(pTable->rowCount() >= 4);
        ClickCell(pTable, 1, 0); // a breakpoint's location editor open

        values::Node* pGroup = pMovement->GetChildNode(&g_vdNodePar)->GetChildNode(&g_vdNodeSimMovement);
        switch (Step(nStep))
        {
        case TypeLocation:
        {
            g_vdMovLatitude.CreateAt(pGroup, nullptr);
            g_vdMovLongitude.CreateAt(pGroup, nullptr);
            auto* pEdit = pSplit->GetGenericScenarioView()->findChild<VCCoordEdit*>();
            QVERIFY(pEdit);
            recorder.m_listCalls.clear();
            for (auto entry : {std::make_pair(pEdit->GetLatitudeEdit(), QStringLiteral("48°30.5'N")),
                               std::make_pair(pEdit->GetLongitudeEdit(), QStringLiteral("11,75 E"))})
            {
                entry.first->selectAll();
                QTest::keyClicks(entry.first, entry.second);
                QTest::keyClick(entry.first, Qt::Key_Return);
            }
            QCOMPARE(pGroup->GetChildValue(&g_vdMovLatitude)->GetNumber(), 48.0 + 30.5 / 60.0);
            QCOMPARE(pGroup->GetChildValue(&g_vdMovLongitude)->GetNumber(), 11.75);
            // The form shows the position as the table's cells do.
            QCOMPARE(pEdit->GetLatitudeEdit()->text() + ' ' + pEdit->GetLongitudeEdit()->text(),
                     Coord(11.75, 48.0 + 30.5 / 60.0).GetText(Coord::FORMAT_DMS));
            QVERIFY(!recorder.m_listCalls.isEmpty());
            break;
        }
        case LoadOther:
            pEditor->Load(pEmission);
            break;
        case UnloadEditor:
            pEditor->Unload();
            break;
        case DeleteShown:
            pMovement->GetParentNode()->DeleteItem(pMovement);
            break;
        case DeleteGroup:
            pGroup->GetParentNode()->DeleteItem(pGroup);
            break;
        case DeleteList:
            delete pGroup->GetChildNode(&g_vdNodeSimMovListSuper);
            break;
        case DeleteBreakpoint:
            recorder.m_listCalls.clear();
            QVERIFY(UseContextMenu(pTable, 1, QStringLiteral("&Delete Breakpoint")).bShown);
            QVERIFY(
                !recorder.m_listCalls.isEmpty()); // the table made with the tab reports to the editor's host
            break;
        }
        QCoreApplication::processEvents();
        QCOMPARE(pEditor->count(), nTabsAfter);
        if (nStep == LoadOther)
        {
            // The emission's frequency group with its emission table.
            pSplit = pEditor->widget(0)->findChild<FreqScenarioViewSplit*>();
            QVERIFY(qobject_cast<FrequencyScenarioView*>(pSplit->GetFrequencyView()));
            QVERIFY(!pTable);
        }
        if (nStep == DeleteList)
            QVERIFY(!pTable && !pSplit->GetFrequencyView());
        if (nStep == TypeLocation)
            QVERIFY(pTable && pTable->rowCount() >= 4);
    }

    void paste_data()
    {
        QTest::addColumn<QString>("sAnswer");
        QTest::addColumn<double>("dPower");
        Row("replace", "&Replace", 25.0);
        Row("keep", "&Keep", 10.0);
    }

    void paste()
    {
        QFETCH(QString, sAnswer);
        QFETCH(double, dPower);
        // The sample's two emitters: the first transmits with 25 W, the second with the default.
        Group root(g_vdNodeFds);
        values::Node* pDev = SampleData::Fill(root.Get()).at(0);
        const std::vector<values::Node*> vecEmitters =
            pDev->GetChildNode(&g_vdNodeEmi)->GetChildNodes(&g_vdNodeIndEmi);
        QCOMPARE(vecEmitters.size(), size_t(2));
        QWidget host;
        auto* pFrom = new ParameterScenarioView(&host, QStringLiteral("From"));
        auto* pTo = new ParameterScenarioView(&host, QStringLiteral("To"));
        pTo->move(0, 300);
        pFrom->Init(vecEmitters[0]);
        pTo->Init(vecEmitters[1]);
        host.resize(600, 600);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QVERIFY(ChooseFromMenu(pFrom, "Copy", 0));
        ModalAnswerer answerer({sAnswer});
        QVERIFY(ChooseFromMenu(pTo, "Paste", 0));
        QCOMPARE(answerer.Texts(),
                 QStringList{"The node SimGeneral already exists, should it be replaced with this one ?"});
        values::Node* pGroup = vecEmitters[1]->GetChildNode(&g_vdNodePar)->GetChildNode(&g_vdNodeSimGeneral);
        QCOMPARE(pGroup->GetChildValue(&g_vdGenMaxPower)->GetNumber(), dPower);
        // The tab shows the group as it stands now, in a scenario split whose form edits it.
        QCOMPARE(pTo->count(), 1);
        auto* pSplit = pTo->widget(0)->findChild<FreqScenarioViewSplit*>();
        QVERIFY(pSplit);
        auto* pSpin = pSplit->GetGenericScenarioView()->findChild<VCNumericFloatSpin*>("GenMaxPower");
        QVERIFY(pSpin);
        QCOMPARE(pSpin->value(), dPower);
    }
};

QTEST_MAIN(TestScenarioEditor)
#include "tst_scenarioeditor.moc"
