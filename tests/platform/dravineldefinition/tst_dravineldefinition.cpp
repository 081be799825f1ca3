// The standard device definition: names, value and device types, rules, the sample tree, look-ups.

#include "common/datarow.h"
#include "common/recordingobserver.h"
#include "dravineldefinition/dravineldefinition.h"
#include "dravineldefinition/nodefactory.h"
#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valueselection.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <cmath>

using namespace DravinelDefinition;
using values::ValueDescriptor;

Q_DECLARE_METATYPE(const values::ValueDescriptor*)

// Read while this test's own globals are initialised: the names must already hold their text.
static const QString s_sPathAtStartUp = C::g_sSLASH + C::g_sDev + C::g_sSLASH + C::g_sDcd;

namespace
{
const int VUHF = DEVICETYPE_VUHF_RECEIVER;
const int DF = DEVICETYPE_DF_RECEIVER;
const QString c_sFds = "Dev Dcd Dcs Fds ";

DeviceDefinitionCenter& Center()
{
    return DeviceDefinitionCenter::Instance();
}

const ValueDescriptor* Descriptor(const QString& sName)
{
    return ValueDescriptor::Find(sName);
}

values::IDynamicRules* Rules(int nType, const ValueDescriptor* pDescriptor)
{
    IDeviceDefinition* pDefinition = Center().GetDeviceDefinition(nType);
    return pDefinition ? pDefinition->GetRulesMap().Find(pDescriptor) : nullptr;
}

// "a b c" as a list; keeps the data rows on one line.
QStringList L(const QString& s)
{
    return s.split(' ', Qt::SkipEmptyParts);
}

QStringList Names(const values::DescriptorList& list)
{
    QStringList names;
    for (const ValueDescriptor* pDescriptor : list)
        names << pDescriptor->Name();
    return names;
}

// "Name[Child,Child[...]]": the node and its child nodes, recursively; values left out.
QString Signature(const values::Node* pNode)
{
    QStringList children;
    for (values::TreeItem* pItem : pNode->GetTreeItems())
        if (values::Node* pChild = pItem->AsNode())
            children << Signature(pChild);
    return children.isEmpty() ? pNode->GetName() : pNode->GetName() + '[' + children.join(',') + ']';
}

// Walks the chain of types below pRoot ("..": up), making what is missing through the rules of nType.
values::Node* Chain(int nType, values::Node* pRoot, const QStringList& listTypes)
{
    values::Node* pNode = pRoot;
    for (int n = 0; pNode && n < listTypes.size(); ++n)
    {
        const QString& s = listTypes.at(n);
        values::Node* pChild = s == ".." ? pNode->GetParentNode() : pNode->GetChildNode(Descriptor(s));
        values::IDynamicRules* pRules = Rules(nType, pNode->GetValueDescriptor());
        pNode = pChild ? pChild : pRules ? pRules->CreateChild(pNode, Descriptor(s), nullptr) : nullptr;
    }
    return pNode;
}

// Calls fn(parent, node) for every node below pNode, depth first.
void Walk(values::Node* pNode, const std::function<void(values::Node*, values::Node*)>& fn)
{
    for (values::TreeItem* pItem : pNode->GetTreeItems())
        if (values::Node* pChild = pItem->AsNode())
        {
            fn(pNode, pChild);
            Walk(pChild, fn);
        }
}

int Key(values::TreeItem* pItem)
{
    auto* pSelection = dynamic_cast<values::ValueSelection*>(pItem);
    return pSelection ? pSelection->GetCurrentKey() : -2;
}

// The child-list changes the observer was told of.
int Children(const RecordingObserver& observer)
{
    return observer.Codes().count(values::CC_CHILDREN);
}
} // namespace

class TestDravinelDefinition : public QObject
{
    Q_OBJECT

private slots:
    void attributeKeys()
    {
        QCOMPARE(s_sPathAtStartUp, QStringLiteral("/Dev/Dcd"));
        const QStringList& keys = C::AttributeKeys();
        QCOMPARE(C::AttributeKeyIdentifiers().size(), keys.size());
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        // Names are path segments: no separators, blanks or digits that a numbered copy would add.
        for (const QString& sKey : keys)
            QVERIFY2(QRegularExpression("^[A-Za-z][A-Za-z0-9]*$").match(sKey).hasMatch(), qPrintable(sKey));
    }

