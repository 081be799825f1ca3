#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "oskevo/basetree.h"
#include "oskevo/node.h"

#include <QtTest>
#include <functional>
#include <memory>

using namespace values;

namespace
{

// Observes every item of a tree, logs "<path>:<code>" and checks on each deletion notice
// that the item still stands where it stood, whole.
class TreeSpy
{
public:
    explicit TreeSpy(Node* pRoot) { Attach(pRoot); }

    QStringList log;
    QStringList listBroken;

private:
    void Attach(TreeItem* pItem)
    {
        auto pObserver = std::make_shared<RecordingObserver>(pItem->GetPathName(), &log);
        const QString sPath = pItem->GetPathName();
        pObserver->SetReaction(
            [this, pItem, sPath](RecordingObserver*, Observable*, TChangeCode code)
            {
                if (code != CC_DELETING && code != CC_STATE)
                    return;
                Node* pParent = pItem->GetParentNode();
                if (pItem->GetPathName() != sPath ||
                    (pParent && pParent->GetChildValueItem(pItem->GetName()) != pItem))
                    listBroken << sPath;
                if (ValueBase* pValue = pItem->AsValue())
                {
                    if (pValue->GetState() != VS_DELETE)
                        listBroken << sPath + QStringLiteral(" state");
                }
                if (Node* pNode = pItem->AsNode())
                {
                    if (!pNode->IsDying())
                        listBroken << sPath + QStringLiteral(" not dying");
                }
            });
        pObserver->Observe(pItem);
        m_vecObservers.push_back(pObserver);
        if (Node* pNode = pItem->AsNode())
        {
            for (TreeItem* pChild : pNode->GetTreeItems())
                Attach(pChild);
        }
    }

    std::vector<std::shared_ptr<RecordingObserver>> m_vecObservers;
};

} // namespace

class TestTreeDeletion : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void reentrant_data();
    void reentrant();
    void originatorIsToldOfDeletionButNotOfItsParentsChange();
    void deleteChildrenOfManyTellsEachOnceAndParentOnce();
};

void TestTreeDeletion::order_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("remaining");

    const QString sSubtree = QStringLiteral("/A:18 /A/v:2 /A/B:18 /A/B/w:2 /A/x:2");
    QTest::newRow("delete") << "delete" << sSubtree + " /:16"
                            << "y=4";
    QTest::newRow("DeleteItem") << "DeleteItem" << sSubtree + " /:16"
                                << "y=4";
    QTest::newRow("DeleteChildren") << "DeleteChildren"
                                    << "/A/v:2 /A/B:18 /A/B/w:2 /A/x:2 /A:16"
                                    << "A{} y=4";
    QTest::newRow("a value") << "deleteValue"
                             << "/A/x:2 /A:16"
                             << "A{v=1 B{w=2}} y=4";
    QTest::newRow("clearing the tree") << "Clear" << sSubtree + " /y:2 /:16"
                                       << "";
    QTest::newRow("the tree") << "deleteTree"
                              << "/:18 " + sSubtree + " /y:2"
                              << "";
}

void TestTreeDeletion::order()
{
    QFETCH(QString, operation);
    QFETCH(QString, log);
    QFETCH(QString, remaining);

    auto pTree = std::make_unique<BaseTree>();
    Node* pRoot = pTree->GetRoot();
    ValueTreeText::Build(pRoot, QStringLiteral("A{v=1 B{w=2} x=3} y=4"));
    TreeSpy spy(pRoot);
    Node* pA = pRoot->GetChildNode(QStringLiteral("A"));

    if (operation == QLatin1String("delete"))
        delete pA;
    else if (operation == QLatin1String("DeleteItem"))
        pRoot->DeleteItem(pA);
    else if (operation == QLatin1String("DeleteChildren"))
        pA->DeleteChildren();
    else if (operation == QLatin1String("deleteValue"))
        delete pA->GetChildValue(QStringLiteral("x"));
    else if (operation == QLatin1String("Clear"))
        pTree->Clear();
    else
        pTree.reset();

    QCOMPARE(spy.log.join(QLatin1Char(' ')), log);
    QCOMPARE(spy.listBroken, QStringList());
    if (pTree)
        QCOMPARE(ValueTreeText::Dump(pRoot), remaining);
}

