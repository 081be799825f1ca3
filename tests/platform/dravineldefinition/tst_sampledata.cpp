#include "definitiontesting.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/names.h"
#include "dravineldefinition/nodefactory.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/changecodes.h"
#include "oskevo/valueselection.h"

#include <QtTest>

using namespace DravinelDefinition;
using namespace DefinitionTesting;

namespace
{

double Number(values::Node* pOwner, const values::ValueDescriptor* pDescriptor)
{
    values::ValueBase* pValue = pOwner->GetValue(pDescriptor->PathName().mid(1));
    return pValue ? pValue->GetNumber() : -1.0;
}

QString Text(values::Node* pOwner, const values::ValueDescriptor* pDescriptor)
{
    values::ValueBase* pValue = pOwner->GetValue(pDescriptor->PathName().mid(1));
    return pValue ? pValue->GetAsString() : QStringLiteral("<missing>");
}

int SelectedKey(values::Node* pOwner, const values::ValueDescriptor* pDescriptor)
{
    auto* pValue = dynamic_cast<values::ValueSelection*>(pOwner->GetValue(pDescriptor->PathName().mid(1)));
    return pValue ? pValue->GetCurrentKey() : -2;
}

void Collect(values::Node* pNode, const values::ValueDescriptor* pDescriptor, std::vector<values::Node*>& vec)
{
    for (values::TreeItem* pItem : pNode->GetTreeItems())
        if (values::Node* pChild = pItem->AsNode())
        {
            if (pChild->GetValueDescriptor() == pDescriptor)
                vec.push_back(pChild);
            Collect(pChild, pDescriptor, vec);
        }
}

std::vector<values::Node*> Below(values::Node* pNode, const values::ValueDescriptor* pDescriptor)
{
    std::vector<values::Node*> vec;
    Collect(pNode, pDescriptor, vec);
    return vec;
}

} // namespace

class TestSampleData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void devices_data();
    void devices();
    void everyNodeFollowsTheRulesOfItsDevice_data();
    void everyNodeFollowsTheRulesOfItsDevice();
    void scenario();
    void fillingAgainAddsDevices();
    void nullRoot();

private:
    std::unique_ptr<values::Node> m_pRoot;
};

void TestSampleData::init()
{
    m_pRoot.reset(new values::Node(QStringLiteral("Root")));
}

void TestSampleData::cleanup()
{
    m_pRoot.reset();
}

void TestSampleData::devices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sets");
    QTest::addColumn<int>("singles");
    QTest::addColumn<int>("ranges");
    QTest::addColumn<int>("ownParameters");
    QTest::addColumn<QStringList>("deviceGroups");

    QTest::newRow("DF receiver") << 0 << 2 << "Station North" << 2 << 4 << 3 << 2
                                 << QStringList{"Det", "DfSearch", "If", "Demod"};
    QTest::newRow("VUHF receiver") << 1 << 1 << "Mobile Unit 2" << 1 << 2 << 2 << 1
                                   << QStringList{"Det", "If", "Demod"};
}

void TestSampleData::devices()
{
    QFETCH(int, index);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(int, sets);
    QFETCH(int, singles);
    QFETCH(int, ranges);
    QFETCH(int, ownParameters);
    QFETCH(QStringList, deviceGroups);

    const std::vector<values::Node*> devices = SampleData::Fill(m_pRoot.get());
    QCOMPARE(devices.size(), size_t(2));
    QCOMPARE(m_pRoot->GetValueDescriptor(), &g_vdNodeRoot);
    QCOMPARE(m_pRoot->GetChildCount(), 2);
    values::Node* pDev = devices.at(size_t(index));
    QCOMPARE(pDev->GetParentNode(), m_pRoot.get());
    QCOMPARE(pDev->GetValueDescriptor(), &g_vdNodeDev);
    QVERIFY(pDev->GetName().startsWith(C::g_sDev));
    QCOMPARE(Text(pDev, &g_vdDevName), name);
    QCOMPARE(SelectedKey(pDev, &g_vdDevType), type);
    QCOMPARE(SelectedKey(pDev, &g_vdDcdType), type);
    QVERIFY(!Text(pDev, &g_vdDcdName).isEmpty());

    values::Node* pDeviceSet = pDev->GetChildNode(&g_vdNodePar);
    QVERIFY(pDeviceSet);
    QCOMPARE(Signature(pDeviceSet), "Par[" + deviceGroups.join(',') + ']');

    values::Node* pDcd = pDev->GetChildNode(C::g_sDcd);
    QVERIFY(pDcd);
    QCOMPARE(int(pDcd->GetChildNodes(&g_vdNodeDcs).size()), sets);

    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(type);
    int nSingles = 0;
    int nRanges = 0;
    int nSuppressed = 0;
    int nOwn = 0;
    for (values::Node* pFd : Below(pDcd, &g_vdNodeFd))
    {
        QVERIFY(pFd->GetName().startsWith(g_vdNodeFd.Name()));
        const double dStart = Number(pFd, &g_vdFStart);
        const double dStop = Number(pFd, &g_vdFStop);
        QVERIFY(dStart <= dStop);
        QVERIFY(pDefinition->GetMinFrequency() <= dStart && dStop <= pDefinition->GetMaxFrequency());
        QVERIFY(!Text(pFd, &g_vdFName).isEmpty());
        (dStart == dStop ? nSingles : nRanges)++;
        if (Text(pFd, &g_vdFSupp) == "true")
            ++nSuppressed;
        if (pFd->GetChildNode(&g_vdNodePar))
            ++nOwn;
    }
    QCOMPARE(nSingles, singles);
    QCOMPARE(nRanges, ranges);
    QCOMPARE(nSuppressed, 1);
    QCOMPARE(nOwn, ownParameters);
}