    void descriptor_data()
    {
        QTest::addColumn<const ValueDescriptor*>("descriptor");
        for (const ValueDescriptor* pDescriptor : AllDescriptors())
            Row(qPrintable(pDescriptor->Name()), pDescriptor);
    }

    void descriptor()
    {
        QFETCH(const ValueDescriptor*, descriptor);
        const ValueDescriptor& d = *descriptor;
        QCOMPARE(ValueDescriptor::Find(d.Name()), descriptor); // names are unique
        QVERIFY(!d.Tip().isEmpty() && d.PathName().startsWith(C::g_sSLASH));
        // Items are named as the type; every segment of the path is a name of the device tree.
        QCOMPARE(d.DefaultItemName(), d.Name());
        QSet<QString> names(C::AttributeKeys().begin(), C::AttributeKeys().end());
        names << C::g_sRoot << C::g_sJobRoot << C::g_sGenDecoder << C::g_sGenHeight;
        const QStringList segments = d.PathName().split(C::g_sSLASH, Qt::SkipEmptyParts) << d.Name();
        for (const QString& sSegment : segments)
            QVERIFY2(names.contains(sSegment), qPrintable(sSegment));
        if (d.IsNode())
            QCOMPARE(ValueDescriptor::FindNodeByItemName(d.DefaultItemName()), descriptor);
        // Every item of a shape is reached by its path from the node (a job's values from its device).
        if (const NodeShape* pShape = NodeFactory::FindShape(descriptor))
        {
            values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
            values::Node* pDev = Chain(DF, &root, {"Dev"});
            values::Node* pNode = root.AddItemUnique(NodeFactory::Build(descriptor))->AsNode();
            values::Node* pHolder = descriptor == &g_vdNodeDcd ? pDev : pNode;
            auto reaches = [](values::Node* pFrom, const ValueDescriptor* p)
            {
                return pFrom->GetItem(p->PathName().mid(1)) &&
                       pFrom->GetItem(p->PathName().mid(1))->GetValueDescriptor() == p;
            };
            for (const auto* pList : {&pShape->vecAttrValues, &pShape->vecValues, &pShape->vecChildren})
                for (const ValueDescriptor* p : *pList)
                    QVERIFY2(reaches(pList == &pShape->vecChildren ? pNode : pHolder, p),
                             qPrintable(p->Name()));
            QVERIFY(reaches(pDev, &g_vdNodeIf) && (!pShape->pAttr || reaches(pHolder, pShape->pAttr)));
        }
        if (d.GetKind() == ValueDescriptor::KIND_INT || d.GetKind() == ValueDescriptor::KIND_DOUBLE)
        {
            const double dDefault = d.Default().toDouble();
            QVERIFY(d.Minimum() <= dDefault && dDefault <= d.Maximum() && d.Minimum() < d.Maximum());
            QVERIFY(d.Step() > 0.0 && d.Step() <= d.Maximum() - d.Minimum());
        }
        if (d.GetKind() != ValueDescriptor::KIND_SELECTION)
            return;
        // Keys and texts distinct, the default among them; values rising for closest-value selection.
        std::unique_ptr<values::TreeItem> pItem(d.CreateItem());
        QCOMPARE(Key(pItem.get()), d.Default().toInt());
        const QString sDefault = static_cast<values::ValueBase*>(pItem.get())->GetAsString();
        QSet<int> keys;
        QStringList texts;
        double dLast = -1.0;
        for (const values::SelectionItem& item : d.SelectionItems())
        {
            QVERIFY(!item.GetName().isEmpty() && item.GetValue() > dLast);
            QVERIFY(d.Unit() != values::g_sHz || item.GetKey() == int(std::lround(item.GetValue())));
            keys << item.GetKey();
            texts << item.GetName();
            dLast = item.GetValue();
        }
        QVERIFY(keys.size() >= 2 && keys.contains(d.Default().toInt()));
        QCOMPARE(keys.size(), int(d.SelectionItems().size()));
        QVERIFY(texts.removeDuplicates() == 0 && texts.contains(sDefault));
    }

