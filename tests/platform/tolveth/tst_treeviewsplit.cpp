#include "common/datarow.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/sampledata.h"
#include "tolveth/aliasmap.h"
#include "tolveth/newchilddialog.h"
#include "tolveth/numberedaliastable.h"
#include "treefixture.h"

#include <QLayout>
#include <QPushButton>
#include <QtTest>

namespace
{

// Applies one step given as text; the view only ever sees the notices of the tree. Model steps:
// add P N | insert P N i | value P v | del P | ren P N | move P Q | reverse P | clear P
// ("." is the root); view steps: click P | init | unload | load P | delete root.
void Apply(TreeFixture& f, const QString& sStep)
{
    const QStringList lst = sStep.split(' ');
    const QString& sOp = lst[0];
    values::Node* pNode = lst.size() < 2 ? nullptr : lst[1] == "." ? f.pRoot : f.pRoot->GetNode(lst[1]);
    if (sOp == "click")
        f.Click(lst[1] == "." ? QString() : lst[1]);
    else if (sOp == "init")
        f.pView->Init(f.pRoot);
    else if (sOp == "unload")
        f.pView->Unload();
    else if (sOp == "load")
        f.pView->Load(pNode);
    else if (sOp == "delete")
        f.pHolder->DeleteItem(f.pRoot);
    else if (sOp == "add")
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
        (lst[2] == "." ? f.pRoot : f.pRoot->GetNode(lst[2]))->AddItem(pNode);
    else if (sOp == "reverse")
        QVERIFY(pNode->ReorderChildren({pNode->GetTreeItems().rbegin(), pNode->GetTreeItems().rend()}));
    else if (sOp == "clear")
        pNode->DeleteChildren();
    else
        QFAIL(qPrintable("unknown step " + sStep));
}

int CountDisplays(QWidget* pDisplayArea)
{
    int nCount = 0;
    for (QWidget* pChild : pDisplayArea->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        nCount += pChild->inherits("GenericView") ? 1 : 0;
    return nCount;
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

// The sample device tree below "Root", the view showing the node at sShown.
struct DeviceFixture : TreeFixture
{
    explicit DeviceFixture(const QString& sShown = QString()) : TreeFixture(QString(), nullptr, false)
    {
        DravinelDefinition::SampleData::Fill(pRoot);
        pView->Init(NodeAt(sShown));
    }
};

} // namespace

class TestTreeViewSplit : public QObject
{
    Q_OBJECT

private slots:
    // The tree keeps in step with the nodes (values are not shown): every item is the item of
    // its node and of no other. The current item shows its display, and only it: when it goes,
    // a neighbour becomes current; an unloaded view or a deleted shown root shows nothing.
    void keepsInStep_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("steps"); // separated by ';'
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("current"); // "<none>" without
        auto row = [](const char* pszName, const char* pszTree, const char* pszSteps, const char* pszShown,
                      const char* pszCurrent)
        { Row(pszName, QString(pszTree), QString(pszSteps), QString(pszShown), QString(pszCurrent)); };
        row("values are not shown", "A{x=1 B{y=2}} s=t", "", "Root{A{B}}", "");
        row("added subtree comes whole", "A{}", "value A S{T{U{}}}", "Root{A{S{T{U}}}}", "");
        row("deleted subtree", "A{X{P{}} Y{}} B{}", "del A", "Root{B}", "");
        row("moved with its subtree", "A{X{P{}}} B{}", "move A/X B", "Root{A B{X{P}}}", "");
        row("renamed, moved, deleted, inserted", "A{X{}} B{}",
            "ren A/X Y;move A/Y B;del B/Y;add B Z;insert . N 0", "Root{N A B{Z}}", "");
        row("clicks", "A{x=1 X{y=2}} B{z=3}", "click A;click A/X;click .;click A/X;click A/X", "Root{A{X} B}",
            "A/X");
        const char* pszTree = "A{X{} Y{} Z{}} B{}";
        row("current deleted", pszTree, "click A/Y;del A/Y", "Root{A{X Z} B}", "A/Z");
        row("parent of current deleted", pszTree, "click A/Y;del A", "Root{B}", "B");
        row("all siblings deleted", pszTree, "click A/Y;clear A", "Root{A B}", "A");
        row("current renamed", pszTree, "click A/Y;ren A/Y W", "Root{A{X W Z} B}", "A/W");
        row("order changes", pszTree, "click A/Y;reverse A", "Root{A{Z Y X} B}", "A/Y");
        row("unload", pszTree, "click A;unload", "", "<none>");
        row("load a subtree", pszTree, "load A", "A{X Y Z}", "");
        row("init again keeps one tree", pszTree, "init", "Root{A{X Y Z} B}", "");
        row("shown root deleted", pszTree, "click A/X;delete root", "", "<none>");
        row("shown subtree deleted", pszTree, "load A;del A", "", "<none>");
    }
    void keepsInStep()
    {
        QFETCH(QString, tree);
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        QFETCH(QString, current);
        TreeFixture f(tree);
        QWidget* pDisplayArea = f.pView->GetDisplayArea();
        for (const QString& sStep : steps.split(';', Qt::SkipEmptyParts))
        {
            QPointer<QWidget> pBefore = f.Current() ? f.Current()->GetDisplay() : nullptr;
            Apply(f, sStep);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // The display of the item before is gone unless that item is still current.
            QVERIFY2(pBefore.isNull() || (f.Current() && pBefore == f.Current()->GetDisplay()),
                     qPrintable(sStep));
        }
        QCOMPARE(f.Text(), shown);
        QCOMPARE(f.pView->IsLoaded(), !shown.isEmpty());
        QTRY_COMPARE(f.CurrentPath(), current);
        int nItems = 0;
        for (QTreeWidgetItemIterator it(f.Tree()); *it; ++it, ++nItems)
        {
            TreeViewItem* pTvi = TreeViewItem::FromListViewItem(*it);
            QVERIFY(pTvi && f.Ctrl()->GetTvi(pTvi->GetNode()) == pTvi);
            QCOMPARE((*it)->text(0), pTvi->GetNode()->GetName());
        }
        QCOMPARE(f.Ctrl()->GetMediatorCount(), nItems);
        QCOMPARE(CountDisplays(pDisplayArea), current == "<none>" ? 0 : 1);
        if (current == "<none>")
            return;
        QWidget* pDisplay = f.Current()->GetDisplay();
        QVERIFY(pDisplay && pDisplay->isVisible() && pDisplay->parentWidget() == pDisplayArea);
        QVERIFY(pDisplayArea->layout()->indexOf(pDisplay) >= 0);
    }

    void namesThroughTheAliasMap()
    {
        TestTable table;
        AliasMap map;
        map.AddTable(&table);
        TreeFixture f("Fd{} Fd_2{} 3_Fd{} Other{}", nullptr, false);
        f.pView->SetAliasMap(&map);
        f.pView->Init(f.pRoot);
        QCOMPARE(f.Text(), QString("Device Tree{Frequency Definition Frequency Definition 2 "
                                   "Frequency Definition 3 Other}"));
        QVERIFY(f.NodeAt("Other")->SetName("Fd_7")); // a renamed node shows its new alias
        QCOMPARE(f.Tree()->topLevelItem(0)->child(3)->text(0), QString("Frequency Definition 7"));
    }

    // On the sample device tree: the first frequency list below the shown node becomes current,
    // with its parents expanded.
    void selectSingleFds_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("currentAfter");
        Row("whole tree: the first list", "", QString("Dev/Dcd/Dcs/Fds"));
        Row("second device", "Dev_1", QString("Dcd/Dcs/Fds"));
        Row("no list: current item kept", "Dev/Par", QString());
    }
    void selectSingleFds()
    {
        QFETCH(QString, shown);
        QFETCH(QString, currentAfter);
        DeviceFixture f(shown);
        f.Ctrl()->SelectSingleFds();
        QCOMPARE(f.CurrentPath(), currentAfter);
        TreeViewItem* pTvi = f.Ctrl()->CurrentTvi();
        QVERIFY(currentAfter.isEmpty() ||
                pTvi->GetNode()->GetValueDescriptor() == &DravinelDefinition::g_vdNodeFds);
        for (QTreeWidgetItem* p = pTvi->GetListViewItem()->parent(); p; p = p->parent())
            QVERIFY(p->isExpanded());
        QVERIFY(f.Current()->GetDisplay());
    }

