#include "definitiontesting.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/nodefactory.h"
#include "oskevo/changecodes.h"
#include "oskevo/valueselection.h"

#include <QtTest>

using namespace DravinelDefinition;
using namespace DefinitionTesting;

namespace
{
const int VUHF = DEVICETYPE_VUHF_RECEIVER;
const int DF = DEVICETYPE_DF_RECEIVER;

// Tells when the node it watches is deleted.
class DeletionWatch : public IObserver
{
public:
    void Update(Observable*, TChangeCode code) override
    {
        if (code == values::CC_DELETING)
            bDeleted = true;
    }
    bool bDeleted = false;
};
} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void creatable_data();
    void creatable();
    void parameterRulesAskedAboutAnOwner_data();
    void parameterRulesAskedAboutAnOwner();
    void childDescriptors_data();
    void childDescriptors();
    void createChild_data();
    void createChild();
    void createChildRefused_data();
    void createChildRefused();
    void createChildFillsABareUniqueNode();
    void createChildRoutesListEntries_data();
    void createChildRoutesListEntries();
    void addNode_data();
    void addNode();
    void addNodeCompletesAndMoves();
    void addNodeRefusesAnAncestorOfTheTarget();
    void numberedNamesFollowTheList();
};

void TestRules::creatable_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<QStringList>("remove");
    QTest::addColumn<QStringList>("expected");

    const QStringList fds{"Dev", "Dcd", "Dcs", "Fds"};
    QTest::newRow("root") << DF << QStringList() << QStringList() << QStringList{"Dev"};
    QTest::newRow("new device has its job and parameters")
        << VUHF << QStringList{"Dev"} << QStringList() << QStringList{"Ems", "Emi", "Movs"};
    QTest::newRow("device without parameter set")
        << DF << QStringList{"Dev"} << QStringList{"Par"} << QStringList{"Par", "Ems", "Emi", "Movs"};
    QTest::newRow("control data") << DF << QStringList{"Dev", "Dcd"} << QStringList()
                                  << QStringList{"Par", "Dcs"};
    QTest::newRow("control set") << DF << QStringList{"Dev", "Dcd", "Dcs"} << QStringList()
                                 << QStringList{"Par", "Fds"};
    QTest::newRow("frequency list") << DF << fds << QStringList() << QStringList{"Fd"};
    QTest::newRow("frequency definition")
        << DF << fds + QStringList{"Fd"} << QStringList() << QStringList{"Par"};
    QTest::newRow("definition's set, DF receiver") << DF << fds + QStringList{"Fd", "Par"} << QStringList()
                                                   << QStringList{"Det", "DfSearch", "If", "Demod"};
    QTest::newRow("definition's set, no direction finder")
        << VUHF << fds + QStringList{"Fd", "Par"} << QStringList() << QStringList{"Det", "If", "Demod"};
    QTest::newRow("device set is full") << DF << QStringList{"Dev", "Par"} << QStringList() << QStringList();
    QTest::newRow("device set lacking IF")
        << DF << QStringList{"Dev", "Par"} << QStringList{"If"} << QStringList{"If"};
    QTest::newRow("group") << DF << QStringList{"Dev", "Par", "Det"} << QStringList() << QStringList();
    QTest::newRow("emission") << DF << QStringList{"Dev", "Ems", "IndEm"} << QStringList()
                              << QStringList{"IndEmi"};
    QTest::newRow("emission's set") << DF << QStringList{"Dev", "Ems", "IndEm", "Par"} << QStringList()
                                    << QStringList{"SimGeneral", "SimMovement"};
    QTest::newRow("emitter's set") << VUHF << QStringList{"Dev", "Emi", "IndEmi", "Par"} << QStringList()
                                   << QStringList{"SimFrequency", "SimMovement"};
    QTest::newRow("movement's set") << DF << QStringList{"Dev", "Movs", "IndMov", "Par"} << QStringList()
                                    << QStringList{"SimGeneral", "SimFrequency"};
    QTest::newRow("frequency group with list")
        << DF << QStringList{"Dev", "Ems", "IndEm", "Par", "SimFrequency"} << QStringList() << QStringList();
    QTest::newRow("frequency group without list")
        << DF << QStringList{"Dev", "Ems", "IndEm", "Par", "SimFrequency"} << QStringList{"SimFreqListSuper"}
        << QStringList{"SimFreqListSuper"};
    QTest::newRow("emission list") << DF << QStringList{"Dev", "Ems",          "IndEm",
                                                        "Par", "SimFrequency", "SimFreqListSuper"}
                                   << QStringList() << QStringList{"SimFreqList"};
    QTest::newRow("breakpoints") << DF << QStringList{"Dev", "Movs",        "IndMov",
                                                      "Par", "SimMovement", "SimMovListSuper"}
                                 << QStringList() << QStringList{"SimMovList"};
}

