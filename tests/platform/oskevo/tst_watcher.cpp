#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "oskevo/treewatcher.h"

#include <QtTest>
#include <functional>
#include <memory>

using namespace values;

namespace
{

// Keeps every flag it is told.
class ModifyLog : public IModifyObserver
{
public:
    void NotifyModified(bool bModified) override
    {
        listFlags.append(bModified);
        if (std::function<void()> reaction = onNotify)
            reaction();
    }
    QList<bool> listFlags;
    std::function<void()> onNotify;
};

} // namespace

class TestWatcher : public QObject
{
    Q_OBJECT

private slots:
    void reportsChangesBelow_data();
    void reportsChangesBelow();
    void nestedWatchersAreEachTold();
    void flags();
    void watchedNodeDeleted_data();
    void watchedNodeDeleted();
    void observerDeletesWatchersWhileTold();
    void watcherOfADyingNode();
};

void TestWatcher::reportsChangesBelow_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("reports");

    QTest::newRow("a value deep below") << "value" << 1;
    QTest::newRow("a value's state") << "state" << 1;
    QTest::newRow("a child added deep below") << "add" << 1;
    QTest::newRow("a value renamed") << "rename" << 2; // the value and its node
    QTest::newRow("a value deleted") << "delete" << 2; // the value and its node
    QTest::newRow("a node deleted with a value") << "deleteNode" << 3;
    QTest::newRow("the watched node renamed") << "renameWatched" << 1; // its parent is outside
    QTest::newRow("committed in place") << "commit" << 1;
    QTest::newRow("a value outside") << "outside" << 0;
    QTest::newRow("the parent's other child added") << "addOutside" << 0;
    QTest::newRow("a value set to what it is") << "same" << 0;
}

void TestWatcher::reportsChangesBelow()
{
    QFETCH(QString, change);
    QFETCH(int, reports);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("W{A{B{v=1 C{w=2}}}} out=0"));
    Node* pWatched = root.GetNode(QStringLiteral("W"));
    ModifyLog log;
    TreeWatcher watcher(&log, pWatched);
    QVERIFY(!watcher.IsModified());

    if (change == QLatin1String("value"))
        root.GetValue(QStringLiteral("W/A/B/C/w"))->SetAsString(QStringLiteral("3"));
    else if (change == QLatin1String("state"))
        root.GetValue(QStringLiteral("W/A/B/v"))->SetState(5);
    else if (change == QLatin1String("add"))
        root.GetNode(QStringLiteral("W/A/B/C"))->AddItem(new Node(QStringLiteral("New")));
    else if (change == QLatin1String("rename"))
        root.GetValue(QStringLiteral("W/A/B/v"))->SetName(QStringLiteral("u"));
    else if (change == QLatin1String("delete"))
        delete root.GetValue(QStringLiteral("W/A/B/v"));
    else if (change == QLatin1String("deleteNode"))
        root.GetNode(QStringLiteral("W/A/B"))->DeleteItem(root.GetNode(QStringLiteral("W/A/B/C")));
    else if (change == QLatin1String("renameWatched"))
        pWatched->SetName(QStringLiteral("Renamed"));
    else if (change == QLatin1String("commit"))
        root.GetValue(QStringLiteral("W/A/B/v"))->Commit(nullptr);
    else if (change == QLatin1String("outside"))
        root.GetValue(QStringLiteral("out"))->SetAsString(QStringLiteral("1"));
    else if (change == QLatin1String("addOutside"))
        root.AddItem(new Node(QStringLiteral("Other")));
    else if (change == QLatin1String("same"))
        root.GetValue(QStringLiteral("W/A/B/v"))->SetAsString(QStringLiteral("1"));

    QCOMPARE(log.listFlags.size(), reports);
    QCOMPARE(watcher.IsModified(), reports > 0);
    QVERIFY(!log.listFlags.contains(false));
}

void TestWatcher::nestedWatchersAreEachTold()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{B{v=1}}"));
    ModifyLog outerLog;
    ModifyLog innerLog;
    ModifyLog twinLog;
    TreeWatcher outer(&outerLog, root.GetNode(QStringLiteral("A")));
    TreeWatcher inner(&innerLog, root.GetNode(QStringLiteral("A/B")));
    TreeWatcher twin(&twinLog, root.GetNode(QStringLiteral("A/B")));
    root.GetValue(QStringLiteral("A/B/v"))->SetAsString(QStringLiteral("2"));
    QCOMPARE(outerLog.listFlags.size(), 1);
    QCOMPARE(innerLog.listFlags.size(), 1);
    QCOMPARE(twinLog.listFlags.size(), 1);
}

