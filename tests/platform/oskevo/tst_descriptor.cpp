#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QtTest>
#include <memory>

using namespace values;

namespace
{

// Built during static initialisation, before any descriptor of this file: a node made then
// must already find the generic node type.
Node g_staticNode(QStringLiteral("Static"));

const ValueDescriptor g_vdDscDev = ValueDescriptor::NodeType("DscTstDev", "/Dev");
const ValueDescriptor g_vdDscAttr = ValueDescriptor::NodeType("DscTstAttr", "/Attr");
const ValueDescriptor g_vdDscChild = ValueDescriptor::NodeType("DscTstChild", "/Child");
const ValueDescriptor g_vdDscFreq =
    ValueDescriptor::Double("DscTstFreq", "/Attr/Freq", 1e6, "Hz", 1.0, 2, 0, 1e10);
const ValueDescriptor g_vdDscCount = ValueDescriptor::Int("DscTstCount", "/Count", 3);
const ValueDescriptor g_vdDscLabel = ValueDescriptor::String("DscTstLabel", "Label", "x");
const ValueDescriptor g_vdDscOn = ValueDescriptor::Bool("DscTstOn", "/Sub/On", false);
const ValueDescriptor g_vdDscMode = ValueDescriptor::Selection(
    "DscTstMode", "/Mode",
    {SelectionItem(QStringLiteral("A"), 1, 1), SelectionItem(QStringLiteral("B"), 2, 2)}, 7);

// Names of the descriptors of the nodes on the way to pItem, from the root's first child.
QString TypesOnPath(const TreeItem* pItem)
{
    QStringList list;
    for (const TreeItem* p = pItem; p && p->GetParentNode(); p = p->GetParentNode())
        list.prepend(p->GetValueDescriptor() ? p->GetValueDescriptor()->Name() : QStringLiteral("none"));
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void createItem_data();
    void createItem();
    void registry();
    void staticNodesAreGeneric();
    void basis_data();
    void basis();
    void create_data();
    void create();
    void createRegistersObserverOnce();
    void createAtIsRelative();
    void createNodeAbsolute_data();
    void createNodeAbsolute();
};

void TestDescriptor::init()
{
    Tree::Instance()->Clear();
    ValueDescriptor::SetBasePath(QString());
}

void TestDescriptor::cleanup()
{
    init();
}

void TestDescriptor::createItem_data()
{
    QTest::addColumn<QString>("descriptor");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("node") << "DscTstDev"
                          << "Dev"
                          << "node"
                          << "";
    QTest::newRow("double") << "DscTstFreq"
                            << "Freq"
                            << "double"
                            << "1000000";
    QTest::newRow("int") << "DscTstCount"
                         << "Count"
                         << "int"
                         << "3";
    QTest::newRow("string, path without slash") << "DscTstLabel"
                                                << "Label"
                                                << "string"
                                                << "x";
    QTest::newRow("bool") << "DscTstOn"
                          << "On"
                          << "bool"
                          << "false";
    QTest::newRow("selection, unknown default key") << "DscTstMode"
                                                    << "Mode"
                                                    << "selection"
                                                    << "A";
}

void TestDescriptor::createItem()
{
    QFETCH(QString, descriptor);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);

    const ValueDescriptor* pDescriptor = ValueDescriptor::Find(descriptor);
    QVERIFY(pDescriptor);
    std::unique_ptr<TreeItem> pItem(pDescriptor->CreateItem());
    QCOMPARE(pItem->GetName(), name);
    QCOMPARE(pItem->GetValueDescriptor(), pDescriptor);
    QCOMPARE(pDescriptor->DefaultItemName(), name);
    bool bKind = false;
    if (kind == QLatin1String("node"))
        bKind = dynamic_cast<Node*>(pItem.get());
    else if (kind == QLatin1String("double"))
        bKind = dynamic_cast<ValueDouble*>(pItem.get());
    else if (kind == QLatin1String("int"))
        bKind = dynamic_cast<ValueInt*>(pItem.get());
    else if (kind == QLatin1String("string"))
        bKind = dynamic_cast<ValueString*>(pItem.get());
    else if (kind == QLatin1String("bool"))
        bKind = dynamic_cast<ValueBool*>(pItem.get());
    else
        bKind = dynamic_cast<ValueSelection*>(pItem.get());
    QVERIFY(bKind);
    if (ValueBase* pValue = pItem->AsValue())
        QCOMPARE(pValue->GetAsString(), text);
    std::unique_ptr<TreeItem> pNamed(pDescriptor->CreateItem(QStringLiteral("Other")));
    QCOMPARE(pNamed->GetName(), QStringLiteral("Other"));
}