void TestRules::creatable()
{
    QFETCH(int, type);
    QFETCH(QStringList, chain);
    QFETCH(QStringList, remove);
    QFETCH(QStringList, expected);

    auto pRoot = NewRoot();
    values::Node* pNode = Chain(type, pRoot.get(), chain);
    QVERIFY(pNode);
    for (const QString& sType : remove)
        pNode->DeleteItem(pNode->GetChildNode(Descriptor(sType)));
    values::IDynamicRules* pRules = Rules(type, pNode->GetValueDescriptor());
    QVERIFY(pRules);
    values::DescriptorList list{&g_vdNodeRoot}; // whatever was in it goes
    pRules->GetCreatableDescriptors(pNode, list);
    QCOMPARE(Names(list), expected);
    // What is offered can be made, and is then no longer offered when unique.
    for (const values::ValueDescriptor* pDescriptor : list)
    {
        QVERIFY2(pRules->IsAddAllowed(pNode, pDescriptor), qPrintable(pDescriptor->Name()));
        QVERIFY2(pRules->CreateChild(pNode, pDescriptor, nullptr), qPrintable(pDescriptor->Name()));
    }
    values::DescriptorList after;
    pRules->GetCreatableDescriptors(pNode, after);
    for (const values::ValueDescriptor* pDescriptor : list)
        QCOMPARE(std::count(after.begin(), after.end(), pDescriptor), pRules->IsUnique(pDescriptor) ? 0 : 1);
}

void TestRules::parameterRulesAskedAboutAnOwner_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("definition without set") << DF << QStringList{"Dev", "Dcd", "Dcs", "Fds", "Fd"}
                                            << QStringList{"Det", "DfSearch", "If", "Demod"};
    QTest::newRow("device with full set") << DF << QStringList{"Dev"} << QStringList();
    QTest::newRow("movement without set")
        << VUHF << QStringList{"Dev", "Movs"} << QStringList{"SimGeneral", "SimFrequency", "SimMovement"};
}

void TestRules::parameterRulesAskedAboutAnOwner()
{
    QFETCH(int, type);
    QFETCH(QStringList, chain);
    QFETCH(QStringList, expected);

    auto pRoot = NewRoot();
    values::Node* pOwner = Chain(type, pRoot.get(), chain);
    if (pOwner->GetValueDescriptor() == &g_vdNodeMovs) // an owner without its default set
    {
        pOwner = Rules(type, &g_vdNodeMovs)->CreateChild(pOwner, &g_vdNodeIndMov, nullptr);
        pOwner->DeleteItem(pOwner->GetChildNode(&g_vdNodePar));
    }
    values::DescriptorList list;
    Rules(type, &g_vdNodePar)->GetCreatableDescriptors(pOwner, list);
    QCOMPARE(Names(list), expected);
}

void TestRules::childDescriptors_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QStringList>("unique");

    QTest::newRow("root") << DF << "Root" << QStringList{"Dev"} << QStringList();
    QTest::newRow("job root") << DF << "JobRoot" << QStringList{"Dcd"} << QStringList{"Dcd"};
    QTest::newRow("device") << VUHF << "Dev" << QStringList{"Par", "Dcd", "Ems", "Emi", "Movs"}
                            << QStringList{"Par", "Dcd", "Ems", "Emi", "Movs"};
    QTest::newRow("control data") << DF << "Dcd" << QStringList{"Par", "Dcs"} << QStringList{"Par"};
    QTest::newRow("frequency list") << DF << "Fds" << QStringList{"Fd"} << QStringList();
    // Groups in the order the parameter editor shows them; DF settings stay visible on every type.
    const QStringList groups{"Det", "DfSearch", "If", "Demod", "SimGeneral", "SimFrequency", "SimMovement"};
    QTest::newRow("parameter set, DF") << DF << "Par" << groups << groups;
    QTest::newRow("parameter set, VUHF") << VUHF << "Par" << groups << groups;
    QTest::newRow("attribute child") << DF << "FdAttr" << QStringList() << QStringList();
    QTest::newRow("frequency group") << DF << "SimFrequency" << QStringList{"SimFreqListSuper"}
                                     << QStringList{"SimFreqListSuper"};
}

