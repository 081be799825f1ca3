#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "oskevo/basetree.h"
#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"

#include <QtTest>
#include <memory>

using namespace values;

namespace
{

const ValueDescriptor g_vdTstDevice = ValueDescriptor::NodeType("TreeTstDevice", "/Dev");
const ValueDescriptor g_vdTstOther = ValueDescriptor::NodeType("TreeTstOther", "/Other");

// The item below pRoot by child names separated by "/", found without path look-ups.
TreeItem* Descend(Node* pRoot, const QString& sNames)
{
    TreeItem* pItem = pRoot;
    for (const QString& sName : sNames.split(QLatin1Char('/'), Qt::SkipEmptyParts))
    {
        Node* pNode = pItem ? pItem->AsNode() : nullptr;
        pItem = pNode ? pNode->GetChildValueItem(sName) : nullptr;
    }
    return pItem;
}

QString PathOrNull(const TreeItem* pItem)
{
    return pItem ? pItem->GetPathName() : QStringLiteral("null");
}

} // namespace

class TestTree : public QObject
{
    Q_OBJECT

private slots:
    void pathNames_data();
    void pathNames();
    void lookups_data();
    void lookups();
    void addNode_data();
    void addNode();
    void addNodeTypesNewNodesByName();
    void addItemUnique_data();
    void addItemUnique();
    void addItemUniqueManyStaysDistinct();
    void movedItemRenamedUniqueTellsItsObservers();
    void addItemReplacesSibling_data();
    void addItemReplacesSibling();
    void addItemMoves_data();
    void addItemMoves();
    void takeItem();
    void setName_data();
    void setName();
    void reorder_data();
    void reorder();
    void copy_data();
    void copy();
    void copyChildNode();
    void merge_data();
    void merge();
    void cloneIsDeepAndIndependent();
    void setValueDescriptor();
    void nodeText();
};

void TestTree::pathNames_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pathNoSlash");

    QTest::newRow("root") << ""
                          << "/"
                          << "";
    QTest::newRow("child node") << "A"
                                << "/A"
                                << "/A";
    QTest::newRow("deep value") << "A/B/v"
                                << "/A/B/v"
                                << "/A/B/v";
    QTest::newRow("name with spaces") << "A/with space"
                                      << "/A/with space"
                                      << "/A/with space";
}

void TestTree::pathNames()
{
    QFETCH(QString, names);
    QFETCH(QString, path);
    QFETCH(QString, pathNoSlash);

    Node root(QStringLiteral("ignored"));
    ValueTreeText::Build(&root, QStringLiteral("A{B{v=1}}"));
    Descend(&root, QStringLiteral("A"))->AsNode()->AddItem(new Node(QStringLiteral("with space")));
    TreeItem* pItem = Descend(&root, names);
    QVERIFY(pItem);
    QCOMPARE(pItem->GetPathName(), path);
    QCOMPARE(pItem->GetPathName_NoSlashForRoot(), pathNoSlash);
}

