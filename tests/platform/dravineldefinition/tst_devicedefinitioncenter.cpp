#include "definitiontesting.h"

#include "dravineldefinition/controldata.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/sampledata.h"
#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "oskevo/valueselection.h"

#include <QtTest>

using namespace DravinelDefinition;
using namespace DefinitionTesting;

class TestDeviceDefinitionCenter : public QObject
{
    Q_OBJECT

private slots:
    void deviceTypes();
    void defaultDevice_data();
    void defaultDevice();
    void definitionsDiffer();
    void controlDataLeavesItsDefinition();
    void controlDataForgetsItsDeletedNode();
    void controlDataOfAnotherDefinitionIsRefused();
    void prepareRepairs_data();
    void prepareRepairs();
    void prepareReports_data();
    void prepareReports();
    void prepareWithoutJob();
};

void TestDeviceDefinitionCenter::deviceTypes()
{
    DefaultDeviceGuard guard;
    const values::ValueSelection& types = DeviceDefinitionCenter::Instance().GetDeviceTypes();
    QCOMPARE(types.GetCount(), 2);
    QCOMPARE(types.GetItem(0).GetKey(), int(DEVICETYPE_VUHF_RECEIVER));
    QCOMPARE(types.GetItem(1).GetKey(), 2);
    QCOMPARE(types.GetItem(1).GetName(), QStringLiteral("DF Monitoring Receiver"));
    for (const values::SelectionItem& item : types.GetItems())
    {
        IDeviceDefinition* pDefinition =
            DeviceDefinitionCenter::Instance().GetDeviceDefinition(item.GetKey());
        QVERIFY(pDefinition);
        QCOMPARE(pDefinition->GetType(), item.GetKey());
        QCOMPARE(pDefinition->GetName(), item.GetName());
        QVERIFY(pDefinition->GetMinFrequency() < pDefinition->GetMaxFrequency());
    }
    // The selection follows the default device.
    QCOMPARE(types.GetCurrentKey(), DeviceDefinitionCenter::Instance().GetDefaultDevice());
    DeviceDefinitionCenter::Instance()->SetDefaultDevice(DEVICETYPE_VUHF_RECEIVER);
    QCOMPARE(types.GetCurrentKey(), int(DEVICETYPE_VUHF_RECEIVER));
}

void TestDeviceDefinitionCenter::defaultDevice_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("current"); // default type afterwards

    QTest::newRow("VUHF") << 1 << true << 1;
    QTest::newRow("DF") << 2 << true << 2;
    QTest::newRow("unknown keeps the current") << 7 << false << 2;
    QTest::newRow("-1 is no type") << -1 << false << 2;
    QTest::newRow("zero") << 0 << false << 2;
}

void TestDeviceDefinitionCenter::defaultDevice()
{
    QFETCH(int, type);
    QFETCH(bool, accepted);
    QFETCH(int, current);

    DefaultDeviceGuard guard;
    DeviceDefinitionCenter& center = DeviceDefinitionCenter::Instance();
    QVERIFY(center.SetDefaultDevice(DEVICETYPE_DF_RECEIVER));
    QCOMPARE(center.SetDefaultDevice(type), accepted);
    QCOMPARE(center.GetDefaultDevice(), current);
    QCOMPARE(center.GetDeviceDefinition(-1), center.GetDeviceDefinition(current));
    QCOMPARE(center.GetDeviceDefinition(), center.GetDeviceDefinition(current));
    if (type != -1) // -1 asks for the current one
        QCOMPARE(center.GetDeviceDefinition(type) != nullptr, accepted);
}

void TestDeviceDefinitionCenter::definitionsDiffer()
{
    DefaultDeviceGuard guard;
    DeviceDefinitionCenter& center = DeviceDefinitionCenter::Instance();
    auto pRoot = NewRoot();
    values::Node* pSet =
        Chain(DEVICETYPE_DF_RECEIVER, pRoot.get(), {"Dev", "Dcd", "Dcs", "Fds", "Fd", "Par"});

    // The editors ask the current definition: switching it changes what may be made.
    values::DescriptorList list;
    center.SetDefaultDevice(DEVICETYPE_DF_RECEIVER);
    center.GetDeviceDefinition(-1)->GetRulesMap().Find(&g_vdNodePar)->GetCreatableDescriptors(pSet, list);
    QVERIFY(std::find(list.begin(), list.end(), &g_vdNodeDfSearch) != list.end());
    center.SetDefaultDevice(DEVICETYPE_VUHF_RECEIVER);
    center.GetDeviceDefinition(-1)->GetRulesMap().Find(&g_vdNodePar)->GetCreatableDescriptors(pSet, list);
    QVERIFY(std::find(list.begin(), list.end(), &g_vdNodeDfSearch) == list.end());
    QVERIFY(!center.GetDeviceDefinition(1)->HasDirectionFinding());
    QVERIFY(center.GetDeviceDefinition(2)->HasDirectionFinding());
}