void TestRules::childDescriptors()
{
    QFETCH(int, type);
    QFETCH(QString, node);
    QFETCH(QStringList, children);
    QFETCH(QStringList, unique);

    values::IDynamicRules* pRules = Rules(type, Descriptor(node));
    QVERIFY(pRules);
    QCOMPARE(Names(pRules->GetChildDescriptors()), children);
    QStringList actualUnique;
    for (const values::ValueDescriptor* pDescriptor : AllDescriptors())
        if (pRules->IsUnique(pDescriptor))
            actualUnique << pDescriptor->Name();
    actualUnique.sort();
    unique.sort();
    QCOMPARE(actualUnique, unique);
}

void TestRules::createChild_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("signature");

    const QStringList fds{"Dev", "Dcd", "Dcs", "Fds"};
    QTest::newRow("VUHF device") << VUHF << QStringList() << "Dev"
                                 << "Dev[DevAttr,Par[Det,If,Demod],Dcd[DcdAttr,Dcs[DcsAttr,Fds]]]";
    QTest::newRow("DF device") << DF << QStringList() << "Dev"
                               << "Dev[DevAttr,Par[Det,DfSearch,If,Demod],Dcd[DcdAttr,Dcs[DcsAttr,Fds]]]";
    QTest::newRow("second control set") << DF << QStringList{"Dev", "Dcd"} << "Dcs"
                                        << "Dcs_1[DcsAttr,Fds]";
    QTest::newRow("frequency definition") << DF << fds << "Fd"
                                          << "Fd00000[FdAttr]";
    QTest::newRow("empty parameter set") << DF << fds + QStringList{"Fd"} << "Par"
                                         << "Par";
    QTest::newRow("detection") << DF << fds + QStringList{"Fd", "Par"} << "Det"
                               << "Det";
    QTest::newRow("emission") << DF << QStringList{"Dev", "Ems"} << "IndEm"
                              << "IndEm[Par[SimFrequency[SimFreqListSuper]]]";
    QTest::newRow("emitter of an emission") << DF << QStringList{"Dev", "Ems", "IndEm"} << "IndEmi"
                                            << "IndEmi[Par[SimGeneral]]";
    QTest::newRow("movement") << VUHF << QStringList{"Dev", "Movs"} << "IndMov"
                              << "IndMov[Par[SimMovement[SimMovListSuper]]]";
    QTest::newRow("emission entry") << DF << QStringList{"Dev", "Ems",          "IndEm",
                                                         "Par", "SimFrequency", "SimFreqListSuper"}
                                    << "SimFreqList"
                                    << "SimFreqList[SimFreqListAttr]";
    QTest::newRow("breakpoint") << DF << QStringList{"Dev", "Movs",        "IndMov",
                                                     "Par", "SimMovement", "SimMovListSuper"}
                                << "SimMovList"
                                << "SimMovList[SimMovListAttr]";
}

void TestRules::createChild()
{
    QFETCH(int, type);
    QFETCH(QStringList, chain);
    QFETCH(QString, child);
    QFETCH(QString, signature);

    auto pRoot = NewRoot();
    values::Node* pParent = Chain(type, pRoot.get(), chain);
    CodeCounter children(values::CC_CHILDREN);
    pParent->AddObserver(&children);
    values::Node* pChild =
        Rules(type, pParent->GetValueDescriptor())->CreateChild(pParent, Descriptor(child), nullptr);
    pParent->DeleteObserver(&children);

    QVERIFY(pChild);
    QCOMPARE(pChild->GetParentNode(), pParent);
    QCOMPARE(pChild->GetValueDescriptor(), Descriptor(child));
    QCOMPARE(Signature(pChild), signature);
    QCOMPARE(children.Count(), 1);
    // Nothing of the type's shape is missing, and every value stands at its default, except
    // the type values, which name the device type of the rules that made them.
    QCOMPARE(NodeFactory::CompleteTree(pChild), 0);
    std::vector<values::Node*> pending{pChild};
    int nValues = 0;
    while (!pending.empty())
    {
        values::Node* pNode = pending.back();
        pending.pop_back();
        for (values::TreeItem* pItem : pNode->GetTreeItems())
        {
            if (values::Node* pSub = pItem->AsNode())
            {
                pending.push_back(pSub);
                continue;
            }
            ++nValues;
            const values::ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
            auto* pValue = static_cast<values::ValueBase*>(pItem);
            if (pDescriptor == &g_vdDevType || pDescriptor == &g_vdDcdType)
            {
                QCOMPARE(static_cast<values::ValueSelection*>(pValue)->GetCurrentKey(), type);
                continue;
            }
            std::unique_ptr<values::TreeItem> pFresh(pDescriptor->CreateItem());
            QCOMPARE(pValue->GetAsString(), static_cast<values::ValueBase*>(pFresh.get())->GetAsString());
        }
    }
    QCOMPARE(nValues > 0, child != "Par");
}