void TestTree::lookups_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind"); // item, node or value
    QTest::addColumn<QString>("expected");

    QTest::newRow("absolute from deep") << "A/B"
                                        << "/A/w"
                                        << "item"
                                        << "/A/w";
    QTest::newRow("relative child") << "A"
                                    << "B/v"
                                    << "value"
                                    << "/A/B/v";
    QTest::newRow("parent") << "A/B"
                            << ".."
                            << "node"
                            << "/A";
    QTest::newRow("up twice and down") << "A/B/C"
                                       << "../../w"
                                       << "value"
                                       << "/A/w";
    QTest::newRow("above the root") << "A"
                                    << "../.."
                                    << "item"
                                    << "null";
    QTest::newRow("empty on a node asks for a node") << "A"
                                                     << ""
                                                     << "node"
                                                     << "/A";
    QTest::newRow("empty on a node asks for a value") << "A"
                                                      << ""
                                                      << "value"
                                                      << "null";
    QTest::newRow("empty on a value asks for a node") << "A/w"
                                                      << ""
                                                      << "node"
                                                      << "null";
    QTest::newRow("empty on a value asks for a value") << "A/w"
                                                       << ""
                                                       << "value"
                                                       << "/A/w";
    QTest::newRow("through a value") << ""
                                     << "x/y"
                                     << "item"
                                     << "null";
    QTest::newRow("up from a value") << "A/w"
                                     << "../B"
                                     << "node"
                                     << "/A/B";
    QTest::newRow("into a value and back") << ""
                                           << "A/w/.."
                                           << "node"
                                           << "/A";
    QTest::newRow("doubled slashes and dots") << ""
                                              << "//A//./B/"
                                              << "node"
                                              << "/A/B";
    QTest::newRow("descriptor path after the root path") << ""
                                                         << "//A/B/v"
                                                         << "value"
                                                         << "/A/B/v";
    QTest::newRow("missing") << "A"
                             << "Z"
                             << "item"
                             << "null";
    QTest::newRow("missing below a present node") << ""
                                                  << "/A/B/Z/v"
                                                  << "item"
                                                  << "null";
    QTest::newRow("names are case sensitive") << ""
                                              << "a"
                                              << "item"
                                              << "null";
    QTest::newRow("the root") << "A/B/C"
                              << "/"
                              << "node"
                              << "/";
    QTest::newRow("a value is no node") << ""
                                        << "x"
                                        << "node"
                                        << "null";
    QTest::newRow("a node is no value") << ""
                                        << "A"
                                        << "value"
                                        << "null";
}

void TestTree::lookups()
{
    QFETCH(QString, start);
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QFETCH(QString, expected);

    BaseTree tree;
    ValueTreeText::Build(tree.GetRoot(), QStringLiteral("A{B{v=1 C{}} w=2} x=3"));
    TreeItem* pStart = Descend(tree.GetRoot(), start);
    QVERIFY(pStart);
    TreeItem* pFound = nullptr;
    if (kind == QLatin1String("node"))
        pFound = pStart->GetNode(path);
    else if (kind == QLatin1String("value"))
        pFound = pStart->GetValue(path);
    else
        pFound = pStart->GetItem(path);
    QCOMPARE(PathOrNull(pFound), expected);
    if (start.isEmpty() && kind == QLatin1String("item"))
        QCOMPARE(PathOrNull(tree.GetItem(path)), expected);
}

void TestTree::addNode_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("tree");

    QTest::newRow("existing") << "B"
                              << "/A/B"
                              << "A{B{} w=1}";
    QTest::newRow("intermediate nodes are made") << "B/N/M"
                                                 << "/A/B/N/M"
                                                 << "A{B{N{M{}}} w=1}";
    QTest::newRow("itself") << ""
                            << "/A"
                            << "A{B{} w=1}";
    QTest::newRow("beside, through the parent") << "../P"
                                                << "/P"
                                                << "A{B{} w=1} P{}";
    QTest::newRow("absolute") << "/Q/R"
                              << "/Q/R"
                              << "A{B{} w=1} Q{R{}}";
    QTest::newRow("through a value") << "w/Z"
                                     << "null"
                                     << "A{B{} w=1}";
    QTest::newRow("at a value") << "w"
                                << "null"
                                << "A{B{} w=1}";
    QTest::newRow("above the root") << "../../X"
                                    << "null"
                                    << "A{B{} w=1}";
}

void TestTree::addNode()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QFETCH(QString, tree);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{B{} w=1}"));
    TreeItem* pA = Descend(&root, QStringLiteral("A"));
    QCOMPARE(PathOrNull(pA->AddNode(path)), expected);
    QCOMPARE(ValueTreeText::Dump(&root), tree);
}