    void deviceTypes()
    {
        const int nDefault = Center().GetDefaultDevice();
        const values::ValueSelection& types = Center().GetDeviceTypes();
        // The default takes known types only, -1 asks for it; the selection follows it.
        QVERIFY(Center().SetDefaultDevice(DF));
        for (int n : {7, 0, -1})
            QVERIFY(!Center().SetDefaultDevice(n) && !Center().GetDeviceDefinition(n == -1 ? 7 : n));
        QCOMPARE(Center().GetDefaultDevice(), DF);
        QCOMPARE(types.GetCurrentKey(), DF);
        QVERIFY(Center().SetDefaultDevice(VUHF));
        QCOMPARE(types.GetCurrentKey(), VUHF);
        QCOMPARE(Center().GetDeviceDefinition(-1), Center().GetDeviceDefinition(VUHF));
        Center().SetDefaultDevice(nDefault);
    }

    void controlDataComesAndGoes()
    {
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pDcd = Chain(VUHF, &root, {"Dev", "Dcd"});
        IDeviceDefinition* pDefinition = Center().GetDeviceDefinition(VUHF);
        QVERIFY(!pDefinition->CreateControlData(nullptr));
        ControlData* pFirst = pDefinition->CreateControlData(pDcd);
        QVERIFY(pFirst && pFirst->GetNode() == pDcd);
        QCOMPARE(pFirst->GetJobDeviceType(), VUHF);
        pDefinition->SetControlData(pFirst);
        QCOMPARE(pDefinition->GetControlData(), pFirst);
        // One of another definition is refused.
        std::unique_ptr<ControlData> pForeign(Center().GetDeviceDefinition(DF)->CreateControlData(pDcd));
        pDefinition->SetControlData(pForeign.get());
        QCOMPARE(pDefinition->GetControlData(), pFirst);
        // A second item takes over; the first one leaving does not disturb it.
        std::unique_ptr<ControlData> pSecond(pDefinition->CreateControlData(pDcd));
        pDefinition->SetControlData(pSecond.get());
        delete pFirst;
        QCOMPARE(pDefinition->GetControlData(), pSecond.get());
        QCOMPARE(pDcd->CountObservers(), 2);
        // It forgets its node when the node is deleted, and leaves when deleted itself.
        pDcd->GetParentNode()->DeleteItem(pDcd);
        QVERIFY(!pSecond->GetNode() && !pForeign->GetNode());
        QCOMPARE(pSecond->GetJobDeviceType(), -1);
        QCOMPARE(pDefinition->Prepare(true), 0); // nothing to work on
        pSecond.reset();
        QVERIFY(!pDefinition->GetControlData());
        QCOMPARE(pDefinition->Prepare(true), 0);
    }

    void prepare_data()
    {
        QTest::addColumn<QStringList>("remove"); // paths below the VUHF job
        QTest::addColumn<int>("repairs");
        QTest::addColumn<int>("traceLevel"); // -1: traces on, no reports asked
        QTest::addColumn<double>("start");   // of the first definition, Hz
        QTest::addColumn<int>("outside");    // definitions traced as outside the device range
        auto row = [](const char* n, const char* r, int nRepairs, int nLevel, double dStart, int nOut)
        { Row(n, L(r), nRepairs, nLevel, dStart, nOut); };
        const int T = ErrorHandler::LEVEL_TRACE;
        const char* pszName = "Dcs/Fds/Fd00003/FdAttr/FName";
        row("complete job", "", 0, T, 446e6, 0);
        row("definition without attributes", "Dcs/Fds/Fd00000/FdAttr", 5, T, 446e6, 0);
        row("job without attributes", "DcdAttr", 6, T, 446e6, 0);
        row("below the receiver", "", 0, T, 9e6, 1);
        row("above the receiver", pszName, 1, T, 5e9, 1);
        row("no reports asked", pszName, 1, -1, 5e9, 0);
    }

