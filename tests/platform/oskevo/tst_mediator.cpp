#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "kvbase/kvexception.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/node.h"
#include "oskevo/nodemediator.h"
#include "oskevo/treeitemmediatorctrl.h"
#include "oskevo/valuedescriptor.h"

#include <QtTest>
#include <memory>

using namespace values;

namespace
{

const ValueDescriptor g_vdMedFreq = ValueDescriptor::Double("MedTstFreq", "/Attr/Freq", 5.0);
const ValueDescriptor g_vdMedAttr = ValueDescriptor::NodeType("MedTstAttr", "/Attr");

// A controller as the views have one: it logs what happens to its mediators.
class LogCtrl : public TreeItemMediatorCtrl
{
public:
    explicit LogCtrl(QStringList* pLog) : m_pLog(pLog) {}
    ~LogCtrl() override { DestructMediators(); }

    Mediator* CreateMediator(Observable* pObservable) override;
    void NotifyDeleted(Mediator* pMediator) override
    {
        m_pLog->append(QStringLiteral("deleted-notice"));
        TreeItemMediatorCtrl::NotifyDeleted(pMediator);
    }

    QStringList* m_pLog;
    QString m_sRefused; // children of this name get no mediator
};

class LogMediator : public NodeMediator
{
public:
    LogMediator(LogCtrl* pCtrl, Observable* pObservable) : NodeMediator(pCtrl, pObservable), m_pCtrl(pCtrl)
    {
        m_sName = GetTreeItem()->GetPathName();
    }
    ~LogMediator() override
    {
        m_pCtrl->m_pLog->append(
            QStringLiteral("~%1%2").arg(m_sName, m_pCtrl->IsDestructing() ? " in dtor" : ""));
    }
    bool InsertChildAllowed(TreeItem* pChild) override
    {
        return NodeMediator::InsertChildAllowed(pChild) && pChild->GetName() != m_pCtrl->m_sRefused;
    }

    LogCtrl* m_pCtrl;
    QString m_sName;
};

Mediator* LogCtrl::CreateMediator(Observable* pObservable)
{
    return new LogMediator(this, pObservable);
}

class ModifyLog : public IModifyObserver
{
public:
    void NotifyModified(bool bModified) override { listFlags.append(bModified); }
    QList<bool> listFlags;
};

} // namespace

class TestMediator : public QObject
{
    Q_OBJECT

private slots:
    void childListRecursive();
    void lifecycle_data();
    void lifecycle();
    void controllerClearsOnDeletionNotice();
    void createValue_data();
    void createValue();
    void kvModifierAlwaysTells();
};

void TestMediator::childListRecursive()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{B{v=1 D{}} C{}} w=2 X{Y{}}"));
    QStringList log;
    LogCtrl ctrl(&log);
    ctrl.m_sRefused = QStringLiteral("X");
    LogMediator* pRoot = new LogMediator(&ctrl, &root);
    QCOMPARE(ctrl.GetMediator(&root), pRoot);

    pRoot->UpdateViewItemChildListRecursive();
    // Nodes get mediators, values and refused children (with what is below them) none.
    QCOMPARE(ctrl.GetMediatorCount(), 5);
    for (const char* pszPath : {"A", "A/B", "A/B/D", "A/C"})
        QVERIFY2(ctrl.GetMediator(root.GetNode(QString::fromLatin1(pszPath))), pszPath);
    QCOMPARE(ctrl.GetMediator(root.GetValue(QStringLiteral("w"))), nullptr);
    QCOMPARE(ctrl.GetMediator(root.GetNode(QStringLiteral("X"))), nullptr);
    auto* pB = static_cast<TreeItemMediator*>(ctrl.GetMediator(root.GetNode(QStringLiteral("A/B"))));
    QCOMPARE(pB->GetParent(), ctrl.GetMediator(root.GetNode(QStringLiteral("A"))));

    // Again: only what is missing is made.
    root.GetNode(QStringLiteral("A/C"))->AddItem(new Node(QStringLiteral("E")));
    pRoot->UpdateViewItemChildListRecursive();
    QCOMPARE(ctrl.GetMediatorCount(), 6);
    QCOMPARE(pRoot->InsertTreeItemChild(root.GetNode(QStringLiteral("A"))),
             ctrl.GetMediator(root.GetNode(QStringLiteral("A"))));
    QCOMPARE(ctrl.GetMediatorCount(), 6);
    QCOMPARE(pRoot->InsertTreeItemChild(root.GetValue(QStringLiteral("w"))), nullptr);

    // Deleting a subtree takes its mediators along.
    root.DeleteItem(root.GetNode(QStringLiteral("A")));
    QCOMPARE(ctrl.GetMediatorCount(), 1);
    QVERIFY(log.contains(QStringLiteral("~/A/B/D")));
}