void TestTree::addNodeTypesNewNodesByName()
{
    Node root{QString()};
    Node* pNode = root.AddNode(QStringLiteral("Dev/Other/Plain"));
    QVERIFY(pNode);
    QCOMPARE(root.GetNode(QStringLiteral("Dev"))->GetValueDescriptor(), &g_vdTstDevice);
    QCOMPARE(root.GetNode(QStringLiteral("Dev/Other"))->GetValueDescriptor(), &g_vdTstOther);
    QCOMPARE(pNode->GetValueDescriptor(), ValueDescriptor::GenericNode());
}

void TestTree::addItemUnique_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no clash") << "Y="
                              << "X"
                              << "Y= X=";
    QTest::newRow("repeated clashes") << "X="
                                      << "X X X"
                                      << "X= X_1= X_2= X_3=";
    QTest::newRow("a taken suffix is skipped") << "X= X_1="
                                               << "X"
                                               << "X= X_1= X_2=";
    QTest::newRow("a suffixed base") << "X_1="
                                     << "X_1"
                                     << "X_1= X_1_1=";
    QTest::newRow("empty names") << ""
                                 << "~ ~"
                                 << "= _1=";
}

void TestTree::addItemUnique()
{
    QFETCH(QString, initial);
    QFETCH(QString, added);
    QFETCH(QString, expected);

    Node node(QStringLiteral("N"));
    ValueTreeText::Build(&node, initial);
    for (QString sName : added.split(QLatin1Char(' ')))
    {
        if (sName == QLatin1String("~"))
            sName.clear();
        TreeItem* pItem = new ValueString(sName, nullptr);
        QCOMPARE(node.AddItemUnique(pItem), pItem);
        QCOMPARE(node.GetChildValueItem(pItem->GetName()), pItem);
    }
    QCOMPARE(ValueTreeText::Dump(&node), expected);
}

void TestTree::addItemUniqueManyStaysDistinct()
{
    // Names freed in between must not make the fresh-name search hand out a taken name.
    Node node(QStringLiteral("N"));
    for (int i = 0; i < 300; ++i)
        node.AddItemUnique(new Node(QStringLiteral("F")));
    node.DeleteItem(node.GetChildValueItem(QStringLiteral("F_7")));
    node.AddItem(new Node(QStringLiteral("F_300")));
    for (int i = 0; i < 300; ++i)
        node.AddItemUnique(new Node(QStringLiteral("F")));
    QSet<QString> setNames;
    for (TreeItem* pItem : node.GetTreeItems())
        setNames.insert(pItem->GetName());
    QCOMPARE(setNames.size(), 600);
    QCOMPARE(node.GetChildCount(), 600);
}

void TestTree::movedItemRenamedUniqueTellsItsObservers()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{x=1} B{x=2}"));
    TreeItem* pX = root.GetItem(QStringLiteral("A/x"));
    RecordingObserver observer(QStringLiteral("x"));
    observer.Observe(pX);
    QCOMPARE(root.GetNode(QStringLiteral("B"))->AddItemUnique(pX), pX);
    QCOMPARE(ValueTreeText::Dump(&root), QStringLiteral("A{} B{x=2 x_1=1}"));
    QCOMPARE(observer.Codes(), QList<int>{CC_NAME});
}

void TestTree::addItemReplacesSibling_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("takes the old place") << -1 << "a=1 b=new c=3";
    QTest::newRow("at a given place") << 0 << "b=new a=1 c=3";
    QTest::newRow("at the end") << 2 << "a=1 c=3 b=new";
}

