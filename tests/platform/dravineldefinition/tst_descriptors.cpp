#include "definitiontesting.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/names.h"
#include "dravineldefinition/nodefactory.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/changecodes.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QSet>
#include <QtTest>
#include <cmath>

using namespace DravinelDefinition;
using namespace DefinitionTesting;
using values::ValueDescriptor;

Q_DECLARE_METATYPE(const values::ValueDescriptor*)

class TestDescriptors : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void descriptor_data();
    void descriptor();
    void namesAreUnique();
    void receiverFrequencies_data();
    void receiverFrequencies();
    void selectionTexts_data();
    void selectionTexts();
    void pathsReachTheItems_data();
    void pathsReachTheItems();
    void createBelowBasePathFindsTheItems_data();
    void createBelowBasePathFindsTheItems();
    void intermediateNodesGetTheirTypes();
};

void TestDescriptors::cleanup()
{
    values::Tree::Instance()->Clear();
    ValueDescriptor::SetBasePath(QString());
}

void TestDescriptors::descriptor_data()
{
    QTest::addColumn<const ValueDescriptor*>("descriptor");
    for (const ValueDescriptor* pDescriptor : AllDescriptors())
        QTest::newRow(qPrintable(pDescriptor->Name())) << pDescriptor;
}

void TestDescriptors::descriptor()
{
    QFETCH(const ValueDescriptor*, descriptor);
    const ValueDescriptor& d = *descriptor;

    QCOMPARE(ValueDescriptor::Find(d.Name()), descriptor);
    QVERIFY(!d.Tip().isEmpty());
    QVERIFY(d.PathName().startsWith(C::g_sSLASH));
    // Items are named as the type; every segment of the path is a name of the device tree.
    QCOMPARE(d.DefaultItemName(), d.Name());
    QSet<QString> names(C::AttributeKeys().begin(), C::AttributeKeys().end());
    names << C::g_sRoot << C::g_sJobRoot << C::g_sGenDecoder << C::g_sGenHeight;
    QVERIFY2(names.contains(d.Name()), qPrintable(d.Name()));
    for (const QString& sSegment : d.PathName().split(C::g_sSLASH, Qt::SkipEmptyParts))
        QVERIFY2(names.contains(sSegment), qPrintable(sSegment));
    if (d.IsNode())
    {
        QCOMPARE(ValueDescriptor::FindNodeByItemName(d.DefaultItemName()), descriptor);
        return;
    }

    std::unique_ptr<values::TreeItem> pItem(d.CreateItem());
    auto* pValue = dynamic_cast<values::ValueBase*>(pItem.get());
    QVERIFY(pValue);
    switch (d.GetKind())
    {
    case ValueDescriptor::KIND_INT:
    case ValueDescriptor::KIND_DOUBLE:
    {
        QVERIFY(pValue->IsNumeric());
        const double dDefault = d.Default().toDouble();
        QVERIFY(d.Minimum() < d.Maximum());
        QVERIFY2(d.Minimum() <= dDefault && dDefault <= d.Maximum(), qPrintable(d.Name()));
        QVERIFY(d.Step() > 0.0 && d.Step() <= d.Maximum() - d.Minimum());
        QCOMPARE(pValue->GetNumber(), dDefault);
        if (d.GetKind() == ValueDescriptor::KIND_INT)
            QVERIFY(dynamic_cast<values::ValueInt*>(pValue));
        else
            QVERIFY(dynamic_cast<values::ValueDouble*>(pValue));
        break;
    }
    case ValueDescriptor::KIND_SELECTION:
    {
        const std::vector<values::SelectionItem>& items = d.SelectionItems();
        QVERIFY(items.size() >= 2);
        QSet<int> keys;
        QSet<QString> texts;
        for (const values::SelectionItem& item : items)
        {
            QVERIFY(!item.GetName().isEmpty());
            keys << item.GetKey();
            texts << item.GetName();
        }
        QCOMPARE(keys.size(), int(items.size()));
        QCOMPARE(texts.size(), int(items.size()));
        QVERIFY2(keys.contains(d.Default().toInt()), qPrintable(d.Name()));
        auto* pSelection = dynamic_cast<values::ValueSelection*>(pValue);
        QVERIFY(pSelection);
        QCOMPARE(pSelection->GetCurrentKey(), d.Default().toInt());
        break;
    }
    case ValueDescriptor::KIND_STRING:
        QVERIFY(dynamic_cast<values::ValueString*>(pValue));
        break;
    case ValueDescriptor::KIND_BOOL:
        QVERIFY(dynamic_cast<values::ValueBool*>(pValue));
        break;
    case ValueDescriptor::KIND_NODE:
        QFAIL("value descriptor of node kind");
    }
}