void TestDeviceDefinitionCenter::controlDataLeavesItsDefinition()
{
    auto pRoot = NewRoot();
    values::Node* pDcd = Chain(DEVICETYPE_VUHF_RECEIVER, pRoot.get(), {"Dev", "Dcd"});
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(1);

    QVERIFY(!pDefinition->CreateControlData(nullptr));
    ControlData* pFirst = pDefinition->CreateControlData(pDcd);
    QVERIFY(pFirst);
    QCOMPARE(pFirst->GetNode(), pDcd);
    QCOMPARE(pFirst->GetJobDeviceType(), 1);
    pDefinition->SetControlData(pFirst);
    QCOMPARE(pDefinition->GetControlData(), pFirst);

    // A second item takes over; the first one leaving does not disturb it.
    ControlData* pSecond = pDefinition->CreateControlData(pDcd);
    pDefinition->SetControlData(pSecond);
    delete pFirst;
    QCOMPARE(pDefinition->GetControlData(), pSecond);
    delete pSecond;
    QVERIFY(!pDefinition->GetControlData());
    QCOMPARE(pDcd->CountObservers(), 0);
}

void TestDeviceDefinitionCenter::controlDataForgetsItsDeletedNode()
{
    auto pRoot = NewRoot();
    values::Node* pDcd = Chain(DEVICETYPE_DF_RECEIVER, pRoot.get(), {"Dev", "Dcd"});
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(2);
    std::unique_ptr<ControlData> pControlData(pDefinition->CreateControlData(pDcd));
    pDefinition->SetControlData(pControlData.get());

    pDcd->GetParentNode()->DeleteItem(pDcd);
    QVERIFY(!pControlData->GetNode());
    QCOMPARE(pControlData->GetJobDeviceType(), -1);
    QCOMPARE(pDefinition->Prepare(true), 0); // nothing to work on
    pControlData.reset();
    QVERIFY(!pDefinition->GetControlData());
}

void TestDeviceDefinitionCenter::controlDataOfAnotherDefinitionIsRefused()
{
    auto pRoot = NewRoot();
    values::Node* pDcd = Chain(DEVICETYPE_DF_RECEIVER, pRoot.get(), {"Dev", "Dcd"});
    IDeviceDefinition* pVuhf = DeviceDefinitionCenter::Instance().GetDeviceDefinition(1);
    IDeviceDefinition* pDf = DeviceDefinitionCenter::Instance().GetDeviceDefinition(2);
    std::unique_ptr<ControlData> pForeign(pDf->CreateControlData(pDcd));
    pVuhf->SetControlData(pForeign.get());
    QVERIFY(!pVuhf->GetControlData());
}

void TestDeviceDefinitionCenter::prepareRepairs_data()
{
    QTest::addColumn<QStringList>("remove"); // paths below the job
    QTest::addColumn<int>("repairs");

    QTest::newRow("complete job") << QStringList() << 0;
    QTest::newRow("definition without attributes") << QStringList{"Dcs/Fds/Fd00000/FdAttr"} << 5;
    QTest::newRow("definition without stop") << QStringList{"Dcs/Fds/Fd00003/FdAttr/FStop"} << 1;
    QTest::newRow("set without list") << QStringList{"Dcs_1/Fds"} << 1;
    QTest::newRow("job without attributes") << QStringList{"DcdAttr"} << 6;
    QTest::newRow("group without a value") << QStringList{"Par/Det/Threshhold", "Par/Det/Detector"} << 2;
    QTest::newRow("several") << QStringList{"Dcs/DcsAttr/DcsName", "Dcs/Fds/Fd00001/FdAttr/FName"} << 2;
}