void TestDescriptor::registry()
{
    QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstFreq")), &g_vdDscFreq);
    QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Dev")), &g_vdDscDev);
    QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Freq")), nullptr); // no node type
    QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), nullptr);
    {
        const ValueDescriptor local = ValueDescriptor::NodeType("DscTstLocal", "/Local");
        QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), &local);
        QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Local")), &local);
        {
            // A second of the same name does not hide the first.
            const ValueDescriptor twin = ValueDescriptor::NodeType("DscTstLocal", "/Local");
            QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), &local);
        }
        QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), &local);
    }
    QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), nullptr);
    QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Local")), nullptr);
}

void TestDescriptor::staticNodesAreGeneric()
{
    QCOMPARE(g_staticNode.GetValueDescriptor(), ValueDescriptor::GenericNode());
    QVERIFY(ValueDescriptor::GenericNode()->IsNode());
    QCOMPARE(ValueDescriptor::Find(ValueDescriptor::GenericNode()->Name()), ValueDescriptor::GenericNode());
}

void TestDescriptor::basis_data()
{
    QTest::addColumn<int>("basis");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("micro") << -2 << "u";
    QTest::newRow("milli") << -1 << "m";
    QTest::newRow("none") << 0 << "";
    QTest::newRow("kilo") << 1 << "k";
    QTest::newRow("mega") << 2 << "M";
    QTest::newRow("giga") << 3 << "G";
    QTest::newRow("tera") << 4 << "T";
    QTest::newRow("beyond the prefixes the power is kept") << 9 << "e27";
}

void TestDescriptor::basis()
{
    QFETCH(int, basis);
    QFETCH(QString, prefix);
    QCOMPARE(ValueDescriptor::Basis(basis), prefix);
}

void TestDescriptor::create_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("descriptor");
    QTest::addColumn<QString>("path");  // of the item made or found; "null" for none
    QTest::addColumn<QString>("types"); // descriptors on the way

    QTest::newRow("at the root, typed intermediate") << ""
                                                     << ""
                                                     << "DscTstFreq"
                                                     << "/Attr/Freq"
                                                     << "DscTstAttr DscTstFreq";
    QTest::newRow("root as base path") << ""
                                       << "/"
                                       << "DscTstFreq"
                                       << "/Attr/Freq"
                                       << "DscTstAttr DscTstFreq";
    QTest::newRow("missing base nodes are made") << ""
                                                 << "/Dev/Plain"
                                                 << "DscTstCount"
                                                 << "/Dev/Plain/Count"
                                                 << "DscTstDev GenericNode DscTstCount";
    QTest::newRow("a node") << ""
                            << "/Dev"
                            << "DscTstChild"
                            << "/Dev/Child"
                            << "DscTstDev DscTstChild";
    QTest::newRow("below an existing node") << "Dev{Attr{x=1}}"
                                            << "/Dev"
                                            << "DscTstFreq"
                                            << "/Dev/Attr/Freq"
                                            << "GenericNode GenericNode DscTstFreq";
    QTest::newRow("an existing item of another kind is answered") << "Attr{Freq=text}"
                                                                  << ""
                                                                  << "DscTstFreq"
                                                                  << "/Attr/Freq"
                                                                  << "GenericNode none";
    QTest::newRow("the way runs through a value") << "Dev{Attr=1}"
                                                  << "/Dev"
                                                  << "DscTstFreq"
                                                  << "null"
                                                  << "";
    QTest::newRow("the base path runs through a value") << "Dev=1"
                                                        << "/Dev/X"
                                                        << "DscTstCount"
                                                        << "null"
                                                        << "";
    QTest::newRow("base path without a slash") << ""
                                               << "Dev"
                                               << "DscTstOn"
                                               << "/Dev/Sub/On"
                                               << "DscTstDev GenericNode DscTstOn";
}