void TestTree::addItemReplacesSibling()
{
    QFETCH(int, index);
    QFETCH(QString, expected);

    Node node(QStringLiteral("N"));
    ValueTreeText::Build(&node, QStringLiteral("a=1 b=2 c=3"));
    RecordingObserver parentObserver(QStringLiteral("parent"));
    parentObserver.Observe(&node);
    RecordingObserver oldObserver(QStringLiteral("old"));
    ValueBase* pOld = node.GetChildValue(QStringLiteral("b"));
    oldObserver.Observe(pOld);
    bool bOldWasIntact = false;
    oldObserver.SetReaction(
        [&](RecordingObserver*, Observable*, TChangeCode code)
        {
            if (code == CC_STATE)
                bOldWasIntact =
                    pOld->GetState() == VS_DELETE && node.GetChildValueItem(QStringLiteral("b")) == pOld;
        });

    ValueString* pNew = new ValueString(QStringLiteral("b"), nullptr, QStringLiteral("new"));
    QCOMPARE(node.AddItem(pNew, nullptr, index), pNew);
    QCOMPARE(ValueTreeText::Dump(&node), expected);
    QCOMPARE(oldObserver.Codes(), QList<int>{CC_STATE});
    QVERIFY(bOldWasIntact);
    QCOMPARE(parentObserver.Codes(), QList<int>{CC_CHILDREN});
    QCOMPARE(node.GetChildValueItem(QStringLiteral("b")), pNew);
}

void TestTree::addItemMoves_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("noticesA");
    QTest::addColumn<int>("noticesB");

    QTest::newRow("to another node") << "A/x"
                                     << "B" << -1 << true << "A{y=2} B{z=3 x=1}" << 1 << 1;
    QTest::newRow("within its node, to the front") << "A/y"
                                                   << "A" << 0 << true << "A{y=2 x=1} B{z=3}" << 1 << 0;
    QTest::newRow("a node with its subtree") << "B"
                                             << "A" << -1 << true << "A{x=1 y=2 B{z=3}}" << 1 << 0;
    QTest::newRow("into itself") << "A"
                                 << "A" << -1 << false << "A{x=1 y=2} B{z=3}" << 0 << 0;
    QTest::newRow("the root into its child") << ""
                                             << "A" << -1 << false << "A{x=1 y=2} B{z=3}" << 0 << 0;
}

void TestTree::addItemMoves()
{
    QFETCH(QString, item);
    QFETCH(QString, target);
    QFETCH(int, index);
    QFETCH(bool, taken);
    QFETCH(QString, expected);
    QFETCH(int, noticesA);
    QFETCH(int, noticesB);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{x=1 y=2} B{z=3}"));
    RecordingObserver observerA(QStringLiteral("A"));
    RecordingObserver observerB(QStringLiteral("B"));
    RecordingObserver observerItem(QStringLiteral("item"));
    observerA.Observe(Descend(&root, QStringLiteral("A")));
    observerB.Observe(Descend(&root, QStringLiteral("B")));
    TreeItem* pItem = Descend(&root, item);
    observerItem.Observe(pItem);

    TreeItem* pResult = Descend(&root, target)->AsNode()->AddItem(pItem, nullptr, index);
    QCOMPARE(pResult, taken ? pItem : nullptr);
    QCOMPARE(ValueTreeText::Dump(&root), expected);
    // A move is no deletion, and every node whose children changed is told once.
    QVERIFY(!observerItem.Codes().contains(CC_STATE) && !observerItem.Codes().contains(CC_DELETING));
    QCOMPARE(observerA.CountOf(CC_CHILDREN), noticesA);
    QCOMPARE(observerB.CountOf(CC_CHILDREN), noticesB);
}

void TestTree::takeItem()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{x=1} y=2"));
    Node* pA = root.GetChildNode(QStringLiteral("A"));
    RecordingObserver observer(QStringLiteral("root"));
    observer.Observe(&root);

    QCOMPARE(root.TakeItem(root.GetChildValueItem(QStringLiteral("x"))), nullptr); // not a child of root
    QCOMPARE(observer.Calls(), 0);
    std::unique_ptr<TreeItem> pTaken(root.TakeItem(pA));
    QCOMPARE(pTaken.get(), pA);
    QCOMPARE(observer.Codes(), QList<int>{CC_CHILDREN});
    QCOMPARE(pA->GetParentNode(), nullptr);
    QCOMPARE(root.GetChildNode(QStringLiteral("A")), nullptr);
    QCOMPARE(ValueTreeText::Dump(&root), QStringLiteral("y=2"));
    QCOMPARE(pA->GetPathName(), QStringLiteral("/"));
    QCOMPARE(ValueTreeText::Dump(pA), QStringLiteral("x=1"));
    // The freed name can be used again.
    root.AddItem(new Node(QStringLiteral("A")));
    QCOMPARE(ValueTreeText::Dump(&root), QStringLiteral("y=2 A{}"));
}