void TestTreeDeletion::reentrant_data()
{
    QTest::addColumn<QString>("operation"); // deleteA, DeleteItemA, DeleteChildrenP
    QTest::addColumn<QString>("trigger");   // the item whose observer reacts
    QTest::addColumn<int>("code");          // to this notice
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("deletes the parent") << "DeleteItemA"
                                        << "P/A" << 18 << "DeleteItem P"
                                        << "Q{}";
    QTest::newRow("deletes the parent raw") << "deleteA"
                                            << "P/A/v" << 2 << "delete P"
                                            << "Q{}";
    QTest::newRow("deletes the parent, during DeleteChildren") << "DeleteChildrenP"
                                                               << "P/B/w" << 2 << "delete P"
                                                               << "Q{}";
    QTest::newRow("deletes a sibling") << "DeleteItemA"
                                       << "P/A" << 18 << "DeleteItem B"
                                       << "P{} Q{}";
    QTest::newRow("deletes the sibling raw") << "deleteA"
                                             << "P/A" << 18 << "delete B"
                                             << "P{} Q{}";
    QTest::newRow("deletes the item again") << "DeleteItemA"
                                            << "P/A" << 18 << "DeleteItem A"
                                            << "P{B{w=2}} Q{}";
    QTest::newRow("deletes a child being told") << "deleteA"
                                                << "P/A/v" << 2 << "DeleteItem v"
                                                << "P{B{w=2}} Q{}";
    QTest::newRow("deletes the parent on its change notice") << "DeleteItemA"
                                                             << "P" << 16 << "DeleteItem P"
                                                             << "Q{}";
    QTest::newRow("clears the whole tree") << "DeleteItemA"
                                           << "P/A" << 18 << "Clear"
                                           << "";
    QTest::newRow("adds to the dying node") << "DeleteItemA"
                                            << "P/A" << 18 << "AddTo A"
                                            << "P{B{w=2}} Q{}";
    QTest::newRow("adds to the node being emptied") << "DeleteChildrenP"
                                                    << "P/A" << 18 << "AddTo P"
                                                    << "P{N{}} Q{}";
    QTest::newRow("moves a child not yet told out") << "DeleteChildrenP"
                                                    << "P/A" << 18 << "Move B"
                                                    << "P{} Q{B{w=2}}";
    QTest::newRow("moves the dying node") << "DeleteItemA"
                                          << "P/A" << 18 << "Move A"
                                          << "P{B{w=2}} Q{}";
    QTest::newRow("renames the dying node") << "DeleteItemA"
                                            << "P/A" << 18 << "Rename A"
                                            << "P{B{w=2}} Q{}";
    QTest::newRow("empties the parent") << "deleteA"
                                        << "P/A" << 18 << "DeleteChildren P"
                                        << "P{} Q{}";
}