    void prepare()
    {
        QFETCH(QStringList, remove);
        QFETCH(int, repairs);
        QFETCH(int, traceLevel);
        QFETCH(double, start);
        QFETCH(int, outside);
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pDcd = SampleData::Fill(&root).at(1)->GetChildNode(&g_vdNodeDcd);
        QVERIFY(pDcd->GetValue("Dcs/Fds/Fd00000/FdAttr/FStart")->SetNumber(start));
        const QString sFdPath = pDcd->GetNode("Dcs/Fds/Fd00000")->GetPathName();
        for (const QString& sPath : remove)
            delete pDcd->GetItem(sPath);
        const QString sBefore = Signature(pDcd);
        IDeviceDefinition* pDefinition = Center().GetDeviceDefinition(VUHF);
        std::unique_ptr<ControlData> pControlData(pDefinition->CreateControlData(pDcd));
        pDefinition->SetControlData(pControlData.get());

        ErrorHandler* pHandler = ErrorHandler::Instance();
        const int nLevel = pHandler->GetLevel();
        QStringList texts;
        auto oldSink = pHandler->SetSink([&texts](const ErrorHandler::Report& r) { texts << r.sText; });
        pHandler->SetLevel(traceLevel == -1 ? int(ErrorHandler::LEVEL_TRACE) : traceLevel);
        RecordingObserver watch(QStringLiteral("job"));
        watch.Observe(pDcd);
        const int nRepairs = pDefinition->Prepare(traceLevel != -1);
        pHandler->SetLevel(nLevel);
        pHandler->SetSink(oldSink);

        QCOMPARE(nRepairs, repairs);
        for (const QString& sPath : remove)
            QVERIFY2(pDcd->GetItem(sPath), qPrintable(sPath));
        QVERIFY(repairs || Signature(pDcd) == sBefore);
        QCOMPARE(Children(watch), remove.contains("DcdAttr") ? 1 : 0); // one batch
        QCOMPARE(texts.filter("Added missing").size(), traceLevel > 0 ? repairs : 0);
        QCOMPARE(texts.filter("outside the device range").size(), outside);
        QVERIFY(!outside || texts.filter("outside").first().contains(sFdPath));
        QCOMPARE(pDefinition->Prepare(false), 0); // a second call finds it done
    }