void TestTree::setName_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free name") << "a"
                               << "z" << false << true << "z=1 b=2 N{}";
    QTest::newRow("taken name refused") << "a"
                                        << "b" << false << false << "a=1 b=2 N{}";
    QTest::newRow("taken name made unique") << "a"
                                            << "b" << true << true << "b_1=1 b=2 N{}";
    QTest::newRow("own name") << "a"
                              << "a" << false << true << "a=1 b=2 N{}";
    QTest::newRow("slash refused") << "a"
                                   << "x/y" << true << false << "a=1 b=2 N{}";
    QTest::newRow("parent step refused") << "a"
                                         << ".." << true << false << "a=1 b=2 N{}";
    QTest::newRow("node") << "N"
                          << "M" << false << true << "a=1 b=2 M{}";
}

void TestTree::setName()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(bool, unique);
    QFETCH(bool, ok);
    QFETCH(QString, expected);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("a=1 b=2 N{}"));
    TreeItem* pItem = root.GetChildValueItem(item);
    RecordingObserver itemObserver(QStringLiteral("item"));
    RecordingObserver parentObserver(QStringLiteral("parent"));
    itemObserver.Observe(pItem);
    parentObserver.Observe(&root);

    QCOMPARE(pItem->SetName(name, nullptr, unique), ok);
    QCOMPARE(ValueTreeText::Dump(&root), expected);
    const bool bRenamed = ok && name != item;
    QCOMPARE(itemObserver.Codes(), bRenamed ? QList<int>{CC_NAME} : QList<int>{});
    QCOMPARE(parentObserver.Codes(), bRenamed ? QList<int>{CC_CHILDREN} : QList<int>{});
    // The name index follows the rename.
    QCOMPARE(root.GetChildValueItem(pItem->GetName()), pItem);
    QCOMPARE(root.GetItem(pItem->GetName()), pItem);
    if (bRenamed)
        QVERIFY(root.GetChildValueItem(item) == nullptr);
}

void TestTree::reorder_data()
{
    QTest::addColumn<QList<int>>("order"); // indices into the children; -1 a foreign item
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("notices");

    QTest::newRow("rotation") << QList<int>{2, 0, 1} << true << "c=3 a=1 b=2" << 1;
    QTest::newRow("same order") << QList<int>{0, 1, 2} << true << "a=1 b=2 c=3" << 0;
    QTest::newRow("duplicate") << QList<int>{0, 0, 1} << false << "a=1 b=2 c=3" << 0;
    QTest::newRow("too short") << QList<int>{1, 0} << false << "a=1 b=2 c=3" << 0;
    QTest::newRow("foreign item") << QList<int>{0, 1, -1} << false << "a=1 b=2 c=3" << 0;
}

void TestTree::reorder()
{
    QFETCH(QList<int>, order);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    QFETCH(int, notices);

    Node node(QStringLiteral("N"));
    ValueTreeText::Build(&node, QStringLiteral("a=1 b=2 c=3"));
    ValueString foreign(QStringLiteral("f"), nullptr);
    RecordingObserver observer(QStringLiteral("N"));
    observer.Observe(&node);
    std::vector<TreeItem*> vecOrder;
    for (int i : order)
        vecOrder.push_back(i < 0 ? &foreign : node.GetTreeItems()[size_t(i)]);
    QCOMPARE(node.ReorderChildren(vecOrder), ok);
    QCOMPARE(ValueTreeText::Dump(&node), expected);
    QCOMPARE(observer.CountOf(CC_CHILDREN), notices);
    // Positions stay right after the reorder.
    for (int i = 0; i < node.GetChildCount(); ++i)
        QCOMPARE(node.IndexOf(node.GetTreeItems()[size_t(i)]), i);
}

