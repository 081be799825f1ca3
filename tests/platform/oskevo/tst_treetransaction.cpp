#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "oskevo/node.h"
#include "oskevo/vttransaction.h"

#include <QtTest>
#include <memory>

using namespace values;

class TestTreeTransaction : public QObject
{
    Q_OBJECT

private slots:
    void coalesces_data();
    void coalesces();
    void nestedToldOnlyWhenOutermostCloses();
    void nodeDeletedMeanwhileIsNotTold();
    void originators_data();
    void originators();
    void changesMadeWhileTellingAreTold();
};

void TestTreeTransaction::coalesces_data()
{
    QTest::addColumn<QString>("script"); // steps: [ open, ( open silent, ] close, a/b add to A/B
    QTest::addColumn<QString>("log");

    QTest::newRow("no transaction") << "a a"
                                    << "A:16 A:16";
    QTest::newRow("three adds") << "[ a a a ]"
                                << "A:16";
    QTest::newRow("two nodes, in the order of their first change") << "[ b a b a ]"
                                                                   << "B:16 A:16";
    QTest::newRow("nested") << "[ a [ a b ] a ]"
                            << "A:16 B:16";
    QTest::newRow("silent") << "( a b )"
                            << "";
    QTest::newRow("silent inside") << "[ ( a ) ]"
                                   << "";
    QTest::newRow("silent inside, a change outside it") << "[ ( a ) b ]"
                                                        << "B:16";
    QTest::newRow("silent outside hides everything") << "( [ a ] b )"
                                                     << "";
    QTest::newRow("after a transaction, at once again") << "[ a ] a"
                                                        << "A:16 A:16";
}

void TestTreeTransaction::coalesces()
{
    QFETCH(QString, script);
    QFETCH(QString, log);

    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{} B{}"));
    QStringList listLog;
    RecordingObserver observerA(QStringLiteral("A"), &listLog);
    RecordingObserver observerB(QStringLiteral("B"), &listLog);
    observerA.Observe(root.GetNode(QStringLiteral("A")));
    observerB.Observe(root.GetNode(QStringLiteral("B")));

    std::vector<std::unique_ptr<VtTransaction>> vecOpen;
    for (const QString& step : script.split(QLatin1Char(' ')))
    {
        if (step == QLatin1String("["))
            vecOpen.emplace_back(new VtTransaction(true));
        else if (step == QLatin1String("("))
            vecOpen.emplace_back(new VtTransaction(false));
        else if (step == QLatin1String("]") || step == QLatin1String(")"))
            vecOpen.pop_back();
        else
            root.GetNode(step.toUpper())->AddItemUnique(new Node(QStringLiteral("n")));
        QCOMPARE(VtTransaction::IsOpen(), !vecOpen.empty());
    }
    QCOMPARE(listLog.join(QLatin1Char(' ')), log);
}

void TestTreeTransaction::nestedToldOnlyWhenOutermostCloses()
{
    Node node(QStringLiteral("N"));
    RecordingObserver observer(QStringLiteral("N"));
    observer.Observe(&node);
    {
        VtTransaction outer;
        {
            VtTransaction inner;
            node.AddItem(new Node(QStringLiteral("x")));
        }
        QCOMPARE(observer.Calls(), 0);
        node.DeleteChildren();
        QCOMPARE(observer.Calls(), 0);
    }
    QCOMPARE(observer.Codes(), QList<int>{CC_CHILDREN});
}

void TestTreeTransaction::nodeDeletedMeanwhileIsNotTold()
{
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{B{}} C{}"));
    QStringList listLog;
    RecordingObserver observerB(QStringLiteral("B"), &listLog);
    RecordingObserver observerC(QStringLiteral("C"), &listLog);
    observerB.Observe(root.GetNode(QStringLiteral("A/B")));
    observerC.Observe(root.GetNode(QStringLiteral("C")));
    {
        VtTransaction transaction;
        root.GetNode(QStringLiteral("A/B"))->AddItem(new Node(QStringLiteral("x")));
        root.GetNode(QStringLiteral("C"))->AddItem(new Node(QStringLiteral("y")));
        root.DeleteItem(root.GetNode(QStringLiteral("A")));
    }
    QCOMPARE(listLog.join(QLatin1Char(' ')), QStringLiteral("B:18 C:16"));
}

void TestTreeTransaction::originators_data()
{
    QTest::addColumn<QString>("originators"); // per change: e editor, o other, - none
    QTest::addColumn<QString>("log");

    QTest::newRow("all by the editor") << "e e"
                                       << "other:16";
    QTest::newRow("by the editor and another") << "e o"
                                               << "editor:16 other:16";
    QTest::newRow("by the editor and nobody") << "e -"
                                              << "editor:16 other:16";
}

void TestTreeTransaction::originators()
{
    QFETCH(QString, originators);
    QFETCH(QString, log);

    Node node(QStringLiteral("N"));
    QStringList listLog;
    RecordingObserver editor(QStringLiteral("editor"), &listLog);
    RecordingObserver other(QStringLiteral("other"), &listLog);
    editor.Observe(&node);
    other.Observe(&node);
    {
        VtTransaction transaction;
        for (const QString& s : originators.split(QLatin1Char(' ')))
        {
            IObserver* pOriginator = s == QLatin1String("e")   ? &editor
                                     : s == QLatin1String("o") ? &other
                                                               : nullptr;
            node.AddItemUnique(new Node(QStringLiteral("n")), pOriginator);
        }
    }
    QCOMPARE(listLog.join(QLatin1Char(' ')), log);
}

void TestTreeTransaction::changesMadeWhileTellingAreTold()
{
    // An observer told at the close changes other nodes, inside and outside a transaction
    // of its own, and deletes one that is still waiting to be told.
    Node root{QString()};
    ValueTreeText::Build(&root, QStringLiteral("A{} B{} C{} D{}"));
    QStringList listLog;
    RecordingObserver observerA(QStringLiteral("A"), &listLog);
    RecordingObserver observerB(QStringLiteral("B"), &listLog);
    RecordingObserver observerC(QStringLiteral("C"), &listLog);
    RecordingObserver observerD(QStringLiteral("D"), &listLog);
    observerA.Observe(root.GetNode(QStringLiteral("A")));
    observerB.Observe(root.GetNode(QStringLiteral("B")));
    observerC.Observe(root.GetNode(QStringLiteral("C")));
    observerD.Observe(root.GetNode(QStringLiteral("D")));
    bool bDone = false;
    observerA.SetReaction(
        [&](RecordingObserver*, Observable*, TChangeCode)
        {
            if (bDone)
                return;
            bDone = true;
            root.GetNode(QStringLiteral("B"))->AddItem(new Node(QStringLiteral("b")));
            VtTransaction transaction;
            root.GetNode(QStringLiteral("C"))->AddItem(new Node(QStringLiteral("c1")));
            root.GetNode(QStringLiteral("C"))->AddItem(new Node(QStringLiteral("c2")));
            root.DeleteItem(root.GetNode(QStringLiteral("D")));
        });
    {
        VtTransaction transaction;
        root.GetNode(QStringLiteral("A"))->AddItem(new Node(QStringLiteral("a")));
        root.GetNode(QStringLiteral("D"))->AddItem(new Node(QStringLiteral("d")));
    }
    QCOMPARE(listLog.join(QLatin1Char(' ')), QStringLiteral("A:16 B:16 D:18 C:16"));
    QVERIFY(!VtTransaction::IsOpen());
}

QTEST_APPLESS_MAIN(TestTreeTransaction)
#include "tst_treetransaction.moc"