void TestDescriptors::namesAreUnique()
{
    QSet<QString> names;
    for (const ValueDescriptor* pDescriptor : AllDescriptors())
        names << pDescriptor->Name();
    QCOMPARE(names.size(), int(AllDescriptors().size()));
}

void TestDescriptors::receiverFrequencies_data()
{
    QTest::addColumn<const ValueDescriptor*>("descriptor");
    QTest::newRow("start") << &g_vdFStart;
    QTest::newRow("stop") << &g_vdFStop;
    QTest::newRow("device frequency") << &g_vdFrequency;
}

void TestDescriptors::receiverFrequencies()
{
    QFETCH(const ValueDescriptor*, descriptor);
    QCOMPARE(descriptor->Unit(), values::g_sHz);
    QCOMPARE(descriptor->Basis(), 2);
    QCOMPARE(descriptor->Minimum(), 0.0);
    QCOMPARE(descriptor->Maximum(), 40e9);
    QCOMPARE(descriptor->GetKind(), ValueDescriptor::KIND_DOUBLE);
}

void TestDescriptors::selectionTexts_data()
{
    QTest::addColumn<const ValueDescriptor*>("descriptor");
    QTest::addColumn<QStringList>("texts"); // empty: only checked for rising hertz
    QTest::addColumn<QString>("defaultText");

    QTest::newRow("demodulation") << &g_vdDemodulation
                                  << QStringList{"AM", "FM", "USB", "LSB", "CW", "ISB", "PULSE", "IQ"}
                                  << "FM";
    QTest::newRow("DF mode") << &g_vdDfMode << QStringList{"Normal", "Continuous", "Gate", "Superresolution"}
                             << "Normal";
    QTest::newRow("report interval") << &g_vdDfReportInterval
                                     << QStringList{"100 ms", "200 ms", "500 ms", "1 s", "2 s", "5 s"}
                                     << "1 s";
    QTest::newRow("operation mode") << &g_vdOperationMode << QStringList{"Job", "FFM", "Standby"} << "Job";
    QTest::newRow("resolution bandwidth") << &g_vdResolutionBandwidth << QStringList() << "10 kHz";
    QTest::newRow("IF bandwidth") << &g_vdBandwidth << QStringList() << "12 kHz";
    QTest::newRow("hop bandwidth") << &g_vdHopBandwidth << QStringList() << "20 MHz";
}

void TestDescriptors::selectionTexts()
{
    QFETCH(const ValueDescriptor*, descriptor);
    QFETCH(QStringList, texts);
    QFETCH(QString, defaultText);

    std::unique_ptr<values::TreeItem> pItem(descriptor->CreateItem());
    QCOMPARE(static_cast<values::ValueBase*>(pItem.get())->GetAsString(), defaultText);
    QStringList actual;
    double dLast = -1.0;
    for (const values::SelectionItem& item : descriptor->SelectionItems())
    {
        actual << item.GetName();
        QVERIFY(item.GetValue() > dLast); // closest-value selection needs rising values
        dLast = item.GetValue();
        if (descriptor->Unit() == values::g_sHz)
            QCOMPARE(item.GetKey(), int(std::lround(item.GetValue())));
    }
    if (!texts.isEmpty())
        QCOMPARE(actual, texts);
}

void TestDescriptors::pathsReachTheItems_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<const ValueDescriptor*>("descriptor");

    // Every value of every shape, seen from the node its path starts at.
    for (const ValueDescriptor* pDescriptor : AllDescriptors())
    {
        if (!pDescriptor->IsNode())
            continue;
        const NodeShape* pShape = NodeFactory::FindShape(pDescriptor);
        if (!pShape)
            continue;
        const QString sHolder = pDescriptor == &g_vdNodeDcd ? "Dev" : pDescriptor->Name();
        for (const auto* pList : {&pShape->vecAttrValues, &pShape->vecValues})
            for (const ValueDescriptor* pValue : *pList)
                QTest::newRow(qPrintable(sHolder + "/" + pValue->Name())) << sHolder << pValue;
    }
    // Nodes the editors reach by path.
    QTest::newRow("Dev/If") << "Dev" << &g_vdNodeIf;
    QTest::newRow("Dev/Par") << "Dev" << &g_vdNodePar;
    QTest::newRow("Dev/Dcd") << "Dev" << &g_vdNodeDcd;
    QTest::newRow("Dev/DcdAttr") << "Dev" << &g_vdNodeDcdAttr;
    QTest::newRow("Dev/DevAttr") << "Dev" << &g_vdNodeDevAttr;
    QTest::newRow("Fd/FdAttr") << "Fd" << &g_vdNodeFdAttr;
    QTest::newRow("SimMovList/SimMovListAttr") << "SimMovList" << &g_vdNodeSimMovListAttr;
    QTest::newRow("SimFrequency/SimFreqListSuper") << "SimFrequency" << &g_vdNodeSimFreqListSuper;
    QTest::newRow("Dcs/Fds") << "Dcs" << &g_vdNodeFds;
}

