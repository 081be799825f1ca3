#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/numberedaliastable.h"
#include "tolveth/treeviewsplitctrl.h"
#include "treefixture.h"

#include <QLayout>
#include <QtTest>

namespace
{

// Applies one model operation given as text; the view only ever sees the notices.
//   add P N | insert P N i | value P v | del P | ren P N | move P Q | reverse P | clear P
void Apply(values::Node* pRoot, const QString& sOperation)
{
    const QStringList lst = sOperation.split(' ');
    auto node = [pRoot](const QString& sPath) { return sPath == "." ? pRoot : pRoot->GetNode(sPath); };
    const QString& sOp = lst[0];
    values::Node* pNode = node(lst[1]);
    QVERIFY2(pNode, qPrintable("no node " + lst[1]));
    if (sOp == "add")
        pNode->AddItem(new values::Node(lst[2]));
    else if (sOp == "insert")
        pNode->AddItem(new values::Node(lst[2]), nullptr, lst[3].toInt());
    else if (sOp == "value")
        ValueTreeText::Build(pNode, lst[2]);
    else if (sOp == "del")
        pNode->GetParentNode()->DeleteItem(pNode);
    else if (sOp == "ren")
        QVERIFY(pNode->SetName(lst[2]));
    else if (sOp == "move")
        node(lst[2])->AddItem(pNode);
    else if (sOp == "reverse")
    {
        std::vector<values::TreeItem*> vec(pNode->GetTreeItems().rbegin(), pNode->GetTreeItems().rend());
        QVERIFY(pNode->ReorderChildren(vec));
    }
    else if (sOp == "clear")
        pNode->DeleteChildren();
    else
        QFAIL(qPrintable("unknown operation " + sOp));
}

class TestTable : public NumberedAliasTable
{
public:
    TestTable()
    {
        Add("Fd", "Frequency Definition");
        Add("Root", "Device Tree");
    }
};

int CountGenericDisplays(QWidget* pDisplayArea)
{
    int nCount = 0;
    for (QWidget* pChild : pDisplayArea->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        nCount += pChild->inherits("GenericView") ? 1 : 0;
    return nCount;
}

} // namespace

class TestTreeViewSplit : public QObject
{
    Q_OBJECT

private slots:
    void keepsInStepWithTheTree_data();
    void keepsInStepWithTheTree();
    void displayFollowsTheCurrentItem_data();
    void displayFollowsTheCurrentItem();
    void currentItemGoesAway_data();
    void currentItemGoesAway();
    void namesThroughTheAliasMap();
    void loadUnloadAndRootDeletion_data();
    void loadUnloadAndRootDeletion();
    void controllerBuiltOnTheView();
    void bigTree();
};

void TestTreeViewSplit::keepsInStepWithTheTree_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QString>("shown");

    QTest::newRow("values are not shown") << "A{x=1 B{y=2}} s=t" << QStringList{} << "Root{A{B}}";
    QTest::newRow("added at the end") << "A{} B{}" << QStringList{"add . C", "add A X"} << "Root{A{X} B C}";
    QTest::newRow("inserted in the middle")
        << "A{} B{} C{}" << QStringList{"insert . N 1", "insert . M 0"} << "Root{M A N B C}";
    QTest::newRow("added subtree comes whole")
        << "A{}" << QStringList{"value A S{T{U{}}}"} << "Root{A{S{T{U}}}}";
    QTest::newRow("added value changes nothing") << "A{}" << QStringList{"value A v=3"} << "Root{A}";
    QTest::newRow("deleted leaf") << "A{X{} Y{}} B{}" << QStringList{"del A/X"} << "Root{A{Y} B}";
    QTest::newRow("deleted subtree") << "A{X{P{}} Y{}} B{}" << QStringList{"del A"} << "Root{B}";
    QTest::newRow("all children deleted") << "A{X{} Y{} Z{}} B{}" << QStringList{"clear A"} << "Root{A B}";
    QTest::newRow("renamed") << "A{X{}} B{}" << QStringList{"ren A/X Q", "ren B C"} << "Root{A{Q} C}";
    QTest::newRow("moved with its subtree")
        << "A{X{P{}}} B{}" << QStringList{"move A/X B"} << "Root{A B{X{P}}}";
    QTest::newRow("moved up") << "A{X{P{}}}" << QStringList{"move A/X/P ."} << "Root{A{X} P}";
    QTest::newRow("reordered") << "A{} B{} C{} D{}" << QStringList{"reverse ."} << "Root{D C B A}";
    QTest::newRow("renamed then moved then deleted")
        << "A{X{}} B{}" << QStringList{"ren A/X Y", "move A/Y B", "del B/Y", "add B Z"} << "Root{A B{Z}}";
    QTest::newRow("replaced by a same-named node") << "A{X{P{}}}" << QStringList{"add A X"} << "Root{A{X}}";
}