    // Insert offers what the rules of the sample device allow below the item; the new node comes
    // from the rules, with its attribute child, and is current.
    void newChildThroughTheRules_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("childrenAfter");
        Row("frequency definition in a list", "Dev/Dcd/Dcs/Fds", true, 5);
        Row("parameter set of a definition", "Dev/Dcd/Dcs/Fds/Fd00000", true, 2);
        Row("parameter set exists already", "Dev/Dcd/Dcs/Fds/Fd00001", false, 2);
    }
    void newChildThroughTheRules()
    {
        QFETCH(QString, item);
        QFETCH(bool, offered);
        QFETCH(int, childrenAfter);
        DeviceFixture f;
        f.Click(item);
        QTest::keyClick(f.Tree(), Qt::Key_Insert);
        NewChildDialog* pDialog = f.Tree()->findChild<NewChildDialog*>();
        QCOMPARE(pDialog != nullptr, offered);
        if (pDialog)
        {
            const values::ValueDescriptor* pChosen = pDialog->GetCurrentDescriptor();
            QTest::mouseClick(pDialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
            values::Node* pNew = f.Ctrl()->CurrentTvi()->GetNode();
            QVERIFY(pChosen && pNew->GetValueDescriptor() == pChosen &&
                    pNew->GetParentNode() == f.NodeAt(item));
            QVERIFY(f.pView->IsModified());
        }
        QCOMPARE(f.ItemAt(item)->childCount(), childrenAfter);
        QCOMPARE(f.NodeAt(item)->GetChildCount(), childrenAfter);
    }
};

QTEST_MAIN(TestTreeViewSplit)
#include "tst_treeviewsplit.moc"