void TestRules::createChildRefused_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<QString>("child");

    const QStringList fds{"Dev", "Dcd", "Dcs", "Fds"};
    QTest::newRow("definition outside a list") << DF << QStringList{"Dev", "Dcd", "Dcs"} << "Fd";
    QTest::newRow("device in a device") << DF << QStringList{"Dev"} << "Dev";
    QTest::newRow("second control data") << DF << QStringList{"Dev"} << "Dcd";
    QTest::newRow("second detection") << DF << QStringList{"Dev", "Par"} << "Det";
    QTest::newRow("DF search without direction finder")
        << VUHF << fds + QStringList{"Fd", "Par"} << "DfSearch";
    QTest::newRow("scenario group in a receiver set") << DF << QStringList{"Dev", "Par"} << "SimGeneral";
    QTest::newRow("receiver group in a scenario set")
        << DF << QStringList{"Dev", "Emi", "IndEmi", "Par"} << "Det";
    QTest::newRow("attribute child") << DF << fds + QStringList{"Fd"} << "FdAttr";
    QTest::newRow("unknown type") << DF << QStringList{"Dev"} << "<none>";
}

void TestRules::createChildRefused()
{
    QFETCH(int, type);
    QFETCH(QStringList, chain);
    QFETCH(QString, child);

    auto pRoot = NewRoot();
    values::Node* pParent = Chain(type, pRoot.get(), chain);
    const QString sBefore = Signature(pParent);
    CodeCounter children(values::CC_CHILDREN);
    pParent->AddObserver(&children);
    values::IDynamicRules* pRules = Rules(type, pParent->GetValueDescriptor());
    QVERIFY(!pRules->CreateChild(pParent, Descriptor(child), nullptr));
    pParent->DeleteObserver(&children);
    QCOMPARE(Signature(pParent), sBefore);
    QCOMPARE(children.Count(), 0);
    QVERIFY(!pRules->CreateChild(nullptr, Descriptor(child), nullptr));
}

void TestRules::createChildFillsABareUniqueNode()
{
    // A job panel makes "<offline node>/Dcd" by path and then asks the job root's rules for the job.
    auto pRoot = NewRoot();
    auto* pOffline = new values::Node(QStringLiteral("Offline"));
    pRoot->AddItem(pOffline);
    auto* pBare = new values::Node(QStringLiteral("Dcd"), &g_vdNodeDcd);
    pOffline->AddItem(pBare);
    CodeCounter children(values::CC_CHILDREN);
    pBare->AddObserver(&children);

    values::IDynamicRules* pRules = Rules(VUHF, &g_vdNodeJobRoot);
    QCOMPARE(pRules->CreateChild(pOffline, &g_vdNodeDcd, nullptr), pBare);
    pBare->DeleteObserver(&children);
    QCOMPARE(Signature(pOffline), QStringLiteral("Offline[Dcd[DcdAttr,Dcs[DcsAttr,Fds]]]"));
    QCOMPARE(children.Count(), 1);
    QCOMPARE(static_cast<values::ValueSelection*>(pBare->GetValue("DcdAttr/DcdType"))->GetCurrentKey(), VUHF);
    // Once it holds something it is a job of its own and stays as it is.
    QVERIFY(!pRules->CreateChild(pOffline, &g_vdNodeDcd, nullptr));
    QCOMPARE(pOffline->GetChildCount(), 1);
}