void TestMediator::lifecycle_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("log");
    QTest::addColumn<bool>("itemLives");

    QTest::newRow("its node is deleted") << "deleteNode"
                                         << "~/N deleted-notice" << false;
    QTest::newRow("its value is deleted") << "deleteValue"
                                          << "~/v deleted-notice" << false;
    QTest::newRow("it deletes its item") << "DeleteTreeItem"
                                         << "~/N deleted-notice" << false;
    QTest::newRow("the controller clears") << "Clear"
                                           << "~/N deleted-notice" << true;
    QTest::newRow("the controller goes") << "destroyCtrl"
                                         << "~/N in dtor" << true;
    QTest::newRow("deleted directly") << "delete"
                                      << "~/N deleted-notice" << true;
}

void TestMediator::lifecycle()
{
    QFETCH(QString, how);
    QFETCH(QString, log);
    QFETCH(bool, itemLives);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("N{x=1} v=2"));
    const QString sName = how == QLatin1String("deleteValue") ? QStringLiteral("v") : QStringLiteral("N");
    TreeItem* pItem = root.GetItem(sName);
    QStringList listLog;
    auto pCtrl = std::make_unique<LogCtrl>(&listLog);
    LogMediator* pMediator = new LogMediator(pCtrl.get(), pItem);
    QCOMPARE(pCtrl->GetMediator(pItem), pMediator);
    QCOMPARE(pItem->CountObservers(), 1);

    if (how == QLatin1String("deleteNode") || how == QLatin1String("deleteValue"))
        root.DeleteItem(pItem);
    else if (how == QLatin1String("DeleteTreeItem"))
        pMediator->DeleteTreeItem();
    else if (how == QLatin1String("Clear"))
        pCtrl->Clear();
    else if (how == QLatin1String("destroyCtrl"))
        pCtrl.reset();
    else
        delete pMediator;

    QCOMPARE(listLog.join(QLatin1Char(' ')), log);
    if (pCtrl)
    {
        QCOMPARE(pCtrl->GetMediatorCount(), 0);
        QCOMPARE(pCtrl->GetMediator(pItem), nullptr);
    }
    QCOMPARE(root.GetItem(sName) != nullptr, itemLives);
    if (itemLives)
        QCOMPARE(pItem->CountObservers(), 0);
}

void TestMediator::controllerClearsOnDeletionNotice()
{
    // A controller that clears its mediators when the node it shows is deleted: the
    // mediators of the children go before they are told themselves.
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("N{A{} B{}}"));
    QStringList listLog;
    LogCtrl ctrl(&listLog);
    Node* pN = root.GetNode(QStringLiteral("N"));
    LogMediator* pTop = new LogMediator(&ctrl, pN);
    pTop->UpdateViewItemChildListRecursive();
    QCOMPARE(ctrl.GetMediatorCount(), 3);
    RecordingObserver clearer(QStringLiteral("ctrl"));
    clearer.Observe(pN);
    pN->MakeFirstObserver(&clearer);
    clearer.SetReaction(
        [&](RecordingObserver*, Observable*, TChangeCode code)
        {
            if (code == CC_DELETING)
                ctrl.Clear();
        });
    root.DeleteItem(pN);
    QCOMPARE(ctrl.GetMediatorCount(), 0);
    QCOMPARE(listLog.count(QStringLiteral("deleted-notice")), 3);
}

void TestMediator::createValue_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<QString>("after");

    QTest::newRow("made with its node") << "" << false << "Attr{Freq=5}";
    QTest::newRow("found") << "Attr{Freq:d=7}" << false << "Attr{Freq=7}";
    QTest::newRow("a node in its place") << "Attr{Freq{}}" << true << "Attr{Freq{}}";
    QTest::newRow("a value on the way") << "Attr=1" << true << "Attr=1";
}

void TestMediator::createValue()
{
    QFETCH(QString, tree);
    QFETCH(bool, throws);
    QFETCH(QString, after);

    Node node(QStringLiteral("N"));
    ValueTreeText::Build(&node, tree);
    RecordingObserver observer(QStringLiteral("row"));
    try
    {
        ValueBase* pValue = TreeItemMediatorCtrl::CreateValue(&node, &g_vdMedFreq, &observer);
        QVERIFY(!throws);
        QCOMPARE(pValue->GetPathName(), QStringLiteral("/Attr/Freq"));
        QVERIFY(pValue->HasObserver(&observer));
        if (tree.isEmpty())
            QCOMPARE(node.GetNode(QStringLiteral("Attr"))->GetValueDescriptor(), &g_vdMedAttr);
        pValue->DeleteObserver(&observer);
    }
    catch (const KVException& e)
    {
        QVERIFY(throws);
        QCOMPARE(e.GetMessage(), QStringLiteral("Wrong type assumed for /Attr/Freq."));
        QCOMPARE(e.GetFunction(), QStringLiteral("CreateValue"));
    }
    QCOMPARE(ValueTreeText::Dump(&node), after);
}

void TestMediator::kvModifierAlwaysTells()
{
    KVModifier modifier;
    modifier.SetbModified(true); // nobody to tell yet
    ModifyLog log;
    modifier.SetObserver(&log);
    modifier.SetbModified(false);
    modifier.SetbModified(false);
    modifier.SetbModified(true);
    QCOMPARE(log.listFlags, (QList<bool>{false, false, true}));
    QVERIFY(modifier.IsModified());
}

QTEST_APPLESS_MAIN(TestMediator)
#include "tst_mediator.moc"