void TestDescriptor::create()
{
    QFETCH(QString, tree);
    QFETCH(QString, base);
    QFETCH(QString, descriptor);
    QFETCH(QString, path);
    QFETCH(QString, types);

    Node* pRoot = Tree::Instance()->GetRoot();
    ValueTreeText::Build(pRoot, tree);
    const QString sBefore = ValueTreeText::Dump(pRoot);
    ValueDescriptor::SetBasePath(base);
    TreeItem* pItem = ValueDescriptor::Find(descriptor)->Create(nullptr);
    QCOMPARE(pItem ? pItem->GetPathName() : QStringLiteral("null"), path);
    if (!pItem)
    {
        QCOMPARE(ValueTreeText::Dump(pRoot).startsWith(sBefore), true);
        return;
    }
    QCOMPARE(TypesOnPath(pItem), types);
    QCOMPARE(Tree::Instance()->GetItem(path), pItem);
    // Asked again, the same item is found, nothing new is made.
    const QString sAfter = ValueTreeText::Dump(pRoot);
    QCOMPARE(ValueDescriptor::Find(descriptor)->Create(nullptr), pItem);
    QCOMPARE(ValueTreeText::Dump(pRoot), sAfter);
}

void TestDescriptor::createRegistersObserverOnce()
{
    RecordingObserver observer(QStringLiteral("view"));
    ValueDescriptor::SetBasePath(QStringLiteral("/Dev"));
    TreeItem* pItem = g_vdDscFreq.Create(&observer);
    QCOMPARE(g_vdDscFreq.Create(&observer), pItem);
    QCOMPARE(pItem->CountObservers(), 1);
    QVERIFY(pItem->AsValue()->SetAsString(QStringLiteral("2e6")));
    QCOMPARE(observer.Codes(), QList<int>{CC_VALUE});
    pItem->DeleteObserver(&observer);
}

void TestDescriptor::createAtIsRelative()
{
    ValueDescriptor::SetBasePath(QStringLiteral("/Elsewhere"));
    Node holder(QStringLiteral("Holder"));
    TreeItem* pItem = g_vdDscOn.CreateAt(&holder, nullptr);
    QVERIFY(pItem);
    QCOMPARE(pItem->GetParentNode()->GetParentNode(), &holder);
    QCOMPARE(ValueTreeText::Dump(&holder), QStringLiteral("Sub{On=false}"));
    QCOMPARE(Tree::Instance()->GetRoot()->GetChildCount(), 0);
    QCOMPARE(g_vdDscOn.CreateAt(nullptr, nullptr), nullptr);
}

void TestDescriptor::createNodeAbsolute_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("types");

    QTest::newRow("typed by item name") << ""
                                        << "/Dev/Attr/Other"
                                        << "/Dev/Attr/Other"
                                        << "DscTstDev DscTstAttr GenericNode";
    QTest::newRow("without a leading slash") << ""
                                             << "Dev/Child"
                                             << "/Dev/Child"
                                             << "DscTstDev DscTstChild";
    QTest::newRow("existing nodes keep their type") << "Dev{}"
                                                    << "/Dev/Child"
                                                    << "/Dev/Child"
                                                    << "GenericNode DscTstChild";
    QTest::newRow("the root") << ""
                              << "/"
                              << "/"
                              << "";
    QTest::newRow("through a value") << "Dev=1"
                                     << "/Dev/Child"
                                     << "null"
                                     << "";
}

void TestDescriptor::createNodeAbsolute()
{
    QFETCH(QString, tree);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QFETCH(QString, types);

    ValueTreeText::Build(Tree::Instance()->GetRoot(), tree);
    RecordingObserver observer(QStringLiteral("view"));
    Node* pNode = ValueDescriptor::CreateNodeAbsolute(path, &observer);
    QCOMPARE(pNode ? pNode->GetPathName() : QStringLiteral("null"), expected);
    if (!pNode)
        return;
    QCOMPARE(TypesOnPath(pNode), types);
    QVERIFY(pNode->HasObserver(&observer));
    pNode->DeleteObserver(&observer);
}

QTEST_APPLESS_MAIN(TestDescriptor)
#include "tst_descriptor.moc"