void TestRules::createChildRoutesListEntries_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("listExists");

    QTest::newRow("emission list present") << "SimFrequency"
                                           << "SimFreqListSuper"
                                           << "SimFreqList" << true;
    QTest::newRow("emission list missing") << "SimFrequency"
                                           << "SimFreqListSuper"
                                           << "SimFreqList" << false;
    QTest::newRow("breakpoints present") << "SimMovement"
                                         << "SimMovListSuper"
                                         << "SimMovList" << true;
    QTest::newRow("breakpoints missing") << "SimMovement"
                                         << "SimMovListSuper"
                                         << "SimMovList" << false;
}

void TestRules::createChildRoutesListEntries()
{
    QFETCH(QString, group);
    QFETCH(QString, list);
    QFETCH(QString, entry);
    QFETCH(bool, listExists);

    // The scenario tables ask the rules of the group to make entries of its list node.
    auto pRoot = NewRoot();
    values::Node* pGroup = Chain(DF, pRoot.get(), {"Dev", "Movs", "IndMov", "Par", group});
    if (!listExists)
        pGroup->DeleteItem(pGroup->GetChildNode(Descriptor(list)));
    CodeCounter listChanged(values::CC_CHILDREN);
    if (values::Node* pList = pGroup->GetChildNode(Descriptor(list)))
        pList->AddObserver(&listChanged);

    values::IDynamicRules* pRules = Rules(DF, pGroup->GetValueDescriptor());
    values::Node* pFirst = pRules->CreateChild(pGroup, Descriptor(entry), nullptr);
    values::Node* pSecond = pRules->CreateChild(pGroup, Descriptor(entry), nullptr);

    QVERIFY(pFirst && pSecond);
    values::Node* pList = pGroup->GetChildNode(Descriptor(list));
    QVERIFY(pList);
    QCOMPARE(pGroup->GetChildNodes(Descriptor(list)).size(), size_t(1));
    QCOMPARE(pFirst->GetParentNode(), pList);
    QCOMPARE(pSecond->GetParentNode(), pList);
    QCOMPARE(pList->GetChildNodes(Descriptor(entry)).size(), size_t(2));
    QCOMPARE(listChanged.Count(), listExists ? 2 : 0);
    if (listExists)
        pList->DeleteObserver(&listChanged);
    QVERIFY(!pRules->IsAddAllowed(pGroup, Descriptor(entry))); // never a direct child
}

void TestRules::addNode_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("target");
    QTest::addColumn<QString>("sibling"); // made in the target first
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // the name it gets; empty: refused

    const QStringList fds{"Dev", "Dcd", "Dcs", "Fds"};
    const QStringList none;
    QTest::newRow("second device renamed") << DF << none << "Dev"
                                           << "Dev"
                                           << "Dev"
                                           << "Dev_1";
    QTest::newRow("device keeps a free name") << DF << none << ""
                                              << "Dev"
                                              << "Station"
                                              << "Station";
    QTest::newRow("definition keeps a free number") << DF << fds << ""
                                                    << "Fd"
                                                    << "Fd00007"
                                                    << "Fd00007";
    QTest::newRow("definition renumbered on a clash") << DF << fds << "Fd"
                                                      << "Fd"
                                                      << "Fd00000"
                                                      << "Fd00001";
    QTest::newRow("definition named after its type") << DF << fds << ""
                                                     << "Fd"
                                                     << "Copy of X"
                                                     << "Fd00000";
    QTest::newRow("second unique group refused") << DF << QStringList{"Dev", "Par"} << ""
                                                 << "Det"
                                                 << "Det"
                                                 << "";
    QTest::newRow("group into a definition's set") << DF << fds + QStringList{"Fd", "Par"} << ""
                                                   << "DfSearch"
                                                   << "DfSearch"
                                                   << "DfSearch";
    QTest::newRow("DF search refused without direction finder")
        << VUHF << fds + QStringList{"Fd", "Par"} << ""
        << "DfSearch"
        << "DfSearch"
        << "";
    QTest::newRow("control set into a list refused") << DF << fds << ""
                                                     << "Dcs"
                                                     << "Dcs"
                                                     << "";
    QTest::newRow("scenario group into a receiver set") << DF << QStringList{"Dev", "Par"} << ""
                                                        << "SimMovement"
                                                        << "SimMovement"
                                                        << "";
    QTest::newRow("breakpoint") << DF << QStringList{"Dev", "Movs",        "IndMov",
                                                     "Par", "SimMovement", "SimMovListSuper"}
                                << "SimMovList"
                                << "SimMovList"
                                << "SimMovList"
                                << "SimMovList_1";
}