void TestTree::copy_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("from another tree") << "other"
                                       << "x=1 N{y=2} a=9 N_1{q=8} x_1=7";
    QTest::newRow("from itself") << "self"
                                 << "x=1 N{y=2} x_1=1 N_1{y=2}";
    QTest::newRow("into its own child") << "intoChild"
                                        << "x=1 N{y=2 x=1 N{y=2}}";
    QTest::newRow("from its own child") << "fromChild"
                                        << "x=1 N{y=2} y=2";
}

void TestTree::copy()
{
    QFETCH(QString, mode);
    QFETCH(QString, expected);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("x=1 N{y=2}"));
    Node other(QStringLiteral("O"));
    ValueTreeText::Build(&other, QStringLiteral("a=9 N{q=8} x=7"));
    Node* pN = root.GetChildNode(QStringLiteral("N"));
    RecordingObserver observer(QStringLiteral("target"));

    Node* pTarget = mode == QLatin1String("intoChild") ? pN : &root;
    observer.Observe(pTarget);
    if (mode == QLatin1String("other"))
        root.Copy(&other);
    else if (mode == QLatin1String("self"))
        root.CopyChildren(&root);
    else if (mode == QLatin1String("intoChild"))
        pN->Copy(&root);
    else
        root.Copy(pN);
    QCOMPARE(ValueTreeText::Dump(&root), expected);
    QCOMPARE(observer.CountOf(CC_CHILDREN), 1);
    // The copies are independent of their source.
    QCOMPARE(ValueTreeText::Dump(&other), QStringLiteral("a=9 N{q=8} x=7"));
    if (mode == QLatin1String("other"))
    {
        root.GetValue(QStringLiteral("N_1/q"))->SetAsString(QStringLiteral("0"));
        QCOMPARE(other.GetValue(QStringLiteral("N/q"))->GetAsString(), QStringLiteral("8"));
    }
}

void TestTree::copyChildNode()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("N{y=2 M{z=3}}"));
    Node* pN = root.GetChildNode(QStringLiteral("N"));
    Node* pCopy = root.CopyChildNode(pN);
    QVERIFY(pCopy && pCopy != pN);
    QCOMPARE(pCopy->GetName(), QStringLiteral("N_1"));
    QCOMPARE(ValueTreeText::Dump(&root), QStringLiteral("N{y=2 M{z=3}} N_1{y=2 M{z=3}}"));
    QCOMPARE(root.CopyChildNode(nullptr), nullptr);
}

void TestTree::merge_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("values take the source's text") << "a=1 b=2"
                                                   << "a=9"
                                                   << "a=9 b=2";
    QTest::newRow("missing items are copied") << "a=1"
                                              << "b=2 C{d=3}"
                                              << "a=1 b=2 C{d=3}";
    QTest::newRow("nodes merge by name") << "C{d=3 e=4}"
                                         << "C{d=5 f=6}"
                                         << "C{d=5 e=4 f=6}";
    QTest::newRow("deep") << "A{B{C{x=1}}}"
                          << "A{B{C{x=2 y=3}}}"
                          << "A{B{C{x=2 y=3}}}";
    QTest::newRow("a node replaces a value") << "a=1 z=0"
                                             << "a{q=1}"
                                             << "a{q=1} z=0";
    QTest::newRow("a value replaces a node") << "a{q=1} z=0"
                                             << "a=5"
                                             << "a=5 z=0";
    QTest::newRow("text a number refuses leaves it") << "n:i=1"
                                                     << "n=abc"
                                                     << "n=1";
    QTest::newRow("numbers of another kind") << "n:i=1 d:d=0.5"
                                             << "n:d=7 d=2.25"
                                             << "n=7 d=2.25";
    QTest::newRow("empty source") << "a=1"
                                  << ""
                                  << "a=1";
}

