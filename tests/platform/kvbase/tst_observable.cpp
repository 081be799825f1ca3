#include "common/recordingobserver.h"
#include "kvbase/observable.h"

#include <QtTest>
#include <map>
#include <memory>
#include <stdexcept>

namespace
{

// An observer that, as the controls' observers do, leaves its observable when destroyed.
class LeavingObserver : public RecordingObserver
{
public:
    LeavingObserver(const QString& sTag, QStringList* pLog, Observable* pObservable)
        : RecordingObserver(sTag, pLog), m_pObservable(pObservable), m_spAlive(pObservable->GetAliveFlag())
    {
        pObservable->AddObserver(this);
    }
    ~LeavingObserver() override
    {
        if (*m_spAlive)
            m_pObservable->DeleteObserver(this);
    }

private:
    Observable* m_pObservable;
    std::shared_ptr<const bool> m_spAlive;
};

// Observers A, B, C (and D, not yet registered) on one observable; B reacts as told.
struct Scene
{
    QStringList log;
    Observable* pObservable = new Observable;
    std::shared_ptr<const bool> spAlive = pObservable->GetAliveFlag();
    std::map<QString, LeavingObserver*> mapObservers;
    std::map<QString, std::shared_ptr<bool>> mapDeleted;

    Scene()
    {
        for (const char* psz : {"A", "B", "C"})
            Make(QString::fromLatin1(psz), true);
        Make(QStringLiteral("D"), false);
    }
    ~Scene()
    {
        for (auto& entry : mapObservers)
        {
            if (!*mapDeleted[entry.first])
                delete entry.second;
        }
        if (*spAlive)
            delete pObservable;
    }
    void Make(const QString& sTag, bool bRegister)
    {
        LeavingObserver* p = new LeavingObserver(sTag, &log, pObservable);
        if (!bRegister)
            pObservable->DeleteObserver(p);
        mapObservers[sTag] = p;
        mapDeleted[sTag] = std::make_shared<bool>(false);
    }
    LeavingObserver* Get(const QString& sTag) { return mapObservers[sTag]; }
    void Delete(const QString& sTag)
    {
        *mapDeleted[sTag] = true;
        delete mapObservers[sTag];
    }
    QString TakeLog()
    {
        const QString s = log.join(QLatin1Char(' '));
        log.clear();
        return s;
    }
};

} // namespace

class TestObservable : public QObject
{
    Q_OBJECT

private slots:
    void notify_data();
    void notify();
    void reentrancy_data();
    void reentrancy();
    void registration_data();
    void registration();
    void throwingObserverLeavesObservableUsable();
};

void TestObservable::notify_data()
{
    QTest::addColumn<int>("originator"); // index into A, B, C; -1 none, 3 an unregistered one
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("everyone, in order") << -1 << 3 << "A:3 B:3 C:3";
    QTest::newRow("first is originator") << 0 << 16 << "B:16 C:16";
    QTest::newRow("middle is originator") << 1 << 2 << "A:2 C:2";
    QTest::newRow("last is originator") << 2 << 18 << "A:18 B:18";
    QTest::newRow("unregistered originator") << 3 << 1 << "A:1 B:1 C:1";
}

void TestObservable::notify()
{
    QFETCH(int, originator);
    QFETCH(int, code);
    QFETCH(QString, expected);

    Scene scene;
    const QStringList tags{"A", "B", "C", "D"};
    IObserver* pOriginator = originator >= 0 ? scene.Get(tags[originator]) : nullptr;
    scene.pObservable->NotifyObservers(code, pOriginator);
    QCOMPARE(scene.TakeLog(), expected);
}