void TestRules::addNode()
{
    QFETCH(int, type);
    QFETCH(QStringList, target);
    QFETCH(QString, sibling);
    QFETCH(QString, node);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    auto pRoot = NewRoot();
    values::Node* pTarget = Chain(type, pRoot.get(), target);
    values::IDynamicRules* pRules = Rules(type, pTarget->GetValueDescriptor());
    if (!sibling.isEmpty())
        QVERIFY(pRules->CreateChild(pTarget, Descriptor(sibling), nullptr));
    const int nBefore = pTarget->GetChildCount();
    values::Node* pNode = NodeFactory::Build(Descriptor(node), name);
    DeletionWatch watch;
    pNode->AddObserver(&watch);

    values::Node* pAdded = pRules->AddNode(pTarget, pNode, nullptr);
    if (expected.isEmpty())
    {
        QVERIFY(!pAdded);
        QVERIFY(watch.bDeleted); // taken over and thrown away
        QCOMPARE(pTarget->GetChildCount(), nBefore);
        return;
    }
    QCOMPARE(pAdded, pNode);
    pNode->DeleteObserver(&watch);
    QCOMPARE(pAdded->GetParentNode(), pTarget);
    QCOMPARE(pAdded->GetName(), expected);
    QCOMPARE(pTarget->GetChildCount(), nBefore + 1);
}

void TestRules::addNodeCompletesAndMoves()
{
    auto pRoot = NewRoot();
    values::Node* pFdsA = Chain(DF, pRoot.get(), {"Dev", "Dcd", "Dcs", "Fds"});
    values::Node* pFdsB = Rules(DF, &g_vdNodeDcs)->CreateChild(pFdsA->GetParentNode(), &g_vdNodeFds, nullptr);
    values::IDynamicRules* pRules = Rules(DF, &g_vdNodeFds);

    // A definition from another program without its attributes gets them at their defaults.
    auto* pBare = new values::Node(QStringLiteral("Fd00003"), &g_vdNodeFd);
    QCOMPARE(pRules->AddNode(pFdsA, pBare, nullptr), pBare);
    values::Node* pAttr = pBare->GetChildNode(&g_vdNodeFdAttr);
    QVERIFY(pAttr);
    QCOMPARE(pAttr->GetChildCount(), 4);
    QVERIFY(pAttr->GetChildValue(&g_vdFStart));

    // A node that stands elsewhere moves.
    QCOMPARE(pRules->AddNode(pFdsB, pBare, nullptr), pBare);
    QCOMPARE(pBare->GetParentNode(), pFdsB);
    QCOMPARE(pFdsA->GetChildCount(), 0);
}

void TestRules::addNodeRefusesAnAncestorOfTheTarget()
{
    auto pRoot = NewRoot();
    values::Node* pDcs = Chain(DF, pRoot.get(), {"Dev", "Dcd", "Dcs"});
    values::Node* pDcd = pDcs->GetParentNode();
    const QString sBefore = Signature(pRoot.get());
    // Adding a node into its own subtree (or to itself) would cut it off the tree: refused,
    // and the node stays where it is.
    QVERIFY(!Rules(DF, &g_vdNodeFds)->AddNode(pDcs->GetChildNode(&g_vdNodeFds), pDcs, nullptr));
    QVERIFY(!Rules(DF, &g_vdNodeDcd)->AddNode(pDcd, pDcd, nullptr));
    QCOMPARE(pDcs->GetParentNode(), pDcd);
    QCOMPARE(Signature(pRoot.get()), sBefore);
}

void TestRules::numberedNamesFollowTheList()
{
    auto pRoot = NewRoot();
    values::Node* pFds = Chain(DF, pRoot.get(), {"Dev", "Dcd", "Dcs", "Fds"});
    values::IDynamicRules* pRules = Rules(DF, &g_vdNodeFds);
    QStringList names;
    for (int n = 0; n < 3; ++n)
        names << pRules->CreateChild(pFds, &g_vdNodeFd, nullptr)->GetName();
    QCOMPARE(names, (QStringList{"Fd00000", "Fd00001", "Fd00002"}));
    // After a deletion the next number is still free and unique.
    pFds->DeleteItem(pFds->GetChildNode(QStringLiteral("Fd00000")));
    QCOMPARE(pRules->CreateChild(pFds, &g_vdNodeFd, nullptr)->GetName(), QStringLiteral("Fd00003"));
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