    void offerAndCreate_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QStringList>("remove");  // child types deleted first
        QTest::addColumn<QStringList>("offered"); // "owner:" rows ask the rules of parameter sets
        QTest::addColumn<QString>("child");
        QTest::addColumn<QString>("made"); // its signature; empty: refused
        auto row = [](const char* n, int t, const QString& c, const char* r, const char* o, const char* ch,
                      const QString& m) { Row(n, t, L(c), L(r), L(o), QString(ch), m); };
        const QString sFd = c_sFds + "Fd";
        const QString sFreq = "Dev Ems IndEm Par SimFrequency";
        row("root", DF, "", "", "Dev", "Dev",
            "Dev[DevAttr,Par[Det,DfSearch,If,Demod],Dcd[DcdAttr,Dcs[DcsAttr,Fds]]]");
        row("device: second job", VUHF, "Dev", "", "Ems Emi Movs", "Dcd", "");
        row("device without parameter set", DF, "Dev", "Par", "Par Ems Emi Movs", "Movs", "Movs");
        row("control data", DF, "Dev Dcd", "", "Par Dcs", "Dcs", "Dcs_1[DcsAttr,Fds]");
        row("frequency list", DF, c_sFds, "", "Fd", "Fd", "Fd00000[FdAttr]");
        row("definition", DF, sFd, "", "Par", "Par", "Par");
        row("definition's set", DF, sFd + " Par", "", "Det DfSearch If Demod", "DfSearch", "DfSearch");
        row("definition's set, VUHF: DF search", VUHF, sFd + " Par", "", "Det If Demod", "DfSearch", "");
        row("device set lacking IF: second detection", DF, "Dev Par", "If", "If", "Det", "");
        row("emissions", DF, "Dev Ems", "", "IndEm", "IndEm", "IndEm[Par[SimFrequency[SimFreqListSuper]]]");
        row("scenario set: receiver group", DF, "Dev Ems IndEm Par", "", "SimGeneral SimMovement", "Det", "");
        row("frequency group without list", DF, sFreq, "SimFreqListSuper", "SimFreqListSuper", "", "");
        row("owner: definition without set", DF, sFd, "", "Det DfSearch If Demod", "", "");
        row("owner: movement", VUHF, "Dev Movs IndMov", "Par", "SimGeneral SimFrequency SimMovement", "", "");
    }

    void offerAndCreate()
    {
        QFETCH(int, type);
        QFETCH(QStringList, chain);
        QFETCH(QStringList, remove);
        QFETCH(QStringList, offered);
        QFETCH(QString, child);
        QFETCH(QString, made);
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pNode = Chain(type, &root, chain);
        QVERIFY(pNode);
        for (const QString& sType : remove)
            pNode->DeleteItem(pNode->GetChildNode(Descriptor(sType)));
        const bool bOwnerAsked = QString(QTest::currentDataTag()).startsWith("owner:");
        values::IDynamicRules* pRules = Rules(type, bOwnerAsked ? &g_vdNodePar : pNode->GetValueDescriptor());
        values::DescriptorList list{&g_vdNodeRoot}; // whatever was in it goes
        pRules->GetCreatableDescriptors(pNode, list);
        QCOMPARE(Names(list), offered);
        if (bOwnerAsked)
            return;
        const QString sBefore = Signature(pNode);
        RecordingObserver watch(QStringLiteral("node"));
        watch.Observe(pNode);
        values::Node* pChild = pRules->CreateChild(pNode, Descriptor(child), nullptr); // none for no child
        QCOMPARE(Children(watch), made.isEmpty() ? 0 : 1);
        QVERIFY(!pRules->CreateChild(nullptr, Descriptor(child), nullptr));
        QCOMPARE(pChild ? Signature(pChild) : Signature(pNode), made.isEmpty() ? sBefore : made);
        // Where it belongs, and nothing of the type's shape is missing.
        QVERIFY(!pChild ||
                (pChild->GetParentNode() == pNode && pChild->GetValueDescriptor() == Descriptor(child) &&
                 NodeFactory::CompleteTree(pChild) == 0));
        // What is offered can be made, and is then no longer offered when unique.
        for (const ValueDescriptor* p : list)
            QVERIFY2(pRules->IsAddAllowed(pNode, p) &&
                         (p == Descriptor(child) || pRules->CreateChild(pNode, p, nullptr)),
                     qPrintable(p->Name()));
        values::DescriptorList after;
        pRules->GetCreatableDescriptors(pNode, after);
        for (const ValueDescriptor* p : list)
            QCOMPARE(std::count(after.begin(), after.end(), p), pRules->IsUnique(p) ? 0 : 1);
    }

    void createChildFillsABareUniqueNode()
    {
        // A job panel makes "<offline node>/Dcd" by path and then asks the job root's rules for the job.
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pOffline = root.AddNode(QStringLiteral("Offline"));
        values::Node* pBare = pOffline->AddNode(QStringLiteral("Dcd")); // typed by its name
        RecordingObserver watch(QStringLiteral("job"));
        watch.Observe(pBare);
        values::IDynamicRules* pRules = Rules(VUHF, &g_vdNodeJobRoot);
        QCOMPARE(pRules->CreateChild(pOffline, &g_vdNodeDcd, nullptr), pBare);
        QCOMPARE(Children(watch), 1);
        QCOMPARE(Signature(pOffline), QStringLiteral("Offline[Dcd[DcdAttr,Dcs[DcsAttr,Fds]]]"));
        QCOMPARE(Key(pBare->GetValue("DcdAttr/DcdType")), VUHF);
        // Once it holds something it is a job of its own and stays as it is.
        QVERIFY(!pRules->CreateChild(pOffline, &g_vdNodeDcd, nullptr));
        QCOMPARE(pOffline->GetChildCount(), 1);
    }

    void createChildRoutesListEntries_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("listExists");
        Row("emission list present", "SimFrequency", true);
        Row("breakpoints missing", "SimMovement", false);
    }

    void createChildRoutesListEntries()
    {
        QFETCH(QString, group);
        QFETCH(bool, listExists);
        // The scenario tables ask the rules of the group to make entries of its list node.
        const ValueDescriptor* pEntry = group == "SimFrequency" ? &g_vdNodeSimFreqList : &g_vdNodeSimMovList;
        const ValueDescriptor* pListType = Descriptor(pEntry->Name() + "Super");
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pGroup = Chain(DF, &root, {"Dev", "Movs", "IndMov", "Par", group});
        if (!listExists)
            pGroup->DeleteItem(pGroup->GetChildNode(pListType));
        RecordingObserver watch(QStringLiteral("list"));
        if (listExists)
            watch.Observe(pGroup->GetChildNode(pListType));
        values::IDynamicRules* pRules = Rules(DF, pGroup->GetValueDescriptor());
        values::Node* pFirst = pRules->CreateChild(pGroup, pEntry, nullptr);
        values::Node* pSecond = pRules->CreateChild(pGroup, pEntry, nullptr);
        values::Node* pList = pGroup->GetChildNode(pListType);
        QVERIFY(pFirst && pSecond && pList);
        QCOMPARE(pGroup->GetChildNodes(pListType).size(), size_t(1));
        QVERIFY(pFirst->GetParentNode() == pList && pSecond->GetParentNode() == pList);
        QCOMPARE(pList->GetChildNodes(pEntry).size(), size_t(2));
        QCOMPARE(Children(watch), listExists ? 2 : 0);
        QVERIFY(!pRules->IsAddAllowed(pGroup, pEntry)); // never a direct child
    }

    void addNode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("target");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // the name it gets; empty: refused
        auto row = [](const char* r, int t, const QString& g, const char* n, const char* name, const char* e)
        { Row(r, t, L(g), QString(n), QString(name), QString(e)); };
        row("second device renamed", DF, "Dev ..", "Dev", "Dev", "Dev_1");
        row("definition keeps a free number", DF, c_sFds, "Fd", "Fd00007", "Fd00007");
        row("definition renumbered on a clash", DF, c_sFds + "Fd ..", "Fd", "Fd00000", "Fd00001");
        row("second unique group refused", DF, "Dev Par", "Det", "Det", "");
        row("DF search refused on VUHF", VUHF, c_sFds + "Fd Par", "DfSearch", "DfSearch", "");
        row("control set into a list refused", DF, c_sFds, "Dcs", "Dcs", "");
    }

    void addNode()
    {
        QFETCH(int, type);
        QFETCH(QStringList, target);
        QFETCH(QString, node);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pTarget = Chain(type, &root, target);
        const int nBefore = pTarget->GetChildCount();
        values::Node* pNode = NodeFactory::Build(Descriptor(node), name);
        RecordingObserver watch(QStringLiteral("node"));
        watch.Observe(pNode);
        values::Node* pAdded = Rules(type, pTarget->GetValueDescriptor())->AddNode(pTarget, pNode, nullptr);
        QCOMPARE(watch.Codes().contains(values::CC_DELETING), expected.isEmpty()); // refused: thrown away
        QCOMPARE(pTarget->GetChildCount(), nBefore + (expected.isEmpty() ? 0 : 1));
        QCOMPARE(pAdded, expected.isEmpty() ? nullptr : pNode);
        if (expected.isEmpty())
            return;
        QCOMPARE(pAdded->GetParentNode(), pTarget);
        QCOMPARE(pAdded->GetName(), expected);
    }

    void listsOfDefinitions()
    {
        values::Node root(QStringLiteral("Root"), &g_vdNodeRoot);
        values::Node* pFdsA = Chain(DF, &root, L(c_sFds));
        values::Node* pDcs = pFdsA->GetParentNode();
        values::Node* pFdsB = Rules(DF, &g_vdNodeDcs)->CreateChild(pDcs, &g_vdNodeFds, nullptr);
        values::IDynamicRules* pRules = Rules(DF, &g_vdNodeFds);
        QStringList names;
        for (int n = 0; n < 3; ++n)
            names << pRules->CreateChild(pFdsA, &g_vdNodeFd, nullptr)->GetName();
        QCOMPARE(names, L("Fd00000 Fd00001 Fd00002"));
        // After a deletion the next number is still free and unique.
        pFdsA->DeleteItem(pFdsA->GetChildNode(QStringLiteral("Fd00000")));
        QCOMPARE(pRules->CreateChild(pFdsA, &g_vdNodeFd, nullptr)->GetName(), QStringLiteral("Fd00003"));
        // A definition from another program without its attributes gets them at their defaults.
        auto* pBare = new values::Node(QStringLiteral("Fd00009"), &g_vdNodeFd);
        QCOMPARE(pRules->AddNode(pFdsA, pBare, nullptr), pBare);
        values::Node* pAttr = pBare->GetChildNode(&g_vdNodeFdAttr);
        QVERIFY(pAttr && pAttr->GetChildValue(&g_vdFStart) && pAttr->GetChildCount() == 4);
        // A node that stands elsewhere moves.
        QCOMPARE(pRules->AddNode(pFdsB, pBare, nullptr), pBare);
        QVERIFY(pBare->GetParentNode() == pFdsB && pFdsA->GetChildCount() == 3);
        // Adding a node into its own subtree (or to itself) would cut it off the tree: refused, no change.
        const QString sBefore = Signature(&root);
        QVERIFY(!pRules->AddNode(pFdsA, pDcs, nullptr));
        QVERIFY(!Rules(DF, &g_vdNodeDcd)->AddNode(pDcs->GetParentNode(), pDcs->GetParentNode(), nullptr));
        QCOMPARE(Signature(&root), sBefore);
    }

    void sampleDevicesFollowTheRulesOfTheirType()
    {
        QVERIFY(SampleData::Fill(nullptr).empty());
        values::Node root(QStringLiteral("Root")); // the sample gives it its type
        RecordingObserver watch(QStringLiteral("root"));
        watch.Observe(&root);
        const std::vector<values::Node*> devices = SampleData::Fill(&root);
        QCOMPARE(Children(watch), 1); // one batch
        QCOMPARE(root.GetValueDescriptor(), &g_vdNodeRoot);
        QCOMPARE(devices.size(), size_t(2));
        for (const int nType : {DF, VUHF}) // in this order
        {
            values::Node* pDev = devices.at(nType == DF ? 0 : 1);
            QCOMPARE(pDev->GetParentNode(), &root);
            QCOMPARE(Key(pDev->GetValue("DevAttr/DevType")), nType);
            QCOMPARE(Key(pDev->GetValue("Dcd/DcdAttr/DcdType")), nType);
            QCOMPARE(NodeFactory::CompleteTree(pDev), 0); // nothing of any node's shape is missing
            // Every node has rules, may stand where it stands, unique ones alone; definitions in range.
            IDeviceDefinition* pDefinition = Center().GetDeviceDefinition(nType);
            QStringList wrong;
            QMap<QString, int> count; // node types, and kinds of definitions
            Walk(pDev,
                 [&](values::Node* pParent, values::Node* pNode)
                 {
                     const ValueDescriptor* pType = pNode->GetValueDescriptor();
                     values::IDynamicRules* pRules = Rules(nType, pParent->GetValueDescriptor());
                     const NodeShape* pShape = NodeFactory::FindShape(pParent->GetValueDescriptor());
                     ++count[pType->Name()];
                     const bool bFixed =
                         pShape && (pType == pShape->pAttr || std::count(pShape->vecChildren.begin(),
                                                                         pShape->vecChildren.end(), pType));
                     if (!pRules || !Rules(nType, pType) ||
                         !(bFixed || pRules->IsAddAllowed(pParent, pType)) ||
                         (pRules->IsUnique(pType) && pParent->GetChildNodes(pType).size() != 1))
                         wrong << pNode->GetPathName();
                     if (pType != &g_vdNodeFd)
                         return;
                     const double dStart = pNode->GetValue("FdAttr/FStart")->GetNumber();
                     const double dStop = pNode->GetValue("FdAttr/FStop")->GetNumber();
                     if (dStart < pDefinition->GetMinFrequency() || dStart > dStop ||
                         dStop > pDefinition->GetMaxFrequency())
                         wrong << pNode->GetPathName();
                     ++count[dStart == dStop ? "single" : "range"];
                     count["suppressed"] += pNode->GetValue("FdAttr/FSupp")->GetAsString() == "true" ? 1 : 0;
                     count["own"] += pNode->GetChildNode(&g_vdNodePar) ? 1 : 0;
                 });
            QCOMPARE(wrong, QStringList());
            // Sets of singles and ranges, one suppressed; the DF receiver's scenario of emissions with
            // lists, emitters and a movement along breakpoints.
            QStringList actual;
            for (const QString& s : L("Dcs single range suppressed own IndEm IndEmi SimFreqList SimMovList"))
                actual << QString::number(count.value(s));
            QCOMPARE(actual.join(' '), QString(nType == DF ? "2 4 3 1 2 2 3 6 12" : "1 2 2 1 1 0 0 0 0"));
        }
    }

    void parameterSetLookUp_data()
    {
        QTest::addColumn<QString>("node"); // below the DF receiver; "" the device itself
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");   // path below the device; "-" none
        QTest::addColumn<QStringList>("remove"); // parameter sets removed first
        auto row = [](const char* n, const QString& node, const char* g, const QString& e, const char* r = "")
        { Row(n, node, QString(g), e, L(r)); };
        const QString air = "Dcd/Dcs/Fds/";
        const QString sea = "Dcd/Dcs_1/Fds/";
        row("own demodulation", air + "Fd00001", "Demod", air + "Fd00001/Par/Demod");
        row("DF search of the device", air + "Fd00000", "DfSearch", "Par/DfSearch");
        row("own detection before the job's", sea + "Fd00001", "Det", sea + "Fd00001/Par/Det");
        row("inherited parameter set", air + "Fd00000", "Par", "Dcd/Par");
        row("job set gone: device detection", air + "Fd00000", "Det", "Par/Det", "Dcd/Par");
        row("none left", air + "Fd00000", "Det", "-", "Dcd/Par Par");
        row("group looks past its own set", air + "Fd00001/Par/Demod", "Demod", air + "Fd00001/Par/Demod");
        row("emitter: emission's group", "Ems/IndEm/IndEmi", "SimFrequency", "Ems/IndEm/Par/SimFrequency");
    }

    void parameterSetLookUp()
    {
        QFETCH(QString, node);
        QFETCH(QString, group);
        QFETCH(QString, expected);
        QFETCH(QStringList, remove);
        values::Node root(QStringLiteral("Root"));
        values::Node* pDev = SampleData::Fill(&root).at(0);
        for (const QString& sPath : remove)
            delete pDev->GetNode(sPath);
        values::Node* pNode = node.isEmpty() ? pDev : pDev->GetNode(node);
        values::Node* pExpected = expected == "-" ? nullptr : pDev->GetNode(expected);
        QVERIFY(pNode && (pExpected || expected == "-"));
        QCOMPARE(DravinelTree::GetAncestorParameterSet(Descriptor(group), pNode), pExpected);
        QCOMPARE(DravinelTree::GetParameterSetForFd(Descriptor(group), pNode), pExpected);
    }

    void groupBuilder()
    {
        values::Node root(QStringLiteral("Root"));
        values::Node* pDev = SampleData::Fill(&root).at(1); // the VUHF receiver: no DF search of its own
        values::Node* pSet = pDev->GetChildNode(&g_vdNodePar);
        values::Node* pDet = pSet->GetChildNode(&g_vdNodeDet);
        QCOMPARE(DravinelTree::Det.InsertChild(pSet), pDet); // the existing one
        // A new one, whatever the device type, with all its values; only parameter sets take groups.
        const int nBefore = pSet->GetChildCount();
        values::Node* pGroup = DravinelTree::DfSearch.InsertChild(pSet);
        QVERIFY(pGroup && pGroup->GetParentNode() == pSet &&
                pGroup->GetValueDescriptor() == &g_vdNodeDfSearch);
        QCOMPARE(pSet->GetChildCount(), nBefore + 1);
        QCOMPARE(NodeFactory::Complete(pGroup), 0);
        QCOMPARE(DravinelTree::DfSearch.InsertChild(pSet), pGroup);
        const QString sBefore = Signature(pDev);
        QVERIFY(!DravinelTree::Det.InsertChild(nullptr) && !DravinelTree::Det.InsertChild(pDev));
        QVERIFY(!DravinelTree::If.InsertChild(pDet));
        QCOMPARE(Signature(pDev), sBefore);
        // A foreign item under the group's name keeps its place.
        auto* pForeign = new values::Node(QStringLiteral("Demod"));
        pSet = pDev->GetNode("Dcd/Dcs/Fds/Fd00000")->AddNode("Par"); // typed by its name
        pSet->AddItem(pForeign);
        values::Node* pDemod = DravinelTree::Demod.InsertChild(pSet);
        QVERIFY(pDemod && pDemod != pForeign && pForeign->GetParentNode() == pSet);
    }
};

QTEST_GUILESS_MAIN(TestDravinelDefinition)
#include "tst_dravineldefinition.moc"
