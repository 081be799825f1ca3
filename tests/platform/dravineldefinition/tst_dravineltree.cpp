#include "definitiontesting.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/nodefactory.h"
#include "dravineldefinition/sampledata.h"

#include <QtTest>

using namespace DravinelDefinition;
using namespace DefinitionTesting;

Q_DECLARE_METATYPE(const values::ValueDescriptor*)
Q_DECLARE_METATYPE(const DravinelTree::GroupBuilder*)

class TestDravinelTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void parameterSetForFd_data();
    void parameterSetForFd();
    void ancestorParameterSet_data();
    void ancestorParameterSet();
    void builder_data();
    void builder();
    void builderRefusesWhatIsNoParameterSet();

private:
    std::unique_ptr<values::Node> m_pRoot;
    std::vector<values::Node*> m_vecDevices;
};

void TestDravinelTree::init()
{
    m_pRoot = NewRoot();
    m_vecDevices = SampleData::Fill(m_pRoot.get());
}

void TestDravinelTree::cleanup()
{
    m_pRoot.reset();
}

void TestDravinelTree::parameterSetForFd_data()
{
    QTest::addColumn<QString>("fd");         // below the DF receiver
    QTest::addColumn<QString>("group");      // descriptor name
    QTest::addColumn<QString>("expected");   // path of the group found, relative to the device; "-" none
    QTest::addColumn<QStringList>("remove"); // parameter sets removed first (relative to the device)

    const QString air = "Dcd/Dcs/Fds/";
    const QString sea = "Dcd/Dcs_1/Fds/";
    QTest::newRow("own demodulation") << air + "Fd00001"
                                      << "Demod" << air + "Fd00001/Par/Demod" << QStringList();
    QTest::newRow("own IF") << air + "Fd00001"
                            << "If" << air + "Fd00001/Par/If" << QStringList();
    QTest::newRow("detection of the job") << air + "Fd00001"
                                          << "Det"
                                          << "Dcd/Par/Det" << QStringList();
    QTest::newRow("DF search of the device") << air + "Fd00000"
                                             << "DfSearch"
                                             << "Par/DfSearch" << QStringList();
    QTest::newRow("own detection before the job's") << sea + "Fd00001"
                                                    << "Det" << sea + "Fd00001/Par/Det" << QStringList();
    QTest::newRow("device IF without own") << sea + "Fd00002"
                                           << "If"
                                           << "Par/If" << QStringList();
    QTest::newRow("the nearest parameter set") << air + "Fd00001"
                                               << "Par" << air + "Fd00001/Par" << QStringList();
    QTest::newRow("inherited parameter set") << air + "Fd00000"
                                             << "Par"
                                             << "Dcd/Par" << QStringList();
    QTest::newRow("job set gone: device detection") << air + "Fd00000"
                                                    << "Det"
                                                    << "Par/Det" << QStringList{"Dcd/Par"};
    QTest::newRow("none left") << air + "Fd00000"
                               << "Det"
                               << "-" << QStringList{"Dcd/Par", "Par"};
    QTest::newRow("scenario group is no receiver group") << air + "Fd00000"
                                                         << "SimGeneral"
                                                         << "-" << QStringList();
}

void TestDravinelTree::parameterSetForFd()
{
    QFETCH(QString, fd);
    QFETCH(QString, group);
    QFETCH(QString, expected);
    QFETCH(QStringList, remove);

    values::Node* pDev = m_vecDevices.at(0);
    for (const QString& sPath : remove)
        delete pDev->GetNode(sPath);
    values::Node* pFd = pDev->GetNode(fd);
    QVERIFY(pFd);
    values::Node* pFound = DravinelTree::GetParameterSetForFd(Descriptor(group), pFd);
    if (expected == "-")
    {
        QVERIFY(!pFound);
        return;
    }
    QVERIFY(pFound);
    QCOMPARE(pFound, pDev->GetNode(expected));
    QCOMPARE(pFound->GetValueDescriptor(), Descriptor(group));
}

void TestDravinelTree::ancestorParameterSet_data()
{
    QTest::addColumn<QString>("node"); // below the DF receiver; "" the device itself
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");

    QTest::newRow("control set asks for detection") << "Dcd/Dcs_1"
                                                    << "Det"
                                                    << "Dcd/Par/Det";
    QTest::newRow("group looks past its own set") << "Dcd/Dcs/Fds/Fd00001/Par/Demod"
                                                  << "Demod"
                                                  << "Dcd/Dcs/Fds/Fd00001/Par/Demod";
    QTest::newRow("parameter set counts as its owner's") << "Dcd/Par"
                                                         << "If"
                                                         << "Par/If";
    QTest::newRow("device") << ""
                            << "Demod"
                            << "Par/Demod";
    QTest::newRow("scenario group of an emission") << "Ems/IndEm/IndEmi"
                                                   << "SimFrequency"
                                                   << "Ems/IndEm/Par/SimFrequency";
    QTest::newRow("nothing above") << "Movs"
                                   << "SimGeneral"
                                   << "-";
}