void TestObservable::reentrancy_data()
{
    QTest::addColumn<QString>("action"); // what B does when told code 1
    QTest::addColumn<QString>("first");  // log of the notification with code 1
    QTest::addColumn<QString>("second"); // log of a following notification with code 2
    QTest::addColumn<bool>("survives");  // whether the observable is still there

    QTest::newRow("nothing") << "none"
                             << "A:1 B:1 C:1"
                             << "A:2 B:2 C:2" << true;
    QTest::newRow("unregisters itself") << "unregisterSelf"
                                        << "A:1 B:1 C:1"
                                        << "A:2 C:2" << true;
    QTest::newRow("unregisters the next") << "unregisterNext"
                                          << "A:1 B:1"
                                          << "A:2 B:2" << true;
    QTest::newRow("unregisters the previous") << "unregisterPrevious"
                                              << "A:1 B:1 C:1"
                                              << "B:2 C:2" << true;
    QTest::newRow("deletes itself") << "deleteSelf"
                                    << "A:1 B:1 C:1"
                                    << "A:2 C:2" << true;
    QTest::newRow("deletes the next") << "deleteNext"
                                      << "A:1 B:1"
                                      << "A:2 B:2" << true;
    QTest::newRow("deletes the previous") << "deletePrevious"
                                          << "A:1 B:1 C:1"
                                          << "B:2 C:2" << true;
    QTest::newRow("deletes the observable") << "deleteObservable"
                                            << "A:1 B:1"
                                            << "" << false;
    QTest::newRow("unregisters everyone") << "deleteObservers"
                                          << "A:1 B:1"
                                          << "" << true;
    QTest::newRow("adds one: told from the next time") << "addNew"
                                                       << "A:1 B:1 C:1"
                                                       << "A:2 B:2 C:2 D:2" << true;
    QTest::newRow("puts a new one first") << "makeFirstNew"
                                          << "A:1 B:1 C:1"
                                          << "D:2 A:2 B:2 C:2" << true;
    QTest::newRow("puts the next one first: told once") << "makeFirstNext"
                                                        << "A:1 B:1 C:1"
                                                        << "C:2 A:2 B:2" << true;
    QTest::newRow("re-registers the next: told from the next time") << "reregisterNext"
                                                                    << "A:1 B:1"
                                                                    << "A:2 B:2 C:2" << true;
    QTest::newRow("deletes the next, a new one registers") << "replaceNext"
                                                           << "A:1 B:1"
                                                           << "A:2 B:2 D:2" << true;
    QTest::newRow("nested notification") << "nested"
                                         << "A:1 B:1 A:5 B:5 C:5 C:1"
                                         << "A:2 B:2 C:2" << true;
    QTest::newRow("unregisters the next, then nests") << "unregisterNextThenNest"
                                                      << "A:1 B:1 A:5 B:5"
                                                      << "A:2 B:2" << true;
    QTest::newRow("nests, then deletes itself") << "nestThenDeleteSelf"
                                                << "A:1 B:1 A:5 B:5 C:5 C:1"
                                                << "A:2 C:2" << true;
    QTest::newRow("deletes the observable inside a nested notification") << "nestedDeleteObservable"
                                                                         << "A:1 B:1 A:5 B:5"
                                                                         << "" << false;
}

void TestObservable::reentrancy()
{
    QFETCH(QString, action);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, survives);

    Scene scene;
    Scene* p = &scene;
    scene.Get(QStringLiteral("B"))
        ->SetReaction(
            [p, action](RecordingObserver* pSelf, Observable* pObservable, TChangeCode code)
            {
                if (action == QLatin1String("nestedDeleteObservable") && code == 5)
                {
                    delete pObservable;
                    return;
                }
                if (code != 1)
                    return;
                if (action == QLatin1String("unregisterSelf"))
                    pObservable->DeleteObserver(pSelf);
                else if (action == QLatin1String("unregisterNext"))
                    pObservable->DeleteObserver(p->Get("C"));
                else if (action == QLatin1String("unregisterPrevious"))
                    pObservable->DeleteObserver(p->Get("A"));
                else if (action == QLatin1String("deleteSelf"))
                    p->Delete("B");
                else if (action == QLatin1String("deleteNext"))
                    p->Delete("C");
                else if (action == QLatin1String("deletePrevious"))
                    p->Delete("A");
                else if (action == QLatin1String("deleteObservable"))
                    delete pObservable;
                else if (action == QLatin1String("deleteObservers"))
                    pObservable->DeleteObservers();
                else if (action == QLatin1String("addNew"))
                    pObservable->AddObserver(p->Get("D"));
                else if (action == QLatin1String("makeFirstNew"))
                    pObservable->MakeFirstObserver(p->Get("D"));
                else if (action == QLatin1String("makeFirstNext"))
                    pObservable->MakeFirstObserver(p->Get("C"));
                else if (action == QLatin1String("reregisterNext"))
                {
                    pObservable->DeleteObserver(p->Get("C"));
                    pObservable->AddObserver(p->Get("C"));
                }
                else if (action == QLatin1String("replaceNext"))
                {
                    p->Delete("C");
                    pObservable->AddObserver(p->Get("D"));
                }
                else if (action == QLatin1String("nested") ||
                         action == QLatin1String("nestedDeleteObservable"))
                    pObservable->NotifyObservers(5);
                else if (action == QLatin1String("unregisterNextThenNest"))
                {
                    pObservable->DeleteObserver(p->Get("C"));
                    pObservable->NotifyObservers(5);
                }
                else if (action == QLatin1String("nestThenDeleteSelf"))
                {
                    pObservable->NotifyObservers(5);
                    p->Delete("B");
                }
            });

    scene.pObservable->NotifyObservers(1);
    QCOMPARE(scene.TakeLog(), first);
    QCOMPARE(*scene.spAlive, survives);
    if (!survives)
        return;
    scene.pObservable->NotifyObservers(2);
    QCOMPARE(scene.TakeLog(), second);
}