void TestTreeViewSplit::keepsInStepWithTheTree()
{
    QFETCH(QString, tree);
    QFETCH(QStringList, operations);
    QFETCH(QString, shown);

    TreeFixture f(tree);
    for (const QString& sOperation : operations)
    {
        Apply(f.pRoot, sOperation);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(f.Text(), shown);
    // Every shown item is the item of its node, and of no other.
    TreeViewBaseCtrl* pCtrl = f.Ctrl();
    int nItems = 0;
    for (QTreeWidgetItemIterator it(f.Tree()); *it; ++it, ++nItems)
    {
        TreeViewItem* pTvi = TreeViewItem::FromListViewItem(*it);
        QVERIFY(pTvi);
        QCOMPARE(pCtrl->GetTvi(pTvi->GetNode()), pTvi);
        QCOMPARE((*it)->text(0), pTvi->GetNode()->GetName());
    }
    QCOMPARE(pCtrl->GetMediatorCount(), nItems);
}

void TestTreeViewSplit::displayFollowsTheCurrentItem_data()
{
    QTest::addColumn<QStringList>("clicks");

    QTest::newRow("one item") << QStringList{"A"};
    QTest::newRow("two items") << QStringList{"A", "B"};
    QTest::newRow("down the tree and back") << QStringList{"A", "A/X", "", "A/X"};
    QTest::newRow("same item twice") << QStringList{"B", "B"};
}

void TestTreeViewSplit::displayFollowsTheCurrentItem()
{
    QFETCH(QStringList, clicks);

    TreeFixture f("A{x=1 X{y=2}} B{z=3}");
    QWidget* pDisplayArea = f.pView->GetDisplayArea();
    QPointer<QWidget> pPrevious = f.Current() ? f.Current()->GetDisplay() : nullptr;
    QVERIFY2(pPrevious, "the root item shows its display after Init");
    for (const QString& sPath : clicks)
    {
        f.Click(sPath);
        QCOMPARE(f.CurrentPath(), sPath);
        QWidget* pDisplay = f.Current()->GetDisplay();
        QVERIFY(pDisplay);
        QCOMPARE(pDisplay->parentWidget(), pDisplayArea);
        QVERIFY(pDisplay->isVisible());
        QVERIFY(pDisplayArea->layout()->indexOf(pDisplay) >= 0);
        // The previous item's display is gone, unless the item stayed current.
        if (pPrevious != pDisplay)
            QVERIFY(pPrevious.isNull());
        QCOMPARE(CountGenericDisplays(pDisplayArea), 1);
        pPrevious = pDisplay;
    }
}

void TestTreeViewSplit::currentItemGoesAway_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("current deleted") << "A/Y"
                                     << "del A/Y"
                                     << "Root{A{X Z} B}"
                                     << "A/Z";
    QTest::newRow("last child deleted") << "A/Z"
                                        << "del A/Z"
                                        << "Root{A{X Y} B}"
                                        << "A/Y";
    QTest::newRow("parent of current deleted") << "A/Y"
                                               << "del A"
                                               << "Root{B}"
                                               << "B";
    QTest::newRow("all siblings deleted") << "A/Y"
                                          << "clear A"
                                          << "Root{A B}"
                                          << "A";
    QTest::newRow("current renamed keeps its display") << "A/Y"
                                                       << "ren A/Y W"
                                                       << "Root{A{X W Z} B}"
                                                       << "A/W";
    QTest::newRow("other item deleted") << "A/Y"
                                        << "del B"
                                        << "Root{A{X Y Z}}"
                                        << "A/Y";
    QTest::newRow("order changes") << "A/Y"
                                   << "reverse A"
                                   << "Root{A{Z Y X} B}"
                                   << "A/Y";
}

void TestTreeViewSplit::currentItemGoesAway()
{
    QFETCH(QString, current);
    QFETCH(QString, operation);
    QFETCH(QString, shown);
    QFETCH(QString, currentAfter);

    TreeFixture f("A{X{} Y{} Z{}} B{}");
    f.Click(current);
    QPointer<QWidget> pDisplay = f.Current()->GetDisplay();
    QVERIFY(pDisplay);
    Apply(f.pRoot, operation);
    QCOMPARE(f.Text(), shown);
    QTRY_COMPARE(f.CurrentPath(), currentAfter);
    QVERIFY(f.Current()->GetDisplay());
    QVERIFY(f.Current()->GetDisplay()->isVisible());
    QCOMPARE(CountGenericDisplays(f.pView->GetDisplayArea()), 1);
    if (currentAfter.section('/', 0, 0) != current.section('/', 0, 0) || operation.startsWith("del") ||
        operation.startsWith("clear"))
        QVERIFY(pDisplay.isNull() || pDisplay == f.Current()->GetDisplay());
}