void TestWatcher::flags()
{
    Node node(QStringLiteral("N"));
    ValueTreeText::Build(&node, QStringLiteral("v=1"));
    ModifyLog log;
    TreeWatcher watcher(&log, &node);

    // Clearing an unmodified watcher still tells its observer.
    watcher.SetbModified(false);
    QCOMPARE(log.listFlags, QList<bool>{false});
    // A report without an item repeats the flag and leaves it.
    watcher.NotifyModified(nullptr, 0);
    QCOMPARE(log.listFlags, (QList<bool>{false, false}));
    QVERIFY(!watcher.IsModified());
    // A report naming an item is a change.
    watcher.NotifyModified(node.GetValue(QStringLiteral("v")), 3);
    QVERIFY(watcher.IsModified());
    watcher.SetbModified(false);
    node.GetValue(QStringLiteral("v"))->SetAsString(QStringLiteral("9"));
    QCOMPARE(log.listFlags, (QList<bool>{false, false, true, false, true}));

    // Without an observer the watcher only keeps the flag.
    TreeWatcher silent(nullptr, &node);
    node.GetValue(QStringLiteral("v"))->SetAsString(QStringLiteral("10"));
    QVERIFY(silent.IsModified());
    silent.SetbModified(false);
    silent.NotifyModified(nullptr, 0);
    QVERIFY(!silent.IsModified());
}

void TestWatcher::watchedNodeDeleted_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("the node itself") << "self";
    QTest::newRow("its parent") << "parent";
    QTest::newRow("emptied from above") << "parentChildren";
}

void TestWatcher::watchedNodeDeleted()
{
    QFETCH(QString, how);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("P{W{v=1}} Q{}"));
    ModifyLog log;
    auto pWatcher = std::make_unique<TreeWatcher>(&log, root.GetNode(QStringLiteral("P/W")));
    if (how == QLatin1String("self"))
        root.GetNode(QStringLiteral("P"))->DeleteItem(root.GetNode(QStringLiteral("P/W")));
    else if (how == QLatin1String("parent"))
        root.DeleteItem(root.GetNode(QStringLiteral("P")));
    else
        root.DeleteChildren();
    QCOMPARE(pWatcher->GetNode(), nullptr);
    QVERIFY(pWatcher->IsModified());
    const int nReports = log.listFlags.size();
    QVERIFY(nReports >= 1);
    // Later changes elsewhere do not reach it, and it goes away cleanly.
    ValueTreeText::Build(&root, QStringLiteral("W{x=1}"));
    root.GetValue(QStringLiteral("W/x"))->SetAsString(QStringLiteral("2"));
    QCOMPARE(log.listFlags.size(), nReports);
    pWatcher.reset();
    root.DeleteChildren();
}

void TestWatcher::observerDeletesWatchersWhileTold()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{B{v=1}}"));
    ModifyLog first;
    ModifyLog second;
    TreeWatcher* pFirst = new TreeWatcher(&first, root.GetNode(QStringLiteral("A/B")));
    TreeWatcher* pSecond = new TreeWatcher(&second, root.GetNode(QStringLiteral("A")));
    ModifyLog third;
    TreeWatcher third1(&third, root.GetNode(QStringLiteral("A")));
    // The first told deletes itself and the one that would be told next.
    first.onNotify = [&]()
    {
        delete pFirst;
        pFirst = nullptr;
        delete pSecond;
        pSecond = nullptr;
    };
    root.GetValue(QStringLiteral("A/B/v"))->SetAsString(QStringLiteral("2"));
    QCOMPARE(first.listFlags.size(), 1);
    QCOMPARE(second.listFlags.size(), 0);
    QCOMPARE(third.listFlags.size(), 1);
    root.GetValue(QStringLiteral("A/B/v"))->SetAsString(QStringLiteral("3"));
    QCOMPARE(third.listFlags.size(), 2);
}

void TestWatcher::watcherOfADyingNode()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{}"));
    Node* pA = root.GetNode(QStringLiteral("A"));
    std::unique_ptr<TreeWatcher> pLate;
    struct Maker : IObserver
    {
        std::function<void()> make;
        void Update(Observable*, TChangeCode code) override
        {
            if (code == CC_DELETING)
                make();
        }
    } maker;
    maker.make = [&]() { pLate.reset(new TreeWatcher(nullptr, pA)); };
    pA->AddObserver(&maker);
    root.DeleteItem(pA);
    QVERIFY(pLate);
    QCOMPARE(pLate->GetNode(), nullptr);
}

QTEST_APPLESS_MAIN(TestWatcher)
#include "tst_watcher.moc"