void TestObservable::registration_data()
{
    QTest::addColumn<QString>("steps"); // +X add, -X remove, ^X make first, 0 remove all
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    QTest::newRow("added twice counts once") << "+A +A +B"
                                             << "A:7 B:7" << 2;
    QTest::newRow("removing an unknown one is harmless") << "+A -B"
                                                         << "A:7" << 1;
    QTest::newRow("make first of a new one registers it") << "+A ^B"
                                                          << "B:7 A:7" << 2;
    QTest::newRow("make first moves, never duplicates") << "+A +B +C ^C ^C"
                                                        << "C:7 A:7 B:7" << 3;
    QTest::newRow("remove all") << "+A +B 0 +C"
                                << "C:7" << 1;
    QTest::newRow("null is ignored") << "+A +N ^N -N"
                                     << "A:7" << 1;
}

void TestObservable::registration()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    QFETCH(int, count);

    QStringList log;
    Observable observable;
    std::map<QChar, std::unique_ptr<RecordingObserver>> mapObservers;
    for (QChar c : QStringLiteral("ABC"))
        mapObservers[c].reset(new RecordingObserver(c, &log));
    for (const QString& step : steps.split(QLatin1Char(' ')))
    {
        RecordingObserver* p =
            step.size() > 1 && step[1] != QLatin1Char('N') ? mapObservers[step[1]].get() : nullptr;
        switch (step[0].toLatin1())
        {
        case '+':
            observable.AddObserver(p);
            break;
        case '-':
            observable.DeleteObserver(p);
            break;
        case '^':
            observable.MakeFirstObserver(p);
            break;
        case '0':
            observable.DeleteObservers();
            break;
        }
    }
    QCOMPARE(observable.CountObservers(), count);
    observable.NotifyObservers(7);
    QCOMPARE(log.join(QLatin1Char(' ')), expected);
}

void TestObservable::throwingObserverLeavesObservableUsable()
{
    // An observer that throws must not leave the observable thinking it is still notifying:
    // later removals must take effect at once and everyone must be told again.
    QStringList log;
    Observable observable;
    RecordingObserver a(QStringLiteral("A"), &log);
    RecordingObserver b(QStringLiteral("B"), &log);
    a.SetReaction(
        [](RecordingObserver*, Observable*, TChangeCode code)
        {
            if (code == 1)
                throw std::runtime_error("refused");
        });
    observable.AddObserver(&a);
    observable.AddObserver(&b);
    QVERIFY_EXCEPTION_THROWN(observable.NotifyObservers(1), std::runtime_error);
    observable.DeleteObserver(&a);
    QCOMPARE(observable.CountObservers(), 1);
    log.clear();
    observable.NotifyObservers(2);
    QCOMPARE(log.join(QLatin1Char(' ')), QStringLiteral("B:2"));
    observable.AddObserver(&a);
    observable.NotifyObservers(3);
    QCOMPARE(log.join(QLatin1Char(' ')), QStringLiteral("B:2 B:3 A:3"));
}

QTEST_APPLESS_MAIN(TestObservable)
#include "tst_observable.moc"