void TestDeviceDefinitionCenter::prepareRepairs()
{
    QFETCH(QStringList, remove);
    QFETCH(int, repairs);

    auto pRoot = NewRoot();
    values::Node* pDcd = SampleData::Fill(pRoot.get()).at(0)->GetChildNode(&g_vdNodeDcd);
    for (const QString& sPath : remove)
    {
        values::TreeItem* pItem = pDcd->GetItem(sPath);
        QVERIFY2(pItem, qPrintable(sPath));
        delete pItem;
    }
    const QString sBefore = Signature(pDcd);
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(2);
    std::unique_ptr<ControlData> pControlData(pDefinition->CreateControlData(pDcd));
    pDefinition->SetControlData(pControlData.get());

    CodeCounter children(values::CC_CHILDREN);
    pDcd->AddObserver(&children);
    QCOMPARE(pDefinition->Prepare(false), repairs);
    pDcd->DeleteObserver(&children);
    for (const QString& sPath : remove)
        QVERIFY2(pDcd->GetItem(sPath), qPrintable(sPath));
    if (repairs == 0)
        QCOMPARE(Signature(pDcd), sBefore);
    QCOMPARE(children.Count(), remove.contains("DcdAttr") ? 1 : 0);
    QCOMPARE(pDefinition->Prepare(false), 0); // the second call before and after finds it done
}

void TestDeviceDefinitionCenter::prepareReports_data()
{
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("traceLevel");
    QTest::addColumn<double>("start"); // of the first definition of the VUHF job, Hz
    QTest::addColumn<int>("traces");

    QTest::newRow("within range") << true << int(ErrorHandler::LEVEL_TRACE) << 446e6 << 0;
    QTest::newRow("below the receiver") << true << int(ErrorHandler::LEVEL_TRACE) << 9e6 << 1;
    QTest::newRow("above the receiver") << true << int(ErrorHandler::LEVEL_TRACE) << 5e9 << 1;
    QTest::newRow("no reports asked") << false << int(ErrorHandler::LEVEL_TRACE) << 5e9 << 0;
    QTest::newRow("traces off") << true << 0 << 5e9 << 0;
}

void TestDeviceDefinitionCenter::prepareReports()
{
    QFETCH(bool, report);
    QFETCH(int, traceLevel);
    QFETCH(double, start);
    QFETCH(int, traces);

    auto pRoot = NewRoot();
    values::Node* pDcd = SampleData::Fill(pRoot.get()).at(1)->GetChildNode(&g_vdNodeDcd);
    values::Node* pFd = pDcd->GetNode("Dcs/Fds/Fd00000");
    QVERIFY(pFd->GetValue("FdAttr/FStart")->SetNumber(start));
    delete pDcd->GetItem("Dcs/Fds/Fd00003/FdAttr/FName"); // one repair, traced as well

    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(1);
    std::unique_ptr<ControlData> pControlData(pDefinition->CreateControlData(pDcd));
    pDefinition->SetControlData(pControlData.get());
    ErrorHandler* pHandler = ErrorHandler::Instance();
    const int nLevel = pHandler->GetLevel();
    QStringList texts;
    ErrorHandler::Sink oldSink = pHandler->SetSink(
        [&texts](const ErrorHandler::Report& r)
        {
            if (r.eKind == ErrorHandler::KIND_TRACE)
                texts << r.sText;
        });
    pHandler->SetLevel(traceLevel);
    const int nRepairs = pDefinition->Prepare(report);
    pHandler->SetLevel(nLevel);
    pHandler->SetSink(oldSink);

    QCOMPARE(nRepairs, 1);
    const bool bTraced = report && traceLevel;
    QCOMPARE(texts.filter("outside the device range").size(), traces);
    QCOMPARE(texts.filter("FName").size(), bTraced ? 1 : 0);
    if (traces)
        QVERIFY(texts.filter("outside").first().contains(pFd->GetPathName()));
}

void TestDeviceDefinitionCenter::prepareWithoutJob()
{
    for (int nType : {1, 2})
    {
        IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(nType);
        pDefinition->SetControlData(nullptr);
        QCOMPARE(pDefinition->Prepare(true), 0);
        QCOMPARE(pDefinition->Prepare(false), 0);
    }
}

QTEST_GUILESS_MAIN(TestDeviceDefinitionCenter)
#include "tst_devicedefinitioncenter.moc"