void TestDravinelTree::ancestorParameterSet()
{
    QFETCH(QString, node);
    QFETCH(QString, group);
    QFETCH(QString, expected);

    values::Node* pDev = m_vecDevices.at(0);
    values::Node* pNode = node.isEmpty() ? pDev : pDev->GetNode(node);
    QVERIFY(pNode);
    values::Node* pFound = DravinelTree::GetAncestorParameterSet(Descriptor(group), pNode);
    QCOMPARE(pFound, expected == "-" ? nullptr : pDev->GetNode(expected));
}

void TestDravinelTree::builder_data()
{
    QTest::addColumn<const DravinelTree::GroupBuilder*>("builder");
    QTest::addColumn<QString>("owner"); // below the VUHF receiver (no DF search of its own)
    QTest::addColumn<bool>("exists");

    QTest::newRow("detection exists") << &DravinelTree::Det << "" << true;
    QTest::newRow("DF search on a receiver without") << &DravinelTree::DfSearch << "" << false;
    QTest::newRow("detection for a definition") << &DravinelTree::Det << "Dcd/Dcs/Fds/Fd00000" << false;
    QTest::newRow("DF search for a definition") << &DravinelTree::DfSearch << "Dcd/Dcs/Fds/Fd00003" << false;
    QTest::newRow("detection the definition has") << &DravinelTree::Det << "Dcd/Dcs/Fds/Fd00001" << true;
    QTest::newRow("IF") << &DravinelTree::If << "Dcd/Dcs/Fds/Fd00001" << false;
    QTest::newRow("demodulation") << &DravinelTree::Demod << "Dcd/Dcs/Fds/Fd00002" << false;
}

void TestDravinelTree::builder()
{
    QFETCH(const DravinelTree::GroupBuilder*, builder);
    QFETCH(QString, owner);
    QFETCH(bool, exists);

    values::Node* pDev = m_vecDevices.at(1);
    values::Node* pOwner = owner.isEmpty() ? pDev : pDev->GetNode(owner);
    QVERIFY(pOwner);
    // Like the job manager: make the parameter set by descriptor, then the group.
    values::Node* pSet = pOwner->GetChildNode(&g_vdNodePar);
    if (!pSet)
        pSet = static_cast<values::Node*>(pOwner->AddItem(NodeFactory::Build(&g_vdNodePar)));
    values::Node* pExisting = pSet->GetChildNode(builder->GetDescriptor());
    QCOMPARE(pExisting != nullptr, exists);
    const int nBefore = pSet->GetChildCount();

    values::Node* pGroup = builder->InsertChild(pSet);
    QVERIFY(pGroup);
    QCOMPARE(pGroup->GetValueDescriptor(), builder->GetDescriptor());
    QCOMPARE(pGroup->GetParentNode(), pSet);
    QCOMPARE(pSet->GetChildCount(), nBefore + (exists ? 0 : 1));
    if (exists)
        QCOMPARE(pGroup, pExisting);
    else
        QCOMPARE(NodeFactory::Complete(pGroup), 0); // made with all its values
    QCOMPARE(builder->InsertChild(pSet), pGroup);
}

void TestDravinelTree::builderRefusesWhatIsNoParameterSet()
{
    values::Node* pDev = m_vecDevices.at(0);
    const QString sBefore = Signature(pDev);
    QVERIFY(!DravinelTree::Det.InsertChild(nullptr));
    QVERIFY(!DravinelTree::Det.InsertChild(pDev));
    QVERIFY(!DravinelTree::DfSearch.InsertChild(pDev->GetNode("Par/Det")));
    QCOMPARE(Signature(pDev), sBefore);
    // A foreign item under the group's name keeps its place.
    values::Node* pSet = pDev->GetNode("Dcd/Dcs/Fds/Fd00000")->AddNode("Par");
    QVERIFY(pSet);
    pSet->SetValueDescriptor(&g_vdNodePar);
    auto* pForeign = new values::Node(QStringLiteral("Det"));
    pSet->AddItem(pForeign);
    values::Node* pGroup = DravinelTree::Det.InsertChild(pSet);
    QVERIFY(pGroup && pGroup != pForeign);
    QCOMPARE(pForeign->GetParentNode(), pSet);
}

QTEST_GUILESS_MAIN(TestDravinelTree)
#include "tst_dravineltree.moc"