void TestTreeDeletion::reentrant()
{
    QFETCH(QString, operation);
    QFETCH(QString, trigger);
    QFETCH(int, code);
    QFETCH(QString, action);
    QFETCH(QString, remaining);

    BaseTree tree;
    Node* pRoot = tree.GetRoot();
    ValueTreeText::Build(pRoot, QStringLiteral("P{A{v=1} B{w=2}} Q{}"));
    Node* pP = pRoot->GetNode(QStringLiteral("P"));
    Node* pA = pRoot->GetNode(QStringLiteral("P/A"));

    bool bDone = false;
    RecordingObserver observer(QStringLiteral("trigger"));
    observer.Observe(pRoot->GetItem(trigger));
    observer.SetReaction(
        [&](RecordingObserver*, Observable*, TChangeCode nCode)
        {
            if (bDone || nCode != code)
                return;
            bDone = true;
            const QString sTarget = action.section(QLatin1Char(' '), 1);
            TreeItem* pTarget =
                sTarget == QLatin1String("P")
                    ? pRoot->GetItem(QStringLiteral("P"))
                    : pP->GetItem(sTarget == QLatin1String("v") ? QStringLiteral("A/v") : sTarget);
            QVERIFY(pTarget || action == QLatin1String("Clear"));
            if (action.startsWith(QLatin1String("DeleteItem ")))
                pTarget->GetParentNode()->DeleteItem(pTarget);
            else if (action.startsWith(QLatin1String("delete ")))
                delete pTarget;
            else if (action == QLatin1String("Clear"))
                tree.Clear();
            else if (action.startsWith(QLatin1String("AddTo ")))
            {
                Node* pNew = new Node(QStringLiteral("N"));
                if (!pTarget->AsNode()->AddItem(pNew))
                    delete pNew;
            }
            else if (action.startsWith(QLatin1String("Move ")))
            {
                const bool bMoved = pRoot->GetNode(QStringLiteral("Q"))->AddItem(pTarget) != nullptr;
                QCOMPARE(bMoved, !pTarget->IsDying());
            }
            else if (action.startsWith(QLatin1String("Rename ")))
                QVERIFY(!pTarget->SetName(QStringLiteral("Renamed")));
            else if (action.startsWith(QLatin1String("DeleteChildren ")))
                pTarget->AsNode()->DeleteChildren();
        });

    if (operation == QLatin1String("deleteA"))
        delete pA;
    else if (operation == QLatin1String("DeleteItemA"))
        pP->DeleteItem(pA);
    else
        pP->DeleteChildren();

    QVERIFY(bDone);
    QCOMPARE(ValueTreeText::Dump(pRoot), remaining);
}

void TestTreeDeletion::originatorIsToldOfDeletionButNotOfItsParentsChange()
{
    // A view that deletes an item it shows must still let go of it: deletion notices reach
    // everyone; only the parent's change notice skips the originator.
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{} v=1"));
    RecordingObserver originator(QStringLiteral("view"));
    originator.Observe(&root);
    originator.Observe(root.GetChildNode(QStringLiteral("A")));
    originator.Observe(root.GetChildValue(QStringLiteral("v")));
    root.DeleteItem(root.GetChildNode(QStringLiteral("A")), &originator);
    root.DeleteItem(root.GetChildValue(QStringLiteral("v")), &originator);
    QCOMPARE(originator.Codes(), (QList<int>{CC_DELETING, CC_STATE}));
}

void TestTreeDeletion::deleteChildrenOfManyTellsEachOnceAndParentOnce()
{
    Node node(QStringLiteral("N"));
    QStringList log;
    std::vector<std::unique_ptr<RecordingObserver>> vecObservers;
    for (int i = 0; i < 500; ++i)
    {
        TreeItem* pItem = node.AddItem(i % 2 ? static_cast<TreeItem*>(new Node(QString::number(i)))
                                             : new ValueInt(QString::number(i), nullptr));
        vecObservers.emplace_back(new RecordingObserver(QStringLiteral("c"), &log));
        vecObservers.back()->Observe(pItem);
    }
    RecordingObserver parent(QStringLiteral("p"), &log);
    parent.Observe(&node);
    node.DeleteChildren();
    QCOMPARE(node.GetChildCount(), 0);
    QCOMPARE(log.size(), 501);
    QCOMPARE(log.count(QStringLiteral("c:18")), 250);
    QCOMPARE(log.count(QStringLiteral("c:2")), 250);
    QCOMPARE(log.last(), QStringLiteral("p:16"));
    QCOMPARE(node.GetChildValueItem(QStringLiteral("7")), nullptr);
    node.AddItem(new Node(QStringLiteral("7")));
    QCOMPARE(node.GetChildCount(), 1);
}

QTEST_APPLESS_MAIN(TestTreeDeletion)
#include "tst_treedeletion.moc"