void TestTreeViewSplit::namesThroughTheAliasMap()
{
    TestTable table;
    AliasMap map;
    map.AddTable(&table);
    TreeFixture f("Fd{} Fd_2{} 3_Fd{} Other{}", nullptr, false);
    f.pView->SetAliasMap(&map);
    f.pView->Init(f.pRoot);
    QCOMPARE(f.Text(), QString("Device Tree{Frequency Definition Frequency Definition 2 "
                               "Frequency Definition 3 Other}"));
    // A renamed node shows its new alias.
    QVERIFY(f.NodeAt("Other")->SetName("Fd_7"));
    QCOMPARE(f.Tree()->topLevelItem(0)->child(3)->text(0), QString("Frequency Definition 7"));
}

void TestTreeViewSplit::loadUnloadAndRootDeletion_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("init shows the root") << QStringList{"init"} << "Root{A{X} B}" << true;
    QTest::newRow("unload") << QStringList{"init", "unload"} << "" << false;
    QTest::newRow("load a subtree") << QStringList{"init", "load A"} << "A{X}" << true;
    QTest::newRow("reload after unload") << QStringList{"init", "unload", "load A"} << "A{X}" << true;
    QTest::newRow("init again keeps one tree") << QStringList{"init", "init"} << "Root{A{X} B}" << true;
    QTest::newRow("shown root deleted") << QStringList{"init", "delete root"} << "" << false;
    QTest::newRow("shown subtree deleted") << QStringList{"init", "load A", "delete A"} << "" << false;
    QTest::newRow("unrelated node deleted") << QStringList{"init", "load A", "delete B"} << "A{X}" << true;
}

void TestTreeViewSplit::loadUnloadAndRootDeletion()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(bool, loaded);

    TreeFixture f("A{X{}} B{}", nullptr, false);
    for (const QString& sStep : steps)
    {
        if (sStep == "init")
            f.pView->Init(f.pRoot);
        else if (sStep == "unload")
            f.pView->Unload();
        else if (sStep == "load A")
            f.pView->Load(f.NodeAt("A"));
        else if (sStep == "delete root")
            f.pHolder->DeleteItem(f.pRoot);
        else if (sStep == "delete A" || sStep == "delete B")
            f.pRoot->DeleteItem(f.NodeAt(sStep.right(1)));
    }
    QCOMPARE(f.Text(), shown);
    QCOMPARE(f.pView->IsLoaded(), loaded);
    QCoreApplication::processEvents();
    if (!loaded)
    {
        QCOMPARE(f.Ctrl()->GetMediatorCount(), 0);
        QCOMPARE(f.Ctrl()->CurrentTvi(), nullptr);
        QCOMPARE(CountGenericDisplays(f.pView->GetDisplayArea()), 0);
    }
}

void TestTreeViewSplit::controllerBuiltOnTheView()
{
    // A host builds its own controller on the view; the view hands that one out and owns it.
    TreeFixture f("A{}", nullptr, false);
    QPointer<TreeViewSplitCtrl> pCtrl = new TreeViewSplitCtrl(static_cast<ITreeListView*>(f.pView.get()));
    QCOMPARE(f.pView->GetTreeViewCtrl(), pCtrl.data());
    QCOMPARE(pCtrl->GetTreeView(), f.pView->GetListView());
    QCOMPARE(pCtrl->GetDisplayArea(), f.pView->GetDisplayArea());
    f.pView->Init(f.pRoot);
    QCOMPARE(f.Text(), QString("Root{A}"));
    QVERIFY(f.Current()->GetDisplay());

    // A second controller replaces (and deletes) the first.
    new TreeViewSplitCtrl(static_cast<ITreeListView*>(f.pView.get()));
    QVERIFY(pCtrl.isNull());
    QCOMPARE(f.Text(), QString());
    f.pView->Init(f.pRoot);
    QCOMPARE(f.Text(), QString("Root{A}"));
    f.pView.reset();
    QVERIFY(pCtrl.isNull());
}

void TestTreeViewSplit::bigTree()
{
    // 40 groups of 100 nodes with a value each: every node gets its item, in order.
    QString sTree;
    for (int g = 0; g < 40; ++g)
    {
        sTree += QString("G%1{").arg(g);
        for (int n = 0; n < 100; ++n)
            sTree += QString("N%1{v=%1} ").arg(n);
        sTree += "} ";
    }
    TreeFixture f(sTree);
    QTreeWidgetItem* pRoot = f.Tree()->topLevelItem(0);
    QCOMPARE(pRoot->childCount(), 40);
    QCOMPARE(pRoot->child(39)->childCount(), 100);
    QCOMPARE(pRoot->child(17)->child(42)->text(0), QString("N42"));
    QCOMPARE(f.Ctrl()->GetMediatorCount(), 1 + 40 + 4000);
    Apply(f.pRoot, "clear G3");
    QCOMPARE(pRoot->child(3)->childCount(), 0);
    QCOMPARE(f.Ctrl()->GetMediatorCount(), 1 + 40 + 3900);
}

QTEST_MAIN(TestTreeViewSplit)
#include "tst_treeviewsplit.moc"