void TestSampleData::everyNodeFollowsTheRulesOfItsDevice_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("DF receiver") << 0;
    QTest::newRow("VUHF receiver") << 1;
}

void TestSampleData::everyNodeFollowsTheRulesOfItsDevice()
{
    QFETCH(int, index);

    values::Node* pDev = SampleData::Fill(m_pRoot.get()).at(size_t(index));
    const int nType = SelectedKey(pDev, &g_vdDevType);
    // Nothing of any node's shape is missing.
    QCOMPARE(NodeFactory::CompleteTree(pDev), 0);
    // Every child node may stand where it stands, and unique ones stand alone.
    std::vector<values::Node*> pending{pDev};
    int nNodes = 0;
    while (!pending.empty())
    {
        values::Node* pNode = pending.back();
        pending.pop_back();
        values::IDynamicRules* pRules = Rules(nType, pNode->GetValueDescriptor());
        QVERIFY2(pRules, qPrintable(pNode->GetPathName()));
        const NodeShape* pShape = NodeFactory::FindShape(pNode->GetValueDescriptor());
        for (values::TreeItem* pItem : pNode->GetTreeItems())
        {
            values::Node* pChild = pItem->AsNode();
            if (!pChild)
                continue;
            ++nNodes;
            pending.push_back(pChild);
            const values::ValueDescriptor* pType = pChild->GetValueDescriptor();
            const bool bFixed =
                pShape && (pType == pShape->pAttr ||
                           std::count(pShape->vecChildren.begin(), pShape->vecChildren.end(), pType));
            QVERIFY2(bFixed || pRules->IsAddAllowed(pNode, pType), qPrintable(pChild->GetPathName()));
            if (pRules->IsUnique(pType))
                QCOMPARE(pNode->GetChildNodes(pType).size(), size_t(1));
        }
    }
    QVERIFY(nNodes > 15);
}

void TestSampleData::scenario()
{
    values::Node* pDev = SampleData::Fill(m_pRoot.get()).at(0);
    const std::vector<values::Node*> emissions = Below(pDev, &g_vdNodeIndEm);
    QCOMPARE(emissions.size(), size_t(2));
    // An emission with a list of frequencies and an emitter of its own.
    values::Node* pList = emissions.front()->GetNode("Par/SimFrequency/SimFreqListSuper");
    QVERIFY(pList);
    QCOMPARE(pList->GetChildNodes(&g_vdNodeSimFreqList).size(), size_t(3));
    QCOMPARE(emissions.front()->GetChildNodes(&g_vdNodeIndEmi).size(), size_t(1));
    QCOMPARE(Text(pList->GetChildNodes(&g_vdNodeSimFreqList).at(2), &g_vdFreqListCount), QStringLiteral("3"));
    // Emitters with their general settings.
    QCOMPARE(Below(pDev->GetChildNode(&g_vdNodeEmi), &g_vdNodeSimGeneral).size(), size_t(2));
    // A movement along several breakpoints, each with its location.
    const std::vector<values::Node*> points = Below(pDev, &g_vdNodeSimMovList);
    QCOMPARE(points.size(), size_t(4));
    double dLastLatitude = 0.0;
    for (values::Node* pPoint : points)
    {
        const double dLatitude = Number(pPoint, &g_vdMovListLatitude);
        QVERIFY(dLatitude > dLastLatitude); // heading north
        dLastLatitude = dLatitude;
        QVERIFY(Number(pPoint, &g_vdMovListLongitude) > 11.0);
    }
    QCOMPARE(Text(points.front()->GetParentNode()->GetParentNode(), &g_vdMovType),
             QStringLiteral("Breakpoints"));
    // The VUHF receiver has no scenario.
    QVERIFY(Below(SampleData::Fill(m_pRoot.get()).at(1), &g_vdNodeIndEm).empty());
}

void TestSampleData::fillingAgainAddsDevices()
{
    CodeCounter children(values::CC_CHILDREN);
    m_pRoot->AddObserver(&children);
    const std::vector<values::Node*> first = SampleData::Fill(m_pRoot.get());
    QCOMPARE(children.Count(), 1); // one batch
    const QString sFirst = Signature(first.at(0));
    const std::vector<values::Node*> second = SampleData::Fill(m_pRoot.get());
    m_pRoot->DeleteObserver(&children);

    QCOMPARE(m_pRoot->GetChildCount(), 4);
    QStringList names;
    for (values::TreeItem* pItem : m_pRoot->GetTreeItems())
        names << pItem->GetName();
    names.removeDuplicates();
    QCOMPARE(names.size(), 4);
    QCOMPARE(Signature(first.at(0)), sFirst);
    QCOMPARE(Signature(second.at(0)).section('[', 1), sFirst.section('[', 1));
}

void TestSampleData::nullRoot()
{
    QVERIFY(SampleData::Fill(nullptr).empty());
}

QTEST_GUILESS_MAIN(TestSampleData)
#include "tst_sampledata.moc"