void TestTree::merge()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(QString, expected);

    Node targetNode(QStringLiteral("T"));
    Node sourceNode(QStringLiteral("S"));
    ValueTreeText::Build(&targetNode, target);
    ValueTreeText::Build(&sourceNode, source);
    const QString sSourceBefore = ValueTreeText::Dump(&sourceNode);
    targetNode.Merge(&sourceNode);
    QCOMPARE(ValueTreeText::Dump(&targetNode), expected);
    QCOMPARE(ValueTreeText::Dump(&sourceNode), sSourceBefore);
}

void TestTree::cloneIsDeepAndIndependent()
{
    Node root{QString()};
    Node* pDev = new Node(QStringLiteral("D"), &g_vdTstDevice);
    root.AddItem(pDev);
    ValueTreeText::Build(pDev, QStringLiteral("a:i=4 B{c:d=0.25 e:b=true s=t}"));
    pDev->SetAsStdString("own text", nullptr);
    std::unique_ptr<Node> pClone(static_cast<Node*>(pDev->Clone()));
    QCOMPARE(pClone->GetName(), QStringLiteral("D"));
    QCOMPARE(pClone->GetValueDescriptor(), &g_vdTstDevice);
    QCOMPARE(pClone->GetParentNode(), nullptr);
    QCOMPARE(pClone->GetAsStdString(), std::string("own text"));
    QCOMPARE(ValueTreeText::Dump(pClone.get()), ValueTreeText::Dump(pDev));
    QVERIFY(pClone->GetValue(QStringLiteral("B/c")) != pDev->GetValue(QStringLiteral("B/c")));
    QVERIFY(dynamic_cast<ValueDouble*>(pClone->GetValue(QStringLiteral("B/c"))));
    pClone->GetValue(QStringLiteral("a"))->SetAsString(QStringLiteral("5"));
    QCOMPARE(pDev->GetValue(QStringLiteral("a"))->GetAsString(), QStringLiteral("4"));
}

void TestTree::setValueDescriptor()
{
    Node root{QString()};
    Node* pNode = root.AddNode(QStringLiteral("X"));
    RecordingObserver nodeObserver(QStringLiteral("node"));
    RecordingObserver rootObserver(QStringLiteral("root"));
    nodeObserver.Observe(pNode);
    rootObserver.Observe(&root);
    pNode->SetValueDescriptor(&g_vdTstDevice, &rootObserver);
    QCOMPARE(pNode->GetValueDescriptor(), &g_vdTstDevice);
    QCOMPARE(nodeObserver.Codes(), QList<int>{CC_NAME});
    QCOMPARE(rootObserver.Calls(), 0); // the originator
    pNode->SetValueDescriptor(&g_vdTstDevice);
    QCOMPARE(nodeObserver.Calls(), 1);
    pNode->SetValueDescriptor(nullptr);
    QCOMPARE(pNode->GetValueDescriptor(), ValueDescriptor::GenericNode());
    QCOMPARE(rootObserver.Codes(), QList<int>{CC_CHILDREN});
}

void TestTree::nodeText()
{
    Node node(QStringLiteral("N"));
    RecordingObserver observer(QStringLiteral("node"));
    observer.Observe(&node);
    QVERIFY(node.SetAsStdString("line 1\nline 2", nullptr));
    QVERIFY(node.SetAsStdString("line 1\nline 2", nullptr));
    QCOMPARE(node.GetAsStdString(), std::string("line 1\nline 2"));
    QCOMPARE(observer.Codes(), QList<int>{CC_MODIFIED});
}

QTEST_APPLESS_MAIN(TestTree)
#include "tst_tree.moc"