void TestDescriptors::pathsReachTheItems()
{
    QFETCH(QString, holder);
    QFETCH(const ValueDescriptor*, descriptor);

    // A device made by the rules holds everything of its own; other holders come from the factory.
    auto pRoot = NewRoot();
    values::Node* pHolder = holder == "Dev" ? Chain(DEVICETYPE_DF_RECEIVER, pRoot.get(), {"Dev"})
                                            : NodeFactory::Build(Descriptor(holder));
    if (holder != "Dev")
        pRoot->AddItem(pHolder);
    values::TreeItem* pItem = pHolder->GetItem(descriptor->PathName().mid(1));
    QVERIFY(pItem);
    QCOMPARE(pItem->GetValueDescriptor(), descriptor);
}

void TestDescriptors::createBelowBasePathFindsTheItems_data()
{
    QTest::addColumn<int>("device"); // 0: the DF receiver, 1: the VUHF receiver of the sample tree
    QTest::addColumn<QString>("base");
    QTest::addColumn<const ValueDescriptor*>("descriptor");
    QTest::addColumn<QString>("text");

    // The editors set the base path to a node and create its items by descriptor.
    QTest::newRow("row start") << 0 << "/Dcd/Dcs/Fds/Fd00001" << &g_vdFStart << "121500000";
    QTest::newRow("row name") << 0 << "/Dcd/Dcs/Fds/Fd00001" << &g_vdFName << "Air distress";
    QTest::newRow("row flag") << 0 << "/Dcd/Dcs/Fds/Fd00002" << &g_vdFSupp << "true";
    QTest::newRow("device mode") << 0 << "" << &g_vdOperationMode << "Job";
    QTest::newRow("job name") << 1 << "" << &g_vdDcdName << "UHF survey";
    QTest::newRow("emission entry") << 0 << "/Ems/IndEm/Par/SimFrequency/SimFreqListSuper/SimFreqList_1"
                                    << &g_vdFreqListFrequency << "145525000";
    QTest::newRow("breakpoint longitude") << 0 << "/Movs/IndMov/Par/SimMovement/SimMovListSuper/SimMovList_2"
                                          << &g_vdMovListLongitude << "11.62";
}

void TestDescriptors::createBelowBasePathFindsTheItems()
{
    QFETCH(int, device);
    QFETCH(QString, base);
    QFETCH(const ValueDescriptor*, descriptor);
    QFETCH(QString, text);

    const std::vector<values::Node*> devices = SampleData::Fill(values::Tree::Instance()->GetRoot());
    const QString sBase = devices.at(size_t(device))->GetPathName() + base;
    QVERIFY(values::Tree::Instance()->GetNode(sBase));
    ValueDescriptor::SetBasePath(sBase);
    const QString sBefore = Signature(values::Tree::Instance()->GetRoot());
    values::TreeItem* pItem = descriptor->Create(nullptr);
    QVERIFY(pItem);
    QCOMPARE(pItem->GetValueDescriptor(), descriptor);
    QCOMPARE(static_cast<values::ValueBase*>(pItem)->GetAsString(), text);
    QCOMPARE(Signature(values::Tree::Instance()->GetRoot()), sBefore); // found, not made
}

void TestDescriptors::intermediateNodesGetTheirTypes()
{
    // A job panel makes "<tree node>/Dcd" by path; the node must come out as control data.
    values::Node* pDcd = ValueDescriptor::CreateNodeAbsolute(
        C::g_sSLASH + QStringLiteral("Offline") + C::g_sSLASH + C::g_sDcd, nullptr);
    QVERIFY(pDcd);
    QCOMPARE(pDcd->GetValueDescriptor(), &g_vdNodeDcd);
    ValueDescriptor::SetBasePath(QStringLiteral("/Offline/Job"));
    values::TreeItem* pPar = g_vdNodePar.Create(nullptr);
    QVERIFY(pPar);
    QCOMPARE(pPar->GetValueDescriptor(), &g_vdNodePar);
    QCOMPARE(pPar->GetPathName(), QStringLiteral("/Offline/Job/Par"));
}

QTEST_GUILESS_MAIN(TestDescriptors)
#include "tst_descriptors.moc"
